#include "platform/desktop/DialogOwner.h"

#include <wx/dialog.h>
#include <wx/toplevel.h>
#include <wx/weakref.h>

#include <algorithm>
#include <vector>

namespace {

struct JobWindow {
  unsigned token;
  wxWeakRef<wxWindow> window;  // weak: a job window the user closes goes away before its job ends
};

std::vector<JobWindow>& JobWindows() {
  static std::vector<JobWindow> windows;
  return windows;
}

bool IsJobWindow(const wxWindow* window) {
  const auto& jobs = JobWindows();
  return std::any_of(jobs.begin(), jobs.end(), [window](const JobWindow& job) { return job.window.get() == window; });
}

}  // namespace

wxWindow* NewestDialogOwner() {
  wxWindow* owner = nullptr;
  // Top-level windows are listed in the order they were made: the last that waits is the newest.
  for (wxWindow* window : wxTopLevelWindows) {
    if (window->IsBeingDeleted() || !window->IsShown()) continue;
    const auto* dialog = dynamic_cast<const wxDialog*>(window);
    if ((dialog && dialog->IsModal()) || IsJobWindow(window)) owner = window;
  }
  return owner;
}

ScopedJobWindow::ScopedJobWindow(wxWindow* window) {
  static unsigned s_next = 0;
  m_token = ++s_next;
  JobWindows().push_back({m_token, window});
}

ScopedJobWindow::~ScopedJobWindow() {
  std::erase_if(JobWindows(), [this](const JobWindow& job) { return job.token == m_token; });
}
