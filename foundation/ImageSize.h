#pragma once
// Image files of the HTML exporters: the type by extension and the pixel size from the header.
#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"

// The extension (any case) is jpg, jpeg, gif, bmp or png.
BOOL IsImageFile(const CString& path);
// The path holds "://".
BOOL IsUrl(const CString& path);
// Not a URL, and a drive path ("C:...") or a path from the root ("/...").
BOOL IsLocalAbsolutePath(const CString& path);
// Width and height of a GIF, PNG or JPEG file; a relative path is taken from the folder of the
// base file when one is given. (0, 0) for a URL, a BMP, or a file that cannot be read whole.
SIZE GetImageSize(const CString& imgPath, const CString& baseFilePath = CString());
