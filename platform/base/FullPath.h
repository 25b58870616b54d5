#pragma once
// Absolute form of a path as the document framework stores it: a relative path is taken from the
// current folder, "." and ".." are resolved by name. Paths are code page 932.
#include "platform/base/CString.h"

CString AfxFullPath(const char* path);
