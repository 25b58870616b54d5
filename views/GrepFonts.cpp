#include "views/GrepFonts.h"

#include <wx/fontdlg.h>

#include "foundation/CPelkoInifile.h"
#include "foundation/SettingAccess.h"

void CreateGrepFont(CFont& font, const char* section, int defaultHeight) {
  ApplicationSettings().ReadFont(font, section, "ＭＳ Ｐゴシック", defaultHeight, FW_NORMAL);
}

BOOL ChooseGrepFont(wxWindow* parent, CFont& font, const char* section) {
  wxFontData data;
  data.SetInitialFont(font.GetWxFont());
  wxFontDialog dialog(parent, data);
  if (dialog.ShowModal() != wxID_OK) return FALSE;
  CFont chosen;
  if (!chosen.CreateFromWxFont(dialog.GetFontData().GetChosenFont())) return FALSE;
  ApplicationSettings().WriteFont(&chosen, section);
  LOGFONT lf{};
  chosen.GetLogFont(&lf);
  CreateGrepFont(font, section, lf.lfHeight);
  return TRUE;
}
