#pragma once
// The editing control: its settings and colour table, its view state, the window it lives in and
// the dispatcher that routes every message and command to its handler. The automation object
// wraps one of these; tests drive it directly.

#include <wx/font.h>
#include <wx/gdicmn.h>
#include <wx/window.h>

#include <memory>
#include <string>
#include <vector>

#include "control/CEditCore.h"
#include "control/ColorRuns.h"
#include "control/ColorTable.h"
#include "control/LogFont.h"
#include "control/window/EditDialogs.h"
#include "platform/com/ComTypes.h"
#include "platform/com/Registry.h"

class wxDC;
class CMarkImageList;
class WrilaEditWindow;

// Relayout reasons.
enum : int { RELAYOUT_PLAIN = 0, RELAYOUT_REWRAP = 2, RELAYOUT_CARET = 4, RELAYOUT_READONLY = 5 };

// Selection kinds.
enum : int { SEL_NONE = 0, SEL_STREAM = 1, SEL_BOX = 2, SEL_LINE = 3 };

// Mouse message flags (wParam of the button messages); Alt travels as its own bit.
enum : WPARAM { MK_SHIFT = 0x0004, MK_CONTROL = 0x0008, MK_ALT_HELD = 0x2000 };

// Timers of the control: automatic scrolling while a drop hovers, and while selecting with the mouse.
enum : UINT { TIMER_DROPSCROLL = 1, TIMER_SELECTSCROLL = 2 };

class WrilaEdit : public CEditCore {
 public:
  WrilaEdit();
  ~WrilaEdit() override;

  // Window life: the control's window is a child of the host's window.
  bool CreateControl(wxWindow* parent, const wxPoint& pos = wxDefaultPosition, const wxSize& size = wxDefaultSize);
  void DestroyControl();
  wxWindow* GetWindow() const;
  bool HasWindow() const { return m_window != nullptr; }

  // The dispatcher: every window message, internal message and command goes through here.
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  // A message handled later on the window's thread, as a posted message is.
  void PostMessage(UINT message, WPARAM wParam, LPARAM lParam);
  // Posts text to type (message 0x820); the posted copy is released once the message is handled,
  // or dropped with the window.
  void PostTypedText(std::string text);
  // Runs a command; false when the identifier is not one of the control's.
  bool OnCommand(UINT id);

  // Stock properties.
  void PutAppearance(short appearance);
  short GetAppearance() const { return m_appearance; }
  void PutBorderStyle(long style);
  long GetBorderStyle() const { return m_borderStyle; }
  HRESULT PutText(const char16_t* text);
  std::u16string GetText();

  // Settings in the registry store, under m_regKey.
  HRESULT LoadProperties();
  HRESULT SaveProperties();

  // Drawing.
  void Paint(wxDC& dc, const wxRect& update);
  void CreateFonts();
  const wxFont& DisplayFont() const { return m_font; }
  void InvalidateRows(int fromColumn, int fromRow, int toColumn, int toRow, bool now);
  void InvalidateFrom(int row);
  int ColumnToX(int column) const;
  int RowToY(int row) const;
  POINT PointToCell(int x, int y) const;
  // The valid cell nearest a client point.
  POINT CellAt(int x, int y);
  int ComputeMargin() const;
  // The ruler's character above column c (counted from 0): a digit of the multiple of ten that
  // ends there, or a space.
  static char RulerLabel(int column);

  // Scrolling: the scroll bars follow the layout; the view's first column and row follow the bars.
  void RecalcScrollBars(int clientWidth, int clientHeight);
  void RecalcScrollBars();  // for the window's present client size
  void ScrollTo(int column, int row);
  // The same with the limits given: a host may scroll as far as the scroll bars' ranges reach.
  void ScrollWithin(int column, int row, int maxColumn, int maxRow);
  // The vertical scroll bar's range ends here: the last row, or a page further when scrolling past
  // the end is allowed.
  int VerticalRangeMax() const;
  // Scrolls so that the caret's cell is in view; only while focused unless forced.
  void EnsureCaretVisible(bool force);
  int MaxFirstColumn() const;
  int MaxTopRow() const;
  bool CanScrollRows() const;
  bool CanScrollColumns() const;
  bool m_vBarShown = false;
  bool m_hBarShown = false;

  // Caret and selection. The selection runs from its anchor to its end (view positions); for a
  // stream or box selection the end is the caret.
  bool HasSelection() const { return m_selKind != SEL_NONE; }
  POINT SelectionStart() const;  // the earlier of anchor and end
  POINT SelectionEnd() const;
  bool IsInSelection(POINT cell) const;
  void CancelSelection(bool clearModes);
  // A stream selection from the anchor to the end; none when the two meet.
  void SelectStream(POINT anchor, POINT end);
  void SelectAll();
  CRefString SelectedText(bool quote);
  void JumpTo(int column, int row);
  void MoveCaret(POINT logical);
  void SetWrapMode(int mode);
  // Rebuilds what depends on the settings: fonts, highlight index, key table, wrapping, comments.
  void ApplySettings(int oldWrapWidth);
  void PlaceCaret();

