#pragma once
// Which window a dialog opened now belongs to. A modal dialog shows above its owner and takes the
// keyboard; owned by a window that another one covers, it would open beneath that one and the
// program would look hung. So a new dialog belongs to the newest window that waits for the user: a
// shown modal dialog, or a job window (a modeless progress window, for as long as its job runs).
class wxWindow;

// The newest shown modal dialog or job window; null when there is none.
wxWindow* NewestDialogOwner();

// While it lives, the window is a job window: what its job asks of the user belongs to it.
class ScopedJobWindow {
 public:
  explicit ScopedJobWindow(wxWindow* window);
  ~ScopedJobWindow();
  ScopedJobWindow(const ScopedJobWindow&) = delete;
  ScopedJobWindow& operator=(const ScopedJobWindow&) = delete;

 private:
  unsigned m_token;
};
