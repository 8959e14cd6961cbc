#pragma once

// The maker's addresses and the texts of the About window.
inline constexpr const char* aboutHeadingText = "VelmarisSkyScreensaver";
inline constexpr const char* aboutWebAddress = "https://www.velmaris.example";
inline constexpr const char* aboutHomePage = "https://www.velmaris.example/?utm_source=About";
inline constexpr const char* aboutMailAddress = "hello@velmaris.example";
inline constexpr const char* aboutNoticeText =
    "Velmaris Sky: an aurora over a quiet night sky.\r\n"
    "Free to use. Visit https://www.velmaris.example\r\n"
    "Questions and ideas: hello@velmaris.example";
