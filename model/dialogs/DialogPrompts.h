#pragma once
// The model's questions answered by the program's dialogs: the password entry and the read-only
// notice, owned by the window whose work opened the document (a progress window or a modal
// dialog), else by the main frame.
#include "model/ModelPrompts.h"

class CDialogPrompts : public IModelPrompts {
 public:
  bool AskPassword(const char* fileName, const char* prompt, CString& password) override;
  void ShowReadOnlyNotice(int reason, const char* path) override;
};
