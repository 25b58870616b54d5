#include "shell/TreeInsertCommands.h"

#include <algorithm>

#include "app/CKestavonDoc.h"
#include "shell/CKestaFrame.h"
#include "shell/FrameTreePane.h"
#include "foundation/CFileDialogEx.h"
#include "foundation/PathHelpers.h"
#include "foundation/SettingAccess.h"
#include "foundation/SettingsTable.h"
#include "model/ATREE.h"
#include "model/CDirData.h"
#include "foundation/CTextFile.h"
#include "platform/desktop/CWaitCursor.h"
#include "platform/framework/CWinApp.h"
#include "platform/desktop/MessageBox.h"
#include "resources/CommandIds.h"
#include "treeview/CTrView.h"

namespace {

constexpr char kChoosePlace[] = "挿入場所を選択してください";

// Bytes 0x01-0x08 separate levels and record fields: an inserted text never carries them.
void StripControlBytes(CString& text) {
  std::string bytes = text.str();
  std::erase_if(bytes, [](char c) { return c >= '\x01' && c <= '\x08'; });
  text = bytes.c_str();
}

CString FileNameOf(const CString& path) { return path.Mid(path.ReverseFind('/') + 1); }

bool ReadWholeFile(const CString& path, CString& text) {
  try {
    CTextFile file(path, "rb");
    text = file.ReadAll();
    return true;
  } catch (...) {
    return false;
  }
}

// The dialog of the insert and save commands, its place remembered in folder.
bool AskPaths(CKestaFrame& frame, BOOL open, const char* defExt, const char* name, DWORD flags, const char* filter,
              const char* title, const TextSetting& folder, std::vector<CString>& paths, int& filterIndex) {
  CFileDialogEx dialog(open, defExt, name, flags, filter, &frame);
  dialog.m_ofn.lpstrTitle = title;
  dialog.m_ofn.lpstrInitialDir = ReadSetting(folder);
  if (dialog.DoModal() != IDOK) return false;
  paths = dialog.GetPathNames();
  if (paths.empty()) paths.push_back(dialog.GetPathName());
  filterIndex = static_cast<int>(dialog.m_ofn.nFilterIndex);
  WriteSetting(folder, paths.front());
  return true;
}

// The document with its text pane's edit committed and a current tree; null, after saying so,
// without one.
CKestavonDoc* InsertPlace(CTrView& pane, int& current) {
  CKestavonDoc* doc = pane.GetDocument();
  if (!doc) return nullptr;
  doc->CommitTextArea();
  current = PaneCurrentTree(pane);
  if (current >= 0) return doc;
  AfxMessageBox(kChoosePlace, MB_OK);
  return nullptr;
}

void InsertOutline(CKestaFrame& frame, CTrView& pane, bool wz) {
  int current = -1;
  CKestavonDoc* doc = InsertPlace(pane, current);
  if (!doc) return;
  std::vector<CString> paths;
  int filterIndex = 1;
  const bool asked =
      wz ? AskPaths(frame, TRUE, "kvn", "*.txt;*.mem", 0x1004, "WZﾌｧｲﾙ |*.txt;*.mem|全てのﾌｧｲﾙ(*.*) |*.*||",
                    "ツリーに挿入", Settings::InitDir::InsertWZ, paths, filterIndex)
         : AskPaths(frame, TRUE, "kvn", "*.kvn", 0x1004,
                    "Kestavonﾌｧｲﾙ(*.kvn) |*.kvn|Textﾌｧｲﾙ(*.txt) |*.txt|WZﾌｧｲﾙ |*.txt;*.mem|全てのﾌｧｲﾙ(*.*) |*.*||",
                    "ツリーに挿入", Settings::InitDir::FileInsert, paths, filterIndex);
  if (!asked) return;
  CString records;
  if (!ReadInsertRecords(paths.front(), wz || filterIndex == 3 ? 1 : 0, wz, records)) return;
  CWaitCursor wait;
  doc->SaveUndo();
  pane.PasteRecords(current, records, FALSE);
  pane.RefillList(doc->GetTree().GetRows().GetRowIndex(current));
}

void InsertFiles(CKestaFrame& frame, CTrView& pane, bool links) {
  int current = -1;
  CKestavonDoc* doc = InsertPlace(pane, current);
  if (!doc) return;
  std::vector<CString> paths;
  int filterIndex = 1;
  const bool asked =
      links ? AskPaths(frame, TRUE, "*", "*.*", 0x1204, "全てのﾌｧｲﾙ(*.*) |*.*||", "リンクファイル一括挿入",
                       Settings::InitDir::LinkTreeInsert, paths, filterIndex)
            : AskPaths(frame, TRUE, "txt", "*.txt", 0x1204, "Textﾌｧｲﾙ(*.txt) |*.txt|全てのﾌｧｲﾙ(*.*) |*.*||",
                       "ツリーとして挿入", Settings::InitDir::TextTreeInsert, paths, filterIndex);
  if (!asked) return;
  CWaitCursor wait;
  doc->SaveUndo();
  ATREE& tree = doc->GetTree();
  InsertFileTrees(tree, current, paths, links);
  tree.MakeTreeData();
  doc->SetModifiedFlag(TRUE);
  pane.RefillList(tree.GetRows().GetRowIndex(current));
}

void SaveSelected(CKestaFrame& frame, CTrView& pane) {
  CKestavonDoc* doc = pane.GetDocument();
  const int current = PaneCurrentTree(pane);
  if (!doc || current < 0) return;
  doc->CommitTextArea();
  std::vector<CString> paths;
  int filterIndex = 1;
  if (!AskPaths(frame, FALSE, "kvn", "*.kvn", 0x80E, "Kestavonﾌｧｲﾙ(*.kvn) |*.kvn||", "選択したツリーのみ保存",
                Settings::InitDir::SaveSelect, paths, filterIndex))
    return;
  doc->GetTree().SaveTreesAs(current, paths.front());
}

void SplitToFile(CKestaFrame& frame, CTrView& pane) {
  CKestavonDoc* doc = pane.GetDocument();
  const int current = PaneCurrentTree(pane);
  if (!doc || current < 0) return;
  ATREE& tree = doc->GetTree();
  if (!tree.CheckWritePassword()) return;
  doc->CommitTextArea();
  std::vector<CString> paths;
  int filterIndex = 1;
  if (!AskPaths(frame, FALSE, "kvn", MakeValidFileName(tree.GetName(current)) + ".kvn", 0x80E,
                "Kestavonﾌｧｲﾙ(*.kvn) |*.kvn||", "選択したツリーを分割", Settings::InitDir::FileSplit, paths,
                filterIndex))
    return;
  doc->SaveUndo();
  if (!SplitTreeToFile(tree, current, paths.front())) return;
  doc->SetModifiedFlag(TRUE);
  const int select = std::min(current, tree.GetDirDataCount() - 1);
  doc->SetCurrentTree(select);
  pane.RefillList(tree.GetRows().GetRowIndex(select));
  pane.RebuildMarkList();
  pane.UpdateStatusBar();
}

}  // namespace

