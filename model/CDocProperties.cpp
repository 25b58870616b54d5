#include "model/CDocProperties.h"

#include <cstdlib>
#include <cstring>

#include "foundation/CTextFile.h"
#include "platform/framework/CWinApp.h"

namespace {

int LeadingNumber(const char* value) { return static_cast<int>(std::strtol(value, nullptr, 10)); }

bool StartsWith(const char* text, const char* prefix) { return std::strncmp(text, prefix, std::strlen(prefix)) == 0; }

void Line(CString& out, const char* key, const CString& value) {
  out += key;
  out += '=';
  out += value;
  out += '\n';
}

void LineIf(CString& out, const char* key, const CString& value) {
  if (!value.IsEmpty()) Line(out, key, value);
}

void IntLine(CString& out, const char* key, int value) {
  CString text;
  text.Format("%d", value);
  Line(out, key, text);
}

}  // namespace

CDocProperties::CDocProperties()
    : m_strHtmlIndexFile(AfxGetProfileString("Html", "IndexFile", "body.html")),
      m_nHtmlSelectTree(AfxGetProfileInt("Html", "SelectTree", 1)),
      m_strHtmlTreeFile(AfxGetProfileString("Html", "TreeFile", "menu.html")),
      m_strHtmlFrameFile(AfxGetProfileString("Html", "FrameFile", "frame.html")),
      m_strHtmlWidth(AfxGetProfileString("Html", "FramWidth", "30%")),
      m_nHtmlXMargin(AfxGetProfileInt("Html", "XMargin", 10)),
      m_bFullPath(AfxGetProfileInt("Html", "FullPath", 1)),
      m_bNextLink(AfxGetProfileInt("Html", "Next", 1)),
      m_bNextBottom(AfxGetProfileInt("Html", "NextBottom", 1)),
      m_strBeforeImage(AfxGetProfileString("Html", "BeforeImage", "")),
      m_strNextImage(AfxGetProfileString("Html", "NextImage", "")),
      m_strHomeStr("ホーム"),
      m_strReturnStr(" に戻る"),
      m_bCenter(AfxGetProfileInt("Html", "Center", 0)),
      m_bMargin(AfxGetProfileInt("Html", "Margin", 1)),
      m_bNoBR(AfxGetProfileInt("Html", "NoBR", 0)),
      m_bLinkFile(AfxGetProfileInt("Html", "LinkFile", 0)),
      m_bLinkImage(AfxGetProfileInt("Html", "LinkImage", 0)),
      m_bAutoLink(AfxGetProfileInt("Html", "HtmlAutoLink", 1)),
      m_bImages(AfxGetProfileInt("Html", "HtmlImg", 1)),
      m_bWiki(AfxGetProfileInt("Html", "HtmlWiki", 0)),
      m_nCssSet(AfxGetProfileInt("Html", "CssSet", 1)),
      m_strCssColor(AfxGetProfileString("Html", "CssColor", "#669933")),
      m_nTreeView(AfxGetProfileInt("View", "Tree", 0)) {}

