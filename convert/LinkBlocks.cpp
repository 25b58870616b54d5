#include "convert/LinkBlocks.h"

#include <cstdio>
#include <cstring>

#include "foundation/IRegExp.h"
#include "model/ATREE.h"
#include "model/OutlineSearch.h"
#include "platform/base/RegularFile.h"
#include "foundation/WebText.h"

namespace {

// The extension of the link's file name, lower-cased, with its dot.
CString LowerExtension(const CString& link) {
  const int slash = std::max(link.ReverseFind('/'), link.ReverseFind('\\'));
  const CString name = link.Mid(slash + 1);
  const int dot = name.ReverseFind('.');
  if (dot < 0) return CString();
  CString ext = name.Mid(dot);
  ext.MakeLower();
  return ext;
}

bool OneOf(const CString& ext, std::initializer_list<const char*> list) {
  for (const char* e : list) {
    if (ext == e) return true;
  }
  return false;
}

}  // namespace

int GetLinkKind(const char* link) {
  const CString text(link);
  if (text.Find("://") >= 0) return 4;
  if (text.Left(7) == "mailto:") return 5;
  const CString ext = LowerExtension(text);
  if (ext == ".kvn") return 0;
  if (OneOf(ext, {".txt", ".htm", ".html", ".css", ".log", ".c", ".cpp", ".java", ".pl", ".cgi", ".php", ".rb"})) {
    return 1;
  }
  if (OneOf(ext, {".gif", ".jpg", ".jpeg", ".png", ".bmp"})) return 2;
  return 3;
}

CString GetLinkText(const char* link) {
  if (GetLinkKind(link) != 1) return CString();
  FILE* file = OpenRegularFileStream(link);
  if (file == nullptr) return CString();
  std::string out;
  char buffer[2047];
  while (std::fgets(buffer, sizeof buffer, file) != nullptr) {
    size_t length = std::strlen(buffer);
    // A read stops after LF, so what a Windows text-mode read would have seen is the same less CR.
    for (const char ch : {'\n', '\r', '\n'}) {
      if (length > 0 && buffer[length - 1] == ch) --length;
    }
    out.append(buffer, length);
    out += "\r\n";
  }
  std::fclose(file);
  return CString(std::move(out));
}

CString MakeLinkHtml(const char* link) {
  // The link stands in attributes and as text: escaped, it never ends one or makes an element.
  const CString target = EscapeHtml(link);
  switch (GetLinkKind(link)) {
    case 1: {
      CString text = GetLinkText(link);
      text.Replace("\r\n", "<br/>\r\n");
      return "<div class=\"link\">\r\n" + text + "\r\n</div>";
    }
    case 2:
      return "<div class=\"link\"><img src=\"" + target + "\" class=\"link\"></div>";
    case 4:
      return "<div class=\"link\"><a href=\"" + target + "\" class=\"link\">" + target + "</a></div>";
    case 5:
      return "<div class=\"link\"><a href=\"" + target + "\" class=\"linkmail\">" + EscapeHtml(CString(link).Mid(7)) +
             "</a></div>";
    default:
      return CString();
  }
}

int ReplaceLinkFileNames(ATREE& tree, int first, const char* find, const char* replace, int useRegExp) {
  const int end = tree.GetNextSibling(first, TRUE);
  int count = 0;
  IRegExp regExp;
  if (useRegExp) {
    if (!regExp.CreateDispatch("VBScript.RegExp")) return 0;
    regExp.SetPattern(find);
    regExp.SetGlobal(TRUE);
    regExp.SetIgnoreCase(TRUE);
  }
  for (int i = first; i < end; ++i) {
    CString link = tree.GetLink(i);
    if (link.IsEmpty()) continue;
    if (useRegExp) {
      if (!regExp.TestLines(link)) continue;
      tree.SetLink(i, regExp.Replace(link, replace));
      ++count;
    } else if (*find == '\0') {
      tree.SetLink(i, CString(replace) + link);
      ++count;
    } else if (const int n = OutlineSearch::ReplaceAll(link, find, replace); n > 0) {
      tree.SetLink(i, link);
      count += n;
    }
  }
  if (count > 0) tree.MakeTreeData();
  return count;
}
