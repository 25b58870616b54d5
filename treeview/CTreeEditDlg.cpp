#include "treeview/CTreeEditDlg.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/display.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "app/CKestaEdit.h"
#include "app/CKestavonApp.h"
#include "app/CKestavonDoc.h"
#include "app/DateTimeText.h"
#include "app/LinkFileName.h"
#include "app/ProgramDialogs.h"
#include "foundation/PathHelpers.h"
#include "foundation/SettingAccess.h"
#include "foundation/SettingsTable.h"
#include "foundation/TextSearch.h"
#include "model/ATREE.h"
#include "model/CLinkPath.h"
#include "platform/base/CTime.h"
#include "platform/framework/CWinApp.h"
#include "platform/base/CodePage.h"
#include "platform/base/ColorRef.h"
#include "platform/framework/DialogHelp.h"
#include "platform/framework/FileDialog.h"
#include "platform/desktop/MessageBox.h"
#include "platform/desktop/Shell.h"
#include "platform/desktop/UnkeptCharacters.h"
#include "treeview/CNewLinkFileDlg.h"
#include "treeview/COwnerListBox.h"
#include "treeview/CTreePickerDlg.h"
#include "app/ColorChoice.h"
#include "treeview/TrashFile.h"

namespace {

constexpr const char* kOutputNames[] = {"章立て文字付きタイトル", "章立て文字無しタイトル", "タイトル無し（テキストのみ）",
                                        "出力しない"};
constexpr const char* kColorMarks[] = {"なし", "●", "■", "▲", "▼"};
constexpr const char* kAddPositions[] = {"一番上", "一番下"};
constexpr const char* kSameFilePrefix = "file:///./";

wxChoice* MakeChoice(wxWindow* parent, int id, const char* const* items, size_t count) {
  auto* choice = new wxChoice(parent, id);
  for (size_t i = 0; i < count; ++i) choice->Append(CP932ToWx(items[i]));
  return choice;
}

bool StartsWith(const CString& text, const char* prefix) { return text.str().rfind(prefix, 0) == 0; }

// A link written on Windows may separate its folders with "\".
CString WithSlashes(CString path) {
  path.Replace('\\', '/');
  return path;
}

// A path of its own: a leading "/", a Windows drive or a URL (":").
bool IsAbsoluteLink(const CString& link) { return link.Find(':') >= 0 || StartsWith(link, "/"); }

// The document's folder with its final "/"; empty for an unsaved document.
CString FolderOf(const CString& path) { return path.Left(path.ReverseFind('/') + 1); }

}  // namespace

