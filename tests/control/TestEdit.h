#pragma once
// A headless control for the tests: records beeps and events instead of drawing.
#include <string>

#include "control/CEditCore.h"
#include "control/CTextBuffer.h"

class TestEdit : public CEditCore {
 public:
  TestEdit() { m_needEvents = EVENT_ONMODIFIED | EVENT_CHANGE; }
  void Beep() override { ++beeps; }
  void FireOnModified(bool) override { ++modifiedEvents; }
  void FireChange() override { ++changeEvents; }

  CTextBuffer& B() { return GetBuffer(); }
  std::string Text() {
    const CRefString text = GetBuffer().GetWholeText();
    return std::string(text.GetString(), static_cast<size_t>(text.GetLength()));
  }
  // The break offsets of one line, as "3,7".
  std::string Breaks(int line) {
    std::string out;
    const CDWordArrayEx& breaks = GetBuffer().GetLine(line)->GetBreaks();
    for (int i = 0; i < breaks.GetSize(); ++i) out += (i ? "," : "") + std::to_string(breaks[i]);
    return out;
  }

  int beeps = 0;
  int modifiedEvents = 0;
  int changeEvents = 0;
};

inline bool operator==(const POINT& a, const POINT& b) { return a.x == b.x && a.y == b.y; }
