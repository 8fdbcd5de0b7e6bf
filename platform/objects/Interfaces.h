// Interfaces identified by GUID. An interface is an abstract class that
// derives virtually from IInterface and names its GUID:
//
//   class IcxMouseTrackingCaller : public virtual IInterface {
//   public:
//     static constexpr TGUID IID = StringToGUID("{84A4BCBE-E001-4D60-B7A6-75E2B0DCD3E9}");
//     virtual void MouseLeave() = 0;
//   };
//
// A class implements it by deriving from it. Supports<I> asks an object or
// an interface for I: the object's QueryInterface decides, so a class can
// hand out an interface that another object implements by comparing the
// query's IID. Reference counting is the implementer's business: components
// and persistents do not free themselves (see TComponent,
// TInterfacedPersistent).
#pragma once

#include <array>
#include <concepts>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/objects/Objects.h"

struct TGUID {
  std::uint32_t D1 = 0;
  std::uint16_t D2 = 0;
  std::uint16_t D3 = 0;
  std::array<std::uint8_t, 8> D4{};

  constexpr bool operator==(const TGUID&) const = default;
};

namespace objects_detail {

constexpr int HexDigitValue(char c) {
  if (c >= '0' && c <= '9')
    return c - '0';
  if (c >= 'A' && c <= 'F')
    return c - 'A' + 10;
  if (c >= 'a' && c <= 'f')
    return c - 'a' + 10;
  return -1;
}

[[noreturn]] void RaiseInvalidGUID(std::string_view text);

// The value of 'count' hexadecimal digits of 'text' at 'position'.
constexpr std::uint32_t HexField(std::string_view text, std::size_t position, int count) {
  std::uint32_t value = 0;
  for (int i = 0; i < count; ++i) {
    const int digit = HexDigitValue(text[position + i]);
    if (digit < 0)
      RaiseInvalidGUID(text);
    value = value * 16 + static_cast<std::uint32_t>(digit);
  }
  return value;
}

} // namespace objects_detail

// "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}" to a GUID. At compile time a bad
// text does not compile; at run time it raises EConvertError.
constexpr TGUID StringToGUID(std::string_view text) {
  using objects_detail::HexField;
  if (text.size() != 38 || text[0] != '{' || text[9] != '-' || text[14] != '-' ||
      text[19] != '-' || text[24] != '-' || text[37] != '}')
    objects_detail::RaiseInvalidGUID(text);
  TGUID guid;
  guid.D1 = HexField(text, 1, 8);
  guid.D2 = static_cast<std::uint16_t>(HexField(text, 10, 4));
  guid.D3 = static_cast<std::uint16_t>(HexField(text, 15, 4));
  for (int i = 0; i < 8; ++i) {
    const std::size_t position = i < 2 ? 20 + 2 * i : 25 + 2 * (i - 2);
    guid.D4[i] = static_cast<std::uint8_t>(HexField(text, position, 2));
  }
  return guid;
}

std::string GUIDToString(const TGUID& guid);

// What QueryInterface is asked for: the interface's GUID, and how to find that
// interface among an object's own bases.
struct TInterfaceQuery {
  TGUID IID;
  void* (*Find)(TObject* object) = nullptr;

  template <class I>
  static TInterfaceQuery For() {
    return {I::IID, [](TObject* object) -> void* { return dynamic_cast<I*>(object); }};
  }
};

class IInterface {
public:
  static constexpr TGUID IID = StringToGUID("{00000000-0000-0000-C000-000000000046}");

  // On success 'intf' holds the interface asked for (as the query's I*).
  virtual bool QueryInterface(const TInterfaceQuery& query, void*& intf) = 0;
  virtual int _AddRef() = 0;
  virtual int _Release() = 0;

protected:
  ~IInterface() = default;
};

namespace objects_detail {
bool QueryObject(TObject* object, const TInterfaceQuery& query, void*& intf);
} // namespace objects_detail

// Whether the object answers interface I; on success 'intf' holds it.
template <class I, class O>
  requires std::convertible_to<O*, TObject*>
bool Supports(O* object, I*& intf) {
  void* found = nullptr;
  const bool ok = object && objects_detail::QueryObject(static_cast<TObject*>(object),
                                                        TInterfaceQuery::For<I>(), found);
  intf = ok ? static_cast<I*>(found) : nullptr;
  return ok;
}

template <class I, class O>
  requires std::convertible_to<O*, TObject*>
bool Supports(O* object) {
  I* intf = nullptr;
  return Supports<I>(object, intf);
}

// Whether the object behind 'instance' answers interface I.
template <class I>
bool Supports(IInterface* instance, I*& intf) {
  void* found = nullptr;
  const bool ok = instance && instance->QueryInterface(TInterfaceQuery::For<I>(), found);
  intf = ok ? static_cast<I*>(found) : nullptr;
  return ok;
}

template <class I>
bool Supports(IInterface* instance) {
  I* intf = nullptr;
  return Supports<I>(instance, intf);
}
