#include "views/GrepFonts.h"

#include <wx/fontdlg.h>

#include "platform/framework/CWinApp.h"

void CreateGrepFont(CFont& font, const char* section, int defaultHeight) {
  font.DeleteObject();
  font.CreateFont(AfxGetProfileInt(section, "Size", defaultHeight), 0, 0, 0, AfxGetProfileInt(section, "Weight", FW_NORMAL),
                  static_cast<BYTE>(AfxGetProfileInt(section, "Italic", 0)),
                  static_cast<BYTE>(AfxGetProfileInt(section, "Underline", 0)), 0,
                  static_cast<BYTE>(AfxGetProfileInt(section, "CharSet", SHIFTJIS_CHARSET)), 0, 0, 0, 0x30,
                  AfxGetProfileString(section, "FaceName", "ＭＳ Ｐゴシック"));
}

BOOL ChooseGrepFont(wxWindow* parent, CFont& font, const char* section) {
  wxFontData data;
  data.SetInitialFont(font.GetWxFont());
  wxFontDialog dialog(parent, data);
  if (dialog.ShowModal() != wxID_OK) return FALSE;
  CFont chosen;
  if (!chosen.CreateFromWxFont(dialog.GetFontData().GetChosenFont())) return FALSE;
  LOGFONT lf{};
  chosen.GetLogFont(&lf);
  AfxWriteProfileString(section, "FaceName", lf.lfFaceName);
  AfxWriteProfileInt(section, "Size", lf.lfHeight);
  AfxWriteProfileInt(section, "Weight", lf.lfWeight);
  AfxWriteProfileInt(section, "Italic", lf.lfItalic);
  AfxWriteProfileInt(section, "Underline", lf.lfUnderline);
  AfxWriteProfileInt(section, "CharSet", lf.lfCharSet);
  CreateGrepFont(font, section, lf.lfHeight);
  return TRUE;
}
