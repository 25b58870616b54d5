#include "shell/CKestavonProgram.h"

#include "app/CKestavonDoc.h"
#include "app/COtherEditDlg.h"
#include "app/ProgramDialogs.h"
#include "shell/CKestaFrame.h"
#include "shell/CMainFrame.h"
#include "shell/PreviewArticleBuilder.h"
#include "shell/ProgramWindows.h"
#include "shell/TextPaneSpellCheck.h"
#include "convert/CFileDialogKesta.h"
#include "convert/CFileWzImportDlg.h"
#include "convert/CFolderImportDlg.h"
#include "convert/CTextExporter.h"
#include "convert/ConverterReaders.h"
#include "foundation/SettingAccess.h"
#include "foundation/SettingsTable.h"
#include "model/CTextOutputOptions.h"
#include "model/dialogs/DialogPrompts.h"
#include "online/CDocNetManager.h"
#include "online/CNetDocumentOps.h"
#include "online/CNetSearchDlg.h"
#include "online/CRecentNetFileList.h"
#include "online/CVersionInfo.h"
#include "online/CWebAcountDlg.h"
#include "platform/framework/CDocTemplate.h"
#include "platform/framework/CMDIChildWnd.h"
#include "platform/framework/CMDIFrameWnd.h"
#include "platform/base/CTime.h"
#include "platform/base/FullPath.h"
#include "platform/desktop/MessageBox.h"
#include "platform/base/Places.h"
#include "resources/CommandIds.h"
#include "resources/MenuResource.h"
#include "textarea/CIEditView.h"
#include "textarea/CWrila.h"
#include "textarea/TextPaneTools.h"
#include "treeview/CTreePickerDlg.h"
#include "treeview/OutlineTextOutput.h"
#include "views/CCalcDlg.h"
#include "views/CCalenderDlg.h"
#include "views/CChartFrame.h"
#include "views/CChartView.h"
#include "views/CGrepDoc.h"
#include "views/CGrepFrame.h"
#include "views/CGrepView.h"
#include "views/CShellDlg.h"
#include "views/ExternalTools.h"

wxBEGIN_EVENT_TABLE(CKestavonProgram, CKestavonApp)
  EVT_MENU(ID_FILE_IMPORT_FOLDER, CKestavonProgram::OnImportFolder)
  EVT_MENU(ID_FILE_IMPORT_WZ, CKestavonProgram::OnImportWz)
  EVT_MENU(ID_FILE_NET_OPEN, CKestavonProgram::OnNetCommand)
  EVT_MENU(ID_FILE_NET_DELETE, CKestavonProgram::OnNetCommand)
  EVT_MENU(ID_FILE_NET_ACCOUNT, CKestavonProgram::OnNetCommand)
  EVT_MENU(ID_HELP_VERSION_CHECK, CKestavonProgram::OnNetCommand)
  EVT_MENU(ID_SETTINGS_WEB_SEARCH, CKestavonProgram::OnNetCommand)
  EVT_MENU(ID_VIEW_CHART, CKestavonProgram::OnViewChart)
  EVT_UPDATE_UI(ID_VIEW_CHART, CKestavonProgram::OnUpdateViewChart)
  EVT_MENU(ID_SETTINGS_TOOLS, CKestavonProgram::OnSettingsTools)
wxEND_EVENT_TABLE()

