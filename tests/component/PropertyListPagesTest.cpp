#include <gtest/gtest.h>
#include <wx/listbox.h>
#include <wx/listctrl.h>

#include <string>

#include "platform/com/Bstr.h"
#include "platform/com/SafeArray.h"
#include "tests/component/PageDriving.h"

using namespace component_test;

namespace {

const CLSID kKinsokuPage = WrilaId(0xE7EC5711);
const CLSID kFaceWrapPage = WrilaId(0xE7EC5712);
const CLSID kHilitePage = WrilaId(0xE7EC5713);
const CLSID kShowMarkPage = WrilaId(0xE7EC5717);
const CLSID kLinkPage = WrilaId(0xE7EC5718);

constexpr int kList = 119, kAdd = 123, kDelete = 121;

wxListCtrl* ListOf(wxWindow* page) { return dynamic_cast<wxListCtrl*>(page->FindWindow(kList)); }

void Select(wxWindow* page, int row) {
  ListOf(page)->SetItemState(row, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
}
void PressKey(wxWindow* page, int keyCode) {
  wxKeyEvent key(wxEVT_KEY_DOWN);
  key.m_keyCode = keyCode;
  ListOf(page)->GetEventHandler()->ProcessEvent(key);
}
// The end of a label edit with the text the user typed: in the list's own editor when it is open.
void EndEdit(wxWindow* page, int row, const char* typed) {
  if (wxTextCtrl* editor = ListOf(page)->GetEditControl()) {
    editor->SetValue(CP932ToWx(typed));
    ListOf(page)->EndEditLabel(false);
    return;
  }
  wxListEvent event(wxEVT_LIST_END_LABEL_EDIT, kList);
  event.m_itemIndex = row;
  event.m_item.SetId(row);
  event.m_item.SetText(CP932ToWx(typed));
  ListOf(page)->GetEventHandler()->ProcessEvent(event);
}
std::string RowText(wxWindow* page, int row) { return WxToCP932(ListOf(page)->GetItemText(row)).GetString(); }

// The items of a collection property, as "text" or "text:flag" per item.
std::vector<std::string> FaceWords(IDispatch* edit) {
  std::vector<std::string> words;
  CComVariant list = Get(edit, 0x54);
  IDispatch* dispatch = nullptr;
  EXPECT_EQ(list.punkVal->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch)), S_OK);
  const LONG count = Get(dispatch, 2).lVal;
  for (LONG i = 1; i <= count; ++i) {
    CComVariant item;
    EXPECT_EQ(Call(dispatch, 0, {Long(i)}, &item), S_OK);
    std::string word = CP932FromBstr(Get(item.pdispVal, 1).bstrVal).GetString();
    word += Get(item.pdispVal, 2).boolVal ? ":on" : ":off";
    words.push_back(word);
  }
  dispatch->Release();
  return words;
}

}  // namespace

TEST_F(ComponentTest, KinsokuAndMarkPagesResetToTheDefaultsOnlyOnApply) {
  if (!kesta_test::HasGui()) GTEST_SKIP();
  IDispatch* edit = CreateEdit();
  ASSERT_TRUE(edit);
  ASSERT_EQ(Put(edit, 0x1F, Text(u"x")), S_OK);  // KinsokuBegin
  ASSERT_EQ(Put(edit, 0x09, Bool(false)), S_OK);  // KinsokuWrap
  ASSERT_EQ(Put(edit, 0x04, Bool(true)), S_OK);   // ShowTab
  const std::string defaults = [] {
    IDispatch* fresh = CreateEdit();
    const std::string text = TextOf(fresh, 0x1F);
    fresh->Release();
    return text;
  }();
  RunFrame({edit}, {kKinsokuPage, kShowMarkPage}, [&](wxDialog& frame, wxNotebook& pages) {
    EXPECT_FALSE(pages.GetPage(0)->FindWindow(358)->IsEnabled());  // the set follows the rules box
    Click(pages.GetPage(0), 360);
    Click(pages.GetPage(1), 360);
    EXPECT_TRUE(pages.GetPage(0)->FindWindow(358)->IsEnabled());
    EXPECT_TRUE(frame.FindWindow(ID_PROPERTYFRAME_APPLY)->IsEnabled());
    EXPECT_EQ(TextOf(edit, 0x1F), "x");  // nothing reaches the control before Apply
    PressButton(frame, wxID_OK);
  });
  EXPECT_EQ(TextOf(edit, 0x1F), defaults);
  EXPECT_FALSE(defaults.empty());
  EXPECT_TRUE(Get(edit, 0x09).boolVal);
  EXPECT_FALSE(Get(edit, 0x04).boolVal);
  EXPECT_TRUE(Get(edit, 0x03).boolVal);  // ShowCR
  edit->Release();
}

