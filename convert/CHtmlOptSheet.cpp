#include "convert/CHtmlOptSheet.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "app/ColorChoice.h"
#include "convert/CBackDlg.h"
#include "foundation/WebText.h"
#include "platform/framework/CPropertySheet.h"
#include "platform/framework/CWinApp.h"
#include "platform/base/CodePage.h"
#include "platform/framework/DialogHelp.h"
#include "platform/desktop/MessageBox.h"

namespace {

const char kGifFilter[] = "GIFﾌｧｲﾙ(*.GIF) |*.GIF|全てのﾌｧｲﾙ(*.*) |*.*||";
const char kImageFilter[] =
    "画像ﾌｧｲﾙ(*.gif;*.jpg;*.jpeg;*.png) |*.gif;*.jpg;*.jpeg;*.png|GIFﾌｧｲﾙ(*.gif) |*.gif|JPEGﾌｧｲﾙ(*.jpg;*.jpeg) "
    "|*.jpg;*.jpeg|PNGﾌｧｲﾙ(*.png) |*.png|全てのﾌｧｲﾙ(*.*) |*.*||";

using D = CHtmlOptDesignPage;
using H = CHtmlOptHtmlPage;
const CHtmlFilePicker kNextImage{D::IDC_NEXT_BROWSE, D::IDC_NEXT, "GIF", "*.GIF", kGifFilter, "ｲﾒｰｼﾞﾌｧｲﾙ名の入力", true};
const CHtmlFilePicker kBeforeImage{D::IDC_BEFORE_BROWSE, D::IDC_BEFORE, "GIF", "*.GIF", kGifFilter,
                                   "ｲﾒｰｼﾞﾌｧｲﾙ名の入力", true};
const CHtmlFilePicker kHeadImage{D::IDC_HEAD_IMAGE_BROWSE, D::IDC_HEAD_IMAGE, "gif", "*.gif;*.jpg;*.png", kImageFilter,
                                 "ﾄｯﾌﾟｲﾒｰｼﾞﾌｧｲﾙ", true};
const CHtmlFilePicker kCss{D::IDC_CSS_BROWSE, D::IDC_CSS, "css", "*.css", kHtmlCssFilter, "CSSﾌｧｲﾙ名", true};
const CHtmlFilePicker kHeadFile{H::IDC_HEAD_BROWSE, H::IDC_HEAD_FILE, "css", "*.css", kHtmlHeadFilter,
                                "ﾍｯﾀﾞに挿入するﾌｧｲﾙ名", false};
const CHtmlFilePicker kInsUp{H::IDC_UP_BROWSE, H::IDC_INS_UP, "*", "*.*", kHtmlInsertFilter, "上部に挿入するﾌｧｲﾙ名", false};
const CHtmlFilePicker kInsBottom{H::IDC_BOTTOM_BROWSE, H::IDC_INS_BOTTOM, "*", "*.*", kHtmlInsertFilter,
                                 "下部に挿入するﾌｧｲﾙ名", false};

}  // namespace

void CHtmlOptPage::AddCheck(int id, const char* label, int* field) {
  Entry entry;
  entry.kind = Entry::CHECK;
  entry.id = id;
  entry.label = label;
  entry.number = field;
  m_entries.push_back(std::move(entry));
}

void CHtmlOptPage::AddText(int id, const char* label, CString* field, const CHtmlFilePicker* picker) {
  Entry entry;
  entry.kind = Entry::TEXT;
  entry.id = id;
  entry.label = label;
  entry.text = field;
  entry.picker = picker;
  m_entries.push_back(std::move(entry));
}

void CHtmlOptPage::AddText(int id, const char* label, CString* field, int buttonId, const char* buttonLabel,
                           std::function<void()> action) {
  AddText(id, label, field);
  m_entries.back().buttonId = buttonId;
  m_entries.back().buttonLabel = buttonLabel;
  m_entries.back().action = std::move(action);
}

void CHtmlOptPage::AddChoice(int id, const char* label, std::vector<const char*> items, int* field) {
  Entry entry;
  entry.kind = Entry::CHOICE;
  entry.id = id;
  entry.label = label;
  entry.number = field;
  entry.items = std::move(items);
  m_entries.push_back(std::move(entry));
}

void CHtmlOptPage::AddButton(int id, const char* label, std::function<void()> action) {
  Entry entry;
  entry.kind = Entry::BUTTON;
  entry.id = id;
  entry.label = label;
  entry.action = std::move(action);
  m_entries.push_back(std::move(entry));
}

