#pragma once
// The control's growable arrays: break offsets of a line (CDWordArrayEx) and string lists
// (CStringArrayEx). Growth is predictable: the first allocation is exact, later ones add a step.
#include <algorithm>
#include <cstdint>
#include <memory>
#include <type_traits>
#include <utility>

#include "control/CRefString.h"

template <typename T>
class CArrayEx {
 public:
  int GetSize() const { return m_size; }
  int GetAllocSize() const { return m_alloc; }
  bool IsEmpty() const { return m_size == 0; }
  T* GetData() { return m_data.get(); }
  const T* GetData() const { return m_data.get(); }
  T& operator[](int index) { return m_data[index]; }
  const T& operator[](int index) const { return m_data[index]; }
  T GetAt(int index) const { return m_data[index]; }

  // New elements are value-initialised (0 or empty strings); 0 frees everything.
  void SetSize(int newSize, int growBy = -1) {
    if (growBy >= 0) m_growBy = growBy;
    if (newSize <= 0) {
      m_data.reset();
      m_size = m_alloc = 0;
      return;
    }
    if (!m_data) {
      m_data = std::make_unique<T[]>(static_cast<size_t>(newSize));
      m_alloc = m_size = newSize;
      return;
    }
    if (newSize <= m_alloc) {
      for (int i = newSize; i < m_size; ++i) m_data[i] = T();
      m_size = newSize;
      return;
    }
    int step = m_growBy;
    if (step == 0) step = std::clamp(m_size / 8, 4, 1024);
    const int alloc = std::max(newSize, m_alloc + step);
    auto grown = std::make_unique<T[]>(static_cast<size_t>(alloc));
    std::move(m_data.get(), m_data.get() + m_size, grown.get());
    m_data = std::move(grown);
    m_alloc = alloc;
    m_size = newSize;
  }

  void SetAtGrow(int index, const T& value) {
    if (index >= m_size) SetSize(index + 1);
    m_data[index] = value;
  }

  int Add(const T& value) {
    SetAtGrow(m_size, value);
    return m_size - 1;
  }

  void InsertAt(int index, const T& value, int count = 1) {
    if (count <= 0) return;
    const int oldSize = m_size;
    if (index >= oldSize) {
      SetSize(index + count);
    } else {
      SetSize(oldSize + count);
      std::move_backward(m_data.get() + index, m_data.get() + oldSize, m_data.get() + oldSize + count);
    }
    for (int i = index; i < index + count; ++i) m_data[i] = value;
  }

  void RemoveAt(int index, int count = 1) {
    if (index < 0 || count <= 0 || index >= m_size) return;
    count = std::min(count, m_size - index);
    std::move(m_data.get() + index + count, m_data.get() + m_size, m_data.get() + index);
    for (int i = m_size - count; i < m_size; ++i) m_data[i] = T();
    m_size -= count;
  }

  // Keeps the allocation: a line's breaks are emptied and refilled on every rewrap.
  void RemoveAll() {
    if constexpr (!std::is_trivially_destructible_v<T>) {
      for (int i = 0; i < m_size; ++i) m_data[i] = T();
    }
    m_size = 0;
  }

 private:
  std::unique_ptr<T[]> m_data;
  int m_size = 0;
  int m_alloc = 0;
  int m_growBy = 0;
};

using CDWordArrayEx = CArrayEx<std::uint32_t>;
using CStringArrayEx = CArrayEx<CRefString>;
