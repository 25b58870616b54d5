// Box (column) selections of the text (the text a box copies, the deletion of a box) and the move
// of a dragged range. A box's rows are cut at its left and right display columns, widened so that
// no double-byte character or TAB cell is split.
#include <algorithm>

#include "control/CEditCore.h"
#include "control/CTextBuffer.h"

std::pair<POINT, POINT> CTextBuffer::BoxRowRange(int row, int left, int right) {
  const POINT from = ViewToLogical(left, row, -1);
  POINT to = ViewToLogical(right, row, 1);
  if (to.y != from.y) to = POINT{GetLineLength(from.y), from.y};
  to.x = std::max(to.x, from.x);
  return {from, to};
}

CRefString CTextBuffer::GetBoxText(POINT corner1, POINT corner2, bool quote) {
  CRefString out;
  if (GetLineCount() == 0) return out;
  const int top = std::max<int>(0, std::min(corner1.y, corner2.y));
  const int bottom = std::min<int>(m_totalRows - 1, std::max(corner1.y, corner2.y));
  const int left = std::min(corner1.x, corner2.x), right = std::max(corner1.x, corner2.x);
  for (int row = top; row <= bottom; ++row) {
    const auto [from, to] = BoxRowRange(row, left, right);
    if (quote) out += m_owner->m_cust.Prefix;
    out.Append(GetLine(from.y)->GetText().GetString() + from.x, to.x - from.x);
    out += "\r\n";
  }
  return out;
}

POINT CTextBuffer::DeleteBox(POINT corner1, POINT corner2) {
  const int top = std::max<int>(0, std::min(corner1.y, corner2.y));
  const int left = std::min(corner1.x, corner2.x), right = std::max(corner1.x, corner2.x);
  if (GetLineCount() == 0 || left == right) return ViewToLogical(left, top, -1);
  const int bottom = std::min<int>(m_totalRows - 1, std::max(corner1.y, corner2.y));
  const bool group = m_group;
  const bool repaint = m_repaint;
  m_repaint = false;
  for (int row = bottom; row >= top; --row) {
    const auto [from, to] = BoxRowRange(row, left, right);
    if (to.x == from.x) continue;
    DeleteRange(from, to);
    m_group = true;
  }
  m_group = group;
  m_repaint = repaint;
  m_owner->Relayout(0);
  RepaintFrom(POINT{0, RowToLine(top)}, 2);
  return ViewToLogical(left, top, -1);
}

// Serial offsets make the shift of the drop point by the deletion a plain subtraction.
std::pair<POINT, POINT> CTextBuffer::MoveText(POINT drop, POINT start, POINT end) {
  if (end.y < start.y || (end.y == start.y && end.x < start.x)) std::swap(start, end);
  const CRefString text = RangeText(start, end, false);
  const int from = LogicalToSerial(start.x, start.y), to = LogicalToSerial(end.x, end.y);
  int at = LogicalToSerial(drop.x, drop.y);
  const bool group = m_group;
  if (at >= to) {
    InsertText(drop, text, text.GetLength());
    m_group = true;
    DeleteRange(start, end);
    at -= to - from;
  } else {
    DeleteRange(start, end);
    m_group = true;
    InsertText(SerialToLogical(at), text, text.GetLength());
  }
  m_group = group;
  return {SerialToLogical(at), SerialToLogical(at + text.GetLength())};
}
