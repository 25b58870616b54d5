#include "views/CGrepView.h"

#include <wx/listctrl.h>
#include <wx/sizer.h>

#include <algorithm>

#include "app/CKestavonApp.h"
#include "app/CKestavonDoc.h"
#include "app/CPaneLinks.h"
#include "app/StartProgram.h"
#include "foundation/SettingAccess.h"
#include "foundation/SettingsTable.h"
#include "platform/framework/CDocTemplate.h"
#include "platform/framework/CMDIChildWnd.h"
#include "platform/framework/CMDIFrameWnd.h"
#include "platform/framework/CWinApp.h"
#include "platform/base/CodePage.h"
#include "platform/framework/FrameworkIds.h"
#include "platform/desktop/MessageBox.h"
#include "platform/desktop/Shell.h"
#include "resources/CommandIds.h"
#include "views/CBrowserDde.h"
#include "views/CGrepDoc.h"
#include "views/CGrepEditView.h"
#include "views/GrepFonts.h"

// The rows are drawn from the document's hits as they are needed, so a search with very many hits
// fills the list at once.
class CGrepHitList : public wxListCtrl {
 public:
  CGrepHitList(wxWindow* parent, int id)
      : wxListCtrl(parent, id, wxDefaultPosition, wxDefaultSize,
                   wxLC_REPORT | wxLC_VIRTUAL | wxLC_SINGLE_SEL | wxLC_HRULES | wxLC_VRULES) {}
  const std::vector<std::unique_ptr<CGrepData>>* m_pHits = nullptr;

  static CString Column(const CGrepData& hit, long column) {
    const int slash = hit.m_strFile.ReverseFind('/');
    switch (column) {
      case 0: return hit.m_strFile.Mid(slash + 1);
      case 1: return slash < 0 ? CString() : hit.m_strFile.Left(slash);
      case 2: return hit.GetTreeTitle();
      default: return hit.m_strLink;
    }
  }

 protected:
  wxString OnGetItemText(long item, long column) const override {
    if (!m_pHits || item < 0 || item >= static_cast<long>(m_pHits->size())) return wxString();
    return CP932ToWx(Column(*(*m_pHits)[item], column).str());
  }
};

wxBEGIN_EVENT_TABLE(CGrepView, CView)
  EVT_LIST_ITEM_ACTIVATED(CGrepView::IDC_LIST, CGrepView::OnItemActivated)
  EVT_LIST_ITEM_SELECTED(CGrepView::IDC_LIST, CGrepView::OnItemSelected)
  EVT_MENU(ID_VIEW_OPEN_LINK, CGrepView::OnOpenLink)
  EVT_MENU(ID_SETTINGS_FONT, CGrepView::OnFont)
  EVT_MENU(ID_EDIT_COPY, CGrepView::OnToText)
  EVT_MENU(ID_EDIT_SELECT_ALL, CGrepView::OnToText)
  EVT_MENU(ID_EDIT_FIND, CGrepView::OnToText)
  EVT_MENU(ID_EDIT_FIND_NEXT, CGrepView::OnToText)
  EVT_MENU(ID_EDIT_FIND_PREV, CGrepView::OnToText)
  EVT_UPDATE_UI(ID_EDIT_COPY, CGrepView::OnUpdateToText)
  EVT_UPDATE_UI(ID_EDIT_SELECT_ALL, CGrepView::OnUpdateToText)
  EVT_UPDATE_UI(ID_EDIT_FIND, CGrepView::OnUpdateToText)
  EVT_UPDATE_UI(ID_EDIT_FIND_NEXT, CGrepView::OnUpdateToText)
  EVT_UPDATE_UI(ID_EDIT_FIND_PREV, CGrepView::OnUpdateToText)
  EVT_UPDATE_UI(ID_VIEW_OPEN_LINK, CGrepView::OnUpdateEnabled)
  EVT_UPDATE_UI(ID_SETTINGS_FONT, CGrepView::OnUpdateEnabled)
  EVT_UPDATE_UI(ID_VIEW_CHART, CGrepView::OnUpdateDisabled)
  EVT_UPDATE_UI(ID_VIEW_OUTLINE, CGrepView::OnUpdateDisabled)
wxEND_EVENT_TABLE()

BOOL CGrepView::Create(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size) {
  if (!CView::Create(parent, id, pos, size)) return FALSE;
  m_pList = new CGrepHitList(this, IDC_LIST);
  auto* sizer = new wxBoxSizer(wxVERTICAL);
  sizer->Add(m_pList, 1, wxEXPAND);
  SetSizer(sizer);
  return TRUE;
}

wxListCtrl* CGrepView::GetList() const { return m_pList; }

CGrepDoc* CGrepView::GetGrepDoc() const { return dynamic_cast<CGrepDoc*>(GetDocument()); }

