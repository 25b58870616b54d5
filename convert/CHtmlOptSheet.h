#pragma once
// The options of the multi-file HTML export in three pages, "デザイン", "リンク" and "HTML". The
// pages edit a copy of the document's properties record; OK puts the copy back with the flag
// that has the native file store the options, and the HTML-escape switch of the text output into
// the settings. Cancel changes nothing.
#include <functional>
#include <memory>
#include <vector>

#include "convert/CHtmlFilePicker.h"
#include "model/CDocProperties.h"
#include "platform/framework/CPropertyPage.h"
#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"

class CHtmlOptSheet;
class wxWindow;

// A page whose controls are listed in order, each bound to a member of the sheet's record copy.
class CHtmlOptPage : public CPropertyPage {
 public:
  CHtmlOptPage(const char* caption, CHtmlOptSheet& sheet) : CPropertyPage(caption), m_sheet(sheet) {}

 protected:
  void AddCheck(int id, const char* label, int* field);
  void AddText(int id, const char* label, CString* field, const CHtmlFilePicker* picker = nullptr);
  // A text field with a button beside it that runs the action between two exchanges.
  void AddText(int id, const char* label, CString* field, int buttonId, const char* buttonLabel,
               std::function<void()> action);
  void AddChoice(int id, const char* label, std::vector<const char*> items, int* field);
  void AddButton(int id, const char* label, std::function<void()> action);
  void CreateControls(wxWindow* page, wxSizer* top) override;
  bool DoDataExchange(bool save) override;

  CHtmlOptSheet& m_sheet;

 private:
  struct Entry {
    enum Kind { CHECK, TEXT, CHOICE, BUTTON } kind = CHECK;
    int id = 0;
    const char* label = "";
    int* number = nullptr;
    CString* text = nullptr;
    const CHtmlFilePicker* picker = nullptr;
    std::vector<const char*> items;
    int buttonId = 0;  // a text field's own button, beside it
    const char* buttonLabel = "";
    std::function<void()> action;
  };
  wxWindow* MakeButton(wxWindow* page, int id, const char* label, const std::function<void()>& action);
  void Browse(const Entry& entry);
  std::vector<Entry> m_entries;
};

class CHtmlOptDesignPage : public CHtmlOptPage {
 public:
  enum { IDD = 1555, IDC_BEFORE = 106, IDC_HEAD_IMAGE = 107, IDC_BACKGROUND = 169, IDC_NEXT_BROWSE = 173,
         IDC_BEFORE_BROWSE = 174, IDC_NEXT = 175, IDC_MARGIN = 177, IDC_CENTER = 178, IDC_CSS_BROWSE = 179,
         IDC_HEAD_IMAGE_BROWSE = 181, IDC_HOME_STR = 214, IDC_RETURN_STR = 215, IDC_CSS = 218, IDC_CSS_SET = 357,
         IDC_CSS_COLOR = 359, IDC_COLOR = 361 };
  explicit CHtmlOptDesignPage(CHtmlOptSheet& sheet);
};

class CHtmlOptLinkPage : public CHtmlOptPage {
 public:
  enum { IDD = 1554, IDC_FULL_PATH = 171, IDC_NEXT_LINK = 172, IDC_NEXT_BOTTOM = 173, IDC_AUTO_LINK = 174,
         IDC_IMAGES = 175, IDC_LINK_FILE = 180, IDC_LINK_IMAGE = 183, IDC_RETURN_NAME = 216, IDC_RETURN_URL = 217 };
  explicit CHtmlOptLinkPage(CHtmlOptSheet& sheet);
};

class CHtmlOptHtmlPage : public CHtmlOptPage {
 public:
  enum { IDD = 1553, IDC_HEAD_BROWSE = 176, IDC_UP_BROWSE = 177, IDC_BOTTOM_BROWSE = 178, IDC_HEAD_FILE = 215,
         IDC_INS_UP = 216, IDC_INS_BOTTOM = 217, IDC_LINE_BREAKS = 274, IDC_CHARSET = 275, IDC_WIKI = 347,
         IDC_HTML_ESCAPE = 363 };
  explicit CHtmlOptHtmlPage(CHtmlOptSheet& sheet);
};

// The pages outlive the sheet window that shows them, which DoModal makes and closes.
class CHtmlOptSheet {
 public:
  static constexpr DWORD kHelpTopic = 148;

  // The record is the active document's; it is borrowed for the sheet's life.
  CHtmlOptSheet(wxWindow* parent, CDocProperties& properties);
  virtual ~CHtmlOptSheet() = default;
  CHtmlOptSheet(const CHtmlOptSheet&) = delete;
  CHtmlOptSheet& operator=(const CHtmlOptSheet&) = delete;
  // IDOK (the record then holds the pages' fields) or IDCANCEL.
  int DoModal();

  CHtmlOptDesignPage& GetDesignPage() { return m_design; }
  CHtmlOptLinkPage& GetLinkPage() { return m_link; }
  CHtmlOptHtmlPage& GetHtmlPage() { return m_html; }

  virtual BOOL ChooseFile(const CHtmlFilePicker& picker, CString& path);
  virtual BOOL ChooseColor(COLORREF& color);
  virtual BOOL EditBackground(CString& bodyTag);

  CDocProperties m_work;  // what the pages edit
  int m_nHtmlEscape = 1;  // the text output's switch, kept in the settings

 private:
  wxWindow* m_pParent;
  wxWindow* m_pWindow = nullptr;  // the sheet while it is shown, parent of the pickers
  CDocProperties& m_properties;
  CHtmlOptDesignPage m_design;
  CHtmlOptLinkPage m_link;
  CHtmlOptHtmlPage m_html;
};
