#pragma once
// The member table of IEdit: names for GetIDsOfNames, the type of each property, and the property
// map that the control persists, in its order.
#include <span>

#include "platform/com/Dispatch.h"

enum class EditMemberKind { Property, ReadOnlyProperty, Method };

struct EditMember {
  const char* name;
  DISPID id;
  VARTYPE vt;  // the property's type; VT_EMPTY for a method
  EditMemberKind kind;
};

const EditMember* FindEditMember(DISPID id);
std::span<const DispatchName> EditMemberNames();
// The 58 properties the control saves and loads, in map order.
std::span<const DISPID> PersistedProperties();
