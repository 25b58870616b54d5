#include "shell/PreviewArticleBuilder.h"

#include "convert/CTextExporter.h"
#include "model/CTextOutputOptions.h"
#include "model/ATREE.h"

CString PreviewArticleBuilder::MakeArticle(ATREE& tree, int item) {
  CTextOutputOptions options;
  options.Load();
  CTextExporter exporter(tree, options);
  return exporter.MakeHtmlArticle(item, 1, 1, 1, nullptr);
}

CString PreviewArticleBuilder::MakeOutlineText(ATREE& tree) {
  CTextOutputOptions options;
  options.Load();
  CTextExporter exporter(tree, options);
  exporter.ResetLevelCounters(0);
  CString text;
  for (int i = 0; i < tree.GetDirDataCount(); ++i) text += exporter.MakeHtmlArticle(i, 1, 1, 1, nullptr);
  return text + exporter.GetFootnoteText();
}
