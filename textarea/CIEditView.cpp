#include "textarea/CIEditView.h"

#include <wx/event.h>
#include <wx/frame.h>

#include "app/CKestavonApp.h"
#include "app/CKestavonDoc.h"
#include "foundation/CPelkoInifile.h"
#include "foundation/SettingAccess.h"
#include "foundation/SettingsTable.h"
#include "platform/desktop/CFont.h"
#include "platform/framework/CFrameWnd.h"
#include "platform/framework/CStatusBar.h"
#include "platform/com/SafeArray.h"
#include "platform/base/SystemTime.h"
#include "resources/CommandIds.h"
#include "textarea/ControlAccelerators.h"

namespace {

// The control's Properties command, which opens its property frame with the pages of PropPages.
constexpr long kControlProperties = 0x803F;
// Every page but the one of bit 1; the font page alone.
constexpr long kTextAreaPages = 0x3FD;
constexpr long kFontPage = 0x20;
// Element of the control's BackColors that is the text area's background.
constexpr LONG kTextBackground = 14;

constexpr char kUntitled[] = "(無題)";

}  // namespace

CIEditView::CIEditView() {
  // Until the first load is done, the control's events of setting it up mark nothing modified.
  m_bReportModified = FALSE;
  m_nTreeUpMode = ReadSetting(Settings::System::TreeUpMode);
  Bind(wxEVT_SET_FOCUS, &CIEditView::OnSetFocusToControl, this);
  Bind(wxEVT_MENU, &CIEditView::OnCursorTree, this, ID_VIEW_CURSOR_TREE);
  Bind(wxEVT_MENU, &CIEditView::OnCursorTree, this, ID_VIEW_CURSOR_SWITCH);
  Bind(wxEVT_MENU, &CIEditView::OnTreeOnly, this, ID_VIEW_TREE_ONLY_FROM_TEXT);
  Bind(wxEVT_MENU, &CIEditView::OnTreeOnly, this, ID_VIEW_TREE_TEXT);
  Bind(wxEVT_MENU, &CIEditView::OnFocusLost, this, ID_WORK_TEXT_FOCUS_LOST);
  Bind(wxEVT_MENU, &CIEditView::OnControlSettings, this, ID_SETTINGS_TEXTAREA);
  Bind(wxEVT_MENU, &CIEditView::OnControlSettings, this, ID_SETTINGS_FONT);
  Bind(wxEVT_UPDATE_UI, &CIEditView::OnUpdateControlSettings, this, ID_SETTINGS_TEXTAREA);
  Bind(wxEVT_UPDATE_UI, &CIEditView::OnUpdateControlSettings, this, ID_SETTINGS_FONT);
  BindTreeCommands();
  BindEditCommands();
  BindTextFileCommands();
  BindSplitJoinCommands();
  BindLinkCommands();
  BindKeyListCommand();
  // Bound after the tree commands, so that it comes first and hands the outline's print on.
  Bind(wxEVT_MENU, &CIEditView::OnFilePrint, this, ID_FILE_PRINT);
  Bind(wxEVT_MENU, &CIEditView::OnPrintTextOnly, this, ID_FILE_PRINT_TEXT_ONLY);
  Bind(wxEVT_MENU, &CIEditView::OnTextWindow, this, ID_VIEW_TEXT_WINDOW);
  BindFindCommands();
}

CIEditView::~CIEditView() {
  // A view that goes while its document stays (one of two windows closed) hands its text over.
  SaveText();
}

CKestavonDoc* CIEditView::GetDocument() const { return dynamic_cast<CKestavonDoc*>(CView::GetDocument()); }

void CIEditView::OnInitialUpdate() {
  CWrilaView::OnInitialUpdate();
  CWrilaCtrl& edit = GetEditCtrl();
  if (edit.GetOverwrite()) edit.SetOverwrite(FALSE);
  edit.m_nWheelLines = ReadSetting(Settings::View::MouseWheel);
  if (ReadSetting(Settings::System::WrilaInitial)) {
    WriteSetting(Settings::System::WrilaInitial, 0);
    ApplyFirstStartFont();
  }
  MarkControlKeys();
  TakeBackgroundColor();
  m_bInitialized = TRUE;
  LoadText(true);
  m_bReportModified = TRUE;
}

void CIEditView::ApplyFirstStartFont() {
  CFont font;
  ApplicationSettings().ReadFont(font, "EFont", "ＭＳ ゴシック", -17, FW_NORMAL);
  CWrilaCtrl& edit = GetEditCtrl();
  edit.SetFont(font);
  edit.SetWrapMode(2);
  edit.SetTabStops(ReadSetting(Settings::View::TabNo));
}

