#include "platform/services/CurlLibrary.h"

#include <dlfcn.h>

#include <type_traits>

namespace {

// The library's soname: the interface these entry points come from.
constexpr char kCurlSoname[] = "libcurl.so.4";

const CurlLibrary* Load() {
  void* handle = dlopen(kCurlSoname, RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) return nullptr;
  static CurlLibrary curl;
  bool complete = true;
  auto take = [&](auto& entry, const char* name) {
    entry = reinterpret_cast<std::remove_reference_t<decltype(entry)>>(dlsym(handle, name));
    complete = complete && entry != nullptr;
  };
  take(curl.easy_init, "curl_easy_init");
  take(curl.easy_setopt, "curl_easy_setopt");
  take(curl.easy_getinfo, "curl_easy_getinfo");
  take(curl.easy_pause, "curl_easy_pause");
  take(curl.easy_strerror, "curl_easy_strerror");
  take(curl.easy_cleanup, "curl_easy_cleanup");
  take(curl.multi_init, "curl_multi_init");
  take(curl.multi_add_handle, "curl_multi_add_handle");
  take(curl.multi_remove_handle, "curl_multi_remove_handle");
  take(curl.multi_perform, "curl_multi_perform");
  take(curl.multi_info_read, "curl_multi_info_read");
  take(curl.multi_poll, "curl_multi_poll");
  take(curl.multi_wakeup, "curl_multi_wakeup");
  take(curl.multi_cleanup, "curl_multi_cleanup");
  take(curl.slist_append, "curl_slist_append");
  take(curl.slist_free_all, "curl_slist_free_all");
  decltype(&::curl_global_init) globalInit = nullptr;
  take(globalInit, "curl_global_init");
  if (!complete || globalInit(CURL_GLOBAL_DEFAULT) != CURLE_OK) {
    dlclose(handle);
    return nullptr;
  }
  // The library stays loaded for the rest of the program: its handles may outlive any one user.
  return &curl;
}

}  // namespace

const CurlLibrary* Curl() {
  static const CurlLibrary* const curl = Load();
  return curl;
}
