#include "views/CBrowserDde.h"

#include <cstring>

#include "platform/base/CodePage.h"
#include "platform/services/DdeConversation.h"

namespace {

constexpr int kTimeout = 10000;
// The item texts went through a buffer of this size.
constexpr int kItemBuffer = 256;

class CNoBrowserWindows : public IBrowserWindows {
 public:
  std::vector<CString> GetCaptions() override { return {}; }
  BOOL IsVisible(int) override { return FALSE; }
  void BringToFront(int) override {}
};

bool EndsWith(const CString& text, const char* tail) {
  const int n = static_cast<int>(std::strlen(tail));
  return text.GetLength() >= n && text.Right(n) == tail;
}

// Whether the last byte of the text is the lead byte of a character cut in two.
bool EndsInLeadByte(const CString& text) {
  const std::string& s = text.str();
  size_t i = 0;
  while (i < s.size()) {
    if (IsDBCSLeadByte(static_cast<unsigned char>(s[i]))) {
      if (i + 1 == s.size()) return true;
      i += 2;
    } else {
      ++i;
    }
  }
  return false;
}

CString CutEnd(const CString& text, int count) {
  return text.GetLength() > count ? text.Left(text.GetLength() - count) : CString();
}

}  // namespace

const char* const CBrowserDde::kServices[kServiceCount] = {"Netscape", "IExplore", "Mozilla", "Netscape6",
                                                           "Opera",    "Sleipnir", "Firefox", "CHROME"};

CBrowserDde::CBrowserDde(std::unique_ptr<IBrowserWindows> windows)
    : m_windows(windows ? std::move(windows) : std::make_unique<CNoBrowserWindows>()),
      m_conversation(std::make_unique<CDdeConversation>()) {}

CBrowserDde::~CBrowserDde() = default;

BOOL CBrowserDde::Connect(const char* topic) {
  if (m_conversation->IsConnected()) return TRUE;
  for (int i = 0; i < kServiceCount; ++i) {
    if (m_conversation->Connect(kServices[i], topic, kTimeout)) {
      m_nService = i;
      return TRUE;
    }
  }
  return FALSE;
}

void CBrowserDde::Disconnect() { m_conversation->Disconnect(); }

BOOL CBrowserDde::Request(const char* item, std::string& reply) {
  return m_conversation->Request(item, reply, kTimeout);
}

BOOL CBrowserDde::ReplyNumber(const std::string& reply, DWORD& number) {
  if (reply.size() < sizeof(uint32_t)) return FALSE;
  uint32_t value = 0;
  std::memcpy(&value, reply.data(), sizeof value);
  number = value;
  return TRUE;
}

int CBrowserDde::OpenItem(const char* topic, const char* format, const char* text) {
  CString item;
  item.Format(format, text);
  // An address too long for the item is not cut: the caller's fallback opens it whole.
  if (item.GetLength() >= kItemBuffer) return 0;
  if (!Connect(topic)) return 0;
  std::string reply;
  DWORD id = 0;
  if (Request(item, reply) && ReplyNumber(reply, id)) m_dwWindowId = id;
  Disconnect();
  return 1;
}

int CBrowserDde::OpenURL(const char* url) { return OpenItem("WWW_OpenURL", "%s,,0xFFFFFFFF,0x4", url); }

int CBrowserDde::ShowFile(const char* path) { return OpenItem("WWW_ShowFile", "%s,,0xFFFFFFFF", path); }

DWORD CBrowserDde::GetVersion() {
  if (!Connect("WWW_Version")) return 0;
  std::string reply;
  DWORD version = 0;
  if (!Request("WWW_Version", reply) || !ReplyNumber(reply, version)) version = 0;
  Disconnect();
  return version;
}

int CBrowserDde::GetWindowInfo(CString& title, CString& url) {
  const DWORD version = GetVersion();
  if (!Connect("WWW_GetWindowInfo")) return 0;
  std::string reply;
  if (Request("0xFFFFFFFF", reply)) ParseWindowInfo(m_nService, version, reply, title, url);
  Disconnect();
  return 1;
}

