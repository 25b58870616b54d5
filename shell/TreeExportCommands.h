#pragma once
// The tree pane's export and output commands, handled by the outline window's frame: the panes
// and the converters live in layers that cannot see each other, so the frame asks for the file or
// folder, picks the range from the tree pane and hands the work to the converters.
#include "platform/base/CString.h"

class ATREE;
class CKestaFrame;

// Binds the export and output commands to the frame.
void BindTreeExportCommands(CKestaFrame& frame);

// The default output name of the text and HTML outputs: the document's file title (the title part
// of a "net:" path) plus the extension, or "*" plus it without a path.
CString DefaultOutputName(const char* documentPath, const char* extension);
// Writes every tree of the outline (or the current tree's subtree) as its own text file beside
// basePath, every tree unfolded for the writing and the folding restored. Stops at the first file
// that cannot be written; the number of files written.
int ExportTreeTextFiles(ATREE& tree, int current, const char* basePath);
