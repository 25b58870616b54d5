#include "views/PreviewWebView.h"

#include <dlfcn.h>

namespace {

// Found where the program's own libraries are ($ORIGIN/../lib, the program's run path).
constexpr char kModuleName[] = "libkesta_webview.so";

using MakeFunction = decltype(&KestaMakePreviewWebView);

MakeFunction LoadModule() {
  // Loaded once and kept: the web views made by it live in windows until the program ends.
  static const MakeFunction make = []() -> MakeFunction {
    void* handle = dlopen(kModuleName, RTLD_NOW | RTLD_LOCAL);
    return handle ? reinterpret_cast<MakeFunction>(dlsym(handle, "KestaMakePreviewWebView")) : nullptr;
  }();
  return make;
}

}  // namespace

std::unique_ptr<IPreviewWebView> MakePreviewWebView(wxWindow* parent, const bool* silent,
                                                    PreviewNavigating navigating) {
  MakeFunction make = LoadModule();
  return std::unique_ptr<IPreviewWebView>(make ? make(parent, silent, std::move(navigating)) : nullptr);
}
