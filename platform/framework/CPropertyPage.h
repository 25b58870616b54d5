#pragma once
// One page of a property sheet. The page object holds the fields and outlives its window: the
// caller presets the fields, the sheet builds the page's window when it is shown and exchanges the
// fields with the controls, and the caller reads the fields after OK. Controls are found by their
// window ids, which are the control ids of the page.
#include <wx/string.h>

#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"

class wxPanel;
class wxSizer;
class wxWindow;

class CPropertyPage {
 public:
  explicit CPropertyPage(const char* caption) : m_strCaption(caption) {}
  virtual ~CPropertyPage() = default;
  CPropertyPage(const CPropertyPage&) = delete;
  CPropertyPage& operator=(const CPropertyPage&) = delete;

  // Builds the page's window as a child of parent; the parent owns the window.
  wxWindow* Create(wxWindow* parent);
  // The sheet calls this when the window goes away, so the page never touches a dead window.
  void Detach() { m_pWnd = nullptr; }
  wxWindow* GetWindow() const;
  wxWindow* GetDlgItem(int id) const;
  const CString& GetCaption() const { return m_strCaption; }

  // Fields to controls, then the page's own set-up; and controls to fields, false (after telling
  // the user and focusing the control) when a control holds a value the page refuses.
  bool TransferDataToWindow();
  bool TransferDataFromWindow();

 protected:
  // Adds the controls to the page's window (the top sizer is vertical).
  virtual void CreateControls(wxWindow* page, wxSizer* top) = 0;
  // Exchanges every field with its control: save true reads the controls.
  virtual bool DoDataExchange(bool save) = 0;
  // After the first exchange into the window: enabling rules and the like.
  virtual void OnInitDialog() {}

  // Exchange helpers over the control with the id.
  void DDX_Check(bool save, int id, int& value);
  void DDX_CBIndex(bool save, int id, int& value);
  void DDX_Text(bool save, int id, CString& value);
  // A whole number; false when the text is not one or lies outside min..max.
  bool DDX_Text(bool save, int id, UINT& value, UINT min = 0, UINT max = 0xFFFFFFFFu);
  void Enable(int id, bool enable);
  bool IsChecked(int id) const;

 private:
  bool Refuse(int id, const char* message);

  CString m_strCaption;
  wxPanel* m_pWnd = nullptr;
};
