#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/CKeycustArray.h"
#include "app/ProgramDialogs.h"

#include "platform/base/CTime.h"
#include "platform/desktop/MessageBox.h"
#include "resources/CommandIds.h"
#include "tests/shell/textarea/TextPaneFixture.h"
#include "textarea/TextPaneTexts.h"
#include "textarea/TextPaneTools.h"

namespace {

using textpane_test::TextPaneTest;

class EditCommandsTest : public TextPaneTest {
 protected:
  // The second item is current and its text in the control replaced by text.
  CKestavonDoc* WithText(const char* text, const std::function<void(ATREE&)>& more = nullptr) {
    CKestavonDoc* doc = OpenTexts(more);
    Down(doc);
    EditOf(doc).SetLongText(text);
    return doc;
  }
  static long Caret(CKestavonDoc* doc) { return EditOf(doc).GetSelStart(); }
};

TEST_F(EditCommandsTest, FootnoteMarksGoAroundTheSelectionOrTheCaret) {
  CKestavonDoc* doc = WithText("abcdef");
  EditOf(doc).SetSel(3, 3);
  ASSERT_TRUE(Command(doc, ID_EDIT_FOOTNOTE));
  EXPECT_EQ(Text(doc), "abc<<<>>> def");
  EXPECT_EQ(Caret(doc), 6) << "an empty selection leaves the caret between the marks";
  EXPECT_EQ(EditOf(doc).GetSelLength(), 0);

  EditOf(doc).SetLongText("abcdef");
  EditOf(doc).SetSel(1, 3);
  Command(doc, ID_EDIT_FOOTNOTE);
  EXPECT_EQ(Text(doc), "a<<<bc>>> def");
  EXPECT_EQ(Caret(doc), 10) << "a selection leaves the caret after the end mark";
}

TEST_F(EditCommandsTest, MarkupCommandsReplaceTheSelection) {
  CKestavonDoc* doc = WithText("x<a>&y");
  EditOf(doc).SetSel(1, 5);
  Command(doc, ID_EDIT_ESCAPE_TAGS);
  EXPECT_EQ(Text(doc), "x&lt;a&gt;&y");

  EditOf(doc).SetLongText("ab");
  EditOf(doc).SetSel(1, 1);
  Command(doc, ID_EDIT_ENCLOSE_BLOCK);
  EXPECT_EQ(Text(doc), "a>||\r\n\r\n||<b");
}

TEST_F(EditCommandsTest, SortingKeepsTheFinalLineEndWhereItWas) {
  struct Case {
    const char* text;
    long start, end;
    int command;
    const char* sorted;
  } cases[] = {
      {"c\r\nb\r\na\r\n", 0, 9, ID_EDIT_SORT_LINES_ASC, "a\r\nb\r\nc\r\n"},
      {"c\r\na\r\nb\r\n", 0, 9, ID_EDIT_SORT_LINES_DESC, "c\r\nb\r\na\r\n"},
      // The text's last line has no line end: the block gets none either.
      {"c\r\nb\r\na", 0, 7, ID_EDIT_SORT_LINES_ASC, "a\r\nb\r\nc"},
      {"b\r\na\r\nc", 0, 7, ID_EDIT_SORT_LINES_DESC, "c\r\nb\r\na"},
      // Ending at the start of a line leaves that line out.
      {"c\r\nb\r\na\r\n", 0, 6, ID_EDIT_SORT_LINES_ASC, "b\r\nc\r\na\r\n"},
      // Starting inside a line takes that whole line; an empty first line stays above.
      {"zc\r\nb\r\n", 1, 6, ID_EDIT_SORT_LINES_ASC, "b\r\nzc\r\n"},
      {"\r\nc\r\nb\r\n", 0, 8, ID_EDIT_SORT_LINES_ASC, "\r\nb\r\nc\r\n"},
  };
  CKestavonDoc* doc = OpenTexts();
  Down(doc);
  for (const Case& c : cases) {
    EditOf(doc).SetLongText(c.text);
    EditOf(doc).SetSel(c.start, c.end);
    ScopedMessageBoxHook boxes(IDOK);
    Command(doc, c.command);
    EXPECT_EQ(Text(doc), c.sorted) << c.text;
    EXPECT_TRUE(boxes.Calls().empty()) << c.text;
  }
}

TEST_F(EditCommandsTest, SortingOneLineSaysSoAndChangesNothing) {
  CKestavonDoc* doc = WithText("b a\r\nc\r\n");
  EditOf(doc).SetSel(0, 3);
  ScopedMessageBoxHook boxes(IDOK);
  Command(doc, ID_EDIT_SORT_LINES_ASC);
  ASSERT_EQ(boxes.Calls().size(), 1u);
  EXPECT_EQ(boxes.Calls()[0].text, CString("整列する複数行を選択して下さい。"));
  EXPECT_EQ(Text(doc), "b a\r\nc\r\n");
}

TEST_F(EditCommandsTest, TheSelectionOrTheCaretLineNamesTheTree) {
  CKestavonDoc* doc = WithText("第一\r\n第二の行\r\n");
  EditOf(doc).SetSel(6, 6);
  EXPECT_TRUE(TextEnabled(doc, ID_EDIT_SET_TREE_TITLE));
  Command(doc, ID_EDIT_SET_TREE_TITLE);
  EXPECT_EQ(doc->GetTree().GetName(1).str(), "第二の行");
  EXPECT_EQ(Text(doc), "第一\r\n第二の行\r\n") << "the rename keeps the typed text";

  EditOf(doc).SetSel(0, 10);  // across the line end
  Command(doc, ID_EDIT_SET_TREE_TITLE);
  EXPECT_EQ(doc->GetTree().GetName(1).str(), "第一第二");

  EditOf(doc).SetSel(16, 16);  // the empty last line
  EXPECT_FALSE(TextEnabled(doc, ID_EDIT_SET_TREE_TITLE));
}

TEST_F(EditCommandsTest, CaretJumpsAndCutWithTheTitleFollowing) {
  CKestavonDoc* doc = WithText("一行目\r\n二行目\r\n三行目", [](ATREE& tree) { tree.GetProperties().m_bAutoTitle = 1; });
  EditOf(doc).SetSel(4, 4);
  Command(doc, ID_EDIT_GO_LAST);
  EXPECT_EQ(Caret(doc), 16);
  Command(doc, ID_EDIT_GO_FIRST);
  EXPECT_EQ(Caret(doc), 0);

  EditOf(doc).SetSel(0, 8);
  Command(doc, ID_EDIT_CUT);
  EXPECT_EQ(Text(doc), "二行目\r\n三行目");
  EXPECT_EQ(doc->GetTree().GetName(1).str(), "二行目");
  EXPECT_EQ(Caret(doc), 0);
}

TEST_F(EditCommandsTest, TheKeyListNamesTheControlsOwnBindings) {
  CKestavonDoc* doc = OpenTexts();
  CKeycustArray table;
  std::vector<CString> names;
  std::vector<UINT> ids;
  TextOf(doc)->FillControlKeys(table, names, ids);
  ASSERT_EQ(names.size(), 85u);
  ASSERT_EQ(ids.size(), 85u);
  EXPECT_EQ(names[0], CString("カーソルの左を1文字削除 "));
  ASSERT_GT(table.GetSize(), 0);
  // Ctrl+Z undoes in the control.
  EXPECT_EQ(table.LookupCommand('Z', 0, 0, 1), 0xE12Bu);
  for (int i = 0; i < table.GetSize(); ++i)
    EXPECT_NE(std::find(ids.begin(), ids.end(), table.GetAt(i)->m_nCommand), ids.end())
        << "a bound command without a name: " << std::hex << table.GetAt(i)->m_nCommand;
}

TEST_F(EditCommandsTest, TheProgramsPickersAndCalculatorFillTheTextAndTheRestStayOff) {
  CKestavonDoc* doc = WithText("1+2");
  for (int id : {ID_EDIT_INSERT_DATE, ID_EDIT_CALCULATE, ID_EDIT_INSERT_TREE_LINK, ID_EDIT_SPELL_CHECK})
    EXPECT_FALSE(TextEnabled(doc, id)) << "until the program fills them in: " << std::hex << id;

  struct Calculator : ICalculator {
    BOOL Calculate(wxWindow*, const CString& expression, CString& result, int& how) override {
      EXPECT_EQ(expression.str(), "1+2");
      result = "3";
      how = mode;
      return TRUE;
    }
    int mode = 1;
  } calculator;
  struct DatePicker : IDatePicker {
    BOOL PickDate(wxWindow*, CTime& date) override {
      date = CTime(2026, 3, 4, 0, 0, 0);
      return TRUE;
    }
  } datePicker;
  struct TreePicker : ITreePicker {
    BOOL PickTree(wxWindow*, ATREE&, int& item) override {
      item = 2;
      return TRUE;
    }
  } treePicker;
  Seam<ICalculator>::Scope calculatorInstalled(&calculator);
  Seam<IDatePicker>::Scope datePickerInstalled(&datePicker);
  Seam<ITreePicker>::Scope treePickerInstalled(&treePicker);
  EditOf(doc).SetSel(0, 3);
  ASSERT_TRUE(Command(doc, ID_EDIT_CALCULATE));
  EXPECT_EQ(Text(doc), "1+2 3") << "after a digit, a blank keeps the result apart";
  EditOf(doc).SetSel(0, 3);
  calculator.mode = 0;
  Command(doc, ID_EDIT_CALCULATE);
  EXPECT_EQ(Text(doc), "3 3");

  EditOf(doc).SetLongText("");
  Command(doc, ID_EDIT_INSERT_TREE_LINK);
  EXPECT_EQ(Text(doc), "file:///./top/two") << "this outline, then the titles from its top tree down";
  EditOf(doc).SetLongText("");
  Command(doc, ID_EDIT_INSERT_DATE);
  EXPECT_NE(Text(doc).find("03"), std::string::npos) << Text(doc);
  EXPECT_FALSE(TextEnabled(doc, ID_EDIT_SPELL_CHECK));
}

TEST(TextPaneTexts, SearchAddressesFillEachPlaceholderOnce) {
  EXPECT_EQ(FillWebSearchAddress("https://s.example/?q=%s&t=%t", "日本 語", TRUE, "題", "", ""),
            CString("https://s.example/?q=%E6%97%A5%E6%9C%AC%20%E8%AA%9E&t=題"));
  EXPECT_EQ(FillWebSearchAddress("q=%s", "%p", FALSE, "", "", "/a b.kvn"), CString("q=%p"))
      << "a selection is never read for placeholders";
  EXPECT_EQ(FillWebSearchAddress("%f %p", "", TRUE, "", "/x y.txt", "/d.kvn"), CString("\"/x y.txt\" /d.kvn"));
  EXPECT_EQ(FillWebSearchAddress("https://s.example/", "x", TRUE, "t", "", ""), CString("https://s.example/"));
}

TEST(TextPaneTexts, FileNamesAndCounts) {
  EXPECT_EQ(TextFileNameForTitle("a.b"), CString("a.txt"));
  EXPECT_EQ(TextFileNameForTitle("メモ"), CString("メモ.txt"));
  EXPECT_EQ(CountCharacters("日本"), 2);
  EXPECT_EQ(CountCharacters(""), 0);
}

TEST(TextPaneTexts, FileLinksAreQuotedOrEncoded) {
  EXPECT_EQ(MakeFileLinkText("/d/a b.txt", "/d/x.kvn", FALSE, FALSE), CString("\"file:////d/a b.txt\""));
  EXPECT_EQ(MakeFileLinkText("/d/a b.txt", "/d/x.kvn", FALSE, TRUE), CString("file:////d/a%20b.txt"));
  EXPECT_EQ(MakeFileLinkText("/d/name.txt", "/d/x.kvn", TRUE, FALSE), CString("file:///./name.txt"));
  EXPECT_EQ(MakeFileLinkText("/d/sub/n m.txt", "/d/x.kvn", TRUE, TRUE), CString("file:///./sub/n%20m.txt"));
}

}  // namespace
