// The spell check runs through an outside dictionary program that answers over a Windows
// conversation; the command is there only while that program is registered.
#include <wx/event.h>

#include "platform/CRegKey.h"
#include "textarea/CIEditView.h"

namespace {

constexpr char kDictionaryProgramKey[] = "SOFTWARE\\ReliefOffice\\CurrentVersion\\App Paths\\PDICW32.EXE";

}  // namespace

void CIEditView::OnUpdateSpellCheck(wxUpdateUIEvent& event) {
  CRegKey key;
  char path[1024] = "";
  ULONG chars = sizeof path;
  const bool registered = key.Open(HKEY_LOCAL_MACHINE, kDictionaryProgramKey, KEY_READ) == ERROR_SUCCESS &&
                          key.QueryStringValue(nullptr, path, &chars) == ERROR_SUCCESS && path[0] != '\0';
  event.Enable(registered);
}
