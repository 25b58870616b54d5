#pragma once
// The "参照..." buttons of the HTML option dialogs: an open dialog for one field, and what it
// shows, and whether the field takes the file's name alone (files that sit beside the pages) or
// its full path (files read in when the pages are made).
#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"

class wxWindow;

struct CHtmlFilePicker {
  int button;
  int field;
  const char* defExt;
  const char* fileName;
  const char* filter;
  const char* title;
  bool nameOnly;
};

inline constexpr char kHtmlCssFilter[] = "cssﾌｧｲﾙ(*.css) |*.css|全てのﾌｧｲﾙ(*.*) |*.*||";
inline constexpr char kHtmlHeadFilter[] = "cssﾌｧｲﾙ(*.css) |*.css|HTMLﾌｧｲﾙ(*.htm*) |*.htm*|全てのﾌｧｲﾙ(*.*) |*.*||";
inline constexpr char kHtmlInsertFilter[] =
    "HTMLﾌｧｲﾙ(*.htm*) |*.htm*|txtﾌｧｲﾙ(*.txt) |*.txt|全てのﾌｧｲﾙ(*.*) |*.*||";

// The open dialog of the picker over parent; FALSE when cancelled.
BOOL ChooseHtmlFile(wxWindow* parent, const CHtmlFilePicker& picker, CString& path);