CString TitleOfFile(const char* path) {
  const CString name = FileNameOf(path);
  const int dot = name.ReverseFind('.');
  return dot >= 0 ? name.Left(dot) : name;
}

int InsertFileTrees(ATREE& tree, int current, const std::vector<CString>& paths, bool links) {
  const bool underTop = current == 0;
  int made = 0;
  // Each new tree goes to the same place, before the ones already made there under the top tree
  // when the list is walked backwards, or after the current tree's subtree otherwise.
  for (size_t n = 0; n < paths.size(); ++n) {
    const CString& path = paths[underTop ? paths.size() - 1 - n : n];
    CString title = TitleOfFile(path);
    ATREE::StripLevelSeparators(title);
    CString text;
    CString link;
    if (links) {
      const CString extension = path.Mid(path.ReverseFind('.') + 1);
      link = path.ReverseFind('.') >= 0 && extension.CompareNoCase("url") == 0 ? CTrView::ResolveShortcut(path) : path;
    } else if (!ReadWholeFile(path, text)) {
      continue;
    }
    StripControlBytes(text);
    if (underTop)
      tree.InsertTree(0, title, link, text, 0, 0, 1, nullptr, TRUE);
    else
      tree.InsertSibling(current, title, link, text, 0, 0, nullptr, FALSE);
    ++made;
  }
  return made;
}

bool ReadInsertRecords(const char* path, int mode, bool childrenOnly, CString& records) {
  ATREE file;
  // Lock flag 0: the file is only read, and no lock file may stay behind it.
  if (file.OpenFile(path, mode, 0) < 0 || file.GetDirDataCount() == 0) return false;
  records = childrenOnly ? file.GetChildRecords(0, TRUE) : file.GetSubtreeRecords(0, TRUE);
  return true;
}

bool SplitTreeToFile(ATREE& tree, int current, const char* path) {
  CString records = tree.GetChildRecords(current, TRUE);
  const CDirData* item = tree.GetDirData(current);
  ATREE part;
  auto top = std::make_unique<CDirData>();
  top->m_strPath = tree.GetName(current);
  top->m_strText = item->m_strText;
  top->m_strLink = item->m_strLink;
  top->m_nStatus = item->m_nStatus;
  top->m_nBookmark = item->m_nBookmark;
  top->m_nView = 1;
  part.AddDirData(std::move(top));
  if (!records.IsEmpty()) part.PasteTreeRecords(0, records, FALSE);
  part.MakeTreeData();
  // The children leave the document only once the file that keeps them is written.
  if (!part.WriteKvnFile(path)) return false;
  tree.SetLink(current, path);
  tree.DeleteChildren(current);
  tree.MakeTreeData();
  return true;
}

void BindTreeInsertCommands(CKestaFrame& frame) {
  auto bind = [&frame](int id, void (*run)(CKestaFrame&, CTrView&)) {
    frame.Bind(wxEVT_MENU, [&frame, run](wxCommandEvent&) {
      if (CTrView* pane = FrameTreePane(frame)) run(frame, *pane);
    }, id);
  };
  bind(ID_FILE_INSERT_FILE, [](CKestaFrame& f, CTrView& p) { InsertOutline(f, p, false); });
  bind(ID_FILE_INSERT_WZ, [](CKestaFrame& f, CTrView& p) { InsertOutline(f, p, true); });
  bind(ID_FILE_INSERT_TEXT_FILES, [](CKestaFrame& f, CTrView& p) { InsertFiles(f, p, false); });
  bind(ID_FILE_INSERT_LINK_FILES, [](CKestaFrame& f, CTrView& p) { InsertFiles(f, p, true); });
  bind(ID_FILE_SAVE_SELECTED, SaveSelected);
  bind(ID_FILE_SPLIT_TO_FILE, SplitToFile);
}
