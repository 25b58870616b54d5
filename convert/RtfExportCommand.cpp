#include "convert/RtfExportCommand.h"

#include <utility>

#include "app/CKestavonDoc.h"
#include "convert/CREditCtrl.h"
#include "convert/CRtfOutDlg.h"
#include "model/CTextOutputOptions.h"
#include "convert/RtfExport.h"
#include "model/ATREE.h"
#include "platform/desktop/MessageBox.h"
#include "platform/desktop/Shell.h"

bool RunRtfExport(CKestavonDoc& doc, wxWindow* pane, const CFont* levelFonts, const CFont& paneFont,
                  std::function<void(wxWindow* parent)> editLevelFonts) {
  doc.CommitTextArea();
  CRtfOutDlg dialog(pane);
  dialog.m_editLevelFonts = std::move(editLevelFonts);
  dialog.m_strDocPath = doc.GetPathName();
  CString& remembered = doc.GetTree().GetProperties().m_strRtfFileName;
  dialog.m_strFileName = remembered;
  if (dialog.DoModal() != IDOK) return false;
  if (dialog.m_strFileName != remembered) {
    remembered = dialog.m_strFileName;
    doc.SetModifiedFlag(TRUE);
  }
  // The export gathers footnotes in its model: it works on a copy, never on the document's. The
  // copy shows every tree, so that a check filter leaves out only what it filters, never what is
  // folded away.
  ATREE tree(doc.GetTree());
  tree.ExpandAll(0);
  CTextOutputOptions options;
  options.Load();
  int first = 0;
  int end = tree.GetDirDataCount();
  const int current = doc.GetCurrentTree();
  if (dialog.m_nSelectTree != 0 && current >= 0 && current < end) {
    first = current;
    end = tree.GetNextSibling(current, TRUE);
  }
  CREditCtrl control;
  control.SetDefaultFont(paneFont, RGB(0, 0, 0));
  ExportRtf(tree, options, first, end, levelFonts, control);
  if (!control.SaveFile(dialog.m_strFileName)) return false;
  ShellExecute(pane, nullptr, dialog.m_strFileName, nullptr, nullptr, SW_SHOWNORMAL);
  return true;
}
