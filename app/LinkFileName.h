#pragma once
// Names and places of new link files, and the joining of a folder and a file name.
#include "platform/base/CString.h"

class CPelkoSettings;

// folder + "/" + name; no separator is added when the folder already ends with one ("/", or "\"
// as stored on Windows), a double-byte character counting as one character.
CString JoinPath(const char* folder, const char* name);

// The path of a new link file named after a tree title, with the extension of System/LinkExt: in
// the document's folder for new link files when it has one, else beside the document, or in the
// current folder while the document was never saved. With System/LinkNewAbsolute 0, a saved
// document gets the path relative to its own folder.
CString MakeLinkFileName(CPelkoSettings& settings, const char* title, const char* documentPath,
                         const char* linkFolder);
