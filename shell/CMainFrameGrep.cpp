// Opening a grep window: from the menu with the file search dialog, seeded with the text selected
// in the active outline window, or from the grep bar with its word at once.
#include "app/CKestavonDoc.h"
#include "app/CPaneLinks.h"
#include "shell/CFindToolBar.h"
#include "shell/CKestavonProgram.h"
#include "shell/CMainFrame.h"
#include "platform/framework/CDocTemplate.h"
#include "platform/framework/CMDIChildWnd.h"
#include "resources/CommandIds.h"
#include "views/CGrepDoc.h"

void CMainFrame::OnGrep(wxCommandEvent& event) {
  auto* program = dynamic_cast<CKestavonProgram*>(GetKestavonApp());
  if (!program || !program->m_pGrepTemplate) return;
  if (event.GetId() == ID_WORK_BAR_GREP) {
    CGrepDoc::s_nStartMode = CGrepDoc::StartAtOnce;
    CGrepDoc::s_strStartWord = m_pGrepBar ? m_pGrepBar->GetFieldText() : CString();
    if (!CGrepDoc::s_strStartWord.IsEmpty()) {
      m_grepHistory.Add(CGrepDoc::s_strStartWord);
      m_grepHistory.Save();
      if (m_pGrepBar && m_pGrepBar->GetField()) m_grepHistory.FillComboBox(m_pGrepBar->GetField());
    }
  } else {
    CGrepDoc::s_nStartMode = CGrepDoc::StartAsk;
    CMDIChildWnd* child = MDIGetActive();
    auto* doc = child ? dynamic_cast<CKestavonDoc*>(child->GetActiveDocument()) : nullptr;
    CTextPane* text = doc ? doc->GetTextView() : nullptr;
    CGrepDoc::s_strStartWord = text ? text->GetPaneSelText() : CString();
  }
  program->m_pGrepTemplate->OpenDocumentFile(nullptr);
}
