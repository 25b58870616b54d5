#include <gtest/gtest.h>
#include <wx/msgdlg.h>

#include "platform/desktop/MessageBox.h"

TEST(MessageBox, HookAnswersAndRecordsEveryBox) {
  ScopedMessageBoxHook outer;  // default buttons
  {
    ScopedMessageBoxHook inner([](const MessageBoxCall& call) { return call.text == "保存しますか？" ? IDNO : IDOK; });
    EXPECT_EQ(MessageBox(nullptr, "保存しますか？", "kesta32", MB_YESNOCANCEL | MB_ICONQUESTION), IDNO);
    EXPECT_EQ(AfxMessageBox("見つかりません"), IDOK);
    ASSERT_EQ(inner.Calls().size(), 2u);
    EXPECT_EQ(inner.Calls()[0].caption, "kesta32");
    EXPECT_EQ(inner.Calls()[0].flags, MB_YESNOCANCEL | MB_ICONQUESTION);
    EXPECT_EQ(inner.Calls()[1].text, "見つかりません");
    EXPECT_EQ(inner.Calls()[1].flags, MB_OK);
  }
  EXPECT_EQ(MessageBox(nullptr, "x", nullptr, MB_OKCANCEL | MB_DEFBUTTON2), IDCANCEL);
  ASSERT_EQ(outer.Calls().size(), 1u);
  EXPECT_EQ(outer.Calls()[0].caption, "エラー");
  ScopedMessageBoxHook fixed(IDYES);
  EXPECT_EQ(MessageBox(nullptr, "y", "c", MB_YESNO), IDYES);
}

TEST(MessageBox, DefaultButtonsAndWxMapping) {
  struct Case {
    UINT flags;
    int defaultResult;
    long style;
  };
  const Case cases[] = {
      {MB_OK, IDOK, wxOK | wxICON_NONE},
      {MB_OK | MB_ICONHAND, IDOK, wxOK | wxICON_ERROR},
      {MB_OKCANCEL | MB_ICONQUESTION, IDOK, wxOK | wxCANCEL | wxOK_DEFAULT | wxICON_QUESTION},
      {MB_OKCANCEL | MB_DEFBUTTON2, IDCANCEL, wxOK | wxCANCEL | wxCANCEL_DEFAULT | wxICON_NONE},
      {MB_YESNO | MB_ICONEXCLAMATION, IDYES, wxYES_NO | wxYES_DEFAULT | wxICON_WARNING},
      {MB_YESNO | MB_DEFBUTTON2, IDNO, wxYES_NO | wxNO_DEFAULT | wxICON_NONE},
      {MB_YESNOCANCEL | MB_ICONINFORMATION, IDYES, wxYES_NO | wxCANCEL | wxYES_DEFAULT | wxICON_INFORMATION},
      {MB_YESNOCANCEL | MB_DEFBUTTON3, IDCANCEL, wxYES_NO | wxCANCEL | wxCANCEL_DEFAULT | wxICON_NONE},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DefaultMessageBoxResult(c.flags), c.defaultResult) << std::hex << c.flags;
    EXPECT_EQ(MessageBoxWxStyle(c.flags), c.style | wxCENTRE) << std::hex << c.flags;
  }
  EXPECT_EQ(MessageBoxResultFromWx(wxID_YES, MB_YESNO), IDYES);
  EXPECT_EQ(MessageBoxResultFromWx(wxID_NO, MB_YESNOCANCEL), IDNO);
  EXPECT_EQ(MessageBoxResultFromWx(wxID_OK, MB_OKCANCEL), IDOK);
  EXPECT_EQ(MessageBoxResultFromWx(wxID_CANCEL, MB_OKCANCEL), IDCANCEL);
  EXPECT_EQ(MessageBoxResultFromWx(wxID_CANCEL, MB_YESNO), IDNO);  // closed without an answer
  EXPECT_EQ(MessageBoxResultFromWx(wxID_CANCEL, MB_OK), IDOK);
}
