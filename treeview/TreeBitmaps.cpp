#include "treeview/TreeBitmaps.h"

#include <wx/image.h>

#include <cstring>

#include "platform/desktop/MessageBox.h"

namespace {

// One character a pixel: '.' transparent teal, 'K' black, 'Y' yellow, 'y' dark yellow,
// 'W' white, 'G' light grey, 'g' grey, 'R' red, 'B' navy, 'b' blue.
struct Colour {
  char key;
  unsigned char r, g, b;
};
constexpr Colour kPalette[] = {
    {'.', 0, 128, 128}, {'K', 0, 0, 0},     {'Y', 255, 255, 0}, {'y', 128, 128, 0},   {'W', 255, 255, 255},
    {'G', 192, 192, 192}, {'g', 128, 128, 128}, {'R', 255, 0, 0}, {'B', 0, 0, 128}, {'b', 0, 0, 255},
};

// A closed folder; the body rows 5-13 carry the picture's own sign.
const char* const kFolder[] = {
    "................", "................", "..KKKKK.........", ".KYYYYYK........",
    "KKKKKKKKKKKKKKK.", "KYYYYYYYYYYYYYyK", "KYKKKKKKKKKYYYyK", "KYYYYYYYYYYYYYyK",
    "KYKKKKKKKKYYYYyK", "KYYYYYYYYYYYYYyK", "KYKKKKKKKKKKYYyK", "KYYYYYYYYYYYYYyK",
    "KYYYYYYYYYYYYYyK", "KyyyyyyyyyyyyyyK", "KKKKKKKKKKKKKKKK", "................",
};
const char* const kFolderEmpty[] = {
    "................", "................", "..KKKKK.........", ".KYYYYYK........",
    "KKKKKKKKKKKKKKK.", "KYYYYYYYYYYYYYyK", "KYYYYYYYYYYYYYyK", "KYYYYYYYYYYYYYyK",
    "KYYYYYYYYYYYYYyK", "KYYYYYYYYYYYYYyK", "KYYYYYYYYYYYYYyK", "KYYYYYYYYYYYYYyK",
    "KYYYYYYYYYYYYYyK", "KyyyyyyyyyyyyyyK", "KKKKKKKKKKKKKKKK", "................",
};
const char* const kPlusFolder[] = {
    "................", "................", "..KKKKK.........", ".KYYYYYK........",
    "KKKKKKKKKKKKKKK.", "KYYYYYYYYYYYYYyK", "KYYYYYYKYYYYYYyK", "KYYYYYYKYYYYYYyK",
    "KYYYYKKKKKYYYYyK", "KYYYYYYKYYYYYYyK", "KYYYYYYKYYYYYYyK", "KYYYYYYYYYYYYYyK",
    "KYYYYYYYYYYYYYyK", "KyyyyyyyyyyyyyyK", "KKKKKKKKKKKKKKKK", "................",
};
const char* const kPlusFolderSelected[] = {
    "................", "................", "..KKKKK.........", ".KWWWWWK........",
    "KKKKKKKKKKKKKKK.", "KWWWWWWWWWWWWWGK", "KWWWWWWBWWWWWWGK", "KWWWWWWBWWWWWWGK",
    "KWWWWBBBBBWWWWGK", "KWWWWWWBWWWWWWGK", "KWWWWWWBWWWWWWGK", "KWWWWWWWWWWWWWGK",
    "KWWWWWWWWWWWWWGK", "KGGGGGGGGGGGGGGK", "KKKKKKKKKKKKKKKK", "................",
};
const char* const kMinusFolder[] = {
    "................", "................", "..KKKKK.........", ".KYYYYYK........",
    "KKKKKKKKKKKKKKK.", "KYYYYYYYYYYYYYyK", "KYYYYYYYYYYYYYyK", "KYYYYYYYYYYYYYyK",
    "KYYYYKKKKKYYYYyK", "KYYYYYYYYYYYYYyK", "KYYYYYYYYYYYYYyK", "KYYYYYYYYYYYYYyK",
    "KYYYYYYYYYYYYYyK", "KyyyyyyyyyyyyyyK", "KKKKKKKKKKKKKKKK", "................",
};
// An open folder: the front flap leans forward.
const char* const kOpenFolder[] = {
    "................", "................", "..KKKKK.........", ".KWWWWWK........",
    "KWWWWWWKKKKKKK..", "KWWWWWWWWWWWWWK.", "KWWWKKKKKKKKKKKK", "KWWKWWWWWWWWWWWK",
    "KWWKWWWWWWWWWWK.", "KWKWWWWWWWWWWWK.", "KWKWWWWWWWWWWK..", "KKWWWWWWWWWWWK..",
    "KKWWWWWWWWWWWK..", "KKKKKKKKKKKKKK..", "................", "................",
};
const char* const kCheck[] = {
    "..........", "..........", ".........R", "........RR", ".......RR.", "R.....RR..", "RR...RR...",
    ".RR.RR....", "..RRR.....", "...R......", "..........", "..........", "..........",
};
const char* const kMark[] = {
    "..........", ".bbbbbbbb.", ".bBBBBBBb.", ".bBBBBBBb.", ".bBBBBBBb.", ".bBBBBBBb.", ".bBBBBBBb.",
    ".bBBBBBBb.", ".bBBBBBBb.", ".bBBbbBBb.", ".bBb..bBb.", ".bb....bb.", "..........",
};

struct Picture {
  UINT id;
  const char* const* rows;
  int width;
  int height;
};
constexpr Picture kPictures[] = {
    {ID_BM_FOLDER, kFolder, 16, 16},          {ID_BM_FOLDER_EMPTY, kFolderEmpty, 16, 16},
    {ID_BM_OPFOLDER, kOpenFolder, 16, 16},    {ID_BM_PFOLDER, kPlusFolder, 16, 16},
    {ID_BM_PPFOLDER, kPlusFolderSelected, 16, 16}, {ID_BM_MFOLDER, kMinusFolder, 16, 16},
    {IDB_BITMAP_MARK, kMark, 10, 13},         {ID_BM_CHECK, kCheck, 10, 13},
};

wxBitmap Paint(const Picture& picture) {
  wxImage image(picture.width, picture.height);
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) {
      const char key = picture.rows[y][x];
      for (const Colour& c : kPalette) {
        if (c.key == key) image.SetRGB(x, y, c.r, c.g, c.b);
      }
    }
  }
  image.SetMaskColour(GetRValue(kTreeBitmapTransparent), GetGValue(kTreeBitmapTransparent),
                      GetBValue(kTreeBitmapTransparent));
  return wxBitmap(image);
}

}  // namespace

wxImage TreeBitmapPixels(const wxBitmap& bitmap) {
  wxImage image = bitmap.ConvertToImage();
  if (image.HasMask()) {
    // The conversion marks masked pixels with a colour of its own choice.
    image.Replace(image.GetMaskRed(), image.GetMaskGreen(), image.GetMaskBlue(), GetRValue(kTreeBitmapTransparent),
                  GetGValue(kTreeBitmapTransparent), GetBValue(kTreeBitmapTransparent));
    image.SetMask(false);
  }
  return image;
}

BOOL LoadTreeBitmap(UINT id, const char* name, wxBitmap& bitmap) {
  for (const Picture& picture : kPictures) {
    if (picture.id == id) {
      bitmap = Paint(picture);
      return TRUE;
    }
  }
  bitmap = wxBitmap();
  AfxMessageBox(CString("Bitmap Load Error:") + name);
  return FALSE;
}
