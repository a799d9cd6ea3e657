#pragma once

#include <string_view>

namespace ttt {

// The author's addresses, on a reserved example domain. The home page that the web link
// opens is a different address from the one the link label shows.
inline constexpr std::string_view kAuthorWebAddress = "www.orvane.example";
inline constexpr std::string_view kAuthorWebAddressWithScheme = "http://www.orvane.example";
inline constexpr std::string_view kAuthorHomePage = "http://www.orvane.example/games/";
inline constexpr std::string_view kAuthorEmail = "orvane@orvane.example";

}  // namespace ttt
