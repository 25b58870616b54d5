#pragma once
// The other editor's outline text (".mem"): a heading line is one period per level followed by
// the item's own title, and the lines after it up to the next heading are its text.
class ATREE;

// Reads path into the empty model; 1, or 0 after a file error (its message shown). With setting
// System/WzImportTopTree the top item is named after the file and single-period headings are its
// children; without it the first single-period heading names the top item.
int ImportWzFile(ATREE& tree, const char* path);
// The same with the top-item form given: topTree names the top item after the file.
int ReadWzFile(ATREE& tree, const char* path, bool topTree);
// Writes every item to path, the top item left out when noTop is set; 1, or 0 after a file error
// (its message shown). Setting System/WzExportPeriodChange puts a space before a text line that
// would begin with a period.
int ExportWzFile(const ATREE& tree, const char* path, int noTop);
