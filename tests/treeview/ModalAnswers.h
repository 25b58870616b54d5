#pragma once
// Answers modal dialogs in place of a user: while an object lives, every ShowModal returns the
// result of the given function at once, without showing the dialog. The function may fill the
// dialog's members first, as a user would have.
#include <wx/dialog.h>
#include <wx/modalhook.h>

#include <functional>
#include <vector>

class ModalAnswers : public wxModalDialogHook {
 public:
  explicit ModalAnswers(std::function<int(wxDialog*)> answer) : m_answer(std::move(answer)) { Register(); }
  ~ModalAnswers() override { Unregister(); }

  std::vector<wxString> titles;  // the caption of every dialog asked, in order

 protected:
  int Enter(wxDialog* dialog) override {
    titles.push_back(dialog->GetTitle());
    return m_answer(dialog);
  }
  void Exit(wxDialog*) override {}

 private:
  std::function<int(wxDialog*)> m_answer;
};
