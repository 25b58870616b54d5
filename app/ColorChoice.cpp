#include "app/ColorChoice.h"

#include <wx/colordlg.h>

#include "app/CKestavonApp.h"
#include "platform/base/ColorRef.h"

BOOL ChooseColorRef(wxWindow* parent, COLORREF& color) {
  wxColourData data;
  data.SetChooseFull(true);
  data.SetColour(ColorRefToWx(color));
  CKestavonApp* app = GetKestavonApp();
  if (app != nullptr)
    for (int i = 0; i < 16; ++i) data.SetCustomColour(i, ColorRefToWx(app->m_customColors[i]));
  wxColourDialog dialog(parent, &data);
  if (dialog.ShowModal() != wxID_OK) return FALSE;
  color = WxToColorRef(dialog.GetColourData().GetColour());
  if (app != nullptr) {
    for (int i = 0; i < 16; ++i) {
      const wxColour custom = dialog.GetColourData().GetCustomColour(i);
      if (custom.IsOk()) app->m_customColors[i] = WxToColorRef(custom);
    }
  }
  return TRUE;
}
