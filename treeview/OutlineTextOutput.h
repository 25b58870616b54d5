#pragma once
// The text output is the converters', a layer beside the tree pane; the program installs it as
// Seam<IOutlineTextOutput> for the pane's text copy, which stays off without it.
#include <vector>

#include "foundation/Seam.h"
#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"

class ATREE;

class IOutlineTextOutput {
 public:
  virtual ~IOutlineTextOutput() = default;
  // The items of an outline as the text output writes them (plain, or HTML), with the block of
  // the footnotes they hold.
  virtual CString MakeOutlineText(ATREE& tree, const std::vector<int>& items, BOOL html) = 0;
};
