#pragma once
// An item's path with '/' for the level separator, as the tests write expected outlines.
#include <algorithm>
#include <string>

#include "model/ATREE.h"

inline std::string SlashedPath(const ATREE& model, int item) {
  std::string path = model.GetTitle(item).str();
  std::replace(path.begin(), path.end(), '\x01', '/');
  return path;
}
