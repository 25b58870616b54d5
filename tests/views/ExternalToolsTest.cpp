// The outside programs: placeholders, the text-area file, and the list dialog's editing.
#include <gtest/gtest.h>
#include <wx/listbox.h>

#include <string>
#include <vector>

#include "app/CKestavonDoc.h"
#include "platform/desktop/Shell.h"
#include "platform/framework/CWinApp.h"
#include "tests/common/TestSupport.h"
#include "tests/model/ModelTestSupport.h"
#include "views/CShellDlg.h"
#include "views/ExternalTools.h"

using kesta_test::HasGui;
using kesta_test::MakeTempDir;
using kesta_test::ReadBytes;
using model_test::DialogDriver;
using model_test::MessageRecorder;
using model_test::P;
using model_test::PressButton;

// Each placeholder is replaced once inside the argument it stands in, and that argument stays one
// argument whatever the title or path holds.
TEST(ExternalTools, PlaceholdersAreReplacedOnceEachInsideTheirArgument) {
  struct Case {
    const char* params;
    const char* title;
    std::vector<std::string> args;
  } cases[] = {
      {"%p %p", "t", {"/a b/c.kvn", "/a b/c.kvn"}},
      {"-t %t", "x%p", {"-t", "x%p"}},  // a title holding a placeholder stays as it is
      {"%f|%e|%%|%x|表%t", "題", {"l k|/tmp/e|%%|%x|表題"}},
      {"\"%f\" --title=%t", "a \"b\" c", {"l k", "--title=a \"b\" c"}},
      {"%t", "x\" -c \"!touch y", {"x\" -c \"!touch y"}},
      {"+%t", "!touch y", {"+!touch y"}},
      {"%t", "", {""}},
  };
  for (const Case& c : cases) {
    const CString line = ExpandToolParameters(c.params, c.title, "l k", "/a b/c.kvn", "/tmp/e");
    std::vector<std::string> args;
    for (const CString& arg : SplitCommandLine(line)) args.push_back(arg.str());
    EXPECT_EQ(args, c.args) << c.params << " / " << c.title;
  }
  EXPECT_EQ(std::string(ExpandToolParameters("-n %p", "t", "", "/a b/c.kvn", "")), "-n \"/a b/c.kvn\"");
}

TEST(ExternalTools, WithoutAnOutlineNothingIsReplacedAndWithOneTheTextGoesOut) {
  CShellItem item;
  item.m_strParam = "%t %e";
  ShellItemLaunch launch;
  ASSERT_TRUE(PrepareShellItem(item, nullptr, launch));  // a grep window is active
  EXPECT_EQ(std::string(launch.m_strParam), "%t %e");
  EXPECT_TRUE(launch.m_strTextFile.IsEmpty());

  CKestavonDoc doc;
  ATREE& tree = doc.GetTree();
  auto data = std::make_unique<CDirData>(P("題"));
  data->m_strText = "本文\r\n";
  tree.AddDirData(std::move(data));
  tree.MakeTreeData();
  doc.SetCurrentTree(0);
  ASSERT_TRUE(PrepareShellItem(item, &doc, launch));
  EXPECT_TRUE(launch.m_bTemporary);
  EXPECT_EQ(std::string(launch.m_strParam), std::string("題 ") + std::string(launch.m_strTextFile));
  EXPECT_NE(std::string(launch.m_strTextFile).find("/kvn"), std::string::npos);
  EXPECT_EQ(ReadBytes(std::string(launch.m_strTextFile)), "本文\r\n");
  std::remove(launch.m_strTextFile);

  // A named file is written even when the parameters do not name it.
  item.m_strParam = "plain";
  item.m_strEdit = (MakeTempDir("tools") + "/out.txt").c_str();
  ASSERT_TRUE(PrepareShellItem(item, &doc, launch));
  EXPECT_FALSE(launch.m_bTemporary);
  EXPECT_EQ(ReadBytes(std::string(item.m_strEdit)), "本文\r\n");
}

namespace {

class ScriptedShellDlg : public CShellDlg {
 public:
  using CShellDlg::CShellDlg;
  std::vector<CShellItem> edits;

 protected:
  BOOL EditItem(CShellItem& item) override {
    if (edits.empty()) return FALSE;
    item = edits.front();
    edits.erase(edits.begin());
    return TRUE;
  }
};

CShellItem Named(const char* title) {
  CShellItem item;
  item.m_strTitle = title;
  return item;
}

}  // namespace

TEST(CShellDlg, AddsMovesDeletesAndEndsWithTheEntryToRun) {
  if (!HasGui()) GTEST_SKIP() << "needs a display";
  CShellItemArray items;
  items.push_back(Named("一"));
  ScriptedShellDlg dialog(nullptr, items);
  dialog.edits = {Named("二"), Named("三")};
  auto list = [&] { return static_cast<wxListBox*>(dialog.FindWindow(CShellDlg::IDC_LIST)); };
  MessageRecorder messages(IDOK);
  DialogDriver driver({[&](wxDialog* d) {
    PressButton(CShellDlg::IDC_ADD)(d);
    PressButton(CShellDlg::IDC_ADD)(d);
    EXPECT_EQ(list()->GetSelection(), 2);
    PressButton(CShellDlg::IDC_UP)(d);  // 一 三 二
    EXPECT_EQ(list()->GetSelection(), 1);
    list()->SetSelection(0);
    PressButton(CShellDlg::IDC_DELETE)(d);  // 三 二
    PressButton(CShellDlg::IDC_RUN)(d);
  }});
  ASSERT_EQ(dialog.ShowModal(), IDOK);
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(std::string(items[0].m_strTitle), "三");
  EXPECT_EQ(std::string(items[1].m_strTitle), "二");
  EXPECT_EQ(dialog.m_nRun, 0);
  EXPECT_EQ(messages.texts, std::vector<std::string>{"一を削除します。よろしいですか？"});
}
