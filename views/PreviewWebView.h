#pragma once
// The preview pane's web view (WebKit), built as a module of its own that the pane loads the first
// time it shows a page. The program itself links no web engine: WebKit and its script engine are
// most of the libraries it would otherwise load at every start, for a pane that is off by default.
#include <functional>
#include <memory>
#include <string>

class wxWindow;

class IPreviewWebView {
 public:
  virtual ~IPreviewWebView() = default;
  // The browser's window, a child of the window it was made in (wx owns it).
  virtual wxWindow* GetWindow() const = 0;
  virtual void LoadURL(const std::string& urlUtf8) = 0;
  virtual std::string GetCurrentURL() const = 0;
};

// Asked before a navigation starts (the address in UTF-8); true cancels it.
using PreviewNavigating = std::function<bool(const std::string& urlUtf8)>;

// A web view in parent, the module loaded on first use; null where the module or a web engine is
// missing (the pane then shows its pages in a simple HTML window). While *silent is true the pages'
// script dialogs stay hidden; silent must outlive the web view.
std::unique_ptr<IPreviewWebView> MakePreviewWebView(wxWindow* parent, const bool* silent, PreviewNavigating navigating);

// The module's entry point, the one symbol it exports.
extern "C" IPreviewWebView* KestaMakePreviewWebView(wxWindow* parent, const bool* silent, PreviewNavigating navigating);
