#include "views/CBrowserView.h"

#include <wx/html/htmlwin.h>
#include <wx/sizer.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "app/CKestavonDoc.h"
#include "app/CPaneLinks.h"
#include "foundation/CTextFile.h"
#include "foundation/PathHelpers.h"
#include "model/ATREE.h"
#include "model/CLinkPath.h"
#include "model/DocumentTreeLink.h"
#include "platform/desktop/CWaitCursor.h"
#include "platform/framework/CWinApp.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/MessageBox.h"
#include "resources/CommandIds.h"
#include "views/PreviewArticles.h"
#include "views/PreviewPages.h"
#include "views/PreviewWebView.h"

namespace {

bool IsUnreservedPathByte(unsigned char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '/' || c == '-' ||
         c == '_' || c == '.' || c == '~';
}

// A local path as a "file://" address, its bytes in UTF-8 with escapes.
std::string FileUrl(const char* path) {
  std::string url = "file://";
  for (unsigned char c : CP932ToUTF8(path)) {
    if (IsUnreservedPathByte(c)) {
      url += static_cast<char>(c);
    } else {
      char escaped[4];
      snprintf(escaped, sizeof(escaped), "%%%02X", c);
      url += escaped;
    }
  }
  return url;
}

// The address the browser is given: local paths become "file://" addresses; a "file:////" that a
// folder starting with '/' put after "file:///" loses the extra slash.
std::string BrowserUrl(const char* target) {
  const CString text(target);
  if (text.Find("://") < 0 && text.Left(6) != "about:") return FileUrl(target);
  std::string url = CP932ToUTF8(target);
  if (url.starts_with("file:////")) url.erase(7, 1);
  return url;
}

// The local file an address names, "" when it names none.
CString LocalFileOf(const char* target) {
  const CString text(target);
  if (text.Left(7) == "file://") {
    CString path = text.Mid(7);
    while (path.Left(2) == "//") path = path.Mid(1);
    return path;
  }
  return text.Find("://") < 0 && text.Left(6) != "about:" ? text : CString();
}

CString ReadWholeFile(const char* path) {
  try {
    CTextFile file(path, "rb");
    return file.ReadAll();
  } catch (const CPelkoFileException&) {
    return CString();
  }
}

CString LowerExtension(const CString& text) {
  const int dot = text.ReverseFind('.');
  CString ext = dot < 0 ? text : text.Mid(dot + 1);
  ext.MakeLower();
  return ext;
}

// The tree a link names, -1 when the outline has no such tree (the model's search stops at the
// deepest title it finds).
int FindLinkedTree(const ATREE& tree, const CLinkPath& link) {
  if (tree.GetDirDataCount() == 0) return -1;
  int wanted = 0;
  for (int k = 1; k < link.GetTitleCount(); ++k)
    if (!link.GetTitle(k).IsEmpty()) wanted = k;
  const int item = tree.FindTreeByLink(link);
  return tree.GetLevel(item) < wanted ? -1 : item;
}

CString NormalizeLink(CString link) {
  link.Replace('\\', '/');
  link.MakeLower();
  return link;
}

}  // namespace

CBrowserView::CBrowserView() : m_strTempName("PelkoPreview.html") {
  Bind(wxEVT_MENU, &CBrowserView::OnPostOpen, this, ID_WORK_POST_OPEN);
}

CBrowserView::~CBrowserView() {
  m_pWeb.reset();  // before m_bSilent, which it reads
  std::error_code ec;
  if (!m_strTempPath.IsEmpty()) std::filesystem::remove(CP932ToUTF8(m_strTempPath.str()), ec);
  if (!m_strTempFolder.IsEmpty()) std::filesystem::remove(CP932ToUTF8(m_strTempFolder.str()), ec);
}

BOOL CBrowserView::Create(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size) {
  if (!CView::Create(parent, id, pos, size)) return FALSE;
  SetSizer(new wxBoxSizer(wxVERTICAL));
  return TRUE;
}

void CBrowserView::OnUpdate(CView*, LPARAM hint, CObject*) {
  if (hint != 1) return;
  IOutlineWindows* windows = Seam<IOutlineWindows>::Get();
  if (CFrameWnd* frame = GetParentFrame(); frame && windows) windows->ShowLinkFile(*frame);
}

