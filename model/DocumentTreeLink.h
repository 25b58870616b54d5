#pragma once
// Whether a "file:///" link names an item of an outline (this one or another) rather than a file,
// seen from a document: "file:///./name" is the file beside the document when there is one, else
// the item of this outline whose titles from the top down it gives ("file:///./Top/Child").
#include "platform/base/WinTypes.h"

// documentPath may be empty or null (an unsaved document): a "./" link then names an item.
BOOL IsTreeLinkOfDocument(const char* link, const char* documentPath);
