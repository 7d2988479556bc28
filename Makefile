# The two commands a newcomer needs: `make run` and `make test`.
# Everything else is a convenience on top of CMake.
BUILD_DIR ?= build
SAN_BUILD_DIR ?= build-sanitize
FUZZ_BUILD_DIR ?= build-fuzz
FUZZERS = fuzz_text_value fuzz_table_choice fuzz_results_line fuzz_settings fuzz_results_reader
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: deps configure build run test test-fast test-sanitize test-fuzz lint package bench contact-sheet clean

deps:
	@bash scripts/install-deps.sh

$(BUILD_DIR)/build.ninja:
	cmake -S . -B $(BUILD_DIR) -G Ninja $(CMAKE_FLAGS)

configure: deps $(BUILD_DIR)/build.ninja

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@bash scripts/run.sh $(BUILD_DIR)/app/numberlark

# The whole suite three ways: under AddressSanitizer and UBSan, the fuzzers
# for a bounded time, and a plain build last (its summary closes the output).
test: test-sanitize test-fuzz test-fast

test-fast: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

$(SAN_BUILD_DIR)/build.ninja:
	cmake -S . -B $(SAN_BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DNUMBERLARK_SANITIZE=ON

test-sanitize: deps $(SAN_BUILD_DIR)/build.ninja
	cmake --build $(SAN_BUILD_DIR) -j $(JOBS)
	cd $(SAN_BUILD_DIR) && ASAN_OPTIONS=halt_on_error=1:detect_leaks=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
	  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
	  ctest --output-on-failure -j $(JOBS) -E '^e2e'

$(FUZZ_BUILD_DIR)/build.ninja:
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DNUMBERLARK_FUZZ=ON -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined"

test-fuzz: deps $(FUZZ_BUILD_DIR)/build.ninja
	cmake --build $(FUZZ_BUILD_DIR) -j $(JOBS) --target $(FUZZERS)
	cd $(FUZZ_BUILD_DIR) && ASAN_OPTIONS=detect_leaks=0 ctest --output-on-failure -j $(JOBS)

# A Debian package of the program, in $(BUILD_DIR).
package: build
	cd $(BUILD_DIR) && cpack

# Measurements, never part of the tests' pass or fail.
bench: build
	@python3 scripts/bench.py $(BUILD_DIR)

lint: build
	@bash scripts/lint.sh $(BUILD_DIR)

contact-sheet: build
	cmake --build $(BUILD_DIR) --target contact-sheet

clean:
	rm -rf $(BUILD_DIR) $(SAN_BUILD_DIR) $(FUZZ_BUILD_DIR)
