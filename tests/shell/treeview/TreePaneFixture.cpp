#include "tests/shell/treeview/TreePaneFixture.h"

#include <wx/app.h>
#include <wx/dcmemory.h>
#include <wx/statusbr.h>

#include "shell/CKestaFrame.h"
#include "model/CTreeData.h"
#include "platform/framework/CDocTemplate.h"
#include "platform/framework/CStatusBar.h"
#include "platform/base/CodePage.h"
#include "platform/base/PrivateProfile.h"
#include "platform/desktop/VirtualKeys.h"
#include "tests/common/TestSupport.h"
#include "textarea/CIEditView.h"

namespace treepane_test {

void TreePaneTest::SetUp() {
  if (!kesta_test::HasGui()) GTEST_SKIP() << "needs a display";
  m_dir = kesta_test::MakeTempDir("treepane");
  m_conf = m_dir + "/kesta32.conf";
  m_app = std::make_unique<CKestavonApp>();
  m_app->m_pszProfileName = m_conf.c_str();
  m_frame = new CMDIFrameWnd;  // owned by wx once created
  ASSERT_TRUE(m_frame->LoadFrame(128));
  auto* status = new CStatusBar;  // the frame owns it once made
  ASSERT_TRUE(status->Create(m_frame));
  const UINT panes[] = {ID_SEPARATOR, ID_SEPARATOR};
  status->SetIndicators(panes, 2);
  m_app->m_pMainWnd = m_frame;
  m_frame->SetClientSize(640, 480);
  m_frame->Show();
  m_app->AddDocTemplate(std::make_unique<CMultiDocTemplate>(
      129, "\nKestavon\nKestavon\nKestavon files (*.kvn)\n.kvn\nKestavon.Document\nKestavon document",
      RuntimeClass<CKestavonDoc>(), RuntimeClass<CKestaFrame>(), RuntimeClass<CIEditView>()));
}

void TreePaneTest::TearDown() {
  if (!m_app) return;
  m_app->CloseAllDocuments();
  m_frame->Destroy();
  m_app->m_pMainWnd = nullptr;
  wxTheApp->ProcessIdle();
  m_app.reset();
}

void TreePaneTest::Setting(const char* section, const char* key, const char* value) {
  ASSERT_TRUE(WritePrivateProfileString(section, key, value, m_conf.c_str()));
}

std::string TreePaneTest::WriteOutline(const std::string& name, const std::vector<std::string>& paths,
                                       const std::function<void(ATREE&)>& edit) {
  ATREE tree;
  for (const std::string& path : paths) {
    CString item(path.c_str());
    item.Replace("/", "\x01");
    tree.AppendTree(item);
  }
  if (edit) edit(tree);
  tree.MakeTreeData();
  const std::string file = m_dir + "/" + name;
  EXPECT_EQ(tree.WriteKvnFile(file.c_str()), 1);
  return file;
}

CKestavonDoc* TreePaneTest::OpenOutline(const std::vector<std::string>& paths,
                                        const std::function<void(ATREE&)>& edit) {
  return Open(WriteOutline("outline.kvn", paths, edit));
}

CKestavonDoc* TreePaneTest::Open(const std::string& path) {
  auto* doc = static_cast<CKestavonDoc*>(m_app->OpenDocumentFile(path.c_str()));
  wxTheApp->ProcessPendingEvents();  // the status text the pane posts to itself
  return doc;
}

CIEditView* TreePaneTest::TextPaneOf(CKestavonDoc* doc) {
  for (CView* view : doc->GetViews())
    if (auto* text = dynamic_cast<CIEditView*>(view)) return text;
  return nullptr;
}

std::pair<long, long> TreePaneTest::TextSelectionOf(CKestavonDoc* doc) {
  long start = 0;
  long end = 0;
  TextPaneOf(doc)->GetEditCtrl().GetSel(start, end);
  return {start, end};
}

std::string TreePaneTest::StatusText() const {
  return WxToCP932(m_frame->GetStatusBar()->GetStatusText(0)).str();
}

bool TreePaneTest::IsEnabled(int command) const {
  wxUpdateUIEvent event(command);
  event.SetEventObject(m_frame);
  m_frame->GetEventHandler()->ProcessEvent(event);
  return !event.GetSetEnabled() || event.GetEnabled();
}

void TreePaneTest::Click(COwnerListBox* list, int x, int y) {
  for (wxEventType type : {wxEVT_LEFT_DOWN, wxEVT_LEFT_UP}) {
    wxMouseEvent event(type);
    event.m_x = x;
    event.m_y = y;
    event.SetEventObject(list);
    list->GetEventHandler()->ProcessEvent(event);
  }
}

void TreePaneTest::Press(COwnerListBox* list, int wxKey, bool ctrl) {
  wxKeyEvent event(wxEVT_KEY_DOWN);
  event.m_keyCode = wxKey;
  event.m_controlDown = ctrl;
  event.SetEventObject(list);
  list->GetEventHandler()->ProcessEvent(event);
}

wxBitmap TreePaneTest::Render(COwnerListBox* list) {
  const wxSize size = list->GetClientSize();
  wxBitmap bitmap(size.GetWidth(), size.GetHeight(), 24);
  wxMemoryDC dc(bitmap);
  dc.SetBackground(*wxWHITE_BRUSH);
  dc.Clear();
  list->PaintRows(dc, wxRect(size));
  dc.SelectObject(wxNullBitmap);
  return bitmap;
}

std::vector<std::string> RowTitles(COwnerListBox* list) {
  std::vector<std::string> titles;
  for (int i = 0; i < list->GetCount(); ++i) {
    titles.push_back(StripTreeLineArt(list->GetItemDataPtr(i)->m_strTitle).str());
  }
  return titles;
}

}  // namespace treepane_test