CTreeEditDlg::CTreeEditDlg(wxWindow* parent)
    : wxDialog(parent, wxID_ANY, CP932ToWx("ツリーの編集"), wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE) {
  const auto* app = GetKestavonApp();
  m_nOutput = app != nullptr ? app->m_nInitTitleOut : 0;

  auto* top = new wxBoxSizer(wxVERTICAL);

  auto* titleRow = new wxBoxSizer(wxHORIZONTAL);
  titleRow->Add(new wxStaticText(this, wxID_ANY, CP932ToWx("タイトル(&1)")), 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 6);
  m_editTitle = new CKestaEdit(this, IDC_TITLE, wxEmptyString, wxDefaultPosition, wxSize(340, -1));
  titleRow->Add(m_editTitle, 1, wxRIGHT, 6);
  titleRow->Add(new wxButton(this, IDC_DATE, CP932ToWx("日付(&A)")), 0);
  top->Add(titleRow, 0, wxALL | wxEXPAND, 10);

  auto* linkGroup = new wxStaticBoxSizer(wxVERTICAL, this, CP932ToWx("リンクファイル"));
  wxWindow* box = linkGroup->GetStaticBox();
  m_editLink = new CKestaEdit(box, IDC_LINK);
  linkGroup->Add(m_editLink, 0, wxALL | wxEXPAND, 4);
  auto* linkButtons = new wxBoxSizer(wxHORIZONTAL);
  const std::pair<int, const char*> kLinkButtons[] = {{IDC_BROWSE, "参照(&B)..."}, {IDC_TREELINK, "ﾂﾘｰ(&L)..."},
                                                      {IDC_OPEN, "開く(&O)"},      {IDC_CREATE, "作成(&N)"},
                                                      {IDC_DELETE, "削除(&D)..."}, {IDC_RELEASE, "解除(&R)"}};
  // Each button as wide as the toolkit draws its label with its padding: cut to the text, GTK's
  // padding clips the label's end.
  for (const auto& [id, label] : kLinkButtons) linkButtons->Add(new wxButton(box, id, CP932ToWx(label)), 0, wxRIGHT, 4);
  linkGroup->Add(linkButtons, 0, wxALL, 4);
  top->Add(linkGroup, 0, wxLEFT | wxRIGHT | wxEXPAND, 10);

  auto* grid = new wxFlexGridSizer(4, 6, 8);
  const auto label = [this](const char* text, int id = wxID_ANY) {
    return new wxStaticText(this, id, CP932ToWx(text));
  };
  grid->Add(label("出力設定(&T):"), 0, wxALIGN_CENTER_VERTICAL);
  grid->Add(MakeChoice(this, IDC_OUTPUT, kOutputNames, std::size(kOutputNames)), 0, wxEXPAND);
  grid->Add(label("カラーマーク(&M):"), 0, wxALIGN_CENTER_VERTICAL);
  grid->Add(MakeChoice(this, IDC_COLORMARK, kColorMarks, std::size(kColorMarks)), 0, wxEXPAND);
  grid->Add(label("カテゴリ(&C):"), 0, wxALIGN_CENTER_VERTICAL);
  m_comboCategory = new wxChoice(this, IDC_CATEGORY);
  grid->Add(m_comboCategory, 0, wxEXPAND);
  grid->Add(new wxButton(this, IDC_TREECOLOR, CP932ToWx("ツリー色(&I)...")), 0, wxEXPAND);
  grid->Add(new wxButton(this, IDC_MARKCOLOR, CP932ToWx("マーク色(&J)...")), 0, wxEXPAND);
  grid->Add(new wxCheckBox(this, IDC_BOLD, CP932ToWx("太字(&H)")), 0, wxALIGN_CENTER_VERTICAL);
  top->Add(grid, 0, wxALL, 10);

  top->Add(new wxStaticText(this, IDC_INFO, wxEmptyString), 0, wxLEFT | wxRIGHT | wxEXPAND, 10);

  auto* buttons = new wxBoxSizer(wxHORIZONTAL);
  buttons->Add(new wxCheckBox(this, IDC_RENZOKU, CP932ToWx("連続(&S)")), 0, wxALIGN_CENTER_VERTICAL);
  buttons->AddStretchSpacer();
  auto* ok = new wxButton(this, wxID_OK, "OK");
  ok->SetDefault();
  buttons->Add(ok, 0, wxRIGHT, 6);
  buttons->Add(new wxButton(this, wxID_CANCEL, CP932ToWx("ｷｬﾝｾﾙ")), 0, wxRIGHT, 6);
  buttons->Add(new wxButton(this, IDC_HELPBUTTON, CP932ToWx("ヘルプ(&?)")), 0);
  top->Add(buttons, 0, wxALL | wxEXPAND, 10);

  // The add position comes last, so that a dialog without it is the same dialog cut shorter.
  auto* addRow = new wxBoxSizer(wxHORIZONTAL);
  addRow->Add(label("追加位置(&P):", IDC_ADDPOS_LABEL), 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 6);
  addRow->Add(MakeChoice(this, IDC_ADDPOS, kAddPositions, std::size(kAddPositions)), 0);
  top->Add(addRow, 0, wxLEFT | wxRIGHT | wxBOTTOM, 10);
  SetSizerAndFit(top);

  Bind(wxEVT_INIT_DIALOG, &CTreeEditDlg::OnInitDialog, this);
  Bind(wxEVT_BUTTON, &CTreeEditDlg::OnBrowse, this, IDC_BROWSE);
  Bind(wxEVT_BUTTON, &CTreeEditDlg::OnTreeLink, this, IDC_TREELINK);
  Bind(wxEVT_BUTTON, &CTreeEditDlg::OnOpen, this, IDC_OPEN);
  Bind(wxEVT_BUTTON, &CTreeEditDlg::OnCreate, this, IDC_CREATE);
  Bind(wxEVT_BUTTON, &CTreeEditDlg::OnDelete, this, IDC_DELETE);
  Bind(wxEVT_BUTTON, &CTreeEditDlg::OnRelease, this, IDC_RELEASE);
  Bind(wxEVT_BUTTON, &CTreeEditDlg::OnDate, this, IDC_DATE);
  Bind(wxEVT_BUTTON, &CTreeEditDlg::OnTreeColor, this, IDC_TREECOLOR);
  Bind(wxEVT_BUTTON, &CTreeEditDlg::OnMarkColor, this, IDC_MARKCOLOR);
  Bind(wxEVT_BUTTON, &CTreeEditDlg::OnOK, this, wxID_OK);
  Bind(wxEVT_BUTTON, &CTreeEditDlg::OnCancel, this, wxID_CANCEL);
  Bind(wxEVT_BUTTON, [](wxCommandEvent&) { ShowHelpTopic(49); }, IDC_HELPBUTTON);
  m_editLink->Bind(wxEVT_TEXT, &CTreeEditDlg::OnLinkChange, this);
  // Without a calendar to pick from, the date button has nothing to offer.
  FindWindow(IDC_DATE)->Enable(app != nullptr && Seam<IDatePicker>::Get() != nullptr);
  BindDialogHelp(this, 199);
}

