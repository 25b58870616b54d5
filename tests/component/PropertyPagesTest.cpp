#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/dialog.h>
#include <wx/notebook.h>
#include <wx/radiobut.h>
#include <wx/textctrl.h>

#include <gtk/gtk.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/base/CodePage.h"
#include "platform/com/ComActivation.h"
#include "platform/com/ComObject.h"
#include "platform/com/ErrorInfo.h"
#include "platform/desktop/MessageBox.h"
#include "platform/com/PropertyPage.h"
#include "platform/com/Registry.h"
#include "platform/com/TaskMemory.h"
#include "tests/component/PageDriving.h"

using namespace component_test;

namespace {

const CLSID kMarginPage = WrilaId(0xE7EC570E);
const CLSID kFilePage = WrilaId(0xE7EC571C);
const CLSID kDesignPage = WrilaId(0xE7EC571D);
const CLSID kCommentPage = GUID{0x2C09AA8B, 0xC3D6, 0x11D3, {0x8C, 0x8F, 0x00, 0xC0, 0x4F, 0xB6, 0x2B, 0x1B}};

constexpr DISPID kExecCommand = 0x69;
constexpr DISPID kPropPages = 0x6C;
constexpr LONG kPropertiesCommand = 0x803F;

// Raw bytes of a value the control saved under its registry key.
std::vector<BYTE> SavedValue(IDispatch* edit, const char* name) {
  EXPECT_EQ(Call(edit, 0x5C, {}), S_OK);  // SaveProperties
  CRegKey key;
  std::vector<BYTE> bytes;
  if (key.Open(HKEY_CURRENT_USER, "Software\\Torvik\\Wrila", KEY_READ) != ERROR_SUCCESS) return bytes;
  ULONG size = 0;
  if (key.QueryBinaryValue(name, nullptr, &size) != ERROR_SUCCESS) return bytes;
  bytes.resize(size);
  key.QueryBinaryValue(name, bytes.data(), &size);
  return bytes;
}

}  // namespace

TEST_F(ComponentTest, PageClassesAndTheTypeLibraryAreRegisteredAndRemoved) {
  EXPECT_EQ(ClassesValue("Wrila.MarginPage\\CurVer"), "Wrila.MarginPage.1.2");
  EXPECT_EQ(ClassesValue("Wrila.MarginPage"), "MarginPage Class");
  EXPECT_EQ(ClassesValue("Wrila.CommentPage\\CurVer"), "Wrila.CommentPage.1");
  EXPECT_EQ(ClassesValue("Wrila.CommentPage.1"), "CommentPage Class");
  const std::string page = "CLSID\\" + GuidToString(kCommentPage);
  EXPECT_EQ(ClassesValue((page + "\\InprocServer32").c_str(), "ThreadingModel"), "Apartment");
  // Pages name no type library.
  EXPECT_EQ(ClassesValue((page + "\\TypeLib").c_str()), "(missing)");
  const std::string typeLib = "TypeLib\\" + GuidToString(WrilaId(0xE7EC5704)) + "\\1.2";
  EXPECT_EQ(ClassesValue(typeLib.c_str()), std::string("Wrila 1.2 ﾀｲﾌﾟ ﾗｲﾌﾞﾗﾘ"));
  EXPECT_EQ(ClassesValue((typeLib + "\\0\\linux").c_str()), ClassesValue(("CLSID\\" + GuidToString(kEdit) + "\\InprocServer32").c_str()));

  ASSERT_EQ(UnregisterServerLibrary(KESTA_WRILA12), S_OK);
  EXPECT_EQ(ClassesValue("Wrila.MarginPage"), "(missing)");
  EXPECT_EQ(ClassesValue(page.c_str()), "(missing)");
  EXPECT_EQ(ClassesValue(typeLib.c_str()), "(missing)");
}

