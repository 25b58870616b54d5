#include "views/PreviewPages.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <ctime>
#include <string>

#include "foundation/WebText.h"
#include "platform/base/CodePage.h"

namespace {

// A '%' in a path is written as "%25", so what the browser hands back decodes to the path itself.
CString KvnHref(const char* path) {
  CString href(path);
  href.Replace("%", "%25");
  return "kvn://" + EscapeHtml(href);
}

CString FileNameLine(const char* scheme, const char* path) {
  const CString shown = EscapeHtml(path);
  const CString href = CString(scheme) == "kvn://" ? KvnHref(path) : scheme + EscapeHtml(path);
  return "ファイル名：<A HREF=\"" + href + "\">" + shown + "</A>";
}

CString FormatTime(const struct statx_timestamp& stamp) {
  const time_t seconds = static_cast<time_t>(stamp.tv_sec);
  struct tm local {};
  char text[64] = {};
  if (!localtime_r(&seconds, &local) || strftime(text, sizeof(text), "%Y/%m/%d %H:%M", &local) == 0) return CString();
  return text;
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

CString MakePreviewPage(const char* body) { return CString("<HTML>\r\n<BODY>") + body + "</BODY>\r\n</HTML>"; }

CString MakeOutlineFileHead(const char* path) {
  return "<HTML>\n<BODY>\n<H1>ケスタボンファイル</H1>\n" + FileNameLine("kvn://", path) + "<BR>以下、テキスト出力<HR>\n";
}

CString MakeOutlineFailureBody(const char* path) {
  return "<H1>ケスタボンファイル</H1>\n" + FileNameLine("kvn://", path) +
         "<BR>ファイルのオープンに失敗しました。ファイルがない可能性があります。<HR>\n\n";
}

PreviewFileInfo ReadPreviewFileInfo(const char* path) {
  PreviewFileInfo info;
  struct statx st {};
  if (statx(AT_FDCWD, CP932ToUTF8(path).c_str(), 0, STATX_SIZE | STATX_MTIME | STATX_BTIME, &st) != 0) return info;
  info.known = true;
  info.size = static_cast<long long>(st.stx_size);
  if (st.stx_mask & STATX_BTIME) info.created = FormatTime(st.stx_btime);
  if (st.stx_mask & STATX_MTIME) info.modified = FormatTime(st.stx_mtime);
  return info;
}

CString MakeFileInfoBody(const char* heading, const char* path, const PreviewFileInfo& info) {
  CString body = CString("<H1>") + heading + "</H1>\n" + FileNameLine("file://", path) + "<BR><HR>\n";
  // Without the file's status there is nothing true to say of its size and dates.
  if (!info.known) return body;
  CString size;
  size.Format("%lld", info.size);
  body += "<B>サイズ：</B>" + size + "バイト<br>";
  body += "<B>作成日付：</B>" + info.created + "<BR>\n";
  body += "<B>最終変更日付：</B>" + info.modified + "<BR>\n";
  return body;
}

BOOL GetKvnLinkPath(std::string_view urlUtf8, CString& path) {
  if (!urlUtf8.starts_with("kvn://")) return FALSE;
  std::string rest(urlUtf8.substr(6));
  std::string decoded;
  for (size_t i = 0; i < rest.size(); ++i) {
    if (rest[i] == '%' && i + 2 < rest.size() && HexValue(rest[i + 1]) >= 0 && HexValue(rest[i + 2]) >= 0) {
      decoded += static_cast<char>(HexValue(rest[i + 1]) * 16 + HexValue(rest[i + 2]));
      i += 2;
    } else {
      decoded += rest[i];
    }
  }
  while (!decoded.empty() && (decoded.back() == '/' || decoded.back() == '\\')) decoded.pop_back();
  path = UTF8ToCP932(decoded);
  return TRUE;
}
