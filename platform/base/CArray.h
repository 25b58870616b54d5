#pragma once
// The growable array that code written for MFC expects: int indices, Add returning the new index,
// InsertAt growing the array when the index lies beyond the end. Elements live in a std::vector.
// An index outside the array is a caller's fault; it stops the program in a debug build.
#include <algorithm>
#include <cassert>
#include <vector>

template <typename TYPE, typename ARG_TYPE = const TYPE&>
class CArray {
 public:
  CArray() = default;
  CArray(const CArray&) = default;
  CArray(CArray&&) noexcept = default;
  CArray& operator=(const CArray&) = default;
  CArray& operator=(CArray&&) noexcept = default;
  virtual ~CArray() = default;

  int GetSize() const { return static_cast<int>(m_data.size()); }
  int GetCount() const { return GetSize(); }
  bool IsEmpty() const { return m_data.empty(); }
  int GetUpperBound() const { return GetSize() - 1; }

  // New elements are value-initialised (0, nullptr, empty strings). growBy is accepted for the
  // callers that pass it; the vector chooses its own growth.
  void SetSize(int newSize, int growBy = -1) {
    (void)growBy;
    m_data.resize(static_cast<size_t>(std::max(newSize, 0)));
  }
  void RemoveAll() { m_data.clear(); }

  const TYPE& GetAt(int index) const { return m_data[Checked(index)]; }
  void SetAt(int index, ARG_TYPE element) { m_data[Checked(index)] = element; }
  TYPE& ElementAt(int index) { return m_data[Checked(index)]; }
  const TYPE& ElementAt(int index) const { return m_data[Checked(index)]; }
  TYPE& operator[](int index) { return ElementAt(index); }
  const TYPE& operator[](int index) const { return GetAt(index); }
  TYPE* GetData() { return m_data.data(); }
  const TYPE* GetData() const { return m_data.data(); }

  void SetAtGrow(int index, ARG_TYPE element) {
    assert(index >= 0);
    if (index >= GetSize()) SetSize(index + 1);
    m_data[static_cast<size_t>(index)] = element;
  }
  int Add(ARG_TYPE element) {
    m_data.push_back(element);
    return GetUpperBound();
  }
  // Returns the index of the first appended element.
  int Append(const CArray& src) {
    const int first = GetSize();
    const std::vector<TYPE> items = src.m_data;  // src may be this array
    m_data.insert(m_data.end(), items.begin(), items.end());
    return first;
  }
  void Copy(const CArray& src) {
    if (&src != this) m_data = src.m_data;
  }

  // An index past the end first grows the array to it.
  void InsertAt(int index, ARG_TYPE element, int count = 1) {
    assert(index >= 0);
    if (count <= 0) return;
    const TYPE value = element;  // element may refer into this array
    if (index >= GetSize()) SetSize(index);
    m_data.insert(m_data.begin() + index, static_cast<size_t>(count), value);
  }
  void InsertAt(int startIndex, const CArray* newArray) {
    assert(startIndex >= 0 && newArray);
    const std::vector<TYPE> items = newArray->m_data;
    if (items.empty()) return;
    if (startIndex >= GetSize()) SetSize(startIndex);
    m_data.insert(m_data.begin() + startIndex, items.begin(), items.end());
  }
  void RemoveAt(int index, int count = 1) {
    assert(index >= 0 && count >= 0 && index + count <= GetSize());
    if (index < 0 || count <= 0 || index >= GetSize()) return;
    count = std::min(count, GetSize() - index);
    m_data.erase(m_data.begin() + index, m_data.begin() + index + count);
  }

  auto begin() { return m_data.begin(); }
  auto end() { return m_data.end(); }
  auto begin() const { return m_data.begin(); }
  auto end() const { return m_data.end(); }

 private:
  size_t Checked(int index) const {
    assert(index >= 0 && index < GetSize());
    return static_cast<size_t>(index);
  }

  std::vector<TYPE> m_data;
};
