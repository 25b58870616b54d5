// The web view of the preview pane, over wx's WebKit web view: the one place that links the web
// engine, loaded by the pane when it first shows a page.
#include <dlfcn.h>
#include <gtk/gtk.h>
#include <wx/webview.h>

#include "views/PreviewWebView.h"

namespace {

// Script dialogs of the pages shown stay hidden once the browser is silent.
gboolean SilenceScriptDialog(GObject*, gpointer, gpointer silent) {
  return *static_cast<const bool*>(silent) ? TRUE : FALSE;
}

// The browser's settings object, asked of WebKit itself: the web view's "settings" property is
// write-only, and the module is built without WebKit's headers.
GObject* GetWebKitSettings(GObject* view) {
  using GetSettings = GObject* (*)(GObject*);
  static const auto get = reinterpret_cast<GetSettings>(dlsym(RTLD_DEFAULT, "webkit_web_view_get_settings"));
  return get ? get(view) : nullptr;
}

class PreviewWebView : public IPreviewWebView {
 public:
  PreviewWebView(wxWebView* web, const bool* silent, PreviewNavigating navigating)
      : m_web(web), m_silent(silent), m_navigating(std::move(navigating)) {
    GObject* native = G_OBJECT(m_web->GetNativeBackend());
    // The pages written here declare no character set: they are Shift_JIS as the program's text.
    if (GObject* settings = GetWebKitSettings(native)) g_object_set(settings, "default-charset", "Shift_JIS", nullptr);
    g_signal_connect(native, "script-dialog", G_CALLBACK(SilenceScriptDialog), const_cast<bool*>(m_silent));
    // Files dropped onto the preview must not make it navigate away.
    gtk_drag_dest_unset(GTK_WIDGET(native));
    m_web->Bind(wxEVT_WEBVIEW_NAVIGATING, &PreviewWebView::OnNavigating, this);
  }
  // The window outlives this object by a moment (its parent destroys it): it calls nothing here
  // any more.
  ~PreviewWebView() override {
    m_web->Unbind(wxEVT_WEBVIEW_NAVIGATING, &PreviewWebView::OnNavigating, this);
    g_signal_handlers_disconnect_by_data(G_OBJECT(m_web->GetNativeBackend()), const_cast<bool*>(m_silent));
  }

  wxWindow* GetWindow() const override { return m_web; }
  void LoadURL(const std::string& urlUtf8) override { m_web->LoadURL(wxString::FromUTF8(urlUtf8)); }
  std::string GetCurrentURL() const override { return m_web->GetCurrentURL().utf8_string(); }

 private:
  void OnNavigating(wxWebViewEvent& event) {
    if (m_navigating && m_navigating(event.GetURL().utf8_string()))
      event.Veto();
    else
      event.Skip();
  }

  wxWebView* m_web;
  const bool* m_silent;
  PreviewNavigating m_navigating;
};

}  // namespace

extern "C" IPreviewWebView* KestaMakePreviewWebView(wxWindow* parent, const bool* silent,
                                                    PreviewNavigating navigating) {
  if (!wxWebView::IsBackendAvailable(wxWebViewBackendDefault)) return nullptr;
  wxWebView* web = wxWebView::New(parent, wxID_ANY, "about:blank", wxDefaultPosition, parent->GetClientSize());
  return web ? new PreviewWebView(web, silent, std::move(navigating)) : nullptr;
}