  // Typing and editing.
  void TypeChar(UINT ch, int lineEnd);
  void InsertString(const char* text);
  // Text typed as one edit (message 0x820): in overwrite mode it replaces as many characters of
  // the line as it holds.
  void TypeText(const char* text);
  // The key table's command for a key (virtual key and ACCELF_ modifier flags); 0 when unbound.
  UINT TranslateKey(BYTE flags, WORD virtualKey);
  // A key message a container sees before its window does (target: the focused window): true when
  // the control takes it, running the key's command or typing the character.
  bool PreTranslateKey(UINT message, WPARAM wParam, wxWindow* target);

  // Clipboard and drag and drop.
  void CopySelection(bool quote);
  void CopyTextToClipboard(const CRefString& text);
  void PasteClipboard();
  // A drop's text (Shift JIS bytes) at a client point; false when nothing was inserted.
  bool DropText(const CRefString& text, bool move, int x, int y);
  // A drop's text as the desktop gives it.
  bool DropDesktopText(const wxString& text, bool move, int x, int y);
  // A desktop text as the control keeps it (Shift JIS); characters without a Shift JIS form become
  // '?', and the user is told which ones first.
  CRefString TextToKeep(const wxString& text);
  // The effect of a drag hovering at a client point: 0 none, 1 copy, 2 move.
  int DragHover(bool shift, bool control, int x, int y);
  void DragLeave();

  // Search.
  bool FindText(const char* text, bool down, bool matchCase, bool quiet);
  bool ReplaceNext(const char* find, const char* replace, bool matchCase, bool quiet);
  bool ReplaceAll(const char* find, const char* replace, bool matchCase, bool quiet);
  // Closes an open replace dialog first: it would go on changing a read-only text.
  void SetReadOnly(bool readOnly);
  // The box that a not-found search shows: 1070 up, 1088 down, 1089 replace all.
  void ShowNotFound(UINT stringId, const char* text);
  wxWindow* m_findDialog = nullptr;     // the open find or replace dialog, if any
  bool m_findDialogIsReplace = false;

  // Automatic scrolling by a pointer at a client point: the rows or columns one tick moves.
  void AutoScroll(int x, int y);
  void OnTimer(UINT id);

  // Notifications from the text model.
  void RepaintRows(int code, POINT caretView, int rows) override;
  void Relayout(int reason) override;
  void Beep() override;

  // Events to the host; the window layer calls them only when the event mask asks for them, and
  // the automation object sends them on. Without a host they do nothing.
  virtual void FireLinkURL(const CRefString& /*url*/) {}
  virtual void FireLinkMailTo(const CRefString& /*address*/) {}
  virtual void FireContextMenu(int /*x*/, int /*y*/, const CRefString* /*link*/) {}
  virtual void FireProperties() {}
  virtual void FireSelChanged() {}
  virtual void FireCaretMoved() {}
  virtual void FireScroll() {}
  virtual void FirePropChanged() {}
  // The host shows the property frame (the properties command without the event bit); false when
  // there is none to show.
  virtual bool ShowPropertyFrame() { return false; }

  // Links: the link text at a view cell and its kind (ROLE_URL, ROLE_MAIL, ROLE_TAG), 0 when none;
  // with select, the link becomes the selection unless the cell lies inside the selection.
  int LinkAt(POINT cell, bool select, CRefString* text);
  void OpenLink(const CRefString& text, int kind);
  // Opens a target with the desktop's handler; a failure shows the control's message.
  void ShellOpen(const char* target);
  // The context menu at screen coordinates, (-1, -1) for the menu key.
  void OnContextMenu(int screenX, int screenY);
  // The texts of the two link items for the remembered menu point; false when there is no link.
  bool LinkCommandText(UINT id, CRefString* text);
  // The pointer shape for a client point.
  wxStockCursor CursorAt(int x, int y);
  void LinkCommand(UINT id, bool fromMenu);
  void FireSelChangedIfAsked();
  // A command's state: 0 unknown, 1 known but disabled, 3 enabled; bits 0x7 all set when checked.
  WORD QueryCommandStatus(UINT id);

  // Identity and host settings.
  void SetAppName(std::u16string name) { m_appName = std::move(name); }
  void SetPropTitle(std::u16string title) { m_propTitle = std::move(title); }
  void SetRegKey(std::u16string key) { m_regKey = std::move(key); }
  void SetPropPages(long pages) { m_propPages = pages; }
  void SetAllowCtrlChars(bool allow) { m_allowCtrlChars = allow; }
  std::u16string m_appName = u"Wrila";
  std::u16string m_propTitle = u"Wrila";
  std::u16string m_regKey = u"Software\\Torvik\\Wrila";
  HKEY m_rootKey = HKEY_CURRENT_USER;
  long m_propPages = 1023;
  bool m_allowCtrlChars = false;

  void SetRoleColor(int role, bool background, COLORREF colour) {
    (background ? m_colors.Back : m_colors.Text)[role] = colour;
  }
  void SetRoleUnderline(int role, bool underline) { m_colors.Underline[role] = underline ? 1 : 0; }
  CColorTable m_colors;
  CHiliteIndex m_hiliteIndex;

