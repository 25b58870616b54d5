#include <gtest/gtest.h>
#include <wx/dcmemory.h>
#include <wx/frame.h>

#include <algorithm>
#include <string>
#include <vector>

#include "foundation/TextSearch.h"
#include "platform/base/CString.h"
#include "tests/common/TestSupport.h"
#include "app/CWordListBox.h"
#include "app/WordMarks.h"

namespace {

std::vector<std::string> Runs(const std::string& text, const WordFinder& find) {
  std::vector<std::string> out;
  for (const WordRun& run : MarkWordRuns(text.c_str(), static_cast<int>(text.size()), find))
    out.push_back((run.marked ? "[" : "") + text.substr(run.offset, run.length) + (run.marked ? "]" : ""));
  return out;
}

WordFinder OptionSearch(const std::string& text, const char* word, int options) {
  return [text, word, options](int start, int* length) {
    return FindTextOptPtr(text.c_str(), word, start, options, length);
  };
}

TEST(WordMarksTest, MarksEveryOccurrenceOfTheWord) {
  const std::string text = "Apple pie, apple TART, ｱｯﾌﾟﾙ";
  EXPECT_EQ(Runs(text, OptionSearch(text, "apple", 0)),
            (std::vector<std::string>{"Apple pie, ", "[apple]", " TART, ｱｯﾌﾟﾙ"}));
  EXPECT_EQ(Runs(text, OptionSearch(text, "apple", FIND_IGNORE_CASE)),
            (std::vector<std::string>{"[Apple]", " pie, ", "[apple]", " TART, ｱｯﾌﾟﾙ"}));
  EXPECT_EQ(Runs(text, OptionSearch(text, "none", 0)), std::vector<std::string>{text});
  EXPECT_TRUE(Runs("", OptionSearch("", "a", 0)).empty());
}

TEST(WordMarksTest, AMatchOfNoLengthMovesOnACharacterAndMarksNothing) {
  // A pattern that matches the empty string at every position, as "x*" does, with real matches
  // of "x" between.
  const std::string text = "aあxxb";
  const WordFinder emptyOrX = [&](int start, int* length) {
    *length = text[static_cast<size_t>(start)] == 'x' ? 1 : 0;
    return start;
  };
  EXPECT_EQ(Runs(text, emptyOrX), (std::vector<std::string>{"aあ", "[xx]", "b"}));
}

TEST(WordListBoxTest, ASelectedLineShowsWhiteTextOnNavyWithYellowMarks) {
  if (!kesta_test::HasGui()) GTEST_SKIP() << "needs a display";
  wxFrame frame(nullptr, wxID_ANY, "words");
  auto* box = new CWordListBox;
  ASSERT_TRUE(box->Create(&frame, 1000, wxDefaultPosition, wxSize(400, 200)));
  box->SetFont(wxFont(wxFontInfo(16)));
  box->AddString("WWWW find WWWW");
  box->AddString("WWWW");
  box->m_strWord = "find";
  box->SetSelection(0);

  const wxRect rect(0, 0, 400, box->GetCharHeight());
  wxBitmap bitmap(rect.width, rect.height);
  std::vector<wxColour> seen;
  auto colours = [&](size_t index) {
    wxMemoryDC dc(bitmap);
    box->DrawLine(dc, rect, index);
    dc.SelectObject(wxNullBitmap);
    const wxImage image = bitmap.ConvertToImage();
    seen.clear();
    for (int y = 0; y < image.GetHeight(); ++y)
      for (int x = 0; x < image.GetWidth(); ++x) {
        const wxColour c(image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y));
        if (std::find(seen.begin(), seen.end(), c) == seen.end()) seen.push_back(c);
      }
  };
  auto has = [&](const wxColour& c) { return std::find(seen.begin(), seen.end(), c) != seen.end(); };

  colours(0);
  EXPECT_TRUE(has(wxColour(0, 0, 128)));      // navy background
  EXPECT_TRUE(has(wxColour(255, 255, 255)));  // white text
  EXPECT_TRUE(has(wxColour(255, 255, 0)));    // yellow mark
  colours(1);
  EXPECT_TRUE(has(wxColour(255, 255, 255)));
  EXPECT_TRUE(has(wxColour(0, 0, 0)));
  EXPECT_FALSE(has(wxColour(0, 0, 255))) << "a line without the word has no mark";

  box->m_strWord = "";
  box->SetSelection(1);
  colours(0);
  EXPECT_FALSE(has(wxColour(0, 0, 255))) << "an empty word marks nothing";
  EXPECT_TRUE(has(wxColour(0, 0, 0)));
}

}  // namespace
