// The preview pane: the pages it writes for outline files, trees and programs, the program's own
// "kvn://" links, its private page folder, and a page shown in the real web view.
#include "views/CBrowserView.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <wx/app.h>
#include <wx/frame.h>
#include <wx/webview.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "app/CKestavonDoc.h"
#include "app/CPaneLinks.h"
#include "shell/PreviewArticleBuilder.h"
#include "platform/framework/CMDIFrameWnd.h"
#include "platform/framework/CWinApp.h"
#include "platform/base/CodePage.h"
#include "tests/common/TestSupport.h"
#include "tests/model/ModelTestSupport.h"
#include "views/PreviewArticles.h"
#include "views/PreviewPages.h"

using kesta_test::HasGui;
using kesta_test::MakeTempDir;
using kesta_test::ReadBytes;
using kesta_test::RunUntil;
using model_test::P;

TEST(PreviewPages, OutlineFilePagesLinkBackIntoTheProgramWithEscapedPaths) {
  EXPECT_EQ(MakeOutlineFileHead("X.KVN"),
            "<HTML>\n<BODY>\n<H1>ケスタボンファイル</H1>\nファイル名：<A HREF=\"kvn://X.KVN\">X.KVN</A>"
            "<BR>以下、テキスト出力<HR>\n");
  const CString failure = MakeOutlineFailureBody("/d/x.kvn");
  EXPECT_EQ(failure.Right(CString("ファイルがない可能性があります。<HR>\n\n").GetLength()),
            "ファイルがない可能性があります。<HR>\n\n");
  EXPECT_GE(MakeOutlineFailureBody("/d/a\"<b>&%.kvn")
                .Find("ファイル名：<A HREF=\"kvn:///d/a&quot;&lt;b&gt;&amp;%25.kvn\">/d/a&quot;&lt;b&gt;&amp;%.kvn</A><BR>"),
            0);
  EXPECT_EQ(MakePreviewPage("x"), "<HTML>\r\n<BODY>x</BODY>\r\n</HTML>");
}

TEST(PreviewPages, OnlyTheLowerCaseSchemeIsTheProgramsOwn) {
  struct Case {
    const char* url;
    BOOL own;
    const char* path;
  };
  const Case cases[] = {
      {"kvn:///d/a.kvn/", TRUE, "/d/a.kvn"},
      {"kvn:///d/a.kvn\\/", TRUE, "/d/a.kvn"},
      {"kvn:///d/%E3%81%82%20b.kvn", TRUE, "/d/あ b.kvn"},
      {"kvn:///d/a%25.kvn", TRUE, "/d/a%.kvn"},
      {"KVN://x", FALSE, ""},
      {"http://kvn://x", FALSE, ""},
  };
  for (const Case& c : cases) {
    CString path;
    EXPECT_EQ(GetKvnLinkPath(c.url, path), c.own) << c.url;
    if (c.own) {
      EXPECT_EQ(path, c.path) << c.url;
    }
  }
}

TEST(PreviewPages, FileInformation) {
  const std::string dir = MakeTempDir("fileinfo");
  kesta_test::WriteBytes(dir + "/tool.exe", "12345");
  const PreviewFileInfo info = ReadPreviewFileInfo((dir + "/tool.exe").c_str());
  ASSERT_TRUE(info.known);
  const CString body = MakeFileInfoBody("実行ファイル", (dir + "/tool.exe").c_str(), info);
  EXPECT_EQ(body.Left(CString("<H1>実行ファイル</H1>\nファイル名：<A HREF=\"file://").GetLength()),
            "<H1>実行ファイル</H1>\nファイル名：<A HREF=\"file://");
  EXPECT_GE(body.Find("<B>サイズ：</B>5バイト<br><B>作成日付：</B>"), 0);
  EXPECT_EQ(info.modified.GetLength(), 16);
  // A file that is not there still gets its heading and name.
  const CString missing = MakeFileInfoBody("実行ファイル", "/nowhere/x.exe", ReadPreviewFileInfo("/nowhere/x.exe"));
  EXPECT_EQ(missing.Right(13), "</A><BR><HR>\n");
}

