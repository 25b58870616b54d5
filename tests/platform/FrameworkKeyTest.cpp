// The key path: wx key codes as Windows virtual keys, and the main frame seeing every key first.
#include "tests/platform/FrameworkFixture.h"

namespace framework_test {
namespace {

TEST(VirtualKeysTest, WxKeyCodesMapToVirtualKeys) {
  const struct {
    int wx;
    UINT vk;
  } cases[] = {
      {'a', 'A'},           {'Z', 'Z'},          {'7', '7'},          {WXK_F1, VK_F1},
      {WXK_F12, 0x7B},      {WXK_NUMPAD5, 0x65}, {WXK_LEFT, VK_LEFT}, {WXK_DOWN, VK_DOWN},
      {WXK_RETURN, VK_RETURN}, {WXK_NUMPAD_ENTER, VK_RETURN}, {WXK_DELETE, VK_DELETE}, {WXK_INSERT, VK_INSERT},
      {WXK_BACK, VK_BACK},  {WXK_ESCAPE, VK_ESCAPE}, {WXK_PAGEUP, VK_PRIOR}, {WXK_NUMPAD_MULTIPLY, VK_MULTIPLY},
      {WXK_NUMPAD_HOME, VK_HOME}, {'@', 0xC0}, {':', 0xBA}, {'-', 0xBD}, {WXK_NONE, 0},
  };
  for (const auto& c : cases) EXPECT_EQ(VirtualKeyFromWx(c.wx), c.vk) << "wx key " << c.wx;
}

wxKeyEvent KeyDown(int code, bool ctrl, bool shift, bool alt) {
  wxKeyEvent event(wxEVT_CHAR_HOOK);
  event.m_keyCode = code;
  event.SetControlDown(ctrl);
  event.SetRawControlDown(ctrl);
  event.SetShiftDown(shift);
  event.SetAltDown(alt);
  return event;
}

TEST_F(FrameworkTest, MainFrameSeesKeysFirstAsVirtualKeysWithTheirModifiers) {
  wxKeyEvent plain = KeyDown('a', false, false, false);
  m_frame->GetEventHandler()->ProcessEvent(plain);
  wxKeyEvent ctrlShiftF5 = KeyDown(WXK_F5, true, true, false);
  m_frame->GetEventHandler()->ProcessEvent(ctrlShiftF5);
  ASSERT_EQ(m_frame->m_keys.size(), 2u);
  EXPECT_EQ(m_frame->m_keys[1].message, static_cast<UINT>(WM_KEYDOWN));
  EXPECT_EQ(m_frame->m_keys[1].wParam, 0x74u);
  EXPECT_TRUE(m_frame->m_ctrl);
  EXPECT_TRUE(m_frame->m_shift);
  EXPECT_EQ(m_frame->m_keys[0].wParam, static_cast<WPARAM>('A'));

  wxKeyEvent altX = KeyDown('x', false, false, true);
  m_frame->GetEventHandler()->ProcessEvent(altX);
  EXPECT_EQ(m_frame->m_keys[2].message, static_cast<UINT>(WM_SYSKEYDOWN));
  EXPECT_EQ(m_frame->m_keys[2].lParam & (LPARAM{1} << 29), LPARAM{1} << 29);
  EXPECT_FALSE(m_frame->m_ctrl);

  // Outside the dispatch the keyboard state is the real one again, with nothing held down.
  EXPECT_EQ(GetKeyState(VK_CONTROL) & 0x8000, 0);
}

TEST_F(FrameworkTest, AKeyTheFrameTakesGoesNoFurther) {
  wxKeyEvent passed = KeyDown('a', false, false, false);
  m_frame->GetEventHandler()->ProcessEvent(passed);
  EXPECT_TRUE(passed.GetSkipped());
  m_frame->m_consumeKeys = TRUE;
  wxKeyEvent taken = KeyDown('a', false, false, false);
  m_frame->GetEventHandler()->ProcessEvent(taken);
  EXPECT_FALSE(taken.GetSkipped());
}

TEST_F(FrameworkTest, MDISystemKeysCycleAndCloseChildren) {
  TestDoc* a = Open(MakeFile("a.tst", "alpha"));
  TestDoc* b = Open(MakeFile("b.tst", "beta"));
  wxKeyEvent ctrlF6 = KeyDown(WXK_F6, true, false, false);
  m_frame->GetEventHandler()->ProcessEvent(ctrlF6);
  EXPECT_FALSE(ctrlF6.GetSkipped());
  EXPECT_EQ(m_frame->MDIGetActive(), FrameOf(a));
  wxKeyEvent ctrlF4 = KeyDown(WXK_F4, true, false, false);
  m_frame->GetEventHandler()->ProcessEvent(ctrlF4);
  EXPECT_EQ(m_template->GetDocuments(), std::vector<CDocument*>{b});
  EXPECT_EQ(m_frame->MDIGetActive(), FrameOf(b));
}

}  // namespace
}  // namespace framework_test