  // View state.
  int m_leftMargin = 8;
  int m_rulerHeight = 0;
  int m_columnWidth = 8;
  int m_charHeight = 16;
  int m_rowHeight = 16;
  int m_markA = 4;
  int m_markB = 4;
  int m_rowReach = 2047;
  int m_windowColumns = 0;
  int m_pageRows = 0;
  int m_firstColumn = 0;
  int m_topRow = 0;
  int m_widestExtent = 0;  // columns the widest row can reach: wrap width + 2
  int m_lastRow = 0;
  POINT m_caretView{};
  POINT m_caretLogical{};
  int m_desiredColumn = -1;
  POINT m_selAnchor{};
  POINT m_selEnd{};
  int m_selKind = SEL_NONE;
  bool m_sticky = false;  // motions extend the selection instead of cancelling it
  bool m_modeLine = false;
  bool m_modeBox = false;
  bool m_modeWord = false;
  int m_lineAnchorRow = 0;
  POINT m_wordStart{};  // the word first clicked in word mode
  POINT m_wordEnd{};
  bool m_mouseSelecting = false;
  bool m_dragSource = false;  // the current drag started from this control's own selection
  bool m_dragHovering = false;
  unsigned m_pendingLead = 0;
  bool m_focused = false;
  bool m_markColumn = false;
  CRefString m_searchString;
  bool m_searchMatchCase = false;
  bool m_searchHilite = false;
  CConvertChoice m_convertChoice;  // the conversion dialog's choices, for the next time
  POINT m_menuPoint{};       // where the context menu was asked for, client pixels
  CRefString m_menuLink;     // the link found for a link command
  int m_menuLinkKind = 0;
  POINT m_firedCaret{-1, -1};  // the caret position the last caret event told
  bool m_commandFromMenu = false;

 private:
  friend class WrilaEditWindow;
  void ResetViewState();
  void ApplyBorder();
  LRESULT OnExtraSettings(UINT selector, LPARAM value);
  bool OnMotionCommand(UINT id);
  void RunMotion(UINT id);
  bool OnEditCommand(UINT id);
  bool OnSearchCommand(UINT id);
  bool OnSelectionCommand(UINT id);
  void OnChar(UINT ch);
  void OnLButtonDown(WPARAM flags, int x, int y);
  void OnMouseMove(int x, int y);
  void OnLButtonUp(int x, int y);
  void OnLButtonDblClk(int x, int y);
  void StartSelection(POINT view, int kind);
  void ExtendSelection(POINT caretView);
  void RepaintRowSpan(int row1, int row2);
  bool RefuseReadOnly();
  POINT DeleteSelectionText();
  void DeleteCommand(UINT id);
  void IndentCommand(bool unindent);
  void ConvertSelection(bool toFull, unsigned categories);
  void ConvertCaseOfSelection(bool upper);
  void InsertDateTime(bool timeFirst);
  void ShowCharCode();
  void ShowJumpDialog();
  void ShowConvertDialog();
  bool FindAndSelect(const char* text, bool down, bool matchCase);
  bool SetSearchString(const char* text, bool matchCase);
  void FindNextCommand(bool down);
  void FindWordAtCaret(bool down);
  void ShowFindDialog(bool replace);
  LRESULT OnScrollMessage(bool vertical, UINT code, LPARAM trackPosition);
  void ApplyScrollBars();
  int WrapWidthFor() const;

  // Drawing helpers.
  int SelectRole(wxDC& dc, int role, int row);
  void DrawRow(wxDC& dc, int fromColumn, int row, int toColumn, bool lineEndMark, bool outside, int role);
  void DrawCells(wxDC& dc, const char* text, int length, int column, int row);
  void DrawLineNumbers(wxDC& dc, int firstRow, int lastRow);
  void DrawMarks(wxDC& dc, int firstRow, int lastRow);
  void DrawRuler(wxDC& dc, int firstColumn, int lastColumn);
  void DrawSelection(wxDC& dc, int firstRow, int lastRow, int fromColumn, int toColumn);
  void DrawTabMark(wxDC& dc, int x, int y);
  void DrawDbSpaceMark(wxDC& dc, int x, int y);
  void DrawLineEndMark(wxDC& dc, int x, int y, int kind, bool eof, bool selected);
  wxSize ClientSize() const;  // the text area: the client area less the scroll bars shown

  WrilaEditWindow* m_window = nullptr;  // owned by the host window
  short m_appearance = 1;
  long m_borderStyle = 0;
  std::string m_pendingText;
  bool m_hasPendingText = false;
  bool m_created = false;

  wxFont m_font;
  wxFont m_fontUnderline;
  wxFont m_uiFont;
  bool m_cellExact = true;  // every character's advance is its cells: whole runs in one call
  int m_currentRole = -1;
  bool m_lineColorInForce = false;
  CColorRuns m_runs;
  std::unique_ptr<CMarkImageList> m_markImages;  // made at the first paint that shows marks
};
