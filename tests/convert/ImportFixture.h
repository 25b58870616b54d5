#pragma once
// Opening outside files through the model's open as the program does: private settings, the
// converters' readers installed, message boxes answered and recorded.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "convert/ConverterReaders.h"
#include "model/ATREE.h"
#include "platform/desktop/MessageBox.h"
#include "tests/common/TestSupport.h"
#include "tests/convert/SlashedPath.h"

class ImportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_dir = kesta_test::MakeTempDir("import");
    m_settings = std::make_unique<kesta_test::ScopedSettingsFile>(m_dir + "/kesta32.ini");
  }
  void TearDown() override { m_settings.reset(); }

  std::string Write(const std::string& name, const std::string& bytes) {
    const std::string path = m_dir + "/" + name;
    kesta_test::WriteBytes(path, bytes);
    return path;
  }
  // The item count, or the open's negative result.
  int Open(const std::string& path, int mode = 0) { return m_model.OpenFile(path.c_str(), mode, 0); }

  // Each item as "path=text" ('/' for the level separator) and, with a link, ">link".
  std::vector<std::string> Dump() const { return DumpOf(m_model); }
  static std::vector<std::string> DumpOf(const ATREE& model) {
    std::vector<std::string> out;
    for (int i = 0; i < model.GetDirDataCount(); ++i) {
      const CDirData* item = model.GetDirData(i);
      std::string line = SlashedPath(model, i) + "=" + item->m_strText.str();
      if (!item->m_strLink.IsEmpty()) line += ">" + item->m_strLink.str();
      out.push_back(line);
    }
    return out;
  }

  // A small outline with texts that end in CR LF and hold no line that begins with '.'.
  static void BuildSample(ATREE& model) {
    auto add = [&](const char* path, const char* text) {
      auto item = std::make_unique<CDirData>(path);
      item->m_strText = text;
      model.AddDirData(std::move(item));
    };
    add("Plan", "intro\r\n");
    add("Plan\x01One", "");
    add("Plan\x01One\x01" "Deep", "a\r\nb\r\n");
    add("Plan\x01Two", "two\r\n");
    model.MakeTreeData();
  }

  std::string m_dir;
  std::unique_ptr<kesta_test::ScopedSettingsFile> m_settings;
  ScopedMessageBoxHook m_boxes{IDOK};
  Installed<CConverterReaders, IOutlineReaders> m_readers;
  ATREE m_model;
};
