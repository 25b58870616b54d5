#pragma once
// The pages that the preview writes for itself: the page around a body, the outline-file page with
// its "kvn://" link back into the program, and the file-information page. Paths go into the pages
// HTML-escaped, so a path is shown as it is and cannot end the link or add markup.
#include <string_view>

#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"

// "<HTML>\r\n<BODY>" + body + "</BODY>\r\n</HTML>".
CString MakePreviewPage(const char* body);
// The head of an outline file's text page, down to the rule under the file-name line.
CString MakeOutlineFileHead(const char* path);
// The body shown when the outline file cannot be opened.
CString MakeOutlineFailureBody(const char* path);
// The end of an outline file's text page.
constexpr char kOutlineFileTail[] = "<HR></BODY>\n</HTML>\n";

// What the file-information page tells of a file; known is false when its status could not be read.
struct PreviewFileInfo {
  bool known = false;
  long long size = 0;
  CString created;   // "%Y/%m/%d %H:%M", "" when the system keeps no such time
  CString modified;
};
PreviewFileInfo ReadPreviewFileInfo(const char* path);
CString MakeFileInfoBody(const char* heading, const char* path, const PreviewFileInfo& info);

// The outline path that a navigation to the program's own scheme names: the address after "kvn://"
// (lower case only), percent escapes decoded as UTF-8, trailing '/' and '\' removed. FALSE for any
// other address.
BOOL GetKvnLinkPath(std::string_view urlUtf8, CString& path);
