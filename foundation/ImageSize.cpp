#include "foundation/ImageSize.h"

#include <cstdio>
#include <filesystem>
#include <memory>

#include "platform/base/CodePage.h"
#include "platform/base/RegularFile.h"

namespace {

enum ImageType { IMAGE_NONE = -1, IMAGE_BMP = 0, IMAGE_GIF = 1, IMAGE_JPEG = 2, IMAGE_PNG = 3 };

int GetImageType(const CString& path) {
  const int dot = path.ReverseFind('.');
  if (dot < 0) return IMAGE_NONE;
  CString ext = path.Mid(dot + 1);
  ext.MakeLower();
  if (ext == "bmp") return IMAGE_BMP;
  if (ext == "gif") return IMAGE_GIF;
  if (ext == "jpg" || ext == "jpeg") return IMAGE_JPEG;
  if (ext == "png") return IMAGE_PNG;
  return IMAGE_NONE;
}

struct FileCloser {
  void operator()(FILE* fp) const { std::fclose(fp); }
};
using FilePtr = std::unique_ptr<FILE, FileCloser>;

// Every read is checked against the end of the file: a header cut short gives (0, 0), never
// bytes that were not there.
class ImageReader {
 public:
  explicit ImageReader(FILE* fp) : m_fp(fp) {
    if (std::fseek(fp, 0, SEEK_END) == 0) m_size = std::ftell(fp);
    std::rewind(fp);
  }

  int Byte() { return std::getc(m_fp); }
  bool Read(unsigned char* buffer, size_t count) { return std::fread(buffer, 1, count, m_fp) == count; }
  // 16-bit big-endian value, or -1 past the end.
  long Word() {
    const int hi = Byte();
    const int lo = Byte();
    return hi == EOF || lo == EOF ? -1 : (hi << 8) | lo;
  }
  bool Skip(long count) {
    const long at = std::ftell(m_fp);
    if (at < 0 || count > m_size - at) return false;
    return std::fseek(m_fp, count, SEEK_CUR) == 0;
  }

 private:
  FILE* m_fp;
  long m_size = 0;
};

SIZE ReadGifSize(ImageReader& reader) {
  unsigned char header[10];
  if (!reader.Read(header, sizeof header)) return {};
  return {header[6] | (header[7] << 8), header[8] | (header[9] << 8)};
}

SIZE ReadPngSize(ImageReader& reader) {
  unsigned char header[24];
  if (!reader.Read(header, sizeof header)) return {};
  const auto be32 = [&](int at) {
    return (static_cast<unsigned long>(header[at]) << 24) | (static_cast<unsigned long>(header[at + 1]) << 16) |
           (static_cast<unsigned long>(header[at + 2]) << 8) | header[at + 3];
  };
  const unsigned long width = be32(16), height = be32(20);
  if (width > 0x7FFFFFFFUL || height > 0x7FFFFFFFUL) return {};  // not a valid PNG size
  return {static_cast<LONG>(width), static_cast<LONG>(height)};
}

// Walks the marker segments up to the first baseline, extended, progressive or lossless frame
// header; the scan start or the end of the file ends the search without a size.
SIZE ReadJpegSize(ImageReader& reader) {
  if (reader.Byte() != 0xFF || reader.Byte() != 0xD8) return {};
  while (true) {
    int marker = reader.Byte();
    while (marker != EOF && marker != 0xFF) marker = reader.Byte();
    while (marker == 0xFF) marker = reader.Byte();
    if (marker == EOF || marker == 0xDA) return {};
    if (marker >= 0xC0 && marker <= 0xC3) {
      if (!reader.Skip(3)) return {};
      const long height = reader.Word();
      const long width = reader.Word();
      if (height < 0 || width < 0) return {};
      return {static_cast<LONG>(width), static_cast<LONG>(height)};
    }
    const long length = reader.Word();
    if (length < 2 || !reader.Skip(length - 2)) return {};
  }
}

CString ResolveAgainst(const CString& baseFilePath, const CString& path) {
  CString relative = path;
  relative.Replace('\\', '/');
  const std::filesystem::path folder = std::filesystem::path(CP932ToUTF8(baseFilePath.str())).parent_path();
  return UTF8ToCP932((folder / CP932ToUTF8(relative.str())).lexically_normal().string());
}

}  // namespace

BOOL IsImageFile(const CString& path) { return GetImageType(path) != IMAGE_NONE; }

BOOL IsUrl(const CString& path) { return path.Find("://") >= 0; }

BOOL IsLocalAbsolutePath(const CString& path) {
  return !IsUrl(path) && (path.Find(':') >= 0 || path.Left(1) == "/");
}

SIZE GetImageSize(const CString& imgPath, const CString& baseFilePath) {
  if (IsUrl(imgPath)) return {};
  const int type = GetImageType(imgPath);
  if (type == IMAGE_NONE || type == IMAGE_BMP) return {};
  const CString path =
      baseFilePath.IsEmpty() || IsLocalAbsolutePath(imgPath) ? imgPath : ResolveAgainst(baseFilePath, imgPath);
  FilePtr fp(OpenRegularFileStream(path));
  if (!fp) return {};
  ImageReader reader(fp.get());
  switch (type) {
    case IMAGE_GIF:
      return ReadGifSize(reader);
    case IMAGE_PNG:
      return ReadPngSize(reader);
    default:
      return ReadJpegSize(reader);
  }
}