void CGrepView::OnInitialUpdate() {
  CreateGrepFont(m_font, "GrepFont", -13);
  m_pList->SetFont(m_font.GetWxFont());
  static const char* const headers[] = {"ファイル名", "フォルダ", "ツリー", "リンクファイル"};
  for (int i = 0; i < 4; ++i) m_pList->InsertColumn(i, CP932ToWx(headers[i]), wxLIST_FORMAT_LEFT, 100);
  FillList();
  SelectHit(0);
}

void CGrepView::OnUpdate(CView*, LPARAM, CObject*) {
  CreateGrepFont(m_font, "GrepFont", -13);
  m_pList->SetFont(m_font.GetWxFont());
  FillList();
}

void CGrepView::FillList() {
  CGrepDoc* doc = GetGrepDoc();
  m_pList->m_pHits = doc ? &doc->GetHits() : nullptr;
  const long count = m_pList->m_pHits ? static_cast<long>(m_pList->m_pHits->size()) : 0;
  m_pList->SetItemCount(count);
  // A virtual list cannot size its columns to their contents: measure the texts instead, up to a
  // bound, so a huge list opens at once.
  const long measured = std::min(count, 2000L);
  for (int column = 0; column < 4; ++column) {
    int width = 0;
    wxListItem header;
    header.SetMask(wxLIST_MASK_TEXT);
    if (m_pList->GetColumn(column, header)) width = m_pList->GetTextExtent(header.GetText()).x;
    for (long row = 0; row < measured; ++row)
      width = std::max(width, m_pList->GetTextExtent(CP932ToWx(CGrepHitList::Column(*(*m_pList->m_pHits)[row], column).str())).x);
    m_pList->SetColumnWidth(column, width + 16);
  }
  m_pList->Refresh();
}

void CGrepView::SelectHit(int index) {
  if (index < 0 || index >= m_pList->GetItemCount()) return;
  m_pList->SetItemState(index, wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED,
                        wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED);
  m_pList->EnsureVisible(index);
  CGrepDoc* doc = GetGrepDoc();
  if (CGrepEditView* edit = doc ? doc->GetEditView() : nullptr) edit->ShowText(doc->GetHits()[index]->m_strText);
}

const CGrepData* CGrepView::GetSelectedHit() const {
  const long row = m_pList->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED);
  CGrepDoc* doc = GetGrepDoc();
  if (!doc || row < 0 || row >= static_cast<long>(doc->GetHits().size())) return nullptr;
  return doc->GetHits()[row].get();
}

void CGrepView::OnItemSelected(wxListEvent& event) {
  CGrepDoc* doc = GetGrepDoc();
  const long row = event.GetIndex();
  if (!doc || row < 0 || row >= static_cast<long>(doc->GetHits().size())) return;
  if (CGrepEditView* edit = doc->GetEditView()) edit->ShowText(doc->GetHits()[row]->m_strText);
}

void CGrepView::OnItemActivated(wxListEvent&) { OpenHit(); }

namespace {

// The tree of the hit in the opened outline: by its path, or, when the file was edited since the
// search, by its text and then by the search's own word. The tree found keeps the search's
// options in the outline, so the word is marked in its text when the tree is shown.
int FindHitTree(ATREE& tree, const CGrepData& hit, const CGrepOptions& options) {
  const int byPath = tree.FindPath(hit.m_strTreePath);
  tree.GetSearch().SetUpdateRange(COleDateTime(), COleDateTime());
  tree.GetSearch().SetCategoryFilter(-1);
  int found = -1;
  if (byPath < 0) {
    CString text = hit.m_strText;
    text.Replace("\r\n", "");
    text.Trim();
    tree.GetSearch().SetSearchText(text);
    tree.GetSearch().SetSearchOptions(TRUE, TRUE, 0);
    tree.GetSearch().SetSearchTargets(TRUE, TRUE, FALSE);
    tree.GetSearch().SetRegExpSearch(FALSE);
    if (!text.IsEmpty()) found = tree.GetSearch().FindText(tree, 0, TRUE);
  }
  tree.GetSearch().SetSearchText(options.m_strWord);
  // The per-file modes look for any of the parts within one tree.
  tree.GetSearch().SetSearchOptions(options.m_bCase, options.m_bWidth,
                                    options.m_nWordMode <= 2 ? options.m_nWordMode : 1);
  tree.GetSearch().SetSearchTargets(options.m_bTitle, options.m_bText, options.m_bLink);
  tree.GetSearch().SetRegExpSearch(options.m_bRegExp);
  const int item = byPath >= 0 ? byPath : found >= 0 ? found : tree.GetSearch().FindText(tree, 0, TRUE);
  if (item < 0) return -1;
  // Marks the word when it stands in the tree's text; a find from the item itself says so.
  if (tree.GetSearch().FindText(tree, item, TRUE) != item) tree.GetSearch().ClearFoundInText();
  return item;
}

}  // namespace

