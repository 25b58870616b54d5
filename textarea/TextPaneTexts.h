#pragma once
// The texts that the text pane's commands put into the control or hand to other programs, made
// without the control so that they can be checked on their own. Texts are code page 932.
#include <vector>

#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"

// Every "<" as "&lt;", then every ">" as "&gt;"; an ampersand already there stays as it is.
CString EscapeAngleBrackets(const char* text);
// The text between a ">||" line and a "||<" line.
CString EncloseInBlockMarks(const char* text);
// The lines joined with CR LF after every one, the last included.
CString JoinLinesWithLineEnds(const std::vector<CString>& lines);

// A text file's lines, each ended by CR LF whatever line end it had (LF, CR LF or none at the
// end). A line is kept whole however long it is, and a NUL byte reads as a space. FALSE when the
// file cannot be opened.
BOOL ReadTextFileLines(const char* path, CString& text);

// The file name proposed for an item's text: the title made a valid file name, cut before its last
// "." and given ".txt".
CString TextFileNameForTitle(const char* title);

// A web-search address: "%s" becomes the selection (UTF-8 and URL-encoded when utf8 is set and the
// selection is not empty), "%t" the title, "%f" the link and "%p" the document's path, the last two
// in double quotes when they hold a space. Values are put in as they stand, never read for placeholders.
CString FillWebSearchAddress(const char* pattern, const char* selection, BOOL utf8, const char* title,
                             const char* link, const char* documentPath);

// The text of a link to the file: relative to the document ("./" first) when relative is set,
// "file:///" before it, and either every blank as "%20" and every "\\" as "/" (the address form) or
// the whole link in double quotes when it holds a blank.
CString MakeFileLinkText(const char* path, const char* documentPath, BOOL relative, BOOL addressForm);

// Characters of a text, a double-byte character counting one.
int CountCharacters(const char* text);
