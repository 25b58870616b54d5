#include "shell/SettingsApplied.h"

#include "app/CKestavonApp.h"
#include "app/CKestavonDoc.h"
#include "foundation/SettingAccess.h"
#include "foundation/SettingsTable.h"
#include "shell/CMainFrame.h"
#include "platform/framework/CDocTemplate.h"
#include "textarea/CIEditView.h"

void ApplySettingsToWindows(CMainFrame& frame) {
  CKestavonApp* app = GetKestavonApp();
  if (!app) return;
  // A position only matters while there are tabs to place.
  const int style = ReadSetting(Settings::View::TabStyle);
  frame.SetTabStyle(style);
  if (style != 0) frame.SetTabPosition(ReadSetting(Settings::View::TabPosition));

  const auto text = static_cast<COLORREF>(ReadSetting(Settings::Edit::TextColor));
  const auto back = static_cast<COLORREF>(ReadSetting(Settings::Edit::BackColor));
  const int wheel = ReadSetting(Settings::View::MouseWheel);
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
