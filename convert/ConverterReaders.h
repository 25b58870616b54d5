#pragma once
// The converters' readers and writers as the model's open and save reach them, so that its open
// can read every source it knows and its save can write a document as the other editor's outline
// or as text. The program installs one for its run (tests that open or save such files do too).
#include "model/OutlineReaders.h"

class CConverterReaders : public IOutlineReaders {
 public:
  int ReadOutline(OutlineSource source, ATREE& tree, const char* path) override;
  int WriteOutline(OutlineSource target, ATREE& tree, const char* path) override;
};
