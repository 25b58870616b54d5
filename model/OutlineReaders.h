#pragma once
// The readers of outline sources other than the native file belong to the converters, a layer
// above the model. They install themselves here once at start-up, and the model's open chooses
// among them by open mode and extension; a source whose reader is not installed cannot be opened.
#include "platform/base/WinTypes.h"

class ATREE;

// WzOutline: the other editor's outline text; PlainText: any file no other reader claims.
enum class OutlineSource { Folder, WzOutline, HtmlBookmarks, PalmDoc, PlainText };

// Fills an empty model from the source at path; 0 when it cannot be read.
using OutlineReader = int (*)(ATREE& tree, const char* path);

void InstallOutlineReader(OutlineSource source, OutlineReader reader);
OutlineReader GetOutlineReader(OutlineSource source);

// Saving in the other editor's outline text or as plain text is the converters' too. Writes the
// model to path; 0, with the message shown, when it was not written.
using OutlineWriter = int (*)(ATREE& tree, const char* path);

void InstallOutlineWriter(OutlineSource target, OutlineWriter writer);
OutlineWriter GetOutlineWriter(OutlineSource target);