wxWindow* CHtmlOptPage::MakeButton(wxWindow* page, int id, const char* label, const std::function<void()>& action) {
  auto* button = new wxButton(page, id, CP932ToWx(label));
  button->Bind(wxEVT_BUTTON, [this, &action](wxCommandEvent&) {
    TransferDataFromWindow();
    action();
    TransferDataToWindow();
  });
  return button;
}

void CHtmlOptPage::CreateControls(wxWindow* page, wxSizer* top) {
  auto* grid = new wxFlexGridSizer(3, 4, 6);
  grid->AddGrowableCol(1);
  for (const Entry& entry : m_entries) {
    switch (entry.kind) {
      case Entry::CHECK:
        grid->Add(new wxCheckBox(page, entry.id, CP932ToWx(entry.label)));
        grid->AddSpacer(0);
        grid->AddSpacer(0);
        break;
      case Entry::TEXT:
      case Entry::CHOICE: {
        grid->Add(new wxStaticText(page, wxID_ANY, CP932ToWx(entry.label)), 0, wxALIGN_CENTER_VERTICAL);
        if (entry.kind == Entry::TEXT) {
          grid->Add(new wxTextCtrl(page, entry.id, wxEmptyString, wxDefaultPosition, wxSize(220, -1)), 1, wxEXPAND);
        } else {
          auto* choice = new wxChoice(page, entry.id);
          for (const char* item : entry.items) choice->Append(CP932ToWx(item));
          grid->Add(choice);
        }
        if (entry.picker) {
          auto* browse = new wxButton(page, entry.picker->button, CP932ToWx("参照..."));
          browse->Bind(wxEVT_BUTTON, [this, &entry](wxCommandEvent&) { Browse(entry); });
          grid->Add(browse);
        } else if (entry.buttonId != 0) {
          grid->Add(MakeButton(page, entry.buttonId, entry.buttonLabel, entry.action));
        } else {
          grid->AddSpacer(0);
        }
        break;
      }
      case Entry::BUTTON: {
        grid->Add(MakeButton(page, entry.id, entry.label, entry.action));
        grid->AddSpacer(0);
        grid->AddSpacer(0);
        break;
      }
    }
  }
  top->Add(grid, 0, wxALL | wxEXPAND, 8);
}

bool CHtmlOptPage::DoDataExchange(bool save) {
  for (const Entry& entry : m_entries) {
    if (entry.kind == Entry::CHECK) DDX_Check(save, entry.id, *entry.number);
    if (entry.kind == Entry::TEXT) DDX_Text(save, entry.id, *entry.text);
    if (entry.kind == Entry::CHOICE) DDX_CBIndex(save, entry.id, *entry.number);
  }
  return true;
}

void CHtmlOptPage::Browse(const Entry& entry) {
  TransferDataFromWindow();
  CString path;
  if (!m_sheet.ChooseFile(*entry.picker, path)) return;
  *entry.text = entry.picker->nameOnly ? path.Mid(path.ReverseFind('/') + 1) : path;
  TransferDataToWindow();
}

CHtmlOptDesignPage::CHtmlOptDesignPage(CHtmlOptSheet& sheet) : CHtmlOptPage("デザイン", sheet) {
  CDocProperties& p = sheet.m_work;
  AddText(IDC_NEXT, "次への画像(&N):", &p.m_strNextImage, &kNextImage);
  AddText(IDC_BEFORE, "前への画像(&P):", &p.m_strBeforeImage, &kBeforeImage);
  AddText(IDC_HEAD_IMAGE, "トップ画像(&I):", &p.m_strHeadImage, &kHeadImage);
  AddText(IDC_HOME_STR, "トップページへのリンクに使う文(&H):", &p.m_strHomeStr);
  AddText(IDC_RETURN_STR, "上位ページへのリンクに使う文(&U): [ページ名]", &p.m_strReturnStr);
  AddText(IDC_CSS, "独自CSSファイル名(&C):", &p.m_strCss, &kCss);
  AddCheck(IDC_CENTER, "タイトルのセンタリング(&T)", &p.m_bCenter);
  AddCheck(IDC_MARGIN, "本文の左右に余白を空ける(&Y)", &p.m_bMargin);
  AddCheck(IDC_CSS_SET, "標準CSSの使用(&S)", &p.m_nCssSet);
  AddText(IDC_CSS_COLOR, "ヘッダ背景色(&H):", &p.m_strCssColor, IDC_COLOR, "...", [&sheet, &p] {
    COLORREF color = ParseHtmlColor(p.m_strCssColor);
    if (sheet.ChooseColor(color)) p.m_strCssColor.Format("#%02X%02X%02X", GetRValue(color), GetGValue(color), GetBValue(color));
  });
  AddButton(IDC_BACKGROUND, "背景の設定(&B)...", [&sheet, &p] { sheet.EditBackground(p.m_strHtmlBody); });
}

