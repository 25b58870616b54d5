#pragma once
// What the model needs to ask the user while it opens and saves a document: a password and the
// notice that a document opens read-only. The model opens no window itself; the program installs
// the dialogs (model/dialogs) as Seam<IModelPrompts> and tests install answers, as they do for
// message boxes. With nothing installed every password entry counts as cancelled and notices are
// not shown.
#include "foundation/Seam.h"
#include "platform/base/CString.h"

class IModelPrompts {
 public:
  virtual ~IModelPrompts() = default;
  // The password typed by the user; false when the entry was cancelled. fileName names the
  // encrypted file being opened (empty for the write password); prompt, when not empty, replaces
  // the entry's usual request text.
  virtual bool AskPassword(const char* fileName, const char* prompt, CString& password) = 0;
  // Tells that the document at path opens read-only: reason 0 it is used by another writer, 1
  // the file itself is read-only, 2 its lock file cannot be made.
  virtual void ShowReadOnlyNotice(int reason, const char* path) = 0;
};