CTreeEditDlg::~CTreeEditDlg() = default;

DWORD CTreeEditDlg::OutputBits(int output) {
  static constexpr DWORD kBits[] = {0, 4, 12, 28};
  return output >= 0 && output < 4 ? kBits[output] : 0;
}

void CTreeEditDlg::SetStatus(DWORD status) {
  const bool bit2 = (status & 4) != 0, bit3 = (status & 8) != 0, bit4 = (status & 16) != 0;
  if (!bit2 && !bit3)
    m_nOutput = 0;
  else if (bit2 && !bit3)
    m_nOutput = 1;
  else if (bit3 && bit4)
    m_nOutput = 3;
  else if (bit2)
    m_nOutput = 2;
  // Bit 3 alone is no setting: the index stays as it was.
  m_nCategory = static_cast<int>((status >> 16) & 0xFF);
  if (m_nCategory == 255) m_nCategory = 0;
  m_bBold = (status & 32) != 0;
}

bool CTreeEditDlg::TransferDataToWindow() {
  m_editTitle->ChangeValue(CP932ToWx(m_strTitle.str()));
  m_editLink->ChangeValue(CP932ToWx(m_strLink.str()));
  dynamic_cast<wxCheckBox*>(FindWindow(IDC_RENZOKU))->SetValue(m_bRenzoku != FALSE);
  dynamic_cast<wxChoice*>(FindWindow(IDC_OUTPUT))->SetSelection(m_nOutput);
  dynamic_cast<wxChoice*>(FindWindow(IDC_ADDPOS))->SetSelection(m_nAddPos);
  dynamic_cast<wxChoice*>(FindWindow(IDC_COLORMARK))->SetSelection(m_nColorMark);
  dynamic_cast<wxCheckBox*>(FindWindow(IDC_BOLD))->SetValue(m_bBold != FALSE);
  FindWindow(IDC_INFO)->SetLabel(CP932ToWx(m_strInfo.str()));
  if (m_nCategory >= 0 && m_nCategory < static_cast<int>(m_comboCategory->GetCount()))
    m_comboCategory->SetSelection(m_nCategory);
  return true;
}

bool CTreeEditDlg::TransferDataFromWindow() {
  TakeFieldTexts(this, {{m_editTitle, &m_strTitle}, {m_editLink, &m_strLink}});
  m_bRenzoku = dynamic_cast<wxCheckBox*>(FindWindow(IDC_RENZOKU))->GetValue();
  m_nOutput = std::max(0, dynamic_cast<wxChoice*>(FindWindow(IDC_OUTPUT))->GetSelection());
  m_nAddPos = std::max(0, dynamic_cast<wxChoice*>(FindWindow(IDC_ADDPOS))->GetSelection());
  m_nColorMark = std::max(0, dynamic_cast<wxChoice*>(FindWindow(IDC_COLORMARK))->GetSelection());
  m_bBold = dynamic_cast<wxCheckBox*>(FindWindow(IDC_BOLD))->GetValue();
  m_nCategory = std::max(0, m_comboCategory->GetSelection());
  return true;
}