void CDocProperties::ReadKey(const char* key, const char* value) {
  if (StartsWith(key, "Category")) {
    m_categories.ParseLine(key, value);
    return;
  }
  struct StringKey {
    const char* key;
    CString CDocProperties::*field;
  };
  static const StringKey strings[] = {
      {"Header", &CDocProperties::m_strHeader},
      {"Footer", &CDocProperties::m_strFooter},
      {"HtmlDir", &CDocProperties::m_strHtmlDir},
      {"HtmlIndexFile", &CDocProperties::m_strHtmlIndexFile},
      {"HtmlTreeFile", &CDocProperties::m_strHtmlTreeFile},
      {"HtmlFrameFile", &CDocProperties::m_strHtmlFrameFile},
      {"HtmlWidthStr", &CDocProperties::m_strHtmlWidth},
      {"HtmlOptionBefore", &CDocProperties::m_strBeforeImage},
      {"HtmlOptionNext", &CDocProperties::m_strNextImage},
      {"HtmlHomeStr", &CDocProperties::m_strHomeStr},
      {"HtmlHeadFile", &CDocProperties::m_strHeadFile},
      {"HtmlHeadFile2", &CDocProperties::m_strHeadFile2},
      {"HtmlInsFileUp", &CDocProperties::m_strInsFileUp},
      {"HtmlInsFileUp2", &CDocProperties::m_strInsFileUp2},
      {"HtmlInsFileBottom", &CDocProperties::m_strInsFileBottom},
      {"HtmlInsFileBottom2", &CDocProperties::m_strInsFileBottom2},
      {"HtmlReturnName", &CDocProperties::m_strReturnName},
      {"HtmlReturnStr", &CDocProperties::m_strReturnStr},
      {"HtmlReturnUrl", &CDocProperties::m_strReturnUrl},
      {"HtmlHeadImage", &CDocProperties::m_strHeadImage},
      {"HtmlCss", &CDocProperties::m_strCss},
      {"HtmlCss2", &CDocProperties::m_strCss2},
      {"HtmlCssColor", &CDocProperties::m_strCssColor},
      {"HtmlBody", &CDocProperties::m_strHtmlBody},
      {"HtmlBodyTree", &CDocProperties::m_strHtmlBodyTree},
      {"WritePassword", &CDocProperties::m_strWritePassword},
      {"Author", &CDocProperties::m_strAuthor},
      {"AuthorCorp", &CDocProperties::m_strAuthorCorp},
      {"DocInfoMemo", &CDocProperties::m_strMemo},
      {"AuthorEmail", &CDocProperties::m_strAuthorEmail},
      {"AuthorUrl", &CDocProperties::m_strAuthorUrl},
      {"NetFileID", &CDocProperties::m_strNetFileID},
      {"NewLinkDir", &CDocProperties::m_strNewLinkDir},
      {"RtfFileName", &CDocProperties::m_strRtfFileName},
  };
  for (const StringKey& entry : strings) {
    if (std::strcmp(key, entry.key) == 0) {
      this->*entry.field = value;
      if (entry.field == &CDocProperties::m_strHtmlDir) m_bHtmlDirSet = 1;
      if (entry.field == &CDocProperties::m_strHtmlTreeFile) m_bHtmlFramesSet = 1;
      return;
    }
  }
  struct IntKey {
    const char* key;
    int CDocProperties::*field;
  };
  static const IntKey ints[] = {
      {"FirstLine", &CDocProperties::m_nFirstLine},       {"HeaderLine", &CDocProperties::m_bHeaderLine},
      {"FooterLine", &CDocProperties::m_bFooterLine},     {"AutoTitle", &CDocProperties::m_bAutoTitle},
      {"HtmlSelectTree", &CDocProperties::m_nHtmlSelectTree}, {"HtmlCssSet", &CDocProperties::m_nCssSet},
      {"HtmlXMargin", &CDocProperties::m_nHtmlXMargin},   {"TemplateAuto", &CDocProperties::m_bTemplateAuto},
      {"HtmlShoStr", &CDocProperties::m_nHtmlShoStr},     {"TreeView", &CDocProperties::m_nTreeView},
      {"FirstCursor", &CDocProperties::m_nFirstCursor},
  };
  for (const IntKey& entry : ints) {
    if (std::strcmp(key, entry.key) == 0) {
      this->*entry.field = LeadingNumber(value);
      return;
    }
  }
  const size_t length = std::strlen(value);
  if (std::strcmp(key, "HtmlOption") == 0) {
    if (length < 6) return;
    int* const digits[] = {&m_bFullPath, &m_bNextLink,   &m_bCenter, &m_bMargin,   &m_bNoBR,   &m_bLinkFile,
                           &m_bLinkImage, &m_bNextBottom, &m_bWiki,   &m_bAutoLink, &m_bImages, &m_nOption12};
    m_bHtmlOptionsSet = 1;
    for (size_t i = 0; i < 12 && i < length; ++i) *digits[i] = value[i] - '0';
  } else if (StartsWith(key, "TemplateFile")) {
    CTemplateFile entry;
    if (length >= 3) {
      const CString rest(value + 1);
      const int separator = rest.Find("\",");
      if (separator >= 0) {
        entry.m_strPath = rest.Left(separator);
        entry.m_strText = rest.Mid(separator + 2);
      }
    }
    m_templates.push_back(entry);
  } else if (StartsWith(key, "ParentProperty")) {
    const char* comma = std::strchr(value, ',');
    if (length >= 3 && comma) m_parentProperties.emplace_back(LeadingNumber(value), LeadingNumber(comma + 1));
  } else if (std::strcmp(key, "NetOption") == 0) {
    if (length > 1) {
      m_nUploadOption = value[0] - '0';
      m_nNetOption2 = value[1] - '0';
    }
  }
}

