#include "convert/ConverterReaders.h"

#include "convert/FolderImport.h"
#include "model/OutlineReaders.h"

void InstallConverterReaders() { InstallOutlineReader(OutlineSource::Folder, OpenFolder); }
