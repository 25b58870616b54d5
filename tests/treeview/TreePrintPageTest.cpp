#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "model/ATREE.h"
#include "model/CDirData.h"
#include "treeview/TreePrintPage.h"

namespace {

// Every character 10 wide; font f is 20 + f high. Records what is drawn and in which font.
class FakeCanvas : public TreePrintCanvas {
 public:
  struct Drawn {
    std::string text;
    int font;
    int x;
    int y;
  };
  void SelectFont(int font, COLORREF) override { m_font = font; }
  int CharWidth(const char*, int bytes) override { return bytes == 2 ? 20 : 10; }
  int FontHeight() override { return 20 + m_font; }
  int AveCharWidth() override { return 10; }
  void DrawChars(const char* text, int length, int x, int y) override {
    drawn.push_back({std::string(text, static_cast<size_t>(length)), m_font, x, y});
  }
  void DrawLine(int, int, int, int) override {}
  void DrawCheckBitmap(int, int, int) override {}
  // The piece drawn with the text at its end (a title comes after its heading number).
  const Drawn* Find(const std::string& text) const {
    for (const Drawn& d : drawn)
      if (d.text.size() >= text.size() && d.text.compare(d.text.size() - text.size(), text.size(), text) == 0)
        return &d;
    return nullptr;
  }
  std::vector<Drawn> drawn;

