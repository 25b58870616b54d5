#include "shell/ProgramWindows.h"

#include "shell/CKestaFrame.h"
#include "shell/CMainFrame.h"
#include "shell/SettingsApplied.h"
#include "platform/framework/CWinApp.h"
#include "textarea/CIEditView.h"
#include "treeview/CTrView.h"
#include "views/CBrowserDde.h"

CTextPane* CProgramWindows::AsTextPane(CView& view) { return dynamic_cast<CIEditView*>(&view); }

CTreePane* CProgramWindows::AsTreePane(CView& view) { return dynamic_cast<CTrView*>(&view); }

void CProgramWindows::SetMarkNames(CFrameWnd& frame, const CStringArray& names) {
  if (auto* outline = dynamic_cast<CKestaFrame*>(&frame)) outline->m_aMarkNames = names;
}

void CProgramWindows::UpdateMarkMenu(CFrameWnd& frame) {
  if (auto* outline = dynamic_cast<CKestaFrame*>(&frame)) outline->UpdateMarkMenu();
}

void CProgramWindows::SyncTextPanes(CFrameWnd& frame) {
  if (auto* outline = dynamic_cast<CKestaFrame*>(&frame)) outline->SyncTextPanes();
}

void CProgramWindows::ShowLinkFile(CFrameWnd& frame) {
  if (auto* outline = dynamic_cast<CKestaFrame*>(&frame)) outline->ShowLinkFile();
}

void CProgramWindows::FollowSettings() {
  if (auto* main = dynamic_cast<CMainFrame*>(AfxGetMainWnd())) ApplySettingsToWindows(*main);
}

BOOL CProgramWindows::OpenInFront(const char* url) {
  auto* main = dynamic_cast<CMainFrame*>(AfxGetMainWnd());
  return main && main->GetBrowserDde().OpenURLInFront(url);
}
