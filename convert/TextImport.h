#pragma once
// Plain text as an outline: the first line with content is the top item, every line that begins
// with a heading mark a new item placed by the style of its mark, every other line text of the
// item made last.
class ATREE;

// Reads path into the empty model; 1 when at least one item was made, 0 otherwise (a missing file
// is reported).
int ImportTextFile(ATREE& tree, const char* path);
