#pragma once
// What the text model needs of its control: the settings, the word lists, the shared wrap width
// and the notifications (repaint, relayout, events, beep). The window layer derives from it and
// fills in the hooks; without a window they do nothing, which is how the core is tested.
#include <memory>
#include <vector>

#include "control/CCustomizeInfo.h"
#include "control/CRefString.h"
#include "platform/base/WinTypes.h"

class CTextBuffer;

// One unbreakable word: wrapping never breaks inside it (while enabled).
struct CFaceWord {
  CRefString text;
  bool enable = true;
};

// One highlight rule: occurrences of the text are drawn in one of the highlight colours.
struct CHiliteRule {
  CRefString text;
  short color = 0;
  bool word = false;
  bool rightAll = false;
  bool insideTag = false;
  bool matchCase = false;
};

// Event mask bits: each lets one event reach the host; the first four replace a built-in action.
enum : DWORD {
  EVENT_ONCONTEXTMENU = 0x1,
  EVENT_ONPROPERTIES = 0x2,
  EVENT_ONLINKURL = 0x4,
  EVENT_ONLINKMAILTO = 0x8,
  EVENT_ONSELCHANGED = 0x10,
  EVENT_ONCARETMOVED = 0x20,
  EVENT_ONMODIFIED = 0x40,
  EVENT_ONSCROLL = 0x80,
  EVENT_ONPROPCHANGED = 0x100,
  EVENT_CHANGE = 0x200,
};

class CEditCore {
 public:
  CEditCore();
  virtual ~CEditCore();
  CEditCore(const CEditCore&) = delete;
  CEditCore& operator=(const CEditCore&) = delete;

  CTextBuffer& GetBuffer() { return *m_buffer; }
  CCustomizeInfo& Settings() { return m_cust; }
  const CCustomizeInfo& Settings() const { return m_cust; }

  // Notifications from the text model.
  virtual void RepaintRows(int /*code*/, POINT /*caretView*/, int /*rows*/) {}
  virtual void Relayout(int /*mode*/) {}
  virtual void Beep() {}
  virtual void FireOnModified(bool /*modified*/) {}
  virtual void FireChange() {}
  virtual void BeginWaitCursor() {}
  virtual void EndWaitCursor() {}

  void SetFaceWords(std::vector<CFaceWord> words) { m_faceWords = std::move(words); }
  void SetHiliteRules(std::vector<CHiliteRule> rules) { m_hiliteRules = std::move(rules); }
  void SetNeedEvents(DWORD events) { m_needEvents = events; }

  CCustomizeInfo m_cust;
  std::vector<CFaceWord> m_faceWords;
  std::vector<CHiliteRule> m_hiliteRules;
  int m_wrapWidth = 256;       // the shared wrap width (the Margin property)
  int m_visibleColumns = 0;    // the window's width in columns, for WrapMode 2
  DWORD m_needEvents = 0;
  bool m_readOnly = false;
  int m_decodeCode = 0;        // only while loading: how new lines decode their bytes
  bool m_restart = false;      // set while loading when lines already read were decoded wrongly

 private:
  std::unique_ptr<CTextBuffer> m_buffer;
};
