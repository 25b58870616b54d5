#include "convert/CTreeHtmlExporter.h"

#include "app/LinkFileName.h"
#include "app/UserFiles.h"
#include "convert/CWikiHtmlConverter.h"
#include "convert/PageFiles.h"
#include "foundation/CTextFile.h"
#include "platform/desktop/MessageBox.h"

namespace {

// Where the file name starts: after the last "/" (or "\" of a path written on Windows).
int NameStart(const CString& path) {
  const int slash = path.ReverseFind('/');
  const int backslash = path.ReverseFind('\\');
  return (slash > backslash ? slash : backslash) + 1;
}

}  // namespace

CTreeHtmlExporter::CTreeHtmlExporter(const ATREE& source, int currentTree, const CString& documentPath,
                                     const CTextOutputOptions& options)
    : m_model(source), m_options(options) {
  if (m_model.GetDirDataCount() > 0) m_model.ExpandAll(0);
  m_nStart = currentTree;
  m_nSelectOnly = m_model.GetProperties().m_nHtmlSelectTree;
  FixRange();
  m_strDocumentPath = documentPath;
  m_nFrameMode = 0;
  LoadIncludeFiles();
  MapTrees();
}

CTreeHtmlExporter::~CTreeHtmlExporter() = default;

void CTreeHtmlExporter::FixRange() {
  const int count = m_model.GetDirDataCount();
  if (m_nSelectOnly != 0 && m_nStart > 0 && m_nStart < count) {
    m_nEnd = m_model.GetNextSibling(m_nStart, TRUE);
  } else {
    m_nStart = 0;
    m_nEnd = count;
  }
}

void CTreeHtmlExporter::MapTrees() {
  const int count = m_model.GetDirDataCount();
  m_parents.assign(static_cast<size_t>(count), -1);
  m_nextSiblings.assign(static_cast<size_t>(count), -1);
  m_noPrevSibling.assign(static_cast<size_t>(count), 1);
  // The last tree seen on each level since a shallower one: the open chain of ancestors.
  std::vector<int> open;
  for (int i = 0; i < count; ++i) {
    const size_t level = static_cast<size_t>(m_model.GetLevel(i));
    if (open.size() > level + 1) open.resize(level + 1);
    if (open.size() == level + 1 && open[level] >= 0) {
      m_nextSiblings[static_cast<size_t>(open[level])] = i;
      m_noPrevSibling[static_cast<size_t>(i)] = 0;
    }
    open.resize(level + 1, -1);
    for (size_t up = level; up-- > 0;) {
      if (open[up] >= 0) {
        m_parents[static_cast<size_t>(i)] = open[up];
        break;
      }
    }
    open[level] = i;
  }
}

CString CTreeHtmlExporter::GetCharset() const {
  return m_model.GetProperties().m_nOption12 == 1 ? "Shift_JIS" : "utf-8";
}

CString CTreeHtmlExporter::GetPageFileName(int pageNumber, const char* baseOverride, BOOL withFolder) const {
  const CString base = baseOverride != nullptr ? CString(baseOverride) : m_strIndexPath;
  const int nameStart = NameStart(base);
  const CString folder = base.Left(nameStart);
  CString name = base.Mid(nameStart);
  CString extension;
  const int dot = name.ReverseFind('.');
  if (dot >= 0) {
    extension = name.Mid(dot);
    name = name.Left(dot);
  }
  if (pageNumber == 0) return withFolder ? base : name + extension;
  const int count = m_model.GetDirDataCount();
  const int width = count > 1000 ? 4 : count > 100 ? 3 : count > 10 ? 2 : 1;
  CString numbered;
  numbered.Format("%s%0*d%s", name.GetString(), width, pageNumber, extension.GetString());
  return withFolder ? folder + numbered : numbered;
}

CString CTreeHtmlExporter::MakeSideFileName(const char* name, const char* extension) const {
  return m_strIndexPath.Left(NameStart(m_strIndexPath)) + name + "." + extension;
}

CString CTreeHtmlExporter::ReadTextFile(const char* fileName) {
  if (fileName == nullptr || fileName[0] == '\0') return CString();
  try {
    CTextFile file(fileName, "rt");
    return file.ReadAll();
  } catch (const CPelkoFileException&) {
    return CString();
  }
}

void CTreeHtmlExporter::LoadIncludeFiles() {
  const CDocProperties& properties = m_model.GetProperties();
  m_strHeadText = ReadTextFile(properties.m_strHeadFile);
  m_strTopText = ReadTextFile(properties.m_strInsFileUp);
  m_strBottomText = ReadTextFile(properties.m_strInsFileBottom);
}

BOOL CTreeHtmlExporter::ExportPages(const CString& indexPath) {
  m_strIndexPath = indexPath;
  m_nSelectOnly = m_model.GetProperties().m_nHtmlSelectTree;
  FixRange();
  CPageFiles pages;
  for (int i = m_nStart; i < m_nEnd; ++i) {
    if (!WritePage(i, i - m_nStart, pages)) break;
  }
  BOOL written = TRUE;
  if (m_model.GetProperties().m_nCssSet == 1 && !CopyStyleSheet()) written = FALSE;
  if (!pages.Finish()) written = FALSE;
  return written;
}

BOOL CTreeHtmlExporter::CopyStyleSheet() {
  try {
    CTextFile in(GetShippedFilePath("kestahtml.css"), "rb");
    CString sheet = in.ReadAll();
    in.Close();
    sheet.Replace("$color1", m_model.GetProperties().m_strCssColor);
    CTextFile out(MakeSideFileName("kestahtml", "css"), "wb");
    out.WriteString(sheet.GetString());
    out.Close();
  } catch (const CPelkoFileException&) {
    AfxMessageBox("CSSファイル読み込みエラー");
    return FALSE;
  }
  return TRUE;
}

BOOL CTreeHtmlExporter::ExportWithFrames(const CString& folder, const CString& indexName, const CString& mainName) {
  const CString indexPath = JoinPath(folder, indexName);
  const CString mainPath = JoinPath(folder, mainName);
  m_nFrameMode = 1;
  const BOOL pages = ExportPages(indexPath);
  const BOOL main = WriteTemplatePage(mainPath, indexName);
  return pages && main ? TRUE : FALSE;
}