TEST_F(ComponentTest, LinkPageSetKeepsTheSingleByteCharactersOfItsText) {
  if (!kesta_test::HasGui()) GTEST_SKIP();
  IDispatch* edit = CreateEdit();
  ASSERT_TRUE(edit);
  {
    ActiveEdit active(edit);
    RunFrame({edit}, {kLinkPage}, [](wxDialog& frame, wxNotebook& pages) {
      wxWindow* page = pages.GetPage(0);
      EXPECT_FALSE(GetEditTextOf(page, 670).empty());
      Type(page, 670, "a亜b");
      Click(page, 675);  // DBCharUrl
      PressButton(frame, wxID_OK);
    });
    EXPECT_TRUE(Get(edit, 0x92).boolVal);
    RunFrame({edit}, {kLinkPage}, [](wxDialog& frame, wxNotebook& pages) {
      EXPECT_EQ(GetEditTextOf(pages.GetPage(0), 670), "ab");
      PressButton(frame, wxID_CANCEL);
    });
  }
  // Without a window the control has no set to show.
  RunFrame({edit}, {kLinkPage}, [](wxDialog&, wxNotebook& pages) { EXPECT_EQ(GetEditTextOf(pages.GetPage(0), 670), ""); });
  edit->Release();
}

TEST_F(ComponentTest, WordPageEditsTogglesAddsAndDeletesWords) {
  if (!kesta_test::HasGui()) GTEST_SKIP();
  IDispatch* edit = CreateEdit();
  ASSERT_TRUE(edit);
  ASSERT_EQ(Put(edit, 0x08, Bool(true)), S_OK);  // FaceWrap
  const size_t before = FaceWords(edit).size();
  RunFrame({edit}, {kFaceWrapPage}, [&](wxDialog& frame, wxNotebook& pages) {
    wxWindow* page = pages.GetPage(0);
    ASSERT_EQ(static_cast<size_t>(ListOf(page)->GetItemCount()), before);
    Click(page, kAdd);
    const int row = ListOf(page)->GetItemCount() - 1;
    EXPECT_EQ(RowText(page, row), "新しい単語");
    EndEdit(page, row, "abcdefghijklmnopqrst");
    EXPECT_EQ(RowText(page, row), "abcdefghijklmno");
    PressKey(page, WXK_F9);  // the new word is selected: now off
    Click(page, kAdd);
    EndEdit(page, row + 1, "zz");
    Select(page, row + 1);
    Click(page, kDelete);
    EXPECT_EQ(ListOf(page)->GetItemCount(), row + 1);
    // With the box off the list cannot be changed.
    Click(page, 211);
    EXPECT_FALSE(page->FindWindow(kList)->IsEnabled());
    EXPECT_FALSE(page->FindWindow(kAdd)->IsEnabled());
    EXPECT_FALSE(page->FindWindow(kDelete)->IsEnabled());
    Click(page, 211);
    PressButton(frame, wxID_OK);
  });
  const std::vector<std::string> words = FaceWords(edit);
  EXPECT_EQ(words.size(), before + 1);
  EXPECT_NE(std::find(words.begin(), words.end(), "abcdefghijklmno:off"), words.end());
  edit->Release();
}

