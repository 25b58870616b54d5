#include "convert/ConverterReaders.h"

#include "convert/FolderImport.h"
#include "convert/HtmlBookmarks.h"
#include "convert/OutlineSaves.h"
#include "convert/PdbImport.h"
#include "convert/TextImport.h"
#include "convert/WzOutline.h"
#include "model/OutlineReaders.h"

void InstallConverterReaders() {
  InstallOutlineReader(OutlineSource::Folder, OpenFolder);
  InstallOutlineReader(OutlineSource::WzOutline, ImportWzFile);
  InstallOutlineReader(OutlineSource::HtmlBookmarks, ImportHtmlBookmarks);
  InstallOutlineReader(OutlineSource::PalmDoc, ImportPdbFile);
  InstallOutlineReader(OutlineSource::PlainText, ImportTextFile);
  InstallOutlineWriter(OutlineSource::WzOutline, SaveWzFile);
  InstallOutlineWriter(OutlineSource::PlainText, SaveAsTextFile);
}
