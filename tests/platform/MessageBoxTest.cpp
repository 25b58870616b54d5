#include <gtest/gtest.h>
#include <wx/msgdlg.h>

#include <string>

#include "platform/base/CodePage.h"
#include "platform/desktop/MessageBox.h"
#include "platform/desktop/UnkeptCharacters.h"

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

// The characters that could not be kept are named, each with its code point, in one box whose text
// code page 932 could not hold; an empty list asks nothing.
TEST(MessageBox, UnkeptCharactersAreNamedInOneBox) {
  ScopedMessageBoxHook boxes;
  TellUnkeptCharacters(nullptr, "", "kesta32");
  EXPECT_TRUE(boxes.Calls().empty());
  TellUnkeptCharacters(nullptr, "\xF0\xA0\xAE\xB7\xF0\x9F\x98\x80", "kesta32");
  ASSERT_EQ(boxes.Calls().size(), 1u);
  const MessageBoxCall& call = boxes.Calls()[0];
  EXPECT_EQ(call.caption, "kesta32");
  EXPECT_EQ(call.flags, MB_OK | MB_ICONEXCLAMATION);
  EXPECT_NE(call.textUTF8.find("\xF0\xA0\xAE\xB7 (U+20BB7)" + CP932ToUTF8("、") + "\xF0\x9F\x98\x80 (U+1F600)"),
            std::string::npos)
      << call.textUTF8;
  EXPECT_EQ(call.text.Find("次の文字はシフトJISで表せないため"), 0);

  // A long list names the first twenty and counts the rest.
  std::string many;
  for (int i = 0; i < 25; ++i) many += "\xF0\x9F\x98" + std::string(1, static_cast<char>(0x80 + i));
  TellUnkeptCharacters(nullptr, many, nullptr);
  ASSERT_EQ(boxes.Calls().size(), 2u);
  EXPECT_NE(boxes.Calls()[1].textUTF8.find("(U+1F613)"), std::string::npos);
  EXPECT_EQ(boxes.Calls()[1].textUTF8.find("(U+1F614)"), std::string::npos);
  EXPECT_NE(boxes.Calls()[1].text.Find("ほか 5 文字"), -1);
}
