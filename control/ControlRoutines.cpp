#include "control/ControlRoutines.h"

#include <cstring>
#include <string_view>

#include "platform/base/CodePage.h"

namespace {

bool IsLead(char ch) { return IsLeadByte932(static_cast<unsigned char>(ch)); }
bool IsTrail(char ch) { return IsTrailByte932(static_cast<unsigned char>(ch)); }

}  // namespace

std::unique_ptr<char[]> BSTRToAnsi(const char16_t* text) {
  if (!text) return nullptr;
  std::u16string_view view(text);
  const CString narrow = UTF16ToCP932(view);
  auto out = std::make_unique<char[]>(view.size() * 2 + 1);
  std::memcpy(out.get(), narrow.GetString(), static_cast<size_t>(narrow.GetLength()) + 1);
  return out;
}

std::u16string AnsiToBSTR(const char* text) { return text ? CP932ToUTF16(text) : std::u16string(); }

const char* NextChar(const char* p) { return IsLead(p[0]) && IsTrail(p[1]) ? p + 2 : p + 1; }

const char* PrevChar(const char* start, const char* p) {
  if (p <= start) return start;
  const char* q = start;
  const char* prev = start;
  while (q < p) {
    prev = q;
    q = NextChar(q);
  }
  return prev;
}

int ByteKindAt(int offset, const char* text) {
  if (!text || offset < 0) return 0;
  const int length = static_cast<int>(std::strlen(text));
  if (offset >= length) return 0;
  int i = 0;
  while (i < offset) i = static_cast<int>(NextChar(text + i) - text);
  if (i > offset) return 2;
  return (IsLead(text[i]) && IsTrail(text[i + 1])) ? 1 : 0;
}

void CopyTextSafe(char* dest, const char* text, int size) {
  if (size <= 0) return;
  int i = 0;
  while (i < size - 1 && text[i]) {
    const int n = (IsLead(text[i]) && IsTrail(text[i + 1])) ? 2 : 1;
    if (i + n > size - 1) break;  // half a character would remain
    std::memcpy(dest + i, text + i, static_cast<size_t>(n));
    i += n;
  }
  dest[i] = '\0';
}

CRefString ShortenText(const CRefString& text) {
  if (text.GetLength() <= 40) return text;
  int cut = 0;
  while (cut < 38) cut = static_cast<int>(NextChar(text.GetString() + cut) - text.GetString());
  return text.Left(cut) + "...";
}

bool IsMailChar(int ch) {
  if ((ch >= '0' && ch <= '9') || (ch >= 'A' && ch <= 'Z')) return true;
  return ch != 0 && std::strchr("-./?!#$%&*+=^_`{}~", ch) != nullptr;
}
