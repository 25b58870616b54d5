#include "platform/com/PropertyPage.h"

#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/notebook.h>
#include <wx/sizer.h>

#include <gtk/gtk.h>

#include <algorithm>
#include <vector>

#include "platform/com/Bstr.h"
#include "platform/base/CodePage.h"
#include "platform/com/ComActivation.h"
#include "platform/com/ComObject.h"
#include "platform/desktop/DialogButtons.h"

// Our own interfaces: ids of our own, not those of any Windows interface.
const IID IID_ISpecifyPropertyPages = {0x6B1F0D23, 0x4A3C, 0x4E5B, {0x9A, 0x11, 0x52, 0x7E, 0x2C, 0x31, 0x0A, 0x03}};
const IID IID_IPropertyPageSite = {0x6B1F0D24, 0x4A3C, 0x4E5B, {0x9A, 0x11, 0x52, 0x7E, 0x2C, 0x31, 0x0A, 0x04}};
const IID IID_IPropertyPage = {0x6B1F0D25, 0x4A3C, 0x4E5B, {0x9A, 0x11, 0x52, 0x7E, 0x2C, 0x31, 0x0A, 0x05}};

namespace {

PropertyFrameHook& CurrentHook() {
  static PropertyFrameHook hook;
  return hook;
}

class PropertyFrame;

// The frame's side of every page: a page that became dirty enables Apply.
class FrameSite : public ComObject<IPropertyPageSite> {
 public:
  FrameSite(PropertyFrame* frame, LCID locale) : m_frame(frame), m_locale(locale) {}
  HRESULT QueryInterface(REFIID iid, void** object) override {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IPropertyPageSite)) {
      return Answer(iid, iid, static_cast<IPropertyPageSite*>(this), object);
    }
    return E_NOINTERFACE;
  }
  HRESULT OnStatusChange(DWORD flags) override;
  HRESULT GetLocaleID(LCID* locale) override {
    if (!locale) return E_POINTER;
    *locale = m_locale;
    return S_OK;
  }
  void Detach() { m_frame = nullptr; }

 private:
  PropertyFrame* m_frame;
  LCID m_locale;
};

