#pragma once
// The tree pane's insert, save-selected and split commands, handled by the outline window's frame
// (above the tree pane and the converters that read the inserted files): the frame asks for the
// files, and these routines change the document's model.
#include <vector>

#include "platform/base/CString.h"

class ATREE;
class CKestaFrame;

void BindTreeInsertCommands(CKestaFrame& frame);

// The title a file gives its new tree: the name without folder, cut at its last '.'; a name
// without '.' is the title whole.
CString TitleOfFile(const char* path);

// One new tree per file: with the top tree current each becomes its last child, else each is
// placed directly after the current tree's subtree, so the trees show in the reverse order of
// the list. With links the tree links to the file (an internet shortcut to its address) and has
// no text; else its text is the file's bytes, and a file that cannot be read is skipped. With the
// document's title-is-first-line option the text starts with the title and CR LF, as the model
// puts it there for every new tree. The number of trees made.
int InsertFileTrees(ATREE& tree, int current, const std::vector<CString>& paths, bool links);

// Reads an outline file (mode 0 native or text, 1 the other editor's outline) without taking its
// lock: the records of its whole outline, or with childrenOnly those below its top tree. FALSE
// when it cannot be read.
bool ReadInsertRecords(const char* path, int mode, bool childrenOnly, CString& records);

// Moves the descendants of the current tree into a new native file at path, whose top tree is a
// copy of the current tree, and links the current tree to it. The document keeps the descendants
// when the file cannot be written. FALSE then.
bool SplitTreeToFile(ATREE& tree, int current, const char* path);