void CBrowserDde::ParseWindowInfo(int service, DWORD version, const std::string& reply, CString& title,
                                  CString& url) {
  if (service == Chrome) return;
  CString text(reply.c_str());  // the answer ends at its first NUL
  if (text.GetLength() > 0 && text[0] == '"') text = text.Mid(1);
  const bool netscapeLike = service == Netscape || service == Opera;
  const char* separator = "\",\"";
  int cut = 0;
  if (netscapeLike && version == 0x10000) {
    separator = "\",\"Opera - [";
    cut = 2;
  } else if (netscapeLike && version < 0x20000) {
    separator = "\",\"Netscape - [";
    cut = 2;
  } else if (netscapeLike || service == Mozilla || service == Firefox) {
    cut = 4;
  } else if (service == IExplore || service == Sleipnir) {
    cut = 1;
  }
  const int at = text.Find(separator);
  CString address = at >= 0 ? text.Left(at) : text;
  CString name = at >= 0 ? CutEnd(text.Mid(at + static_cast<int>(std::strlen(separator))), cut) : CString();
  address.Replace("\\\"", "\"");
  name.Replace("\\\"", "\"");
  url = address;

  switch (service) {
    case IExplore:
    case Sleipnir:
      if (EndsWith(name, "\",\"")) name = CutEnd(name, 3);
      if (EndsInLeadByte(name)) {
        name = CutEnd(name, 1);
        for (const CString& caption : m_windows->GetCaptions()) {
          if (caption.Left(name.GetLength()) != name) continue;
          const int dash = caption.Find(" - ");
          name = dash >= 0 ? caption.Left(dash) : caption;
          break;
        }
      }
      break;
    case Mozilla:
      if (name.GetLength() > 0 && name[0] == '.') name = FindTitleInCaptions(service, name);
      break;
    case Netscape6:
    case Firefox: {
      const CString found = FindTitleInCaptions(service, name);
      name = found == name.Left(4) ? CString() : found;
      break;
    }
    default:
      if (netscapeLike && version == 0x10000 && (!EndsWith(text, "]\"") || EndsInLeadByte(name)))
        name = FindTitleInCaptions(service, name);
      break;
  }
  title = name;
}

CString CBrowserDde::FindTitleInCaptions(int service, const CString& title) {
  const CString prefix = title.Left(4);
  const char* suffix = service == Mozilla ? " - Mozilla {" : service == Netscape6 ? " - Netscape"
                       : service == Firefox ? " - Mozilla Firefox" : nullptr;
  for (const CString& caption : m_windows->GetCaptions()) {
    if (suffix) {
      const int at = caption.Find(suffix);
      if (at >= 0) return caption.Left(at);
      continue;
    }
    if (service == Netscape && caption.Left(prefix.GetLength()) == prefix) return caption;
    if ((service == Opera || service == Netscape) && caption.GetLength() > 10 && EndsWith(caption, " ] - Opera"))
      return CutEnd(caption, 10).Mid(2);
    if (service == Netscape && caption.Find(prefix) >= 0 && caption.Left(10) == "Opera - [ ")
      return CutEnd(caption.Mid(10), 2);
  }
  return prefix;
}

BOOL CBrowserDde::BringWindowToFront(const char* name) {
  const std::vector<CString> captions = m_windows->GetCaptions();
  for (int i = 0; i < static_cast<int>(captions.size()); ++i) {
    if (m_windows->IsVisible(i) && captions[static_cast<size_t>(i)].Find(name) >= 0) {
      m_windows->BringToFront(i);
      return TRUE;
    }
  }
  return FALSE;
}

int CBrowserDde::Activate() {
  if (m_nService == IExplore && BringWindowToFront("Internet Explorer")) return 1;
  const char* name = m_nService == Netscape ? "Netscape" : m_nService == Mozilla ? "Mozilla" : nullptr;
  if (!name && GetVersion() == 0x10000) name = "Opera";
  if (name && BringWindowToFront(name)) return 1;
  if (!Connect("WWW_Activate")) return 0;
  CString item;
  item.Format("0x%lX,0x0", static_cast<unsigned long>(m_dwWindowId));
  std::string reply;
  DWORD answer = 0;
  const int result = Request(item, reply) && ReplyNumber(reply, answer) && answer != 0 ? 1 : 0;
  Disconnect();
  return result;
}

BOOL CBrowserDde::OpenURLInFront(const char* url) {
  if (!OpenURL(url)) return FALSE;
  Activate();
  return TRUE;
}
