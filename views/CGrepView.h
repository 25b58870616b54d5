#pragma once
// The list of the grep window: one row per hit with its file, folder, tree and link file. From it
// the user opens a hit in its outline window or starts the hit's link file.
#include "platform/desktop/CFont.h"
#include "platform/base/CString.h"
#include "platform/framework/CView.h"

class CGrepData;
class CGrepDoc;
class CGrepHitList;
class wxListCtrl;
class wxListEvent;

class CGrepView : public CView {
 public:
  enum { IDC_LIST = 1 };

  CGrepView() = default;
  BOOL Create(wxWindow* parent, wxWindowID id, const wxPoint& pos = wxDefaultPosition,
              const wxSize& size = wxDefaultSize) override;
  void OnInitialUpdate() override;
  void OnUpdate(CView* sender, LPARAM hint, CObject* hintObject) override;

  // Rows from the document's hits, in their order; each column as wide as its contents.
  void FillList();
  void SelectHit(int index);
  const CGrepData* GetSelectedHit() const;
  // Opens the selected hit's file (or activates its window) and selects the hit's tree there.
  void OpenHit();
  // Starts the selected hit's link file.
  void OpenLinkFile();

  // A link relative to the hit's file is completed with the file's folder.
  static CString ResolveLink(const char* link, const char* file);
  // The question asked before opening a text file of more than 500,000 bytes as an outline;
  // empty for any other file.
  static CString LargeTextQuestion(const char* path);

  wxListCtrl* GetList() const;

 private:
  CGrepDoc* GetGrepDoc() const;
  void OnItemActivated(wxListEvent& event);
  void OnItemSelected(wxListEvent& event);
  void OnOpenLink(wxCommandEvent& event);
  void OnFont(wxCommandEvent& event);
  void OnToText(wxCommandEvent& event);
  void OnUpdateToText(wxUpdateUIEvent& event);
  void OnUpdateEnabled(wxUpdateUIEvent& event);
  void OnUpdateDisabled(wxUpdateUIEvent& event);
  bool ListHasFocus() const;

  CGrepHitList* m_pList = nullptr;
  CFont m_font;

  wxDECLARE_EVENT_TABLE();
};
