#pragma once
// An immutable string shared by every copy: an item's path and link, which the undo snapshots of an
// outline would otherwise copy byte for byte whenever any other field of the item changes. Reading
// goes through the CString it holds; writing replaces the whole value, never the shared bytes, so a
// snapshot keeps what it saw.
#include <atomic>
#include <string>
#include <utility>

#include "platform/base/CString.h"

class CSharedString {
 public:
  CSharedString() = default;
  CSharedString(const char* text) : m_rep(Make(CString(text))) {}            // NOLINT: implicit as CString
  CSharedString(const CString& text) : m_rep(Make(CString(text))) {}         // NOLINT
  CSharedString(CString&& text) : m_rep(Make(std::move(text))) {}            // NOLINT
  CSharedString(const std::string& text) : m_rep(Make(CString(text))) {}     // NOLINT
  CSharedString(std::string&& text) : m_rep(Make(CString(std::move(text)))) {}  // NOLINT
  CSharedString(const CSharedString& other) : m_rep(other.m_rep) {
    if (m_rep) m_rep->refs.fetch_add(1, std::memory_order_relaxed);
  }
  CSharedString(CSharedString&& other) noexcept : m_rep(std::exchange(other.m_rep, nullptr)) {}
  CSharedString& operator=(CSharedString other) noexcept {
    std::swap(m_rep, other.m_rep);
    return *this;
  }
  ~CSharedString() { Release(); }

  const CString& Get() const { return m_rep ? m_rep->text : Nothing(); }
  operator const CString&() const { return Get(); }  // NOLINT: implicit so that readers keep their CString
  operator const char*() const { return GetString(); }  // NOLINT: as CString's
  const std::string& str() const { return Get().str(); }
  const char* GetString() const { return Get().GetString(); }
  int GetLength() const { return Get().GetLength(); }
  bool IsEmpty() const { return m_rep == nullptr; }
  void Empty() { *this = CSharedString(); }
  char operator[](int index) const { return Get()[index]; }
  template <typename... Args>
  CString Mid(Args... args) const {
    return Get().Mid(args...);
  }
  template <typename... Args>
  int Find(Args... args) const {
    return Get().Find(args...);
  }

  // A walk over many items reaches each value and then its bytes through a pointer apiece: asked for
  // ahead, they arrive while the walk is busy with the items before. The bytes can be asked for only
  // once the value itself is near.
  void PrefetchValue() const {
    if (m_rep) __builtin_prefetch(m_rep);
  }
  void PrefetchBytes() const {
    if (m_rep) __builtin_prefetch(m_rep->text.GetString());
  }

  // Whether two values hold the very same bytes, not merely equal ones.
  bool SharesWith(const CSharedString& other) const { return m_rep == other.m_rep; }

  friend bool operator==(const CSharedString& a, const CSharedString& b) { return a.Get() == b.Get(); }
  friend bool operator==(const CSharedString& a, const CString& b) { return a.Get() == b; }
  friend bool operator==(const CString& a, const CSharedString& b) { return a == b.Get(); }
  friend bool operator==(const CSharedString& a, const char* b) { return a.Get() == b; }
  friend bool operator==(const char* a, const CSharedString& b) { return a == b.Get(); }
  friend bool operator!=(const CSharedString& a, const CSharedString& b) { return !(a == b); }
  friend bool operator!=(const CSharedString& a, const CString& b) { return !(a == b); }
  friend bool operator!=(const CString& a, const CSharedString& b) { return !(a == b); }
  friend bool operator!=(const CSharedString& a, const char* b) { return !(a == b); }
  friend bool operator!=(const char* a, const CSharedString& b) { return !(a == b); }
  friend CString operator+(const CSharedString& a, const CString& b) { return a.Get() + b; }
  friend CString operator+(const CString& a, const CSharedString& b) { return a + b.Get(); }
  friend CString operator+(const CSharedString& a, const char* b) { return a.Get() + b; }
  friend CString operator+(const char* a, const CSharedString& b) { return a + b.Get(); }
  friend CString operator+(const CSharedString& a, char b) { return a.Get() + b; }

 private:
  struct Rep {
    explicit Rep(CString&& value) : text(std::move(value)) {}
    std::atomic<int> refs{1};
    const CString text;
  };

  // The empty value holds nothing, which keeps the many empty links free.
  static Rep* Make(CString&& text) { return text.IsEmpty() ? nullptr : new Rep(std::move(text)); }
  static const CString& Nothing() {
    static const CString empty;
    return empty;
  }
  // The last holder frees the value; the handle is its only owner.
  void Release() {
    if (m_rep && m_rep->refs.fetch_sub(1, std::memory_order_acq_rel) == 1) delete m_rep;
  }

  Rep* m_rep = nullptr;
};
