#pragma once
// What the text pane's commands open of the layers beside it: the calculator, the tree picker
// and the dictionary program's spell check. The program installs them as Seam<ICalculator>,
// Seam<ITreePicker> and Seam<ISpellChecker>; a command whose tool is not installed stays off.
#include "foundation/Seam.h"
#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"

class ATREE;
class CIEditView;
class wxWindow;

class ICalculator {
 public:
  virtual ~ICalculator() = default;
  // The calculator over an expression: FALSE when closed without a result, else the result and
  // how it goes into the text (0 in place of the expression, 1 after it).
  virtual BOOL Calculate(wxWindow* parent, const CString& expression, CString& result, int& mode) = 0;
};

class ITreePicker {
 public:
  virtual ~ITreePicker() = default;
  // Lets the user pick a tree of the outline, starting at item; FALSE when cancelled.
  virtual BOOL PickTree(wxWindow* parent, ATREE& tree, int& item) = 0;
};

class ISpellChecker {
 public:
  virtual ~ISpellChecker() = default;
  // Whether a dictionary program is registered to check with.
  virtual BOOL HasDictionary() = 0;
  // Checks the pane's text with the dictionary program.
  virtual void CheckSpelling(CIEditView& pane) = 0;
};
