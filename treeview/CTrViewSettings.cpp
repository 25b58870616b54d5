// The settings command: the six-page settings sheet preset from the settings file and the running
// panes, and after OK the values put into the running objects and written back in a fixed order.
#include <wx/event.h>

#include <vector>

#include "app/CKestavonApp.h"
#include "app/CKestavonDoc.h"
#include "app/CKinsokuSettings.h"
#include "app/CSettingsSheet.h"
#include "platform/framework/CDocTemplate.h"
#include "platform/base/ColorRef.h"
#include "platform/desktop/MessageBox.h"
#include "treeview/COwnerListBox.h"
#include "treeview/CTrView.h"

namespace {

// One key to write: an integer, or the text when text is set.
struct KeyValue {
  const char* section;
  const char* key;
  int value;
  const CString* text = nullptr;
};

// Colours and counts are written as the signed integers of the settings file.
int Int(UINT value) { return static_cast<int>(value); }

}  // namespace

void CTrView::OnSettings(wxCommandEvent&) {
  CKestavonDoc* doc = GetDocument();
  CKestavonApp* app = GetKestavonApp();
  if (!doc || !app) return;
  doc->CommitTextArea();
  CSettingsSheet sheet;
  sheet.LoadKeys(app->m_settings);
  PresetSettings(sheet);
  if (sheet.DoModal(this) != IDOK) return;
  ApplySettings(sheet, app->m_settings);
}

void CTrView::PresetSettings(CSettingsSheet& sheet) const {
  const CKestavonApp* app = GetKestavonApp();
  CKestavonDoc* doc = GetDocument();
  if (app) {
    sheet.m_setPage.m_bAfterText = app->m_bAfterText;
    sheet.m_setPage.m_nTextCurInit = app->m_nTextCurInit;
    sheet.m_editPage.m_nAddIni = app->m_nAddIni;
    sheet.m_editPage.m_nInitTitleOut = app->m_nInitTitleOut;
    sheet.m_editPage.m_nDragDropMode = app->m_nDragDropMode;
  }
  if (doc) sheet.m_setPage.m_bFirstLineTitle = doc->GetTree().GetProperties().m_bAutoTitle;
  sheet.m_filePage.m_bAutoSave = m_bAutoSave;
  sheet.m_filePage.m_nSaveTime = static_cast<UINT>(m_nSaveTime);
  sheet.m_setPage.m_nDblClk = m_nDblClk;
  sheet.m_setPage.m_bAddNoTitle = m_bAddNoTitle;
  if (!m_pListBox) return;
  const COwnerListBox& list = *m_pListBox;
  sheet.m_setPage.m_nMouseWheel = static_cast<UINT>(list.m_nMouseWheel);
  sheet.m_setPage.m_bMouseWheel = list.m_bMouseWheel;
  CSetViewPage& view = sheet.m_viewPage;
  view.m_nTreeHeight = static_cast<UINT>(list.m_nTreeHeight);
  view.m_bTurn = list.m_bTurn;
  view.m_nLevelWidth = static_cast<UINT>(list.m_nLevelWidth);
  view.m_bIcon = list.m_bIcon;
  view.m_bTreeButton = list.m_bTreeButton;
  view.m_nChild = list.m_nChild;
  view.m_bCheck = list.m_bCheck;
  view.m_bBold = list.m_bBold;
  CSetColorPage& colours = sheet.m_colorPage;
  colours.m_clrBack = list.m_crBack;
  colours.m_clrBack2 = list.m_crBackSelected;
  colours.m_clrStr = list.m_crText;
  colours.m_clrStr2 = list.m_crTextSelected;
  colours.m_clrLink = list.m_crLink;
  colours.m_clrLink2 = list.m_crLinkSelected;
}

