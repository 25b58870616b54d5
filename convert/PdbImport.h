#pragma once
// A Palm DOC e-text as a read-only outline: the text before the first bookmark is the top item's,
// and each bookmark is a child of the top item holding the text up to the next one.
class ATREE;

// Reads path into the empty model; 1, or 0 after telling the user why the file was refused.
int ImportPdbFile(ATREE& tree, const char* path);
