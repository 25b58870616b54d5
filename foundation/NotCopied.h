#pragma once
// A member that belongs to the object holding it alone: a copy of that object starts with a fresh
// one, and an assignment to it keeps its own. For caches and for what one object's work carries
// from call to call, so that the object's other members can be copied by the compiler.
template <class T>
class NotCopied : public T {
 public:
  NotCopied() = default;
  NotCopied(const NotCopied&) : T() {}
  NotCopied& operator=(const NotCopied&) { return *this; }
};
