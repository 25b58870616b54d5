// The control driven as a user drives it: synthetic key, mouse and clipboard events through its
// window, and the messages a host sends.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/clipbrd.h>
#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/radiobut.h>
#include <wx/dataobj.h>
#include <wx/frame.h>
#include <wx/textctrl.h>

#include <cstring>
#include <memory>
#include <regex>
#include <string>
#include <vector>

#include "control/CTextBuffer.h"
#include "control/EditMessages.h"
#include "control/KeyTable.h"
#include "control/window/EditDialogs.h"
#include "control/window/FindDialogs.h"
#include "control/window/ShiftJisTextData.h"
#include "control/window/WrilaEdit.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/MessageBox.h"
#include "platform/com/TaskMemory.h"
#include "platform/desktop/VirtualKeys.h"
#include "tests/common/TestSupport.h"

namespace {

class EditInteractionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!kesta_test::HasGui()) GTEST_SKIP() << "needs a display";
    frame = new wxFrame(nullptr, wxID_ANY, "host", wxDefaultPosition, wxSize(900, 500));
    edit = std::make_unique<WrilaEdit>();
    edit->CreateControl(frame, wxPoint(0, 0), wxSize(800, 400));
    frame->Show();
  }
  void TearDown() override {
    edit.reset();
    if (frame) frame->Destroy();
  }
  void Load(const std::string& text) { Load(text.c_str()); }
  void Load(const char* text) {
    edit->GetBuffer().SetText(text);
    edit->WindowProc(WM_SETFOCUS, 0, 0);
    edit->JumpTo(0, 0);
  }
  std::string Text() {
    const CRefString text = edit->GetBuffer().GetWholeText();
    return std::string(text.GetString(), static_cast<size_t>(text.GetLength()));
  }
  std::string Selected() {
    const CRefString text = edit->SelectedText(false);
    return std::string(text.GetString(), static_cast<size_t>(text.GetLength()));
  }
  // A key pressed in the control's window: key-down through the key table, then the character.
  void Key(int keyCode, bool shift = false, bool control = false, wxChar unicode = WXK_NONE) {
    wxKeyEvent down(wxEVT_KEY_DOWN);
    down.m_keyCode = keyCode;
    down.m_uniChar = unicode;
    down.m_shiftDown = shift;
    down.m_controlDown = control;
    down.SetEventObject(edit->GetWindow());
    // A key the control handles on key-down produces no character, as in wx itself.
    if (edit->GetWindow()->GetEventHandler()->ProcessEvent(down) || unicode == WXK_NONE) return;
    wxKeyEvent ch(wxEVT_CHAR);
    ch.m_keyCode = unicode;
    ch.m_uniChar = unicode;
    ch.SetEventObject(edit->GetWindow());
    edit->GetWindow()->GetEventHandler()->ProcessEvent(ch);
  }
  void Type(const wchar_t* text) {
    for (const wchar_t* p = text; *p; ++p) Key(*p < 128 ? static_cast<int>(*p) : WXK_NONE, false, false, *p);
  }
  void Mouse(wxEventType type, int column, int row, bool shift = false, bool alt = false, int x = -1) {
    wxMouseEvent event(type);
    event.m_x = x >= 0 ? x : edit->ColumnToX(column) + 1;
    event.m_y = edit->RowToY(row) + 2;
    event.m_shiftDown = shift;
    event.m_altDown = alt;
    event.m_leftDown = type != wxEVT_LEFT_UP;
    event.SetEventObject(edit->GetWindow());
    edit->GetWindow()->GetEventHandler()->ProcessEvent(event);
  }

  wxFrame* frame = nullptr;
  std::unique_ptr<WrilaEdit> edit;
};

}  // namespace

