// Documents, views and templates: opening through the template, titles, the modified mark, view
// updates and the save-modified prompt.
#include "tests/platform/FrameworkFixture.h"

namespace framework_test {
namespace {

TEST_F(FrameworkTest, TwoDocumentsOpenInTheirOwnFramesAndTheLastIsActive) {
  TestDoc* a = Open(MakeFile("a.tst", "alpha"));
  TestDoc* b = Open(MakeFile("b.tst", "beta"));
  ASSERT_TRUE(a && b);
  EXPECT_EQ(a->m_text, "alpha");
  EXPECT_EQ(std::string(a->GetTitle()), "a.tst");
  EXPECT_EQ(std::string(b->GetPathName()), m_dir + "/b.tst");
  EXPECT_EQ(m_frame->GetMDIChildren().size(), 2u);
  EXPECT_EQ(m_frame->MDIGetActive(), FrameOf(b));
  EXPECT_EQ(m_frame->GetActiveDocument(), b);
  EXPECT_EQ(m_frame->GetActiveView(), ViewOf(b));
  EXPECT_EQ(ViewOf(a)->GetDocument(), a);
  EXPECT_EQ(ViewOf(a)->m_initialUpdates, 1);
  EXPECT_EQ(m_template->GetDocuments().size(), 2u);

  // Opening a file that is open already brings its window forward instead.
  EXPECT_EQ(Open(m_dir + "/a.tst"), a);
  EXPECT_EQ(m_frame->GetMDIChildren().size(), 2u);
  EXPECT_EQ(m_frame->MDIGetActive(), FrameOf(a));
  EXPECT_EQ(ViewOf(a)->m_initialUpdates, 1);
}

TEST_F(FrameworkTest, NewDocumentsAreNumberedAfterTheTemplate) {
  CDocument* first = m_template->OpenDocumentFile(nullptr);
  CDocument* second = m_template->OpenDocumentFile(nullptr);
  ASSERT_TRUE(first && second);
  EXPECT_EQ(std::string(first->GetTitle()), "Test1");
  EXPECT_EQ(std::string(second->GetTitle()), "Test2");
  EXPECT_TRUE(first->GetPathName().IsEmpty());
  CString text;
  FrameOf(second)->GetWindowText(text);
  EXPECT_EQ(std::string(text), "Test2");
}

TEST_F(FrameworkTest, AFileThatFailsToOpenLeavesNoWindowAndNoDocument) {
  EXPECT_EQ(Open(m_dir + "/missing.tst"), nullptr);
  EXPECT_TRUE(m_frame->GetMDIChildren().empty());
  EXPECT_TRUE(m_template->GetDocuments().empty());
}

TEST_F(FrameworkTest, ModifiedTitleCarriesOneStarInDocumentChildAndMainFrame) {
  TestDoc* a = Open(MakeFile("a.tst", "alpha"));
  ASSERT_TRUE(a);
  a->SetModifiedFlag(TRUE);
  a->SetModifiedFlag(TRUE);
  EXPECT_EQ(std::string(a->GetTitle()), "a.tst*");
  CString child;
  FrameOf(a)->GetWindowText(child);
  EXPECT_EQ(std::string(child), "a.tst*");
  CString main;
  m_frame->GetWindowText(main);
  EXPECT_EQ(std::string(main), "TestApp - a.tst*");
  a->SetModifiedFlag(FALSE);
  EXPECT_EQ(std::string(a->GetTitle()), "a.tst");
  EXPECT_FALSE(a->IsModified());
}

TEST_F(FrameworkTest, SecondFrameOfADocumentNumbersBothTitles) {
  TestDoc* a = Open(MakeFile("a.tst", "alpha"));
  ASSERT_TRUE(a);
  CFrameWnd* second = OpenSecondFrame(a);
  ASSERT_TRUE(second);
  CString one, two;
  FrameOf(a)->GetWindowText(one);
  second->GetWindowText(two);
  EXPECT_EQ(std::string(one), "a.tst:1");
  EXPECT_EQ(std::string(two), "a.tst:2");
  // Closing one of the two frames keeps the document and asks nothing.
  a->SetModifiedFlag(TRUE);
  PromptAnswers answers({});
  second->GetFrameWindow()->Close();
  EXPECT_TRUE(answers.Asked().empty());
  ASSERT_EQ(m_template->GetDocuments().size(), 1u);
  FrameOf(a)->GetWindowText(one);
  EXPECT_EQ(std::string(one), "a.tst*");
}

TEST_F(FrameworkTest, UpdateAllViewsSkipsTheSenderAndPassesTheHint) {
  TestDoc* a = Open(MakeFile("a.tst", "alpha"));
  ASSERT_TRUE(a);
  CFrameWnd* second = OpenSecondFrame(a);
  ASSERT_TRUE(second);
  TestView* first = static_cast<TestView*>(a->GetViews()[0]);
  TestView* other = static_cast<TestView*>(a->GetViews()[1]);
  first->m_hints.clear();
  other->m_hints.clear();
  CObject hintObject;
  a->UpdateAllViews(first, 7, &hintObject);
  EXPECT_TRUE(first->m_hints.empty());
  EXPECT_EQ(other->m_hints, std::vector<LPARAM>{7});
  EXPECT_EQ(other->m_lastSender, first);
  EXPECT_EQ(other->m_lastObject, &hintObject);
}

TEST_F(FrameworkTest, SaveModifiedAsksAndActsOnTheAnswer) {
  const std::string path = MakeFile("a.tst", "old");
  TestDoc* a = Open(path);
  ASSERT_TRUE(a);
  EXPECT_TRUE(a->SaveModified());  // unmodified: nothing to ask

  a->m_text = "new";
  a->SetModifiedFlag(TRUE);
  {
    PromptAnswers answers({IDCANCEL, IDNO});
    EXPECT_FALSE(a->SaveModified());
    EXPECT_TRUE(a->SaveModified());
    ASSERT_EQ(answers.Asked().size(), 2u);
    EXPECT_NE(answers.Asked()[0].find("a.tst"), std::string::npos);
    EXPECT_EQ(answers.Asked()[0].find('*'), std::string::npos);
  }
  EXPECT_EQ(kesta_test::ReadBytes(path), "old");
  EXPECT_TRUE(a->IsModified());
  {
    PromptAnswers answers({IDYES});
    EXPECT_TRUE(a->SaveModified());
  }
  EXPECT_EQ(kesta_test::ReadBytes(path), "new");
  EXPECT_FALSE(a->IsModified());
  EXPECT_EQ(std::string(a->GetTitle()), "a.tst");
}

TEST_F(FrameworkTest, ClosingAChildFrameAsksForItsModifiedDocument) {
  TestDoc* a = Open(MakeFile("a.tst", "alpha"));
  TestDoc* b = Open(MakeFile("b.tst", "beta"));
  ASSERT_TRUE(a && b);
  b->SetModifiedFlag(TRUE);
  {
    PromptAnswers answers({IDCANCEL});
    FrameOf(b)->Close();
    EXPECT_EQ(answers.Asked().size(), 1u);
  }
  EXPECT_EQ(m_frame->GetMDIChildren().size(), 2u);
  EXPECT_EQ(m_template->GetDocuments().size(), 2u);
  {
    PromptAnswers answers({IDNO});
    FrameOf(b)->Close();
  }
  EXPECT_EQ(m_template->GetDocuments(), std::vector<CDocument*>{a});
  ASSERT_EQ(m_frame->GetMDIChildren().size(), 1u);
  EXPECT_EQ(m_frame->MDIGetActive(), FrameOf(a));
  EXPECT_EQ(m_frame->GetActiveDocument(), a);
}

TEST_F(FrameworkTest, CancelledPromptKeepsTheMainFrameAndItsDocuments) {
  TestDoc* a = Open(MakeFile("a.tst", "alpha"));
  ASSERT_TRUE(a);
  a->SetModifiedFlag(TRUE);
  {
    PromptAnswers answers({IDCANCEL});
    EXPECT_FALSE(m_frame->Close());
  }
  EXPECT_EQ(m_template->GetDocuments().size(), 1u);
  EXPECT_EQ(m_app->m_pMainWnd, m_frame);
  {
    PromptAnswers answers({IDNO});
    EXPECT_TRUE(m_frame->Close());
  }
  EXPECT_TRUE(m_template->GetDocuments().empty());
}

TEST_F(FrameworkTest, FileCloseCommandClosesTheActiveDocument) {
  TestDoc* a = Open(MakeFile("a.tst", "alpha"));
  Open(MakeFile("b.tst", "beta"));
  Command(ID_FILE_CLOSE);
  EXPECT_EQ(m_template->GetDocuments(), std::vector<CDocument*>{a});
  EXPECT_EQ(m_frame->MDIGetActive(), FrameOf(a));
}

}  // namespace
}  // namespace framework_test
