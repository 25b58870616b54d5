#pragma once
// The program's settings, one entry per key of the settings file (kesta32.conf): its section, key,
// type, default and, for a number, the range it is clamped to when read (foundation/SettingAccess.h).
// Code names a setting by its entry, Settings::<section>::<key>, never by strings of its own.
//
// Ranges: a flag 0..1; a choice the indexes of its list; a colour 0..0xFFFFFF; a length on the
// screen 0..kPixels (a window's coordinates stay well inside an int); a count what its reader can
// walk in reasonable time; otherwise what the code that uses the value can take.
// Where two callers give one key two defaults, both stand here as two entries, each saying so.
#include <climits>

#include "foundation/SettingEntry.h"

namespace Settings {

inline constexpr int kPixels = 32767;

namespace Bookmark {
inline constexpr IntSetting Count = MakeInt("Bookmark", "Count", 0, 0, 1000);
inline constexpr NumberedSetting<TextSetting> Name = MakeNumbered(MakeText("Bookmark", "name%d", ""));
}  // namespace Bookmark

namespace CalcDlg {
inline constexpr IntSetting Comma = MakeFlag("CalcDlg", "Comma", 0);
// The default button: replace, insert after, copy and close.
inline constexpr IntSetting Focus = MakeChoice("CalcDlg", "Focus", 0, 3);
}  // namespace CalcDlg

namespace ColorDlg {
// The colour dialog's sixteen custom colours, Custom0 .. Custom15.
inline constexpr NumberedSetting<IntSetting> Custom = MakeNumbered(MakeColour("ColorDlg", "Custom%d", 0xFFFFFF));
}  // namespace ColorDlg

namespace Count {
inline constexpr IntSetting Page = MakeInt("Count", "Page", 400, 1, INT_MAX);  // characters per page
}  // namespace Count

namespace DateOpt {
inline constexpr TextSetting Mark = MakeText("DateOpt", "Mark", "/");
inline constexpr IntSetting Nengappi = MakeFlag("DateOpt", "Nengappi", 0);
inline constexpr IntSetting Nengo = MakeFlag("DateOpt", "Nengo", 0);
inline constexpr IntSetting Time = MakeFlag("DateOpt", "Time", 0);
inline constexpr IntSetting Time24 = MakeFlag("DateOpt", "Time24", 1);
inline constexpr IntSetting TimeAMPM = MakeChoice("DateOpt", "TimeAMPM", 0, 3);  // none, "AM"/"PM", "午前"/"午後"
inline constexpr IntSetting TimeKanji = MakeFlag("DateOpt", "TimeKanji", 0);
inline constexpr IntSetting Week = MakeFlag("DateOpt", "Week", 1);
inline constexpr IntSetting Year = MakeFlag("DateOpt", "Year", 0);
inline constexpr IntSetting Year4 = MakeFlag("DateOpt", "Year4", 0);
}  // namespace DateOpt

namespace DateTree {
inline constexpr TextSetting Format = MakeText("DateTree", "Format", "%m月%d日");
inline constexpr IntSetting Holiday = MakeFlag("DateTree", "Holiday", 1);
inline constexpr IntSetting SameLevel = MakeFlag("DateTree", "SameLevel", 0);
// The weekdays taken, Week0 (Sunday) .. Week6.
inline constexpr NumberedSetting<IntSetting> Week = MakeNumbered(MakeFlag("DateTree", "Week%d", 1));
}  // namespace DateTree

namespace Edit {
inline constexpr IntSetting BackColor = MakeColour("Edit", "BackColor", 0xFFFFFF);
inline constexpr IntSetting Kajogaki = MakeFlag("Edit", "Kajogaki", 0);
inline constexpr IntSetting TextColor = MakeColour("Edit", "TextColor", 0);
}  // namespace Edit

namespace File {
// Set once the open dialog's older filter order has been moved on (3 then meant 4).
inline constexpr IntSetting FilterOrderOld = MakeFlag("File", "701", 1);
inline constexpr IntSetting OpenType = MakeInt("File", "OpenType", 1, 0, 4);  // filter of the open dialog
inline constexpr IntSetting SaveType = MakeInt("File", "SaveType", 1, 0, 3);  // filter of the save-as dialog
}  // namespace File

namespace FolderImport {
inline constexpr TextSetting Dir = MakeText("FolderImport", "Dir", "");
inline constexpr TextSetting Ext = MakeText("FolderImport", "Ext", "txt");  // the extensions taken
inline constexpr IntSetting ExtName = MakeFlag("FolderImport", "ExtName", 0);
inline constexpr IntSetting OtherLink = MakeFlag("FolderImport", "OtherLink", 0);
}  // namespace FolderImport

// A font kept as a block of keys: the tree's in section "Font"; others in a section of their
// owner's ("EFont", "PrintFont0" .. "PrintFont6", "PrintFontText", "PrintFontHeader",
// "PrintFontFooter", "CFont", "GrepFont", "EGFont"), through InSection. The owner gives the
// defaults: the tree pane's "Font" is "ＭＳ Ｐゴシック" at -17 when missing, the background
// dialog's preview of it "SYSTEM" at 16.
namespace Font {
inline constexpr IntKey CharSet = MakeIntByCaller("Font", "CharSet", 0, 255);
inline constexpr TextKey FaceName = MakeTextByCaller("Font", "FaceName");
inline constexpr IntKey Italic = MakeIntByCaller("Font", "Italic", 0, 1);
inline constexpr IntKey Size = MakeIntByCaller("Font", "Size", -32767, 32767);  // the signed height
inline constexpr IntKey Underline = MakeIntByCaller("Font", "Underline", 0, 1);
inline constexpr IntKey Weight = MakeIntByCaller("Font", "Weight", 0, 1000);
}  // namespace Font

namespace Footnote {
inline constexpr TextSetting EndStr = MakeText("Footnote", "EndStr", ">>> ");
inline constexpr TextSetting Honbun1 = MakeText("Footnote", "Honbun1", "(");
inline constexpr TextSetting Honbun2 = MakeText("Footnote", "Honbun2", ")");
inline constexpr TextSetting Kyaku1 = MakeText("Footnote", "Kyaku1", "(");
inline constexpr TextSetting Kyaku2 = MakeText("Footnote", "Kyaku2", ") ");
// End of the output, before each tree of depth 1, after every tree.
inline constexpr IntSetting Position = MakeChoice("Footnote", "Position", 0, 3);
inline constexpr TextSetting StartStr = MakeText("Footnote", "StartStr", "<<<");
inline constexpr TextSetting Title = MakeText("Footnote", "Title", "");
}  // namespace Footnote

namespace Grep {
inline constexpr IntKey Colum = MakeIntByCaller("Grep", "Colum", 0, kPixels);  // half the frame's width
inline constexpr IntSetting FileType = MakeChoice("Grep", "FileType", 0, 2);   // outlines, outlines and texts
inline constexpr IntSetting RegExp = MakeFlag("Grep", "RegExp", 0);
inline constexpr IntKey Row = MakeIntByCaller("Grep", "Row", 0, kPixels);  // half the frame's height
inline constexpr IntSetting SplPos = MakeFlag("Grep", "SplPos", 1);        // 1 the list above the text
inline constexpr IntSetting SubFolder = MakeFlag("Grep", "SubFolder", 1);
inline constexpr IntSetting WordWrap = MakeFlag("Grep", "WordWrap", 1);
}  // namespace Grep

namespace Html {
inline constexpr TextSetting BeforeImage = MakeText("Html", "BeforeImage", "");
inline constexpr IntSetting Center = MakeFlag("Html", "Center", 0);
inline constexpr TextSetting CssColor = MakeText("Html", "CssColor", "#669933");
inline constexpr IntSetting CssSet = MakeFlag("Html", "CssSet", 1);
inline constexpr TextSetting Dir = MakeText("Html", "Dir", "");  // the per-tree pages' folder
inline constexpr TextSetting FrameFile = MakeText("Html", "FrameFile", "frame.html");
inline constexpr TextSetting FramWidth = MakeText("Html", "FramWidth", "30%");
inline constexpr IntSetting FullPath = MakeFlag("Html", "FullPath", 1);
inline constexpr IntSetting HtmlAutoLink = MakeFlag("Html", "HtmlAutoLink", 1);
inline constexpr IntSetting HtmlImg = MakeFlag("Html", "HtmlImg", 1);
inline constexpr IntSetting HtmlWiki = MakeFlag("Html", "HtmlWiki", 0);
inline constexpr TextSetting IndexFile = MakeText("Html", "IndexFile", "body.html");
inline constexpr IntSetting LinkFile = MakeFlag("Html", "LinkFile", 0);
inline constexpr IntSetting LinkImage = MakeFlag("Html", "LinkImage", 0);
inline constexpr IntSetting Margin = MakeFlag("Html", "Margin", 1);
inline constexpr IntSetting Next = MakeFlag("Html", "Next", 1);
inline constexpr IntSetting NextBottom = MakeFlag("Html", "NextBottom", 1);
inline constexpr TextSetting NextImage = MakeText("Html", "NextImage", "");
inline constexpr IntSetting NoBR = MakeFlag("Html", "NoBR", 0);
inline constexpr IntSetting SelectTree = MakeFlag("Html", "SelectTree", 1);
inline constexpr IntSetting TreeClose = MakeFlag("Html", "TreeClose", 1);
inline constexpr TextSetting TreeFile = MakeText("Html", "TreeFile", "menu.html");
inline constexpr IntSetting XMargin = MakeInt("Html", "XMargin", 10, 0, kPixels);
}  // namespace Html

namespace InitAllFile {
inline constexpr IntSetting Count = MakeInt("InitAllFile", "Count", 0, 0, 1000);
inline constexpr NumberedSetting<TextSetting> Name = MakeNumbered(MakeText("InitAllFile", "name%02d", ""));
}  // namespace InitAllFile

// The place each file dialog last used (a folder or a file in it).
namespace InitDir {
// Spelt so in the settings files that exist.
inline constexpr TextSetting CatgeoryImport = MakeText("InitDir", "CatgeoryImport", "");
inline constexpr TextSetting EditorSet = MakeText("InitDir", "EditorSet", "/usr/bin");
inline constexpr TextSetting FileInsert = MakeText("InitDir", "FileInsert", "");
inline constexpr TextSetting FileSplit = MakeText("InitDir", "FileSplit", "");
inline constexpr TextSetting FileText = MakeText("InitDir", "FileText", "");
inline constexpr TextSetting HtmlTextPage = MakeText("InitDir", "HtmlTextPage", "");
inline constexpr TextSetting InsertWZ = MakeText("InitDir", "InsertWZ", "");
inline constexpr TextSetting LinkDlg = MakeText("InitDir", "LinkDlg", "");
inline constexpr TextSetting LinkTreeInsert = MakeText("InitDir", "LinkTreeInsert", "");
inline constexpr TextSetting PrintExport = MakeText("InitDir", "PrintExport", "");
inline constexpr TextSetting PrintImport = MakeText("InitDir", "PrintImport", "");
inline constexpr TextSetting SaveSelect = MakeText("InitDir", "SaveSelect", "");
inline constexpr TextSetting ShoExport = MakeText("InitDir", "ShoExport", "");
inline constexpr TextSetting ShoImport = MakeText("InitDir", "ShoImport", "");
inline constexpr TextSetting TemplateEdit = MakeText("InitDir", "TemplateEdit", "");
inline constexpr TextSetting TemplateOut = MakeText("InitDir", "TemplateOut", "");
inline constexpr TextSetting TextExport = MakeText("InitDir", "TextExport", "");
inline constexpr TextSetting TextImport = MakeText("InitDir", "TextImport", "");
inline constexpr TextSetting TextIn = MakeText("InitDir", "TextIn", "");
inline constexpr TextSetting TextOut = MakeText("InitDir", "TextOut", "");
inline constexpr TextSetting TextTreeInsert = MakeText("InitDir", "TextTreeInsert", "");
inline constexpr TextSetting WzImport = MakeText("InitDir", "WzImport", "");
inline constexpr TextSetting XmlOut = MakeText("InitDir", "XmlOut", "");
}  // namespace InitDir

namespace Mark {
inline constexpr TextSetting Check = MakeText("Mark", "Check", "○");
inline constexpr TextSetting Del = MakeText("Mark", "Del", "×");
// Two defaults: the text export's mark before a checked and struck tree is empty when the key is
// missing (this entry); the mark dialog of the tree pane shows "○×" then (DelcheckShown).
inline constexpr TextSetting Delcheck = MakeText("Mark", "Delcheck", "");
inline constexpr TextSetting DelcheckShown = MakeText("Mark", "Delcheck", "○×");
inline constexpr TextSetting Normal = MakeText("Mark", "Normal", "");
}  // namespace Mark

namespace Net {
inline constexpr TextSetting RequestSite = MakeText("Net", "RequestSite", "");
inline constexpr TextSetting TransferSite = MakeText("Net", "TransferSite", "");
inline constexpr TextSetting VersionSite = MakeText("Net", "VersionSite", "");
}  // namespace Net

namespace NewLinkFile {
inline constexpr IntSetting Body = MakeFlag("NewLinkFile", "Body", 0);
inline constexpr IntSetting Title = MakeFlag("NewLinkFile", "Title", 1);
}  // namespace NewLinkFile

namespace Preview {
// 3 once the browser's registry switches are set; anything up to 2 sets them at the next start.
inline constexpr IntSetting PreviewBrowserMode = MakeInt("Preview", "PreviewBrowserMode", -1, -1, 3);
}  // namespace Preview

namespace Print {
inline constexpr IntSetting bKinFirst = MakeFlag("Print", "bKinFirst", 1);
inline constexpr IntSetting bKinLast = MakeFlag("Print", "bKinLast", 1);
// The text print's own margins in millimetres, inside the page set-up's.
inline constexpr IntSetting Bottom = MakeInt("Print", "Bottom", 3, 0, 1000);
inline constexpr IntSetting Bunsho = MakeFlag("Print", "Bunsho", 1);           // the item texts too
inline constexpr IntSetting CheckBmp = MakeChoice("Print", "CheckBmp", 0, 2);  // check marks as text, as a picture
inline constexpr IntSetting CheckPrint = MakeFlag("Print", "CheckPrint", 1);
inline constexpr IntSetting Dangumi = MakeInt("Print", "Dangumi", 1, 1, 10);  // columns on a page
inline constexpr IntSetting DellineOut = MakeFlag("Print", "DellineOut", 1);
inline constexpr IntSetting FLine = MakeFlag("Print", "FLine", 1);
inline constexpr IntSetting FontRel = MakeFlag("Print", "FontRel", 1);
// 2 the fonts of the PrintFont sections as they are; 1 an older form of them, scaled.
inline constexpr IntSetting FontZoom = MakeInt("Print", "FontZoom", 1, 1, 2);
inline constexpr TextSetting Footer = MakeText("Print", "Footer", "");
inline constexpr TextSetting Header = MakeText("Print", "Header", "");
inline constexpr IntSetting HLine = MakeFlag("Print", "HLine", 1);
inline constexpr IntSetting Indent = MakeFlag("Print", "Indent", 0);
inline constexpr IntSetting IndentSho = MakeFlag("Print", "IndentSho", 0);
inline constexpr TextKey KinsokuFirst = MakeTextByCaller("Print", "KinsokuFirst");  // the built-in list
inline constexpr TextKey KinsokuLast = MakeTextByCaller("Print", "KinsokuLast");    // the built-in list
inline constexpr IntSetting Left = MakeInt("Print", "Left", 3, 0, 1000);
inline constexpr IntSetting LineHeight = MakeInt("Print", "LineHeight", 0, -1, kPixels);  // -1 automatic
inline constexpr IntSetting Page = MakeChoice("Print", "Page", 0, 3);  // page number: none, header, footer
// Page breaks: -1 none, 0 after every item, n before each item of level n or less.
inline constexpr IntSetting PageMode = MakeInt("Print", "PageMode", -1, -1, 5);
// The colours of the ten print fonts, PrintFontColor0 .. PrintFontColor9.
inline constexpr NumberedSetting<IntSetting> PrintFontColor = MakeNumbered(MakeColour("Print", "PrintFontColor%d", 0));
inline constexpr IntSetting Right = MakeInt("Print", "Right", 3, 0, 1000);
inline constexpr IntSetting Selected = MakeFlag("Print", "Selected", 0);
inline constexpr IntSetting TagKinsoku = MakeFlag("Print", "TagKinsoku", 1);
inline constexpr IntSetting TitleMargin = MakeInt("Print", "TitleMargin", 0, 0, kPixels);
inline constexpr IntSetting Top = MakeInt("Print", "Top", 3, 0, 1000);
inline constexpr IntSetting TreeColor = MakeFlag("Print", "TreeColor", 0);
inline constexpr IntSetting WordWrap = MakeFlag("Print", "WordWrap", 1);
}  // namespace Print

// A page's margins in hundredths of a millimetre, kept by each printing in a section of its own
// ("Print" for the tree, "PrintSet" for the text, "ChartPrint" for the chart) through InSection.
namespace PrintMargin {
inline constexpr IntSetting PrintMarginBottom = MakeInt("Print", "PrintMarginBottom", 1000, 0, 100000);
inline constexpr IntSetting PrintMarginLeft = MakeInt("Print", "PrintMarginLeft", 1000, 0, 100000);
inline constexpr IntSetting PrintMarginRight = MakeInt("Print", "PrintMarginRight", 1000, 0, 100000);
inline constexpr IntSetting PrintMarginTop = MakeInt("Print", "PrintMarginTop", 1000, 0, 100000);
}  // namespace PrintMargin

namespace Replace {
inline constexpr IntSetting RegExp = MakeFlag("Replace", "RegExp", 0);
inline constexpr IntSetting Text = MakeFlag("Replace", "Text", 1);
}  // namespace Replace

namespace RtfOut {
inline constexpr IntSetting FontLevelRel = MakeFlag("RtfOut", "FontLevelRel", 0);
inline constexpr TextSetting InitDir = MakeText("RtfOut", "InitDir", "");  // the last file written
// No page breaks, one per tree, one before each tree of level 1 .. 5.
inline constexpr IntSetting PageFeed = MakeChoice("RtfOut", "PageFeed", 0, 7);
inline constexpr IntSetting SelectTree = MakeFlag("RtfOut", "SelectTree", 1);
}  // namespace RtfOut

// The outside programs of the tools menu, numbered from 00.
namespace ShellItem {
inline constexpr IntSetting Count = MakeInt("ShellItem", "Count", 0, 0, 1000);
inline constexpr NumberedSetting<TextSetting> Edit = MakeNumbered(MakeText("ShellItem", "Edit%02d", ""));
inline constexpr NumberedSetting<TextSetting> Param = MakeNumbered(MakeText("ShellItem", "Param%02d", ""));
inline constexpr NumberedSetting<TextSetting> Path = MakeNumbered(MakeText("ShellItem", "Path%02d", ""));
inline constexpr NumberedSetting<IntSetting> Reload = MakeNumbered(MakeFlag("ShellItem", "Reload%02d", 0));
inline constexpr NumberedSetting<TextSetting> Title = MakeNumbered(MakeText("ShellItem", "Title%02d", ""));
}  // namespace ShellItem

// The heading-number styles kept with the settings, or in a style file, numbered from 00; a style
// table may keep them in a section of its own. The defaults of a style depend on its number, and
// a style's kind may be any number (one the table does not know numbers in two places).
namespace ShoStr {
inline constexpr NumberedSetting<TextSetting> Custom = MakeNumbered(MakeText("ShoStr", "Custom%02d", ""));
inline constexpr IntSetting MenuNo = MakeInt("ShoStr", "MenuNo", 10, 0, 200);  // the table holds 200 styles
inline constexpr NumberedSetting<IntKey> Sho = MakeNumbered(MakeIntByCaller("ShoStr", "Sho%02d", INT_MIN, INT_MAX));
inline constexpr NumberedSetting<TextKey> Str1 = MakeNumbered(MakeTextByCaller("ShoStr", "Str1%02d"));
inline constexpr NumberedSetting<TextKey> Str2 = MakeNumbered(MakeTextByCaller("ShoStr", "Str2%02d"));
}  // namespace ShoStr

namespace Settings {
inline constexpr IntSetting ChildFrameHeight = MakeInt("Settings", "ChildFrameHeight", 0, 0, kPixels);
inline constexpr IntSetting ChildFrameWidth = MakeInt("Settings", "ChildFrameWidth", 0, 0, kPixels);
inline constexpr IntSetting PreviewPages = MakeInt("Settings", "PreviewPages", 0, 0, 2);
inline constexpr IntSetting ShowCmd = MakeInt("Settings", "ShowCmd", 1, 0, 11);  // a show command, SW_HIDE .. 11
inline constexpr TextSetting WindowPos = MakeText("Settings", "WindowPos", "");
}  // namespace Settings

namespace System {
inline constexpr IntSetting AbsolutePath = MakeFlag("System", "AbsolutePath", 0);
inline constexpr IntSetting AfterText = MakeFlag("System", "AfterText", 0);
inline constexpr IntSetting AllFileInit = MakeFlag("System", "AllFileInit", 0);
inline constexpr IntSetting AutoFirst = MakeFlag("System", "AutoFirst", 1);
inline constexpr IntSetting AutoSave = MakeFlag("System", "AutoSave", 0);
inline constexpr IntSetting AutoSaveMode = MakeChoice("System", "AutoSaveMode", 0, 2);
inline constexpr IntSetting Backup = MakeFlag("System", "Backup", 0);
inline constexpr IntSetting bAddIni = MakeChoice("System", "bAddIni", 0, 3);
inline constexpr IntSetting bAddNoTitle = MakeFlag("System", "bAddNoTitle", 0);
inline constexpr IntSetting bIniFile = MakeFlag("System", "bIniFile", 1);
inline constexpr IntSetting bMouseWheel = MakeFlag("System", "bMouseWheel", 1);
inline constexpr IntSetting bTextFile = MakeFlag("System", "bTextFile", 0);
inline constexpr TextSetting CategoryStrAfter = MakeText("System", "CategoryStrAfter", "】");
inline constexpr TextSetting CategoryStrBefore = MakeText("System", "CategoryStrBefore", "【");
inline constexpr TextSetting Commandline = MakeText("System", "Commandline", "");
inline constexpr IntSetting DblClk = MakeChoice("System", "DblClk", 0, 3);
inline constexpr IntSetting DelCheck = MakeFlag("System", "DelCheck", 1);
inline constexpr IntSetting DellineSho = MakeFlag("System", "DellineSho", 1);
inline constexpr IntSetting DragDropMode = MakeChoice("System", "DragDropMode", 1, 4);
inline constexpr IntSetting DragDropPos = MakeChoice("System", "DragDropPos", 0, 3);  // child, at, below
inline constexpr TextSetting Editor = MakeText("System", "Editor", "xdg-open");
inline constexpr IntSetting FileLink = MakeFlag("System", "FileLink", 0);  // a file link in address form
inline constexpr IntSetting FileLinkRelPath = MakeFlag("System", "FileLinkRelPath", 0);
inline constexpr IntKey FindListDlgBottom = MakeIntByCaller("System", "FindListDlgBottom", 0, kPixels);  // its own
inline constexpr IntKey FindListDlgWidth = MakeIntByCaller("System", "FindListDlgWidth", 0, kPixels);    // size
inline constexpr IntSetting FirstCursor = MakeFlag("System", "FirstCursor", 1);
inline constexpr TextSetting IniFile = MakeText("System", "IniFile", "");
inline constexpr TextSetting IniFolder = MakeText("System", "IniFolder", "");
inline constexpr IntSetting InitBookBar = MakeFlag("System", "InitBookBar", 1);
inline constexpr IntSetting InitTitleOut = MakeChoice("System", "InitTitleOut", 0, 3);
inline constexpr IntSetting ISearch = MakeFlag("System", "ISearch", 0);
inline constexpr TextKey Keycust = MakeTextByCaller("System", "Keycust");  // the user's key file
inline constexpr IntSetting KeycustWrila = MakeFlag("System", "KeycustWrila", 0);
inline constexpr IntSetting LevelDownOpen = MakeFlag("System", "LevelDownOpen", 1);
inline constexpr IntSetting LinkCheck = MakeFlag("System", "LinkCheck", 0);
// Two defaults: "*.kvn" for new link files and the settings page (this entry), "*.TXT" for the
// link dialog's browse button (LinkExtBrowse).
inline constexpr TextSetting LinkExt = MakeText("System", "LinkExt", "*.kvn");
inline constexpr TextSetting LinkExtBrowse = MakeText("System", "LinkExt", "*.TXT");
inline constexpr IntSetting LinkIniDir = MakeFlag("System", "LinkIniDir", 0);
inline constexpr IntSetting LinkNameSearch = MakeFlag("System", "LinkNameSearch", 0);
inline constexpr IntSetting LinkNewAbsolute = MakeFlag("System", "LinkNewAbsolute", 1);
inline constexpr TextSetting LocaleAll = MakeText("System", "LocaleAll", "Japanese");
inline constexpr TextSetting LocaleTz = MakeText("System", "LocaleTz", "JST-9");
inline constexpr IntSetting MarkdownExportHashChange = MakeFlag("System", "MarkdownExportHashChange", 0);
// Two defaults: the recent-file list has 5 entries when the key is missing (this entry); the
// settings page shows 10 then (MRUShown). The page takes 0 to 10.
inline constexpr IntSetting MRU = MakeInt("System", "MRU", 5, 0, 10);
inline constexpr IntSetting MRUShown = MakeInt("System", "MRU", 10, 0, 10);
// One phrase, any word, every word. Two defaults: a new outline model searches any word when the
// key is missing (this entry); the find dialog offers one phrase then (MSearchDialog).
inline constexpr IntSetting MSearch = MakeChoice("System", "MSearch", 1, 3);
inline constexpr IntSetting MSearchDialog = MakeChoice("System", "MSearch", 0, 3);
inline constexpr IntSetting MSearchGrep = MakeChoice("System", "MSearchGrep", 1, 3);
// The web search's address, "%s" standing for the words. Two defaults: the settings dialog offers
// one search engine when the key is missing (this entry), the search command uses another then
// (NetSearchCommand).
inline constexpr TextSetting NetSearch = MakeText("System", "NetSearch", "https://www.google.com/search?q=%s");
inline constexpr TextSetting NetSearchCommand = MakeText("System", "NetSearch", "https://duckduckgo.com/?q=%s");
inline constexpr IntSetting NetSearchUni = MakeFlag("System", "NetSearchUni", 1);  // the words as UTF-8
inline constexpr IntSetting NoSaveAlert = MakeFlag("System", "NoSaveAlert", 0);
inline constexpr IntSetting NoToNewFile = MakeFlag("System", "NoToNewFile", 0);
inline constexpr IntSetting NumTree = MakeFlag("System", "NumTree", 0);
inline constexpr IntSetting PasteDlg = MakeFlag("System", "PasteDlg", 1);
inline constexpr IntSetting PasteLevel = MakeFlag("System", "PasteLevel", 0);  // 1 the same level
inline constexpr IntSetting PasteMove = MakeFlag("System", "PasteMove", 0);
inline constexpr IntSetting PasteOpen = MakeFlag("System", "PasteOpen", 1);
inline constexpr IntSetting PasteTextDlg = MakeFlag("System", "PasteTextDlg", 1);
inline constexpr IntSetting ProfileFolder = MakeFlag("System", "ProfileFolder", 0);
inline constexpr IntSetting RecentNoInit = MakeFlag("System", "RecentNoInit", 0);
inline constexpr IntSetting RegExp = MakeFlag("System", "RegExp", 0);
inline constexpr IntSetting RenzokuInput = MakeFlag("System", "RenzokuInput", 0);
inline constexpr IntSetting SaveTime = MakeInt("System", "SaveTime", 5, 0, INT_MAX);  // minutes
inline constexpr IntSetting SearchSelectOnly = MakeFlag("System", "SearchSelectOnly", 0);
inline constexpr IntSetting SharedFile = MakeFlag("System", "SharedFile", 0);
// Several instances, one instance, always several (one document each).
inline constexpr IntSetting SingleInstance = MakeChoice("System", "SingleInstance", 1, 3);
inline constexpr IntSetting SortMode = MakeChoice("System", "SortMode", 0, 12);
inline constexpr IntSetting SortSameLevel = MakeFlag("System", "SortSameLevel", 0);
inline constexpr IntSetting SplitDell = MakeFlag("System", "SplitDell", 0);
inline constexpr IntSetting SplitDlg = MakeFlag("System", "SplitDlg", 1);
inline constexpr IntSetting SplitMove = MakeFlag("System", "SplitMove", 0);
inline constexpr IntSetting SplitSameLevel = MakeFlag("System", "SplitSameLevel", 0);
inline constexpr IntSetting TextAreaSearch = MakeFlag("System", "TextAreaSearch", 1);
// The text pane's first caret: start, end, last place; any other value acts as the start does.
inline constexpr IntSetting TextCurInit = MakeInt("System", "TextCurInit", 0, INT_MIN, INT_MAX);
inline constexpr IntSetting TextPasteMode = MakeChoice("System", "TextPasteMode", 0, 5);
inline constexpr IntKey TextViewCx = MakeIntByCaller("System", "TextViewCx", 0, kPixels);  // the text view's
inline constexpr IntKey TextViewCy = MakeIntByCaller("System", "TextViewCy", 0, kPixels);  // own size
inline constexpr IntSetting Title = MakeFlag("System", "Title", 0);
inline constexpr IntSetting TitleBarFullPath = MakeFlag("System", "TitleBarFullPath", 0);
// Missing, it is the opposite of Title (ReadTitleSearch).
inline constexpr IntKey TitleSearch = MakeIntByCaller("System", "TitleSearch", 0, 1);
inline constexpr IntSetting TreeAddPos = MakeChoice("System", "TreeAddPos", 1, 2);  // top, bottom
inline constexpr IntSetting TreeUpMode = MakeFlag("System", "TreeUpMode", 1);
inline constexpr IntSetting UrlOpenMode = MakeChoice("System", "UrlOpenMode", 1, 3);
inline constexpr TextSetting WebID = MakeText("System", "WebID", "");
inline constexpr TextSetting WP = MakeText("System", "WP", "");                    // scrambled
inline constexpr IntSetting WrilaInitial = MakeFlag("System", "WrilaInitial", 1);  // the text control not set up yet
inline constexpr IntSetting WzExportNoTop = MakeFlag("System", "WzExportNoTop", 0);
// Two defaults: the export itself leaves a text line's leading period alone when the key is
// missing (this entry); the export's file dialog offers to change it then (WzExportPeriodChangeShown).
inline constexpr IntSetting WzExportPeriodChange = MakeFlag("System", "WzExportPeriodChange", 0);
inline constexpr IntSetting WzExportPeriodChangeShown = MakeFlag("System", "WzExportPeriodChange", 1);
inline constexpr IntSetting WzImportTopTree = MakeFlag("System", "WzImportTopTree", 1);
inline constexpr IntSetting ZSearch = MakeFlag("System", "ZSearch", 0);
}  // namespace System

// The text and one-page HTML export's options; also the keys of an option-set file.
namespace Text {
inline constexpr TextSetting Css = MakeText("Text", "Css", "");  // an outside style sheet's address
inline constexpr TextSetting CssColor = MakeText("Text", "CssColor", "#0066cc");
inline constexpr IntSetting CssSet = MakeFlag("Text", "CssSet", 1);
inline constexpr IntSetting DellineOut = MakeFlag("Text", "DellineOut", 1);
inline constexpr IntSetting EditOut = MakeFlag("Text", "EditOut", 1);
inline constexpr IntSetting FileOut = MakeFlag("Text", "FileOut", 0);
inline constexpr IntSetting Form = MakeChoice("Text", "Form", 0, 4);
inline constexpr IntSetting Html = MakeFlag("Text", "Html", 0);
inline constexpr IntSetting HtmlEscape = MakeFlag("Text", "HtmlEscape", 1);
// Spaces, tabs, none; the export reports any other value as an error of its own.
inline constexpr IntSetting Indent = MakeInt("Text", "Indent", 0, INT_MIN, INT_MAX);
inline constexpr IntSetting IndentPos = MakeChoice("Text", "IndentPos", 0, 4);
inline constexpr IntSetting JQuery = MakeFlag("Text", "JQuery", 1);
inline constexpr IntSetting Level = MakeInt("Text", "Level", 0, 0, 10);  // 0 every depth
inline constexpr IntSetting Preview = MakeFlag("Text", "Preview", 0);    // open the file written
// The text copy and export commands take the selected tree only, and the format dialogs show it
// so, until the user says otherwise.
inline constexpr IntSetting SelectOnly = MakeFlag("Text", "SelectOnly", 1);
inline constexpr TextSetting ShowStr = MakeText("Text", "ShowStr", "-");
inline constexpr IntSetting Space = MakeFlag("Text", "Space", 0);
// Blanks per level and columns per tab: the export multiplies them by the depth.
inline constexpr IntSetting SpaceNo = MakeInt("Text", "SpaceNo", 2, 0, 255);
inline constexpr IntSetting TabNo = MakeInt("Text", "TabNo", 8, 0, 255);
inline constexpr IntSetting TSpace = MakeFlag("Text", "TSpace", 0);
inline constexpr IntSetting Width = MakeInt("Text", "Width", 80, 1, 32767);  // bytes, as the dialog takes it
}  // namespace Text

namespace TextPage {
inline constexpr TextSetting Dir = MakeText("TextPage", "Dir", "");
inline constexpr TextSetting Ext = MakeText("TextPage", "Ext", "txt");
inline constexpr TextSetting IndexFile = MakeText("TextPage", "IndexFile", "");  // written for the next export
inline constexpr IntSetting Naming = MakeFlag("TextPage", "Naming", 0);          // files named after the titles
inline constexpr IntSetting Overwrite = MakeFlag("TextPage", "Overwrite", 1);
inline constexpr IntSetting ParentText = MakeFlag("TextPage", "ParentText", 1);
inline constexpr IntSetting SelectTree = MakeFlag("TextPage", "SelectTree", 1);
inline constexpr IntSetting Title = MakeFlag("TextPage", "Title", 1);
inline constexpr IntSetting TopOut = MakeFlag("TextPage", "TopOut", 1);
}  // namespace TextPage

namespace View {
inline constexpr IntSetting AddMove = MakeFlag("View", "AddMove", 1);
inline constexpr IntSetting BackColor = MakeColour("View", "BackColor", 0xFFFFFF);
inline constexpr IntSetting BackColor2 = MakeColour("View", "BackColor2", 0x800000);
inline constexpr IntSetting BarSize = MakeFlag("View", "BarSize", 1);  // 0 large buttons
inline constexpr IntSetting Bold = MakeFlag("View", "Bold", 1);
inline constexpr IntSetting BookFileBar = MakeFlag("View", "BookFileBar", 0);
inline constexpr IntSetting Box = MakeFlag("View", "Box", 0);  // 1 round boxes in the chart
// The text row's height above the link-file pane; -1 half the frame's height.
inline constexpr IntSetting BrowserHeight = MakeInt("View", "BrowserHeight", -1, -1, kPixels);
// The chart's layout: tall, wide; it draws nothing for another value.
inline constexpr IntSetting Chart = MakeInt("View", "Chart", 1, INT_MIN, INT_MAX);
inline constexpr IntSetting ChartColorBox = MakeColour("View", "ChartColorBox", 0);
inline constexpr IntSetting ChartColorLine = MakeColour("View", "ChartColorLine", 0);
inline constexpr IntSetting ChartColorText = MakeColour("View", "ChartColorText", 0);
inline constexpr IntSetting ChartTreeBox = MakeFlag("View", "ChartTreeBox", 1);
inline constexpr IntSetting ChartTreeText = MakeFlag("View", "ChartTreeText", 1);
// The chart's boxes in average character widths, as its settings dialog takes them.
inline constexpr IntSetting ChartWidth = MakeInt("View", "ChartWidth", 14, 2, 10000);
inline constexpr IntSetting Check = MakeFlag("View", "Check", 1);
inline constexpr IntSetting Child = MakeChoice("View", "Child", 0, 3);
inline constexpr IntSetting Colum = MakeInt("View", "Colum", 260, 0, kPixels);  // the tree pane's width
inline constexpr IntSetting ExtendBar = MakeFlag("View", "ExtendBar", 1);
inline constexpr IntSetting FindBar = MakeFlag("View", "FindBar", 0);
inline constexpr IntSetting HistoryFileBar = MakeFlag("View", "HistoryFileBar", 0);
inline constexpr IntSetting Icon = MakeFlag("View", "Icon", 1);
inline constexpr IntSetting Ime = MakeFlag("View", "Ime", 0);
inline constexpr IntSetting LevelWidth = MakeInt("View", "LevelWidth", 14, 0, 1000);  // pixels per level
inline constexpr IntSetting Line = MakeFlag("View", "Line", 0);                       // 1 straight chart lines
inline constexpr IntSetting LinkColor = MakeColour("View", "LinkColor", 0xFF0000);
inline constexpr IntSetting LinkColor2 = MakeColour("View", "LinkColor2", 0x00FFFF);
inline constexpr IntSetting LinkFileAuto = MakeFlag("View", "LinkFileAuto", 0);
inline constexpr IntSetting MouseWheel = MakeInt("View", "MouseWheel", 3, 0, 100);  // rows per notch
inline constexpr IntSetting NormalFindBar = MakeFlag("View", "NormalFindBar", 0);
inline constexpr IntSetting PrintBar = MakeFlag("View", "PrintBar", 0);
inline constexpr IntSetting Row = MakeInt("View", "Row", 260, 0, kPixels);  // the tree pane's height, stacked
inline constexpr IntSetting SpellCheck = MakeChoice("View", "SpellCheck", 0, 3);
inline constexpr IntSetting SplitBar = MakeFlag("View", "SplitBar", 0);
inline constexpr IntSetting SplPos = MakeFlag("View", "SplPos", 0);  // 1 the tree above the text
inline constexpr IntSetting StandardBar = MakeFlag("View", "StandardBar", 1);
inline constexpr IntSetting StatusBarFull = MakeFlag("View", "StatusBarFull", 1);
inline constexpr IntSetting StrColor = MakeColour("View", "StrColor", 0);
inline constexpr IntSetting StrColor2 = MakeColour("View", "StrColor2", 0xFFFFFF);
// Columns per tab, of the text pane and of printed texts.
inline constexpr IntSetting TabNo = MakeInt("View", "TabNo", 8, 1, 255);
inline constexpr IntSetting TabPosition = MakeFlag("View", "TabPosition", 0);  // 1 above
inline constexpr IntSetting TabStyle = MakeChoice("View", "TabStyle", 2, 3);   // none, buttons, tabs
inline constexpr IntSetting TextOutBar = MakeFlag("View", "TextOutBar", 0);
inline constexpr IntSetting Time = MakeChoice("View", "Time", 0, 4);  // none, updated, created, viewed
inline constexpr IntSetting TopMost = MakeFlag("View", "TopMost", 0);
inline constexpr IntSetting Tree = MakeFlag("View", "Tree", 0);  // 1 chapter display
inline constexpr IntSetting TreeButton = MakeFlag("View", "TreeButton", 1);
inline constexpr IntSetting TreeEditPos = MakeChoice("View", "TreeEditPos", 0, 3);
inline constexpr IntSetting TreeHeight = MakeInt("View", "TreeHeight", 1, 0, 1000);  // pixels between rows
inline constexpr IntSetting TreeInputFont = MakeFlag("View", "TreeInputFont", 0);
// Written by the show-mode commands: both, tree only, text only.
inline constexpr IntSetting TreeText = MakeChoice("View", "TreeText", 0, 3);
inline constexpr IntSetting Turn = MakeFlag("View", "Turn", 0);
// Written for the heading characters shown in the tree; the document keeps what is read.
inline constexpr IntSetting ViewShoStr = MakeFlag("View", "ViewShoStr", 1);
inline constexpr IntSetting WndBar = MakeFlag("View", "WndBar", 0);
}  // namespace View

namespace WordListBox {
inline constexpr IntSetting BackColors = MakeColour("WordListBox", "BackColors", 0xFFFFFF);
inline constexpr IntSetting BackColors2 = MakeColour("WordListBox", "BackColors2", 0x800000);
// Three defaults: the lines' text when the key is missing (this entry), the marked word's
// (StrColorMark) and the marked word's on a selected line (StrColorMarkSelected).
inline constexpr IntSetting StrColor = MakeColour("WordListBox", "StrColor", 0);
inline constexpr IntSetting StrColorMark = MakeColour("WordListBox", "StrColor", 0xFF0000);
inline constexpr IntSetting StrColorMarkSelected = MakeColour("WordListBox", "StrColor", 0x00FFFF);
inline constexpr IntSetting StrColor2 = MakeColour("WordListBox", "StrColor2", 0xFFFFFF);
}  // namespace WordListBox

}  // namespace Settings
