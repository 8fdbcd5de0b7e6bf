// Method pointers: an event handler is an object and one of its member
// functions. A TDelegate can be tested for being assigned and compares equal
// to another exactly when both call the same member on the same object, so
// that handlers can be compared and removed. `var` parameters are references
// in the signature. They belong to the run-time, so that its lists can
// announce changes; the object model's events are in objects/Events.h.
//
//   TDelegate<void(TObject*)> onChange(this, &TMyForm::ButtonClick);
//   if (onChange) onChange(sender);
//
// A delegate can also hold a plain callable (a lambda); copies of it compare
// equal, separately made ones do not.
#pragma once

#include <array>
#include <concepts>
#include <cstddef>
#include <cstring>
#include <memory>
#include <type_traits>
#include <utility>

#include "platform/rtl/Exceptions.h"

class TObject;

template <class Signature>
class TDelegate;

template <class R, class... Args>
class TDelegate<R(Args...)> {
public:
  TDelegate() = default;
  TDelegate(std::nullptr_t) {}

  template <class O, class C>
    requires std::derived_from<O, C>
  TDelegate(O* object, R (C::*member)(Args...)) {
    BindMember<C>(static_cast<C*>(object), member);
  }

  template <class O, class C>
    requires std::derived_from<O, C>
  TDelegate(const O* object, R (C::*member)(Args...) const) {
    BindMember<const C>(static_cast<const C*>(object), member);
  }

  template <class F>
    requires(!std::same_as<std::decay_t<F>, TDelegate> &&
             !std::same_as<std::decay_t<F>, std::nullptr_t> &&
             std::is_invocable_r_v<R, std::decay_t<F>&, Args...>)
  TDelegate(F&& function) {
    auto held = std::make_shared<std::decay_t<F>>(std::forward<F>(function));
    m_object = held.get();
    m_function = std::move(held);
    m_invoke = &InvokeFunction<std::decay_t<F>>;
  }

  explicit operator bool() const { return m_invoke != nullptr; }

  // Calls the handler; an unassigned delegate raises EInvalidOperation.
  R operator()(Args... args) const {
    if (!m_invoke)
      throw EInvalidOperation("Method pointer is not assigned");
    return m_invoke(*this, std::forward<Args>(args)...);
  }

  bool operator==(const TDelegate& other) const {
    return m_invoke == other.m_invoke && m_object == other.m_object &&
           m_member == other.m_member;
  }

  // The object the handler is bound to (nil when unassigned).
  const void* Object() const { return m_object; }

private:
  using Invoker = R (*)(const TDelegate&, Args...);
  static constexpr std::size_t kMemberSize = 32;

  template <class C, class M>
  void BindMember(C* object, M member) {
    static_assert(sizeof(M) <= kMemberSize, "member pointer too large");
    if (!object || !member)
      return;
    m_object = const_cast<std::remove_const_t<C>*>(object);
    std::memcpy(m_member.data(), &member, sizeof(M));
    m_invoke = &InvokeMember<C, M>;
  }

  template <class C, class M>
  static R InvokeMember(const TDelegate& self, Args... args) {
    M member;
    std::memcpy(&member, self.m_member.data(), sizeof(M));
    return (static_cast<C*>(self.m_object)->*member)(std::forward<Args>(args)...);
  }

  template <class F>
  static R InvokeFunction(const TDelegate& self, Args... args) {
    return (*static_cast<F*>(self.m_object))(std::forward<Args>(args)...);
  }

  void* m_object = nullptr;
  std::array<unsigned char, kMemberSize> m_member{};
  Invoker m_invoke = nullptr;
  std::shared_ptr<void> m_function;
};
