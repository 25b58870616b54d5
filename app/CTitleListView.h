#pragma once
// A plain view of an outline document: the titles of its trees, one line each, indented by level.
// It shows the outline until the tree and text panes take its place; it edits nothing.
#include <wx/listbox.h>

#include "platform/CView.h"

class CKestavonDoc;

class CTitleListView : public CView {
 public:
  BOOL Create(wxWindow* parent, wxWindowID id, const wxPoint& pos = wxDefaultPosition,
              const wxSize& size = wxDefaultSize) override;
  void OnInitialUpdate() override;
  void OnUpdate(CView* sender, LPARAM hint, CObject* hintObject) override;

  wxListBox* GetList() const { return m_list; }

 private:
  void Fill();
  wxListBox* m_list = nullptr;
};
