#pragma once
// The tree pane's RTF command: the options dialog, the export of the selected tree or the whole
// outline into a rich-text document, the file written in the form its extension names, and the
// written file opened with the program the desktop associates with it.
#include <functional>

class CFont;
class CKestavonDoc;
class wxWindow;

// levelFonts holds the seven level fonts of the print format; paneFont is the default font of the
// document; editLevelFonts, when given, runs the print-font dialog over levelFonts from the
// options dialog. FALSE when the dialog was cancelled or the file could not be written (the
// message shown; nothing is opened then).
bool RunRtfExport(CKestavonDoc& doc, wxWindow* pane, const CFont* levelFonts, const CFont& paneFont,
                  std::function<void(wxWindow* parent)> editLevelFonts = {});
