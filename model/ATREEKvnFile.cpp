// The native outline file: a header block between two 0x08 lines, then one item line per item
// (fields marked by the bytes 0x02 and 0x05-0x08, 0x04 for the times) and each text between two
// 0x04 lines. Written in text mode, so every LF is CR LF on disk.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>

#include "foundation/CTextFile.h"
#include "model/ATREE.h"
#include "model/KvnCrypt.h"
#include "platform/TextModeFile.h"
#include "platform/CodePage.h"
#include "platform/MessageBox.h"

namespace {

constexpr char kHeaderMark = '\x08';
constexpr char kTextMark = '\x04';
constexpr char kCannotOpen[] = "ファイルを開けません（ケスタボンのファイルではない可能性があります）：";
constexpr char kCannotWrite[] = "保存先ファイルが開けません";

// The item line's marked fields; a field runs from its mark to the next mark (or the line's end).
struct ItemLine {
  static constexpr char kMarks[] = {'\x02', '\x05', '\x06', '\x07', '\x08', '\x04'};
  std::string_view path;
  std::string_view fields[6];
  bool present[6] = {};

  explicit ItemLine(std::string_view line) {
    size_t ends[6];
    size_t first = line.size();
    for (int m = 0; m < 6; ++m) {
      const size_t at = line.find(kMarks[m]);
      present[m] = at != std::string_view::npos;
      ends[m] = at;
      if (present[m] && at < first) first = at;
    }
    path = line.substr(0, first);
    for (int m = 0; m < 6; ++m) {
      if (!present[m]) continue;
      size_t stop = line.size();
      for (int o = 0; o < 6; ++o) {
        if (present[o] && ends[o] > ends[m] && ends[o] < stop) stop = ends[o];
      }
      fields[m] = line.substr(ends[m] + 1, stop - ends[m] - 1);
    }
  }
};

int DecimalOf(std::string_view field) {
  return static_cast<int>(std::strtol(std::string(field).c_str(), nullptr, 10));
}

CString FileTitleOf(const char* path) {
  CString name(path);
  const int slash = std::max(static_cast<int>(name.str().rfind('/')), static_cast<int>(name.str().rfind('\\')));
  if (slash >= 0) name = name.Mid(slash + 1);
  const int dot = static_cast<int>(name.str().rfind('.'));
  if (dot >= 0) name = name.Left(dot);
  return name;
}

// Titles and links lose line breaks and the field marks, which would cut the line or its fields.
void AppendClean(CString& out, const CString& text) {
  const std::string& s = text.str();
  if (s.find_first_of("\x02\x03\x04\x05\x06\x07\x08\r\n") == std::string::npos) {
    out += text;
    return;
  }
  for (const char c : s) {
    if ((c >= '\x02' && c <= '\x08') || c == '\r' || c == '\n') continue;
    out += c;
  }
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

}  // namespace

int ATREE::ReadKvnFile(const char* path) {
  KvnCrypt crypt;
  if (!crypt.Open(path)) return 0;
  if (crypt.IsDeciphered()) m_properties.m_strReadPassword = crypt.GetPassword();

  bool inHeader = false, inText = false, valid = false;
  int lineNumber = 0;
  int linesRead = 0;
  CDirData* last = nullptr;
  std::string_view raw;
  std::string line;
  for (; crypt.ReadLine(raw); ++lineNumber) {
    ++linesRead;
    line.assign(raw);
    // A zero byte (from a file made elsewhere) would cut a title or value short wherever the text
    // later passes as a C string; it reads as a space, as the editing control shows it.
    std::replace(line.begin(), line.end(), '\0', ' ');
    if (!inText) {
      if (line.size() >= 2 && line.compare(line.size() - 2, 2, "\r\n") == 0) line.erase(line.size() - 2, 1);
    } else {
      while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.pop_back();
      line += "\r\n";
    }
    if (!line.empty() && line[0] == kHeaderMark) {
      inHeader = !inHeader;
      continue;
    }
    if (!line.empty() && line[0] == kTextMark) {
      inText = !inText;
      valid = true;
      continue;
    }
    if (inHeader) {
      if (!line.empty() && line.back() == '\n') line.pop_back();
      const size_t eq = line.find('=');
      const CString key = eq == std::string::npos ? CString() : CString(line.substr(0, eq));
      const CString value = eq == std::string::npos ? CString(line) : CString(line.substr(eq + 1));
      if (std::strncmp(key, "ShoStr", 6) == 0) {
        m_shoStr.ParseLine(key, value);
      } else {
        m_properties.ReadKey(key, value);
      }
      continue;
    }
    if (inText) {
      // A text block ahead of every item line has no item to go to.
      if (last) last->m_strText.Append(line.data(), static_cast<int>(line.size()));
      continue;
    }

    auto item = std::make_unique<CDirData>();
    last = item.get();
    AddDirData(std::move(item));
    const std::string_view whole = std::string_view(line).substr(0, line.find('\n'));
    const ItemLine fields(whole);
    static const char* const errors[] = {"Error:status", "Error:view", "Error:bookmark", "Error:general",
                                         "Error:time"};
    bool stop = false;
    for (int m = 1; m < 6 && !stop; ++m) {
      if (fields.present[m] && fields.fields[m].empty()) {
        AfxMessageBox(CString(errors[m - 1]) + VisibleText(whole));
        stop = true;
      }
    }
    if (stop) {
      valid = false;
      break;
    }
    last->m_strPath = CString(fields.path);
    if (GetDirDataCount() > 1 && fields.path.find('\x01') == std::string_view::npos) {
      valid = false;
      CString message;
      message.Format("エラー %d行", lineNumber);
      AfxMessageBox(message);
      AfxMessageBox(VisibleText(last->m_strPath.str()));
      break;
    }
    valid = true;
    if (fields.present[0]) last->m_strLink = CString(fields.fields[0]);
    if (fields.present[1]) last->m_nStatus = DecimalOf(fields.fields[1]);
    last->m_nView = fields.present[2] ? DecimalOf(fields.fields[2]) : 1;
    if (fields.present[3]) {
      last->m_nBookmark = DecimalOf(fields.fields[3]);
      if (last->m_nBookmark > 1) last->m_nBookmark = 0;
    }
    if (fields.present[4]) {
      last->ReadIdField(fields.fields[4].data(), static_cast<int>(fields.fields[4].size()), TRUE);
    }
    if (fields.present[5]) last->ReadTimesField(fields.fields[5].data(), static_cast<int>(fields.fields[5].size()));
    m_itemRows[static_cast<size_t>(GetDirDataCount() - 1)] = lineNumber;
  }
  crypt.Close();
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

void ATREE::AppendItemRecord(int index, CString& out) const {
  const CDirData* item = GetDirData(index);
  AppendClean(out, item->m_strPath);
  if (!item->m_strLink.IsEmpty()) {
    out += '\x02';
    AppendClean(out, item->m_strLink);
  }
  char fields[96];
  std::snprintf(fields, sizeof(fields), "\x05%d\x06%d\x07%d\x08%06X%06X%d%d@", item->m_nStatus, item->m_nView,
                item->m_nBookmark, item->m_nIdHigh & 0xFFFFFF, item->m_nIdLow & 0xFFFFFF, item->m_nIdDigit,
                item->m_nCaret);
  out += fields;
  if (item->m_updated.GetStatus() == COleDateTime::valid || item->IsDisplayTimeSet()) {
    out += '\x04';
    out += item->GetUpdateTimeText(TRUE);
    out += item->GetCreateTimeText(TRUE);
    if (item->IsDisplayTimeSet()) out += item->GetDisplayTimeText(TRUE);
  }
  out += '\n';
}

void ATREE::FormatKvnFile(const std::function<void(const CString&)>& sink) {
  CString block;
  block.str().reserve(1 << 21);
  block += kHeaderMark;
  block += '\n';
  block += m_properties.GetLinesText();
  block += m_shoStr.GetLinesText();
  block += kHeaderMark;
  block += '\n';
  const int count = GetDirDataCount();
  for (int i = 0; i < count; ++i) {
    AppendItemRecord(i, block);
    const CString& text = GetDirData(i)->m_strText;
    if (!text.IsEmpty()) {
      // The marks must not start a text line: the reader would take them for block marks.
      if (text.str().find_first_of("\x04\x08") != std::string::npos) {
        std::string& bytes = EditDirData(i)->m_strText.str();
        std::erase_if(bytes, [](char c) { return c == kTextMark || c == kHeaderMark; });
      }
      const CString& clean = GetDirData(i)->m_strText;
      block += "\x04\n";
      block += clean;
      const int length = clean.GetLength();
      // The line end is written as LF, which text mode puts on disk as CR LF.
      if (length < 2 || clean[length - 2] != '\r' || clean[length - 1] != '\n') block += '\n';
      block += "\x04\n";
    }
    if (block.GetLength() >= (1 << 20)) {
      sink(block);
      block.Empty();
    }
  }
  sink(block);
}

int ATREE::WriteKvnFile(const char* path) {
  const bool encrypt = !m_properties.m_strReadPassword.IsEmpty() || !m_properties.m_strWritePassword.IsEmpty();
  if (encrypt) {
    // An enciphered document is formed and enciphered in memory, so its plain text never reaches
    // the disk; the enciphered bytes replace the target in one step.
    std::string disk;
    FormatKvnFile([&disk](const CString& block) { TextModeFile::AppendDiskText(disk, block.str()); });
    return KvnCrypt::WriteEncrypted(path, m_properties.m_strReadPassword, disk) ? 1 : 0;
  }
  std::unique_ptr<CTextFile> file;
  try {
    file = std::make_unique<CTextFile>(path, "wt");
  } catch (const CPelkoFileException&) {
    AfxMessageBox(kCannotWrite);
    return 0;
  }
  try {
    FormatKvnFile([&file](const CString& block) { file->WriteString(block); });
    file->Close();
  } catch (const CPelkoFileException& error) {
    file.reset();
    AfxMessageBox(error.GetMessage());
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
  const int cut = static_cast<int>(GetDirData(index)->m_strPath.str().rfind('\x01')) + 1;
  const int end = GetNextSibling(index, TRUE);
  try {
    CTextFile file(path, "wt");
    CString block;
    for (int i = index; i < end; ++i) {
      const CDirData* item = GetDirData(i);
      AppendClean(block, item->m_strPath.Mid(cut));
      if (!item->m_strLink.IsEmpty()) {
        block += '\x02';
        AppendClean(block, item->m_strLink);
      }
      block.AppendFormat("\x05%d\x06%d\x07%d\n", item->m_nStatus, item->m_nView, item->m_nBookmark);
      if (!item->m_strText.IsEmpty()) {
        std::string text = item->m_strText.str();
        std::erase_if(text, [](char c) { return c == kTextMark || c == kHeaderMark; });
        const bool ended = text.size() >= 2 && text.compare(text.size() - 2, 2, "\r\n") == 0;
        block += "\x04\n";
        block += CString(std::move(text));
        if (!ended) block += '\n';
        block += "\x04\n";
      }
    }
    file.WriteString(block);
    file.Close();
  } catch (const CPelkoFileException& error) {
    AfxMessageBox(error.GetMessage());
  }
}
