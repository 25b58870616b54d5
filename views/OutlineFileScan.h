#pragma once
// A plain search across outline files reads each file's bytes instead of opening it as an
// outline. A title, link or text of an item stands in one line of the file byte for byte (save
// for its zero bytes, which the reader makes blanks, and its line ends), so where a word cannot
// span a line end or a blank, a match in an item is a match in the file's bytes: a file where no
// word matches anywhere holds no hit, and only the items whose lines hold a match are read. The
// file must be in the form the program writes (header block, item lines with each field mark
// once, texts between mark lines); anything else is left to the outline reader, which also
// deciphers a file with a password and reports a damaged one.
#include <memory>
#include <string_view>
#include <vector>

#include "model/CDirData.h"

class TextFinder;

enum class OutlineFileScan {
  kRead,         // the items that may be hits were read (none when no word matched)
  kNeedsReader,  // the file, or a word, is beyond what a scan of the bytes can tell
};

// Appends to items, in document order and each once, every item of the file's bytes whose title,
// link or text may hold a match of one of the words, read as the outline reader reads it.
OutlineFileScan ScanOutlineFile(std::string_view bytes, const std::vector<const TextFinder*>& words,
                                std::vector<std::unique_ptr<CDirData>>& items);
