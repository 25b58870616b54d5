#include "resources/ToolBarImages.h"

#include <wx/dcmemory.h>
#include <wx/image.h>

#include <algorithm>

#include "resources/CommandIds.h"

namespace {

enum class Glyph {
  Page, Folder, Disk, Undo, Redo, Cut, Copy, Paste, Printer, Preview, PrintFormat, Find, FindNext, FindPrev,
  Help, Left, Right, TreeOnly, TextOnly, Both, Bookmark, BookmarkAdd, BookmarkEdit, Grep, SearchList, Chart,
  Outline, AddChild, AddSibling, Modify, Delete, MoveUp, MoveDown, LevelUp, LevelDown, Check, Strike, Link,
  Footnote, CopyAll, HeadingShow, HeadingHide, TextCopy, TextFormat, Mark, MarkNext, MarkPrev, TitleFromText,
  Split, SplitBelow, Join, Tree, Chapter, Generic,
};

struct Entry {
  UINT id;
  Glyph glyph;
};

// Each command that stands on a bar has a picture of its own.
constexpr Entry kGlyphs[] = {
    {ID_FILE_NEW, Glyph::Page},
    {ID_FILE_OPEN, Glyph::Folder},
    {ID_FILE_SAVE, Glyph::Disk},
    {ID_EDIT_UNDO, Glyph::Undo},
    {ID_EDIT_REDO, Glyph::Redo},
    {ID_EDIT_CUT, Glyph::Cut},
    {ID_EDIT_COPY, Glyph::Copy},
    {ID_EDIT_PASTE, Glyph::Paste},
    {ID_FILE_PRINT, Glyph::Printer},
    {ID_FILE_PRINT_PREVIEW, Glyph::Preview},
    {ID_FILE_PRINT_FORMAT, Glyph::PrintFormat},
    {ID_EDIT_FIND, Glyph::Find},
    {ID_EDIT_FIND_NEXT, Glyph::FindNext},
    {ID_EDIT_FIND_PREV, Glyph::FindPrev},
    {ID_WORK_BAR_FIND, Glyph::FindNext},
    {ID_WORK_BAR_FIND_PREV, Glyph::FindPrev},
    {ID_HELP_FINDER, Glyph::Help},
    {ID_WINDOW_PREV, Glyph::Left},
    {ID_WINDOW_NEXT, Glyph::Right},
    {ID_VIEW_BACK, Glyph::Left},
    {ID_VIEW_FORWARD, Glyph::Right},
    {ID_VIEW_TREE_ONLY, Glyph::TreeOnly},
    {ID_VIEW_TEXT_ONLY, Glyph::TextOnly},
    {ID_VIEW_BOTH, Glyph::Both},
    {ID_WORK_BOOKMARK_BAR, Glyph::Bookmark},
    {ID_FILE_BOOKMARK_ADD, Glyph::BookmarkAdd},
    {ID_FILE_BOOKMARK_EDIT, Glyph::BookmarkEdit},
    {ID_EDIT_GREP, Glyph::Grep},
    {ID_WORK_BAR_GREP, Glyph::Grep},
    {ID_EDIT_SEARCH_LIST, Glyph::SearchList},
    {ID_VIEW_CHART, Glyph::Chart},
    {ID_VIEW_OUTLINE, Glyph::Outline},
    {ID_TREE_ADD_CHILD, Glyph::AddChild},
    {ID_TREE_ADD_SIBLING, Glyph::AddSibling},
    {ID_TREE_MODIFY, Glyph::Modify},
    {ID_TREE_DELETE, Glyph::Delete},
    {ID_TREE_MOVE_UP, Glyph::MoveUp},
    {ID_TREE_MOVE_DOWN, Glyph::MoveDown},
    {ID_TREE_LEVEL_UP, Glyph::LevelUp},
    {ID_TREE_LEVEL_DOWN, Glyph::LevelDown},
    {ID_TREE_CHECK, Glyph::Check},
    {ID_TREE_STRIKE, Glyph::Strike},
    {ID_VIEW_OPEN_LINK, Glyph::Link},
    {ID_EDIT_FOOTNOTE, Glyph::Footnote},
    {ID_EDIT_COPY_ALL_TEXT, Glyph::CopyAll},
    {ID_VIEW_HEADING_SHOW, Glyph::HeadingShow},
    {ID_VIEW_HEADING_HIDE, Glyph::HeadingHide},
    {ID_FILE_TEXT_COPY, Glyph::TextCopy},
    {ID_FILE_TEXT_OUTPUT_FORMAT, Glyph::TextFormat},
    {ID_MARK_TOGGLE, Glyph::Mark},
    {ID_MARK_NEXT, Glyph::MarkNext},
    {ID_MARK_PREV, Glyph::MarkPrev},
    {ID_EDIT_SET_TREE_TITLE, Glyph::TitleFromText},
    {ID_TREE_SPLIT, Glyph::Split},
    {ID_TREE_SPLIT_BELOW, Glyph::SplitBelow},
    {ID_TREE_JOIN, Glyph::Join},
    {ID_VIEW_TREE, Glyph::Tree},
    {ID_VIEW_CHAPTER, Glyph::Chapter},
};

Glyph GlyphOf(UINT id) {
  for (const Entry& entry : kGlyphs)
    if (entry.id == id) return entry.glyph;
  return Glyph::Generic;
}

const wxColour kInk(40, 40, 40);
const wxColour kPaper(255, 255, 255);
const wxColour kBlue(40, 90, 200);
const wxColour kYellow(240, 200, 60);
const wxColour kRed(200, 50, 50);
const wxColour kGreen(40, 150, 70);

void Arrow(wxDC& dc, int dx, int dy, const wxColour& colour) {
  dc.SetPen(wxPen(colour));
  dc.SetBrush(wxBrush(colour));
  // A head pointing along (dx, dy) with a short shaft behind it, centred in the cell.
  const wxPoint c(8, 8);
  const wxPoint tip = c + wxPoint(dx * 6, dy * 6);
  const wxPoint side1 = c + wxPoint(-dy * 5, dx * 5);
  const wxPoint side2 = c + wxPoint(dy * 5, -dx * 5);
  const wxPoint head[] = {tip, side1, side2};
  dc.DrawPolygon(3, head);
  dc.DrawRectangle(wxRect(c - wxPoint(dx * 6, dy * 6) + wxPoint(-2 * (dy != 0), -2 * (dx != 0)),
                          wxSize(dx != 0 ? 6 : 5, dy != 0 ? 6 : 5)));
}

void PageShape(wxDC& dc, int x, int y, int w, int h) {
  dc.SetPen(wxPen(kInk));
  dc.SetBrush(wxBrush(kPaper));
  dc.DrawRectangle(x, y, w, h);
}

void TextLines(wxDC& dc, int x, int y, int w, int count) {
  dc.SetPen(wxPen(kBlue));
  for (int i = 0; i < count; ++i) dc.DrawLine(x, y + i * 2, x + w, y + i * 2);
}

void Magnifier(wxDC& dc, int x, int y) {
  dc.SetPen(wxPen(kInk, 2));
  dc.SetBrush(wxBrush(wxColour(200, 230, 255)));
  dc.DrawCircle(x + 4, y + 4, 4);
  dc.DrawLine(x + 7, y + 7, x + 11, y + 11);
}

void Star(wxDC& dc, const wxColour& colour) {
  dc.SetPen(wxPen(kInk));
  dc.SetBrush(wxBrush(colour));
  const wxPoint points[] = {{8, 1}, {10, 6}, {15, 6}, {11, 9}, {13, 15}, {8, 11}, {3, 15}, {5, 9}, {1, 6}, {6, 6}};
  dc.DrawPolygon(10, points);
}

void TreeRows(wxDC& dc, int x, int y) {
  dc.SetPen(wxPen(kInk));
  dc.DrawLine(x + 1, y, x + 1, y + 10);
  for (int i = 0; i < 3; ++i) {
    dc.DrawLine(x + 1, y + 2 + i * 4, x + 4, y + 2 + i * 4);
    dc.SetBrush(wxBrush(kYellow));
    dc.DrawRectangle(x + 4, y + i * 4, 4, 4);
  }
}

void Label(wxDC& dc, const char* text, const wxColour& colour, int x, int y) {
  dc.SetTextForeground(colour);
  dc.SetFont(wxFont(wxFontInfo(7).Bold()));
  dc.DrawText(text, x, y);
}

void Block(wxDC& dc, int x, int y, int w, int h, const wxColour& fill) {
  dc.SetPen(wxPen(kInk));
  dc.SetBrush(wxBrush(fill));
  dc.DrawRectangle(x, y, w, h);
}

void Plus(wxDC& dc, int x, int y, const wxColour& colour) {
  dc.SetPen(wxPen(colour, 2));
  dc.DrawLine(x, y + 3, x + 7, y + 3);
  dc.DrawLine(x + 3, y, x + 3, y + 7);
}

void Draw(wxDC& dc, UINT id) {
  switch (GlyphOf(id)) {
    case Glyph::Page:
      PageShape(dc, 3, 1, 10, 14);
      break;
    case Glyph::Folder: {
      dc.SetPen(wxPen(kInk));
      dc.SetBrush(wxBrush(kYellow));
      const wxPoint body[] = {{1, 4}, {6, 4}, {7, 5}, {14, 5}, {14, 14}, {1, 14}};
      dc.DrawPolygon(6, body);
      break;
    }
    case Glyph::Disk:
      Block(dc, 2, 2, 12, 12, kBlue);
      dc.SetBrush(wxBrush(kPaper));
      dc.DrawRectangle(4, 2, 8, 5);
      dc.DrawRectangle(5, 10, 6, 4);
      break;
    case Glyph::Undo:
      Arrow(dc, -1, 0, kBlue);
      break;
    case Glyph::Redo:
      Arrow(dc, 1, 0, kBlue);
      break;
    case Glyph::Left:
      Arrow(dc, -1, 0, kGreen);
      break;
    case Glyph::Right:
      Arrow(dc, 1, 0, kGreen);
      break;
    case Glyph::Cut:
      dc.SetPen(wxPen(kInk, 2));
      dc.DrawLine(4, 1, 10, 11);
      dc.DrawLine(12, 1, 6, 11);
      dc.SetBrush(*wxTRANSPARENT_BRUSH);
      dc.SetPen(wxPen(kRed, 2));
      dc.DrawCircle(4, 12, 2);
      dc.DrawCircle(12, 12, 2);
      break;
    case Glyph::Copy:
      PageShape(dc, 1, 1, 9, 10);
      PageShape(dc, 6, 5, 9, 10);
      TextLines(dc, 8, 8, 5, 3);
      break;
    case Glyph::CopyAll:
      PageShape(dc, 1, 1, 9, 10);
      PageShape(dc, 6, 5, 9, 10);
      dc.SetBrush(wxBrush(kBlue));
      dc.SetPen(wxPen(kBlue));
      dc.DrawRectangle(8, 7, 5, 6);
      break;
    case Glyph::Paste:
      Block(dc, 2, 2, 10, 13, wxColour(170, 120, 60));
      PageShape(dc, 7, 6, 8, 9);
      TextLines(dc, 9, 9, 4, 3);
      break;
    case Glyph::Printer:
      PageShape(dc, 4, 1, 8, 6);
      Block(dc, 1, 6, 14, 6, wxColour(150, 150, 150));
      PageShape(dc, 4, 10, 8, 5);
      break;
    case Glyph::Preview:
      PageShape(dc, 1, 1, 10, 13);
      Magnifier(dc, 5, 5);
      break;
    case Glyph::PrintFormat:
      PageShape(dc, 2, 1, 12, 14);
      dc.SetPen(wxPen(kRed));
      dc.SetBrush(*wxTRANSPARENT_BRUSH);
      dc.DrawRectangle(4, 3, 8, 10);
      break;
    case Glyph::Find:
      Magnifier(dc, 2, 2);
      break;
    case Glyph::FindNext:
      Magnifier(dc, 1, 1);
      Arrow(dc, 0, 1, kGreen);
      break;
    case Glyph::FindPrev:
      Magnifier(dc, 1, 1);
      Arrow(dc, 0, -1, kGreen);
      break;
    case Glyph::Help:
      dc.SetPen(wxPen(kBlue));
      dc.SetBrush(wxBrush(kBlue));
      dc.DrawCircle(8, 8, 7);
      dc.SetTextForeground(kPaper);
      dc.SetFont(wxFont(wxFontInfo(9).Bold()));
      dc.DrawLabel("?", wxRect(0, 0, 16, 16), wxALIGN_CENTER);
      break;
    case Glyph::TreeOnly:
      PageShape(dc, 1, 1, 14, 14);
      TreeRows(dc, 3, 2);
      break;
    case Glyph::TextOnly:
      PageShape(dc, 1, 1, 14, 14);
      TextLines(dc, 3, 4, 10, 5);
      break;
    case Glyph::Both:
      PageShape(dc, 1, 1, 14, 14);
      TreeRows(dc, 2, 2);
      dc.SetPen(wxPen(kInk));
      dc.DrawLine(8, 1, 8, 15);
      TextLines(dc, 10, 4, 3, 5);
      break;
    case Glyph::Bookmark:
      Star(dc, kYellow);
      break;
    case Glyph::BookmarkAdd:
      Star(dc, kYellow);
      Plus(dc, 9, 9, kGreen);
      break;
    case Glyph::BookmarkEdit:
      Star(dc, wxColour(250, 230, 160));
      dc.SetPen(wxPen(kRed, 2));
      dc.DrawLine(9, 15, 15, 9);
      break;
    case Glyph::Grep:
      Block(dc, 1, 4, 10, 8, kYellow);
      Magnifier(dc, 5, 4);
      break;
    case Glyph::SearchList:
      PageShape(dc, 1, 1, 10, 14);
      TextLines(dc, 3, 4, 6, 5);
      Magnifier(dc, 6, 6);
      break;
    case Glyph::Chart:
      Block(dc, 5, 1, 6, 4, kYellow);
      Block(dc, 1, 11, 5, 4, kYellow);
      Block(dc, 10, 11, 5, 4, kYellow);
      dc.DrawLine(8, 5, 8, 8);
      dc.DrawLine(3, 8, 13, 8);
      dc.DrawLine(3, 8, 3, 11);
      dc.DrawLine(13, 8, 13, 11);
      break;
    case Glyph::Outline:
      TreeRows(dc, 3, 2);
      break;
    case Glyph::Tree:
      TreeRows(dc, 1, 2);
      TreeRows(dc, 8, 2);
      break;
    case Glyph::Chapter:
      Block(dc, 1, 2, 14, 3, kBlue);
      TextLines(dc, 2, 8, 12, 4);
      break;
    case Glyph::AddChild:
      TreeRows(dc, 1, 1);
      Plus(dc, 8, 8, kGreen);
      break;
    case Glyph::AddSibling:
      Block(dc, 2, 2, 8, 4, kYellow);
      Plus(dc, 2, 8, kGreen);
      break;
    case Glyph::Modify:
      Block(dc, 1, 5, 10, 5, kYellow);
      dc.SetPen(wxPen(kRed, 2));
      dc.DrawLine(8, 14, 15, 7);
      break;
    case Glyph::Delete:
      dc.SetPen(wxPen(kRed, 3));
      dc.DrawLine(3, 3, 13, 13);
      dc.DrawLine(13, 3, 3, 13);
      break;
    case Glyph::MoveUp:
      Arrow(dc, 0, -1, kBlue);
      break;
    case Glyph::MoveDown:
      Arrow(dc, 0, 1, kBlue);
      break;
    case Glyph::LevelUp:
      TextLines(dc, 8, 3, 6, 5);
      Arrow(dc, -1, 0, kGreen);
      break;
    case Glyph::LevelDown:
      TextLines(dc, 2, 3, 6, 5);
      Arrow(dc, 1, 0, kGreen);
      break;
    case Glyph::Check:
      Block(dc, 2, 2, 12, 12, kPaper);
      dc.SetPen(wxPen(kGreen, 2));
      dc.DrawLine(4, 8, 7, 11);
      dc.DrawLine(7, 11, 12, 4);
      break;
    case Glyph::Strike:
      Label(dc, "ab", kInk, 2, 3);
      dc.SetPen(wxPen(kRed, 2));
      dc.DrawLine(1, 8, 15, 8);
      break;
    case Glyph::Link:
      dc.SetPen(wxPen(kBlue, 2));
      dc.SetBrush(*wxTRANSPARENT_BRUSH);
      dc.DrawRoundedRectangle(1, 5, 8, 6, 3);
      dc.DrawRoundedRectangle(7, 5, 8, 6, 3);
      break;
    case Glyph::Footnote:
      PageShape(dc, 2, 1, 12, 14);
      TextLines(dc, 4, 3, 8, 3);
      Label(dc, "*", kRed, 5, 7);
      break;
    case Glyph::HeadingShow:
      Label(dc, "1.", kBlue, 1, 3);
      TextLines(dc, 9, 6, 5, 3);
      break;
    case Glyph::HeadingHide:
      Label(dc, "1.", wxColour(170, 170, 170), 1, 3);
      TextLines(dc, 9, 6, 5, 3);
      dc.SetPen(wxPen(kRed, 2));
      dc.DrawLine(1, 14, 9, 2);
      break;
    case Glyph::TextCopy:
      PageShape(dc, 1, 1, 9, 12);
      TextLines(dc, 3, 4, 5, 4);
      Arrow(dc, 1, 0, kGreen);
      break;
    case Glyph::TextFormat:
      PageShape(dc, 1, 1, 11, 14);
      Label(dc, "A", kBlue, 3, 3);
      break;
    case Glyph::Mark:
      dc.SetPen(wxPen(kInk));
      dc.SetBrush(wxBrush(kRed));
      dc.DrawCircle(8, 8, 5);
      break;
    case Glyph::MarkNext:
      dc.SetPen(wxPen(kInk));
      dc.SetBrush(wxBrush(kRed));
      dc.DrawCircle(5, 5, 4);
      Arrow(dc, 0, 1, kGreen);
      break;
    case Glyph::MarkPrev:
      dc.SetPen(wxPen(kInk));
      dc.SetBrush(wxBrush(kRed));
      dc.DrawCircle(5, 11, 4);
      Arrow(dc, 0, -1, kGreen);
      break;
    case Glyph::TitleFromText:
      Block(dc, 1, 1, 14, 4, kYellow);
      TextLines(dc, 2, 8, 12, 4);
      dc.SetPen(wxPen(kGreen, 2));
      dc.DrawLine(8, 7, 8, 4);
      break;
    case Glyph::Split:
      Block(dc, 1, 1, 14, 5, kYellow);
      Block(dc, 1, 10, 14, 5, kYellow);
      break;
    case Glyph::SplitBelow:
      Block(dc, 1, 1, 14, 4, kYellow);
      Block(dc, 4, 6, 11, 4, kYellow);
      Block(dc, 4, 11, 11, 4, kYellow);
      break;
    case Glyph::Join:
      Block(dc, 1, 3, 14, 10, kYellow);
      dc.SetPen(wxPen(kInk, 1, wxPENSTYLE_DOT));
      dc.DrawLine(1, 8, 15, 8);
      break;
    case Glyph::Generic:
      Block(dc, 2, 2, 12, 12, wxColour(200, 200, 220));
      TreeRows(dc, 5, 3);
      break;
  }
}

wxImage Render(UINT id, int size, const wxColour& background) {
  wxBitmap bitmap(size, size, 24);
  {
    wxMemoryDC dc(bitmap);
    dc.SetBackground(wxBrush(background));
    dc.Clear();
    dc.SetUserScale(size / 16.0, size / 16.0);
    Draw(dc, id);
  }
  return bitmap.ConvertToImage();
}

}  // namespace

wxBitmap ToolBarImage(UINT id, int size) {
  if (size <= 0 || id == 0) return wxBitmap();
  // Drawn once on black and once on white: where the two differ the drawing lets the background
  // through, which gives smooth edges their transparency.
  const wxImage onBlack = Render(id, size, *wxBLACK);
  const wxImage onWhite = Render(id, size, *wxWHITE);
  wxImage image(size, size);
  image.InitAlpha();
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const int through = onWhite.GetGreen(x, y) - onBlack.GetGreen(x, y);
      const int alpha = std::clamp(255 - through, 0, 255);
      image.SetAlpha(x, y, static_cast<unsigned char>(alpha));
      auto colour = [&](unsigned char black) {
        return static_cast<unsigned char>(alpha == 0 ? 0 : std::min(255, black * 255 / alpha));
      };
      image.SetRGB(x, y, colour(onBlack.GetRed(x, y)), colour(onBlack.GetGreen(x, y)), colour(onBlack.GetBlue(x, y)));
    }
  }
  return wxBitmap(image);
}
