#include "control/CEditCore.h"

#include <algorithm>

#include "control/CTextBuffer.h"
#include "control/KeyTable.h"

CEditCore::CEditCore() {
  m_cust.Reset();
  m_wrapWidth = m_cust.WrapMode == 1 ? std::max(m_cust.MarginNormal, m_cust.MarginQuote) : 256;
  m_buffer = std::make_unique<CTextBuffer>(this);
  m_buffer->SetAccelEntries(GetDefaultAccelEntries());
}

CEditCore::~CEditCore() = default;
