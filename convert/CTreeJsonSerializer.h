#pragma once
// Reads an outline from a JSON text: one object whose "body" member is the top item, each item
// with "title", "text", "link", "mdate", "cdate" and an array "child" of its children.
#include "platform/base/CString.h"

namespace Json {
class Value;
}
class ATREE;

class CTreeJsonSerializer {
 public:
  // The model must already hold its top item (index 0), which the "body" object fills.
  explicit CTreeJsonSerializer(ATREE& tree) : m_tree(tree) {}

  // 1 after the text was read and the items built; 0 when the file cannot be opened, the text is
  // not JSON or a member cannot be taken as the type it stands for (the items made so far stay).
  // Nothing is reported.
  int ReadFile(const char* path);
  // Builds the items of a "child" array below the item at parentIndex, depth first.
  void ReadNodes(int parentIndex, const Json::Value& array);
  // The "id" of the "body" object that ReadFile read; 0 when it had none.
  int GetRootId() const { return m_nRootId; }

 private:
  ATREE& m_tree;
  int m_nRootId = 0;
};