TEST_F(EditInteractionTest, TypedCodesFollowTheTypingRules) {
  Load("ab");
  edit->WindowProc(WM_CHAR, 13, 0);  // a line end, not a CR byte inside the line
  EXPECT_EQ(edit->GetBuffer().GetLineCount(), 2);
  EXPECT_EQ(Text(), "\r\nab");
  edit->WindowProc(WM_CHAR, 10, 0);
  EXPECT_EQ(Text(), "\r\n\r\nab");
  edit->WindowProc(WM_CHAR, 8, 0);
  EXPECT_EQ(Text(), "\r\nab");
  edit->WindowProc(WM_CHAR, 127, 0);  // the Delete key's code is refused
  edit->WindowProc(WM_CHAR, 1, 0);
  EXPECT_EQ(Text(), "\r\nab");

  // A double-byte character typed as two codes is one character and one undo step.
  const int undo = edit->GetBuffer().GetUndoCount();
  edit->WindowProc(WM_CHAR, 0x82, 0);
  EXPECT_EQ(Text(), "\r\nab");  // the lead byte alone waits
  edit->WindowProc(WM_CHAR, 0xA0, 0);
  EXPECT_EQ(Text(), "\r\nあab");
  EXPECT_EQ(edit->GetBuffer().GetUndoCount(), undo + 1);
  edit->WindowProc(WM_UNDO, 0, 0);
  EXPECT_EQ(Text(), "\r\nab");
  // A lone lead byte followed by focus loss types nothing.
  edit->WindowProc(WM_CHAR, 0x82, 0);
  edit->WindowProc(WM_KILLFOCUS, 0, 0);
  edit->WindowProc(WM_CHAR, 'z', 0);
  EXPECT_EQ(Text(), "\r\nzab");
  // Command 0x8071 is a line end as well.
  edit->WindowProc(WM_COMMAND, ID_WRILA_NEWLINE, 0);
  EXPECT_EQ(edit->GetBuffer().GetLineCount(), 3);
}

TEST_F(EditInteractionTest, KeysGoThroughTheKeyTable) {
  Load("abc\r\ndef\r\nghi");
  Key(WXK_RIGHT);
  EXPECT_EQ(edit->m_caretView.x, 1);
  // Shift+Down extends; Left collapses to the selection's start.
  Key(WXK_DOWN, true);
  EXPECT_TRUE(edit->HasSelection());
  EXPECT_EQ(Selected(), "bc\r\nd");
  Key(WXK_DOWN, true);
  EXPECT_EQ(Selected(), "bc\r\ndef\r\ng");
  Key(WXK_LEFT);
  EXPECT_FALSE(edit->HasSelection());
  EXPECT_EQ(edit->m_caretView.x, 1);
  EXPECT_EQ(edit->m_caretView.y, 0);
  // Plain Down from a selection starts from its end.
  Key(WXK_RIGHT, true);
  Key(WXK_DOWN);
  EXPECT_EQ(edit->m_caretView.y, 1);
  EXPECT_EQ(edit->m_caretView.x, 2);
  // Backspace, Ctrl+Z, Enter.
  Key(WXK_BACK);
  EXPECT_EQ(Text(), "abc\r\ndf\r\nghi");
  Key('Z', false, true);
  EXPECT_EQ(Text(), "abc\r\ndef\r\nghi");
  Key(WXK_RETURN, false, false, WXK_RETURN);
  EXPECT_EQ(edit->GetBuffer().GetLineCount(), 4);
  // A character code page 932 cannot hold is refused.
  Type(L"\u00e9");
  EXPECT_EQ(edit->GetBuffer().GetLineCount(), 4);
  EXPECT_EQ(Text(), "abc\r\nde\r\nf\r\nghi");
}

TEST_F(EditInteractionTest, TypingAutoIndentBackspaceAndUndoKeepBytes) {
  edit->m_cust.AutoIndent = 1;
  Load("\tx\r\ny\nz");
  Key(WXK_END);
  Key(WXK_TAB);  // a TAB typed at the end
  Type(L"あ");
  Key(WXK_RETURN, false, false, WXK_RETURN);  // auto-indent copies the leading TAB
  EXPECT_EQ(Text(), "\tx\tあ\r\n\t\r\ny\nz");
  Key(WXK_DOWN);
  Key(WXK_HOME);
  Key(WXK_BACK);  // joins over the CR LF
  EXPECT_EQ(Text(), "\tx\tあ\r\n\ty\nz");
  const std::string edited = Text();
  for (int i = 0; i < 5; ++i) edit->OnCommand(ID_EDIT_UNDO);
  EXPECT_EQ(Text(), "\tx\r\ny\nz");
  for (int i = 0; i < 5; ++i) edit->OnCommand(ID_EDIT_REDO);
  EXPECT_EQ(Text(), edited);
}

