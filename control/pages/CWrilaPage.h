#pragma once
// What every property page of the control shares: the objects it edits (each through IEdit), its
// window, which it fills from the first object, and the dirty flag, which only a user's change of a
// control sets. Apply writes the page's values to every object in turn and stops at the first put
// that fails, after showing the error left by it.
#include <vector>

#include "platform/base/CString.h"
#include "platform/com/ComModule.h"
#include "platform/com/ComObject.h"
#include "platform/com/PropertyPage.h"
#include "platform/com/Variant.h"

class wxPanel;
class wxSizer;
class wxWindow;

class CWrilaPage : public ComObject<IPropertyPage> {
 public:
  explicit CWrilaPage(const char* title);
  ~CWrilaPage() override;

  HRESULT QueryInterface(REFIID iid, void** object) override;
  HRESULT SetPageSite(IPropertyPageSite* site) override;
  HRESULT Activate(wxWindow* parent, const RECT& position, BOOL modal) override;
  HRESULT Deactivate() override;
  HRESULT GetPageInfo(PROPPAGEINFO* info) override;
  HRESULT SetObjects(ULONG count, IUnknown** objects) override;
  HRESULT GetPageWindow(wxWindow** window) override;
  HRESULT IsPageDirty() override { return m_dirty ? S_OK : S_FALSE; }
  HRESULT Apply() override;

 protected:
  // Builds the page's controls (with their dialog ids) on the page window and returns its sizer.
  virtual wxSizer* CreateControls(wxWindow* page) = 0;
  // Fills the controls from the first object.
  virtual void Fill(IDispatch* edit) = 0;
  // The puts, in the page's order; the first failure is returned.
  virtual HRESULT ApplyTo(IDispatch* edit) = 0;
  // Enables the controls that depend on others; runs after filling and after every change.
  virtual void UpdateEnabling() {}

  void SetDirty();
  wxWindow* Page() const;

  // Property reads from the first object: false (and the value untouched) when the get fails.
  static bool GetLong(IDispatch* edit, DISPID id, long* value);
  static bool GetBool(IDispatch* edit, DISPID id, bool* value);
  static bool GetText(IDispatch* edit, DISPID id, CString* value);

  // Calls each(item) for every item of a collection property of the first object, in list order.
  template <class List, class Item, class F>
  static void ForEachItem(IDispatch* edit, DISPID id, REFIID listIid, REFIID itemIid, F each) {
    CComVariant value;
    DISPPARAMS none = {nullptr, nullptr, 0, 0};
    List* list = nullptr;
    if (FAILED(edit->Invoke(id, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, &value, nullptr, nullptr)) ||
        (value.vt != VT_UNKNOWN && value.vt != VT_DISPATCH) || !value.punkVal ||
        FAILED(value.punkVal->QueryInterface(listIid, reinterpret_cast<void**>(&list))))
      return;
    LONG count = 0;
    list->get_Count(&count);
    for (LONG i = 1; i <= count; ++i) {
      CComVariant index, element;
      index.vt = VT_I4;
      index.lVal = i;
      Item* item = nullptr;
      if (FAILED(list->Item(index, &element)) || element.vt != VT_DISPATCH ||
          FAILED(element.pdispVal->QueryInterface(itemIid, reinterpret_cast<void**>(&item))))
        continue;
      each(item);
      item->Release();
    }
    list->Release();
  }

  // Puts that run in order until one fails; each answers the first failure.
  class Puts {
   public:
    explicit Puts(IDispatch* edit) : m_edit(edit) {}
    Puts& Short(DISPID id, long value);
    Puts& Long(DISPID id, long value);
    Puts& Bool(DISPID id, bool value);
    Puts& Text(DISPID id, const CString& value);
    Puts& Value(DISPID id, const VARIANT& value);
    HRESULT Result() const { return m_hr; }

   private:
    IDispatch* m_edit;
    HRESULT m_hr = S_OK;
  };

 private:
  void OnControlChanged();

  ComModuleObject m_live;
  CString m_title;
  IPropertyPageSite* m_site = nullptr;
  std::vector<IDispatch*> m_objects;
  wxPanel* m_page = nullptr;
  bool m_filled = false;
  bool m_dirty = false;
};

// Creates a page object of the given class and answers the interface asked for.
template <class Page>
HRESULT CreatePage(REFIID iid, void** object) {
  Page* page = new Page;
  const HRESULT hr = page->QueryInterface(iid, object);
  page->Release();
  return hr;
}
