#pragma once
// Texts on their way into URLs and HTML pages.
#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"

// Every byte other than digits, ASCII letters and - _ . ! ~ * ' ( ) as %XX.
CString UrlEncode(const char* text);
// & < > " ' as entities (& first, so an entity already there is escaped again). The one escape of
// every HTML writer: a title, a link or a text so written shows as it was typed.
CString EscapeHtml(const char* text);
// The text an HTML reader shows for escaped text: the five entities EscapeHtml writes, "&#39;" and
// decimal or hexadecimal references to ASCII characters become their characters; anything else
// stays as it stands. UnescapeHtml(EscapeHtml(t)) is t.
CString UnescapeHtml(const char* text);
// Wraps each http://, https://, ftp:// and mailto: address outside tags in an anchor; with
// newWindow the anchor opens a new window.
CString LinkifyUrls(const char* text, BOOL newWindow);
// "RRGGBB" or "#RRGGBB" to a colour (red in the low byte); 0 for any other text.
COLORREF ParseHtmlColor(const char* text);
