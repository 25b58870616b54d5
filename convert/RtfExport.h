#pragma once
// The RTF export: a run of trees written into the rich-text document, each title in the font of
// its level, the body in the default font, page-break markers before the trees the settings
// choose, the footnote blocks of the text export, and the A4 paper marker at the end.
class ATREE;
class CFont;
class CREditCtrl;
class CTextOutputOptions;

constexpr int kRtfLevelFonts = 7;  // levels 0 to 5, and one font for every deeper level

// Trees first .. end - 1 into the control, with the options as the caller loaded them; levelFonts
// holds kRtfLevelFonts fonts. Settings "RtfOut"/"PageFeed" and "FontLevelRel" choose the page
// breaks and whether levels count from the first tree.
void ExportRtf(ATREE& tree, const CTextOutputOptions& options, int first, int end, const CFont* levelFonts,
               CREditCtrl& control);
