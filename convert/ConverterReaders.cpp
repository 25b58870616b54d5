#include "convert/ConverterReaders.h"

#include "convert/FolderImport.h"
#include "convert/HtmlBookmarks.h"
#include "convert/OutlineSaves.h"
#include "convert/PdbImport.h"
#include "convert/TextImport.h"
#include "convert/WzOutline.h"

int CConverterReaders::ReadOutline(OutlineSource source, ATREE& tree, const char* path) {
  switch (source) {
    case OutlineSource::Folder: return OpenFolder(tree, path);
    case OutlineSource::WzOutline: return ImportWzFile(tree, path);
    case OutlineSource::HtmlBookmarks: return ImportHtmlBookmarks(tree, path);
    case OutlineSource::PalmDoc: return ImportPdbFile(tree, path);
    case OutlineSource::PlainText: return ImportTextFile(tree, path);
  }
  return 0;
}

int CConverterReaders::WriteOutline(OutlineSource target, ATREE& tree, const char* path) {
  return target == OutlineSource::WzOutline ? SaveWzFile(tree, path) : SaveAsTextFile(tree, path);
}
