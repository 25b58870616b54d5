#include "shell/FootnoteCommand.h"

#include <wx/event.h>

#include "app/CKestavonApp.h"
#include "app/CKestavonDoc.h"
#include "shell/CKestaFrame.h"
#include "model/CTextOutputOptions.h"
#include "platform/framework/CFrameWnd.h"
#include "resources/CommandIds.h"
#include "textarea/CIEditView.h"
#include "treeview/CFootnoteDlg.h"

namespace {

void EditFootnoteSettings(CKestaFrame& frame) {
  auto* doc = dynamic_cast<CKestavonDoc*>(frame.GetActiveDocument());
  CKestavonApp* app = GetKestavonApp();
  if (!doc || !app) return;
  doc->CommitTextArea();
  CTextOutputOptions options;
  options.Load();
  CFootnoteDlg dialog(AfxGetMainFrameWindow());
  dialog.m_nPosition = options.m_nFootnotePosition;
  dialog.m_strStartStr = options.m_strStartMark;
  dialog.m_strEndStr = options.m_strEndMark;
  dialog.m_strHonbun1 = options.m_strRefOpen;
  dialog.m_strHonbun2 = options.m_strRefClose;
  dialog.m_strKyaku1 = options.m_strNumberOpen;
  dialog.m_strKyaku2 = options.m_strNumberClose;
  dialog.m_strTitle = options.m_strFootnoteTitle;
  dialog.TransferDataToWindow();
  if (dialog.ShowModal() != wxID_OK) return;
  app->WriteProfileInt("Footnote", "Position", dialog.m_nPosition);
  app->WriteProfileString("Footnote", "StartStr", dialog.m_strStartStr);
  app->WriteProfileString("Footnote", "EndStr", dialog.m_strEndStr);
  app->WriteProfileString("Footnote", "Honbun1", dialog.m_strHonbun1);
  app->WriteProfileString("Footnote", "Honbun2", dialog.m_strHonbun2);
  app->WriteProfileString("Footnote", "Kyaku1", dialog.m_strKyaku1);
  app->WriteProfileString("Footnote", "Kyaku2", dialog.m_strKyaku2);
  app->WriteProfileString("Footnote", "Title", dialog.m_strTitle);
  // The marks as stored (the settings reader may trim them) are what the exports will look for,
  // so the text panes show the same stretches as comments.
  options.Load();
  for (CView* view : doc->GetViews()) {
    if (auto* text = dynamic_cast<CIEditView*>(view)) {
      text->GetEditCtrl().SetCommentBegin(options.m_strStartMark);
      text->GetEditCtrl().SetCommentEnd(options.m_strEndMark);
    }
  }
}

}  // namespace

void BindFootnoteCommand(CKestaFrame& frame) {
  frame.Bind(wxEVT_MENU, [&frame](wxCommandEvent&) { EditFootnoteSettings(frame); }, ID_SETTINGS_FOOTNOTE);
}
