#include "foundation/ShortBytes.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

// Every length around the word sizes, with one byte changed at every position and in both
// directions (high bytes included, which order as unsigned), agrees with the library's answers.
TEST(ShortBytes, AgreeWithTheLibraryAtEveryLengthAndPosition) {
  for (size_t length = 0; length <= 20; ++length) {
    std::string a;
    for (size_t k = 0; k < length; ++k) a += static_cast<char>(0x41 + k);
    EXPECT_TRUE(SameBytes(a, a)) << length;
    EXPECT_FALSE(BytesBefore(a, a)) << length;
    for (size_t at = 0; at < length; ++at) {
      for (const char changed : {'\x00', '\x7F', '\x80', '\xFF'}) {
        std::string b = a;
        b[at] = changed;
        EXPECT_FALSE(SameBytes(a, b)) << length << " " << at;
        EXPECT_EQ(BytesBefore(a, b), std::string_view(a) < std::string_view(b)) << length << " " << at;
        EXPECT_EQ(BytesBefore(b, a), std::string_view(b) < std::string_view(a)) << length << " " << at;
      }
    }
    // A prefix comes first and is never the same.
    const std::string longer = a + "\x01";
    EXPECT_FALSE(SameBytes(a, longer));
    EXPECT_TRUE(BytesBefore(a, longer));
    EXPECT_FALSE(BytesBefore(longer, a));
  }
}
