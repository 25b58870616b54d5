#include "shell/TreeExportCommands.h"

#include "app/CKestavonDoc.h"
#include "app/StartProgram.h"
#include "shell/CKestaFrame.h"
#include "shell/FrameTreePane.h"
#include "convert/CFileWzExportDlg.h"
#include "convert/CFormDlg.h"
#include "convert/CFormHtmlDlg.h"
#include "convert/CHtmlDlg.h"
#include "convert/CHtmlIFrameDlg.h"
#include "convert/CTextExporter.h"
#include "convert/CTextFolderDlg.h"
#include "convert/CTextOutOpenDlg.h"
#include "convert/CTextPageDlg.h"
#include "convert/CTreeHtmlExporter.h"
#include "convert/MarkdownExport.h"
#include "convert/RtfExportCommand.h"
#include "convert/TextPages.h"
#include "convert/WzOutline.h"
#include "convert/XmlExport.h"
#include "foundation/PathHelpers.h"
#include "foundation/SettingAccess.h"
#include "foundation/SettingsTable.h"
#include "model/ATREE.h"
#include "model/CTextOutputOptions.h"
#include "platform/framework/CWinApp.h"
#include "platform/desktop/MessageBox.h"
#include "platform/desktop/Shell.h"
#include "platform/desktop/CWaitCursor.h"
#include "resources/CommandIds.h"
#include "treeview/CPrintFontDlg.h"
#include "treeview/CTrView.h"
#include "treeview/TreePrintPage.h"

