#pragma once

// The maker's addresses, written once: the notice shows them, the Linux build
// prints the web address, and the "Visit website" button opens the home page.
#define VELMARIS_MAKER_WEB_ADDRESS "www.quorvale.com"
#define VELMARIS_MAKER_HOME_PAGE "https://" VELMARIS_MAKER_WEB_ADDRESS "/"
#define VELMARIS_MAKER_MAIL_ADDRESS "hello@quorvale.com"

inline constexpr const char* aboutHeadingText = "VelmarisSkyScreensaver";
inline constexpr const char* aboutWebAddress = VELMARIS_MAKER_WEB_ADDRESS;
// The home page, tagged so that the maker sees the visit came from this window.
inline constexpr const char* aboutHomePageFromAbout = VELMARIS_MAKER_HOME_PAGE "?utm_source=About";
inline constexpr const char* aboutNoticeText =
    "Velmaris Sky: an aurora over a quiet night sky.\r\n"
    "Made by Quorvale. Visit us at " VELMARIS_MAKER_WEB_ADDRESS "\r\n"
    "Questions and ideas: " VELMARIS_MAKER_MAIL_ADDRESS;

#undef VELMARIS_MAKER_MAIL_ADDRESS
#undef VELMARIS_MAKER_HOME_PAGE
#undef VELMARIS_MAKER_WEB_ADDRESS
