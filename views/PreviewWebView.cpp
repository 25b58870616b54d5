#include "views/PreviewWebView.h"

#include <dlfcn.h>

#include <filesystem>
#include <system_error>

namespace {

// Beside the program's own libraries, in "lib" next to the program's folder. Asked for by its full
// path: a search by name would go by the run path of whatever called dlopen, which a sanitizer's
// interception of the call makes its own library.
constexpr char kModuleName[] = "libkesta_webview.so";

using MakeFunction = decltype(&KestaMakePreviewWebView);

MakeFunction LoadModule() {
  // Loaded once and kept: the web views made by it live in windows until the program ends.
  static const MakeFunction make = []() -> MakeFunction {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    const std::string path = (program.parent_path().parent_path() / "lib" / kModuleName).string();
    void* handle = error ? nullptr : dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) handle = dlopen(kModuleName, RTLD_NOW | RTLD_LOCAL);
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
