#pragma once
// Texts on their way into URLs and HTML pages.
#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"

// Every byte other than digits, ASCII letters and - _ . ! ~ * ' ( ) as %XX.
CString UrlEncode(const char* text);
// & < > " ' as entities (& first, so an entity already there is escaped again).
CString EscapeHtml(const char* text);
// Wraps each http://, https://, ftp:// and mailto: address outside tags in an anchor; with
// newWindow the anchor opens a new window.
CString LinkifyUrls(const char* text, BOOL newWindow);
// "RRGGBB" or "#RRGGBB" to a colour (red in the low byte); 0 for any other text.
COLORREF ParseHtmlColor(const char* text);
