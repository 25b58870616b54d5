#pragma once
// The addresses of the maker's pages that the Help menu and the about box open.
inline constexpr char kPelkoPageUrl[] = "https://www.pelko.co.jp/";
inline constexpr char kPelkoSoftUrl[] = "https://www.pelko.co.jp/soft/";
inline constexpr char kSupportUrl[] = "https://www.pelko.co.jp/bbs/";
inline constexpr char kHomePageUrl[] = "https://www.pelko.co.jp/kestavon/";
inline constexpr char kWebServiceUrl[] = "https://www.pelko.co.jp/kestavon/web/";
