// The bookmarked-file dialog editing the list in place, and opening an entry.
#include <gtest/gtest.h>

#include <deque>

#include <wx/listbox.h>

#include "model/BookmarkFileList.h"
#include "model/dialogs/CBookfileDlg.h"
#include "platform/framework/CWinApp.h"
#include "platform/base/CodePage.h"
#include "tests/common/TestSupport.h"
#include "tests/model/ModelTestSupport.h"

using kesta_test::HasGui;
using model_test::DialogDriver;
using model_test::MessageRecorder;
using model_test::PressButton;

namespace {

// The dialog with the file dialog replaced by scripted answers (an empty answer cancels).
class ScriptedBookfileDlg : public CBookfileDlg {
 public:
  ScriptedBookfileDlg(BookmarkFileList* list, std::deque<std::string> answers)
      : CBookfileDlg(nullptr, list), m_answers(std::move(answers)) {}
  std::vector<std::string> proposals;

 protected:
  BOOL AskFileName(CString& path, const char* caption) override {
    proposals.push_back(std::string(caption) + ":" + path.str());
    const std::string answer = m_answers.front();
    m_answers.pop_front();
    if (answer.empty()) return FALSE;
    path = answer.c_str();
    return TRUE;
  }

 private:
  std::deque<std::string> m_answers;
};

wxListBox* Box(wxDialog* d) { return static_cast<wxListBox*>(d->FindWindow(CBookfileDlg::IDC_LIST)); }

DialogDriver::Action Select(int row) {
  return [row](wxDialog* d) { Box(d)->SetSelection(row); };
}

std::vector<std::string> Entries(const BookmarkFileList& list) {
  std::vector<std::string> paths;
  for (int i = 0; i < list.GetSize(); ++i) paths.emplace_back(list.GetAt(i).str());
  return paths;
}

// Runs the steps one after another in the dialog's modal loop, then closes it; gives the rows
// and the selection as they were before the close.
struct Outcome {
  std::vector<std::string> rows;
  int selection = -2;
};
Outcome RunDialog(CBookfileDlg& dlg, std::vector<DialogDriver::Action> steps) {
  Outcome outcome;
  DialogDriver driver({[&](wxDialog* d) {
    for (const auto& step : steps) step(d);
    for (unsigned i = 0; i < Box(d)->GetCount(); ++i) outcome.rows.push_back(WxToCP932(Box(d)->GetString(i)).str());
    outcome.selection = Box(d)->GetSelection();
    PressButton(IDOK)(d);
  }});
  dlg.DoModal();
  return outcome;
}

}  // namespace

TEST(CBookfileDlg, RowsShowNameAndPathAndReorderingKeepsTheEntrySelected) {
  if (!HasGui()) GTEST_SKIP() << "needs a display";
  BookmarkFileList list;
  list.Add("/d/a.kvn");
  list.Add("");
  list.Add("/d/c.kvn");
  ScriptedBookfileDlg dlg(&list, {});
  Outcome start = RunDialog(dlg, {});
  EXPECT_EQ(start.rows, (std::vector<std::string>{"a.kvn（/d/a.kvn）", "（）", "c.kvn（/d/c.kvn）"}));
  EXPECT_EQ(start.selection, 0);

  // The first entry cannot go up nor the last one down.
  Outcome edges = RunDialog(dlg, {PressButton(CBookfileDlg::IDC_UP), Select(2), PressButton(CBookfileDlg::IDC_DOWN)});
  EXPECT_EQ(Entries(list), (std::vector<std::string>{"/d/a.kvn", "", "/d/c.kvn"}));
  EXPECT_EQ(edges.selection, 2);

  Outcome moved = RunDialog(dlg, {PressButton(CBookfileDlg::IDC_DOWN), PressButton(CBookfileDlg::IDC_DOWN),
                            Select(2), PressButton(CBookfileDlg::IDC_UP)});
  EXPECT_EQ(Entries(list), (std::vector<std::string>{"", "/d/a.kvn", "/d/c.kvn"}));
  EXPECT_EQ(moved.selection, 1);
}

TEST(CBookfileDlg, AddChangeAndDelete) {
  if (!HasGui()) GTEST_SKIP() << "needs a display";
  BookmarkFileList list;
  list.Add("/d/a.kvn");
  list.Add("/d/b.kvn");
  ScriptedBookfileDlg dlg(&list, {"/e/new.kvn", "/d/a.kvn", "", "/d/B2.kvn"});
  MessageRecorder refused(IDCANCEL);
  Outcome added = RunDialog(dlg, {PressButton(CBookfileDlg::IDC_ADD), PressButton(CBookfileDlg::IDC_ADD),
                            PressButton(CBookfileDlg::IDC_ADD), Select(1), PressButton(CBookfileDlg::IDC_CHANGE),
                            PressButton(CBookfileDlg::IDC_DELETE)});
  // The same path twice is allowed here; a cancelled file dialog adds nothing.
  EXPECT_EQ(Entries(list), (std::vector<std::string>{"/d/a.kvn", "/d/B2.kvn", "/e/new.kvn", "/d/a.kvn"}));
  EXPECT_EQ(dlg.proposals, (std::vector<std::string>{"ﾌｧｲﾙ名の入力:*.KVN", "ﾌｧｲﾙ名の入力:*.KVN", "ﾌｧｲﾙ名の入力:*.KVN",
                                                     "ﾌｧｲﾙ名の変更:/d/b.kvn"}));
  EXPECT_EQ(added.selection, 1);
  EXPECT_EQ(refused.texts, std::vector<std::string>{"B2.kvnを削除します。よろしいですか？"});

  MessageRecorder accepted(IDOK);
  Outcome deleted = RunDialog(dlg, {Select(3), PressButton(CBookfileDlg::IDC_DELETE), PressButton(CBookfileDlg::IDC_DELETE),
                              Select(0), PressButton(CBookfileDlg::IDC_DELETE)});
  // Deleting the last row leaves no selection, so the next delete asks nothing.
  EXPECT_EQ(accepted.texts.size(), 2u);
  EXPECT_EQ(Entries(list), (std::vector<std::string>{"/d/B2.kvn", "/e/new.kvn"}));
  EXPECT_EQ(deleted.rows.size(), 2u);
  EXPECT_EQ(deleted.selection, 0);
}

TEST(BookmarkFileList, OpenHandsTheEntryToTheApplication) {
  struct RecordingApp : CWinApp {
    RecordingApp() : CWinApp("test") {}
    CDocument* OpenDocumentFile(const char* path) override {
      opened.emplace_back(path);
      return nullptr;
    }
    std::vector<std::string> opened;
  } app;
  BookmarkFileList list;
  list.Add("/d/a.kvn");
  list.Add("/d/b.kvn");
  list.Open(1);
  list.Open(2);
  list.Open(-1);
  EXPECT_EQ(app.opened, std::vector<std::string>{"/d/b.kvn"});
}
