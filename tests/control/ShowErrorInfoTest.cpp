#include <gtest/gtest.h>

#include "control/window/ShowErrorInfo.h"
#include "platform/com/ErrorInfo.h"
#include "platform/com/Guid.h"
#include "platform/desktop/MessageBox.h"

namespace {

void LeaveError(const char16_t* description) {
  ICreateErrorInfo* create = nullptr;
  ASSERT_EQ(CreateErrorInfo(&create), S_OK);
  create->SetDescription(const_cast<LPOLESTR>(description));
  IErrorInfo* info = nullptr;
  ASSERT_EQ(create->QueryInterface(IID_IErrorInfo, reinterpret_cast<void**>(&info)), S_OK);
  SetErrorInfo(0, info);
  info->Release();
  create->Release();
}

}  // namespace

TEST(ShowErrorInfo, ShowsTheDescriptionOnceInShiftJis) {
  ScopedMessageBoxHook hook(IDOK);
  LeaveError(u"値が正しくありません");
  ShowErrorInfo(nullptr);
  ShowErrorInfo(nullptr);  // the information was taken by the first box
  ASSERT_EQ(hook.Calls().size(), 1u);
  EXPECT_EQ(hook.Calls()[0].text, CString("値が正しくありません"));
  EXPECT_EQ(hook.Calls()[0].caption, CString("Error"));
  EXPECT_EQ(hook.Calls()[0].flags, MB_OK | MB_ICONEXCLAMATION);
}
