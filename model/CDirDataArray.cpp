#include "model/CDirDataArray.h"

#include <algorithm>

int CDirDataArray::Locate(int index) const {
  // A walk in order stays in its block or goes on to the next; one that also looks a little ahead
  // comes back to the block before.
  const int blocks = static_cast<int>(m_blocks.size());
  for (const int b : {m_nLastBlock, m_nLastBlock + 1, m_nLastBlock - 1}) {
    if (b < 0 || b >= blocks) continue;
    const int end = b + 1 < blocks ? m_starts[static_cast<size_t>(b) + 1] : m_nCount;
    if (index >= m_starts[b] && index < end) return m_nLastBlock = b;
  }
  const auto it = std::upper_bound(m_starts.begin(), m_starts.end(), index);
  return m_nLastBlock = static_cast<int>(it - m_starts.begin()) - 1;
}

CDirDataArray::Block& CDirDataArray::EditBlock(int block) {
  std::shared_ptr<Block>& b = m_blocks[static_cast<size_t>(block)];
  if (b.use_count() > 1) b = std::make_shared<Block>(*b);
  return *b;
}

void CDirDataArray::Restart() {
  m_starts.resize(m_blocks.size());
  int start = 0;
  for (size_t b = 0; b < m_blocks.size(); ++b) {
    m_starts[b] = start;
    start += static_cast<int>(m_blocks[b]->items.size());
  }
  m_nCount = start;
  m_nLastBlock = 0;
}

const CDirData* CDirDataArray::GetAt(int index) const {
  const int b = Locate(index);
  return m_blocks[static_cast<size_t>(b)]->items[static_cast<size_t>(index - m_starts[b])].get();
}

void CDirDataArray::GetAll(std::vector<const CDirData*>& items) const {
  items.clear();
  items.reserve(static_cast<size_t>(m_nCount));
  for (const auto& block : m_blocks) {
    for (const ItemPtr& item : block->items) items.push_back(item.get());
  }
}

CDirData* CDirDataArray::GetMutable(int index) {
  const int b = Locate(index);
  ItemPtr& item = EditBlock(b).items[static_cast<size_t>(index - m_starts[b])];
  if (item.Shared()) item = ItemPtr(std::make_unique<CDirData>(*item.get()));
  return item.get();
}

void CDirDataArray::Add(std::unique_ptr<CDirData> item) {
  if (m_blocks.empty() || m_blocks.back()->items.size() >= kBlockSize) {
    m_blocks.push_back(std::make_shared<Block>());
    m_blocks.back()->items.reserve(kBlockSize);
    m_starts.push_back(m_nCount);
  }
  EditBlock(static_cast<int>(m_blocks.size()) - 1).items.push_back(ItemPtr(std::move(item)));
  ++m_nCount;
}

void CDirDataArray::InsertAt(int index, std::unique_ptr<CDirData> item) {
  if (index >= m_nCount) {
    Add(std::move(item));
    return;
  }
  const int b = Locate(std::max(index, 0));
  Block& block = EditBlock(b);
  block.items.insert(block.items.begin() + (std::max(index, 0) - m_starts[b]), ItemPtr(std::move(item)));
  if (block.items.size() > 2 * kBlockSize) {
    auto tail = std::make_shared<Block>();
    tail->items.assign(block.items.begin() + kBlockSize, block.items.end());
    block.items.erase(block.items.begin() + kBlockSize, block.items.end());
    m_blocks.insert(m_blocks.begin() + b + 1, std::move(tail));
    Restart();
    return;
  }
  for (size_t k = static_cast<size_t>(b) + 1; k < m_starts.size(); ++k) ++m_starts[k];
  ++m_nCount;
}

void CDirDataArray::SetAt(int index, std::unique_ptr<CDirData> item) {
  const int b = Locate(index);
  EditBlock(b).items[static_cast<size_t>(index - m_starts[b])] = ItemPtr(std::move(item));
}

void CDirDataArray::RemoveAt(int index, int count) {
  if (index < 0 || count <= 0 || index >= m_nCount) return;
  int left = std::min(count, m_nCount - index);
  while (left > 0) {
    const int b = Locate(index);
    Block& block = EditBlock(b);
    const int offset = index - m_starts[b];
    const int take = std::min(left, static_cast<int>(block.items.size()) - offset);
    block.items.erase(block.items.begin() + offset, block.items.begin() + offset + take);
    left -= take;
    if (block.items.empty()) m_blocks.erase(m_blocks.begin() + b);
    Restart();
  }
}

void CDirDataArray::RemoveAll() {
  m_blocks.clear();
  Restart();
}

int CDirDataArray::IndexOf(const CDirData* item) const {
  for (size_t b = 0; b < m_blocks.size(); ++b) {
    const auto& items = m_blocks[b]->items;
    for (size_t k = 0; k < items.size(); ++k) {
      if (items[k].get() == item) return m_starts[b] + static_cast<int>(k);
    }
  }
  return -1;
}

void CDirDataArray::Reorder(int first, const std::vector<int>& order) {
  if (order.empty()) return;
  // The range's blocks are made this array's own first; the holders then move without touching
  // the items, which a permutation would otherwise reach (and count) in random order.
  const int lastBlock = Locate(first + static_cast<int>(order.size()) - 1);
  for (int b = Locate(first); b <= lastBlock; ++b) EditBlock(b);
  auto slot = [this](int index) -> ItemPtr& {
    const int b = Locate(index);
    return m_blocks[static_cast<size_t>(b)]->items[static_cast<size_t>(index - m_starts[b])];
  };
  std::vector<ItemPtr> taken;
  taken.reserve(order.size());
  for (const int from : order) taken.push_back(std::move(slot(from)));
  for (size_t k = 0; k < taken.size(); ++k) slot(first + static_cast<int>(k)) = std::move(taken[k]);
}
