#include "treeview/FontChoice.h"

#include <wx/fontdlg.h>

BOOL ChooseLogFont(wxWindow* parent, const CFont& current, LOGFONT& lf) {
  wxFontData data;
  if (current.HasFont()) data.SetInitialFont(current.GetWxFont());
  wxFontDialog dialog(parent, data);
  if (dialog.ShowModal() != wxID_OK) return FALSE;
  CFont chosen;
  LOGFONT result{};
  if (!chosen.CreateFromWxFont(dialog.GetFontData().GetChosenFont()) || !chosen.GetLogFont(&result)) return FALSE;
  result.lfCharSet = SHIFTJIS_CHARSET;
  lf = result;
  return TRUE;
}
