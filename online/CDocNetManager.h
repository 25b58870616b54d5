#pragma once
// The document manager that opens net paths as they stand: not made absolute, not taken for
// file names.
#include "platform/framework/CDocManager.h"

class CDocNetManager : public CDocManager {
 public:
  CDocument* OpenDocumentFile(const char* path) override;
};