void CBrowserView::CreateBrowser() {
  if (m_pWeb || m_pHtml) return;
  m_pWeb = MakePreviewWebView(this, &m_bSilent, [this](const std::string& url) { return OnWebNavigating(url); });
  if (m_pWeb) {
    GetSizer()->Add(m_pWeb->GetWindow(), 1, wxEXPAND);
  } else {
    m_pHtml = new wxHtmlWindow(this, wxID_ANY, wxDefaultPosition, GetClientSize());
    m_pHtml->Bind(wxEVT_HTML_LINK_CLICKED, &CBrowserView::OnHtmlLinkClicked, this);
    GetSizer()->Add(m_pHtml, 1, wxEXPAND);
  }
  Layout();
}

CKestavonDoc* CBrowserView::GetKestavonDoc() const { return dynamic_cast<CKestavonDoc*>(GetDocument()); }

void CBrowserView::Navigate(const char* target) {
  const bool blank = CString(target) == "about:blank";
  // A pane that never showed a page is blank already.
  if (blank && !m_pWeb && !m_pHtml) return;
  CreateBrowser();
  if (m_pWeb) {
    m_pWeb->LoadURL(BrowserUrl(target));
    return;
  }
  m_strHtmlLocation = BrowserUrl(target).c_str();
  const CString file = LocalFileOf(target);
  if (blank) {
    m_pHtml->SetPage("<html><body></body></html>");
  } else if (!file.IsEmpty()) {
    // The simple window reads no character set of its own: the file is taken as Shift_JIS.
    m_pHtml->SetPage(CP932ToWx(ReadWholeFile(file).str()));
  } else {
    m_pHtml->LoadPage(wxString::FromUTF8(m_strHtmlLocation.str()));
  }
}

CString CBrowserView::GetLocationURL() const {
  if (m_pWeb) return UTF8ToCP932(m_pWeb->GetCurrentURL());
  return m_strHtmlLocation;
}

wxWindow* CBrowserView::GetWebWindow() const { return m_pWeb ? m_pWeb->GetWindow() : nullptr; }

int CBrowserView::ShowLink(const char* link) {
  // Drops never reach the web view (see CreateBrowser).
  if (ShowSpreadsheetLink(link)) return 1;
  return ShowLinkPage(link);
}

BOOL CBrowserView::IsSpreadsheetShown() const {
  // No program association is asked for here: the link's own extension decides.
  CString ext = GetFileExt(m_strLink);
  ext.MakeLower();
  return ext == "xls" || ext == "csv" ? TRUE : FALSE;
}

int CBrowserView::ShowSpreadsheetLink(const char* link) {
  if (!IsSpreadsheetShown()) return 0;
  CString wanted = NormalizeLink(link);
  if (wanted.Left(8) != "file:///") wanted = "file:///" + wanted;
  const CString current = NormalizeLink(GetLocationURL());
  if (wanted == current) return 1;
  if (LowerExtension(current) == "xls") {
    Navigate("about:blank");
    PumpWaitingMessages();
    PumpWaitingMessages();
  }
  m_strLink = link;
  return 0;
}

int CBrowserView::ShowLinkPage(const char* link) {
  const CString text(link);
  CString target = text;
  if (text.Find("://") >= 0) {
    const CKestavonDoc* doc = GetKestavonDoc();
    const CString documentPath = doc ? doc->GetPathName() : CString();
    if (IsTreeLinkOfDocument(text, documentPath)) {
      WriteTreeLinkPage(text);
      return 0;
    }
    target = CLinkPath::MakeAbsolute(text, documentPath);
  } else if (text.Find('.') >= 0) {
    const CString ext = text.Mid(text.ReverseFind('.'));
    if (ext.CompareNoCase(".kvn") == 0) {
      WriteOutlineFilePage(text);
      return 0;
    }
    if (ext.CompareNoCase(".exe") == 0) {
      WriteFileInfoPage("実行ファイル", text);
      return 0;
    }
  }
  m_bSilent = true;
  Navigate(target);
  m_strLink = text;
  return 1;
}

