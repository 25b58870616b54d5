#pragma once
// The small pictures of the outline rows: folders (16 x 16) and the check and mark signs
// (10 x 13), drawn here pixel by pixel. Teal (0x808000) is their transparent colour; each bitmap
// carries it as its mask.
#include <wx/bitmap.h>

#include "platform/base/WinTypes.h"

enum : UINT {
  ID_BM_PFOLDER = 102,
  ID_BM_MFOLDER = 103,
  ID_BM_PPFOLDER = 104,
  ID_BM_CHECK = 108,
  ID_BM_FOLDER = 171,
  ID_BM_OPFOLDER = 172,
  IDB_BITMAP_MARK = 173,
  ID_BM_FOLDER_EMPTY = 182,
};

constexpr COLORREF kTreeBitmapTransparent = 0x808000;

class wxImage;

// The pixels of a bitmap with its masked pixels back in the transparent colour, without a mask.
wxImage TreeBitmapPixels(const wxBitmap& bitmap);

// The picture of a bitmap resource id. An id without a picture gives the message
// "Bitmap Load Error:" + name, leaves the bitmap empty and returns FALSE.
BOOL LoadTreeBitmap(UINT id, const char* name, wxBitmap& bitmap);
