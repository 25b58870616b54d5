// The native outline file: a header block between two 0x08 lines, then one item line per item
// (fields marked by the bytes 0x02 and 0x05-0x08, 0x04 for the times) and each text between two
// 0x04 lines. Every line ends in CR LF on disk, as a text-mode write puts LF there; a text's own
// CR LF therefore stands as CR CR LF.
#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/CTextFile.h"
#include "model/ATREE.h"
#include "model/KvnCrypt.h"
#include "model/KvnFileLines.h"
#include "model/KvnDiskText.h"
#include "platform/base/TextModeFile.h"
#include "platform/desktop/MessageBox.h"

namespace {

constexpr char kHeaderMark = '\x08';
constexpr char kTextMark = '\x04';
constexpr char kCannotOpen[] = "ファイルを開けません（ケスタボンのファイルではない可能性があります）：";
constexpr char kCannotWrite[] = "保存先ファイルが開けません";
// A save hands the file on in blocks of this size: few writes, and memory for one block only.
constexpr size_t kWriteBlock = 4 << 20;

// The item line's marked fields; a field runs from its mark to the next mark (or the line's end).
// Only the first of a repeated mark counts: a later one stays inside the field before it.
struct ItemLine {
  std::string_view path;
  std::string_view fields[6];
  bool present[6] = {};

  // The field index of each mark byte (0x02, 0x05, 0x06, 0x07, 0x08, 0x04), -1 for other bytes.
  static int FieldOf(unsigned char c) {
    static constexpr signed char kField[9] = {-1, -1, 0, -1, 5, 1, 2, 3, 4};
    return c < 9 ? kField[c] : -1;
  }

  // The first byte at or after i in 0x02-0x08, or the line's end. Titles and digits are long runs
  // without one: sixteen bytes are tested at once, as one vector whose mark bytes become 0xFF.
  static size_t NextMarkByte(std::string_view line, size_t i) {
    using Bytes = unsigned char __attribute__((vector_size(16)));
    constexpr Bytes kFirstMark = {2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2};
    constexpr Bytes kMarkSpan = {6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6};
    for (; i + sizeof(Bytes) <= line.size(); i += sizeof(Bytes)) {
      Bytes bytes;
      std::memcpy(&bytes, line.data() + i, sizeof bytes);
      const auto marks = (bytes - kFirstMark) <= kMarkSpan;
      std::uint64_t half[2];  // the lower address in the lower bits
      static_assert(std::endian::native == std::endian::little);
      std::memcpy(half, &marks, sizeof half);
      if (half[0] != 0) return i + static_cast<size_t>(std::countr_zero(half[0])) / 8;
      if (half[1] != 0) return i + 8 + static_cast<size_t>(std::countr_zero(half[1])) / 8;
    }
    const auto* p = reinterpret_cast<const unsigned char*>(line.data());
    while (i < line.size() && static_cast<unsigned char>(p[i] - 2) > 6) ++i;
    return i;
  }