TEST_F(ComponentTest, HilitePageKeepsItsTagRowAndAddsRulesWithTheBoxesShown) {
  if (!kesta_test::HasGui()) GTEST_SKIP();
  IDispatch* edit = CreateEdit();
  ASSERT_TRUE(edit);
  ASSERT_EQ(Put(edit, 0x0C, Bool(true)), S_OK);   // Hilite
  ASSERT_EQ(Put(edit, 0x1B, Short(4)), S_OK);    // HiliteTag
  RunFrame({edit}, {kHilitePage}, [&](wxDialog& frame, wxNotebook& pages) {
    wxWindow* page = pages.GetPage(0);
    EXPECT_EQ(RowText(page, 0), "<タグ>");
    Select(page, 0);
    // The tag row is neither edited nor deleted, and its options are not offered.
    EndEdit(page, 0, "changed");
    EXPECT_EQ(RowText(page, 0), "<タグ>");
    EXPECT_FALSE(page->FindWindow(kDelete)->IsEnabled());
    const int rows = ListOf(page)->GetItemCount();
    Click(page, kDelete);
    EXPECT_EQ(ListOf(page)->GetItemCount(), rows);
    EXPECT_FALSE(page->FindWindow(1047)->IsEnabled());
    PressKey(page, WXK_F9);  // the tag colour steps from 4 to none
    // A rule added with only "行の右を強調" shown.
    Click(page, kAdd);
    EXPECT_TRUE(page->FindWindow(1047)->IsEnabled());
    Click(page, 1047);
    EndEdit(page, rows, "TODO");
    PressButton(frame, wxID_OK);
  });
  EXPECT_EQ(Get(edit, 0x1B).iVal, -1);
  CComVariant list = Get(edit, 0x55);
  IDispatch* rules = nullptr;
  ASSERT_EQ(list.punkVal->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&rules)), S_OK);
  CComVariant rule;
  ASSERT_EQ(Call(rules, 0, {Text(u"TODO")}, &rule), S_OK);
  EXPECT_TRUE(Get(rule.pdispVal, 4).boolVal);   // RightAll
  EXPECT_FALSE(Get(rule.pdispVal, 5).boolVal);  // Word
  EXPECT_EQ(Get(rule.pdispVal, 6).iVal, 0);     // the tag row had no colour: 0
  rules->Release();
  edit->Release();
}

namespace {

const CLSID kKeyboardPage = WrilaId(0xE7EC571B);

void PressInField(wxWindow* page, int keyCode, bool shift, bool control, bool alt) {
  wxKeyEvent key(wxEVT_KEY_DOWN);
  key.m_keyCode = keyCode;
  key.m_shiftDown = shift;
  key.m_controlDown = control;
  key.m_altDown = alt;
  wxWindow* field = page->FindWindow(376);
  key.SetEventObject(field);
  field->GetEventHandler()->ProcessEvent(key);
}

// Whether the control's key table binds flags and key to the command.
bool Bound(IDispatch* edit, short flags, short key, WORD command) {
  CComVariant list = Get(edit, 0x56);
  IDispatch* keys = nullptr;
  EXPECT_EQ(list.punkVal->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&keys)), S_OK);
  bool found = false;
  const LONG count = Get(keys, 2).lVal;
  for (LONG i = 1; i <= count && !found; ++i) {
    CComVariant item;
    EXPECT_EQ(Call(keys, 0, {Long(i)}, &item), S_OK);
    found = Get(item.pdispVal, 1).iVal == flags && Get(item.pdispVal, 2).iVal == key &&
            static_cast<WORD>(Get(item.pdispVal, 3).iVal) == command;
  }
  keys->Release();
  return found;
}

}  // namespace

TEST_F(ComponentTest, KeyPageCapturesAssignsAndDeletesKeys) {
  if (!kesta_test::HasGui()) GTEST_SKIP();
  IDispatch* edit = CreateEdit();
  ASSERT_TRUE(edit);
  constexpr WORD kUndo = 0xE12B;  // the first command of the first category
  RunFrame({edit}, {kKeyboardPage}, [](wxDialog& frame, wxNotebook& pages) {
    wxWindow* page = pages.GetPage(0);
    // Keys that stay the dialog's: Alt+F4 and F10 capture nothing.
    PressInField(page, WXK_F4, false, false, true);
    EXPECT_EQ(GetEditTextOf(page, 376), "");
    PressInField(page, WXK_F10, false, false, false);
    EXPECT_EQ(GetEditTextOf(page, 376), "");
    PressInField(page, WXK_F4, true, false, false);
    EXPECT_EQ(GetEditTextOf(page, 376), "Shift+F4");
    PressInField(page, 'A', true, true, false);
    EXPECT_EQ(GetEditTextOf(page, 376), "Ctrl+Shift+A");
    EXPECT_TRUE(page->FindWindow(378)->IsEnabled());
    Click(page, 378);
    EXPECT_EQ(GetEditTextOf(page, 376), "");
    PressButton(frame, wxID_OK);
  });
  EXPECT_TRUE(Bound(edit, 0x0F, 0x41, kUndo));

  RunFrame({edit}, {kKeyboardPage}, [](wxDialog& frame, wxNotebook& pages) {
    wxWindow* page = pages.GetPage(0);
    auto* keys = dynamic_cast<wxListBox*>(page->FindWindow(377));
    const int line = keys->FindString("Ctrl+Shift+A");
    ASSERT_GE(line, 0);
    keys->SetSelection(line);
    wxCommandEvent selected(wxEVT_LISTBOX, 377);
    selected.SetEventObject(keys);
    keys->GetEventHandler()->ProcessEvent(selected);
    Click(page, 379);
    EXPECT_EQ(keys->FindString("Ctrl+Shift+A"), wxNOT_FOUND);
    PressButton(frame, wxID_OK);
  });
  EXPECT_FALSE(Bound(edit, 0x0F, 0x41, kUndo));
  edit->Release();
}

