#pragma once
// The text of one editing control: logical lines of Shift JIS text, their wrapped rows, the three
// kinds of position, every edit with its undo record, file load and save, and the key table.
//
// Positions: logical (x = byte column, y = line), view (x = display column, y = view row) and
// serial (bytes from the start, a line end counting 1 for CR or LF and 2 for CR LF).
#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "control/CLine.h"
#include "control/CRefString.h"
#include "control/CUndoRecord.h"
#include "control/KeyTable.h"
#include "platform/base/WinTypes.h"

class CEditCore;

// Error results of the file operations, as automation reports them.
enum : std::int32_t {
  WRILA_OK = 0,
  WRILA_E_READONLY = static_cast<std::int32_t>(0x800A0005),
  WRILA_E_OUTOFMEMORY = static_cast<std::int32_t>(0x800A0007),
  WRILA_E_FILENOTFOUND = static_cast<std::int32_t>(0x800A0035),
  WRILA_E_DISKFULL = static_cast<std::int32_t>(0x800A003D),
  WRILA_E_PATHACCESS = static_cast<std::int32_t>(0x800A004B),
};

// Most view rows the text may have; a new line past it is refused.
constexpr int kMaxViewRows = 0x1FFFFEFF;

// What the drawing code reads of one view row.
struct CRowSpan {
  const char* text = nullptr;  // the whole line's text
  int line = 0;
  int lineLength = 0;
  int rowStart = 0;  // offset where the row begins
  int rowEnd = 0;    // offset where the next row begins, or the line length
  int from = 0;      // offsets of the requested column range within the row
  int to = 0;
  int commentState = 0;  // 1 when the line begins inside a comment
};

class CTextBuffer {
 public:
  explicit CTextBuffer(CEditCore* owner);
  ~CTextBuffer();
  CTextBuffer(const CTextBuffer&) = delete;
  CTextBuffer& operator=(const CTextBuffer&) = delete;

  // Lines and sizes
  int GetLineCount() const { return static_cast<int>(m_lines.size()); }
  CLine* GetLine(int line) const { return m_lines[static_cast<size_t>(line)].get(); }
  int GetLineLength(int line) const;
  int GetLineSize(int line) const;
  int GetTotalRows() const { return m_totalRows; }
  int GetFirstRow(int line);

  // Positions
  int LogicalToSerial(int column, int line) const;
  POINT SerialToLogical(int offset) const;
  POINT ViewToLogical(int column, int row, int mode, int hint = -1);
  POINT LogicalToView(int column, int line);
  POINT LogicalToViewClamped(int column, int line);
  int RowToLine(int row, int hint = -1);
  POINT NormalizePos(POINT view);

  // Caret movement by command id; `logical` is updated, the view position returned.
  POINT MoveByCommand(UINT command, POINT& logical);
  POINT MoveVertical(UINT command, POINT view, POINT& logical, int rowsPerPage);

  // Reading
  void Clear();
  bool IsEmpty() const;
  BOOL InsertEmptyLine(int index, int kind);
  CRefString GetTextRange(POINT startView, POINT endView);
  CRefString GetRowText(int row);
  BOOL GetRowSpan(int row, int firstColumn, int lastColumn, CRowSpan* span);
  int GetRangeSize(POINT startView, POINT endView, bool quote);
  CRefString RangeToGlobal(POINT startView, POINT endView, bool quote);
  CRefString GetWholeText();
  int GetTabExpandedWidth(int row, int* kind);
  int GetCharAt(POINT view);
  BOOL GetWordAt(POINT view, POINT* start, POINT* end);
  static int CharClass(const char* text, int offset, int length);
  BOOL GetLineColor(int row, COLORREF* text, COLORREF* back, BOOL* underline);
  BOOL SetLineColor(int first, int last, COLORREF text, COLORREF back, BOOL underline);
  // TRUE when any of the lines had a colour of its own.
  BOOL EraseLineColor(int first, int last);
  int GetLineMark(int line) const;
  BOOL SetLineMark(int line, int mark);

