#pragma once
// Driving the control's property frame as a user would: the frame is handed to the test instead of
// running modally, and the test clicks, types, chooses and presses its buttons.
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/dialog.h>
#include <wx/notebook.h>
#include <wx/radiobut.h>
#include <wx/textctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/base/CodePage.h"
#include "platform/com/PropertyPage.h"
#include "tests/component/ComponentSupport.h"

namespace component_test {

// What a user does to a page's controls: each raises the event a click or typing raises.
inline void Click(wxWindow* page, int id) {
  wxWindow* item = page->FindWindow(id);
  ASSERT_TRUE(item) << id;
  wxEventType type = wxEVT_BUTTON;
  if (auto* check = dynamic_cast<wxCheckBox*>(item)) {
    check->SetValue(!check->GetValue());
    type = wxEVT_CHECKBOX;
  } else if (auto* radio = dynamic_cast<wxRadioButton*>(item)) {
    radio->SetValue(true);
    type = wxEVT_RADIOBUTTON;
  }
  wxCommandEvent event(type, id);
  event.SetEventObject(item);
  item->GetEventHandler()->ProcessEvent(event);
}
inline void Type(wxWindow* page, int id, const char* text) {
  auto* edit = dynamic_cast<wxTextCtrl*>(page->FindWindow(id));
  ASSERT_TRUE(edit) << id;
  edit->SetValue(CP932ToWx(text));  // raises the text event
}
inline void Choose(wxWindow* page, int id, int index) {
  auto* choice = dynamic_cast<wxChoice*>(page->FindWindow(id));
  ASSERT_TRUE(choice) << id;
  choice->SetSelection(index);
  wxCommandEvent event(wxEVT_CHOICE, id);
  event.SetEventObject(choice);
  event.SetInt(index);
  choice->GetEventHandler()->ProcessEvent(event);
}
inline void PressButton(wxDialog& frame, int id) {
  wxCommandEvent event(wxEVT_BUTTON, id);
  event.SetEventObject(frame.FindWindow(id));
  frame.GetEventHandler()->ProcessEvent(event);
}

inline LONG LongOf(IDispatch* edit, DISPID id) {
  CComVariant value = Get(edit, id);
  CComVariant number;
  EXPECT_EQ(VariantChangeType(&number, &value, 0, VT_I4), S_OK);
  return number.lVal;
}
inline std::string TextOf(IDispatch* edit, DISPID id) {
  return CP932FromBstr(Get(edit, id).bstrVal).GetString();
}

// Opens the frame over the edits with the given pages; the driver acts on it in place of a user.
inline HRESULT RunFrame(std::vector<IDispatch*> edits, std::vector<CLSID> pages,
                 const std::function<void(wxDialog&, wxNotebook&)>& driver) {
  ScopedPropertyFrameHook hook(driver);
  std::vector<IUnknown*> objects(edits.begin(), edits.end());
  return OleCreatePropertyFrame(nullptr, 0, 0, u"test", static_cast<ULONG>(objects.size()), objects.data(),
                                static_cast<ULONG>(pages.size()), pages.data(), LOCALE_USER_DEFAULT);
}

inline std::string GetEditTextOf(wxWindow* page, int id) {
  auto* edit = dynamic_cast<wxTextCtrl*>(page->FindWindow(id));
  return edit ? std::string(WxToCP932(edit->GetValue()).GetString()) : std::string("(none)");
}

}  // namespace component_test
