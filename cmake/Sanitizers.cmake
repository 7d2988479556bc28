# NUMBERLARK_SANITIZE=ON builds everything with AddressSanitizer and
# UndefinedBehaviorSanitizer, halting on the first report.
option(NUMBERLARK_SANITIZE "Build with ASan and UBSan" OFF)
if(NUMBERLARK_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
