#include "foundation/ImageSize.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/common/TestSupport.h"

namespace {

using kesta_test::FixturePath;
using kesta_test::MakeTempDir;
using kesta_test::ReadBytes;
using kesta_test::WriteBytes;

void ExpectSize(LONG cx, LONG cy, const SIZE& size, const std::string& what) {
  EXPECT_EQ(cx, size.cx) << what;
  EXPECT_EQ(cy, size.cy) << what;
}

TEST(ImageSize, ReadsPngGifAndProgressiveJpeg) {
  ExpectSize(640, 480, GetImageSize(FixturePath("foundation/blue640x480.png").c_str()), "png");
  ExpectSize(16, 16, GetImageSize(FixturePath("foundation/gif16x16.gif").c_str()), "gif");
  ExpectSize(33, 17, GetImageSize(FixturePath("foundation/progressive33x17.jpg").c_str()), "jpeg");
}

TEST(ImageSize, RelativePathIsTakenFromTheBaseFilesFolder) {
  const std::string base = FixturePath("foundation/outline.kvn");
  ExpectSize(640, 480, GetImageSize("blue640x480.png", base.c_str()), "relative");
  ExpectSize(640, 480, GetImageSize("..\\foundation\\blue640x480.png", base.c_str()), "backslashes");
  ExpectSize(640, 480, GetImageSize(FixturePath("foundation/blue640x480.png").c_str(), "/elsewhere/x.kvn"),
             "absolute path ignores the base");
}

TEST(ImageSize, EveryTruncatedJpegGivesZeroOrItsSize) {
  const std::string jpeg = ReadBytes(FixturePath("foundation/progressive33x17.jpg"));
  const size_t sof = jpeg.find("\xFF\xC2");
  ASSERT_NE(std::string::npos, sof);
  const std::string dir = MakeTempDir("jpeg");
  for (size_t length = 0; length < jpeg.size(); ++length) {
    const std::string path = dir + "/cut.jpg";
    WriteBytes(path, jpeg.substr(0, length));
    const SIZE size = GetImageSize(path.c_str());
    if (length < sof + 9) {
      ExpectSize(0, 0, size, "cut at " + std::to_string(length));
    } else {
      ExpectSize(33, 17, size, "cut at " + std::to_string(length));
    }
  }
}

TEST(ImageSize, UnreadableCases) {
  const std::string dir = MakeTempDir("images");
  const auto sizeOf = [&](const std::string& name, const std::string& bytes) {
    WriteBytes(dir + "/" + name, bytes);
    return GetImageSize((dir + "/" + name).c_str());
  };
  // A lossless-arithmetic frame (C5 and later) is not read; the scan start ends the search.
  ExpectSize(0, 0, sizeOf("c5.jpg", std::string("\xFF\xD8\xFF\xC5\x00\x0B\x08\x00\x10\x00\x10\x01\x01\x11\x00\xFF\xDA", 17)),
             "C5");
  ExpectSize(0, 0, sizeOf("short.jpg", std::string("\xFF\xD8\xFF\xE0\x00\x01", 6)), "segment length below 2");
  ExpectSize(0, 0, sizeOf("huge.jpg", std::string("\xFF\xD8\xFF\xE0\xFF\xFF\x00", 7)), "segment past the end");
  ExpectSize(0, 0, sizeOf("notjpeg.jpg", "GIF89a"), "no start marker");
  ExpectSize(0, 0, sizeOf("short.gif", "GIF89a\x10"), "short gif");
  ExpectSize(0, 0, sizeOf("short.png", "\x89PNG\r\n\x1a\n"), "short png");
  ExpectSize(0, 0, sizeOf("any.bmp", std::string(64, 'B')), "bmp");
  ExpectSize(0, 0, GetImageSize((dir + "/missing.png").c_str()), "missing file");
  ExpectSize(0, 0, GetImageSize("http://example.invalid/a.png"), "url");
}

TEST(ImageSize, TypesAndPathKinds) {
  for (const char* path : {"a.jpg", "b.JPEG", "c.Gif", "d.bmp", "e.png", "dir.x/f.PNG"}) EXPECT_TRUE(IsImageFile(path)) << path;
  for (const char* path : {"a.tif", "jpg", "a.png.txt", "a."}) EXPECT_FALSE(IsImageFile(path)) << path;
  EXPECT_TRUE(IsUrl("https://x/y"));
  EXPECT_FALSE(IsUrl("c:/x"));
  EXPECT_TRUE(IsLocalAbsolutePath("C:\\img\\a.png"));
  EXPECT_TRUE(IsLocalAbsolutePath("/home/a.png"));
  EXPECT_FALSE(IsLocalAbsolutePath("img/a.png"));
  EXPECT_FALSE(IsLocalAbsolutePath("file:///a.png"));
}

}  // namespace
