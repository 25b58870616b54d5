#pragma once
// Plain text offered to the clipboard or a drop as the control holds it, in Shift JIS; the UTF-8
// that the desktop reads is made only when someone asks for it, so a copy of a long text costs
// no conversion until it is pasted.

#include <wx/dataobj.h>

#include <string>

#include "control/CRefString.h"

class ShiftJisTextData : public wxDataObjectSimple {
 public:
  explicit ShiftJisTextData(const CRefString& text);

  size_t GetDataSize() const override;
  bool GetDataHere(void* buffer) const override;
  bool SetData(size_t length, const void* buffer) override;

 private:
  const std::string& Utf8() const;

  CRefString m_text;
  mutable std::string m_utf8;
  mutable bool m_rendered = false;
};