TEST_F(EditInteractionTest, MouseMakesStreamLineAndBoxSelections) {
  Load("abcdef\r\nghijkl\r\nmnopqr");
  // A click in the margin selects the row; dragging there adds whole rows.
  Mouse(wxEVT_LEFT_DOWN, 0, 1, false, false, 2);
  EXPECT_EQ(Selected(), "ghijkl\r\n");
  Mouse(wxEVT_MOTION, 0, 0, false, false, 2);
  EXPECT_EQ(Selected(), "abcdef\r\nghijkl\r\n");
  Mouse(wxEVT_LEFT_UP, 0, 0, false, false, 2);
  // Alt-drag from right to left: the box's left edge is the smaller column.
  Mouse(wxEVT_LEFT_DOWN, 4, 0, false, true);
  Mouse(wxEVT_MOTION, 1, 2, false, true);
  Mouse(wxEVT_LEFT_UP, 1, 2, false, true);
  EXPECT_EQ(edit->m_selKind, SEL_BOX);
  EXPECT_EQ(Selected(), "bcd\r\nhij\r\nnop\r\n");
  // A plain drag makes a stream; Shift+click extends it.
  Mouse(wxEVT_LEFT_DOWN, 1, 0);
  Mouse(wxEVT_MOTION, 3, 0);
  Mouse(wxEVT_LEFT_UP, 3, 0);
  EXPECT_EQ(Selected(), "bc");
  Mouse(wxEVT_LEFT_DOWN, 2, 1, true);
  Mouse(wxEVT_LEFT_UP, 2, 1, true);
  EXPECT_EQ(Selected(), "bcdef\r\ngh");
  // A double click selects the word.
  Load("foo bar");
  Mouse(wxEVT_LEFT_DCLICK, 5, 0);
  EXPECT_EQ(Selected(), "bar");
}

TEST_F(EditInteractionTest, StickyModesAndAutoScroll) {
  std::string text;
  for (int i = 0; i < 200; ++i) text += "line\r\n";
  Load(text.c_str());
  edit->OnCommand(0x8050);  // sticky box
  edit->OnCommand(0x8018);
  edit->OnCommand(0x8018);
  edit->OnCommand(0x8016);
  EXPECT_EQ(edit->m_selKind, SEL_BOX);
  EXPECT_EQ(Selected(), "li\r\nli\r\n");
  edit->OnCommand(0x8050);
  EXPECT_FALSE(edit->HasSelection());
  edit->OnCommand(0x8051);  // sticky lines
  edit->OnCommand(0x8016);
  EXPECT_EQ(Selected(), "line\r\nline\r\n");
  edit->OnCommand(0x802D);
  EXPECT_FALSE(edit->HasSelection());
  // The pointer 20 pixels below the window scrolls four rows a tick; inside the band one.
  const int height = edit->GetWindow()->GetClientSize().y;
  edit->AutoScroll(10, height + 20);
  EXPECT_EQ(edit->m_topRow, 4);
  edit->AutoScroll(10, height - 5);
  EXPECT_EQ(edit->m_topRow, 5);
  edit->AutoScroll(10, -3);
  EXPECT_EQ(edit->m_topRow, 3);
}

