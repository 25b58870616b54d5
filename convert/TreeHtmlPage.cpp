// One tree's page of the multi-file HTML export: head and style block, navigation, title, the
// text made HTML, the link file, the list of children and the footer link to the parent.
#include <string>

#include "convert/CBodyStyle.h"
#include "convert/CTreeHtmlExporter.h"
#include "convert/CWikiHtmlConverter.h"
#include "convert/ExportWriter.h"
#include "convert/PageFiles.h"
#include "model/Footnotes.h"
#include "foundation/ImageSize.h"
#include "foundation/WebText.h"
#include "model/CLinkPath.h"

namespace {

CString Slashed(const char* link) {
  CString text(link);
  text.Replace('\\', '/');
  return text;
}

bool StartsWith(const CString& text, const char* start) { return text.str().starts_with(start); }

// Texts of the document and of its options on the page (titles, link names, addresses in
// attributes) are escaped: whatever they hold shows as typed and never makes an element.
std::string Html(const char* text) { return EscapeHtml(text).str(); }

}  // namespace

CString CTreeHtmlExporter::GetPageTitle(int tree) {
  const CString title = m_model.GetOutputTitle(tree, TRUE);
  return m_model.GetProperties().m_nHtmlShoStr == 1 ? m_model.GetRows().GetNumberText(tree) + title : title;
}

CString CTreeHtmlExporter::GetBodyStyleSheet(const char* which) const {
  const CDocProperties& properties = m_model.GetProperties();
  const CString* tag = nullptr;
  if (CString(which) == "Html") tag = &properties.m_strHtmlBody;
  if (CString(which) == "HtmlTree") tag = &properties.m_strHtmlBodyTree;
  if (tag == nullptr) return CString();
  CBodyStyle style;
  style.ParseBodyTag(*tag);
  return style.MakeStyleSheet(0);
}

CString CTreeHtmlExporter::MakeHeaderLinks(int tree) {
  const CDocProperties& properties = m_model.GetProperties();
  if (tree == m_nStart) {
    if (properties.m_strReturnUrl.IsEmpty()) return CString();
    const CString& name = properties.m_strReturnName.IsEmpty() ? properties.m_strReturnUrl : properties.m_strReturnName;
    return "<a href=\"" + Html(properties.m_strReturnUrl) + "\"" + (m_nFrameMode ? " target=\"_top\"" : "") + ">" +
           Html(name) + "</a>\n";
  }
  CString collected;
  for (int p = m_parents[static_cast<size_t>(tree)]; p >= m_nStart; p = m_parents[static_cast<size_t>(p)]) {
    const CString title = p == 0 ? properties.m_strHomeStr : GetPageTitle(p);
    collected = "<a href=\"" + Html(PageName(p)) + "\">" + Html(title) + "</a>:" + collected;
    if (p == m_nStart) break;
  }
  return "<div class=\"level\">" + collected + "</div>\n";
}

CString CTreeHtmlExporter::MakePageNav(int tree) const {
  const CDocProperties& properties = m_model.GetProperties();
  CString nav = "<nav>\n";
  if (tree != m_nStart) {
    nav += "<div class=\"prev\"><a href=\"" + Html(PageName(tree - 1)) + "\">";
    nav += properties.m_strBeforeImage.IsEmpty()
               ? CString("前へ")
               : "<img src=\"" + Html(properties.m_strBeforeImage) + "\" border=\"0\">";
    nav += "</a></div>\n";
  }
  if (tree + 1 < m_nEnd) {
    nav += "<div class=\"next\"><a href=\"" + Html(PageName(tree + 1)) + "\">";
    nav +=
        properties.m_strNextImage.IsEmpty() ? CString("次へ") : "<img src=\"" + Html(properties.m_strNextImage) + "\">";
    nav += "</a></div>\n";
  }
  return nav + "</nav>\n";
}

CString CTreeHtmlExporter::MakeTextHtml(const char* text) {
  const CDocProperties& properties = m_model.GetProperties();
  CString html(text);
  if (properties.m_bWiki == 1) {
    if (!m_pWiki) m_pWiki = std::make_unique<CWikiHtmlConverter>();
    m_pWiki->SetText(text);
    html = m_pWiki->Convert();
  } else {
    if (properties.m_bNoBR == 0) {
      html.Replace("\r\n", "<br>\n");
    } else {
      html.Replace("\r\n", "\n");
      if (properties.m_bNoBR == 2) html = "<pre>\n" + html + "\n</pre>\n";
    }
    if (properties.m_bAutoLink == 1) html = LinkifyUrls(html, TRUE);
  }
  if (properties.m_bImages == 1) {
    if (!m_regExp.m_lpDispatch) m_regExp.CreateDispatch("VBScript.RegExp");
    if (m_regExp.m_lpDispatch) {
      m_regExp.SetGlobal(TRUE);
      m_regExp.SetIgnoreCase(TRUE);
      for (const char* extension : {"gif", "jpg", "jpeg"}) {
        m_regExp.SetPattern(CString("file:///\\./(.*)\\.") + extension);
        if (m_regExp.TestLines(html)) html = m_regExp.Replace(html, CString("<img src=\"$1.") + extension + "\">");
      }
    }
  }
  return html;
}

CString CTreeHtmlExporter::MakeLinkFileHref(const char* link, CString& name) const {
  const CString text = Slashed(link);
  name = text;
  if (StartsWith(text, "./") || StartsWith(text, "file:///./")) {
    // A link that names no tree of the pages written keeps its own text as the target.
    const CLinkPath path(text);
    int wanted = 0;
    for (int k = 1; k < path.GetTitleCount(); ++k) {
      if (!path.GetTitle(k).IsEmpty()) wanted = k;
    }
    const int found = m_model.GetDirDataCount() > 0 ? m_model.FindTreeByLink(path) : -1;
    if (found >= m_nStart && found < m_nEnd && m_model.GetLevel(found) >= wanted && path.GetTitleCount() > 0) {
      name = m_model.GetName(found);
      return PageName(found);
    }
  }
  return text;
}

