#pragma once
// The readers of outline sources other than the native file belong to the converters, a layer
// above the model, and so do the writers of the other editor's outline text and of plain text.
// The program installs them as Seam<IOutlineReaders>; the model's open chooses the source by open
// mode and extension, its save the target by extension. Without them only the native file opens
// and saves.
#include "foundation/Seam.h"

class ATREE;

// WzOutline: the other editor's outline text; PlainText: any file no other reader claims.
enum class OutlineSource { Folder, WzOutline, HtmlBookmarks, PalmDoc, PlainText };

class IOutlineReaders {
 public:
  virtual ~IOutlineReaders() = default;
  // Fills an empty model from the source at path; 0 when it cannot be read.
  virtual int ReadOutline(OutlineSource source, ATREE& tree, const char* path) = 0;
  // Writes the model to path as the other editor's outline (WzOutline) or as plain text
  // (PlainText); 0, with the message shown, when it was not written.
  virtual int WriteOutline(OutlineSource target, ATREE& tree, const char* path) = 0;
};
