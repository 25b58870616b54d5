#pragma once
// The program's main window: the MDI frame with the File and Window menus, the receiver of the
// command line that a second start hands over, and the relative-path services of the program.
#include <memory>

#include "app/InstanceChannel.h"
#include "platform/CMDIFrameWnd.h"

enum : int {
  ID_STATUSBAR_UPDATE = 0x804B,  // sent at idle time; the text area updates the status bar
  ID_COMMANDLINE = 0x8116,       // a second start wrote System/Commandline
  ID_JUMP_TREE = 0x820F,         // the tree view goes to the tree given by -J or -N
};

class CMainFrame : public CMDIFrameWnd {
 public:
  // The class by which a second start finds this window.
  static constexpr const char* kWindowClass = "Kestavon";

  CMainFrame();
  ~CMainFrame() override;
  int OnCreate() override;
  // A failed call into a dispatch object (a bad regular expression, say) raised while a command
  // ran is shown to the user with its description; the program goes on.
  bool ProcessEvent(wxEvent& event) override;

  // The target relative to the base file's folder; unchanged when the two differ from the first
  // character. Folder names compare without regard to case.
  static CString MakeRelativePath(const char* basePath, const char* targetPath);
  // The relative path resolved against the base file's folder; a path with more "../" than the
  // folder has levels is reported and comes back unchanged.
  static CString MakeAbsolutePath(const char* basePath, const char* relativePath);

 protected:
  void OnCommandLine(wxCommandEvent& event);
  void OnMainClose(wxCloseEvent& event);

 private:
  std::unique_ptr<CInstanceListener> m_listener;

  wxDECLARE_EVENT_TABLE();
};
