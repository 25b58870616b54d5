#pragma once
// The preview pane of an outline window: shows what the current tree's link points to. Web pages
// and other files are navigated to; an outline file, a tree, or a program gets a page of the
// preview's own, written into a temporary folder of this pane's alone. Links of the program's own
// scheme "kvn://" open their outline in the program and leave the page as it is. The pages show in
// a web view (WebKit), or in wx's simple HTML window where no web view can be had. The browser is
// made when the first page is shown, so outline windows whose preview never opens start no web
// engine, and the program loads the engine's module (PreviewWebView.h) only then.
#include <memory>
#include <string>

#include "platform/base/CString.h"
#include "platform/framework/CView.h"

class CKestavonDoc;
class wxCommandEvent;
class wxHtmlLinkEvent;
class IPreviewWebView;
class wxHtmlWindow;

class CBrowserView : public CView {
 public:
  CBrowserView();
  // Deletes the page and its folder.
  ~CBrowserView() override;

  BOOL Create(wxWindow* parent, wxWindowID id, const wxPoint& pos = wxDefaultPosition,
              const wxSize& size = wxDefaultSize) override;
  // Hint 1 (another tree was selected): the outline window shows (or hides) the new tree's link in
  // its link-file pane.
  void OnUpdate(CView* sender, LPARAM hint, CObject* hintObject) override;

  // Shows a file path, a "file:///" link, a link to a tree or any address. 1 when the browser
  // went to the link itself (or the same spreadsheet is shown already), 0 when the preview wrote a
  // page of its own or showed nothing.
  int ShowLink(const char* link);
  // A navigation about to start: an address of the program's own scheme opens its outline in the
  // program; TRUE when the navigation is to be cancelled.
  BOOL OnBeforeNavigate2(const std::string& urlUtf8);
  // WORK/POSTOPEN: the last link shown again from a blank page.
  void OnPostOpen(wxCommandEvent& event);

  // Goes to an address, a "file://" link or a local path.
  void Navigate(const char* target);
  // The address the browser shows ("" before the first page).
  CString GetLocationURL() const;
  const CString& GetLink() const { return m_strLink; }
  const CString& GetTempPath() const { return m_strTempPath; }
  // The web view's window, null while no page was shown or where the simple HTML window stands in.
  wxWindow* GetWebWindow() const;

 protected:
  int ShowSpreadsheetLink(const char* link);
  int ShowLinkPage(const char* link);
  int WriteOutlineFilePage(const char* path);
  int WriteTreeLinkPage(const char* link);
  int WriteFileInfoPage(const char* heading, const char* path);
  BOOL IsSpreadsheetShown() const;
  // Writes the body in its page and goes there.
  void WritePage(const char* body);
  // The page's path in this pane's own folder, made on first use ("" when no folder can be made).
  void UpdateTempPath();

 private:
  CKestavonDoc* GetKestavonDoc() const;
  void CreateBrowser();
  // Writes the text as the page file; the failure is shown to the user.
  void WritePageFile(const CString& text);
  // The web view's question before it navigates: TRUE when the navigation is to be cancelled.
  bool OnWebNavigating(const std::string& urlUtf8);
  void OnHtmlLinkClicked(wxHtmlLinkEvent& event);

  CString m_strTempName;
  CString m_strTempPath;
  CString m_strLink;
  CString m_strTempFolder;
  std::unique_ptr<IPreviewWebView> m_pWeb;  // its window is a child: wx owns that
  wxHtmlWindow* m_pHtml = nullptr;
  CString m_strHtmlLocation;      // what the simple HTML window shows
  bool m_bSilent = false;
};
