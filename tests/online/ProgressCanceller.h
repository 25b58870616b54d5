#pragma once
// Presses Cancel in a transfer's progress dialog the way a user would, once its modal loop runs:
// in the n-th progress dialog that opens while the canceller lives (counting from 1), so that the
// transfers before it complete. Records the owner of every progress dialog.
#include <wx/eventfilter.h>

#include <vector>

class wxWindow;

namespace online_test {

class ProgressCanceller : public wxEventFilter {
 public:
  explicit ProgressCanceller(int nth);
  ~ProgressCanceller() override;
  int FilterEvent(wxEvent& event) override;

  int Shown() const { return m_shown; }
  const std::vector<wxWindow*>& Owners() const { return m_owners; }

 private:
  int m_nth;
  int m_shown = 0;
  std::vector<wxWindow*> m_owners;
};

}  // namespace online_test
