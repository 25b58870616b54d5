#include "convert/FileDialogChecks.h"

#include <wx/filedlg.h>
#include <wx/filedlgcustomize.h>

#include "platform/framework/CWinApp.h"
#include "platform/base/CodePage.h"

namespace {

// Shows the members' values in the boxes and takes the boxes' values back when the chooser is
// confirmed; the settings themselves are written by the dialog after its name check.
class CheckBoxHook : public wxFileDialogCustomizeHook {
 public:
  explicit CheckBoxHook(const std::vector<int*>& members, const std::vector<const char*>& labels)
      : m_members(members), m_labels(labels) {}

  void AddCustomControls(wxFileDialogCustomize& customizer) override {
    for (size_t i = 0; i < m_labels.size(); ++i) {
      wxFileDialogCheckBox* box = customizer.AddCheckBox(CP932ToWx(m_labels[i]));
      box->SetValue(*m_members[i] != 0);
      m_boxes.push_back(box);
    }
  }
  void TransferDataFromCustomControls() override {
    for (size_t i = 0; i < m_boxes.size(); ++i) *m_members[i] = m_boxes[i]->GetValue() ? 1 : 0;
  }

 private:
  std::vector<int*> m_members;
  std::vector<const char*> m_labels;
  std::vector<wxFileDialogCheckBox*> m_boxes;
};

}  // namespace

void CFileDialogChecks::AddCheck(const char* label, const char* key, int defaultValue, int* member) {
  m_checks.push_back({label, key, defaultValue, member});
}

BOOL CFileDialogChecks::OnInitDialog() {
  for (const Check& check : m_checks) *check.member = AfxGetProfileInt("System", check.key, check.defaultValue);
  return TRUE;
}

INT_PTR CFileDialogChecks::DoModal() {
  OnInitDialog();
  return CFileDialogEx::DoModal();
}

int CFileDialogChecks::ShowChooser(wxFileDialog& dialog, std::vector<CString>& paths, int& filterIndex) {
  std::vector<int*> members;
  std::vector<const char*> labels;
  for (const Check& check : m_checks) {
    members.push_back(check.member);
    labels.push_back(check.label);
  }
  CheckBoxHook hook(members, labels);
  dialog.SetCustomizeHook(hook);
  return CFileDialogEx::ShowChooser(dialog, paths, filterIndex);
}

BOOL CFileDialogChecks::OnFileNameOK() {
  for (const Check& check : m_checks) AfxWriteProfileInt("System", check.key, *check.member);
  return CFileDialogEx::OnFileNameOK();
}
