#pragma once
// Trees written as separate text files: one tree to a named file, a tree to a file named after its
// title, and an outline (or a subtree) to a folder hierarchy in which a tree with children becomes
// a folder. The options live in settings section "TextPage".
class ATREE;
class CPageFiles;

// One tree's file: its title and a blank line when "Title" is 1, then its text. 1 when written;
// 0 when "Overwrite" is 0 and the file exists, or it cannot be written. Through pages, when
// given, as one file of many; else replaced whole, as a document is.
int WriteTreeTextFile(ATREE& tree, int item, const char* path, CPageFiles* pages = nullptr);
// The file name, given or made from the title and ext (".txt" when none), inside folder.
int WriteTextPage(ATREE& tree, int item, const char* folder, const char* name, const char* ext,
                  CPageFiles* pages = nullptr);
// The folder export below folder; with topOut the first tree of the range becomes a folder of its
// own. The files are synced once at the end. 1; 0 when a folder cannot be made (the message
// shown, nothing further written) or a file could not be written (the other files are written;
// the message names the first that failed and says the export is incomplete).
int ExportTextPages(ATREE& tree, int item, const char* folder, int topOut);
