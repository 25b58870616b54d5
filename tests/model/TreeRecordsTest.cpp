#include <gtest/gtest.h>

#include <algorithm>

#include "model/ATREE.h"
#include "tests/model/ModelTestSupport.h"

using model_test::MakeModel;
using model_test::P;

TEST(TreeRecords, WritersCutRelativePaths) {
  auto m = MakeModel({{"R", ""}, {"R/A", "t"}, {"R/A/c", ""}, {"R/AB", ""}});
  const CString leaf = m->GetSubtreeRecords(2, FALSE);
  EXPECT_EQ(leaf, CString("c\x02\x04\x05" "0\x06" "0\x07" "1\x03" "0000000000000\x08"));
  EXPECT_EQ(m->GetChildRecords(2, FALSE), "");
  const CString children = m->GetChildRecords(1, FALSE);
  EXPECT_EQ(children, leaf);  // AB, though its title begins with A, is no child
  const std::string all = m->GetChildRecords(0, FALSE).str();
  EXPECT_EQ(all.find("R\x01"), std::string::npos);
  EXPECT_EQ(std::count(all.begin(), all.end(), '\x08'), 3);
}

TEST(TreeRecords, RoundTripDuplicatesSubtreeWithIdentifiers) {
  auto m = MakeModel({{"R", ""}, {"R/B", "bt"}, {"R/B/c", "ct\r\n2"}, {"R/D", ""}});
  CDirData* c = m->EditDirData(2);
  c->m_nIdHigh = 0x123456;
  c->m_nIdLow = 0x654321;
  c->m_nStatus = 0x2A0003;  // category 42, check, strike
  c->m_nBookmark = 1;
  c->m_strLink = "http://x";
  c->SetUpdateTime(COleDateTime(2021, 5, 6, 7, 8, 9));
  CString records = m->GetSubtreeRecords(1, TRUE);
  EXPECT_EQ(m->InsertTreeRecords(1, records, TRUE), 3);
  EXPECT_TRUE(records.IsEmpty());
  ASSERT_EQ(m->GetDirDataCount(), 6);
  for (int k = 0; k < 2; ++k) {
    const CDirData* a = m->GetDirData(1 + k);
    const CDirData* b = m->GetDirData(3 + k);
    EXPECT_EQ(a->m_strPath, b->m_strPath);
    EXPECT_EQ(a->m_strText, b->m_strText);
    EXPECT_EQ(a->m_strLink, b->m_strLink);
    EXPECT_EQ(a->m_nStatus, b->m_nStatus);
    EXPECT_EQ(a->m_nBookmark, b->m_nBookmark);
    EXPECT_EQ(a->GetIdText(TRUE), b->GetIdText(TRUE));
  }
}

TEST(TreeRecords, ReadersEdgeCases) {
  auto m = MakeModel({{"R", ""}, {"R/p", ""}});
  CString empty;
  EXPECT_EQ(m->PasteTreeRecords(1, empty, FALSE), -1);
  EXPECT_EQ(m->InsertTreeRecords(1, empty, TRUE), 2);
  EXPECT_EQ(m->GetDirDataCount(), 2);

  CString two("x\x02\x04\x05" "7\x06" "1\x07" "1\x03\x08" "x\x01y\x02L\x04T\x05" "0\x06" "0\x07" "1\x03\x08");
  EXPECT_EQ(m->PasteTreeRecords(1, two, TRUE), 2);
  EXPECT_EQ(m->GetDirData(2)->m_strPath, P("R/p/x"));
  EXPECT_EQ(m->GetDirData(2)->m_nStatus, 7);
  EXPECT_EQ(m->GetDirData(2)->m_strText, "");
  EXPECT_EQ(m->GetDirData(3)->m_strPath, P("R/p/x/y"));
  EXPECT_EQ(m->GetDirData(3)->m_strLink, "L");
  EXPECT_EQ(m->GetDirData(3)->m_nView, 0);  // fold flag

  CString broken("z\x02\x04\x05" "0\x06" "0\x07" "1\x03\x08" "rest-without-end");
  EXPECT_EQ(m->InsertTreeRecords(1, broken, FALSE), -1);
  EXPECT_EQ(broken, "rest-without-end");
  EXPECT_EQ(m->GetDirData(1)->m_strPath, P("R/z"));
}

TEST(TreeRecords, ControlBytesInTextSurviveAMove) {
  auto m = MakeModel({{"R", ""}, {"R/a", ""}, {"R/b", ""}});
  CString title("t\x03itle"), text("x\x02y\x03z\x04\x05\x06\x07\x08!");
  const int i = m->InsertTree(1, title, "li\x05nk", text, 0, 0, 1, nullptr, TRUE);
  EXPECT_EQ(m->GetText(i), "xyz!");
  EXPECT_EQ(m->GetLink(i), "link");
  EXPECT_EQ(m->GetName(i), "title");
  m->EditDirData(3)->m_strText = "p\x02q\x08r";  // set directly, as a file reader might
  // A move is copy then delete: nothing of the items may be lost or cut.
  CString records = m->GetSubtreeRecords(1, TRUE);
  m->InsertTreeRecords(3, records, TRUE);
  m->DeleteTree(1);
  records = m->GetSubtreeRecords(1, TRUE);
  m->InsertTreeRecords(2, records, TRUE);
  m->DeleteTree(1);
  ASSERT_EQ(m->GetDirDataCount(), 4);
  EXPECT_EQ(m->GetDirData(2)->m_strPath, P("R/a/title"));
  EXPECT_EQ(m->GetDirData(2)->m_strText, "xyz!");
  EXPECT_EQ(m->GetDirData(2)->m_strLink, "link");
  EXPECT_EQ(m->GetDirData(3)->m_strPath, P("R/b"));
  EXPECT_EQ(m->GetDirData(3)->m_strText, "pqr");
}