void CGrepView::OpenHit() {
  const CGrepData* hit = GetSelectedHit();
  CGrepDoc* grep = GetGrepDoc();
  if (!hit || !grep) return;
  auto* main = dynamic_cast<CMDIFrameWnd*>(AfxGetMainFrameWindow());
  CKestavonDoc* doc = nullptr;
  if (main) {
    const std::vector<CMDIChildWnd*> children = main->GetMDIChildren();
    for (auto it = children.rbegin(); it != children.rend() && !doc; ++it) {
      auto* outline = dynamic_cast<CKestavonDoc*>((*it)->GetActiveDocument());
      if (outline && outline->GetPathName() == hit->m_strFile) {
        main->MDIActivate(*it);
        doc = outline;
      }
    }
  }
  if (!doc) {
    if (const CString question = LargeTextQuestion(hit->m_strFile); !question.IsEmpty()) {
      if (AfxMessageBox(question, MB_OKCANCEL | MB_ICONQUESTION) == IDOK) {
        StartProgram(this, ReadSetting(Settings::System::Editor), hit->m_strFile);
        return;
      }
    }
    CDocTemplate* outlines = GetKestavonApp() ? GetKestavonApp()->m_pKestavonTemplate : nullptr;
    doc = outlines ? dynamic_cast<CKestavonDoc*>(outlines->OpenDocumentFile(hit->m_strFile)) : nullptr;
    if (!doc) return;
  }
  const int item = FindHitTree(doc->GetTree(), *hit, grep->m_options);
  if (item < 0) {
    AfxMessageBox("見つかりません。検索以降、編集された可能性があります");
    return;
  }
  if (CTreePane* pane = doc->GetTreePane()) pane->ShowFoundTree(item);
}

CString CGrepView::ResolveLink(const char* link, const char* file) {
  const CString text(link);
  if (text.IsEmpty() || text.Find(':') >= 0 || text[0] == '/' || text[0] == '\\') return text;
  const CString path(file);
  const int slash = std::max(path.ReverseFind('/'), path.ReverseFind('\\'));
  CString relative = text;
  relative.Replace('\\', '/');
  return path.Left(slash + 1) + relative;
}

void CGrepView::OpenLinkFile() {
  if (ReadSetting(Settings::System::LinkCheck) == 1 &&
      AfxMessageBox("リンクファイルを起動しますか？", MB_OKCANCEL | MB_ICONQUESTION) != IDOK)
    return;
  const CGrepData* hit = GetSelectedHit();
  if (!hit || hit->m_strLink.IsEmpty()) return;
  const CString link = ResolveLink(hit->m_strLink, hit->m_strFile);
  if (link.Find("://") >= 0) {
    CBrowserDde browser;
    if (browser.OpenURLInFront(link)) return;
  }
  if (OpenLink(this, link) == 1) StartProgram(this, ReadSetting(Settings::System::Editor), link);
}

void CGrepView::OnOpenLink(wxCommandEvent&) { OpenLinkFile(); }

void CGrepView::OnFont(wxCommandEvent& event) {
  if (!ListHasFocus()) {
    OnToText(event);
    return;
  }
  if (!ChooseGrepFont(this, m_font, "GrepFont")) return;
  if (CDocument* doc = GetDocument()) doc->UpdateAllViews(nullptr);
}

bool CGrepView::ListHasFocus() const {
  const wxWindow* focus = wxWindow::FindFocus();
  return focus == m_pList || focus == this;
}

void CGrepView::OnToText(wxCommandEvent& event) {
  CGrepDoc* doc = GetGrepDoc();
  CGrepEditView* edit = doc ? doc->GetEditView() : nullptr;
  if (!edit) return;
  edit->GetTextCtrl()->SetFocus();
  if (CFrameWnd* frame = GetParentFrame()) frame->SetActiveView(edit);
  wxCommandEvent copy(wxEVT_MENU, event.GetId());
  edit->GetEventHandler()->ProcessEvent(copy);
}

void CGrepView::OnUpdateToText(wxUpdateUIEvent& event) {
  CGrepDoc* doc = GetGrepDoc();
  CGrepEditView* edit = doc ? doc->GetEditView() : nullptr;
  bool enable = edit && !ListHasFocus();
  if (enable && (event.GetId() == ID_EDIT_FIND_NEXT || event.GetId() == ID_EDIT_FIND_PREV))
    enable = !edit->m_strFind.IsEmpty();
  event.Enable(enable);
}

void CGrepView::OnUpdateEnabled(wxUpdateUIEvent& event) { event.Enable(true); }

void CGrepView::OnUpdateDisabled(wxUpdateUIEvent& event) { event.Enable(false); }