namespace {

// Records the outlines that the program is asked to open.
class RecordingApp : public CWinApp {
 public:
  CDocument* OpenDocumentFile(const char* path) override {
    opened.emplace_back(path);
    return nullptr;
  }
  std::vector<CString> opened;
};

class BrowserViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!HasGui()) GTEST_SKIP() << "needs a display";
    m_app.m_pszProfileName = (m_dir + "/kesta32.conf").c_str();
    ATREE& tree = m_doc.GetTree();
    for (const char* path : {"日本語の根", "日本語の根/畳まれた子"}) tree.AddDirData(std::make_unique<CDirData>(P(path)));
    tree.SetText(1, CString("本文です"));
    tree.MakeTreeData();
    tree.SetLoaded();
    m_doc.SetPathName((m_dir + "/doc.kvn").c_str(), FALSE);
    m_frame = new wxFrame(nullptr, wxID_ANY, "preview", wxDefaultPosition, wxSize(600, 400));
    m_view = MakeView();
  }
  void TearDown() override {
    if (!m_frame) return;
    for (CBrowserView* view : m_views) m_doc.RemoveView(view);
    m_frame->Destroy();
  }
  CBrowserView* MakeView() {
    auto* view = new CBrowserView;
    view->Create(m_frame, wxID_ANY);
    m_doc.AddView(view);
    m_views.push_back(view);
    return view;
  }
  // The page as written, in Shift_JIS.
  std::string Page(CBrowserView* view) { return ReadBytes(CP932ToUTF8(view->GetTempPath().str())); }

  std::string m_dir = MakeTempDir("preview");
  RecordingApp m_app;
  Installed<PreviewArticleBuilder, IPreviewArticles> m_articles;
  CKestavonDoc m_doc;
  wxFrame* m_frame = nullptr;
  CBrowserView* m_view = nullptr;
  std::vector<CBrowserView*> m_views;
};

// Waits until the web view has loaded the preview's own page (not the blank page it starts with).
bool WaitForLoad(wxWebView* web) {
  bool loaded = false;
  auto note = [&](wxWebViewEvent& event) {
    loaded = loaded || event.GetURL().EndsWith("PelkoPreview.html");
    event.Skip();
  };
  web->Bind(wxEVT_WEBVIEW_LOADED, note);
  const bool done = RunUntil([&] { return loaded; });
  web->Unbind(wxEVT_WEBVIEW_LOADED, note);
  return done;
}

}  // namespace