namespace {

class CCalendarPicker : public IDatePicker {
 public:
  BOOL PickDate(wxWindow* parent, CTime& date) override {
    CCalenderDlg calendar(parent);
    calendar.m_nStartYear = date.GetYear();
    calendar.m_nStartMonth = date.GetMonth();
    calendar.m_nStartDay = date.GetDay();
    if (calendar.DoModal() != IDOK) return FALSE;
    date = CTime(calendar.m_nYear, calendar.m_nMonth, calendar.m_nDay, 0, 0, 0);
    return TRUE;
  }
};

class CCalculatorDialog : public ICalculator {
 public:
  BOOL Calculate(wxWindow* parent, const CString& expression, CString& result, int& mode) override {
    CCalcDlg calculator(parent);
    calculator.m_strExpression = expression;
    if (calculator.DoModal() != IDOK) return FALSE;
    result = calculator.m_strResult;
    mode = calculator.m_nCloseMode;
    return TRUE;
  }
};

class CTreePicker : public ITreePicker {
 public:
  BOOL PickTree(wxWindow* parent, ATREE& tree, int& item) override {
    CTreeRefDlg picker(parent);
    picker.m_pTree = &tree;
    picker.m_nIndex = item;
    if (picker.ShowModal() != wxID_OK) return FALSE;
    item = picker.m_nIndex;
    return TRUE;
  }
};

class CSaveAsDialog : public ISaveAsChooser {
 public:
  BOOL ChooseSaveAs(wxWindow* parent, CString& path, int& type, const CString& folder) override {
    // The document proposes its name with the extension of the type it starts with.
    const CString defExt = path.Mid(path.ReverseFind('.') + 1);
    CFileDialogKesta dialog(FALSE, defExt, path,
                            OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                            "Kestavonﾌｧｲﾙ(*.kvn) |*.kvn|Textﾌｧｲﾙ(*.txt) |*.txt|WZﾌｧｲﾙ(*.mem) |*.mem||", parent);
    dialog.m_ofn.nFilterIndex = static_cast<DWORD>(type);
    dialog.m_ofn.lpstrTitle = "名前を付けて保存";
    dialog.m_ofn.lpstrInitialDir = folder;
    if (dialog.DoModal() != IDOK) return FALSE;
    path = dialog.GetPathName();
    type = static_cast<int>(dialog.m_ofn.nFilterIndex);
    return TRUE;
  }
};

class CTextOutput : public IOutlineTextOutput {
 public:
  CString MakeOutlineText(ATREE& tree, const std::vector<int>& items, BOOL html) override {
    CTextOutputOptions options;
    options.Load();
    CTextExporter exporter(tree, options);
    if (!items.empty()) exporter.ResetLevelCounters(items.front());
    CString text;
    for (int item : items) text += exporter.MakeHtmlArticle(item, 1, 0, html, nullptr);
    return text + exporter.GetFootnoteText();
  }
};

}  // namespace

// Every implementation that a layer below reaches through a seam, each installed for as long as
// the program lives.
struct CKestavonProgram::Seams {
  Installed<CDialogPrompts, IModelPrompts> modelPrompts;
  Installed<CConverterReaders, IOutlineReaders> converters;
  Installed<CNetDocumentOps, INetDocumentService> netDocuments;
  Installed<CProgramWindows, IPaneLinks, IOutlineWindows, IRunningBrowser> windows;
  Installed<CCalendarPicker, IDatePicker> datePicker;
  Installed<CSaveAsDialog, ISaveAsChooser> saveAs;
  Installed<CCalculatorDialog, ICalculator> calculator;
  Installed<CTreePicker, ITreePicker> treePicker;
  Installed<CPaneSpellChecker, ISpellChecker> spellChecker;
  Installed<CTextOutput, IOutlineTextOutput> textOutput;
  Installed<PreviewArticleBuilder, IPreviewArticles> previewArticles;
};

CKestavonProgram::CKestavonProgram() : m_seams(std::make_unique<Seams>()) {}

CKestavonProgram::~CKestavonProgram() = default;

BOOL CKestavonProgram::OnIdle(LONG count) {
  const BOOL more = CKestavonApp::OnIdle(count);
  if (m_pDocManager) m_freedMemory.Follow(m_pDocManager->GetOpenDocumentCount());
  if (IsTabletPC()) return more;
  // The status bar shows where the caret of the active text pane stands.
  CView* active = m_pMainWnd ? m_pMainWnd->GetActiveView() : nullptr;
  if (auto* text = dynamic_cast<CIEditView*>(active)) text->UpdateCaretStatus();
  return more;
}

std::unique_ptr<CDocTemplate> CKestavonProgram::MakeOutlineTemplate() {
  return std::make_unique<CMultiDocTemplate>(
      3, "\nKestav\nKestavon ﾄﾞｷｭﾒﾝﾄ\nKestavon ﾌｧｲﾙ (*.kvn)\n.kvn\nKestavFileType\nKestavon ﾌｧｲﾙ ﾀｲﾌﾟ",
      RuntimeClass<CKestavonDoc>(), RuntimeClass<CKestaFrame>(), RuntimeClass<CIEditView>());
}

BOOL CKestavonProgram::InitInstance() {
  // Before the first window: every text pane creates the editing control by its class id.
  CWrila::RegisterControlLibrary();
  if (!CKestavonApp::InitInstance()) return FALSE;
  // No file extension: files always open in the outline window.
  m_pChartTemplate = AddDocTemplate(std::make_unique<CMultiDocTemplate>(
      IDR_CHARTTYPE, "\nKestav\n\n\n\n\n", RuntimeClass<CKestavonDoc>(), RuntimeClass<CChartFrame>(),
      RuntimeClass<CChartView>()));
  m_pGrepTemplate = AddDocTemplate(std::make_unique<CMultiDocTemplate>(
      IDR_GREPTYPE, "\nGrep\n\n\n\n\n", RuntimeClass<CGrepDoc>(), RuntimeClass<CGrepFrame>(),
      RuntimeClass<CGrepView>()));
  return TRUE;
}