void CBrowserView::UpdateTempPath() {
  if (m_strTempFolder.IsEmpty()) {
    std::string folder = CP932ToUTF8((GetTempDir() + "kestapreviewXXXXXX").str());
    if (!mkdtemp(folder.data())) {
      m_strTempPath.Empty();
      return;
    }
    m_strTempFolder = UTF8ToCP932(folder);
  }
  m_strTempPath = m_strTempFolder + "/" + m_strTempName;
}

void CBrowserView::WritePageFile(const CString& text) {
  CWaitCursor wait;
  try {
    if (m_strTempPath.IsEmpty()) throw CPelkoFileException("一時フォルダを作成できませんでした", m_strTempName);
    CTextFile file(m_strTempPath, "wb");
    file.WriteString(text);
    file.Close();
  } catch (const CPelkoFileException& e) {
    AfxMessageBox(e.GetMessage());
  }
}

void CBrowserView::WritePage(const char* body) {
  UpdateTempPath();
  WritePageFile(MakePreviewPage(body));
  Navigate(m_strTempPath);
}

int CBrowserView::WriteOutlineFilePage(const char* path) {
  UpdateTempPath();
  ATREE tree;
  if (tree.OpenFile(path, 0, 1) < 0) {
    WritePage(MakeOutlineFailureBody(path));
    return 0;
  }
  // The preview only reads the file: it holds no lock on it.
  tree.GetLock().RemoveLockFile();
  tree.ExpandAll(0);
  CString page = MakeOutlineFileHead(path);
  if (IPreviewArticles* articles = Seam<IPreviewArticles>::Get()) page += articles->MakeOutlineText(tree);
  page += kOutlineFileTail;
  WritePageFile(page);
  Navigate(m_strTempPath);
  return 1;
}

int CBrowserView::WriteTreeLinkPage(const char* link) {
  CKestavonDoc* doc = GetKestavonDoc();
  IPreviewArticles* articles = Seam<IPreviewArticles>::Get();
  if (!doc || !articles) return 0;
  const CLinkPath target(link);
  CString article;
  if (target.IsSameFile(doc->GetPathName())) {
    ATREE& tree = doc->GetTree();
    const int item = FindLinkedTree(tree, target);
    // A link to a tree that is not there leaves the preview as it was.
    if (item < 0) return 0;
    if (tree.GetView(item)) {
      article = articles->MakeArticle(tree, item);
    } else {
      ATREE unfolded(tree);
      unfolded.ExpandAll(0);
      article = articles->MakeArticle(unfolded, item);
    }
  } else {
    ATREE other;
    if (other.OpenFile(ATREE::MakeFullPath(doc->GetPathName(), target.GetPath()), 0, 1) < 0) return 0;
    other.GetLock().RemoveLockFile();
    other.ExpandAll(0);
    const int item = FindLinkedTree(other, target);
    if (item < 0) return 0;
    article = articles->MakeArticle(other, item);
  }
  WritePage(article);
  return 1;
}

int CBrowserView::WriteFileInfoPage(const char* heading, const char* path) {
  WritePage(MakeFileInfoBody(heading, path, ReadPreviewFileInfo(path)));
  return 1;
}

BOOL CBrowserView::OnBeforeNavigate2(const std::string& urlUtf8) {
  CString path;
  if (!GetKvnLinkPath(urlUtf8, path)) return FALSE;
  if (CWinApp* app = AfxGetApp()) app->OpenDocumentFile(path);
  return TRUE;
}

bool CBrowserView::OnWebNavigating(const std::string& urlUtf8) {
  CString path;
  if (!GetKvnLinkPath(urlUtf8, path)) return false;
  // The document opens once the web view has finished deciding on this navigation.
  CallAfter([this, urlUtf8] { OnBeforeNavigate2(urlUtf8); });
  return true;
}

void CBrowserView::OnHtmlLinkClicked(wxHtmlLinkEvent& event) {
  if (!OnBeforeNavigate2(event.GetLinkInfo().GetHref().utf8_string())) event.Skip();
}

void CBrowserView::OnPostOpen(wxCommandEvent&) {
  Navigate("about:blank");
  ShowLinkPage(m_strLink);
  Update();
}
