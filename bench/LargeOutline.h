#pragma once
// The large outline the model benchmarks measure: levels 1-3 in a repeating pattern (each top
// tree holds groups of children with grandchildren) and a 200-byte text of four lines per item,
// so that 100,000 items carry 20 MB of text.
#include <memory>
#include <string>

#include "model/ATREE.h"
#include "model/CDirData.h"

namespace bench {

constexpr int kLargeTextBytes = 200;

// linkEvery > 0 gives every linkEvery-th item a link, as outlines that point at files have.
inline std::unique_ptr<ATREE> MakeLargeOutline(int items, int linkEvery = 0) {
  auto model = std::make_unique<ATREE>();
  model->AddDirData(std::make_unique<CDirData>("文書"));
  const std::string line(kLargeTextBytes / 4 - 2, 'x');
  const std::string text = line + "\r\n" + line + "\r\n" + line + "\r\n" + line + "\r\n";
  std::string paths[4] = {"文書"};
  for (int i = 1; i < items; ++i) {
    const int level = i % 10 == 1 ? 1 : (i % 3 == 0 ? 3 : 2);
    paths[level] = paths[level - 1] + "\x01" + "見出し" + std::to_string(i);
    auto item = std::make_unique<CDirData>(paths[level].c_str());
    item->m_strText = text.c_str();
    if (linkEvery > 0 && i % linkEvery == 0)
      item->m_strLink = ("/home/user/documents/file" + std::to_string(i) + ".txt").c_str();
    item->SetCreateTimeNow();
    model->AddDirData(std::move(item));
  }
  model->MakeTreeData();
  return model;
}

}  // namespace bench
