#include "control/window/ShowErrorInfo.h"

#include "control/ControlRoutines.h"
#include "platform/com/Bstr.h"
#include "platform/com/ErrorInfo.h"
#include "platform/desktop/MessageBox.h"

void ShowErrorInfo(wxWindow* owner) {
  IErrorInfo* info = nullptr;
  if (GetErrorInfo(0, &info) != S_OK || info == nullptr) return;
  BSTR description = nullptr;
  info->GetDescription(&description);
  const BstrPtr owned(description);
  const std::unique_ptr<char[]> text = BSTRToAnsi(description);
  MessageBox(owner, text ? text.get() : "", "Error", MB_OK | MB_ICONEXCLAMATION);
  info->Release();
}
