#include "app/SearchSupport.h"

#include <wx/combobox.h>

#include "platform/com/COleDispatchException.h"
#include "platform/framework/CWinApp.h"
#include "platform/base/CodePage.h"
#include "platform/framework/CFrameWnd.h"
#include "platform/desktop/MessageBox.h"

namespace {

// The window id of the main window's find box.
constexpr int kFindFieldId = 104;

}  // namespace

bool RunGuardedSearch(const std::function<void()>& search) {
  try {
    search();
    return true;
  } catch (const COleDispatchException& error) {
    AfxMessageBox(error.m_strDescription.IsEmpty() ? CString(error.what()) : error.m_strDescription,
                  MB_OK | MB_ICONEXCLAMATION);
    return false;
  }
}

void ShowInFindBox(const CString& word) {
  CWinApp* app = AfxGetApp();
  wxWindow* main = app && app->m_pMainWnd ? app->m_pMainWnd->GetFrameWindow() : nullptr;
  auto* box = main ? dynamic_cast<wxComboBox*>(wxWindow::FindWindowById(kFindFieldId, main)) : nullptr;
  if (!box) return;
  const wxString text = CP932ToWx(word.str());
  const int old = box->FindString(text, true);
  if (old != wxNOT_FOUND) box->Delete(static_cast<unsigned>(old));
  if (!text.empty()) box->Insert(text, 0);
  box->SetValue(text);
}

long TextWindowPos(const CString& text, int offset) {
  const std::string& bytes = text.str();
  const size_t end = std::min(static_cast<size_t>(std::max(offset, 0)), bytes.size());
  long position = 0;
  for (size_t i = 0; i < end;) {
    if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
      ++i;
      continue;
    }
    i += IsDBCSLeadByte(static_cast<BYTE>(bytes[i])) && i + 1 < bytes.size() ? 2 : 1;
    ++position;
  }
  return position;
}

wxString TextWindowValue(const CString& text) {
  CString plain = text;
  plain.Replace("\r\n", "\n");
  return CP932ToWx(plain.str());
}

int StepPastHit(const CString& text, int hit, int length) {
  if (length > 0) return hit + length;
  const std::string& bytes = text.str();
  if (hit < 0 || static_cast<size_t>(hit) >= bytes.size()) return hit + 1;
  return hit + (IsDBCSLeadByte(static_cast<BYTE>(bytes[static_cast<size_t>(hit)])) ? 2 : 1);
}
