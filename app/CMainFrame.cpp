#include "app/CMainFrame.h"

#include <wx/menu.h>

#include "app/CKestaCommandLineInfo.h"
#include "app/CKestaFrame.h"
#include "app/CKestavonApp.h"
#include "platform/CDocTemplate.h"
#include "platform/CDocument.h"
#include "platform/CMDIChildWnd.h"
#include "platform/COleDispatchException.h"
#include "platform/MessageBox.h"
#include "platform/CodePage.h"

wxBEGIN_EVENT_TABLE(CMainFrame, CMDIFrameWnd)
  EVT_MENU(ID_COMMANDLINE, CMainFrame::OnCommandLine)
wxEND_EVENT_TABLE()

namespace {

CKestavonApp* App() { return static_cast<CKestavonApp*>(AfxGetApp()); }

void Append(wxMenu* menu, int id, const char* text) { menu->Append(id, CP932ToWx(text)); }

std::unique_ptr<wxMenuBar> MakeMenuBar() {
  auto* file = new wxMenu;
  Append(file, ID_FILE_NEW, "新規作成(&N)\tCtrl+N");
  Append(file, ID_FILE_OPEN, "開く(&O)...\tCtrl+O");
  Append(file, ID_FILE_CLOSE, "閉じる(&C)");
  Append(file, ID_FILE_SAVE, "上書き保存(&S)\tCtrl+S");
  Append(file, ID_FILE_SAVE_AS, "名前を付けて保存(&A)...");
  file->AppendSeparator();
  Append(file, ID_APP_EXIT, "終了(&X)");
  auto* window = new wxMenu;
  Append(window, ID_WINDOW_CASCADE, "重ねて表示(&C)");
  Append(window, ID_WINDOW_TILE_HORZ, "上下に並べて表示(&H)");
  Append(window, ID_WINDOW_TILE_VERT, "左右に並べて表示(&V)");
  auto bar = std::make_unique<wxMenuBar>();
  bar->Append(file, CP932ToWx("ファイル(&F)"));
  bar->Append(window, CP932ToWx("ウィンドウ(&W)"));
  return bar;
}

}  // namespace

CMainFrame::CMainFrame() { Bind(wxEVT_CLOSE_WINDOW, &CMainFrame::OnMainClose, this); }

CMainFrame::~CMainFrame() = default;

int CMainFrame::OnCreate() {
  SetMenuBarFor(m_nIDHelp, MakeMenuBar());
  SetMenuBarFor(3, MakeMenuBar());
  SetSize(FromDIP(wxSize(900, 640)));
  m_listener = std::make_unique<CInstanceListener>();
  m_listener->Listen(kWindowClass, this);
  return 0;
}

bool CMainFrame::ProcessEvent(wxEvent& event) {
  try {
    return CMDIFrameWnd::ProcessEvent(event);
  } catch (const COleDispatchException& error) {
    AfxMessageBox(error.m_strDescription, MB_OK | MB_ICONEXCLAMATION);
    return true;
  }
}

void CMainFrame::OnMainClose(wxCloseEvent& event) {
  // The documents open now are those a start with System/AllFileInit opens again, in this order.
  CKestavonApp* app = App();
  if (app && app->GetProfileInt("System", "AllFileInit", 0) && app->m_pKestavonTemplate) {
    int count = 0;
    for (CDocument* doc : app->m_pKestavonTemplate->GetDocuments()) {
      if (doc->GetPathName().IsEmpty()) continue;
      CString key;
      key.Format("name%02d", count++);
      app->WriteProfileString("InitAllFile", key, doc->GetPathName());
    }
    app->WriteProfileInt("InitAllFile", "Count", count);
  }
  event.Skip();  // the framework asks to save and closes
}

void CMainFrame::OnCommandLine(wxCommandEvent&) {
  CKestavonApp* app = App();
  const CString line = app->GetProfileString("System", "Commandline", "");
  if (line.IsEmpty()) return;
  CKestaCommandLineInfo info;
  info.ParseCommandString(line);
  app->ApplyCommandLine(info);
  if (info.GetMode() == CKestaCommandLineInfo::ModeAdd) return;  // adding a file as a tree comes with the tree view
  if (info.GetFileList().empty()) return;
  CString wanted = info.GetFileList().front();
  if (!wanted.IsEmpty() && wanted[0] == '"') wanted.Trim('"');
  const std::vector<CMDIChildWnd*> children = GetMDIChildren();
  for (auto it = children.rbegin(); it != children.rend(); ++it) {
    auto* child = dynamic_cast<CKestaFrame*>(*it);
    CDocument* doc = child ? child->GetActiveDocument() : nullptr;
    // Paths compare exactly: names that differ in case are different files here.
    if (doc && doc->GetPathName() == wanted) {
      child->MDIActivate();
      child->PostCommand(ID_JUMP_TREE);
      return;
    }
  }
  app->OpenDocumentFile(info.GetFileList().front());
}
