#include "convert/RtfExport.h"

#include <algorithm>

#include "convert/CREditCtrl.h"
#include "convert/CTextExporter.h"
#include "foundation/SettingAccess.h"
#include "foundation/SettingsTable.h"
#include "model/CTextOutputOptions.h"
#include "model/ATREE.h"

namespace {

const char kPageMarker[] = "\\page\\";
const char kPaperMarker[] = "\\paperw11907\\paperh16840\\";

void InsertFootnotes(ATREE& tree, CTextExporter& exporter, CREditCtrl& control) {
  if (tree.GetFootnotes().GetSize() > 0) control.InsertText(exporter.GetFootnoteText());
}

}  // namespace

void ExportRtf(ATREE& tree, const CTextOutputOptions& options, int first, int end, const CFont* levelFonts,
               CREditCtrl& control) {
  CTextExporter exporter(tree, options);
  end = std::min(end, tree.GetDirDataCount());
  const int base = first < end ? tree.GetLevel(first) : 0;
  if (first < end) exporter.ResetLevelCounters(first);
  const int pageFeed = ReadSetting(Settings::RtfOut::PageFeed);
  const bool levelRelative = ReadSetting(Settings::RtfOut::FontLevelRel) != 0;
  for (int i = first; i < end; ++i) {
    const int level = tree.GetLevel(i);
    if (i != first && options.m_nFootnotePosition == 1 && level == 1) InsertFootnotes(tree, exporter, control);
    int bodyStart = 0;
    const CString text = exporter.MakeHtmlArticle(i, 1, 0, 0, &bodyStart);
    if (text.IsEmpty()) continue;
    // A range that is not one subtree may hold trees above the first one: they take the top font.
    const int fontLevel = std::max(0, levelRelative ? level - base : level);
    const int font = std::min(fontLevel, kRtfLevelFonts - 1);
    if (pageFeed == 1 || (level != 0 && level < pageFeed)) control.InsertText(kPageMarker);
    control.InsertText(text.Left(bodyStart), &levelFonts[font]);
    control.InsertText(text.Mid(bodyStart));
  }
  InsertFootnotes(tree, exporter, control);
  control.InsertText(kPaperMarker);
}
