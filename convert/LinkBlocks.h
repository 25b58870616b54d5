#pragma once
// The blocks that the text and one-page HTML export write for an item's link, the kinds of links,
// and the renaming of the links of a subtree.
#include "platform/base/CString.h"

class ATREE;

// 4 web address ("://"), 5 "mailto:", 0 outline (".kvn"), 1 text file, 2 image, 3 anything else.
int GetLinkKind(const char* link);
// The lines of a linked text file, each ending in CR LF; "" for any other kind of link or a
// file that cannot be read.
CString GetLinkText(const char* link);
// The HTML block of a link: the text file's lines, an image, or an anchor; "" for outlines and
// other files.
CString MakeLinkHtml(const char* link);
// Renames the links of item first and its subtree: find replaced by replace (plainly, or as a
// regular expression with case ignored), or replace put in front of every link when find is
// empty. Returns how many were changed; the rows are rebuilt when any was.
int ReplaceLinkFileNames(ATREE& tree, int first, const char* find, const char* replace, int useRegExp);
