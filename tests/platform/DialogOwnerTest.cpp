// A dialog opened now belongs to the newest window that waits for the user: a modal dialog that is
// shown, or a job window while its job runs; and a message box without a parent goes to it.
#include <gtest/gtest.h>
#include <wx/dialog.h>
#include <wx/frame.h>

#include "platform/desktop/DialogOwner.h"
#include "platform/desktop/MessageBox.h"
#include "tests/common/TestSupport.h"

TEST(DialogOwner, TheNewestShownModalDialogOrRunningJobWindowOwnsWhatOpensNext) {
  if (!kesta_test::HasGui()) GTEST_SKIP() << "needs a display";
  auto* frame = new wxFrame(nullptr, wxID_ANY, "main");
  frame->Show();
  EXPECT_EQ(NewestDialogOwner(), nullptr);
  auto* progress = new wxDialog(frame, wxID_ANY, "progress");
  progress->Show();
  EXPECT_EQ(NewestDialogOwner(), nullptr) << "a modeless window owns nothing without a job";
  {
    ScopedJobWindow job(progress);
    EXPECT_EQ(NewestDialogOwner(), progress);
    ScopedMessageBoxHook boxes;
    AfxMessageBox("job");
    wxWindow* ownerInModal = nullptr;
    wxDialog prompt(progress, wxID_ANY, "prompt");
    prompt.CallAfter([&] {
      ownerInModal = NewestDialogOwner();
      AfxMessageBox("prompt");
      prompt.EndModal(wxID_OK);
    });
    prompt.ShowModal();
    EXPECT_EQ(ownerInModal, &prompt);
    ASSERT_EQ(boxes.Calls().size(), 2u);
    EXPECT_EQ(boxes.Calls()[0].parent, progress);
    EXPECT_EQ(boxes.Calls()[1].parent, &prompt);
    EXPECT_EQ(NewestDialogOwner(), progress) << "a closed modal dialog waits no more";
    progress->Hide();
    EXPECT_EQ(NewestDialogOwner(), nullptr);
    progress->Show();
    progress->Destroy();  // the user closed it while the job runs
    EXPECT_EQ(NewestDialogOwner(), nullptr);
  }
  EXPECT_EQ(NewestDialogOwner(), nullptr);
  frame->Destroy();
}
