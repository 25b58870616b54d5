#include <gtest/gtest.h>

#include "platform/com/Guid.h"

TEST(Guid, TextFormRoundTrips) {
  const GUID g = {0xE7EC570C, 0xC32F, 0x11D3, {0x8C, 0x8D, 0x00, 0xC0, 0x4F, 0xB6, 0x2B, 0x1B}};
  EXPECT_EQ(GuidToString(g), "{E7EC570C-C32F-11D3-8C8D-00C04FB62B1B}");
  GUID parsed;
  ASSERT_TRUE(GuidFromString("{e7ec570c-c32f-11d3-8c8d-00c04fb62b1b}", &parsed));
  EXPECT_EQ(parsed, g);
  ASSERT_TRUE(GuidFromString("E7EC570C-C32F-11D3-8C8D-00C04FB62B1B", &parsed));
  EXPECT_EQ(parsed, g);
}

TEST(Guid, RejectsMalformedText) {
  GUID parsed;
  for (const char* bad : {"", "{E7EC570C-C32F-11D3-8C8D-00C04FB62B1B", "{E7EC570C-C32F-11D3-8C8D00C04FB62B1B}",
                          "{E7EC570C-C32F-11D3-8C8D-00C04FB62B1G}", "{E7EC570C-C32F-11D3-8C8D-00C04FB62B1B}x",
                          "{E7EC570-CC32F-11D3-8C8D-00C04FB62B1B}"}) {
    EXPECT_FALSE(GuidFromString(bad, &parsed)) << bad;
  }
}