CString CDocProperties::GetLinesText() const {
  CString out;
  LineIf(out, "Header", m_strHeader);
  LineIf(out, "Footer", m_strFooter);
  if (m_bHeaderLine == 0) IntLine(out, "HeaderLine", 0);
  if (m_bFooterLine == 0) IntLine(out, "FooterLine", 0);
  if (m_bAutoTitle) IntLine(out, "AutoTitle", m_bAutoTitle);
  if (m_nFirstLine) IntLine(out, "FirstLine", m_nFirstLine);
  if (m_nFirstCursor) IntLine(out, "FirstCursor", m_nFirstCursor);
  // Always written: a document's tree-view value must not fall back to a changed setting on reload.
  IntLine(out, "TreeView", m_nTreeView);
  LineIf(out, "NewLinkDir", m_strNewLinkDir);
  if (m_bHtmlDirSet || m_bHtmlFramesSet) {
    Line(out, "HtmlDir", m_strHtmlDir);
    Line(out, "HtmlIndexFile", m_strHtmlIndexFile);
    IntLine(out, "HtmlSelectTree", m_nHtmlSelectTree);
    IntLine(out, "HtmlShoStr", m_nHtmlShoStr);
  }
  if (m_bHtmlFramesSet) {
    Line(out, "HtmlTreeFile", m_strHtmlTreeFile);
    Line(out, "HtmlFrameFile", m_strHtmlFrameFile);
    Line(out, "HtmlWidthStr", m_strHtmlWidth);
    IntLine(out, "HtmlXMargin", m_nHtmlXMargin);
  }
  if (m_bHtmlOptionsSet) {
    CString digits;
    digits.Format("%d%d%d%d%d%d%d%d%d%d%d%d", m_bFullPath, m_bNextLink, m_bCenter, m_bMargin, m_bNoBR, m_bLinkFile,
                  m_bLinkImage, m_bNextBottom, m_bWiki, m_bAutoLink, m_bImages, m_nOption12);
    Line(out, "HtmlOption", digits);
    LineIf(out, "HtmlOptionBefore", m_strBeforeImage);
    LineIf(out, "HtmlOptionNext", m_strNextImage);
    LineIf(out, "HtmlHomeStr", m_strHomeStr);
    LineIf(out, "HtmlHeadFile", m_strHeadFile);
    LineIf(out, "HtmlHeadFile2", m_strHeadFile2);
    LineIf(out, "HtmlInsFileUp", m_strInsFileUp);
    LineIf(out, "HtmlInsFileUp2", m_strInsFileUp2);
    LineIf(out, "HtmlInsFileBottom", m_strInsFileBottom);
    LineIf(out, "HtmlInsFileBottom2", m_strInsFileBottom2);
    LineIf(out, "HtmlReturnName", m_strReturnName);
    LineIf(out, "HtmlReturnStr", m_strReturnStr);
    LineIf(out, "HtmlReturnUrl", m_strReturnUrl);
    LineIf(out, "HtmlHeadImage", m_strHeadImage);
    LineIf(out, "HtmlCss", m_strCss);
    LineIf(out, "HtmlCss2", m_strCss2);
    IntLine(out, "HtmlCssSet", m_nCssSet);
    Line(out, "HtmlCssColor", m_strCssColor);
  }
  LineIf(out, "HtmlBody", m_strHtmlBody);
  LineIf(out, "HtmlBodyTree", m_strHtmlBodyTree);
  if (m_bTemplateAuto) IntLine(out, "TemplateAuto", m_bTemplateAuto);
  for (size_t i = 0; i < m_templates.size(); ++i) {
    CString key, value;
    key.Format("TemplateFile%02d", static_cast<int>(i));
    value = "\"" + m_templates[i].m_strPath + "\"," + m_templates[i].m_strText;
    Line(out, key, value);
  }
  LineIf(out, "WritePassword", m_strWritePassword);
  LineIf(out, "Author", m_strAuthor);
  LineIf(out, "AuthorCorp", m_strAuthorCorp);
  LineIf(out, "DocInfoMemo", m_strMemo);
  LineIf(out, "AuthorUrl", m_strAuthorUrl);
  LineIf(out, "AuthorEmail", m_strAuthorEmail);
  LineIf(out, "RtfFileName", m_strRtfFileName);
  if (!m_strNetFileID.IsEmpty()) {
    Line(out, "NetFileID", m_strNetFileID);
    CString digits;
    digits.Format("%d%d", m_nUploadOption, m_nNetOption2);
    Line(out, "NetOption", digits);
  }
  for (const auto& [first, second] : m_parentProperties) {
    CString pair;
    pair.Format("%d,%d", first, second);
    Line(out, "ParentProperty", pair);
  }
  out += m_categories.GetLinesText();
  return out;
}

void CDocProperties::Write(CTextFile& file) const { file.WriteString(GetLinesText()); }

void CDocProperties::AfterLoad(const char* /*path*/) const {}
