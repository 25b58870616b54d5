#pragma once
// The outline as an XML file (UTF-8): root element "kestavon", one "tree" element per item with
// its flags as attributes and its text in a CDATA section.
#include <functional>
#include <string>

class ATREE;
class CTextOutputOptions;

// Writes item with its subtree to path; false, with the message shown, after a file error.
bool ExportXml(ATREE& tree, const CTextOutputOptions& options, int item, const char* path);
// Where the elements go: appended to text (UTF-8), which flush, when set, writes out and empties
// whenever a block has gathered.
struct XmlSink {
  std::string text;
  std::function<void(std::string&)> flush;
};
// Appends one element and, recursively, its children; returns the item after the subtree.
int WriteXmlTree(ATREE& tree, const CTextOutputOptions& options, int item, XmlSink& sink);
