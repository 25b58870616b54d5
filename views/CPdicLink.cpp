#include "views/CPdicLink.h"

#include <unistd.h>

#include <cctype>
#include <cstring>

#include "foundation/JapaneseText.h"
#include "platform/com/CRegKey.h"
#include "platform/framework/CWinApp.h"
#include "platform/services/DdeConversation.h"
#include "platform/desktop/MessageBox.h"
#include "platform/desktop/Shell.h"

namespace {

constexpr int kTimeout = 10000;
constexpr int kStartTries = 10;
constexpr useconds_t kStartPause = 100 * 1000;
constexpr ULONG kMaxPath = 260;
constexpr const char* kUnicodeKey = "Software\\ReliefOffice\\PDIC2\\Common";
constexpr const char* kAnsiKey = "SOFTWARE\\ReliefOffice\\CurrentVersion\\App Paths\\PDICW32.EXE";
constexpr const char* kCommandFailed = "DDEｺﾏﾝﾄﾞ送信に失敗しました";

struct SuffixRule {
  const char* suffix;
  const char* appended;
};
// Tried in this order on the word as given; a later match replaces the candidate.
constexpr SuffixRule kSuffixRules[] = {{"s", ""},   {"ing", ""},  {"ize", ""}, {"ed", ""},
                                       {"es", ""},  {"ies", "y"}, {"ied", "y"}, {"ing", "e"}};

CString QueryString(HKEY root, const char* key, const char* name) {
  CRegKey reg;
  if (reg.Open(root, key, KEY_READ) != ERROR_SUCCESS) return CString();
  char buffer[kMaxPath] = {};
  ULONG size = kMaxPath;
  if (reg.QueryStringValue(name, buffer, &size) != ERROR_SUCCESS) return CString();
  return CString(buffer);
}

bool IsWordStart(unsigned char byte) { return std::isalpha(byte) || (byte >= 0xA1 && byte <= 0xDF); }

}  // namespace

CPdicLink::CPdicLink() : m_conversation(std::make_unique<CDdeConversation>()) {
  CRegKey key;
  m_nUnicode = key.Open(HKEY_CURRENT_USER, kUnicodeKey, KEY_READ) == ERROR_SUCCESS ? 1 : 0;
}

CPdicLink::~CPdicLink() = default;

void CPdicLink::ApplySpellCheckSetting(int setting) {
  if (setting == 1) m_nUnicode = 0;
  if (setting == 2) m_nUnicode = 1;
}

CString CPdicLink::GetProgramPath(int unicode) {
  if (unicode) {
    const CString folder = QueryString(HKEY_CURRENT_USER, kUnicodeKey, "Path");
    return folder.IsEmpty() ? folder : folder + "/PDICU.EXE";
  }
  return QueryString(HKEY_LOCAL_MACHINE, kAnsiKey, nullptr);
}

BOOL CPdicLink::Poke(const char* item, const char* text) {
  std::string data(text);
  data += '\0';
  return m_conversation->Poke(item, data, kTimeout);
}

BOOL CPdicLink::Connect(const char* topic) {
  if (m_conversation->IsConnected()) return TRUE;
  const char* service = m_nUnicode ? "PDICU" : "PDICW";
  if (m_conversation->Connect(service, topic, kTimeout)) return TRUE;
  const CString program = GetProgramPath(m_nUnicode);
  // A program that could not be started will not answer: no point waiting for it.
  if (program.IsEmpty() || ShellExecute(AfxGetMainFrameWindow(), nullptr, program, nullptr, nullptr, 1) <= 32)
    return FALSE;
  for (int i = 0; i < kStartTries && !m_conversation->IsConnected(); ++i) {
    usleep(kStartPause);
    m_conversation->Connect(service, topic, kTimeout);
  }
  return m_conversation->IsConnected();
}

BOOL CPdicLink::Open() {
  if (!Connect("Dictionary")) {
    AfxMessageBox("接続失敗");
    return FALSE;
  }
  if ((m_nUnicode && !Poke("SetAnsi", "")) || !Poke("Open", "")) {
    AfxMessageBox(kCommandFailed, MB_ICONSTOP);
    return FALSE;
  }
  return TRUE;
}

BOOL CPdicLink::Close() {
  if (Poke("Close", "")) return TRUE;
  AfxMessageBox(kCommandFailed, MB_ICONSTOP);
  return FALSE;
}

BOOL CPdicLink::RecordDialog(const char* word) { return Poke("RecordDialog", word); }

std::vector<CString> CPdicLink::GetWordForms(const CString& word) {
  std::vector<CString> forms;
  forms.push_back(word);
  CString upper = word;
  upper.MakeUpper();
  forms.push_back(upper);
  CString lower = word;
  lower.MakeLower();
  CString capital = lower;
  if (!capital.IsEmpty() && capital[0] >= 'a' && capital[0] <= 'z') capital.SetAt(0, static_cast<char>(capital[0] - 32));
  forms.push_back(capital);
  forms.push_back(lower);
  CString candidate;
  for (const SuffixRule& rule : kSuffixRules) {
    const int length = static_cast<int>(std::strlen(rule.suffix));
    if (word.GetLength() >= length && word.Right(length) == rule.suffix)
      candidate = word.Left(word.GetLength() - length) + rule.appended;
    if (!candidate.IsEmpty()) forms.push_back(candidate);
  }
  // An empty word has no form at all.
  std::erase_if(forms, [](const CString& form) { return form.IsEmpty(); });
  return forms;
}

BOOL CPdicLink::LookupWord(const char* word) {
  for (const CString& form : GetWordForms(word))
    if (Poke("Find", form)) return TRUE;
  return FALSE;
}

BOOL CPdicLink::SpellCheckText(ISpellCheckTarget& target) {
  CString text = target.GetText();
  const int lineHeight = target.GetLineHeight();
  long offset = 0;
  CString rest = text;
  for (;;) {
    CString run = GetFirstCharClassRun(rest);
    if (run.IsEmpty()) break;
    const long length = run.GetLength();
    if (length >= 2 && IsWordStart(static_cast<unsigned char>(run[0])) && !LookupWord(run)) {
      target.BringToTop();
      target.SetSel(offset, offset + length);
      POINT position = target.GetCharScreenPos(offset + length - 1);
      position.y += lineHeight;
      CString word = run;
      int action = -1;
      if (!target.AskWord(word, position, lineHeight, action)) return TRUE;
      if (action == 0) {
        target.ReplaceSel(word);
        text = text.Left(offset) + word + text.Mid(offset + length);
        rest = word + rest.Mid(length);
        run = word;
      } else if (action == 1) {
        rest = ReplaceWholeRuns(rest, run, word);
        text = text.Left(offset) + rest;
        target.ReplaceAllText(text);
        run = word;
      } else if (action == 2) {
        RecordDialog(run);
      }
    }
    offset += run.GetLength();
    rest = rest.Mid(run.GetLength());
  }
  return TRUE;
}

void RunSpellCheck(ISpellCheckTarget& target) {
  CPdicLink link;
  link.ApplySpellCheckSetting(AfxGetProfileInt("View", "SpellCheck", 0));
  if (!link.Open()) return;
  link.SpellCheckText(target);
  link.Close();
}