namespace {

// The document's path split: its folder (with the final separator) and its name without extension.
CString FolderOf(const CString& path) { return path.Left(path.ReverseFind('/') + 1); }
CString FileTitleOf(const CString& path) {
  CString name = path.Mid(path.ReverseFind('/') + 1);
  const int dot = name.ReverseFind('.');
  return dot >= 0 ? name.Left(dot) : name;
}

CString JoinFolder(const CString& folder, const CString& name) {
  if (folder.IsEmpty() || folder.Right(1) == "/") return folder + name;
  return folder + "/" + name;
}

// The trees to write: the current tree's subtree, or everything when not selected-only or nothing
// is selected.
void OutputRange(const ATREE& tree, int current, bool selectedOnly, int& first, int& end) {
  first = 0;
  end = tree.GetDirDataCount();
  if (selectedOnly && current >= 0 && current < end) {
    first = current;
    end = tree.GetNextSibling(current, TRUE);
  }
}

// Runs write over the outline with every item unfolded, then puts back the model as it was, so
// that the folding and the text-output options are exactly as before, and refills the list.
template <typename Write>
void WithEverythingUnfolded(CTrView& pane, ATREE& tree, Write write) {
  const ATREE kept(tree);
  tree.ExpandAll(0);
  write();
  tree = kept;
  tree.MakeTreeData();
  pane.RefillList(-1);
}

// The folder of a per-tree export, made on the user's word when it is missing.
bool EnsureOutputFolder(const CString& folder) {
  if (wxDirExists(wxString::FromUTF8(folder.str()))) return true;
  if (AfxMessageBox("出力先フォルダがありません。出力先フォルダを作成しますか？", MB_OKCANCEL | MB_ICONQUESTION) != IDOK)
    return false;
  if (CreateDirectoryTree(folder)) return true;
  AfxMessageBox("出力先フォルダが作成できません");
  return false;
}

void OpenWritten(CTrView& pane, const CString& path) { OpenLink(&pane, path); }

// The text or one-page HTML output of the range that Text/SelectOnly chooses to the chosen file,
// which is opened afterwards when the dialog asked for it.
void WriteTextOutput(CTrView& pane, CKestavonDoc& doc, const CTextOutputOptions& options,
                     const CTextOutOpenDlg& dialog) {
  CWaitCursor wait;
  ATREE& tree = doc.GetTree();
  int first = 0;
  int end = 0;
  OutputRange(tree, PaneCurrentTree(pane), ReadSetting(Settings::Text::SelectOnly) != 0, first, end);
  BOOL written = FALSE;
  WithEverythingUnfolded(pane, tree, [&] {
    CTextExporter exporter(tree, options);
    written = exporter.OutputTextFile(first, end, dialog.GetPathName());
  });
  if (written && dialog.m_bOpenAfter) OpenWritten(pane, dialog.GetPathName());
}

void TextOutput(CKestaFrame& frame, CTrView& pane, CKestavonDoc& doc) {
  doc.CommitTextArea();
  const bool html = ReadSetting(Settings::Text::Html) != 0;
  const CString name = DefaultOutputName(doc.GetPathName(), html ? ".html" : ".txt");
  CTextOutOpenDlg dialog(FALSE, html ? "html" : "txt", name, 0x80E,
                         "ﾃｷｽﾄﾌｧｲﾙ(*.txt) |*.TXT|HTMLﾌｧｲﾙ(*.html) |*.html||", &frame);
  dialog.m_ofn.lpstrTitle = "テキスト出力ファイル名";
  if (html) dialog.m_ofn.nFilterIndex = 2;
  if (dialog.DoModal() != IDOK) return;
  CTextOutputOptions options;
  options.Load();
  WriteTextOutput(pane, doc, options, dialog);
}

void HtmlOutput(CKestaFrame& frame, CTrView& pane, CKestavonDoc& doc) {
  doc.CommitTextArea();
  CFormHtmlDlg form(&frame);
  int& charset = doc.GetTree().GetProperties().m_nOption12;
  form.m_nCharset = charset == 1 ? 1 : 0;
  if (form.DoModal() != IDOK) return;
  if (form.m_nCharset != (charset == 1 ? 1 : 0)) {
    charset = form.m_nCharset;
    doc.SetModifiedFlag(TRUE);
  }
  CTextOutputOptions options;
  options.Load();
  CTextOutOpenDlg dialog(FALSE, "html", DefaultOutputName(doc.GetPathName(), ".html"), 0x80E,
                         "HTMLﾌｧｲﾙ(*.html) |*.html||", &frame);
  dialog.m_ofn.lpstrTitle = "テキスト出力ファイル名";
  if (dialog.DoModal() != IDOK) return;
  options.m_nHtml = 1;
  options.m_nIndent = 2;
  WriteTextOutput(pane, doc, options, dialog);
}

void OutputFormat(CKestaFrame& frame, CKestavonDoc& doc) {
  doc.CommitTextArea();
  CFormDlg dialog(&frame, TRUE);
  if (dialog.DoModal() != IDOK) return;
  if (dialog.m_nCloseMode == CFormDlg::CLOSE_WRITE_FILE) frame.PostCommand(ID_FILE_TEXT_OUTPUT);
  if (dialog.m_nCloseMode == CFormDlg::CLOSE_COPY_TEXT) frame.PostCommand(ID_FILE_TEXT_COPY);
}

// The folder of a per-tree export: the stored one, else the document's.
CString DefaultExportFolder(const TextSetting& folder, const CString& documentPath) {
  const CString stored = ReadSetting(folder);
  return stored.IsEmpty() ? FolderOf(documentPath) : stored;
}

void HtmlPerTree(CKestaFrame& frame, CTrView& pane, CKestavonDoc& doc) {
  doc.CommitTextArea();
  ATREE& tree = doc.GetTree();
  CHtmlDlg dialog(&frame, tree.GetProperties());
  const CString path = doc.GetPathName();
  if (!path.IsEmpty()) {
    dialog.m_strIndexFile = FileTitleOf(path) + ".html";
    dialog.m_strDir = DefaultExportFolder(Settings::Html::Dir, path);
  }
  if (dialog.DoModal() != IDOK) return;
  if (!EnsureOutputFolder(dialog.m_strDir)) return;
  const CString index = JoinFolder(dialog.m_strDir, dialog.m_strIndexFile);
  CTextOutputOptions options;
  options.Load();
  BOOL written = FALSE;
  {
    CWaitCursor wait;
    CTreeHtmlExporter exporter(tree, PaneCurrentTree(pane), path, options);
    written = exporter.ExportPages(index);
  }
  if (written && dialog.m_bPreview) OpenWritten(pane, index);
}

void HtmlFrames(CKestaFrame& frame, CTrView& pane, CKestavonDoc& doc) {
  doc.CommitTextArea();
  ATREE& tree = doc.GetTree();
  CHtmlIFrameDlg dialog(&frame, tree.GetProperties());
  const CString path = doc.GetPathName();
  if (!path.IsEmpty()) {
    dialog.m_strIndexFile = FileTitleOf(path) + ".html";
    dialog.m_strDir = DefaultExportFolder(Settings::Html::Dir, path);
  } else if (tree.GetDirDataCount() > 0) {
    dialog.m_strTreeFile = tree.GetName(0) + ".html";
  }
  if (dialog.DoModal() != IDOK) return;
  if (!EnsureOutputFolder(dialog.m_strDir)) return;
  CTextOutputOptions options;
  options.Load();
  BOOL written = FALSE;
  {
    CWaitCursor wait;
    CTreeHtmlExporter exporter(tree, PaneCurrentTree(pane), path, options);
    written = exporter.ExportWithFrames(dialog.m_strDir, dialog.m_strIndexFile, dialog.m_strTreeFile);
  }
  // The main page holds the index and the frame in which the tree pages open.
  if (written && dialog.m_bPreview) OpenWritten(pane, JoinFolder(dialog.m_strDir, dialog.m_strTreeFile));
}

void TextPerTree(CKestaFrame& frame, CTrView& pane, CKestavonDoc& doc) {
  doc.CommitTextArea();
  CTextPageDlg dialog(&frame);
  const CString path = doc.GetPathName();
  if (!path.IsEmpty()) {
    dialog.m_strIndexFile = FileTitleOf(path) + ".txt";
    dialog.m_strDir = DefaultExportFolder(Settings::TextPage::Dir, path);
  }
  if (dialog.DoModal() != IDOK) return;
  CWaitCursor wait;
  ATREE& tree = doc.GetTree();
  ExportTreeTextFiles(tree, PaneCurrentTree(pane), JoinFolder(dialog.m_strDir, dialog.m_strIndexFile));
  tree.MakeTreeData();
  pane.RefillList(-1);
}

void TextFolder(CKestaFrame& frame, CTrView& pane, CKestavonDoc& doc) {
  doc.CommitTextArea();
  CTextFolderDlg dialog(&frame);
  if (dialog.DoModal() != IDOK) return;
  CWaitCursor wait;
  ExportTextPages(doc.GetTree(), std::max(PaneCurrentTree(pane), 0), dialog.m_strDir, dialog.m_bTopOut);
}

void RtfOutput(CKestaFrame& frame, CTrView& pane, CKestavonDoc& doc) {
  CFont fonts[kPrintFontCount];
  COLORREF colours[kPrintFontCount] = {};
  CTrView::LoadPrintFonts(fonts, colours, 0, 0);
  CFont paneFont;
  paneFont.CreateFromWxFont(pane.GetFont());
  auto editFonts = [&](wxWindow* parent) { CPrintFontDlg(parent, fonts, colours).ShowModal(); };
  if (RunRtfExport(doc, &frame, fonts, paneFont, editFonts)) CTrView::SavePrintFonts(fonts, colours);
}

// A save dialog of the converters' exports, its place remembered in folder when one is given.
bool AskSavePath(CKestaFrame& frame, const char* defExt, const char* name, const char* filter, const char* title,
                 const TextSetting* folder, CString& path) {
  CFileDialogEx dialog(FALSE, defExt, name, 0x80E, filter, &frame);
  dialog.m_ofn.lpstrTitle = title;
  if (folder) dialog.m_ofn.lpstrInitialDir = ReadSetting(*folder);
  if (dialog.DoModal() != IDOK) return false;
  path = dialog.GetPathName();
  if (folder) WriteSetting(*folder, path);
  return true;
}

void XmlOutput(CKestaFrame& frame, CKestavonDoc& doc) {
  doc.CommitTextArea();
  CString path;
  if (!AskSavePath(frame, "xml", "*.xml", "XMLﾌｧｲﾙ(*.xml) |*.xml||", "XML形式で保存", &Settings::InitDir::XmlOut, path))
    return;
  CTextOutputOptions options;
  options.Load();
  CWaitCursor wait;
  ExportXml(doc.GetTree(), options, 0, path);
}

void WzOutput(CKestaFrame& frame, CKestavonDoc& doc) {
  doc.CommitTextArea();
  CFileWzExportDlg dialog(FALSE, "txt", "*.txt", 0x80E, "ﾃｷｽﾄﾌｧｲﾙ(*.txt) |*.txt|WZ MEMOﾌｧｲﾙ(*.mem) |*.mem||", &frame);
  dialog.m_ofn.lpstrTitle = "WZ形式で保存";
  if (dialog.DoModal() != IDOK) return;
  CWaitCursor wait;
  ExportWzFile(doc.GetTree(), dialog.GetPathName(), dialog.m_bWzExportNoTop);
}

void MarkdownOutput(CKestaFrame& frame, CKestavonDoc& doc) {
  doc.CommitTextArea();
  CString path;
  if (!AskSavePath(frame, "txt", "*.txt", "mdﾌｧｲﾙ(*.md) |*.md|ﾃｷｽﾄﾌｧｲﾙ(*.txt) |*.txt||", "マークダウン形式で保存",
                   nullptr, path))
    return;
  CWaitCursor wait;
  ExportMarkdown(doc.GetTree(), path);
}

}  // namespace