  // Editing; each returns the caret's new logical position.
  POINT InsertChar(POINT pos, UINT ch, int kind);
  POINT NextRowOrNewline(POINT view, int kind);
  // Pasted or dropped text at a view position; a column block puts each of its lines at the same
  // display column of successive rows.
  POINT InsertGlobal(POINT view, const char* text, int length, bool columnBlock);
  POINT InsertText(POINT pos, const char* text);
  POINT InsertText(POINT pos, const char* text, int length);
  POINT DeleteChar(POINT pos, bool* keepLineEnd);
  POINT DeleteCharBefore(POINT pos);
  POINT DeleteRange(POINT start, POINT end);
  POINT Indent(POINT start, POINT end);
  POINT Unindent(POINT start, POINT end);
  POINT InsertNewlinesAtWraps(POINT caret, int firstRow, int lastRow);
  POINT DeleteNewlines(POINT start, POINT end);
  // Box selections between two view corners: the text, each row followed by CR LF; the deletion
  // (one undo group) returning the logical position of the box's top-left.
  CRefString GetBoxText(POINT corner1, POINT corner2, bool quote);
  POINT DeleteBox(POINT corner1, POINT corner2);
  // Moves a range (logical positions) to a drop point outside it as one undo step; returns the
  // moved text's new start and end.
  std::pair<POINT, POINT> MoveText(POINT drop, POINT start, POINT end);
  int ReplaceAllLines(const char* find, const char* replace, bool matchCase);
  BOOL SetText(const char* text);
  BOOL SetText(const char* text, int length);
  BOOL FindString(const char* text, int direction, bool matchCase, POINT startView, POINT* foundStart,
                  POINT* foundEnd, bool skipFirst);

  // Layout
  bool RewrapAll();
  void RecalcComments();

  // A lower row limit than the built-in one (lets a host or a test reach the limit cheaply).
  void SetRowLimit(int rows) { m_rowLimit = std::min(rows, kMaxViewRows); }

  // While set, the next records join the undo step of the records before them.
  bool IsGrouping() const { return m_group; }
  void SetGrouping(bool group) { m_group = group; }

  // Modified flag
  bool IsModified() const { return m_modified; }
  void SetModified(bool modified);
  void SetModifiedState(bool modified);

  // Undo
  void AddUndoRecord(int startColumn, int startLine, int endColumn, int endLine, std::uint32_t kind, int aux,
                     const CRefString& text = CRefString());
  POINT UndoRedo(bool redo, POINT caret);
  int GetUndoCount() const { return static_cast<int>(m_undo.size()); }
  int GetRedoCount() const { return static_cast<int>(m_redo.size()); }
  const std::vector<CUndoRecord>& GetUndoList() const { return m_undo; }
  void MarkRecordsModified();
  void ClearRecordList(bool redo);

  // Files
  std::int32_t LoadFile(const char* path);
  std::int32_t SaveFile(const char* path);
  int GetLoadedKanjiCode() const { return m_loadedCode; }

  // Key table
  void SetAccelEntries(const std::vector<CAccelEntry>& entries);
  const std::vector<CAccelEntry>& GetAccelEntries() const { return m_accel; }
  void RebuildAccelTable();
  const CAccelTable* GetAccelTable() const { return m_accelTable.get(); }
  CRefString GetCommandKeys(UINT command) const;

 private:
  struct LineEdit {
    int line = 0;
    int oldRows = 0;
    int caretRow = 0;
    int oldRowStart = 0;
    int oldPrevRowStart = 0;
    int oldViewRow = 0;
  };
  LineEdit BeginLineEdit(POINT caret);
  CRefString RangeText(POINT start, POINT end, bool quote) const;
  bool ReadFile(const char* path, std::vector<std::unique_ptr<CLine>>& lines);
  std::unique_ptr<CLine> MakeLine(const char* text, int length, int kind, bool full);
  void InsertLines(int index, std::vector<std::unique_ptr<CLine>>& lines);
  void EraseLines(int index, int count);
  void RewrapLine(int line);
  void RewrapLine(int line, int offset, int delta);
  void EnsureRows(int line);
  void InvalidateRows(int line);
  int LineOfRowFrom(int row, int start);
  bool UpdateComments(int line, int count);
  int ScanComments(int line, int state) const;
  void AfterLineEdit(const LineEdit& edit, POINT caret, bool commentsBelow);
  void RepaintFrom(POINT caret, int code);
  POINT SplitLine(POINT pos, int kind);
  POINT JoinWithNext(int line);
  POINT ReplayRecord(const CUndoRecord& record);
  bool IsAtRowLimit() const { return m_totalRows >= m_rowLimit; }
  std::pair<POINT, POINT> BoxRowRange(int row, int left, int right);
  int ReplaceAllSplitting(const char* find, int findLength, const char* replace, int replaceLength, bool matchCase);
  BOOL LoadText(const char* text, int length);
  bool MatchAt(const char* text, int length, int offset, const char* find, int findLength, bool matchCase) const;

  CEditCore* m_owner;
  std::vector<std::unique_ptr<CLine>> m_lines;
  std::vector<CUndoRecord> m_undo;
  std::vector<CUndoRecord> m_redo;
  int m_totalRows = 0;
  int m_rowsValid = 0;  // lines [0, m_rowsValid) have their first row set
  bool m_inUndo = false;
  bool m_inRedo = false;
  bool m_modified = false;
  bool m_group = false;
  bool m_repaint = true;
  int m_loadedCode = 3;
  int m_rowLimit = kMaxViewRows;
  std::vector<CAccelEntry> m_accel;
  std::unique_ptr<CAccelTable> m_accelTable;
};