  explicit ItemLine(std::string_view line) {
    size_t at[6];
    int found = 0;
    for (size_t i = NextMarkByte(line, 0); i < line.size() && found < 6; i = NextMarkByte(line, i + 1)) {
      const int m = FieldOf(static_cast<unsigned char>(line[i]));
      if (m < 0 || present[m]) continue;
      present[m] = true;
      at[m] = i;
      ++found;
    }
    size_t first = line.size();
    for (int m = 0; m < 6; ++m) {
      if (present[m]) first = std::min(first, at[m]);
    }
    path = line.substr(0, first);
    for (int m = 0; m < 6; ++m) {
      if (!present[m]) continue;
      size_t stop = line.size();
      for (int o = 0; o < 6; ++o) {
        if (present[o] && at[o] > at[m]) stop = std::min(stop, at[o]);
      }
      fields[m] = line.substr(at[m] + 1, stop - at[m] - 1);
    }
  }
};

// A zero byte (from a file made elsewhere) would cut a title or value short wherever the text
// later passes as a C string; it reads as a space, as the editing control shows it.
void SpacesForZeroBytes(char* p, char* end) {
  while ((p = static_cast<char*>(std::memchr(p, '\0', static_cast<size_t>(end - p)))) != nullptr) *p++ = ' ';
}

// The line with spaces for its zero bytes; it is copied only when it has one.
std::string_view WithSpacesForZeroBytes(std::string_view line, std::string& copy) {
  if (std::memchr(line.data(), '\0', line.size()) == nullptr) return line;
  copy.assign(line);
  SpacesForZeroBytes(copy.data(), copy.data() + copy.size());
  return copy;
}

// A line of a text loses all its trailing CR and LF bytes; it gets one CR LF again.
std::string_view WithoutLineEnds(std::string_view line) {
  while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.remove_suffix(1);
  return line;
}

// A line outside the texts ends in LF alone (its CR LF made LF, as text mode reads it).
std::string_view WithoutLineEnd(std::string_view line) {
  if (line.ends_with("\r\n")) return line.substr(0, line.size() - 2);
  if (line.ends_with('\n')) return line.substr(0, line.size() - 1);
  return line;
}

CString FileTitleOf(const char* path) {
  CString name(path);
  const int slash = std::max(static_cast<int>(name.str().rfind('/')), static_cast<int>(name.str().rfind('\\')));
  if (slash >= 0) name = name.Mid(slash + 1);
  const int dot = static_cast<int>(name.str().rfind('.'));
  if (dot >= 0) name = name.Left(dot);
  return name;
}

// The marks must not start a text line: the reader would take them for block marks.
bool HasBlockMarks(std::string_view text) {
  return std::memchr(text.data(), kTextMark, text.size()) != nullptr ||
         std::memchr(text.data(), kHeaderMark, text.size()) != nullptr;
}

void EraseBlockMarks(std::string& text) {
  std::erase_if(text, [](char c) { return c == kTextMark || c == kHeaderMark; });
}

// A text between its two mark lines, ending with a line end whether or not it had one.
void AppendTextBlock(std::string& out, std::string_view text) {
  out += "\x04\r\n";
  // Each LF goes to the disk as CR LF, so a text's own CR LF gains a CR: the reader drops both.
  TextModeFile::AppendDiskText(out, text);
  if (!text.ends_with("\r\n")) out += "\r\n";
  out += "\x04\r\n";
}

// The item line up to its marks: path, link, status, view and bookmark.
void AppendPathAndMarks(std::string& out, std::string_view path, const CDirData& item) {
  AppendWithoutMarks(out, path);
  if (!item.m_strLink.IsEmpty()) {
    out += '\x02';
    AppendWithoutMarks(out, item.m_strLink.str());
  }
  out += '\x05';
  AppendDecimal(out, item.m_nStatus);
  out += '\x06';
  AppendDecimal(out, item.m_nView);
  out += '\x07';
  AppendDecimal(out, item.m_nBookmark);
}

// A line quoted in a message: its field marks and other control bytes would show as empty boxes,
// so each is written as its code ("<05>"). Shift JIS trail bytes are never below 0x40.
CString VisibleText(std::string_view text) {
  CString shown;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F)
      shown.AppendFormat("<%02X>", byte);
    else
      shown += c;
  }
  return shown;
}

// The lines of the native file made into items, one line at a time: the header block's key lines
// go to the header sink, item lines become items and the text blocks after them their texts.
// Reading stops at the first faulty item line, whose messages are kept for the caller to show.
class ItemLines {
 public:
  using HeaderSink = std::function<void(const CString& key, const CString& value)>;

  explicit ItemLines(HeaderSink header) : m_header(std::move(header)) {}

  // False when reading must stop.
  bool Read(std::string_view raw) {
    const int lineNumber = m_nLine++;
    ++linesRead;
    if (m_bInText && !m_bInHeader && raw[0] != kHeaderMark && raw[0] != kTextMark) {
      m_text += WithoutLineEnds(raw);
      m_text += "\r\n";
      return true;
    }
    EndText();
    raw = WithSpacesForZeroBytes(raw, m_copy);
    if (raw[0] == kHeaderMark) {
      m_bInHeader = !m_bInHeader;
      return true;
    }
    if (raw[0] == kTextMark) {
      m_bInText = !m_bInText;
      valid = true;
      return true;
    }
    if (m_bInHeader) {
      std::string line(m_bInText ? WithoutLineEnds(raw) : WithoutLineEnd(raw));
      if (m_bInText) line += '\r';
      const size_t eq = line.find('=');
      const CString key = eq == std::string::npos ? CString() : CString(line.substr(0, eq));
      const CString value = eq == std::string::npos ? CString(line) : CString(line.substr(eq + 1));
      m_header(key, value);
      return true;
    }
    return ReadItem(raw, lineNumber);
  }

  void Finish() { EndText(); }

  std::vector<std::unique_ptr<CDirData>> items;
  std::vector<int> lines;  // the line each item stood on
  std::vector<CString> messages;  // of the faulty line that stopped reading
  bool valid = false;             // after the last line read: an item or text mark was read, and no fault
  int linesRead = 0;