void CTreeEditDlg::OnInitDialog(wxInitDialogEvent&) {
  if (!m_strCaption.IsEmpty()) SetTitle(CP932ToWx(m_strCaption.str()));

  m_strInfo.Empty();
  if (!m_strCreate.IsEmpty()) m_strInfo += "作成日：" + m_strCreate + "\n";
  if (!m_strUpdate.IsEmpty()) m_strInfo += "更新日：" + m_strUpdate;
  m_nAddPos = ReadSetting(Settings::System::TreeAddPos);
  m_bRenzoku = ReadSetting(Settings::System::RenzokuInput);
  m_nInitOutput = m_nOutput;
  FillCategories();
  TransferDataToWindow();

  if (ReadSetting(Settings::View::TreeInputFont) && !IsTabletPC() && m_pListBox != nullptr)
    m_editTitle->SetFont(m_pListBox->GetFont());

  if (m_strCaption == kChildCaption) {
    FindWindow(IDC_ADDPOS_LABEL)->Hide();
    FindWindow(IDC_ADDPOS)->Hide();
  }
  // The information text, the font and the hidden row change the size the controls need.
  GetSizer()->SetSizeHints(this);
  PlaceDialog(GetSize().GetHeight());
  UpdateLinkButtons();
}

void CTreeEditDlg::PlaceDialog(int height) {
  const int mode = ReadSetting(Settings::View::TreeEditPos);
  RECT row{};
  if ((mode != 1 && mode != 2) || m_pListBox == nullptr || !m_pListBox->GetItemRect(m_pListBox->GetCurSel(), &row)) {
    CentreOnParent();
    return;
  }
  const wxPoint topLeft = m_pListBox->ClientToScreen(wxPoint(row.left, row.top));
  const wxPoint bottomRight = m_pListBox->ClientToScreen(wxPoint(row.right, row.bottom));
  const int display = wxDisplay::GetFromWindow(m_pListBox);
  const wxRect work = wxDisplay(display == wxNOT_FOUND ? 0u : static_cast<unsigned>(display)).GetClientArea();
  int y = bottomRight.y;
  if (y + height > work.GetBottom() + 1) y = topLeft.y - height;
  const int x = mode == 1 ? bottomRight.x : topLeft.x;
  Move(x, y);
}

void CTreeEditDlg::FillCategories() {
  m_comboCategory->Clear();
  m_comboCategory->Append(CP932ToWx("未設定"));
  if (m_pDoc != nullptr) {
    const CCategoryArray& categories = m_pDoc->GetTree().GetProperties().GetCategories();
    for (int i = 0; i < categories.GetCount(); ++i) m_comboCategory->Append(CP932ToWx(categories.GetAt(i).Name.str()));
  }
}

void CTreeEditDlg::UpdateLinkButtons() {
  const CString link = WxToCP932(m_editLink->GetValue());
  const bool empty = link.IsEmpty();
  FindWindow(IDC_OPEN)->Enable(!empty);
  FindWindow(IDC_CREATE)->Enable(true);
  FindWindow(IDC_DELETE)->Enable(!empty && link.Find("://") < 0);
  FindWindow(IDC_RELEASE)->Enable(!empty);
  FindWindow(IDC_BROWSE)->Enable(true);
  CString tail = link.Right(4);
  const bool outline = empty || StartsWith(link, kSameFilePrefix) ||
                       FindTextOpt(link, ".kvn/", 0, FIND_IGNORE_CASE, nullptr) >= 0 || tail.MakeLower() == ".kvn";
  FindWindow(IDC_TREELINK)->Enable(outline);
}

CString CTreeEditDlg::GetLinkFullPath() {
  if (StartsWith(m_strLink, "file:///")) {
    const CString file = WithSlashes(CLinkPath(m_strLink).GetPath());
    // "." names the document itself.
    return file == "." ? m_strDocPath : file;
  }
  const CString link = WithSlashes(m_strLink);
  if (IsAbsoluteLink(link)) return link;
  if (m_strDocPath.IsEmpty()) {
    AfxMessageBox("リンクが相対パスです。ファイルを保存してください");
    return link;
  }
  return FolderOf(m_strDocPath) + link;
}