BOOL CTreeHtmlExporter::WritePage(int tree, int pageNumber, CPageFiles& files) {
  const CDocProperties& properties = m_model.GetProperties();
  const std::string title = Html(GetPageTitle(tree));
  std::string page =
      "<!DOCTYPE html>\n<head>\n<meta charset=\"" + GetCharset().str() + "\">\n<title>" + title + "</title>\n";
  page += "<meta name=\"viewport\" content=\"width=device-width,initial-scale=1,user-scalable=yes\">\n";
  page += "<style type=\"text/css\">\n";
  page += "dfn.popup {text-decoration: underline;cursor: help;font-weight: bold}\n";
  page += ".center {text-align: center}\n";
  page += "img {max-width: 100%;}\n";
  if (properties.m_bMargin == 1) page += ".text {margin-left: 3em;margin-right: 3em;}\n";
  page += GetBodyStyleSheet("Html").str();
  page += "</style>\n";
  if (!properties.m_strCss.IsEmpty()) {
    page += "<link rel=\"stylesheet\" type=\"text/css\" href=\"" + Html(properties.m_strCss) + "\">\n";
  }
  if (properties.m_nCssSet == 1) page += "<link rel=\"stylesheet\" type=\"text/css\" href=\"kestahtml.css\">\n";
  if (!properties.m_strHeadFile.IsEmpty()) page += m_strHeadText.str();
  page += "</head>\n<body>\n";
  if (properties.m_bFullPath == 1) page += MakeHeaderLinks(tree).str();
  page += "<header>\n";
  if (!properties.m_strHeadImage.IsEmpty() && tree == m_nStart) {
    page += "<div class=\"center\"><img src=\"" + Html(properties.m_strHeadImage) + "\"></div>";
  }
  if (properties.m_bCenter == 1) page += "<div class=\"center\">\n";
  page += "<h1>" + title + "</h1>\n";
  if (properties.m_bCenter == 1) page += "</div>\n";
  page += "</header>\n";
  page += m_strTopText.str();
  if (properties.m_bNextLink == 1) page += MakePageNav(tree).str();
  page += "<hr>\n";

  CString text = MakePopupSpan(m_options, m_model.GetText(tree), m_options.m_nHtmlEscape != 0);
  if (properties.m_bAutoTitle == 1) {
    const int lineEnd = text.Find("\r\n");
    if (lineEnd >= 0) text = text.Mid(lineEnd + 2);
  }
  if (!text.IsEmpty()) page += "<div class=\"text\">\n" + MakeTextHtml(text).str() + "\n</div>\n\n<hr>\n";

  const CString& link = m_model.GetLink(tree);
  bool imageShown = false;
  if (properties.m_bLinkImage == 1 && !link.IsEmpty() && IsImageFile(link)) {
    const SIZE size = GetImageSize(link, m_strDocumentPath);
    const CString source = EscapeHtml(Slashed(link));
    CString image;
    if (size.cx != 0 || size.cy != 0) {
      image.Format("<img src=\"%s\" width=\"%d\" height=\"%d\">\n<hr>\n", source.GetString(), static_cast<int>(size.cx),
                   static_cast<int>(size.cy));
    } else {
      image.Format("<img src=\"%s\">\n<hr>\n", source.GetString());
    }
    page += "<div class= \"linkimage\" align=\"center\">" + image.str() + "</div>";
    imageShown = true;
  }
  if (properties.m_bLinkFile == 1 && !imageShown) {
    CString name;
    const CString href = MakeLinkFileHref(link, name);
    if (!href.IsEmpty()) {
      page += "<ul class=\"linkfile\">\n<li><A HREF=\"" + Html(href) + "\">" + Html(name) + "</a>\n</ul>\n<hr>\n";
    }
  }

  if (m_model.HasChildren(tree)) {
    page += "<ul class=\"child\">";
    for (int child = tree + 1; child >= 0; child = m_nextSiblings[static_cast<size_t>(child)]) {
      const std::string childTitle = Html(GetPageTitle(child));
      if (m_model.GetText(child).IsEmpty() && !m_model.HasChildren(child)) {
        const CString& childLink = m_model.GetLink(child);
        CString name;
        page += "<li>" +
                (childLink.IsEmpty()
                     ? childTitle
                     : "<a href=\"" + Html(MakeLinkFileHref(childLink, name)) + "\">" + childTitle + "</a>") +
                "\n";
      } else {
        page += "<li><a href=\"" + Html(PageName(child)) + "\">" + childTitle + "</a>\n";
      }
    }
    page += "</ul>\n<hr>\n";
  }

  page += m_strBottomText.str();
  if (properties.m_bNextBottom == 1) page += MakePageNav(tree).str();
  if (tree != m_nStart) {
    const int parent = m_parents[static_cast<size_t>(tree)];
    page += "<footer>\n<span class=\"return\"><a href=\"" + Html(PageName(parent)) + "\">" +
            Html(GetPageTitle(parent)) + Html(properties.m_strReturnStr) + "</a></span>\n</footer>\n";
  }
  page += "</body></html>\n";
  return files.Write(GetPageFileName(pageNumber, nullptr, TRUE), MakeDiskText(page, properties.m_nOption12 != 1))
             ? TRUE
             : FALSE;
}