TEST_F(BrowserViewTest, AMissingOutlineFileGetsItsFailurePageInThePanesOwnFolder) {
  EXPECT_EQ(m_view->ShowLink("/nowhere/X.KVN"), 0);
  const std::string page = Page(m_view);
  EXPECT_EQ(page.rfind(MakePreviewPage(MakeOutlineFailureBody("/nowhere/X.KVN")).str(), 0), 0u);
  EXPECT_TRUE(m_view->GetLink().IsEmpty());

  // Each pane writes its own page in a folder only this user may enter.
  CBrowserView* second = MakeView();
  second->ShowLink("/nowhere/Y.kvn");
  EXPECT_NE(second->GetTempPath(), m_view->GetTempPath());
  const std::filesystem::path folder = std::filesystem::path(CP932ToUTF8(m_view->GetTempPath().str())).parent_path();
  struct stat st {};
  ASSERT_EQ(stat(folder.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 077, 0u);
  EXPECT_EQ(folder.filename().string().rfind("kestapreview", 0), 0u);

  // Closing the pane takes its page and folder away.
  m_doc.RemoveView(second);
  m_views.pop_back();
  const std::string secondFolder = std::filesystem::path(CP932ToUTF8(second->GetTempPath().str())).parent_path();
  second->Destroy();
  EXPECT_FALSE(std::filesystem::exists(secondFolder));
}

TEST_F(BrowserViewTest, AnOutlineFileIsShownAsTextAndAProgramAsItsInformation) {
  CKestavonDoc other;
  other.GetTree().AppendTree(CString("別のファイル"));
  other.GetTree().SetLoaded();
  ASSERT_TRUE(other.SaveFile((m_dir + "/other.KVN").c_str(), TRUE));
  EXPECT_EQ(m_view->ShowLink((m_dir + "/other.KVN").c_str()), 0);
  std::string page = Page(m_view);
  EXPECT_EQ(page.rfind(MakeOutlineFileHead((m_dir + "/other.KVN").c_str()).str(), 0), 0u);
  EXPECT_NE(page.find(CString("別のファイル").str()), std::string::npos);
  EXPECT_EQ(page.substr(page.size() - 20), kOutlineFileTail);

  kesta_test::WriteBytes(m_dir + "/tool.EXE", "x");
  EXPECT_EQ(m_view->ShowLink((m_dir + "/tool.EXE").c_str()), 0);
  EXPECT_NE(Page(m_view).find(CString("<H1>実行ファイル</H1>").str()), std::string::npos);
  EXPECT_TRUE(m_view->GetLink().IsEmpty());
}

TEST_F(BrowserViewTest, ATreeLinkShowsTheTreeEvenUnderAFoldedParentAndAMissingTreeChangesNothing) {
  m_doc.GetTree().EditDirData(1)->m_nView = 0;
  EXPECT_EQ(m_view->ShowLink("file:///.//畳まれた子"), 0);
  const std::string page = Page(m_view);
  EXPECT_NE(page.find(CString("本文です").str()), std::string::npos);
  EXPECT_EQ(page.rfind("<HTML>\r\n<BODY>", 0), 0u);

  kesta_test::WriteBytes(CP932ToUTF8(m_view->GetTempPath().str()), "before");
  EXPECT_EQ(m_view->ShowLink("file:///.//ない"), 0);
  EXPECT_EQ(Page(m_view), "before");
}

TEST_F(BrowserViewTest, TheProgramsOwnLinksOpenTheOutlineInsteadOfNavigating) {
  EXPECT_TRUE(m_view->OnBeforeNavigate2("kvn:///d/a.kvn/"));
  EXPECT_FALSE(m_view->OnBeforeNavigate2("KVN://x"));
  EXPECT_FALSE(m_view->OnBeforeNavigate2("http://example.jp/"));
  ASSERT_EQ(m_app.opened.size(), 1u);
  EXPECT_EQ(m_app.opened[0], "/d/a.kvn");
}

TEST_F(BrowserViewTest, AnotherSelectedTreeIsToldToTheOutlineWindow) {
  struct Windows : IOutlineWindows {
    void SetMarkNames(CFrameWnd&, const CStringArray&) override {}
    void UpdateMarkMenu(CFrameWnd&) override {}
    void SyncTextPanes(CFrameWnd&) override {}
    void ShowLinkFile(CFrameWnd& frame) override { told.push_back(&frame); }
    void FollowSettings() override {}
    std::vector<CFrameWnd*> told;
  } windows;
  Seam<IOutlineWindows>::Scope installed(&windows);
  auto* frame = new CMDIFrameWnd;  // owned by wx once created
  ASSERT_TRUE(frame->LoadFrame(128));
  CCreateContext context;
  context.m_pCurrentDoc = &m_doc;
  context.m_pNewViewClass = [] { return new CBrowserView; };
  auto* view = static_cast<CBrowserView*>(frame->CreateView(&context));
  ASSERT_NE(view, nullptr);
  m_views.push_back(view);
  m_doc.UpdateAllViews(nullptr, 1);
  EXPECT_EQ(windows.told, std::vector<CFrameWnd*>{frame}) << "the pane outside an outline window tells none";
  m_doc.UpdateAllViews(nullptr, 0);
  EXPECT_EQ(windows.told.size(), 1u);
  m_doc.RemoveView(view);
  m_views.pop_back();
  frame->Destroy();
}

TEST_F(BrowserViewTest, TheRealWebViewShowsAJapaneseTreeAndKeepsItsPageOnAProgramLink) {
  if (!wxWebView::IsBackendAvailable(wxWebViewBackendDefault)) GTEST_SKIP() << "no web view here";
  m_frame->Show();
  m_view->SetSize(m_frame->GetClientSize());
  m_view->ShowLink("file:///.//畳まれた子");
  auto* web = dynamic_cast<wxWebView*>(m_view->GetWebWindow());
  ASSERT_NE(web, nullptr);
  ASSERT_TRUE(WaitForLoad(web));
  // The page declares no character set: it is read as Shift_JIS.
  wxString text;
  ASSERT_TRUE(web->RunScript("document.body.textContent", &text));
  EXPECT_NE(text.utf8_string().find(CP932ToUTF8(CString("畳まれた子").str())), std::string::npos) << text.utf8_string();
  EXPECT_NE(text.utf8_string().find(CP932ToUTF8(CString("本文です").str())), std::string::npos);

  // A page with a "kvn://" link: clicking it opens the outline and the page stays.
  m_view->ShowLink((m_dir + "/missing.kvn").c_str());
  ASSERT_TRUE(WaitForLoad(web));
  const wxString shown = web->GetCurrentURL();
  ASSERT_TRUE(web->RunScript("document.links[0].click(); 'clicked'", &text));
  ASSERT_TRUE(RunUntil([this] { return !m_app.opened.empty(); }));
  wxTheApp->ProcessPendingEvents();
  ASSERT_EQ(m_app.opened.size(), 1u);
  EXPECT_EQ(m_app.opened[0], (m_dir + "/missing.kvn").c_str());
  EXPECT_EQ(web->GetCurrentURL(), shown);
}
