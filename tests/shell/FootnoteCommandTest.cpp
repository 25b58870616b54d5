// The footnote settings as the outline window's frame runs them: the settings file takes them,
// the document is left as it was.
#include "shell/CKestaFrame.h"
#include "model/CTextOutputOptions.h"
#include "resources/CommandIds.h"
#include "tests/shell/AppFixture.h"
#include "tests/common/TestSupport.h"
#include "tests/treeview/ModalAnswers.h"
#include "treeview/CFootnoteDlg.h"

namespace app_test {
namespace {

TEST_F(AppTest, FootnoteSettingsAreStoredWithoutTouchingTheDocument) {
  Setting("Footnote", "StartStr", "[[");
  Setting("Footnote", "Position", "2");
  ASSERT_TRUE(Start({SampleCopy("trip.kvn")}));
  auto* frame = dynamic_cast<CKestaFrame*>(Frame()->MDIGetActive());
  ASSERT_NE(frame, nullptr);
  CKestavonDoc* doc = Documents().front();
  ASSERT_FALSE(doc->IsModified());

  // Cancel: not a key written.
  const std::string before = kesta_test::ReadBytes(m_conf);
  {
    ModalAnswers cancel([](wxDialog* dialog) {
      auto* footnote = dynamic_cast<CFootnoteDlg*>(dialog);
      EXPECT_TRUE(footnote);
      if (footnote) {
        EXPECT_EQ(footnote->m_nPosition, 2);
        EXPECT_EQ(footnote->m_strStartStr.str(), "[[");
        EXPECT_EQ(footnote->m_strEndStr.str(), ">>> ") << "an unset mark shows as the exports use it";
      }
      return static_cast<int>(wxID_CANCEL);
    });
    frame->SendCommand(ID_SETTINGS_FOOTNOTE);
    ASSERT_EQ(cancel.titles.size(), 1u);
  }
  EXPECT_EQ(kesta_test::ReadBytes(m_conf), before);

  ModalAnswers ok([](wxDialog* dialog) {
    auto* footnote = static_cast<CFootnoteDlg*>(dialog);
    footnote->m_nPosition = 1;
    footnote->m_strStartStr = "{{";
    footnote->m_strEndStr = "}}";
    footnote->m_strHonbun1 = "※";
    footnote->m_strHonbun2 = "";
    footnote->m_strKyaku1 = "注";
    footnote->m_strKyaku2 = "：";
    footnote->m_strTitle = "脚注";
    return static_cast<int>(wxID_OK);
  });
  frame->SendCommand(ID_SETTINGS_FOOTNOTE);
  CTextOutputOptions options;
  options.Load();
  EXPECT_EQ(options.m_nFootnotePosition, 1);
  EXPECT_EQ(options.m_strStartMark.str(), "{{");
  EXPECT_EQ(options.m_strEndMark.str(), "}}");
  EXPECT_EQ(options.m_strRefOpen.str(), "※");
  EXPECT_EQ(options.m_strRefClose.str(), "");
  EXPECT_EQ(options.m_strNumberOpen.str(), "注");
  EXPECT_EQ(options.m_strNumberClose.str(), "：");
  EXPECT_EQ(options.m_strFootnoteTitle.str(), "脚注");
  EXPECT_FALSE(doc->IsModified());
  EXPECT_FALSE(doc->CanUndo());
}

}  // namespace
}  // namespace app_test
