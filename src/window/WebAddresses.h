#pragma once
// The maker's web site, and the page of its other product that the banner advertises.
namespace web {

inline constexpr const char* kMakerHomePage = "https://tallowmere-games.example/";
inline constexpr const char* kZelvatrixPage = "https://tallowmere-games.example/zelvatrix/";

} // namespace web