TEST_F(EditInteractionTest, ClipboardStreamBoxAndAnotherProgramsField) {
  if (!wxTheClipboard->Open()) GTEST_SKIP() << "no clipboard";
  wxTheClipboard->Close();
  Load("日本語abc\r\n12345\r\nxyz");
  edit->OnCommand(0x8016);
  edit->OnCommand(0x8050);
  edit->OnCommand(0x8018);
  edit->OnCommand(0x8018);
  edit->OnCommand(0x8016);
  edit->OnCommand(ID_EDIT_COPY);
  EXPECT_FALSE(edit->m_sticky);
  {
    wxClipboardLocker lock;
    ASSERT_TRUE(wxTheClipboard->IsSupported(wxDataFormat("MSDevColumnSelect")));
    wxTextDataObject plain;
    ASSERT_TRUE(wxTheClipboard->GetData(plain));
    EXPECT_EQ(WxToCP932(plain.GetText()), CString("12\r\nxy\r\n"));
  }
  // A box paste puts each line at the caret's column of successive rows.
  edit->OnCommand(0x802D);
  edit->OnCommand(0x801F);
  edit->OnCommand(ID_EDIT_PASTE);
  // Two lines from the caret's row down (the copy's closing line end adds none): one row is appended.
  EXPECT_EQ(Text(), "日本語abc\r\n12345\r\nxyz12\r\n   xy");

  // Copy here, paste in a text field of another program, and the reverse.
  Load("かなカナ漢字");
  edit->OnCommand(ID_EDIT_SELECT_ALL);
  edit->OnCommand(ID_EDIT_CUT);
  EXPECT_EQ(Text(), "");
  auto* field = new wxTextCtrl(frame, wxID_ANY, "", wxPoint(0, 410), wxSize(300, 30));
  field->Paste();
  EXPECT_EQ(WxToCP932(field->GetValue()), CString("かなカナ漢字"));
  field->SetValue(CP932ToWx("外から\r\nの文"));
  field->SelectAll();
  field->Copy();
  edit->OnCommand(ID_EDIT_PASTE);
  EXPECT_EQ(Text(), "外から\r\nの文");
  EXPECT_EQ(edit->GetBuffer().GetLineCount(), 2);
  field->Destroy();
}

TEST_F(EditInteractionTest, DropsInsertMoveAndIgnoreTheirOwnSelection) {
  Load("abcdef");
  edit->OnCommand(0x8020);
  edit->OnCommand(0x8020);  // "ab" selected
  edit->m_dragSource = true;
  const int undo = edit->GetBuffer().GetUndoCount();
  // Onto itself: nothing changes and no undo step is left.
  EXPECT_FALSE(edit->DropText("ab", true, edit->ColumnToX(1) + 1, edit->RowToY(0) + 2));
  EXPECT_EQ(Text(), "abcdef");
  EXPECT_EQ(edit->GetBuffer().GetUndoCount(), undo);
  EXPECT_FALSE(edit->HasSelection());
  // A move of the own selection to a place after it on the same row; one undo restores it.
  edit->OnCommand(0x801C);
  edit->OnCommand(0x8020);
  edit->OnCommand(0x8020);
  edit->m_dragSource = true;
  EXPECT_EQ(edit->DragHover(false, false, edit->ColumnToX(4) + 1, edit->RowToY(0) + 2), 2);
  EXPECT_TRUE(edit->DropText("ab", true, edit->ColumnToX(4) + 1, edit->RowToY(0) + 2));
  EXPECT_EQ(Text(), "cdabef");
  EXPECT_EQ(Selected(), "ab");
  edit->OnCommand(ID_EDIT_UNDO);
  EXPECT_EQ(Text(), "abcdef");
  // Text from elsewhere is copied in; NUL bytes become spaces.
  edit->m_dragSource = false;
  EXPECT_EQ(edit->DragHover(false, false, 0, 0), 1);
  EXPECT_TRUE(edit->DropText(CRefString("x\0y", 3), false, edit->ColumnToX(6) + 1, edit->RowToY(0) + 2));
  EXPECT_EQ(Text(), "abcdefx y");
  edit->m_readOnly = true;
  EXPECT_EQ(edit->DragHover(false, true, 0, 0), 0);
}