CString DefaultOutputName(const char* documentPath, const char* extension) {
  const CString path(documentPath ? documentPath : "");
  if (path.IsEmpty()) return CString("*") + extension;
  if (path.Left(4) == "net:") return path.Mid(path.Find(';') + 1) + extension;
  return FileTitleOf(path) + extension;
}

int ExportTreeTextFiles(ATREE& tree, int current, const char* basePath) {
  const ATREE kept(tree);
  tree.ExpandAll(0);
  int first = 0;
  int end = tree.GetDirDataCount();
  if (current >= 1 && current < end && ReadSetting(Settings::TextPage::SelectTree)) {
    first = current;
    end = tree.GetNextSibling(current, TRUE);
  }
  const bool byTitle = ReadSetting(Settings::TextPage::Naming) == 1;
  const CString base(basePath);
  CTextOutputOptions options;
  const CTreeHtmlExporter names(tree, 0, "", options);
  int written = 0;
  for (int i = first; i < end; ++i) {
    const int ok = byTitle ? WriteTextPage(tree, i, FolderOf(base), nullptr, nullptr)
                           : WriteTreeTextFile(tree, i, names.GetPageFileName(i - first, base, TRUE));
    if (!ok) break;
    ++written;
  }
  tree = kept;
  return written;
}