CMDIFrameWnd* CKestavonProgram::MakeMainFrame() { return new CMainFrame; }

std::unique_ptr<CDocManager> CKestavonProgram::MakeDocManager() { return std::make_unique<CDocNetManager>(); }

std::unique_ptr<CRecentFileList> CKestavonProgram::MakeRecentFileList(const char* section, const char* entryFormat,
                                                                       int size, int maxDisplayLength) {
  return std::make_unique<CRecentNetFileList>(0, section, entryFormat, size, maxDisplayLength);
}

void CKestavonProgram::OnImportFolder(wxCommandEvent&) {
  CFolderImportDlg dialog(AfxGetMainFrameWindow());
  if (dialog.DoModal() != IDOK || !m_pKestavonTemplate) return;
  m_pKestavonTemplate->OpenDocumentWith(AfxFullPath(dialog.m_strDir), [](CDocument& doc, const char* path) {
    return static_cast<CKestavonDoc&>(doc).OpenDocument(path, 2);
  });
}

void CKestavonProgram::OnImportWz(wxCommandEvent&) {
  CFileWzImportDlg dialog(TRUE, "txt", "*.txt;*.mem", OFN_FILEMUSTEXIST | OFN_HIDEREADONLY,
                          "WZﾌｧｲﾙ |*.txt;*.mem|全てのﾌｧｲﾙ(*.*) |*.*||", AfxGetMainFrameWindow());
  dialog.m_ofn.lpstrTitle = "開く";
  dialog.m_ofn.lpstrInitialDir = ReadSetting(Settings::InitDir::WzImport);
  if (dialog.DoModal() != IDOK || !m_pKestavonTemplate) return;
  WriteSetting(Settings::InitDir::WzImport, dialog.GetFolderPath());
  m_pKestavonTemplate->OpenDocumentWith(dialog.GetPathName(), [](CDocument& doc, const char* path) {
    return static_cast<CKestavonDoc&>(doc).OpenDocument(path, 1);
  });
}

void CKestavonProgram::OnNetCommand(wxCommandEvent& event) {
  switch (event.GetId()) {
    case ID_FILE_NET_OPEN: OnNetOpen(); break;
    case ID_FILE_NET_DELETE: OnNetDelete(); break;
    case ID_FILE_NET_ACCOUNT: EditWebAccount(); break;
    case ID_HELP_VERSION_CHECK: RunVersionCheck(); break;
    case ID_SETTINGS_WEB_SEARCH: EditNetSearchSettings(); break;
    default: event.Skip(); break;
  }
}

namespace {

CDocument* ActiveOutline() {
  auto* main = dynamic_cast<CMDIFrameWnd*>(AfxGetMainFrameWindow());
  CMDIChildWnd* child = main ? main->MDIGetActive() : nullptr;
  return child ? dynamic_cast<CKestavonDoc*>(child->GetActiveDocument()) : nullptr;
}

}  // namespace

void CKestavonProgram::OnViewChart(wxCommandEvent&) {
  CDocument* doc = ActiveOutline();
  if (!doc || !m_pChartTemplate) return;
  if (CFrameWnd* frame = m_pChartTemplate->CreateNewFrame(doc)) m_pChartTemplate->InitialUpdateFrame(frame, doc);
}

void CKestavonProgram::OnUpdateViewChart(wxUpdateUIEvent& event) {
  event.Enable(m_pChartTemplate && ActiveOutline());
}

void CKestavonProgram::OnSettingsTools(wxCommandEvent&) {
  CShellDlg dialog(AfxGetMainFrameWindow(), m_shellItems);
  if (dialog.ShowModal() == IDOK && dialog.m_nRun >= 0 && dialog.m_nRun < static_cast<int>(m_shellItems.size())) {
    ExecuteShellItem(m_shellItems[dialog.m_nRun], dynamic_cast<CKestavonDoc*>(ActiveOutline()), [] {
      COtherEditDlg wait(AfxGetMainFrameWindow());
      wait.ShowModal();
    });
  }
  m_shellItems.Save(m_settings);
}
