// The native outline file: a header block between two 0x08 lines, then one item line per item
// (fields marked by the bytes 0x02 and 0x05-0x08, 0x04 for the times) and each text between two
// 0x04 lines. Every line ends in CR LF on disk, as a text-mode write puts LF there; a text's own
// CR LF therefore stands as CR CR LF.
#include <algorithm>
#include <bit>
#include <climits>
#include <cstdint>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <thread>
#include <vector>

#include "foundation/CTextFile.h"
#include "foundation/ParallelRuns.h"
#include "model/ATREE.h"
#include "model/KvnCrypt.h"
#include "model/KvnDiskText.h"
#include "platform/base/HeapPolicy.h"
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
// Reading stops at the first faulty item line, whose messages are kept for the caller to show. A
// run read apart from the file's start (by another thread) starts outside every block at an item
// line after the file's first item, and meets no header block: one there means the file changed
// under the reader.
class ItemLines {
 public:
  using HeaderSink = std::function<void(const CString& key, const CString& value)>;

  ItemLines(int firstLine, size_t itemsBefore, HeaderSink header)
      : m_nLine(firstLine), m_nItemsBefore(itemsBefore), m_header(std::move(header)) {}

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
      if (!m_header) {
        strayHeader = true;
        return false;
      }
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
  bool valid = false;  // after the last line read: an item or text mark was read, and no fault
  bool strayHeader = false;
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
    if (m_nItemsBefore + items.size() > 1 && fields.path.find('\x01') == std::string_view::npos) {
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

  int m_nLine;
  size_t m_nItemsBefore;
  HeaderSink m_header;
  bool m_bInHeader = false;
  bool m_bInText = false;
  CDirData* m_last = nullptr;
  std::string m_text;
  std::string m_copy;
};

// Where a run of a threaded read starts: a line start, and that line's number.
struct RunStart {
  long long offset;
  int line;
};

// The starts of up to `runs` runs of about equal size, the first at the file's start. Each later
// run starts at an item line outside every block after the file's first item; a file with a
// header block after its first item is read in one run.
std::vector<RunStart> FindRunStarts(const char* path, long long size, int runs) {
  std::vector<RunStart> starts = {{0, 0}};
  KvnCrypt file;
  if (!file.OpenPlainRange(path, 0, size)) return starts;
  bool inHeader = false, inText = false, seenItem = false;
  long long offset = 0;
  int line = 0;
  std::string_view raw;
  for (; file.ReadLine(raw); offset += static_cast<long long>(raw.size()), ++line) {
    if (raw[0] == kHeaderMark) {
      if (seenItem) return {{0, 0}};
      inHeader = !inHeader;
    } else if (raw[0] == kTextMark) {
      inText = !inText;
    } else if (!inHeader && !inText) {
      const long long next = size * static_cast<long long>(starts.size()) / runs;
      if (seenItem && offset >= next && static_cast<int>(starts.size()) < runs) starts.push_back({offset, line});
      seenItem = true;
    }
  }
  if (file.HasFailed()) return {{0, 0}};
  return starts;
}

// A plain file at least this large is read by several threads, each from its own run of lines.
constexpr long long kThreadedReadBytes = 4 << 20;

// Writes the blocks of a file on a thread of its own while the next block is being formed. A
// block handed in is taken whole and a former buffer (emptied, with its room) comes back for the
// next one, so that no block is copied; at most two wait. The thread starts with the second block:
// a file of one block is written as it comes, as it is where no thread can be started. The first
// failure of a write ends the writing and is thrown again to the caller, at its next block or at
// the end.
class BlockWriter {
 public:
  explicit BlockWriter(std::function<void(const CString&)> write) : m_write(std::move(write)) {}
  ~BlockWriter() { Stop(); }
  BlockWriter(const BlockWriter&) = delete;
  BlockWriter& operator=(const BlockWriter&) = delete;

  void Put(CString& block) {
    if (!m_thread.joinable() && !m_bDirect) {
      if (m_first.IsEmpty()) {
        std::swap(m_first.str(), block.str());
        return;
      }
      try {
        m_thread = std::thread([this] { Run(); });
      } catch (const std::system_error&) {
        m_bDirect = true;
        m_write(m_first);
        m_first.Empty();
      }
    }
    if (m_bDirect) {
      m_write(block);
      return;
    }
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return m_pending.size() < kMostWaiting || m_failure; });
    if (m_failure) std::rethrow_exception(m_failure);
    if (!m_first.IsEmpty()) m_pending.push_back(std::move(m_first));
    m_pending.emplace_back();
    std::swap(m_pending.back().str(), block.str());
    if (!m_spare.empty()) {
      std::swap(block.str(), m_spare.back().str());
      m_spare.pop_back();
    }
    m_changed.notify_all();
  }

  // Waits for every block to be written.
  void Finish() {
    Stop();
    if (m_failure) std::rethrow_exception(m_failure);
    if (!m_first.IsEmpty()) m_write(m_first);
  }

 private:
  static constexpr size_t kMostWaiting = 2;

  void Run() {
    std::unique_lock lock(m_mutex);
    for (;;) {
      m_changed.wait(lock, [this] { return !m_pending.empty() || m_bDone; });
      if (m_pending.empty()) return;
      CString block = std::move(m_pending.front());
      m_pending.pop_front();
      const bool failedBefore = m_failure != nullptr;
      lock.unlock();
      std::exception_ptr failure;
      if (!failedBefore) {
        try {
          m_write(block);
        } catch (...) {
          failure = std::current_exception();
        }
      }
      block.str().clear();
      lock.lock();
      if (failure && !m_failure) m_failure = failure;
      m_spare.push_back(std::move(block));
      m_changed.notify_all();
    }
  }

  void Stop() {
    {
      const std::lock_guard lock(m_mutex);
      m_bDone = true;
    }
    m_changed.notify_all();
    if (m_thread.joinable()) m_thread.join();
  }

  std::function<void(const CString&)> m_write;
  CString m_first;  // the first block, held until a second one comes
  std::mutex m_mutex;
  std::condition_variable m_changed;
  std::deque<CString> m_pending;
  std::vector<CString> m_spare;
  std::exception_ptr m_failure;
  bool m_bDone = false;
  bool m_bDirect = false;
  std::thread m_thread;
};

}  // namespace

