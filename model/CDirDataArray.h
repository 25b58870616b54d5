#pragma once
// The item array of an outline model, in document order. Copies share their items: the array is
// held in blocks, and a copy takes only the block pointers, so that the hundred undo snapshots of a
// large outline cost little more than the outline itself. Writing goes through GetMutable, which
// copies the one block and the one item it touches when another array still shares them.
#include <memory>
#include <utility>
#include <vector>

#include "model/CDirData.h"

class CDirDataArray {
 public:
  int GetSize() const { return m_nCount; }
  const CDirData* GetAt(int index) const;
  CDirData* GetMutable(int index);
  // Every item in order, for a walk over the whole array that would otherwise find each item's
  // block again.
  void GetAll(std::vector<const CDirData*>& items) const;

  void Add(std::unique_ptr<CDirData> item);
  void InsertAt(int index, std::unique_ptr<CDirData> item);
  void SetAt(int index, std::unique_ptr<CDirData> item);
  void RemoveAt(int index, int count = 1);
  void RemoveAll();
  // Rearranges the items at first, first + 1, ...: the item at first + k becomes the one that was
  // at order[k]; order must be a permutation of those indexes. Items stay shared.
  void Reorder(int first, const std::vector<int>& order);

  // Index of the item object, -1 when it is not in the array.
  int IndexOf(const CDirData* item) const;

 private:
  // A holder of one item that counts in the item itself; the last holder frees it.
  class ItemPtr {
   public:
    explicit ItemPtr(std::unique_ptr<CDirData> item) : m_item(item.release()) {
      if (m_item) m_item->m_shares.value.fetch_add(1, std::memory_order_relaxed);
    }
    ItemPtr(const ItemPtr& other) : m_item(other.m_item) {
      if (m_item) m_item->m_shares.value.fetch_add(1, std::memory_order_relaxed);
    }
    ItemPtr(ItemPtr&& other) noexcept : m_item(std::exchange(other.m_item, nullptr)) {}
    ItemPtr& operator=(ItemPtr other) noexcept {
      std::swap(m_item, other.m_item);
      return *this;
    }
    ~ItemPtr() {
      if (m_item && m_item->m_shares.value.fetch_sub(1, std::memory_order_acq_rel) == 1) delete m_item;
    }
    CDirData* get() const { return m_item; }
    bool Shared() const { return m_item->m_shares.value.load(std::memory_order_acquire) > 1; }

   private:
    CDirData* m_item;
  };
  struct Block {
    std::vector<ItemPtr> items;
  };
  static constexpr size_t kBlockSize = 512;

  int Locate(int index) const;
  Block& EditBlock(int block);
  void Restart();

  std::vector<std::shared_ptr<Block>> m_blocks;
  std::vector<int> m_starts;  // index of the first item of each block
  int m_nCount = 0;
  mutable int m_nLastBlock = 0;  // sequential walks find their block at once
};
