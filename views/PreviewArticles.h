#pragma once
// The preview shows trees as the one-page HTML export writes them. The converters are a layer
// beside the views, so the program installs the builder as Seam<IPreviewArticles>; without one
// the preview shows the pages of its own (file names, file information) and web pages only.
#include "foundation/Seam.h"
#include "platform/base/CString.h"

class ATREE;

class IPreviewArticles {
 public:
  virtual ~IPreviewArticles() = default;
  // One item's article as HTML with CR LF line ends, footnotes allowed before first-level trees,
  // with the text-output options as the settings hold them now.
  virtual CString MakeArticle(ATREE& tree, int item) = 0;
  // Every item's article, numbering from the first item, then the footnotes they gathered.
  virtual CString MakeOutlineText(ATREE& tree) = 0;
};