long long ATREE::s_nThreadedReadBytes = kThreadedReadBytes;

int ATREE::ReadKvnFile(const char* path) {
  PrepareHeapForBulk();
  KvnCrypt crypt;
  if (!crypt.Open(path)) return 0;
  if (crypt.IsDeciphered()) m_properties.m_strReadPassword = crypt.GetPassword();
  const ItemLines::HeaderSink header = [this](const CString& key, const CString& value) {
    if (std::strncmp(key, "ShoStr", 6) == 0) {
      m_shoStr.ParseLine(key, value);
    } else {
      m_properties.ReadKey(key, value);
    }
  };

  // A large plain file is read in runs by several threads; one whose runs do not fit together (it
  // changed while it was read) is read again in one run.
  std::vector<ItemLines> runs;
  bool failed = false;
  const long long size = crypt.IsDeciphered() ? -1 : crypt.GetFileSize();
  const int threads = MostParallelRuns();
  if (size >= s_nThreadedReadBytes && threads > 1) {
    const std::vector<RunStart> starts = FindRunStarts(path, size, threads);
    if (starts.size() > 1) {
      crypt.Close();
      std::vector<std::optional<ItemLines>> read(starts.size());
      std::vector<char> readFailed(starts.size());
      ParallelRuns(0, static_cast<int>(starts.size()), 1, [&](int begin, int end) {
        PrepareHeapForBulk();
        for (int k = begin; k < end; ++k) {
          const size_t run = static_cast<size_t>(k);
          read[run].emplace(starts[run].line, k == 0 ? 0 : 1, k == 0 ? header : ItemLines::HeaderSink());
          KvnCrypt file;
          // The last run reads to the end, wherever the end now is.
          const long long stop = run + 1 < starts.size() ? starts[run + 1].offset : LLONG_MAX;
          std::string_view raw;
          if (!file.OpenPlainRange(path, starts[run].offset, stop)) {
            readFailed[run] = 1;
            continue;
          }
          while (file.ReadLine(raw) && read[run]->Read(raw)) {
          }
          read[run]->Finish();
          readFailed[run] = file.HasFailed() ? 1 : 0;
        }
      });
      bool fits = true;
      for (size_t k = 0; k < read.size(); ++k) {
        fits = fits && !read[k]->strayHeader;
        failed = failed || readFailed[k] != 0;
        // Reading ends at the first run stopped by a fault: the runs after it are not used.
        if (!read[k]->messages.empty()) break;
      }
      if (fits) {
        for (std::optional<ItemLines>& run : read) runs.push_back(std::move(*run));
      } else {
        failed = false;
        if (!crypt.Open(path)) return 0;
      }
    }
  }
  if (runs.empty()) {
    runs.emplace_back(0, 0, header);
    std::string_view raw;
    while (crypt.ReadLine(raw) && runs.back().Read(raw)) {
    }
    runs.back().Finish();
    failed = crypt.HasFailed();
  }
  crypt.Close();

  // The runs' items in order, up to the run that stopped at a fault, whose messages are shown.
  bool valid = false;
  int linesRead = 0;
  size_t total = static_cast<size_t>(GetDirDataCount());
  for (const ItemLines& run : runs) total += run.items.size();
  m_rows.ReserveItems(total);
  for (ItemLines& run : runs) {
    for (size_t k = 0; k < run.items.size(); ++k) {
      AddDirData(std::move(run.items[k]));
      m_rows.SetItemRow(GetDirDataCount() - 1, run.lines[k]);
    }
    linesRead += run.linesRead;
    valid = run.valid;
    for (const CString& message : run.messages) AfxMessageBox(message);
    if (!run.messages.empty()) break;
  }
  if (failed) return 0;
  m_properties.AfterLoad(path);

  if (GetDirDataCount() == 0 && linesRead == 0) {
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
    // Each block starts on its way to the disk as soon as it is written: the sync that ends the
    // save then waits for the last ones only.
    BlockWriter writer([&file](const CString& block) {
      file->WriteString(block);
      file->StartWriteBack();
    });
    FormatKvnFile([&writer, &count](CString& block) {
      count(block);
      writer.Put(block);
    });
    writer.Finish();
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
