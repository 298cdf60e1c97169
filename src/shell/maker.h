#pragma once

namespace corvasine::shell {

// The product and its maker, as the windows name them.
inline constexpr const char* kProductName = "Corvasine";
inline constexpr const char* kMakerName = "Brennovask";

// The maker's web pages, opened in the desktop's browser.
inline constexpr const char* kSupportPage = "https://www.brennovask.com/support";
inline constexpr const char* kHomePage = "https://www.brennovask.com";

// The program's version numbers, shown by the about box as "major.minor.revision".
inline constexpr int kVersionMajor = 1;
inline constexpr int kVersionMinor = 0;
inline constexpr int kVersionRevision = 1;

}  // namespace corvasine::shell
