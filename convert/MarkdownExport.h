#pragma once
// The outline as a Markdown file in Shift JIS: one heading per item, its depth in '#' signs, and
// the item's text with two blanks before each line end.
class ATREE;

// Writes every item of the document to path; 1, or 0 after a file error (its message shown).
int ExportMarkdown(ATREE& tree, const char* path);