CHtmlOptLinkPage::CHtmlOptLinkPage(CHtmlOptSheet& sheet) : CHtmlOptPage("リンク", sheet) {
  CDocProperties& p = sheet.m_work;
  AddCheck(IDC_FULL_PATH, "親階層を表示する(&F)", &p.m_bFullPath);
  AddCheck(IDC_NEXT_LINK, "前後のページへのリンクを上部に表示する(&O)", &p.m_bNextLink);
  AddCheck(IDC_NEXT_BOTTOM, "前後のページへのリンクを下部に表示する(&B)", &p.m_bNextBottom);
  AddCheck(IDC_AUTO_LINK, "テキストエリアのURLを自動でリンク(&A)", &p.m_bAutoLink);
  AddCheck(IDC_IMAGES, "テキストエリアの画像リンクを画像表示タグに変換(&I)", &p.m_bImages);
  AddCheck(IDC_LINK_FILE, "リンクファイルを表示(&L)", &p.m_bLinkFile);
  AddCheck(IDC_LINK_IMAGE, "リンクファイルが画像の時はそのまま表示(&G)", &p.m_bLinkImage);
  AddText(IDC_RETURN_NAME, "戻りページ名(&P):", &p.m_strReturnName);
  AddText(IDC_RETURN_URL, "戻りページURL(&U):", &p.m_strReturnUrl);
}

CHtmlOptHtmlPage::CHtmlOptHtmlPage(CHtmlOptSheet& sheet) : CHtmlOptPage("HTML", sheet) {
  CDocProperties& p = sheet.m_work;
  AddChoice(IDC_LINE_BREAKS, "改行処理(&R):", {"改行タグを付加", "改行タグをつけない", "PREで囲む"}, &p.m_bNoBR);
  AddText(IDC_HEAD_FILE, "HEADタグ内(&H):", &p.m_strHeadFile, &kHeadFile);
  AddText(IDC_INS_UP, "上部(&U):", &p.m_strInsFileUp, &kInsUp);
  AddText(IDC_INS_BOTTOM, "下部(&B):", &p.m_strInsFileBottom, &kInsBottom);
  AddCheck(IDC_WIKI, "Wiki記法を使用(&W)", &p.m_bWiki);
  AddCheck(IDC_HTML_ESCAPE, "HTMLタグのエスケープ(&E)", &sheet.m_nHtmlEscape);
  AddChoice(IDC_CHARSET, "文字コード(&E):", {"UTF-8", "シフトJIS"}, &p.m_nOption12);
}

CHtmlOptSheet::CHtmlOptSheet(wxWindow* parent, CDocProperties& properties)
    : m_work(properties), m_pParent(parent), m_properties(properties), m_design(*this), m_link(*this), m_html(*this) {}

int CHtmlOptSheet::DoModal() {
  m_work = m_properties;
  m_nHtmlEscape = AfxGetProfileInt("Text", "HtmlEscape", 1);
  CPropertySheet sheet(m_pParent, "HTML出力のオプション");
  sheet.AddPage(&m_design);
  sheet.AddPage(&m_link);
  sheet.AddPage(&m_html);
  BindDialogHelp(&sheet, kHelpTopic);
  m_pWindow = &sheet;
  const int result = sheet.DoModal();
  m_pWindow = nullptr;
  if (result != IDOK) return IDCANCEL;
  m_properties = m_work;
  m_properties.m_bHtmlOptionsSet = 1;
  AfxWriteProfileInt("Text", "HtmlEscape", m_nHtmlEscape);
  return IDOK;
}

BOOL CHtmlOptSheet::ChooseFile(const CHtmlFilePicker& picker, CString& path) {
  return ChooseHtmlFile(m_pWindow, picker, path);
}

BOOL CHtmlOptSheet::ChooseColor(COLORREF& color) { return ChooseColorRef(m_pWindow, color); }

BOOL CHtmlOptSheet::EditBackground(CString& bodyTag) { return EditBodyTag(m_pWindow, bodyTag); }