 private:
  bool ReadItem(std::string_view raw, int lineNumber) {
    items.push_back(std::make_unique<CDirData>());
    lines.push_back(lineNumber);
    CDirData* item = items.back().get();
    m_last = item;
    const std::string_view whole = WithoutLineEnd(raw);
    const ItemLine fields(whole);
    static const char* const errors[] = {"Error:status", "Error:view", "Error:bookmark", "Error:general",
                                         "Error:time"};
    for (int m = 1; m < 6; ++m) {
      if (fields.present[m] && fields.fields[m].empty()) {
        messages.push_back(CString(errors[m - 1]) + VisibleText(whole));
        valid = false;
        return false;
      }
    }
    item->m_strPath = std::string(fields.path);
    if (items.size() > 1 && fields.path.find('\x01') == std::string_view::npos) {
      valid = false;
      CString message;
      message.Format("エラー %d行", lineNumber);
      messages.push_back(message);
      messages.push_back(VisibleText(item->m_strPath.str()));
      return false;
    }
    valid = true;
    if (fields.present[0]) item->m_strLink = std::string(fields.fields[0]);
    if (fields.present[1]) item->m_nStatus = ReadDecimal(fields.fields[1]);
    item->m_nView = fields.present[2] ? ReadDecimal(fields.fields[2]) : 1;
    if (fields.present[3]) {
      item->m_nBookmark = ReadDecimal(fields.fields[3]);
      if (item->m_nBookmark > 1) item->m_nBookmark = 0;
    }
    if (fields.present[4]) {
      item->ReadIdField(fields.fields[4].data(), static_cast<int>(fields.fields[4].size()), TRUE);
    }
    if (fields.present[5]) item->ReadTimesField(fields.fields[5].data(), static_cast<int>(fields.fields[5].size()));
    return true;
  }

  // A run of text lines is gathered and goes into its item's text in one allocation of the right
  // size; a text block ahead of every item line has no item.
  void EndText() {
    if (m_text.empty()) return;
    SpacesForZeroBytes(m_text.data(), m_text.data() + m_text.size());
    if (m_last) m_last->m_strText.str() += m_text;
    m_text.clear();
  }

  int m_nLine = 0;
  HeaderSink m_header;
  bool m_bInHeader = false;
  bool m_bInText = false;
  CDirData* m_last = nullptr;
  std::string m_text;
  std::string m_copy;
};

}  // namespace

int ATREE::ReadKvnFile(const char* path) {
  KvnFileLines file;
  if (!file.Open(path)) return 0;
  if (file.IsDeciphered()) m_properties.m_strReadPassword = file.GetPassword();
  ItemLines read([this](const CString& key, const CString& value) {
    if (std::strncmp(key, "ShoStr", 6) == 0) {
      m_shoStr.ParseLine(key, value);
    } else {
      m_properties.ReadKey(key, value);
    }
  });
  std::string_view raw;
  while (file.ReadLine(raw) && read.Read(raw)) {
  }
  read.Finish();
  const bool failed = file.HasFailed();
  file.Close();

  // The items read, up to the faulty line that stopped the reading, whose messages are shown.
  m_rows.ReserveItems(static_cast<size_t>(GetDirDataCount()) + read.items.size());
  for (size_t k = 0; k < read.items.size(); ++k) {
    AddDirData(std::move(read.items[k]));
    m_rows.SetItemRow(GetDirDataCount() - 1, read.lines[k]);
  }
  for (const CString& message : read.messages) AfxMessageBox(message);
  if (failed) return 0;
  m_properties.AfterLoad(path);

  bool valid = read.valid;
  if (GetDirDataCount() == 0 && read.linesRead == 0) {
    auto item = std::make_unique<CDirData>(FileTitleOf(path));
    item->m_nView = 1;
    item->m_nBookmark = 0;
    AddDirData(std::move(item));
    valid = true;
  }
  if (!valid) {
    AfxMessageBox(CString(kCannotOpen) + path);
    return 0;
  }
  return 1;
}

void ATREE::AppendItemRecord(int index, std::string& out) const {
  const CDirData* item = GetDirData(index);
  AppendPathAndMarks(out, item->m_strPath.str(), *item);
  out += '\x08';
  AppendHex6(out, item->m_nIdHigh);
  AppendHex6(out, item->m_nIdLow);
  AppendDecimal(out, item->m_nIdDigit);
  AppendDecimal(out, item->m_nCaret);
  out += '@';
  if (item->m_updated.GetStatus() == COleDateTime::valid || item->IsDisplayTimeSet()) {
    out += '\x04';
    AppendTimeDigits(out, item->m_updated);
    AppendTimeDigits(out, item->m_created);
    if (item->IsDisplayTimeSet()) AppendSystemTimeDigits(out, item->m_displayed);
  }
  out += "\r\n";
}