// A character without a Shift JIS form becomes "?"; the user is told which ones, once, before the
// text goes in, and the rest goes in as it would have.
TEST_F(EditInteractionTest, CharactersWithoutShiftJisFormAreToldBeforeTheyGoIn) {
  if (!wxTheClipboard->Open()) GTEST_SKIP() << "no clipboard";
  wxTheClipboard->Close();
  edit->m_appName = u"kesta32";
  std::vector<std::string> textWhenTold;
  ScopedMessageBoxHook boxes([&](const MessageBoxCall&) {
    textWhenTold.push_back(Text());
    return IDOK;
  });
  Load("[]");
  edit->JumpTo(1, 0);
  {
    wxClipboardLocker lock;
    ASSERT_TRUE(!!lock);
    wxTheClipboard->SetData(new wxTextDataObject(wxString(L"\U00020BB7\u91CE\U00020BB7\U0001F600")));
  }
  edit->OnCommand(ID_EDIT_PASTE);
  EXPECT_EQ(Text(), "[?野??]");
  ASSERT_EQ(boxes.Calls().size(), 1u);
  EXPECT_EQ(textWhenTold[0], "[]");
  EXPECT_EQ(boxes.Calls()[0].caption, "kesta32");
  EXPECT_NE(boxes.Calls()[0].textUTF8.find("\xF0\xA0\xAE\xB7 (U+20BB7)"), std::string::npos);
  EXPECT_NE(boxes.Calls()[0].textUTF8.find("\xF0\x9F\x98\x80 (U+1F600)"), std::string::npos);

  // A drop from another program the same way; text that Shift JIS holds asks nothing.
  edit->m_dragSource = false;
  EXPECT_TRUE(edit->DropDesktopText(wxString(L"\u00E9x"), false, edit->ColumnToX(0) + 1, edit->RowToY(0) + 2));
  EXPECT_EQ(Text(), "?x[?野??]");
  ASSERT_EQ(boxes.Calls().size(), 2u);
  EXPECT_EQ(textWhenTold[1], "[?野??]");
  EXPECT_TRUE(edit->DropDesktopText(CP932ToWx("全角"), false, edit->ColumnToX(0) + 1, edit->RowToY(0) + 2));
  EXPECT_EQ(boxes.Calls().size(), 2u);
  // A read-only control takes nothing, and so tells nothing.
  edit->m_readOnly = true;
  EXPECT_FALSE(edit->DropDesktopText(wxString(L"\U0001F600"), false, 0, 0));
  EXPECT_EQ(boxes.Calls().size(), 2u);
}

TEST_F(EditInteractionTest, EditingCommands) {
  ScopedMessageBoxHook hook;
  Load("ｳﾞｧ abc");
  edit->OnCommand(ID_EDIT_SELECT_ALL);
  edit->OnCommand(0x8043);
  EXPECT_EQ(Text(), "ヴァ　ａｂｃ");
  EXPECT_EQ(Selected(), "ヴァ　ａｂｃ");
  edit->OnCommand(0x8042);
  EXPECT_EQ(Text(), "ｳﾞｧ abc");
  edit->OnCommand(0x8011);
  EXPECT_EQ(Text(), "ｳﾞｧ ABC");
  // The character-code box for "あ".
  Load("あ");
  edit->OnCommand(0x8044);
  ASSERT_EQ(hook.Calls().size(), 1u);
  EXPECT_EQ(hook.Calls()[0].text, CString("あ\nShiftJIS: 82A0\nJIS: 2422"));
  // Lines above and below, the row delete, and read-only refusing them.
  Load("one\r\ntwo");
  edit->OnCommand(0x8056);
  EXPECT_EQ(Text(), "one\r\n\r\ntwo");
  EXPECT_EQ(edit->m_caretLogical.y, 1);
  edit->OnCommand(0x802F);
  EXPECT_EQ(Text(), "one\r\ntwo");
  edit->OnCommand(0x8055);
  EXPECT_EQ(Text(), "one\r\n\r\ntwo");
  edit->m_readOnly = true;
  edit->OnCommand(0x802F);
  edit->OnCommand(ID_EDIT_UNDO);
  EXPECT_EQ(Text(), "one\r\n\r\ntwo");
  edit->m_readOnly = false;
  // TAB over a selection of two rows indents both and keeps them selected.
  Load("a\r\nb\r\nc");
  edit->OnCommand(0x8023);
  edit->OnCommand(0x8023);  // to the start of "c": that line is not part of it
  edit->OnCommand(0x802A);
  EXPECT_EQ(Text(), "\ta\r\n\tb\r\nc");
  edit->OnCommand(0x802B);
  EXPECT_EQ(Text(), "a\r\nb\r\nc");
}

