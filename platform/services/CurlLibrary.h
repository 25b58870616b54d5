#pragma once
// libcurl, loaded when the program first goes online rather than when it starts: libcurl and the
// libraries it brings (TLS, Kerberos, LDAP, SSH and more, two dozen in all) are a large share of
// what every start of the program would otherwise load and relocate, and most sessions never
// make a transfer.
#include <curl/curl.h>

struct CurlLibrary {
  decltype(&::curl_easy_init) easy_init;
  decltype(&::curl_easy_setopt) easy_setopt;
  decltype(&::curl_easy_getinfo) easy_getinfo;
  decltype(&::curl_easy_pause) easy_pause;
  decltype(&::curl_easy_strerror) easy_strerror;
  decltype(&::curl_easy_cleanup) easy_cleanup;
  decltype(&::curl_multi_init) multi_init;
  decltype(&::curl_multi_add_handle) multi_add_handle;
  decltype(&::curl_multi_remove_handle) multi_remove_handle;
  decltype(&::curl_multi_perform) multi_perform;
  decltype(&::curl_multi_info_read) multi_info_read;
  decltype(&::curl_multi_poll) multi_poll;
  decltype(&::curl_multi_wakeup) multi_wakeup;
  decltype(&::curl_multi_cleanup) multi_cleanup;
  decltype(&::curl_slist_append) slist_append;
  decltype(&::curl_slist_free_all) slist_free_all;
};

// The library's entry points, loaded and initialised on the first call; nullptr when the system
// has no libcurl that offers them all.
const CurlLibrary* Curl();
