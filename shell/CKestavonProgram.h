#pragma once
// The application object of the program itself: the application with the windows that the layers
// above it make, the outline window (child frame, tree, text and preview panes) and the main
// frame, the chart window, and the commands that open a converter's dialog. It is the one place
// that fills every seam through which a lower layer reaches a higher one.
#include <memory>

#include "app/CKestavonApp.h"
#include "shell/FreedMemoryReturn.h"

class CKestavonProgram : public CKestavonApp {
 public:
  // Installs every seam's implementation for the program's run: the model's dialogs, the
  // converters' readers, the online file service, the windows, pickers and text outputs.
  CKestavonProgram();
  ~CKestavonProgram() override;

  // Registers the chart window's template (the outline document in a chart frame) after the
  // application's own start-up.
  BOOL InitInstance() override;
  // At idle time the status bar shows where the caret of the active text pane stands, and the
  // memory of a document closed since the last idle time goes back to the system.
  BOOL OnIdle(LONG count) override;
  CDocTemplate* m_pChartTemplate = nullptr;
  CDocTemplate* m_pGrepTemplate = nullptr;

 protected:
  std::unique_ptr<CDocTemplate> MakeOutlineTemplate() override;
  CMDIFrameWnd* MakeMainFrame() override;
  std::unique_ptr<CDocManager> MakeDocManager() override;
  std::unique_ptr<CRecentFileList> MakeRecentFileList(const char* section, const char* entryFormat, int size,
                                                      int maxDisplayLength) override;

  // File > Import > Folder: the folder chosen in the folder-import dialog opens as a new,
  // untitled outline.
  void OnImportFolder(wxCommandEvent& event);
  void OnImportWz(wxCommandEvent& event);
  // The online service's commands: open and delete on the service, the account, the version check,
  // the web search setting.
  void OnNetCommand(wxCommandEvent& event);
  // View > Chart: a chart window on the active outline document.
  void OnViewChart(wxCommandEvent& event);
  void OnUpdateViewChart(wxUpdateUIEvent& event);
  void OnSettingsTools(wxCommandEvent& event);

 private:
  struct Seams;
  std::unique_ptr<Seams> m_seams;
  FreedMemoryReturn m_freedMemory;

  wxDECLARE_EVENT_TABLE();
};