TEST_F(EditInteractionTest, FindAndReplace) {
  ScopedMessageBoxHook hook;
  Load("a ab Ab\r\naaa");
  EXPECT_TRUE(edit->FindText("ab", true, false, false));
  EXPECT_EQ(Selected(), "ab");
  EXPECT_EQ(edit->m_caretView.x, 2);
  EXPECT_TRUE(edit->FindText("ab", true, false, false));
  EXPECT_EQ(edit->m_caretView.x, 5);  // the capital "Ab"
  EXPECT_FALSE(edit->FindText("ab", true, true, false));
  ASSERT_EQ(hook.Calls().size(), 1u);
  EXPECT_EQ(hook.Calls()[0].text, CString("現在位置より下には ab は見つかりませんでした"));
  // Replace next on a selected hit replaces it and selects the next hit.
  edit->JumpTo(0, 0);
  EXPECT_TRUE(edit->FindText("ab", true, true, true));
  EXPECT_TRUE(edit->ReplaceNext("ab", "X", false, true));
  EXPECT_EQ(Text(), "a X Ab\r\naaa");
  EXPECT_EQ(Selected(), "Ab");
  // Replace all through message 0x823 is one undo step; quiet and without a hit shows no box.
  const char both[] = "a\0aa";
  EXPECT_EQ(edit->WindowProc(WM_WRILA_REPLACE, 0x10 | 0x2, reinterpret_cast<LPARAM>(both)), 1);
  EXPECT_EQ(Text(), "aa X Ab\r\naaaaaa");
  edit->OnCommand(ID_EDIT_UNDO);
  EXPECT_EQ(Text(), "a X Ab\r\naaa");
  const std::size_t boxes = hook.Calls().size();
  const char none[] = "zz\0y";
  EXPECT_EQ(edit->WindowProc(WM_WRILA_REPLACE, 0x20, reinterpret_cast<LPARAM>(none)), 0);
  EXPECT_EQ(hook.Calls().size(), boxes);
  EXPECT_EQ(edit->WindowProc(WM_WRILA_REPLACE, 0x10, reinterpret_cast<LPARAM>(none)), 0);
  ASSERT_EQ(hook.Calls().size(), boxes + 1);
  EXPECT_EQ(hook.Calls().back().text, CString("すべての文章に zz は見つかりませんでした"));
  // Find next with an empty history does nothing; the word at the caret fills it.
  edit->m_regKey = u"Software\\Torvik\\WrilaFindTest";
  edit->JumpTo(0, 1);
  edit->OnCommand(ID_EDIT_REPEAT);
  EXPECT_FALSE(edit->HasSelection());
  edit->JumpTo(2, 0);
  edit->OnCommand(0x8052);
  EXPECT_EQ(Selected(), "X");  // the word itself; it is found nowhere else
  EXPECT_EQ(hook.Calls().back().text, CString("現在位置より下には X は見つかりませんでした"));
  edit->JumpTo(0, 0);
  edit->OnCommand(ID_EDIT_REPEAT);
  EXPECT_EQ(Selected(), "X");
}

TEST_F(EditInteractionTest, FindDialogSearchesAndStoresItsHistory) {
  ScopedMessageBoxHook hook;
  edit->m_regKey = u"Software\\Torvik\\WrilaDialogTest";
  Load("one two one");
  wxTheApp->CallAfter([this] {
    auto* dialog = static_cast<CFindReplaceDialog*>(edit->m_findDialog);
    ASSERT_NE(dialog, nullptr);
    static_cast<wxComboBox*>(dialog->FindWindow(IDC_FIND_TEXT))->SetValue("one");
    wxCommandEvent press(wxEVT_BUTTON, IDC_FIND_DOWN);
    dialog->GetEventHandler()->ProcessEvent(press);
    dialog->GetEventHandler()->ProcessEvent(press);
    dialog->EndModal(wxID_CANCEL);
  });
  edit->OnCommand(ID_EDIT_FIND);
  EXPECT_EQ(edit->m_findDialog, nullptr);
  EXPECT_EQ(edit->m_caretView.x, 8);
  EXPECT_TRUE(hook.Calls().empty());
  // The stored history serves find next.
  edit->JumpTo(0, 0);
  edit->OnCommand(ID_EDIT_REPEAT);
  EXPECT_EQ(edit->m_caretView.x, 0);
  EXPECT_EQ(Selected(), "one");
}

