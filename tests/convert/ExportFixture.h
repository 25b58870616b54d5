#pragma once
// The six-item outline that the export tests write, with private settings and line-breaking
// rules for each test.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/CKinsokuSettings.h"
#include "model/CTextOutputOptions.h"
#include "model/ATREE.h"
#include "tests/common/TestSupport.h"

namespace export_test {

// 企画書 / 第一章 (a footnote) / 背景 (a line that wraps before "。") / 目的 (checked, web link) /
// 第二章 (struck through) / まとめ (no text, mail link, bookmarked).
std::unique_ptr<ATREE> MakeSampleOutline();
// An outline of (path with '/' for the level separator, text) items; rows built.
std::unique_ptr<ATREE> MakeOutline(const std::vector<std::pair<std::string, std::string>>& items);

std::string Golden(const std::string& name);
// How often part stands in text (overlapping occurrences count).
int Count(const std::string& text, const std::string& part);

// A fresh settings file and line-breaking rules with only the line-start rule on ("。、").
class ExportTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // The options of a fresh settings file.
  CTextOutputOptions FreshOptions();
  std::string m_dir;
  std::string m_conf;
  std::unique_ptr<kesta_test::ScopedSettingsFile> m_settings;
  CKinsokuSettings m_savedRules;
};

}  // namespace export_test
