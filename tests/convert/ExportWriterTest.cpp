// How the exports' text reaches the disk: line ends mended across the pieces a writer is given,
// and pages converted whole.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "convert/ExportWriter.h"
#include "platform/base/CodePage.h"

namespace {

// Line ends mended a byte at a time, as the rule reads: a CR waits for what follows it, and
// vanishes when that is an LF; every LF is written as CR LF.
std::string MendByteByByte(const std::vector<std::string_view>& pieces) {
  std::string out;
  size_t pendingCr = 0;
  for (const std::string_view piece : pieces) {
    for (const char ch : piece) {
      if (ch == '\r') {
        ++pendingCr;
      } else if (ch == '\n') {
        pendingCr = 0;
        out += "\r\n";
      } else {
        out.append(pendingCr, '\r');
        pendingCr = 0;
        out += ch;
      }
    }
  }
  out.append(pendingCr, '\r');
  return out;
}

TEST(ExportWriter, LineEndsAreMendedAlikeWhereverTheTextIsCut) {
  const char* texts[] = {"",           "a",           "\r",         "\n",         "\r\n",
                         "\r\r\n",     "a\rb",        "a\r",        "\n\n",       "x\r\r",
                         "表\r\nア\r", "\r\ra\r\n\r", "a\r\r\rb\n", "\r\n\r\n\r", "行1\n行2\r\n\r\n行3"};
  for (const std::string_view text : texts) {
    // Every cut into three pieces, empty pieces included.
    for (size_t i = 0; i <= text.size(); ++i) {
      for (size_t j = i; j <= text.size(); ++j) {
        const std::vector<std::string_view> pieces = {text.substr(0, i), text.substr(i, j - i), text.substr(j)};
        std::string out = "<";
        CLineEndMender mender;
        for (const std::string_view piece : pieces) mender.Append(out, piece);
        mender.Finish(out);
        ASSERT_EQ(out, "<" + MendByteByByte(pieces)) << text << " " << i << " " << j;
      }
    }
  }
}

TEST(ExportWriter, APageIsMendedThenConverted) {
  EXPECT_EQ(MakeDiskText("表\n\r\r\nx\r", false), "表\r\n\r\nx\r");
  EXPECT_EQ(MakeDiskText("表\n\r\r\nx\r", true), CP932ToUTF8("表\r\n\r\nx\r"));
}

}  // namespace