TEST_F(EditInteractionTest, OverwriteAndInputMethodCommits) {
  Load("abc\r\nde");
  edit->OnCommand(ID_WRILA_OVERWRITE);
  edit->WindowProc(WM_CHAR, 'X', 0);
  EXPECT_EQ(Text(), "Xbc\r\nde");
  edit->WindowProc(WM_CHAR, 13, 0);  // to the next row, nothing added
  EXPECT_EQ(Text(), "Xbc\r\nde");
  EXPECT_EQ(edit->m_caretView.y, 1);
  edit->OnCommand(0x805C);
  edit->WindowProc(WM_CHAR, 'f', 0);  // at a line's end it appends
  edit->WindowProc(WM_CHAR, 13, 0);   // on the last row a line end is added
  EXPECT_EQ(Text(), "Xbc\r\ndef\r\n");
  edit->OnCommand(ID_WRILA_OVERWRITE);
  edit->OnCommand(ID_EDIT_UNDO);
  edit->OnCommand(ID_EDIT_UNDO);
  edit->OnCommand(ID_EDIT_UNDO);
  EXPECT_EQ(Text(), "abc\r\nde");

  // A committed string is one edit, typed after it or not: one undo step takes it back.
  Load("");
  edit->WindowProc(WM_WRILA_TYPETEXT, 0, reinterpret_cast<LPARAM>("日本語"));
  Type(L"x");
  EXPECT_EQ(Text(), "日本語x");
  edit->OnCommand(ID_EDIT_UNDO);
  EXPECT_EQ(Text(), "日本語");
  edit->OnCommand(ID_EDIT_UNDO);
  EXPECT_EQ(Text(), "");

  // Text handed over in a task-allocator block goes in the same way; the control frees the block.
  char* block = static_cast<char*>(CoTaskMemAlloc(7));
  std::strcpy(block, "日本");
  edit->WindowProc(WM_WRILA_INSERTGLOBAL, 0, reinterpret_cast<LPARAM>(block));
  EXPECT_EQ(Text(), "日本");
  edit->WindowProc(WM_WRILA_INSERTGLOBAL, 0, 0);
  EXPECT_EQ(Text(), "日本");
}

namespace {

// Runs `answer` on the dialog of type T once it is showing modally, then ends it with `result`.
template <typename T, typename F>
void AnswerDialog(F answer, int result) {
  wxTheApp->CallAfter([answer, result] {
    for (wxWindow* window : wxTopLevelWindows) {
      if (auto* dialog = dynamic_cast<T*>(window)) {
        answer(*dialog);
        dialog->EndModal(result);
        return;
      }
    }
    ADD_FAILURE() << "no dialog";
  });
}

}  // namespace

TEST_F(EditInteractionTest, JumpAndConversionDialogs) {
  Load("abc\r\n" + std::string(200, 'x') + "\r\nlast");
  edit->OnCommand(ID_WRILA_WRAPCOLUMNS);
  ASSERT_GT(edit->GetBuffer().GetTotalRows(), 3);
  // Logical line 3 is the text's third line, below the wrapped second one.
  AnswerDialog<CJumpDialog>([](CJumpDialog& d) { static_cast<wxTextCtrl*>(d.FindWindow(IDC_JUMP_LINE))->SetValue("3"); },
                            wxID_OK);
  edit->OnCommand(0x8045);
  EXPECT_EQ(edit->m_caretLogical.y, 2);
  // A view row, unchecked; a number past the end only beeps.
  AnswerDialog<CJumpDialog>([](CJumpDialog& d) {
    static_cast<wxTextCtrl*>(d.FindWindow(IDC_JUMP_LINE))->SetValue("3");
    static_cast<wxCheckBox*>(d.FindWindow(IDC_JUMP_LOGICAL))->SetValue(false);
  }, wxID_OK);
  edit->OnCommand(0x8045);
  EXPECT_EQ(edit->m_caretView.y, 2);
  EXPECT_EQ(edit->m_caretLogical.y, 1);
  AnswerDialog<CJumpDialog>([](CJumpDialog& d) { static_cast<wxTextCtrl*>(d.FindWindow(IDC_JUMP_LINE))->SetValue("99"); },
                            wxID_OK);
  edit->OnCommand(0x8045);
  EXPECT_EQ(edit->m_caretView.y, 2);

  // The whole text to half width, katakana only; the choice is kept for the next time.
  edit->OnCommand(ID_WRILA_WRAPNONE);
  Load("アイ１Ａ　");
  AnswerDialog<CConvertDialog>([](CConvertDialog& d) {
    static_cast<wxCheckBox*>(d.FindWindow(IDC_CONVERT_KATAKANA))->SetValue(true);
    static_cast<wxRadioButton*>(d.FindWindow(IDC_CONVERT_TOHALF))->SetValue(true);
    EXPECT_FALSE(d.FindWindow(IDC_CONVERT_SELECTION)->IsEnabled());
  }, wxID_OK);
  edit->OnCommand(0x804A);
  EXPECT_EQ(Text(), "ｱｲ１Ａ　");
  EXPECT_FALSE(edit->HasSelection());
  AnswerDialog<CConvertDialog>([](CConvertDialog& d) {
    EXPECT_TRUE(static_cast<wxCheckBox*>(d.FindWindow(IDC_CONVERT_KATAKANA))->GetValue());
    EXPECT_FALSE(static_cast<wxRadioButton*>(d.FindWindow(IDC_CONVERT_TOFULL))->GetValue());
  }, wxID_CANCEL);
  edit->OnCommand(0x804A);
  EXPECT_EQ(Text(), "ｱｲ１Ａ　");
}

