#pragma once
// The handle of a tree control's item, for code that keeps handles without drawing the control.
#include <cstdint>

struct TreeItemHandle;
using HTREEITEM = TreeItemHandle*;

// Insert positions and the top level, as special handle values.
inline HTREEITEM const TVI_ROOT = reinterpret_cast<HTREEITEM>(static_cast<std::intptr_t>(-0x10000));
inline HTREEITEM const TVI_FIRST = reinterpret_cast<HTREEITEM>(static_cast<std::intptr_t>(-0x0FFFF));
inline HTREEITEM const TVI_LAST = reinterpret_cast<HTREEITEM>(static_cast<std::intptr_t>(-0x0FFFE));
