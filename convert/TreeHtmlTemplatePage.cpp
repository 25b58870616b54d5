// The main page of the framed HTML export: the template resource with its placeholders filled,
// the outline as a foldable index list beside the frame in which the tree pages open.
#include "convert/CTreeHtmlExporter.h"
#include "foundation/CTextFile.h"
#include "foundation/SettingAccess.h"
#include "foundation/SettingsTable.h"
#include "platform/framework/CWinApp.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/MessageBox.h"
#include "resources/TextResources.h"
#include "foundation/WebText.h"

CString CTreeHtmlExporter::MakeIndexList(const char* indexName) {
  const int treeClose = ReadSetting(Settings::Html::TreeClose);
  const CString expand = treeClose != 0 ? "<a href=\"\" class=\"expand\">[+]</a> " : "<a href=\"\" class=\"expand\">[-]</a> ";
  std::string list = "<h1><a href=\"";
  list += EscapeHtml(indexName).str();
  list += "\"  target=\"content\"  class=\"title\">" + EscapeHtml(GetPageTitle(m_nStart)).str() + "</a></h1>\n";
  for (int i = m_nStart + 1; i < m_nEnd; ++i) {
    const size_t at = static_cast<size_t>(i);
    if (m_noPrevSibling[at]) list += "<ul class=\"tree\">\n";
    const bool parent = m_model.HasChildren(i) != 0;
    list += parent ? "<li class=\"parent\">" + expand.str() : std::string("<li>");
    list += "<a href=\"" + EscapeHtml(GetPageFileName(i - m_nStart, indexName, FALSE)).str() +
            "\"  target=\"content\" class=\"title\">" + EscapeHtml(GetPageTitle(i)).str() + "</a>\n\n";
    if (m_nextSiblings[at] < 0 && !parent) {
      list += "</ul>\n";
      for (int p = m_parents[at]; p >= 0 && m_nextSiblings[static_cast<size_t>(p)] < 0 && p != m_nStart;
           p = m_parents[static_cast<size_t>(p)]) {
        list += "</ul>\n";
      }
    }
  }
  list += "</ul>\n";
  return CString(std::move(list));
}

BOOL CTreeHtmlExporter::WriteTemplatePage(const char* mainPath, const char* indexName) {
  CString page;
  if (!LoadTextResource(kTextResourceType, IDR_TREE_PAGE_TEMPLATE, page) || page.IsEmpty()) {
    AfxMessageBox("リソースの読み込みに失敗しました");
    return FALSE;
  }
  CDocProperties& properties = m_model.GetProperties();
  page.Replace("%%KVN_HTML_CHARSET%%", GetCharset());
  page.Replace("%%KVN_HTML_TITLE%%", EscapeHtml(m_model.GetOutputTitle(0, TRUE)));
  page.Replace("%%KVN_HTML_CSS%%", properties.m_strCss2);
  page.Replace("%%KVN_HTML_HEADFILE%%", ReadTextFile(properties.m_strHeadFile2));
  page.Replace("%%KVN_HTML_INSFILEUP%%", ReadTextFile(properties.m_strInsFileUp2));
  page.Replace("%%KVN_HTML_INSFILEBOTTOM%%", ReadTextFile(properties.m_strInsFileBottom2));
  page.Replace("%%KVN_HTML_INDEX1%%", EscapeHtml(indexName));
  // The body style's rules come with CR LF; the main page keeps the template's LF throughout.
  CString backStyle = GetBodyStyleSheet("HtmlTree");
  backStyle.Replace("\r\n", "\n");
  page.Replace("%%KVN_HTML_BACKSTYLE%%", backStyle);
  if (properties.m_strHtmlWidth.IsEmpty()) properties.m_strHtmlWidth = "30%";
  page.Replace("%%KVN_HTML_TREEWIDTH%%", properties.m_strHtmlWidth);
  page.Replace("%%KVN_HTML_TEXTWIDTH%%", "calc(100% - " + properties.m_strHtmlWidth + ")");
  page.Replace("%%KVN_HTML_TREE%%", MakeIndexList(indexName));
  if (properties.m_nOption12 != 1) page = CString(CP932ToUTF8(page.str()));
  try {
    CTextFile file(mainPath, "wb");
    file.WriteString(page.GetString());
    file.Close();
  } catch (const CPelkoFileException&) {
    AfxMessageBox("ファイル書き込みが出来ません");
    return FALSE;
  }
  return TRUE;
}
