#include "resources/ToolBarImages.h"

#include <wx/dcmemory.h>
#include <wx/image.h>

#include <algorithm>

namespace {

enum class Glyph {
  Page, Folder, Disk, Undo, Redo, Cut, Copy, Paste, Printer, Preview, Find, Help,
  Left, Right, Up, Down, TreeOnly, TextOnly, Both, Bookmark, BookmarkAdd, BookmarkEdit,
  Grep, Chart, Outline, Indent, Outdent, Link, Generic,
};

struct Entry {
  UINT id;
  Glyph glyph;
};

// Commands whose pictures say what they do; the rest share one picture in colours of their own.
constexpr Entry kGlyphs[] = {
    {0xE100, Glyph::Page},     {0xE101, Glyph::Folder},      {0xE103, Glyph::Disk},
    {0xE12B, Glyph::Undo},     {0xE12C, Glyph::Redo},        {0xE123, Glyph::Cut},
    {0xE122, Glyph::Copy},     {0xE125, Glyph::Paste},       {0xE107, Glyph::Printer},
    {0xE109, Glyph::Preview},  {0xE124, Glyph::Find},        {0xE143, Glyph::Help},
    {0x8022, Glyph::TreeOnly}, {0x8023, Glyph::TextOnly},    {0x8024, Glyph::Both},
    {0x8045, Glyph::Right},    {0x8046, Glyph::Left},        {0x8212, Glyph::Left},
    {0x8213, Glyph::Right},    {0x8108, Glyph::Down},        {0x8031, Glyph::Up},
    {0x8123, Glyph::Down},     {0x8124, Glyph::Up},          {0x811F, Glyph::Grep},
    {0x8122, Glyph::Grep},     {0x8209, Glyph::BookmarkAdd}, {0x820A, Glyph::BookmarkEdit},
    {0x820B, Glyph::Bookmark}, {0x800F, Glyph::Chart},       {0x8016, Glyph::Outline},
    {0x802B, Glyph::Outdent},  {0x802D, Glyph::Indent},      {0x800A, Glyph::Link},
    {0x8004, Glyph::Link},
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
      dc.SetPen(wxPen(kInk));
      dc.SetBrush(wxBrush(kBlue));
      dc.DrawRectangle(2, 2, 12, 12);
      dc.SetBrush(wxBrush(kPaper));
      dc.DrawRectangle(4, 2, 8, 5);
      dc.DrawRectangle(5, 10, 6, 4);
      break;
    case Glyph::Undo:
    case Glyph::Left:
      Arrow(dc, -1, 0, GlyphOf(id) == Glyph::Undo ? kBlue : kGreen);
      break;
    case Glyph::Redo:
    case Glyph::Right:
      Arrow(dc, 1, 0, GlyphOf(id) == Glyph::Redo ? kBlue : kGreen);
      break;
    case Glyph::Up:
      Magnifier(dc, 5, 5);
      Arrow(dc, 0, -1, kGreen);
      break;
    case Glyph::Down:
      Magnifier(dc, 5, 5);
      Arrow(dc, 0, 1, kGreen);
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
    case Glyph::Paste:
      dc.SetPen(wxPen(kInk));
      dc.SetBrush(wxBrush(wxColour(170, 120, 60)));
      dc.DrawRectangle(2, 2, 10, 13);
      PageShape(dc, 7, 6, 8, 9);
      TextLines(dc, 9, 9, 4, 3);
      break;
    case Glyph::Printer:
      PageShape(dc, 4, 1, 8, 6);
      dc.SetBrush(wxBrush(wxColour(150, 150, 150)));
      dc.DrawRectangle(1, 6, 14, 6);
      PageShape(dc, 4, 10, 8, 5);
      break;
    case Glyph::Preview:
      PageShape(dc, 1, 1, 10, 13);
      Magnifier(dc, 5, 5);
      break;
    case Glyph::Find:
      Magnifier(dc, 2, 2);
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
      dc.SetPen(wxPen(kGreen, 2));
      dc.DrawLine(12, 10, 12, 16);
      dc.DrawLine(9, 13, 15, 13);
      break;
    case Glyph::BookmarkEdit:
      Star(dc, wxColour(250, 230, 160));
      dc.SetPen(wxPen(kRed, 2));
      dc.DrawLine(9, 15, 15, 9);
      break;
    case Glyph::Grep:
      dc.SetPen(wxPen(kInk));
      dc.SetBrush(wxBrush(kYellow));
      dc.DrawRectangle(1, 4, 10, 8);
      Magnifier(dc, 5, 4);
      break;
    case Glyph::Chart:
      dc.SetPen(wxPen(kInk));
      dc.SetBrush(wxBrush(kYellow));
      dc.DrawRectangle(5, 1, 6, 4);
      dc.DrawRectangle(1, 11, 5, 4);
      dc.DrawRectangle(10, 11, 5, 4);
      dc.DrawLine(8, 5, 8, 8);
      dc.DrawLine(3, 8, 13, 8);
      dc.DrawLine(3, 8, 3, 11);
      dc.DrawLine(13, 8, 13, 11);
      break;
    case Glyph::Outline:
      TreeRows(dc, 3, 2);
      break;
    case Glyph::Indent:
      TextLines(dc, 6, 3, 8, 5);
      Arrow(dc, 1, 0, kGreen);
      break;
    case Glyph::Outdent:
      TextLines(dc, 2, 3, 8, 5);
      Arrow(dc, -1, 0, kGreen);
      break;
    case Glyph::Link:
      dc.SetPen(wxPen(kBlue, 2));
      dc.SetBrush(*wxTRANSPARENT_BRUSH);
      dc.DrawRoundedRectangle(1, 5, 8, 6, 3);
      dc.DrawRoundedRectangle(7, 5, 8, 6, 3);
      break;
    case Glyph::Generic: {
      // One shape for the others, told apart by colour.
      const unsigned char r = static_cast<unsigned char>(80 + (id * 37) % 150);
      const unsigned char g = static_cast<unsigned char>(80 + (id * 59) % 150);
      const unsigned char b = static_cast<unsigned char>(80 + (id * 83) % 150);
      dc.SetPen(wxPen(kInk));
      dc.SetBrush(wxBrush(wxColour(r, g, b)));
      dc.DrawRoundedRectangle(2, 2, 12, 12, 3);
      TreeRows(dc, 5, 3);
      break;
    }
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
