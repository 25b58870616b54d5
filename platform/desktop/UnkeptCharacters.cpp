#include "platform/desktop/UnkeptCharacters.h"

#include <wx/app.h>
#include <wx/string.h>
#include <wx/textctrl.h>

#include <cstdio>

#include "platform/base/CodePage.h"
#include "platform/desktop/MessageBox.h"

namespace {

// More than this many are counted, not named: the box has to fit on the screen.
constexpr size_t kNamed = 20;

}  // namespace

void TellUnkeptCharacters(wxWindow* parent, const std::string& lost, const char* caption) {
  if (lost.empty()) return;
  const wxString characters = wxString::FromUTF8(lost);
  std::string text = CP932ToUTF8("次の文字はシフトJISで表せないため、「?」に置き換えます。\n\n");
  size_t named = 0;
  for (const wxUniChar ch : characters) {
    if (named == kNamed) break;
    if (named++ > 0) text += CP932ToUTF8("、");
    text += wxString(ch).utf8_string();
    char code[16];
    std::snprintf(code, sizeof code, " (U+%04X)", static_cast<unsigned>(ch.GetValue()));
    text += code;
  }
  if (characters.length() > kNamed) {
    CString more;
    more.Format("\nほか %u 文字", static_cast<unsigned>(characters.length() - kNamed));
    text += CP932ToUTF8(more.str());
  }
  auto* app = dynamic_cast<wxApp*>(wxAppConsole::GetInstance());
  const CString name = !caption && app ? WxToCP932(app->GetAppDisplayName()) : CString(caption);
  MessageBoxUTF8(parent, text, name, MB_OK | MB_ICONEXCLAMATION);
}

void TakeFieldTexts(wxWindow* parent, std::initializer_list<std::pair<wxTextCtrl*, CString*>> fields) {
  std::string lost;
  for (const auto& [field, text] : fields) *text = WxToCP932(field->GetValue(), &lost);
  if (lost.empty()) return;
  TellUnkeptCharacters(parent, lost, nullptr);
  for (const auto& [field, text] : fields) field->ChangeValue(CP932ToWx(text->str()));
}
