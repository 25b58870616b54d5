#pragma once
// An outline window as the program builds one: the application object with a private settings
// file, a main frame with a status bar, a document template whose child frame holds the tree
// pane, and the links between the panes and their window that the program installs. Outlines are
// written to files from a list of item paths and opened through the template.
#include <gtest/gtest.h>
#include <wx/bitmap.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/CKestavonApp.h"
#include "app/CKestavonDoc.h"
#include "shell/ProgramWindows.h"
#include "platform/framework/CMDIFrameWnd.h"
#include "treeview/COwnerListBox.h"
#include "treeview/CTrView.h"

class CIEditView;

namespace treepane_test {

class TreePaneTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A setting in the settings file, before the window opens.
  void Setting(const char* section, const char* key, const char* value);
  // Writes an outline of the given item paths (titles joined by '/'; the first is the top item)
  // after letting edit change the model, and opens it.
  CKestavonDoc* OpenOutline(const std::vector<std::string>& paths,
                            const std::function<void(ATREE&)>& edit = nullptr);
  std::string WriteOutline(const std::string& name, const std::vector<std::string>& paths,
                           const std::function<void(ATREE&)>& edit = nullptr);
  CKestavonDoc* Open(const std::string& path);

  static CTrView* ViewOf(CKestavonDoc* doc) { return static_cast<CTrView*>(doc->GetViews().front()); }
  static COwnerListBox* ListOf(CKestavonDoc* doc) { return ViewOf(doc)->GetListBox(); }
  // The document's text pane, and the selection of its text (byte offsets).
  static CIEditView* TextPaneOf(CKestavonDoc* doc);
  static std::pair<long, long> TextSelectionOf(CKestavonDoc* doc);
  std::string StatusText() const;
  // Whether the command is enabled on the main window's route (the active view first).
  bool IsEnabled(int command) const;
  void Command(int command) { m_frame->SendCommand(command); }
  // Mouse and key messages as the list box receives them.
  static void Click(COwnerListBox* list, int x, int y);
  static void Press(COwnerListBox* list, int wxKey, bool ctrl = false);
  // The list painted into a bitmap of its client size.
  static wxBitmap Render(COwnerListBox* list);

  Installed<CProgramWindows, IPaneLinks, IOutlineWindows> m_windows;
  std::unique_ptr<CKestavonApp> m_app;
  CMDIFrameWnd* m_frame = nullptr;
  std::string m_dir;
  std::string m_conf;
};

// The titles of the list's rows, line art removed.
std::vector<std::string> RowTitles(COwnerListBox* list);

}  // namespace treepane_test