void CIEditView::MarkControlKeys() {
  CKestavonApp* app = GetKestavonApp();
  if (!app) return;
  CKeycustArray& table = app->m_keyTable.GetKeyTable();
  table.ClearControlMarks();
  std::vector<KeyAccel> keys;
  for (const ControlAccelerator& accel : ReadControlAccelerators(GetEditCtrl().GetAccelList()))
    keys.push_back(KeyAccel{accel.key, accel.flags});
  table.MarkControlKeys(keys);
}

void CIEditView::TakeBackgroundColor() {
  CComVariant colors = GetEditCtrl().GetBackColors();
  if (!(colors.vt & VT_ARRAY) || !colors.parray) return;
  CComVariant element;
  LONG index = kTextBackground;
  if (FAILED(SafeArrayGetElement(colors.parray, &index, &element))) return;
  CComVariant value;
  if (FAILED(VariantChangeType(&value, &element, 0, VT_I4))) return;
  SetPaneColors(m_clrText, static_cast<COLORREF>(value.lVal));
}

void CIEditView::SetPaneColors(COLORREF text, COLORREF back) {
  m_clrText = text;
  m_clrBack = back;
  SetForegroundColour(ColorRefToWx(m_clrText));
  SetBackgroundColour(ColorRefToWx(m_clrBack));
  Refresh();
}

void CIEditView::LoadText(bool firstLoad) {
  CKestavonDoc* doc = GetDocument();
  if (!doc) return;
  CWrilaCtrl& edit = GetEditCtrl();
  const CString text = doc->GetCurrentText();
  m_bReportModified = FALSE;
  edit.SetLongText(text);
  m_nLoadedItem = doc->GetCurrentTree();
  m_bUnsaved = false;
  m_bEditMadeModified = false;
  CKestavonApp* app = GetKestavonApp();
  const int mode = app ? app->m_nTextCurInit : 0;
  const ATREE& tree = doc->GetTree();
  const int item = doc->GetCurrentTree();
  const int stored = item >= 0 && item < tree.GetDirDataCount() ? tree.GetDirData(item)->m_nCaret : 0;
  long caret = 0;
  if (mode == 1)
    caret = text.GetLength();
  else if (mode == 2)
    caret = stored;
  else if (firstLoad)
    caret = tree.GetProperties().m_nFirstCursor;
  const bool placeCaret =
      !firstLoad || (ReadSetting(Settings::System::AutoFirst) && ReadSetting(Settings::System::FirstCursor));
  if (placeCaret) edit.SetSel(caret, caret);
  if (!firstLoad && item >= 0 && item < tree.GetDirDataCount()) {
    SYSTEMTIME now;
    GetLocalTime(&now);
    doc->GetTree().EditDirData(item)->SetDisplayTime(now);
  }
  m_bReportModified = TRUE;
}

void CIEditView::OnUpdate(CView* sender, LPARAM hint, CObject* hintObject) {
  if (m_bInitialized && !m_bTitleUpdate) {
    // An update that no commit came before would drop what the user typed: it goes back first
    // (into the item the control shows, and only while that is still the current one).
    if (m_bUnsaved) SaveText();
    LoadText(false);
  }
  CWrilaView::OnUpdate(sender, hint, hintObject);
}

void CIEditView::SaveText() {
  CKestavonDoc* doc = GetDocument();
  // Without the control the pane never showed the item's text: an empty answer is no edit. A
  // current item that changed without the views being told is not the item the control shows:
  // its text must not land there.
  if (!doc || !m_bInitialized || !GetEditCtrl().HasControl() || doc->GetCurrentTree() != m_nLoadedItem) return;
  IOutlineWindows* windows = Seam<IOutlineWindows>::Get();
  if (CFrameWnd* frame = GetParentFrame(); frame && windows) windows->SyncTextPanes(*frame);
  CWrilaCtrl& edit = GetEditCtrl();
  const CString text = edit.GetText();
  long start = 0;
  long end = 0;
  edit.GetSel(start, end);
  doc->SetCurrentText(text, static_cast<int>(end));
  m_bUnsaved = false;
}

void CIEditView::OnTextEdited() {
  m_bUnsaved = true;
  if (CKestavonDoc* doc = GetDocument(); doc && !doc->IsModified()) m_bEditMadeModified = true;
  CWrilaView::OnTextEdited();
}

BOOL CIEditView::UpdateTitleFromText() {
  CKestavonDoc* doc = GetDocument();
  if (!doc || !doc->GetTree().GetProperties().m_bAutoTitle) return FALSE;
  CString line = GetEditCtrl().GetLineText(TRUE, 0, FALSE);
  if (line.IsEmpty()) line = kUntitled;
  const int item = doc->GetCurrentTree();
  if (item < 0 || item >= doc->GetTree().GetDirDataCount() || line == doc->GetTree().GetName(item)) return FALSE;
  m_bTitleUpdate = TRUE;
  doc->SetCurrentTitle(line);
  m_bTitleUpdate = FALSE;
  return TRUE;
}