void BindTreeExportCommands(CKestaFrame& frame) {
  auto bind = [&frame](int id, void (*run)(CKestaFrame&, CTrView&, CKestavonDoc&)) {
    frame.Bind(wxEVT_MENU, [&frame, run](wxCommandEvent&) {
      CTrView* pane = FrameTreePane(frame);
      CKestavonDoc* doc = pane ? pane->GetDocument() : nullptr;
      if (doc) run(frame, *pane, *doc);
    }, id);
  };
  bind(ID_FILE_TEXT_OUTPUT, TextOutput);
  bind(ID_FILE_HTML_OUTPUT, HtmlOutput);
  bind(ID_FILE_TEXT_OUTPUT_FORMAT, [](CKestaFrame& f, CTrView&, CKestavonDoc& d) { OutputFormat(f, d); });
  bind(ID_FILE_EXPORT_HTML_TREES, HtmlPerTree);
  bind(ID_FILE_EXPORT_HTML_FRAME, HtmlFrames);
  bind(ID_FILE_EXPORT_TEXT_FILES, TextPerTree);
  bind(ID_FILE_EXPORT_TEXT_FOLDER, TextFolder);
  bind(ID_FILE_EXPORT_RTF, RtfOutput);
  bind(ID_FILE_EXPORT_XML, [](CKestaFrame& f, CTrView&, CKestavonDoc& d) { XmlOutput(f, d); });
  bind(ID_FILE_EXPORT_WZ, [](CKestaFrame& f, CTrView&, CKestavonDoc& d) { WzOutput(f, d); });
  bind(ID_FILE_EXPORT_MARKDOWN, [](CKestaFrame& f, CTrView&, CKestavonDoc& d) { MarkdownOutput(f, d); });
}
