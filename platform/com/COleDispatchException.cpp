#include "platform/com/COleDispatchException.h"

#include "platform/com/Bstr.h"
#include "platform/com/Dispatch.h"

COleDispatchException::COleDispatchException(SCODE error, const CString& description, const CString& source)
    : m_scError(error), m_strDescription(description), m_strSource(source) {}

COleDispatchException::COleDispatchException(const EXCEPINFO& info)
    : m_scError(info.scode),
      m_wCode(info.wCode),
      m_strDescription(CP932FromBstr(info.bstrDescription)),
      m_strSource(CP932FromBstr(info.bstrSource)),
      m_strHelpFile(CP932FromBstr(info.bstrHelpFile)),
      m_dwHelpContext(info.dwHelpContext) {}

const char* COleDispatchException::what() const noexcept { return m_strDescription.GetString(); }
