#pragma once
// A closed outline's memory goes back to the system. The allocator keeps the blocks a document
// frees for the process, and those in the middle of its heap are never handed back on their own:
// a large outline opened and closed would leave most of its size resident for the rest of the
// session. The program follows the number of open documents at idle time and, when it fell, has
// the allocator return what it holds unused.
class FreedMemoryReturn {
 public:
  using Return = void (*)();
  // The allocator's own return (malloc_trim) unless another is given.
  explicit FreedMemoryReturn(Return giveBack = nullptr);

  // The number of documents open now.
  void Follow(int openDocuments);

 private:
  Return m_giveBack;
  int m_nOpen = 0;
};
