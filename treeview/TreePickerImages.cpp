#include "treeview/TreePickerImages.h"

#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/image.h>
#include <wx/imaglist.h>
#include <wx/pen.h>

#include "treeview/TreeBitmaps.h"

namespace {

constexpr int kSize = 16;
// Bits of the model's item image number.
constexpr int kHasChildren = 1, kChecked = 2, kLinked = 4, kStruck = 8;

void Overlay(wxImage& image, const wxImage& sign, int left, int top) {
  const unsigned char tr = GetRValue(kTreeBitmapTransparent), tg = GetGValue(kTreeBitmapTransparent),
                      tb = GetBValue(kTreeBitmapTransparent);
  for (int y = 0; y < sign.GetHeight() && top + y < kSize; ++y)
    for (int x = 0; x < sign.GetWidth() && left + x < kSize; ++x) {
      const unsigned char r = sign.GetRed(x, y), g = sign.GetGreen(x, y), b = sign.GetBlue(x, y);
      if (r != tr || g != tg || b != tb) image.SetRGB(left + x, top + y, r, g, b);
    }
}

}  // namespace

std::unique_ptr<wxImageList> MakeTreePickerImages() {
  auto images = std::make_unique<wxImageList>(kSize, kSize, true, 16);
  wxBitmap folder, empty, check;
  LoadTreeBitmap(ID_BM_FOLDER, "IDB_BM_FOLDER", folder);
  LoadTreeBitmap(ID_BM_FOLDER_EMPTY, "IDB_BM_FOLDER_EMPTY", empty);
  LoadTreeBitmap(ID_BM_CHECK, "IDB_BM_CHECK", check);
  const wxImage checkSign = TreeBitmapPixels(check);
  for (int bits = 0; bits < 16; ++bits) {
    wxImage image = TreeBitmapPixels((bits & kHasChildren) ? folder : empty);
    if (bits & kChecked) Overlay(image, checkSign, kSize - checkSign.GetWidth(), kSize - checkSign.GetHeight());
    if (bits & kLinked) {
      // A small blue arrow in the upper left corner.
      for (int i = 0; i < 5; ++i) {
        image.SetRGB(i, 4 - i, 0, 0, 0xFF);
        image.SetRGB(i, 0, 0, 0, 0xFF);
        image.SetRGB(4, i, 0, 0, 0xFF);
      }
    }
    if (bits & kStruck)
      for (int x = 0; x < kSize; ++x) image.SetRGB(x, kSize / 2, 0xFF, 0, 0);
    image.SetMaskColour(GetRValue(kTreeBitmapTransparent), GetGValue(kTreeBitmapTransparent),
                        GetBValue(kTreeBitmapTransparent));
    images->Add(wxBitmap(image));
  }
  return images;
}

std::unique_ptr<wxImageList> MakeTickImages() {
  // Drawn here rather than by the desktop's theme, which may lack the tick's icon.
  auto images = std::make_unique<wxImageList>(kSize, kSize, false, 2);
  for (const bool ticked : {false, true}) {
    wxBitmap box(kSize, kSize);
    {
      wxMemoryDC dc(box);
      dc.SetBackground(*wxWHITE_BRUSH);
      dc.Clear();
      dc.SetPen(wxPen(wxColour(0x60, 0x60, 0x60)));
      dc.SetBrush(*wxWHITE_BRUSH);
      dc.DrawRectangle(2, 2, 12, 12);
      if (ticked) {
        dc.SetPen(wxPen(*wxBLACK, 2));
        const wxPoint tick[] = {{4, 8}, {7, 11}, {12, 4}};
        dc.DrawLines(3, tick);
      }
    }
    images->Add(box);
  }
  return images;
}
