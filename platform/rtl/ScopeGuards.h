// Guards that end what a scope began, however the scope is left.
//
// A cleanup that raises while the scope is left normally raises from the
// guard; while the scope is left by an exception, the cleanup's own
// exception is dropped so that the first one goes on (two at once would end
// the program).
//
// Classes in this file: TScopeExit, TUpdateScope.
#pragma once

#include <exception>
#include <utility>

namespace rtl_detail {

// Runs 'cleanup' from a destructor under the rule above; 'exceptions' is
// the count of exceptions in flight when the guard was made.
template <class Cleanup>
void RunCleanup(Cleanup& cleanup, int exceptions) {
  if (std::uncaught_exceptions() == exceptions) {
    cleanup();
    return;
  }
  try {
    cleanup();
  } catch (...) {
  }
}

} // namespace rtl_detail

// Runs a callable when the scope ends: `TScopeExit restore([&] { ... });`.
template <class Cleanup>
class TScopeExit {
public:
  explicit TScopeExit(Cleanup cleanup)
      : m_cleanup(std::move(cleanup)), m_exceptions(std::uncaught_exceptions()) {}
  ~TScopeExit() noexcept(false) { rtl_detail::RunCleanup(m_cleanup, m_exceptions); }
  TScopeExit(const TScopeExit&) = delete;
  TScopeExit& operator=(const TScopeExit&) = delete;

private:
  Cleanup m_cleanup;
  int m_exceptions;
};

// BeginUpdate now, EndUpdate when the scope ends: for string lists,
// collections and anything else with that pair.
template <class Target>
class TUpdateScope {
public:
  explicit TUpdateScope(Target& target)
      : m_target(target), m_exceptions(std::uncaught_exceptions()) {
    m_target.BeginUpdate();
  }
  explicit TUpdateScope(Target* target) : TUpdateScope(*target) {}
  ~TUpdateScope() noexcept(false) {
    auto end = [this] { m_target.EndUpdate(); };
    rtl_detail::RunCleanup(end, m_exceptions);
  }
  TUpdateScope(const TUpdateScope&) = delete;
  TUpdateScope& operator=(const TUpdateScope&) = delete;

private:
  Target& m_target;
  int m_exceptions;
};

template <class Target>
TUpdateScope(Target*) -> TUpdateScope<Target>;