class PropertyFrame : public wxDialog {
 public:
  PropertyFrame(wxWindow* owner, const wxPoint& position, const wxString& caption)
      : wxDialog(owner, wxID_ANY, caption, position, wxDefaultSize, wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER) {
    auto* column = new wxBoxSizer(wxVERTICAL);
    m_notebook = new wxNotebook(this, wxID_ANY);
    column->Add(m_notebook, 1, wxEXPAND | wxALL, 8);
    auto* buttons = CreateOkCancelButtons(this, wxID_OK, wxID_CANCEL);
    m_apply = new wxButton(this, ID_PROPERTYFRAME_APPLY, CP932ToWx("適用(&A)"));
    m_apply->Disable();
    buttons->Add(m_apply, 0, wxLEFT, 8);
    column->Add(buttons, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 8);
    SetSizer(column);
    Bind(wxEVT_BUTTON, &PropertyFrame::OnOk, this, wxID_OK);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { ApplyPages(); }, ID_PROPERTYFRAME_APPLY);
  }
  ~PropertyFrame() override {
    // The pages destroy their own windows.
    while (m_notebook->GetPageCount()) m_notebook->RemovePage(0);
    for (IPropertyPage* page : m_pages) {
      page->Deactivate();
      page->SetObjects(0, nullptr);
      page->SetPageSite(nullptr);
      page->Release();
    }
    if (m_site) {
      m_site->Detach();
      m_site->Release();
    }
  }

  HRESULT AddPages(ULONG objectCount, IUnknown** objects, ULONG pageCount, const CLSID* pages, LCID locale) {
    m_site = new FrameSite(this, locale);
    for (ULONG i = 0; i < pageCount; ++i) {
      IPropertyPage* page = nullptr;
      const HRESULT hr =
          CoCreateInstance(pages[i], nullptr, CLSCTX_INPROC_SERVER, IID_IPropertyPage, reinterpret_cast<void**>(&page));
      // A page class that is not installed is left out, as the frame shows what it can.
      if (hr == REGDB_E_CLASSNOTREG || hr == CLASS_E_CLASSNOTAVAILABLE) continue;
      if (FAILED(hr)) return hr;
      m_pages.push_back(page);
      page->SetPageSite(m_site);
      page->SetObjects(objectCount, objects);
      PROPPAGEINFO info;
      page->GetPageInfo(&info);
      const wxString title = CP932ToWx(CP932FromBstr(info.pszTitle).GetString());
      SysFreeString(info.pszTitle);
      SysFreeString(info.pszDocString);
      SysFreeString(info.pszHelpFile);
      if (FAILED(page->Activate(m_notebook, RECT{0, 0, info.size.cx, info.size.cy}, TRUE))) return E_FAIL;
      wxWindow* window = nullptr;
      if (FAILED(page->GetPageWindow(&window)) || !window) return E_FAIL;
      m_notebook->AddPage(window, title);
    }
    // GTK hides the tabs that do not fit behind scroll arrows; the frame is made wide enough to show
    // every tab instead, as the pages' own width alone would not.
    GtkWidget* tabs = static_cast<GtkWidget*>(m_notebook->GetHandle());
    gtk_notebook_set_scrollable(GTK_NOTEBOOK(tabs), FALSE);
    int tabsWidth = 0;
    gtk_widget_get_preferred_width(tabs, &tabsWidth, nullptr);
    m_notebook->SetMinSize(wxSize(std::max(tabsWidth, m_notebook->GetBestSize().x), -1));
    GetSizer()->SetSizeHints(this);
    return m_pages.empty() ? S_FALSE : S_OK;
  }

  void PageStatusChanged() {
    bool dirty = false;
    for (IPropertyPage* page : m_pages) dirty = dirty || page->IsPageDirty() == S_OK;
    m_apply->Enable(dirty);
  }

  wxNotebook& Notebook() { return *m_notebook; }

 private:
  // Every changed page applies; the first that fails keeps the frame open on it.
  bool ApplyPages() {
    for (std::size_t i = 0; i < m_pages.size(); ++i) {
      if (m_pages[i]->IsPageDirty() != S_OK) continue;
      if (FAILED(m_pages[i]->Apply())) {
        m_notebook->SetSelection(i);
        PageStatusChanged();
        return false;
      }
    }
    PageStatusChanged();
    return true;
  }
  void OnOk(wxCommandEvent&) {
    if (!ApplyPages()) return;
    // A frame driven by a test hook was never shown modally.
    if (IsModal()) EndModal(wxID_OK);
  }

  wxNotebook* m_notebook = nullptr;
  wxButton* m_apply = nullptr;
  std::vector<IPropertyPage*> m_pages;
  FrameSite* m_site = nullptr;
};

HRESULT FrameSite::OnStatusChange(DWORD) {
  if (m_frame) m_frame->PageStatusChanged();
  return S_OK;
}

}  // namespace

HRESULT OleCreatePropertyFrame(wxWindow* owner, int x, int y, LPCOLESTR caption, ULONG objectCount,
                               IUnknown** objects, ULONG pageCount, const CLSID* pages, LCID locale) {
  if (pageCount == 0) return S_FALSE;
  if (!pages || (objectCount && !objects)) return E_POINTER;
  const wxString title = caption ? CP932ToWx(UTF16ToCP932(caption).GetString()) : wxString();
  // x and y are in the owner's client area.
  const wxPoint position = owner ? owner->ClientToScreen(wxPoint(x, y)) : wxPoint(x, y);
  PropertyFrame frame(owner, position, title);
  const HRESULT hr = frame.AddPages(objectCount, objects, pageCount, pages, locale);
  if (hr != S_OK) return hr;
  if (const PropertyFrameHook& hook = CurrentHook()) {
    hook(frame, frame.Notebook());
  } else {
    frame.ShowModal();
  }
  return S_OK;
}

ScopedPropertyFrameHook::ScopedPropertyFrameHook(PropertyFrameHook hook) : m_previous(std::move(CurrentHook())) {
  CurrentHook() = std::move(hook);
}

ScopedPropertyFrameHook::~ScopedPropertyFrameHook() { CurrentHook() = std::move(m_previous); }