void CTrView::ApplySettings(CSettingsSheet& sheet, CPelkoSettings& settings) {
  CKestavonApp* app = GetKestavonApp();
  CKestavonDoc* doc = GetDocument();
  const CSetPage& set = sheet.m_setPage;
  const CSetViewPage& view = sheet.m_viewPage;
  const CSetEditPage& edit = sheet.m_editPage;
  const CSetFilePage& file = sheet.m_filePage;
  const CSetLinkPage& link = sheet.m_linkPage;
  const CSetColorPage& colours = sheet.m_colorPage;

  // The running objects take the values before any key is written.
  if (m_pListBox) {
    COwnerListBox& list = *m_pListBox;
    list.m_crBack = colours.m_clrBack;
    list.m_crBackSelected = colours.m_clrBack2;
    list.m_crText = colours.m_clrStr;
    list.m_crTextSelected = colours.m_clrStr2;
    list.m_crLink = colours.m_clrLink;
    list.m_crLinkSelected = colours.m_clrLink2;
    list.m_nMouseWheel = Int(set.m_nMouseWheel);
    list.m_bMouseWheel = set.m_bMouseWheel;
    list.m_nTreeHeight = Int(view.m_nTreeHeight);
    list.m_bTurn = view.m_bTurn;
    list.m_nLevelWidth = Int(view.m_nLevelWidth);
    list.m_bIcon = view.m_bIcon;
    list.m_bTreeButton = view.m_bTreeButton;
    list.m_nChild = view.m_nChild;
    list.m_bCheck = view.m_bCheck;
    list.m_bBold = view.m_bBold;
    list.SetBackgroundColour(ColorRefToWx(list.m_crBack));
  }
  m_bAutoSave = file.m_bAutoSave;
  m_nSaveTime = Int(file.m_nSaveTime);
  m_nDblClk = set.m_nDblClk;
  m_bAddNoTitle = set.m_bAddNoTitle;
  if (app) {
    app->m_bAfterText = set.m_bAfterText;
    app->m_nTextCurInit = set.m_nTextCurInit;
    app->m_nAddIni = edit.m_nAddIni;
    app->m_nInitTitleOut = edit.m_nInitTitleOut;
    app->m_nDragDropMode = edit.m_nDragDropMode;
    app->m_bStatusBarFull = view.m_bStatusBarFull;
    app->m_bPasteOpen = view.m_bPasteOpen;
    app->m_bPasteMove = set.m_bPasteMove;
    app->m_bLevelDownOpen = view.m_bLevelDownOpen;
    app->m_bIme = edit.m_bIme;
    app->m_bRecentNoInit = file.m_bRecentNoInit;
  }

  // The title-as-first-line option of the document: the texts follow it. Taking the lines away is
  // asked; the option is off either way.
  if (doc) {
    int& firstLine = doc->GetTree().GetProperties().m_bAutoTitle;
    const int before = firstLine;
    firstLine = set.m_bFirstLineTitle;
    if (!before && firstLine) {
      doc->InsertTitleFirstLines();
    } else if (before && !firstLine &&
               AfxMessageBox("ツリータイトルと一致するテキストエリアの一行目を削除しますか？",
                             MB_OKCANCEL | MB_ICONQUESTION) == IDOK) {
      doc->RemoveTitleFirstLines();
    }
  }

  const std::vector<KeyValue> keys = {
      {"System", "AfterText", set.m_bAfterText},
      {"System", "bTextFile", file.m_bTextFile},
      {"System", "AutoFirst", set.m_bAutoFirst},
      {"System", "FirstCursor", set.m_bFirstCursor},
      {"View", "MouseWheel", Int(set.m_nMouseWheel)},
      {"System", "bMouseWheel", set.m_bMouseWheel},
      {"System", "LocaleTz", 0, &set.m_strLocaleTz},
      {"System", "UrlOpenMode", set.m_nUrlOpenMode},
      {"System", "TreeUpMode", set.m_bTreeUpMode},
      {"System", "DelCheck", set.m_bDelCheck},
      {"System", "ProfileFolder", set.m_bProfileFolder},
      {"System", "TextCurInit", set.m_nTextCurInit},
      {"System", "PasteDlg", view.m_bPasteDlg},
      {"System", "PasteTextDlg", view.m_bPasteTextDlg},
      {"System", "SplitDlg", view.m_bSplitDlg},
      {"View", "TreeEditPos", view.m_nTreeEditPos},
      {"View", "TreeInputFont", view.m_bTreeInputFont},
      {"View", "StatusBarFull", view.m_bStatusBarFull},
      {"View", "TabStyle", view.m_nTabStyle},
      {"View", "TabPosition", view.m_nTabPosition},
      {"System", "PasteOpen", view.m_bPasteOpen},
      {"System", "PasteMove", set.m_bPasteMove},
      {"System", "LevelDownOpen", view.m_bLevelDownOpen},
      {"System", "bAddIni", edit.m_nAddIni},
      {"System", "InitTitleOut", edit.m_nInitTitleOut},
      {"View", "BackColor", Int(colours.m_clrBack)},
      {"View", "BackColor2", Int(colours.m_clrBack2)},
      {"View", "StrColor", Int(colours.m_clrStr)},
      {"View", "StrColor2", Int(colours.m_clrStr2)},
      {"View", "LinkColor", Int(colours.m_clrLink)},
      {"View", "LinkColor2", Int(colours.m_clrLink2)},
      {"Edit", "TextColor", Int(colours.m_clrText)},
      // The text pane's background is the tree's, as the colour page shows it.
      {"Edit", "BackColor", Int(colours.m_clrBack)},
      {"View", "AddMove", set.m_bAddMove},
      {"System", "bIniFile", file.m_bIniFile},
      {"System", "bAddNoTitle", set.m_bAddNoTitle},
      {"System", "SaveTime", Int(file.m_nSaveTime)},
      {"System", "AutoSave", file.m_bAutoSave},
      {"System", "DblClk", set.m_nDblClk},
      {"System", "NoToNewFile", file.m_bNoToNewFile},
      {"System", "SingleInstance", set.m_nSingleInstance},
      {"System", "Backup", file.m_bBackup},
      {"System", "IniFolder", 0, &file.m_strIniFolder},
      {"View", "Ime", edit.m_bIme},
      {"Edit", "Kajogaki", edit.m_bKajogaki},
      {"System", "DragDropMode", edit.m_nDragDropMode},
      {"View", "SpellCheck", edit.m_nSpellCheck},
      {"View", "Check", view.m_bCheck},
      {"View", "Turn", view.m_bTurn},
      {"View", "Icon", view.m_bIcon},
      {"View", "TreeButton", view.m_bTreeButton},
      {"View", "Child", view.m_nChild},
      {"View", "Bold", view.m_bBold},
      {"View", "TreeHeight", Int(view.m_nTreeHeight)},
      {"View", "LevelWidth", Int(view.m_nLevelWidth)},
      {"System", "TitleBarFullPath", view.m_bTitleBarFullPath},
      {"System", "LinkExt", 0, &link.m_strLinkExt},
      {"System", "LinkCheck", link.m_bLinkCheck},
      {"System", "LinkIniDir", link.m_bLinkIniDir},
      {"System", "MRU", Int(file.m_nMRU)},
      {"System", "AbsolutePath", link.m_bAbsolutePath},
      {"System", "LinkNewAbsolute", link.m_bLinkNewAbsolute},
      {"System", "SharedFile", file.m_bSharedFile},
      {"System", "RecentNoInit", file.m_bRecentNoInit},
      {"System", "NoSaveAlert", file.m_bNoSaveAlert},
      {"System", "AutoSaveMode", file.m_nAutoSaveMode},
      {"System", "AllFileInit", file.m_bAllFileInit},
  };
  for (const KeyValue& entry : keys) {
    if (entry.text)
      settings.WriteProfileString(entry.section, entry.key, *entry.text);
    else
      settings.WriteProfileInt(entry.section, entry.key, entry.value);
  }
  // The line breaking of the text pane follows the itemised-text flag at once.
  GetKinsokuSettings().m_nKajogaki = edit.m_bKajogaki;

  MeasureRows();
  RefillList(m_pListBox ? m_pListBox->GetCurSel() : -1);
  if (app && app->m_pKestavonTemplate) {
    for (CDocument* open : app->m_pKestavonTemplate->GetDocuments()) open->UpdateAllViews(nullptr, 0);
  } else if (doc) {
    doc->UpdateAllViews(nullptr, 0);
  }
  // The tab strip, the text panes and the window titles belong to the frames, which take the
  // keys just written.
  if (IOutlineWindows* windows = Seam<IOutlineWindows>::Get()) windows->FollowSettings();
}