TEST_F(ComponentTest, KeyPageLaysOutTheAssignmentLabelWhenAKeyIsPressed) {
  if (!kesta_test::HasGui()) GTEST_SKIP();
  IDispatch* edit = CreateEdit();
  ASSERT_TRUE(edit);
  RunFrame({edit}, {kKeyboardPage}, [](wxDialog& frame, wxNotebook& pages) {
    wxWindow* page = pages.GetPage(0);
    page->SetSize(page->GetBestSize());  // as showing the frame sizes and lays it out
    page->Layout();
    PressInField(page, WXK_F4, true, false, false);
    const wxRect label = page->FindWindow(383)->GetRect();
    const wxRect field = page->FindWindow(376)->GetRect();
    ASSERT_TRUE(page->FindWindow(383)->IsShown());
    // Below the key field, beside the name it introduces, over no other control.
    EXPECT_GE(label.GetTop(), field.GetBottom());
    EXPECT_LE(label.GetRight(), page->FindWindow(382)->GetRect().GetLeft());
    for (wxWindow* other : page->GetChildren()) {
      if (other->GetId() != 383 && other->IsShown() && other->GetId() != 382) {
        EXPECT_FALSE(label.Intersects(other->GetRect())) << other->GetId();
      }
    }
    PressButton(frame, wxID_CANCEL);
  });
  edit->Release();
}

TEST_F(ComponentTest, DisplayPageAppliesColoursSpacingAndFontToEveryControl) {
  if (!kesta_test::HasGui()) GTEST_SKIP();
  const CLSID kShowPage = WrilaId(0xE7EC5716);
  IDispatch* first = CreateEdit();
  IDispatch* second = CreateEdit();
  ASSERT_TRUE(first && second);
  const LONG defaultColour = [&] {
    CComVariant colours = Get(first, 0x51);
    LONG index = 5, colour = 0;
    SafeArrayGetElement(colours.parray, &index, &colour);
    return colour;
  }();
  // The first control's colours and font are what the page shows and writes to both.
  ASSERT_EQ(Put(first, 0x86, Text(u"Noto Sans Mono CJK JP")), S_OK);
  ASSERT_EQ(Put(second, 0x86, Text(u"DejaVu Sans Mono")), S_OK);
  CComVariant changed;
  changed.vt = VT_ARRAY | VT_I4;
  changed.parray = SafeArrayCreateVector(VT_I4, 5, 1);
  LONG index = 5, red = 0x0000FF;
  SafeArrayPutElement(changed.parray, &index, &red);
  ASSERT_EQ(Put(second, 0x51, changed), S_OK);
  RunFrame({first, second}, {kShowPage}, [](wxDialog& frame, wxNotebook& pages) {
    wxWindow* page = pages.GetPage(0);
    Type(page, 533, "3");
    PressButton(frame, wxID_OK);
  });
  for (IDispatch* edit : {first, second}) {
    EXPECT_EQ(Get(edit, 0x1A).iVal, 3);  // LineSpace
    EXPECT_EQ(TextOf(edit, 0x86), "Noto Sans Mono CJK JP");
    CComVariant colours = Get(edit, 0x51);
    LONG colour = 0;
    SafeArrayGetElement(colours.parray, &index, &colour);
    EXPECT_EQ(colour, defaultColour);
  }
  first->Release();
  second->Release();
}
