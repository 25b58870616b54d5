#pragma once
// The program's file choosers, all made here: titles and paths in code page 932, the filter in
// the Windows form "text|pattern|...||" translated for GTK (FileFilterToWx), wx's open or save
// style flags.
#include <functional>
#include <memory>

#include "platform/base/CString.h"

class wxFileDialog;
class wxWindow;

std::unique_ptr<wxFileDialog> MakeFileDialog(wxWindow* owner, const char* title, const char* folder,
                                             const char* file, const char* filter, long style);

struct FileChoice {
  CString path;    // the chosen file
  CString folder;  // its folder, without a final "/", for the next chooser to start in
};

// Shows a chooser and takes the user's choice; false when cancelled. With a default extension
// ("dat"), a name typed without any extension gets it.
bool ChooseFile(wxWindow* owner, const char* title, const char* folder, const char* file, const char* filter,
                long style, FileChoice& choice, const char* defaultExtension = nullptr);

// While the chooser is shown, each change of its file type (1-based index) gives the name box the
// name that rename makes of what it holds. wx reports no such change from GTK's chooser, so this
// listens to the chooser itself.
void FollowFileType(wxFileDialog& dialog, std::function<CString(const CString& name, int typeIndex)> rename);
