#pragma once
// Building an outline from a folder tree, the reader of the folder-import open mode.
class ATREE;

// Adds the items of one folder below the item at parent, whose subtree must end the model, by the
// options of the folder-import settings, and walks into its sub-folders.
void ImportFolder(ATREE& tree, const char* folder, int parent);
// Reads a folder as a document into an empty model: a top item named after the folder, then the
// folder's files below it. Always 1.
int OpenFolder(ATREE& tree, const char* folder);
