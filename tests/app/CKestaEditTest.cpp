#include <gtest/gtest.h>
#include <wx/frame.h>

#include "app/CKestaEdit.h"
#include "app/CKestavonApp.h"
#include "platform/desktop/InputMethod.h"
#include "tests/common/TestSupport.h"

namespace {

class KestaEditTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!kesta_test::HasGui()) GTEST_SKIP() << "no display";
    m_frame = new wxFrame(nullptr, wxID_ANY, "edit");
    m_edit = new CKestaEdit(m_frame, 103);
    m_edit->SetFont(wxFontInfo(13).FaceName("Noto Sans CJK JP"));
    m_context = ImmGetContext(m_edit);
    ImmSetOpenStatus(m_context, FALSE);
  }
  void TearDown() override {
    if (m_frame) m_frame->Destroy();
    if (m_context) ImmSetOpenStatus(m_context, FALSE);
  }
  void Focus(wxEventType type) {
    wxFocusEvent event(type, m_edit->GetId());
    event.SetEventObject(m_edit);
    m_edit->GetEventHandler()->ProcessEvent(event);
  }
  CKestavonApp m_app;
  wxFrame* m_frame = nullptr;
  CKestaEdit* m_edit = nullptr;
  HIMC m_context = nullptr;
};

TEST_F(KestaEditTest, OpensTheInputMethodWithItsFontWhileFocusedWhenTheOptionIsOn) {
  m_app.m_bIme = 1;
  Focus(wxEVT_SET_FOCUS);
  EXPECT_TRUE(ImmGetOpenStatus(m_context));
  LOGFONT font{};
  ASSERT_TRUE(ImmGetCompositionFont(m_context, &font));
  EXPECT_STREQ(font.lfFaceName, "Noto Sans CJK JP");
  Focus(wxEVT_KILL_FOCUS);
  EXPECT_FALSE(ImmGetOpenStatus(m_context));
}

TEST_F(KestaEditTest, LeavesTheUsersInputMethodStateAloneWhenTheOptionIsOff) {
  m_app.m_bIme = 0;
  ImmSetOpenStatus(m_context, TRUE);
  Focus(wxEVT_KILL_FOCUS);
  EXPECT_TRUE(ImmGetOpenStatus(m_context));
  ImmSetOpenStatus(m_context, FALSE);
  Focus(wxEVT_SET_FOCUS);
  EXPECT_FALSE(ImmGetOpenStatus(m_context));
}

}  // namespace
