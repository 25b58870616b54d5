#pragma once
// Dialogs of the layers above the application that the document and the panes open: the calendar
// and the save-as chooser of outline documents. The program installs them as Seam<IDatePicker>
// and Seam<ISaveAsChooser>; without them no date can be picked and Save As does nothing.
#include "foundation/Seam.h"
#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"

class CTime;
class wxWindow;

class IDatePicker {
 public:
  virtual ~IDatePicker() = default;
  // Lets the user pick a date in a calendar that starts at date; FALSE when cancelled.
  virtual BOOL PickDate(wxWindow* parent, CTime& date) = 0;
};

class ISaveAsChooser {
 public:
  virtual ~ISaveAsChooser() = default;
  // The save-as chooser, whose name follows the chosen file type: path holds the proposed name
  // (ending in its type's extension) and then the chosen one, type the 1-based file type (native,
  // text, the other editor's outline) on entry and as chosen. FALSE when cancelled.
  virtual BOOL ChooseSaveAs(wxWindow* parent, CString& path, int& type, const CString& folder) = 0;
};
