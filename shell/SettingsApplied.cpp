#include "shell/SettingsApplied.h"

#include "app/CKestavonApp.h"
#include "app/CKestavonDoc.h"
#include "shell/CMainFrame.h"
#include "platform/framework/CDocTemplate.h"
#include "textarea/CIEditView.h"

void ApplySettingsToWindows(CMainFrame& frame) {
  CKestavonApp* app = GetKestavonApp();
  if (!app) return;
  // A position only matters while there are tabs to place.
  const int style = app->GetProfileInt("View", "TabStyle", 2);
  frame.SetTabStyle(style);
  if (style != 0) frame.SetTabPosition(app->GetProfileInt("View", "TabPosition", 0));

  const auto text = static_cast<COLORREF>(app->GetProfileInt("Edit", "TextColor", 0));
  const auto back = static_cast<COLORREF>(app->GetProfileInt("Edit", "BackColor", 0xFFFFFF));
  const int wheel = app->GetProfileInt("View", "MouseWheel", 3);
  if (app->m_pKestavonTemplate) {
    for (CDocument* doc : app->m_pKestavonTemplate->GetDocuments()) {
      for (CView* view : doc->GetViews()) {
        if (auto* pane = dynamic_cast<CIEditView*>(view)) {
          pane->SetPaneColors(text, back);
          pane->GetEditCtrl().m_nWheelLines = wheel;
        }
      }
    }
  }
  frame.RefreshDocumentTitles();
}
