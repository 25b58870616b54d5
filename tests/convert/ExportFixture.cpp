#include <gtest/gtest.h>

#include "tests/convert/ExportFixture.h"

#include "model/CDirData.h"

namespace export_test {

std::unique_ptr<ATREE> MakeOutline(const std::vector<std::pair<std::string, std::string>>& items) {
  auto tree = std::make_unique<ATREE>();
  for (const auto& [slashed, text] : items) {
    std::string path = slashed;
    for (char& ch : path) {
      if (ch == '/') ch = '\x01';
    }
    tree->AddDirData(std::make_unique<CDirData>(path.c_str(), text.c_str(), "", 0));
  }
  tree->MakeTreeData();
  return tree;
}

std::unique_ptr<ATREE> MakeSampleOutline() {
  auto tree = MakeOutline({
      {"企画書", ""},
      {"企画書/第一章", "はじめに<<<補足です>>> 終わり。\r\n"},
      {"企画書/第一章/背景", "あいうえおかきくけこさし。すせそ"},
      {"企画書/第一章/目的", "目的を書く。"},
      {"企画書/第二章", "削除予定\r\n\r\n"},
      {"企画書/第二章/まとめ", ""},
  });
  tree->EditDirData(3)->m_nStatus = 1;
  tree->EditDirData(3)->m_strLink = "https://example.com/";
  tree->EditDirData(4)->m_nStatus = 2;
  tree->EditDirData(5)->m_strLink = "mailto:a@example.com";
  tree->EditDirData(5)->m_nBookmark = 1;
  tree->MakeTreeData();
  return tree;
}

int Count(const std::string& text, const std::string& part) {
  int n = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

std::string Golden(const std::string& name) { return kesta_test::ReadBytes(kesta_test::FixturePath("convert/" + name)); }

void ExportTest::SetUp() {
  m_dir = kesta_test::MakeTempDir("export");
  m_conf = m_dir + "/kesta32.ini";
  m_settings = std::make_unique<kesta_test::ScopedSettingsFile>(m_conf);
  CKinsokuSettings& rules = GetKinsokuSettings();
  m_savedRules = rules;
  rules = CKinsokuSettings();
  rules.m_bKinFirst = 1;
  rules.m_strKinsokuFirst = "。、";
}

void ExportTest::TearDown() {
  GetKinsokuSettings() = m_savedRules;
  m_settings.reset();
}

CTextOutputOptions ExportTest::FreshOptions() {
  CTextOutputOptions options;
  options.Load();
  return options;
}

}  // namespace export_test
