#include <gtest/gtest.h>
#include <wx/frame.h>

#include <string>
#include <vector>

#include "platform/framework/CWinApp.h"
#include "platform/base/CodePage.h"
#include "resources/CommandIds.h"
#include "tests/shell/textarea/TextAreaFixture.h"
#include "textarea/CTextViewDlg.h"
#include "textarea/CWrilaCtrl.h"

namespace {

class TextViewerTest : public textarea_test::TextAreaTest {
 protected:
  static std::vector<CTextViewDlg*> Viewers() {
    std::vector<CTextViewDlg*> viewers;
    for (wxWindow* window : wxTopLevelWindows)
      if (auto* viewer = dynamic_cast<CTextViewDlg*>(window); viewer && !viewer->IsBeingDeleted())
        viewers.push_back(viewer);
    return viewers;
  }
};

// A view that only records the links it is asked to open.
class LinkRecordingView : public CWrilaView {
 public:
  void OpenLink(const char* url) override { links.emplace_back(url); }
  std::vector<std::string> links;
};

TEST_F(TextViewerTest, ShowsALongTextWholeAndReadOnlyUnderTheItemsTitle) {
  std::string text;
  while (text.size() < 40 * 1024) text += "四十キロバイトの本文 line " + std::to_string(text.size()) + "\r\n";
  CIEditView* pane = OpenPane(text, "長い本文");
  ASSERT_TRUE(pane);
  SendTo(pane, ID_VIEW_TEXT_WINDOW);

  const std::vector<CTextViewDlg*> viewers = Viewers();
  ASSERT_EQ(viewers.size(), 1u);
  CWrilaCtrl& edit = viewers[0]->GetEditCtrl();
  ASSERT_TRUE(edit.HasControl());
  EXPECT_EQ(edit.GetText().str(), pane->GetEditCtrl().GetText().str());
  EXPECT_GE(edit.GetText().GetLength(), 40 * 1024);
  EXPECT_TRUE(edit.GetReadOnly());
  EXPECT_FALSE(edit.m_bKeyTranslate);
  EXPECT_EQ(WxToCP932(viewers[0]->GetTitle()).str(), "長い本文 - ケスタボン");
  // Typing changes nothing.
  edit.ExecCommand(0xE12A);  // select all
  wxKeyEvent key(wxEVT_CHAR);
  key.m_keyCode = 'x';
  key.m_uniChar = 'x';
  edit.GetControlWindow()->GetEventHandler()->ProcessEvent(key);
  EXPECT_EQ(edit.GetText().str(), pane->GetEditCtrl().GetText().str());
  viewers[0]->Close(true);
}

TEST_F(TextViewerTest, LinksOpenThroughTheOwnerAndTheLastClosedSizeStays) {
  wxFrame host(nullptr, wxID_ANY, "host");
  auto* owner = new LinkRecordingView;
  ASSERT_TRUE(owner->Create(&host, wxID_ANY));
  CTextViewDlg* sizes[2] = {};
  for (int i = 0; i < 2; ++i) {
    sizes[i] = new CTextViewDlg;
    sizes[i]->m_strText = "see http://example.com/";
    sizes[i]->m_pOwner = owner;
    ASSERT_TRUE(sizes[i]->Create());
  }
  sizes[0]->OnLinkURL("http://example.com/");
  EXPECT_EQ(owner->links, std::vector<std::string>{"http://example.com/"});

  sizes[0]->SetSize(wxSize(500, 400));
  sizes[1]->SetSize(wxSize(420, 300));
  sizes[0]->Close(true);
  sizes[1]->Close(true);
  EXPECT_EQ(AfxGetProfileInt("System", "TextViewCx", 0), 420);
  EXPECT_EQ(AfxGetProfileInt("System", "TextViewCy", 0), 300);

  // A viewer whose owner has gone drops the link.
  auto* orphan = new CTextViewDlg;
  orphan->m_pOwner = owner;
  ASSERT_TRUE(orphan->Create());
  delete owner;
  orphan->OnLinkURL("http://example.com/");
  orphan->Close(true);
}

}  // namespace