TEST_F(ComponentTest, ControlNamesEveryPageOfItsMapToAContainer) {
  IDispatch* edit = CreateEdit();
  ASSERT_TRUE(edit);
  ISpecifyPropertyPages* specify = nullptr;
  ASSERT_EQ(edit->QueryInterface(IID_ISpecifyPropertyPages, reinterpret_cast<void**>(&specify)), S_OK);
  CAUUID pages;
  ASSERT_EQ(specify->GetPages(&pages), S_OK);
  ASSERT_EQ(pages.cElems, 12u);
  EXPECT_TRUE(IsEqualCLSID(pages.pElems[0], WrilaId(0xE7EC570D)));  // text
  EXPECT_TRUE(IsEqualCLSID(pages.pElems[1], kDesignPage));
  EXPECT_TRUE(IsEqualCLSID(pages.pElems[7], kCommentPage));
  EXPECT_TRUE(IsEqualCLSID(pages.pElems[11], WrilaId(0xE7EC571B)));  // keyboard
  CoTaskMemFree(pages.pElems);
  specify->Release();
  edit->Release();
}

TEST_F(ComponentTest, PropertyFrameIsWideEnoughForEveryTab) {
  if (!kesta_test::HasGui()) GTEST_SKIP();
  IDispatch* edit = CreateEdit();
  ASSERT_TRUE(edit);
  ISpecifyPropertyPages* specify = nullptr;
  ASSERT_EQ(edit->QueryInterface(IID_ISpecifyPropertyPages, reinterpret_cast<void**>(&specify)), S_OK);
  CAUUID all;
  ASSERT_EQ(specify->GetPages(&all), S_OK);
  const std::vector<CLSID> classes(all.pElems, all.pElems + all.cElems);
  CoTaskMemFree(all.pElems);
  specify->Release();
  RunFrame({edit}, classes, [&](wxDialog& frame, wxNotebook& pages) {
    ASSERT_EQ(pages.GetPageCount(), classes.size());
    frame.Layout();
    // The tab strip laid out at the width the frame gives it, as the toolkit lays it out when shown:
    // every tab is shown whole, none behind a scroll arrow.
    GtkWidget* notebook = static_cast<GtkWidget*>(pages.GetHandle());
    GtkRequisition minimum, natural;
    gtk_widget_get_preferred_size(notebook, &minimum, &natural);
    GtkAllocation area = {0, 0, pages.GetSize().x, pages.GetSize().y};
    gtk_widget_size_allocate(notebook, &area);
    int right = 0;
    for (size_t i = 0; i < pages.GetPageCount(); ++i) {
      GtkWidget* tab =
          gtk_notebook_get_tab_label(GTK_NOTEBOOK(notebook), static_cast<GtkWidget*>(pages.GetPage(i)->GetHandle()));
      ASSERT_TRUE(tab);
      GtkAllocation at;
      gtk_widget_get_allocation(tab, &at);
      EXPECT_TRUE(gtk_widget_get_child_visible(tab)) << i;
      EXPECT_GE(at.x, right) << i;  // no overlap with the tab before
      EXPECT_LE(at.x + at.width, area.width) << i;
      right = at.x + at.width;
    }
    PressButton(frame, wxID_CANCEL);
  });
  edit->Release();
}

TEST_F(ComponentTest, PropertiesCommandShowsThePagesPropPagesChoosesInItsOrder) {
  if (!kesta_test::HasGui()) GTEST_SKIP();
  IDispatch* edit = CreateEdit();
  ASSERT_TRUE(edit);
  {
    ActiveEdit active(edit);
    std::vector<std::string> titles;
    int frames = 0;
    ScopedPropertyFrameHook hook([&](wxDialog& frame, wxNotebook& pages) {
      ++frames;
      EXPECT_EQ(frame.GetParent(), active.Window());
      for (size_t i = 0; i < pages.GetPageCount(); ++i) titles.push_back(WxToCP932(pages.GetPageText(i)).GetString());
    });
    ASSERT_EQ(Put(edit, kPropPages, Long(0x201)), S_OK);
    ASSERT_EQ(Call(edit, kExecCommand, {Long(kPropertiesCommand)}), S_OK);
    EXPECT_EQ(titles, (std::vector<std::string>{"基本", "コメント"}));

    ASSERT_EQ(Put(edit, kPropPages, Long(0)), S_OK);
    ASSERT_EQ(Call(edit, kExecCommand, {Long(kPropertiesCommand)}), S_OK);
    EXPECT_EQ(frames, 1);
  }
  edit->Release();
}

