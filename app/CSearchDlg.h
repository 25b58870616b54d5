#pragma once
// The find dialog of the tree search, the search list and the text pane's find: it gathers the
// word and the options and remembers them; the callers search.
#include <wx/dialog.h>

#include "foundation/CHistoryList.h"
#include "platform/base/COleDateTime.h"
#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"

class CCategoryArray;
class wxCheckBox;
class wxChoice;
class wxComboBox;
class wxDatePickerCtrl;
class wxTimePickerCtrl;

class CSearchDlg : public wxDialog {
 public:
  enum {
    IDD = 123,
    IDC_WORD = 158,
    IDC_CASE = 181,
    IDC_WIDTH = 182,
    IDC_TITLE = 183,
    IDC_TEXTAREA = 141,
    IDC_LINK = 142,
    IDC_REGEXP = 184,
    IDC_SELECT_ONLY = 299,
    IDC_CATEGORY = 290,
    IDC_CATEGORY_LABEL = 307,
    IDC_TARGETS = 228,
    IDC_DATE_LABEL = 326,
    IDC_DATE_FROM = 318,
    IDC_DATE_TO = 319,
    IDC_DATE_DASH = 327,
    IDC_MULTI = 324,
  };
  // 0 the tree search, 1 the search list, 2 the text pane's find.
  enum { kTreeMode = 0, kListMode = 1, kTextMode = 2 };

  // The options come from the settings here; the categories fill the category list (modes 0, 1).
  CSearchDlg(wxWindow* parent, int mode, const CCategoryArray* categories);
  ~CSearchDlg() override;

  bool TransferDataToWindow() override;
  // Takes the word and options, writes the options and the history to the settings.
  bool TransferDataFromWindow() override;

  int m_nMode;
  BOOL m_bIme;
  CString m_strSearch;  // set by the caller as the initial word, read after OK
  CHistoryList m_history;
  int m_nCategory = -1;  // -1 every category, 0 trees without one, n category n
  BOOL m_bCase;
  BOOL m_bWidth;
  BOOL m_bTitle;
  BOOL m_bTextArea;
  BOOL m_bLink;
  BOOL m_bRegExp;
  BOOL m_bSelectOnly;
  // Updated-time limits; null means no limit.
  COleDateTime m_timeFrom;
  COleDateTime m_timeTo;
  int m_nMulti;  // 0 one word, 1 any of the words, 2 all of them

  // Whether the regular-expression class can be had; without it the option is off.
  static bool RegExpAvailable();

 private:
  void OnRegExp(wxCommandEvent& event);
  void OnWordFocus(wxFocusEvent& event);
  void OnWordBlur(wxFocusEvent& event);
  static COleDateTime ReadLimit(const wxDatePickerCtrl* date, const wxTimePickerCtrl* time);
  static void ShowLimit(const COleDateTime& limit, wxDatePickerCtrl* date, wxTimePickerCtrl* time);

  const CCategoryArray* m_pCategories;
  wxComboBox* m_word;
  wxChoice* m_category = nullptr;
  wxChoice* m_multi;
  wxCheckBox* m_check[7] = {};
  wxDatePickerCtrl* m_dateFrom = nullptr;
  wxDatePickerCtrl* m_dateTo = nullptr;
  wxTimePickerCtrl* m_timePickFrom = nullptr;
  wxTimePickerCtrl* m_timePickTo = nullptr;
};
