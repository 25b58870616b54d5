#pragma once
// The one way a lower layer reaches a layer above it. The lower layer declares an interface of
// what it needs and asks Seam<Interface>::Get() for it; the program object at the top installs
// every implementation for its whole run, and a test swaps one for the length of a scope. With
// nothing installed, Get() is null and the caller does without: its command stays disabled, a
// question counts as cancelled.
#include <cassert>
#include <tuple>

template <class Interface>
class Seam {
 public:
  static Interface* Get() { return Slot(); }

  // Installs an implementation (not owned) while the scope lives and puts back the one before.
  // Scopes nest: the last one made goes first.
  class Scope {
   public:
    explicit Scope(Interface* implementation) : m_installed(implementation), m_previous(Slot()) {
      Slot() = implementation;
    }
    ~Scope() {
      assert(Slot() == m_installed && "scopes of one seam end in the reverse order of their start");
      Slot() = m_previous;
    }
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;

   private:
    Interface* m_installed;
    Interface* m_previous;
  };

 private:
  // One slot per interface in the program: every layer is linked into the one executable.
  static Interface*& Slot() {
    static Interface* slot = nullptr;
    return slot;
  }
};

// An implementation owned and installed as each of the interfaces while it lives.
template <class Implementation, class... Interfaces>
struct Installed {
  Implementation implementation;
  std::tuple<typename Seam<Interfaces>::Scope...> scopes{static_cast<Interfaces*>(&implementation)...};
};
