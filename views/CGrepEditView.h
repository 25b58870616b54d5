#pragma once
// The text pane of the grep window: the selected hit's text with every match of the searched word
// in bold blue, and a find of its own over that text.
#include "foundation/IRegExp.h"
#include "platform/desktop/CFont.h"
#include "platform/base/CString.h"
#include "platform/framework/CView.h"

class CGrepDoc;
class wxTextCtrl;

class CGrepEditView : public CView {
 public:
  enum { IDC_TEXT = 303 };

  CGrepEditView();
  BOOL Create(wxWindow* parent, wxWindowID id, const wxPoint& pos = wxDefaultPosition,
              const wxSize& size = wxDefaultSize) override;

  // Shows the text and marks the document's word in it.
  void ShowText(const char* text);
  BOOL FindNext();
  BOOL FindPrev();

  wxTextCtrl* GetTextCtrl() const { return m_pEdit; }
  // The selection as byte offsets into the text shown.
  void GetSel(int& start, int& end) const;
  void SetSel(int start, int end);
  const CString& GetText() const { return m_strText; }

  // The pane's own find: word and options taken from the find dialog.
  CString m_strFind;
  BOOL m_bCase = FALSE;
  BOOL m_bWidth = FALSE;
  BOOL m_bMulti = FALSE;
  BOOL m_bRegExp = FALSE;
  BOOL m_bWordWrap = TRUE;

 private:
  CGrepDoc* GetGrepDoc() const;
  void Mark(int start, int length);
  // Byte offset and length of every regular-expression match of the text, in order.
  void RegExpMatches(const CString& pattern, BOOL ignoreCase, std::vector<std::pair<int, int>>& matches);
  void ApplyWordWrap();
  void OnFind(wxCommandEvent& event);
  void OnFindNext(wxCommandEvent& event);
  void OnCopy(wxCommandEvent& event);
  void OnSelectAll(wxCommandEvent& event);
  void OnWordWrap(wxCommandEvent& event);
  void OnFont(wxCommandEvent& event);
  void OnUpdateFindNext(wxUpdateUIEvent& event);
  void OnUpdateWordWrap(wxUpdateUIEvent& event);
  void OnUpdateEnabled(wxUpdateUIEvent& event);
  void OnUpdateDisabled(wxUpdateUIEvent& event);
  void OnContextMenu(wxContextMenuEvent& event);

  wxTextCtrl* m_pEdit = nullptr;
  CFont m_font;
  IRegExp m_regExp;
  CString m_strText;  // as shown: Shift JIS, line ends LF

  wxDECLARE_EVENT_TABLE();
};