 private:
  int m_font = 0;
};

// Items as paths with '/' between the levels, each with a text.
std::unique_ptr<ATREE> Outline(const std::vector<std::pair<std::string, std::string>>& items) {
  auto model = std::make_unique<ATREE>();
  for (const auto& [path, text] : items) {
    std::string p = path;
    for (char& ch : p)
      if (ch == '/') ch = '\x01';
    auto item = std::make_unique<CDirData>(CString(p.c_str()));
    item->m_strText = text.c_str();
    model->AddDirData(std::move(item));
  }
  model->MakeTreeData();
  return model;
}

std::unique_ptr<ATREE> Flat(int count) {
  std::vector<std::pair<std::string, std::string>> items{{"top", ""}};
  for (int i = 1; i < count; ++i) items.push_back({"top/item" + std::to_string(i), "body of " + std::to_string(i)});
  return Outline(items);
}

const RECT kPage = {0, 0, 600, 400};
const std::tm kNow = [] {
  std::tm t{};
  t.tm_year = 2024 - 1900;
  t.tm_mon = 2;
  t.tm_mday = 5;
  return t;
}();

TEST(TreePrintPageTest, PageNumbersAndHeaderTextsGoWhereThePageStyleSays) {
  auto model = Flat(60);
  struct Case {
    int page;
    const char* header;
    const char* footer;
    const char* expected;
    int font;
  };
  const Case cases[] = {
      {1, "", "", "Page -  3", kPrintFontHeader},
      {2, "", "", "- 3 -", kPrintFontFooter},
      {0, "&p", "", "3", kPrintFontHeader},
      {0, "", "%Y/%m/%d &p", "2024/03/05 3", kPrintFontFooter},
  };
  for (const Case& c : cases) {
    TreePrintSettings settings;
    settings.page = c.page;
    settings.header = c.header;
    settings.footer = c.footer;
    settings.pageMode = 0;
    TreePrintJob job(*model, 0, model->GetDirDataCount(), settings);
    FakeCanvas canvas;
    ASSERT_TRUE(job.PrintPage(canvas, kPage, 3, kNow));
    const FakeCanvas::Drawn* found = canvas.Find(c.expected);
    ASSERT_TRUE(found) << c.expected;
    EXPECT_EQ(found->font, c.font) << c.expected;
  }
}

TEST(TreePrintPageTest, LevelFontsCountFromTheStartItem) {
  auto model = Outline({{"top", ""}, {"top/a", ""}, {"top/a/b", ""}, {"top/a/b/c", ""}, {"top/a/b/c/d", ""},
                        {"top/a/b/c/d/e", ""}, {"top/a/b/c/d/e/f", ""}, {"top/a/b/c/d/e/f/g", ""},
                        {"top/a/b/c/d/e/f/g/h", ""}, {"top/a/b/c/d/e/f/g/h/i", ""}});
  TreePrintSettings settings;
  settings.bunsho = 0;
  settings.fontRel = 1;
  TreePrintJob relative(*model, 2, model->GetDirDataCount(), settings);
  FakeCanvas canvas;
  ASSERT_TRUE(relative.PrintPage(canvas, RECT{0, 0, 600, 2000}, 1, kNow));
  EXPECT_EQ(canvas.Find("b")->font, 0) << "the start item is the first level whatever its depth";
  EXPECT_EQ(canvas.Find("c")->font, 1);
  EXPECT_EQ(canvas.Find("g")->font, 5);
  EXPECT_EQ(canvas.Find("h")->font, 6) << "six levels below the start";
  EXPECT_EQ(canvas.Find("i")->font, 6) << "and deeper";

  settings.fontRel = 0;
  TreePrintJob absolute(*model, 2, model->GetDirDataCount(), settings);
  FakeCanvas other;
  ASSERT_TRUE(absolute.PrintPage(other, RECT{0, 0, 600, 2000}, 1, kNow));
  EXPECT_EQ(other.Find("b")->font, 2);
}

TEST(TreePrintPageTest, PagesAreFoundOnlyAsFarAsTheyAreAskedFor) {
  auto model = Flat(40);
  TreePrintSettings settings;
  settings.pageMode = 0;
  TreePrintJob job(*model, 0, model->GetDirDataCount(), settings);
  FakeCanvas canvas;
  ASSERT_TRUE(job.PrintPage(canvas, kPage, 5, kNow));
  EXPECT_EQ(job.GetLaidOutPages(), 5);
  // One item a page: page 5 shows item 4 and nothing else.
  EXPECT_TRUE(canvas.Find("item4"));
  EXPECT_FALSE(canvas.Find("item5"));
  EXPECT_EQ(job.GetPageStarts()[4].item, 4);
  EXPECT_FALSE(job.IsComplete());

  EXPECT_FALSE(job.PaginateTo(canvas, kPage, 100));
  EXPECT_TRUE(job.IsComplete());
  EXPECT_EQ(job.GetKnownPages(), 40);
}

TEST(TreePrintPageTest, PageBreaksByLevelAndLongTextsGoOnOnTheNextPage) {
  std::string longText;
  for (int i = 0; i < 40; ++i) longText += "line " + std::to_string(i) + "\r\n";
  auto model = Outline({{"top", ""}, {"top/a", "x"}, {"top/a/a1", "y"}, {"top/b", longText}, {"top/c", "z"}});
  TreePrintSettings settings;
  settings.pageMode = 1;  // a new page for every first-level item
  TreePrintJob job(*model, 0, model->GetDirDataCount(), settings);
  FakeCanvas canvas;
  job.PaginateTo(canvas, kPage, 100);
  ASSERT_TRUE(job.IsComplete());
  const auto& starts = job.GetPageStarts();
  // top; a with a1; b over several pages, continuing inside its text; c.
  ASSERT_GE(starts.size(), 5u);
  EXPECT_EQ(starts[0].item, 0);
  EXPECT_EQ(starts[1].item, 1);
  EXPECT_EQ(starts[2].item, 3);
  EXPECT_EQ(starts[2].offset, 0);
  EXPECT_EQ(starts[3].item, 3);
  EXPECT_GT(starts[3].offset, 0);
  EXPECT_EQ(std::string(model->GetText(3).GetString() + starts[3].offset, 5), "line ");
  EXPECT_EQ(starts.back().item, 4);
}

TEST(TreePrintPageTest, ATitleTallerThanThePageStillEndsThePagination) {
  std::string title(400, 'W');
  for (size_t i = 5; i < title.size(); i += 6) title[i] = ' ';
  auto model = Outline({{"top", ""}, {"top/" + title, ""}, {"top/after", ""}});
  for (int bunsho : {0, 1}) {
    TreePrintSettings settings;
    settings.bunsho = bunsho;
    TreePrintJob job(*model, 0, model->GetDirDataCount(), settings);
    FakeCanvas canvas;
    EXPECT_FALSE(job.PaginateTo(canvas, RECT{0, 0, 100, 150}, 1000));
    EXPECT_TRUE(job.IsComplete());
    EXPECT_LE(job.GetKnownPages(), 3);
  }
}

TEST(TreePrintPageTest, ColumnsFillOneAfterTheOther) {
  auto model = Flat(12);
  TreePrintSettings settings;
  settings.columns = 2;
  TreePrintJob job(*model, 0, model->GetDirDataCount(), settings);
  FakeCanvas canvas;
  ASSERT_TRUE(job.PrintPage(canvas, kPage, 1, kNow));
  const FakeCanvas::Drawn* first = canvas.Find("top");
  ASSERT_TRUE(first);
  EXPECT_EQ(first->x, 0);
  bool secondColumn = false;
  for (const auto& d : canvas.drawn)
    if (d.x >= 300 && d.text.find("item") != std::string::npos) secondColumn = true;
  EXPECT_TRUE(secondColumn);
}

// Without the bitmap a checked title carries the pane's check-mark text, in titles alone and with
// the texts; the title moves right by the mark's width.
TEST(TreePrintPageTest, ACheckedTitleCarriesTheCheckMarkText) {
  auto model = Outline({{"top", ""}, {"top/done", "body"}, {"top/open", "body"}});
  model->EditDirData(1)->m_nStatus |= 1;
  for (int bunsho : {0, 1}) {
    for (const char* mark : {"", "[x]"}) {
      TreePrintSettings settings;
      settings.bunsho = bunsho;
      if (*mark) settings.checkText = mark;
      const std::string expected = *mark ? mark : "○";
      TreePrintJob job(*model, 0, model->GetDirDataCount(), settings);
      FakeCanvas canvas;
      ASSERT_TRUE(job.PrintPage(canvas, kPage, 1, kNow));
      int marks = 0;
      for (const auto& d : canvas.drawn) marks += d.text == expected;
      EXPECT_EQ(marks, 1) << bunsho << expected;
      const FakeCanvas::Drawn* done = canvas.Find("done");
      const FakeCanvas::Drawn* open = canvas.Find("open");
      ASSERT_TRUE(done && open);
      const int width = static_cast<int>(expected.size()) * 10;
      EXPECT_EQ(done->x - open->x, width) << bunsho << expected;
    }
  }
}

}  // namespace
