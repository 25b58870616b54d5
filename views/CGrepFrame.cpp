#include "views/CGrepFrame.h"

#include <memory>

#include "platform/framework/CDocTemplate.h"
#include "platform/framework/CSplitterWnd.h"
#include "platform/framework/CWinApp.h"
#include "platform/desktop/MessageBox.h"
#include "resources/CommandIds.h"
#include "views/CGrepEditView.h"

wxBEGIN_EVENT_TABLE(CGrepFrame, CMDIChildWnd)
  EVT_MENU(ID_GREP_SPLIT_STACK, CGrepFrame::OnSplit)
  EVT_MENU(ID_GREP_SPLIT_SIDE, CGrepFrame::OnSplit)
  EVT_UPDATE_UI(ID_GREP_SPLIT_STACK, CGrepFrame::OnUpdateSplit)
  EVT_UPDATE_UI(ID_GREP_SPLIT_SIDE, CGrepFrame::OnUpdateSplit)
wxEND_EVENT_TABLE()

BOOL CGrepFrame::OnCreateClient(CCreateContext* context) {
  m_nSplPos = AfxGetProfileInt("Grep", "SplPos", 1);
  const bool rows = m_nSplPos != 0;
  auto splitter = std::make_unique<CSplitterWnd>();
  if (!splitter->CreateStatic(this, rows ? 2 : 1, rows ? 1 : 2)) return FALSE;
  m_pSplitter = splitter.release();  // a window of this frame now
  // The frame is not laid out yet: the client area it will fill stands for its own.
  wxSize client = GetClientSize();
  if ((client.x < 100 || client.y < 100) && GetParent()) client = GetParent()->GetClientSize();
  const SIZE listSize = rows ? SIZE{200, AfxGetProfileInt("Grep", "Row", client.y / 2)}
                             : SIZE{AfxGetProfileInt("Grep", "Colum", client.x / 2), 60};
  if (!m_pSplitter->CreateView(0, 0, context->m_pNewViewClass, listSize, context)) return FALSE;
  if (!m_pSplitter->CreateView(rows ? 1 : 0, rows ? 0 : 1, RuntimeClass<CGrepEditView>(), SIZE{10, 10}, context))
    return FALSE;
  m_pSplitter->SetActivePane(0, 0);
  return TRUE;
}

void CGrepFrame::OnDestroy() {
  if (!m_pSplitter) return;
  int current = 0;
  int minimum = 0;
  if (m_nSplPos != 0) {
    m_pSplitter->GetRowInfo(0, current, minimum);
    AfxWriteProfileInt("Grep", "Row", current);
  } else {
    m_pSplitter->GetColumnInfo(0, current, minimum);
    AfxWriteProfileInt("Grep", "Colum", current);
  }
}

void CGrepFrame::OnSplit(wxCommandEvent& event) {
  if (event.GetId() == ID_GREP_SPLIT_STACK) {
    AfxWriteProfileInt("Grep", "SplPos", 1);
    AfxMessageBox("この設定は次にウィンドウを開いたときから有効です");
  } else {
    AfxWriteProfileInt("Grep", "SplPos", 0);
    AfxMessageBox("この設定は次回検索時から有効です");
  }
}

void CGrepFrame::OnUpdateSplit(wxUpdateUIEvent& event) {
  const int stored = AfxGetProfileInt("Grep", "SplPos", 1);
  event.Check(event.GetId() == ID_GREP_SPLIT_STACK ? stored == 1 : stored == 0);
}
