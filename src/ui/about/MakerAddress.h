#pragma once

namespace numberlark {

// The maker's web page: the hyperlink control's default address and the
// link of the about window.
inline constexpr const char* kMakerWebAddress = "https://numberlark.example.org/";

} // namespace numberlark