void CIEditView::OnCaretMoved() {
  CKestavonDoc* doc = GetDocument();
  if (!doc || !doc->GetTree().GetProperties().m_bAutoTitle) return;
  long line = 0;
  long column = 0;
  GetEditCtrl().GetCaretPos(TRUE, &line, &column);
  if (line == 0) {
    m_bCaretOnFirstLine = TRUE;
    return;
  }
  if (m_bCaretOnFirstLine && UpdateTitleFromText()) {
    m_bCaretOnFirstLine = FALSE;
    SetFocus();
  }
}

void CIEditView::SaveSel() { GetEditCtrl().GetSel(m_nSelStart, m_nSelEnd); }

void CIEditView::RestoreSel() { GetEditCtrl().SetSel(m_nSelStart, m_nSelEnd); }

void CIEditView::SyncTitleKeepView() {
  CWrilaCtrl& edit = GetEditCtrl();
  SaveSel();
  const long top = edit.GetFirstVisibleLine();
  UpdateTitleFromText();
  SetFocus();
  edit.LineScroll(top - edit.GetFirstVisibleLine(), 0);
  RestoreSel();
}

void CIEditView::OnSetFocusToControl(wxFocusEvent& event) {
  event.Skip();
  if (wxWindow* control = GetEditCtrl().GetControlWindow()) control->SetFocus();
}

void CIEditView::OnCursorTree(wxCommandEvent&) {
  SaveText();
  CFrameWnd* frame = GetParentFrame();
  CKestavonDoc* doc = GetDocument();
  if (!frame || !doc) return;
  for (CView* view : doc->GetViews()) {
    if (view->GetParentFrame() == frame && AsTreePane(*view)) {
      frame->SetActiveView(view);
      return;
    }
  }
}

void CIEditView::OnTreeOnly(wxCommandEvent&) {
  if (CFrameWnd* frame = GetParentFrame()) frame->SendCommand(ID_VIEW_TREE_ONLY);
}

void CIEditView::UpdateCaretStatus() {
  CKestavonApp* app = GetKestavonApp();
  if (!app) return;
  long line = 0;
  long column = 0;
  GetEditCtrl().GetCaretPos(TRUE, &line, &column);
  if (line == app->m_nStatusCaretLine && column == app->m_nStatusCaretColumn) return;
  app->m_nStatusCaretLine = line;
  app->m_nStatusCaretColumn = column;
  CString text;
  text.Format("%02ld:%02ld", column + 1, line + 1);
  auto* frame = dynamic_cast<wxFrame*>(wxGetTopLevelParent(this));
  if (auto* status = frame ? dynamic_cast<CStatusBar*>(frame->GetStatusBar()) : nullptr) status->SetPaneText(1, text);
}

void CIEditView::OnFocusLost(wxCommandEvent&) {
  CKestavonDoc* doc = GetDocument();
  CFrameWnd* frame = GetParentFrame();
  if (doc && frame) {
    for (CView* view : doc->GetViews()) {
      auto* other = dynamic_cast<CIEditView*>(view);
      if (other && other != this && other->GetParentFrame() == frame) SyncTextPanes(this, other);
    }
  }
  if (doc && doc->GetTree().GetProperties().m_bAutoTitle) UpdateTitleFromText();
}

void CIEditView::SyncTextPanes(CIEditView* source, CIEditView* target) {
  CWrilaCtrl& from = source->GetEditCtrl();
  CWrilaCtrl& to = target->GetEditCtrl();
  const CString text = from.GetText();
  if (text == to.GetText()) return;
  long start = 0;
  long end = 0;
  to.GetSel(start, end);
  const long top = to.GetFirstVisibleLine();
  const BOOL report = target->m_bReportModified;
  target->m_bReportModified = FALSE;
  to.SetLongText(text);
  to.SetModified(from.GetModified());
  to.SetSel(start, end);
  to.LineScroll(top - to.GetFirstVisibleLine(), 0);
  target->m_bReportModified = report;
}

void CIEditView::OnControlSettings(wxCommandEvent& event) {
  CWrilaCtrl& edit = GetEditCtrl();
  edit.SetPropPages(event.GetId() == ID_SETTINGS_FONT ? kFontPage : kTextAreaPages);
  edit.ExecCommand(kControlProperties);
  edit.SaveProperties();
  if (event.GetId() == ID_SETTINGS_TEXTAREA) {
    MarkControlKeys();
    TakeBackgroundColor();
  }
}

void CIEditView::OnUpdateControlSettings(wxUpdateUIEvent& event) {
  event.Enable((GetEditCtrl().QueryStatus(kControlProperties) & 3) == 3);
}
