#pragma once
// The preview's trees as the one-page HTML export writes them, with the text-output options that
// the settings hold when the page is made.
#include "views/PreviewArticles.h"

class PreviewArticleBuilder : public IPreviewArticles {
 public:
  CString MakeArticle(ATREE& tree, int item) override;
  CString MakeOutlineText(ATREE& tree) override;
};