BOOL CTreeEditDlg::WriteNewLinkFile(const char* path, BOOL title, BOOL body) {
  // Only a new file is made: whatever stands at the path (a file, a FIFO) stays as it is.
  const int fd = open(CP932ToUTF8(path).c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0 && errno == EEXIST) {
    AfxMessageBox("既にファイルは存在します");
    return TRUE;
  }
  std::FILE* file = fd >= 0 ? fdopen(fd, "wb") : nullptr;
  if (file == nullptr) {
    if (fd >= 0) close(fd);
    AfxMessageBox("ファイルを作成できません");
    return FALSE;
  }
  CString bytes;
  if (HasExtension(path, ".kvn")) {
    // A native file holding one tree.
    bytes = m_strTitle + "\x05" "0" "\x06" "1\r\n";
  } else {
    if (title) bytes += m_strTitle + "\r\n";
    if (body) bytes += m_strText + "\r\n";
  }
  const bool written = std::fwrite(bytes.str().data(), 1, bytes.str().size(), file) == bytes.str().size();
  if (std::fclose(file) != 0 || !written) {
    AfxMessageBox("ファイルを作成できません");
    return FALSE;
  }
  return TRUE;
}

void CTreeEditDlg::OnLinkChange(wxCommandEvent&) { UpdateLinkButtons(); }

void CTreeEditDlg::OnBrowse(wxCommandEvent&) {
  TransferDataFromWindow();
  const CString pattern = ReadSetting(Settings::System::LinkExt);
  const CString filter = CString(pattern == "*.kvn" ? "ｹｽﾀﾎﾞﾝﾌｧｲﾙ(*.kvn)|" : "ﾕｰｻﾞ設定ﾌｧｲﾙ|") + pattern +
                         "| 全てのﾌｧｲﾙ(*.*) |*.*||";
  const CString docFolder = FolderOf(m_strDocPath);
  CString folder;
  if (!m_strLink.IsEmpty()) {
    CString start = WithSlashes(m_strLink);
    // A link of its own root or of a network share ("\\server") stays as it is.
    if (!IsAbsoluteLink(start) && m_strLink.Find("\\\\") < 0 && !m_strDocPath.IsEmpty()) start = docFolder + start;
    folder = start.Left(std::max(0, start.ReverseFind('/')));
  } else if (ReadSetting(Settings::System::LinkIniDir) == 0) {
    folder = docFolder.Left(std::max(0, docFolder.GetLength() - 1));
  }
  FileChoice choice;
  // The pattern stays out of the name box: GTK's chooser would take it for a file's name.
  if (!ChooseFile(this, "ﾌｧｲﾙ名の入力", folder, "", filter, wxFD_OPEN, choice)) return;
  m_strLink = choice.path;
  if (ReadSetting(Settings::System::AbsolutePath) == 0 && !m_strDocPath.IsEmpty() &&
      (m_strLink[0] & 0x1F) == (m_strDocPath[0] & 0x1F))
    m_strLink = MakeRelativePath(m_strDocPath, m_strLink);
  TransferDataToWindow();
  UpdateLinkButtons();
}

void CTreeEditDlg::OnTreeLink(wxCommandEvent&) {
  TransferDataFromWindow();
  const bool sameFile = m_strLink.IsEmpty() || StartsWith(m_strLink, kSameFilePrefix);
  CLinkPath link(m_strLink);
  ATREE other;
  ATREE* tree = &other;
  int start = 0;
  if (sameFile) {
    if (m_pDoc == nullptr) return;
    tree = &m_pDoc->GetTree();
    start = m_strLink.IsEmpty() ? m_pDoc->GetCurrentTree() : tree->FindTreeByLink(link);
  } else {
    const CString path = ATREE::MakeFullPath(m_strDocPath, WithSlashes(link.GetPath()));
    // Only read: no lock file is left beside the other document.
    if (path.IsEmpty() || other.OpenFile(path, 0, 0) <= 0) return;
    start = other.FindTreeByLink(link);
  }
  CTreeRefDlg picker(this);
  picker.m_pTree = tree;
  picker.m_nIndex = start;
  if (picker.ShowModal() != wxID_OK) return;
  if (picker.m_nIndex >= 0 && picker.m_nIndex < tree->GetDirDataCount()) {
    tree->GetTreeLinkText(picker.m_nIndex, link);
    if (sameFile) link.SetPath(".");
    m_strLink = link.MakeTreeLink(TRUE);
  }
  TransferDataToWindow();
  UpdateLinkButtons();
}

