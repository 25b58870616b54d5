#include "textarea/CWrilaView.h"

#include <wx/menu.h>

#include "app/CKestavonApp.h"
#include "platform/com/Bstr.h"
#include "platform/framework/CDocument.h"
#include "platform/framework/CFrameWnd.h"
#include "platform/framework/FrameworkIds.h"
#include "platform/desktop/Shell.h"
#include "resources/MenuResource.h"

namespace {

// The control's status word: bit 0 supported, bit 1 enabled; a command needs both.
bool Enabled(short status) { return (status & 3) == 3; }

// The "テキスト" popup of the context menus, and its bookmark submenu.
constexpr int kTextPopup = 0;
constexpr size_t kBookmarkSubmenu = 23;

// Edit commands that go to the control's command of the same id.
constexpr int kRoutedEditCommands[] = {ID_EDIT_UNDO, ID_EDIT_REDO,   ID_EDIT_CUT,     ID_EDIT_COPY,      ID_EDIT_PASTE,
                                       ID_EDIT_FIND, ID_EDIT_REPEAT, ID_EDIT_REPLACE, ID_EDIT_SELECT_ALL};

}  // namespace

CWrilaView::CWrilaView() : m_pEdit(new CWrilaCtrl) {
  Bind(wxEVT_SIZE, &CWrilaView::OnSizeChanged, this);
  for (int id : kRoutedEditCommands) Bind(wxEVT_MENU, &CWrilaView::OnEditCommand, this, id);
  for (int id : {ID_EDIT_UNDO, ID_EDIT_REDO, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE, ID_EDIT_REPEAT})
    Bind(wxEVT_UPDATE_UI, &CWrilaView::OnUpdateEditCommand, this, id);
  Bind(wxEVT_MENU, &CWrilaView::OnEditClear, this, ID_EDIT_CLEAR);
  Bind(wxEVT_UPDATE_UI, &CWrilaView::OnUpdateEditClear, this, ID_EDIT_CLEAR);
}

CWrilaView::~CWrilaView() { SaveControlProperties(); }

BOOL CWrilaView::Create(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size) {
  if (!CView::Create(parent, id, pos, size)) return FALSE;
  // Without the control the view still stands; every call on the control then does nothing.
  m_pEdit->Create(this, kControlId, wxRect(wxPoint(0, 0), GetClientSize()));
  m_pEdit->SetEventHandler([this](DISPID event, std::span<const VARIANT> args) { OnControlEvent(event, args); });
  return TRUE;
}

void CWrilaView::OnInitialUpdate() {
  CView::OnInitialUpdate();
  CWrilaCtrl& edit = *m_pEdit;
  edit.SetAppName("エディタ");
  edit.SetPropTitle("エディタ");
  edit.NeedEvents(kEventMask);
  edit.SetRegKey("Software\\Pelko\\Kestavon\\Wrila");
  edit.LoadProperties();
  edit.SetAppearance(0);
  edit.SetSize(GetClientSize());
}

void CWrilaView::SaveControlProperties() {
  if (m_bPropertiesSaved) return;
  m_bPropertiesSaved = true;
  m_pEdit->SaveProperties();
}

void CWrilaView::GetSelText(CString& text) { text = m_pEdit->GetSelText(); }

int CWrilaView::GetTextLength() { return m_pEdit->GetText().GetLength(); }

void CWrilaView::OnTextEdited() {
  if (CDocument* doc = GetDocument()) doc->SetModifiedFlag(TRUE);
}

void CWrilaView::OpenLink(const char* url) { OpenLinkTarget(this, url); }

void CWrilaView::OnControlEvent(DISPID id, std::span<const VARIANT> args) {
  switch (id) {
    case CWrila::kEventLinkURL:
      if (!args.empty() && args[0].vt == VT_BSTR) OpenLink(CP932FromBstr(args[0].bstrVal));
      break;
    case CWrila::kEventContextMenu:
      if (args.size() >= 2) ShowContextMenu(args[0].lVal, args[1].lVal);
      break;
    case CWrila::kEventCaretMoved:
      OnCaretMoved();
      break;
    case CWrila::kEventChange:
      // Read back now: a put of Modified FALSE fires Change as well.
      if (m_bReportModified && m_pEdit->GetModified()) OnTextEdited();
      break;
    default:
      break;
  }
}

void CWrilaView::ShowContextMenu(int x, int y) {
  wxPoint point(x, y);
  if (x == -1) {
    long row = 0;
    long column = 0;
    m_pEdit->GetCaretPos(FALSE, &row, &column);
    long devY = 0;
    long devX = 0;
    m_pEdit->ViewToDev(row + 1, column, &devY, &devX);
    wxWindow* control = m_pEdit->GetControlWindow();
    point = (control ? control : static_cast<wxWindow*>(m_pEdit))
                ->ClientToScreen(wxPoint(static_cast<int>(devX), static_cast<int>(devY)));
  }
  std::unique_ptr<wxMenu> menu = LoadPopupMenu(IDR_CONTEXT, kTextPopup);
  CWinApp* app = AfxGetApp();
  if (!menu || !app || !app->m_pMainWnd) return;
  if (menu->GetMenuItemCount() > kBookmarkSubmenu) {
    wxMenuItem* bookmarks = menu->FindItemByPosition(kBookmarkSubmenu);
    CKestavonApp* kestavon = GetKestavonApp();
    if (kestavon && bookmarks->GetSubMenu()) kestavon->m_bookmarkFiles.AppendToMenu(bookmarks->GetSubMenu());
  }
  wxWindow* main = app->m_pMainWnd->GetFrameWindow();
  main->PopupMenu(menu.get(), main->ScreenToClient(point));
}

void CWrilaView::OnSizeChanged(wxSizeEvent& event) {
  m_pEdit->SetSize(GetClientSize());
  event.Skip();
}

void CWrilaView::OnEditCommand(wxCommandEvent& event) { m_pEdit->ExecCommand(event.GetId()); }

void CWrilaView::OnUpdateEditCommand(wxUpdateUIEvent& event) {
  bool enable = Enabled(m_pEdit->QueryStatus(event.GetId()));
  // Right after a text load the control still holds undo records of the load; they are not the user's.
  if (enable && event.GetId() == ID_EDIT_UNDO) enable = m_pEdit->GetModified() != FALSE;
  event.Enable(enable);
}

void CWrilaView::OnEditClear(wxCommandEvent&) { m_pEdit->SetSelText(""); }

void CWrilaView::OnUpdateEditClear(wxUpdateUIEvent& event) {
  event.Enable(Enabled(m_pEdit->QueryStatus(ID_EDIT_COPY)));
}
