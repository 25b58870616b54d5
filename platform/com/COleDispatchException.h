#pragma once
// The error a dispatch driver raises when a call fails: the object's status and, when the object
// gave one, its exception record as the program's Shift JIS texts.
#include <exception>

#include "platform/base/CString.h"
#include "platform/com/ComTypes.h"

struct EXCEPINFO;

class COleDispatchException : public std::exception {
 public:
  COleDispatchException(SCODE error, const CString& description, const CString& source = CString());
  // Takes the texts of the record; the record is left as it was.
  explicit COleDispatchException(const EXCEPINFO& info);

  const char* what() const noexcept override;

  SCODE m_scError = 0;
  WORD m_wCode = 0;
  CString m_strDescription;
  CString m_strSource;
  CString m_strHelpFile;
  DWORD m_dwHelpContext = 0;
};
