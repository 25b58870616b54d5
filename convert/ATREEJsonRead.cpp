#include "convert/ATREEJsonRead.h"

#include <memory>

#include "convert/CTreeJsonSerializer.h"
#include "model/ATREE.h"

int ReadJsonFile(ATREE& tree, const char* path) {
  tree.AddDirData(std::make_unique<CDirData>());
  CTreeJsonSerializer serializer(tree);
  return serializer.ReadFile(path);
}
