// Set<E>: a set of the values of an enumeration, with the fixed bit positions
// of the language's sets (element n is bit n), so that a set converts to and
// from the integer masks that stored data and the platform use.
#pragma once

#include <bit>
#include <cstdint>
#include <initializer_list>
#include <type_traits>

template <typename E>
class Set {
  static_assert(std::is_enum_v<E>, "Set<E> takes an enumeration");

public:
  using Mask = std::uint64_t;

  constexpr Set() = default;
  constexpr Set(std::initializer_list<E> elements) {
    for (E e : elements)
      m_bits |= Bit(e);
  }

  static constexpr Set FromMask(Mask mask) {
    Set s;
    s.m_bits = mask;
    return s;
  }
  constexpr Mask ToMask() const { return m_bits; }

  constexpr bool Contains(E e) const { return (m_bits & Bit(e)) != 0; }
  constexpr bool Empty() const { return m_bits == 0; }
  constexpr int Count() const { return std::popcount(m_bits); }

  constexpr Set& Include(E e) { m_bits |= Bit(e); return *this; }
  constexpr Set& Exclude(E e) { m_bits &= ~Bit(e); return *this; }

  constexpr Set operator+(Set other) const { return FromMask(m_bits | other.m_bits); }
  constexpr Set operator-(Set other) const { return FromMask(m_bits & ~other.m_bits); }
  constexpr Set operator*(Set other) const { return FromMask(m_bits & other.m_bits); }
  constexpr Set& operator+=(Set other) { m_bits |= other.m_bits; return *this; }
  constexpr Set& operator-=(Set other) { m_bits &= ~other.m_bits; return *this; }
  constexpr Set& operator*=(Set other) { m_bits &= other.m_bits; return *this; }

  constexpr bool operator==(const Set&) const = default;
  // Subset and superset, as the language's <= and >= on sets.
  constexpr bool operator<=(Set other) const { return (m_bits & ~other.m_bits) == 0; }
  constexpr bool operator>=(Set other) const { return other <= *this; }

private:
  static constexpr Mask Bit(E e) {
    auto position = static_cast<std::underlying_type_t<E>>(e);
    return position >= 0 && position < 64 ? Mask{1} << position : 0;
  }

  Mask m_bits = 0;
};
