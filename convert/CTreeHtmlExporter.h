#pragma once
// The outline, or the subtree of the current tree, written as a small web site: one HTML page per
// tree with navigation and a list of its children, the standard style sheet copied beside them,
// and in the framed form a main page from the template resource that shows the outline as a
// foldable index beside a frame in which the tree pages open. Every option comes from the
// document's properties; the exporter works on its own copy of the outline.
#include <memory>
#include <vector>

#include "model/CTextOutputOptions.h"
#include "foundation/IRegExp.h"
#include "model/ATREE.h"
#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"

class CPageFiles;
class CWikiHtmlConverter;

class CTreeHtmlExporter {
 public:
  // The options as the caller loaded them; the document's model is only copied.
  CTreeHtmlExporter(const ATREE& source, int currentTree, const CString& documentPath,
                    const CTextOutputOptions& options);
  ~CTreeHtmlExporter();
  CTreeHtmlExporter(const CTreeHtmlExporter&) = delete;
  CTreeHtmlExporter& operator=(const CTreeHtmlExporter&) = delete;

  // The tree pages and the style sheet copy; the pages are synced once at the end. FALSE when a
  // page could not be written (no further page is written, and the message names it and says the
  // export is incomplete) or the style sheet could not be copied.
  BOOL ExportPages(const CString& indexPath);
  // The framed form: the pages, then the main page, which is written even when a page was not.
  // FALSE when anything could not be written.
  BOOL ExportWithFrames(const CString& folder, const CString& indexName, const CString& mainName);

  // The file of a page: the index path (or the override) itself for page 0, else its name with
  // the page number, zero-padded to the width the outline's size asks for.
  CString GetPageFileName(int pageNumber, const char* baseOverride, BOOL withFolder) const;
  // A file beside the index page.
  CString MakeSideFileName(const char* name, const char* extension) const;
  void LoadIncludeFiles();
  // The whole text of a file as text mode reads it; "" for an empty name or a file that cannot
  // be read.
  static CString ReadTextFile(const char* fileName);

  // The page of a tree into files (not synced; the caller finishes them).
  BOOL WritePage(int tree, int pageNumber, CPageFiles& files);
  BOOL WriteTemplatePage(const char* mainPath, const char* indexName);
  CString GetPageTitle(int tree);
  CString MakeHeaderLinks(int tree);
  CString MakePageNav(int tree) const;
  CString MakeTextHtml(const char* text);
  CString MakeLinkFileHref(const char* link, CString& name) const;
  CString GetBodyStyleSheet(const char* which) const;

  int GetStart() const { return m_nStart; }
  int GetEnd() const { return m_nEnd; }

 private:
  void FixRange();
  // Parents and next siblings of every tree, found in one pass, so that no page walks the
  // outline to find them.
  void MapTrees();
  CString GetCharset() const;
  // The page name, without folder, of tree j of the range.
  CString PageName(int tree) const { return GetPageFileName(tree - m_nStart, nullptr, FALSE); }
  // The index list of the main page.
  CString MakeIndexList(const char* indexName);
  BOOL CopyStyleSheet();

  int m_nStart = 0;
  int m_nEnd = 0;
  int m_nSelectOnly = 0;
  int m_nFrameMode = 0;
  CString m_strDocumentPath;
  CString m_strIndexPath;
  ATREE m_model;
  CString m_strHeadText;
  CString m_strTopText;
  CString m_strBottomText;
  CTextOutputOptions m_options;
  IRegExp m_regExp;
  std::unique_ptr<CWikiHtmlConverter> m_pWiki;  // made on the first page that asks for it
  std::vector<int> m_parents;       // -1 for the top tree
  std::vector<int> m_nextSiblings;  // -1 when a shallower tree or the end comes first
  std::vector<char> m_noPrevSibling;  // 1 when no tree of the same level comes before it
};
