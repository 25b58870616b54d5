#pragma once
// The pictures drawn in the margin beside lines that carry a mark: a line's mark byte picks one.
// Each picture is 16 x 16 pixels with a mask, so the margin shows through around it.

#include <wx/bitmap.h>

#include <vector>

class wxDC;

class CMarkImageList {
 public:
  static constexpr int kImageSize = 16;

  CMarkImageList();
  int GetImageCount() const { return static_cast<int>(m_images.size()); }
  // Draws picture `index` transparent with its top-left at (x, y); an index past the list draws
  // nothing.
  void Draw(wxDC& dc, int index, int x, int y) const;

 private:
  std::vector<wxBitmap> m_images;
};
