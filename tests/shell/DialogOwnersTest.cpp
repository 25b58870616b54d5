// A dialog opens above the window whose work asks for it: what a file search asks while it runs
// belongs to its progress window, which belongs to the main frame, so nothing opens beneath
// another window with the keyboard in it.
#include <gtest/gtest.h>

#include <wx/combobox.h>
#include <wx/dialog.h>
#include <wx/eventfilter.h>
#include <wx/textctrl.h>

#include <string>
#include <vector>

#include "app/CFindInDlg.h"
#include "model/ATREE.h"
#include "model/KvnCrypt.h"
#include "model/dialogs/CPasswordDlg.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/MessageBox.h"
#include "resources/CommandIds.h"
#include "tests/common/TestSupport.h"
#include "tests/model/ModelTestSupport.h"
#include "tests/shell/AppFixture.h"
#include "views/CGrepDlg.h"

namespace {

using app_test::AppTest;

// Answers the file search dialog with a word and a folder, and types a wrong password into each
// password prompt after noting which window owns it.
class GrepAnswers : public wxEventFilter {
 public:
  explicit GrepAnswers(const std::string& folder) : m_folder(folder) { wxEvtHandler::AddFilter(this); }
  ~GrepAnswers() override { wxEvtHandler::RemoveFilter(this); }

  int FilterEvent(wxEvent& event) override {
    auto* dialog =
        event.GetEventType() == wxEVT_INIT_DIALOG ? wxDynamicCast(event.GetEventObject(), wxDialog) : nullptr;
    if (dynamic_cast<CGrepDlg*>(dialog)) {
      dialog->CallAfter([this, dialog] {
        static_cast<wxComboBox*>(dialog->FindWindow(CGrepDlg::IDC_WORD))->SetValue("word");
        static_cast<wxComboBox*>(dialog->FindWindow(CGrepDlg::IDC_FOLDER))->SetValue(CP932ToWx(m_folder));
        Press(dialog, IDOK);
      });
    } else if (dynamic_cast<CPasswordDlg*>(dialog)) {
      wxWindow* owner = dialog->GetParent();
      prompts.push_back({owner, dynamic_cast<CFindInDlg*>(owner) != nullptr, owner ? owner->GetParent() : nullptr});
      dialog->CallAfter([dialog] {
        static_cast<wxTextCtrl*>(dialog->FindWindow(CPasswordDlg::IDC_PASSWORD))->ChangeValue("wrong");
        Press(dialog, IDOK);
      });
    }
    return Event_Skip;
  }

  struct Prompt {
    wxWindow* owner;
    bool ownedByProgress;
    wxWindow* ownersOwner;
  };
  std::vector<Prompt> prompts;

 private:
  static void Press(wxDialog* dialog, int id) {
    wxCommandEvent click(wxEVT_BUTTON, id);
    click.SetEventObject(dialog->FindWindow(id));
    dialog->FindWindow(id)->GetEventHandler()->ProcessEvent(click);
  }

  std::string m_folder;
};

TEST_F(AppTest, APasswordAskedDuringAFileSearchOpensAboveTheSearchsProgressWindow) {
  ASSERT_TRUE(Start());
  const std::string folder = kesta_test::MakeTempDir("grep-owner");
  auto model = model_test::MakeModel({{"根", "word"}});
  model->GetProperties().m_strReadPassword = PasswordHash("right");
  ASSERT_EQ(model->SaveFile((folder + "/locked.kvn").c_str()), 1);
  ASSERT_TRUE(KvnCrypt::IsEncryptedFile((folder + "/locked.kvn").c_str()));

  wxWindow* mainFrame = Frame()->GetFrameWindow();
  std::vector<MessageBoxCall> boxes;
  ScopedMessageBoxHook hook([&boxes](const MessageBoxCall& call) {
    boxes.push_back(call);
    return IDOK;
  });
  GrepAnswers answers(folder);
  Frame()->SendCommand(ID_EDIT_GREP);

  ASSERT_EQ(answers.prompts.size(), 1u);
  const GrepAnswers::Prompt& prompt = answers.prompts[0];
  EXPECT_TRUE(prompt.ownedByProgress) << "owned by " << prompt.owner << ", the main frame is " << mainFrame;
  EXPECT_EQ(prompt.ownersOwner, mainFrame);
  // The refusal of the wrong password belongs to the progress window too; the search then finds
  // nothing.
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].text.str(), "パスワードが違います。大文字小文字半角全角に注意して入力してください。");
  EXPECT_EQ(boxes[0].parent, prompt.owner);
  EXPECT_EQ(boxes[1].text.str(), "見つかりません");
}

}  // namespace