TEST_F(ComponentTest, MarginPageAppliesMarginsBeforeTheTabAndOnlyItsScrollBarBits) {
  if (!kesta_test::HasGui()) GTEST_SKIP();
  IDispatch* edit = CreateEdit();
  ASSERT_TRUE(edit);
  ASSERT_EQ(Put(edit, 0x76, Short(1 | 2 | 16 | 32)), S_OK);  // ScrollBars
  const HRESULT hr = RunFrame({edit}, {kMarginPage}, [](wxDialog& frame, wxNotebook& pages) {
    wxWindow* page = pages.GetPage(0);
    // Filling the page does not make it dirty; Apply is offered after a change only.
    EXPECT_FALSE(frame.FindWindow(ID_PROPERTYFRAME_APPLY)->IsEnabled());
    EXPECT_FALSE(page->FindWindow(178)->IsEnabled());
    Click(page, 1026);
    EXPECT_TRUE(page->FindWindow(178)->IsEnabled());
    EXPECT_TRUE(frame.FindWindow(ID_PROPERTYFRAME_APPLY)->IsEnabled());
    Type(page, 178, "10");
    Type(page, 179, "12");
    PressButton(frame, wxID_OK);
  });
  ASSERT_EQ(hr, S_OK);
  EXPECT_EQ(LongOf(edit, 0x16), 1);   // WrapMode
  EXPECT_EQ(LongOf(edit, 0x17), 10);  // MarginNormal
  EXPECT_EQ(LongOf(edit, 0x19), 10);  // TabSpace, held to the new margin
  EXPECT_EQ(LongOf(edit, 0x76), 1 | 2);
  edit->Release();
}

TEST_F(ComponentTest, PagesApplyWhatTheirControlsShow) {
  if (!kesta_test::HasGui()) GTEST_SKIP();
  struct Case {
    const char* name;
    CLSID page;
    std::function<void(wxWindow*)> act;
    DISPID property;
    LONG expected;
  };
  const Case cases[] = {
      {"every page box of the design page", kDesignPage,
       [](wxWindow* page) {
         for (int id : {208, 209, 210, 217, 218, 229, 213, 214, 215, 216})
           if (!static_cast<wxCheckBox*>(page->FindWindow(id))->GetValue()) Click(page, id);
         // A fresh control shows them all ticked; one off and on again makes the page dirty.
         Click(page, 208);
         Click(page, 208);
       },
       kPropPages, 1023},
      {"design page box off", kDesignPage, [](wxWindow* page) { Click(page, 216); }, kPropPages, 1023 & ~0x100},
      {"comment colour", kCommentPage, [](wxWindow* page) { Choose(page, 668, 3); }, 0x8F, 2},
      {"file page save list", kFilePage, [](wxWindow* page) { Choose(page, 1036, 2); }, 0x62, 2},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.name);
    IDispatch* edit = CreateEdit();
    ASSERT_TRUE(edit);
    RunFrame({edit}, {test.page}, [&](wxDialog& frame, wxNotebook& pages) {
      test.act(pages.GetPage(0));
      PressButton(frame, wxID_OK);
    });
    EXPECT_EQ(LongOf(edit, test.property), test.expected);
    edit->Release();
  }
}

TEST_F(ComponentTest, ApplyWritesEveryControlTheFrameWasOpenedFor) {
  if (!kesta_test::HasGui()) GTEST_SKIP();
  IDispatch* first = CreateEdit();
  IDispatch* second = CreateEdit();
  ASSERT_TRUE(first && second);
  ASSERT_EQ(Put(second, 0x90, Text(u"/*")), S_OK);
  RunFrame({first, second}, {kCommentPage}, [](wxDialog& frame, wxNotebook& pages) {
    wxWindow* page = pages.GetPage(0);
    // The page shows the first control's values.
    EXPECT_EQ(WxToCP932(static_cast<wxTextCtrl*>(page->FindWindow(666))->GetValue()), "");
    Type(page, 666, "<!--");
    PressButton(frame, ID_PROPERTYFRAME_APPLY);
    EXPECT_FALSE(frame.FindWindow(ID_PROPERTYFRAME_APPLY)->IsEnabled());
  });
  EXPECT_EQ(TextOf(first, 0x90), "<!--");
  EXPECT_EQ(TextOf(second, 0x90), "<!--");
  first->Release();
  second->Release();
}

