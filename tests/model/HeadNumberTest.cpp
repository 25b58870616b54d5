#include <gtest/gtest.h>

#include "model/ATREE.h"

TEST(HeadNumber, RecognisesMarks) {
  struct Case {
    const char* line;
    int length;
    int kind;
  } cases[] = {
      {"1. Title", 3, 2},       {"1 Title", 2, 1},       {"1-2-3 Title", 6, 3},  {"1.Title", 2, 1},
      {"A. Apple", 2, 2},       {"A Apple", 0, 0},       {"(1) x", 4, 3},        {"(12) x", 5, 3},
      {"■ item", 3, 8},         {"■ ", 3, 8},            {"■item", 0, 0},        {"● x", 3, 20},
      {"１０．x", 0, 0},        {"１．x", 4, 12},        {"第1章 概要", 6, 21},  {"第一章　概要", 8, 21},
      {"第二節 x", 7, 22},      {"1.", 0, 0},            {"1 ", 0, 0},           {"Ⅱ．more", 4, 4},
      {"①．x", 4, 5},          {"二 x", 3, 6},          {"ア x", 3, 16},        {"(ア) x", 5, 18},
      {"(a) x", 4, 13},         {"ｱ x", 2, 14},          {"123 x", 4, 1},        {"- x", 2, 2},
      {"plain", 0, 0},
  };
  ATREE m;
  for (const Case& c : cases) {
    int kind = -1;
    EXPECT_EQ(m.GetHeadNumberLength(c.line, &kind), c.length) << c.line;
    EXPECT_EQ(kind, c.kind) << c.line;
  }
  EXPECT_EQ(m.GetRomanNumberLength("Ⅱ．more"), 4);
  EXPECT_EQ(m.GetRomanNumberLength("A. x"), 0);
  EXPECT_EQ(m.GetNumberSeparatorLength("a b", 1, TRUE), 0);
  EXPECT_EQ(m.GetNumberSeparatorLength("a b", 1, FALSE), 1);
}