void CTreeEditDlg::OnOpen(wxCommandEvent&) {
  TransferDataFromWindow();
  if (m_strLink.IsEmpty()) {
    AfxMessageBox("ファイルを設定してください");
    return;
  }
  const CString path = GetLinkFullPath();
  if (HasExtension(path, ".kvn")) {
    // An outline opens as a document of the program, so the dialog gives its answer first.
    wxCommandEvent ok(wxEVT_BUTTON, wxID_OK);
    OnOK(ok);
  }
  // The link is one path: never a program with arguments.
  if (OpenLinkTarget(this, path) < 33) AfxMessageBox("実行に失敗しました");
}

void CTreeEditDlg::OnCreate(wxCommandEvent&) {
  TransferDataFromWindow();
  auto* app = GetKestavonApp();
  const CString folder = m_pDoc != nullptr ? m_pDoc->GetTree().GetProperties().m_strNewLinkDir : CString();
  CNewLinkFileDlg dialog(this);
  if (app != nullptr) dialog.m_strFileName = MakeLinkFileName(app->m_settings, m_strTitle, m_strDocPath, folder);
  if (dialog.ShowModal() != wxID_OK) return;
  const CString path =
      m_strDocPath.IsEmpty() || IsAbsoluteLink(WithSlashes(dialog.m_strFileName))
          ? WithSlashes(dialog.m_strFileName)
          : ResolveRelativePath(m_strDocPath, WithSlashes(dialog.m_strFileName));
  if (!WriteNewLinkFile(path, dialog.m_bTitle, dialog.m_bBody)) return;
  m_strLink = path;
  TransferDataToWindow();
  OpenLinkTarget(this, path);
  UpdateLinkButtons();
}

void CTreeEditDlg::OnDelete(wxCommandEvent&) {
  TransferDataFromWindow();
  if (!m_strLink.IsEmpty()) {
    const CString path = GetLinkFullPath();
    if (AfxMessageBox("ファイル " + path + "を削除しますか？", MB_YESNO | MB_ICONQUESTION) == IDYES) {
      if (MoveToTrash(path)) m_strLink.Empty();
    }
  }
  TransferDataToWindow();
  UpdateLinkButtons();
}

void CTreeEditDlg::OnRelease(wxCommandEvent&) {
  TransferDataFromWindow();
  m_strLink.Empty();
  TransferDataToWindow();
  UpdateLinkButtons();
}

void CTreeEditDlg::OnDate(wxCommandEvent&) {
  auto* app = GetKestavonApp();
  CTime date = CTime::GetCurrentTime();
  IDatePicker* picker = Seam<IDatePicker>::Get();
  if (app == nullptr || !picker || !picker->PickDate(this, date)) return;
  m_editTitle->WriteText(CP932ToWx(FormatDate(app->m_settings, date).str()));
}

void CTreeEditDlg::OnTreeColor(wxCommandEvent&) {
  TransferDataFromWindow();
  ChooseColorRef(this, m_crTree);
  TransferDataToWindow();
}

void CTreeEditDlg::OnMarkColor(wxCommandEvent&) {
  TransferDataFromWindow();
  ChooseColorRef(this, m_crMark);
  TransferDataToWindow();
}

void CTreeEditDlg::OnOK(wxCommandEvent&) {
  TransferDataFromWindow();
  if (m_strTitle.IsEmpty()) {
    AfxMessageBox("タイトルが入力されていません");
    return;
  }
  WriteSetting(Settings::System::RenzokuInput, m_bRenzoku ? 1 : 0);
  WriteSetting(Settings::System::TreeAddPos, m_nAddPos);
  m_nStatus = OutputBits(m_nOutput) | (static_cast<DWORD>(m_nCategory) << 16) | (m_bBold ? 32u : 0u);
  EndModal(wxID_OK);
  m_strTitle.TrimLeft();
}

void CTreeEditDlg::OnCancel(wxCommandEvent&) {
  // Continuous input ends with the first cancel.
  WriteSetting(Settings::System::RenzokuInput, 0);
  EndModal(wxID_CANCEL);
}