TEST_F(ComponentTest, FilePageWithoutAnEscapeCharacterStoresByteZero) {
  if (!kesta_test::HasGui()) GTEST_SKIP();
  IDispatch* edit = CreateEdit();
  ASSERT_TRUE(edit);
  RunFrame({edit}, {kFilePage}, [](wxDialog& frame, wxNotebook& pages) {
    Type(pages.GetPage(0), 1042, "");
    PressButton(frame, wxID_OK);
  });
  EXPECT_EQ(TextOf(edit, 0x66), "");
  edit->Release();
}

TEST_F(ComponentTest, PageOkSavesWhatTheSamePutSaves) {
  if (!kesta_test::HasGui()) GTEST_SKIP();
  IDispatch* byPage = CreateEdit();
  IDispatch* byPut = CreateEdit();
  ASSERT_TRUE(byPage && byPut);
  RunFrame({byPage}, {kMarginPage}, [](wxDialog& frame, wxNotebook& pages) {
    wxWindow* page = pages.GetPage(0);
    Click(page, 1026);
    Type(page, 178, "72");
    Click(page, 1034);
    PressButton(frame, wxID_OK);
  });
  const std::vector<BYTE> saved = SavedValue(byPage, "XCust");
  ASSERT_EQ(Put(byPut, 0x16, Short(1)), S_OK);
  ASSERT_EQ(Put(byPut, 0x17, Long(72)), S_OK);
  ASSERT_EQ(Put(byPut, 0x05, Bool(true)), S_OK);
  EXPECT_FALSE(saved.empty());
  EXPECT_EQ(SavedValue(byPut, "XCust"), saved);
  byPage->Release();
  byPut->Release();
}

namespace {

// An object that answers as IEdit but refuses every put, leaving a description as a control would.
class RefusingEdit : public DispatchObject<IDispatch> {
 public:
  HRESULT QueryInterface(REFIID iid, void** object) override {
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, WrilaId(0xE7EC5703)))
      return Answer(iid, iid, static_cast<IDispatch*>(this), object);
    *object = nullptr;
    return E_NOINTERFACE;
  }

 protected:
  std::span<const DispatchName> Names() const override { return {}; }
  HRESULT InvokeMember(DISPID, WORD flags, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
    if (!(flags & DISPATCH_PROPERTYPUT)) return DISP_E_MEMBERNOTFOUND;
    ICreateErrorInfo* info = nullptr;
    CreateErrorInfo(&info);
    info->SetDescription(const_cast<LPOLESTR>(u"Invalid property value"));
    IErrorInfo* error = nullptr;
    info->QueryInterface(IID_IErrorInfo, reinterpret_cast<void**>(&error));
    SetErrorInfo(0, error);
    error->Release();
    info->Release();
    return static_cast<HRESULT>(0x800A017C);
  }
};

}  // namespace

TEST_F(ComponentTest, ApplyStopsAtTheFirstControlThatRefusesAndSaysWhy) {
  if (!kesta_test::HasGui()) GTEST_SKIP();
  IDispatch* first = CreateEdit();
  IDispatch* last = CreateEdit();
  ASSERT_TRUE(first && last);
  auto* refusing = new RefusingEdit;
  ScopedMessageBoxHook boxes(IDOK);
  RunFrame({first, refusing, last}, {kCommentPage}, [](wxDialog& frame, wxNotebook& pages) {
    Type(pages.GetPage(0), 666, "/*");
    PressButton(frame, wxID_OK);
    // The frame stays open with Apply still offered.
    EXPECT_TRUE(frame.FindWindow(ID_PROPERTYFRAME_APPLY)->IsEnabled());
  });
  ASSERT_EQ(boxes.Calls().size(), 1u);
  EXPECT_EQ(boxes.Calls()[0].caption, "Error");
  EXPECT_EQ(boxes.Calls()[0].text, "Invalid property value");
  EXPECT_EQ(TextOf(first, 0x90), "/*");
  EXPECT_EQ(TextOf(last, 0x90), "");
  refusing->Release();
  first->Release();
  last->Release();
}
