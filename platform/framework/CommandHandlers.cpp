#include "platform/framework/CommandHandlers.h"

namespace {

bool Covers(int first, int last, int id) {
  if (first == wxID_ANY) return true;
  if (last == wxID_ANY) return first == id;
  return id >= first && id <= last;
}

// The tables are protected members of wxEvtHandler; a member pointer named through a derived
// class reaches them on any handler.
struct TableAccess : wxEvtHandler {
  static const wxEventTable* StaticTable(const wxEvtHandler* handler) {
    return (handler->*(&TableAccess::GetEventTable))();
  }
  static const wxVector<wxDynamicEventTableEntry*>* DynamicTable(const wxEvtHandler* handler) {
    return handler->*(&TableAccess::m_dynamicEvents);
  }
};

}  // namespace

bool HasCommandHandler(const wxEvtHandler* handler, int id) {
  if (!handler) return false;
  for (const wxEventTable* table = TableAccess::StaticTable(handler); table; table = table->baseTable) {
    for (const wxEventTableEntry* entry = table->entries; entry && entry->m_fn; ++entry)
      if (entry->m_eventType == wxEVT_MENU && Covers(entry->m_id, entry->m_lastId, id)) return true;
  }
  if (const auto* dynamic = TableAccess::DynamicTable(handler)) {
    for (const wxDynamicEventTableEntry* entry : *dynamic)
      if (entry && entry->m_fn && entry->m_eventType == wxEVT_MENU && Covers(entry->m_id, entry->m_lastId, id))
        return true;
  }
  return false;
}
