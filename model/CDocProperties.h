#pragma once
// The per-document settings stored as the "Key=value" header lines of a native outline file:
// page header and footer, where the document was left, the multi-page HTML export, templates,
// password hashes, author data, the web file identity, categories and parent properties.
#include <utility>
#include <vector>

#include "platform/base/CString.h"
#include "model/CCategoryArray.h"

class CTextFile;

class CTemplateFile {
 public:
  CString m_strPath;
  CString m_strText;  // the entry's other column in the template dialog
};

class CDocProperties {
 public:
  CDocProperties();

  // One header line; keys not listed are ignored.
  void ReadKey(const char* key, const char* value);
  // The header lines, each "Key=value" and LF, in their fixed order.
  CString GetLinesText() const;
  void Write(CTextFile& file) const;
  // Called by the native reader after a load; changes nothing.
  void AfterLoad(const char* path) const;

  CCategoryArray& GetCategories() { return m_categories; }
  const CCategoryArray& GetCategories() const { return m_categories; }

  CString m_strHeader;
  CString m_strFooter;
  int m_bHeaderLine = 1;
  int m_bFooterLine = 1;
  int m_bHtmlDirSet = 0;
  CString m_strHtmlDir;
  CString m_strHtmlIndexFile;
  int m_nHtmlSelectTree = 1;
  int m_bHtmlFramesSet = 0;
  CString m_strHtmlTreeFile;
  CString m_strHtmlFrameFile;
  CString m_strHtmlWidth;
  int m_nHtmlXMargin = 10;
  int m_bHtmlOptionsSet = 0;
  int m_bFullPath = 1;
  int m_bNextLink = 1;
  int m_bNextBottom = 1;
  CString m_strBeforeImage;
  CString m_strNextImage;
  CString m_strHomeStr;
  CString m_strHeadFile;
  CString m_strHeadFile2;
  CString m_strInsFileUp;
  CString m_strInsFileUp2;
  CString m_strInsFileBottom;
  CString m_strInsFileBottom2;
  CString m_strReturnName;
  CString m_strReturnStr;
  CString m_strReturnUrl;
  CString m_strHeadImage;
  CString m_strCss;
  CString m_strCss2;
  int m_bCenter = 0;
  int m_bMargin = 1;
  int m_bNoBR = 0;
  int m_bLinkFile = 0;
  int m_bLinkImage = 0;
  int m_nHtmlShoStr = 0;
  int m_bAutoLink = 1;
  int m_bImages = 1;
  int m_bWiki = 0;
  int m_nCssSet = 1;
  CString m_strCssColor;
  int m_nOption12 = 0;
  CString m_strHtmlBody;      // body-tag text of the page background
  CString m_strHtmlBodyTree;  // the same for the tree frame
  CString m_strReadPassword;   // hash; keys the enciphered file, never written to the header
  CString m_strWritePassword;  // hash
  CString m_strAuthor;
  CString m_strAuthorCorp;
  CString m_strMemo;  // line breaks stored as 0x01
  CString m_strAuthorEmail;
  CString m_strAuthorUrl;
  int m_nTreeView = 0;
  CString m_strNetFileID;
  int m_nUploadOption = 0;
  int m_nNetOption2 = 0;
  int m_nFirstLine = 0;
  int m_nFirstCursor = 0;
  int m_bAutoTitle = 0;
  CString m_strNewLinkDir;
  int m_bTemplateAuto = 0;
  CString m_strRtfFileName;
  std::vector<CTemplateFile> m_templates;
  std::vector<std::pair<int, int>> m_parentProperties;

 private:
  CCategoryArray m_categories;
};