void ATREE::FormatKvnFile(const std::function<void(CString&)>& sink) {
  CString block;
  std::string& bytes = block.str();
  bytes.reserve(kWriteBlock + (kWriteBlock >> 2));
  bytes += "\x08\r\n";
  TextModeFile::AppendDiskText(bytes, m_properties.GetLinesText().str());
  TextModeFile::AppendDiskText(bytes, m_shoStr.GetLinesText().str());
  bytes += "\x08\r\n";
  const int count = GetDirDataCount();
  for (int i = 0; i < count; ++i) {
    AppendItemRecord(i, bytes);
    const std::string& text = GetDirData(i)->m_strText.str();
    if (!text.empty()) {
      // The model loses the marks too, so that what it shows is what the file holds.
      if (HasBlockMarks(text)) EraseBlockMarks(EditDirData(i)->m_strText.str());
      AppendTextBlock(bytes, GetDirData(i)->m_strText.str());
    }
    if (bytes.size() >= kWriteBlock) {
      sink(block);
      bytes.clear();
    }
  }
  sink(block);
}

namespace {

// Thrown by the count of a save that grew past what the reader takes; the user has been told.
struct TooLargeToOpen {};

}  // namespace

int ATREE::WriteKvnFile(const char* path) {
  // No file is made that the reader would refuse: the save stops once its bytes grow past that.
  long long bytes = 0;
  const auto count = [&bytes, path](const CString& block) {
    bytes += block.GetLength();
    if (!KvnCrypt::CanSaveBytes(bytes, path)) throw TooLargeToOpen();
  };
  const bool encrypt = !m_properties.m_strReadPassword.IsEmpty() || !m_properties.m_strWritePassword.IsEmpty();
  if (encrypt) {
    // An enciphered document is formed and enciphered in memory, so its plain text never reaches
    // the disk; the enciphered bytes replace the target in one step.
    std::string disk;
    try {
      FormatKvnFile([&disk, &count](CString& block) {
        count(block);
        disk += block.str();
      });
    } catch (const TooLargeToOpen&) {
      return 0;
    }
    return KvnCrypt::WriteEncrypted(path, m_properties.m_strReadPassword, disk) ? 1 : 0;
  }
  std::unique_ptr<CTextFile> file;
  try {
    file = std::make_unique<CTextFile>(path, "wb");
  } catch (const CPelkoFileException&) {
    AfxMessageBox(kCannotWrite);
    return 0;
  }
  try {
    // Each block starts on its way to the disk as soon as it is written: the one sync of the close,
    // before the file takes the old one's place, then waits for the last ones only.
    FormatKvnFile([&file, &count](CString& block) {
      count(block);
      file->WriteString(block);
      file->StartWriteBack();
    });
    file->Close();
  } catch (const CPelkoFileException& error) {
    file.reset();
    AfxMessageBox(error.GetMessage());
    return 0;
  } catch (const TooLargeToOpen&) {
    return 0;
  }
  return 1;
}

void ATREE::SaveTreesAs(int index, const char* path) {
  if (!HasExtension(path, ".kvn")) {
    // Only the native form is written here; any other extension is refused.
    AfxMessageBox(kCannotWrite);
    return;
  }
  const size_t cut = GetDirData(index)->m_strPath.str().rfind('\x01') + 1;
  const int end = GetNextSibling(index, TRUE);
  try {
    CTextFile file(path, "wb");
    CString block;
    std::string& bytes = block.str();
    for (int i = index; i < end; ++i) {
      const CDirData* item = GetDirData(i);
      AppendPathAndMarks(bytes, std::string_view(item->m_strPath.str()).substr(cut), *item);
      bytes += "\r\n";
      const std::string& text = item->m_strText.str();
      if (text.empty()) continue;
      if (HasBlockMarks(text)) {
        std::string clean = text;
        EraseBlockMarks(clean);
        AppendTextBlock(bytes, clean);
      } else {
        AppendTextBlock(bytes, text);
      }
    }
    if (!KvnCrypt::CanSaveBytes(block.GetLength(), path)) return;
    file.WriteString(block);
    file.Close();
  } catch (const CPelkoFileException& error) {
    AfxMessageBox(error.GetMessage());
  }
}