TEST(ShiftJisTextData, HandsOutACopyEachTimeItIsAsked) {
  ShiftJisTextData data(CRefString("日本\r\nabc"));
  const std::u8string expected = u8"日本\r\nabc";
  const std::string utf8(expected.begin(), expected.end());
  ASSERT_EQ(data.GetDataSize(), utf8.size());
  for (int i = 0; i < 2; ++i) {
    std::string out(data.GetDataSize(), '\0');
    ASSERT_TRUE(data.GetDataHere(out.data()));
    EXPECT_EQ(out, utf8);
  }
}

TEST_F(EditInteractionTest, DateAndTimeInTheProgramsOwnFormat) {
  Load("");
  edit->OnCommand(0x804C);
  const std::regex dateTime("\\d{4}/\\d{2}/\\d{2} \\d{1,2}:\\d{2}");
  EXPECT_TRUE(std::regex_match(Text(), dateTime)) << Text();
  Load("");
  edit->OnCommand(0x800B);
  EXPECT_TRUE(std::regex_match(Text(), std::regex("\\d{1,2}:\\d{2} \\d{4}/\\d{2}/\\d{2}"))) << Text();
  // Read-only: nothing, and no beep either.
  Load("");
  edit->m_readOnly = true;
  edit->OnCommand(0x804C);
  EXPECT_EQ(Text(), "");
}

TEST_F(EditInteractionTest, ContainerAsksTheControlFirstForKeys) {
  Load("abc");
  // A bound key for the control's window runs its command; the same key elsewhere is the container's.
  EXPECT_TRUE(edit->PreTranslateKey(WM_KEYDOWN, VK_DELETE, edit->GetWindow()));
  EXPECT_EQ(Text(), "bc");
  EXPECT_FALSE(edit->PreTranslateKey(WM_KEYDOWN, VK_DELETE, frame));
  EXPECT_FALSE(edit->PreTranslateKey(WM_KEYDOWN, 'Q', edit->GetWindow()));
  EXPECT_EQ(Text(), "bc");
  // A typed character goes in at once, wherever the focus is.
  EXPECT_TRUE(edit->PreTranslateKey(WM_CHAR, 'x', frame));
  EXPECT_EQ(Text(), "xbc");
  // The open find dialog keeps its keys.
  AnswerDialog<CFindReplaceDialog>(
      [this](CFindReplaceDialog& dialog) {
        EXPECT_TRUE(edit->PreTranslateKey(WM_KEYDOWN, VK_DELETE, dialog.GetChildren().front()));
      },
      wxID_CANCEL);
  edit->OnCommand(ID_EDIT_FIND);
  EXPECT_EQ(Text(), "xbc");
  // Without a window the control takes nothing.
  edit->DestroyControl();
  EXPECT_FALSE(edit->PreTranslateKey(WM_CHAR, 'x', frame));
}
