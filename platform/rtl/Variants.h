// The run-time's tagged variant: one value of any of the platform's variant
// types, identified by its type code, with the platform's conversions between
// the types, its equality and ordering across types, and variant arrays.
//
// Every failure of a conversion, comparison or array access raises a
// descendant of EVariantError, never another exception.
//
// Rules worth knowing:
// - A Boolean is True = -1 and False = 0 wherever it meets a number, and its
//   text is "True" / "False".
// - Text is parsed and produced with the process-wide FormatSettings().
// - Numbers become integers by rounding half to even, range-checked.
// - Null converts to nothing but itself (VarToStr gives ""); Empty converts
//   to 0, False and "".
// - Equality: Null equals only Null, Empty only Empty. Ordering with Null
//   raises. Empty sorts before every other value. Two 8-bit strings compare
//   by their bytes; a string against a number, Boolean or date is first
//   converted to that side's kind; numbers compare by value (integers
//   exactly). Arrays and errors cannot be compared.
// - Copying a variant copies its value, arrays included.
//
// By-reference variants do not exist in this run-time; varByRef is only a
// type code constant.
#pragma once

#include <concepts>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

#include "platform/rtl/Currency.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/Exceptions.h"

using TVarType = std::uint16_t;

constexpr TVarType varEmpty = 0x0000;
constexpr TVarType varNull = 0x0001;
constexpr TVarType varSmallint = 0x0002;
constexpr TVarType varInteger = 0x0003;
constexpr TVarType varSingle = 0x0004;
constexpr TVarType varDouble = 0x0005;
constexpr TVarType varCurrency = 0x0006;
constexpr TVarType varDate = 0x0007;
constexpr TVarType varOleStr = 0x0008;
constexpr TVarType varDispatch = 0x0009;
constexpr TVarType varError = 0x000A;
constexpr TVarType varBoolean = 0x000B;
constexpr TVarType varVariant = 0x000C;
constexpr TVarType varUnknown = 0x000D;
constexpr TVarType varShortInt = 0x0010;
constexpr TVarType varByte = 0x0011;
constexpr TVarType varWord = 0x0012;
constexpr TVarType varLongWord = 0x0013;
constexpr TVarType varInt64 = 0x0014;
constexpr TVarType varStrArg = 0x0048;
constexpr TVarType varString = 0x0100;
constexpr TVarType varTypeMask = 0x0FFF;
constexpr TVarType varArray = 0x2000;
constexpr TVarType varByRef = 0x4000;

// The variant errors beyond those every unit shares.
class EVariantInvalidOpError : public EVariantError {
public:
  using EVariantError::EVariantError;
};
class EVariantBadVarTypeError : public EVariantError {
public:
  using EVariantError::EVariantError;
};
class EVariantNotAnArrayError : public EVariantError {
public:
  using EVariantError::EVariantError;
};
class EVariantArrayCreateError : public EVariantError {
public:
  using EVariantError::EVariantError;
};

class Variant;
using TVariantArray = std::vector<Variant>;

// How two values relate: vrNotEqual for Null against another value and for a
// number that is not a number (NaN) against anything.
enum class TVariantRelationship { vrEqual, vrLessThan, vrGreaterThan, vrNotEqual };

// C++ integer types that map onto a variant integer type: signed ones of
// 8, 16, 32 and 64 bits, unsigned ones of 8, 16 and 32 bits. Characters and
// bool are not numbers here.
template <class T>
concept TVarOrdinal =
    std::integral<T> && !std::same_as<T, bool> && !std::same_as<T, char> &&
    !std::same_as<T, char8_t> && !std::same_as<T, char16_t> && !std::same_as<T, char32_t> &&
    !std::same_as<T, wchar_t> && (std::is_signed_v<T> || sizeof(T) <= 4);

template <TVarOrdinal T>
constexpr TVarType OrdinalVarType() {
  if constexpr (std::is_signed_v<T>) {
    if constexpr (sizeof(T) == 1) return varShortInt;
    else if constexpr (sizeof(T) == 2) return varSmallint;
    else if constexpr (sizeof(T) == 4) return varInteger;
    else return varInt64;
  } else {
    if constexpr (sizeof(T) == 1) return varByte;
    else if constexpr (sizeof(T) == 2) return varWord;
    else return varLongWord;
  }
}

class Variant {
public:
  // Empty.
  Variant() = default;
  Variant(bool value);
  // The variant integer type of T: int8_t ShortInt, uint8_t Byte,
  // int16_t Smallint, uint16_t Word, int Integer, unsigned LongWord,
  // 64-bit Int64.
  template <TVarOrdinal T>
  Variant(T value) : m_type(OrdinalVarType<T>()), m_payload(static_cast<std::int64_t>(value)) {}
  Variant(float value);
  Variant(double value);
  Variant(Currency value);
  // varString; a null pointer is the empty string.
  Variant(const char* text);
  Variant(std::string_view text);
  Variant(std::string text);
  // varOleStr.
  Variant(const char16_t* text);
  Variant(std::u16string_view text);
  Variant(std::u16string text);
  Variant(char) = delete;
  // Other pointers would silently become a Boolean.
  template <class T>
    requires(!std::same_as<std::remove_cv_t<T>, char> && !std::same_as<std::remove_cv_t<T>, char16_t>)
  Variant(T*) = delete;

  // A Date variant (TDateTime is a double, so it needs its own factory).
  static Variant FromDateTime(TDateTime value);
  // A varError variant carrying an error code.
  static Variant FromError(std::int32_t code);

  // The type code, with varArray for arrays.
  TVarType Type() const { return m_type; }
  // Back to Empty.
  void Clear();

  // Conversions; raise EVariantTypeCastError when the value cannot be
  // converted (Null, arrays, text that does not parse) and
  // EVariantOverflowError when it does not fit.
  int ToInteger() const;
  std::int64_t ToInt64() const;
  double ToDouble() const;
  bool ToBoolean() const;
  Currency ToCurrency() const;
  TDateTime ToDateTime() const;
  std::string ToString() const;
  std::u16string ToWideString() const;
  // The bytes of a String (varString) value, without a copy; another type
  // raises EVariantTypeCastError.
  std::string_view StringBytes() const;

  // Variant arrays (see the VarArray* functions).
  int ArrayDimCount() const;
  int ArrayLowBound(int dim) const;
  int ArrayHighBound(int dim) const;
  Variant ArrayGet(std::span<const int> indices) const;
  void ArrayPut(std::span<const int> indices, const Variant& value);

  friend Variant Null();
  friend Variant VarAsType(const Variant& value, TVarType varType);
  friend Variant VarArrayCreate(std::span<const int> bounds, TVarType elementType);

  // Platform equality and ordering (see the rules at the top of this file).
  friend bool operator==(const Variant& a, const Variant& b);
  friend bool operator<(const Variant& a, const Variant& b);
  friend bool operator>(const Variant& a, const Variant& b);
  friend bool operator<=(const Variant& a, const Variant& b);
  friend bool operator>=(const Variant& a, const Variant& b);
  friend TVariantRelationship VarCompareValue(const Variant& a, const Variant& b);

private:
  struct TArray;
  // Owns an array and copies it whole, so that copying a variant copies its
  // array.
  class TArrayBox {
  public:
    explicit TArrayBox(std::unique_ptr<TArray> array);
    TArrayBox(const TArrayBox& other);
    TArrayBox& operator=(const TArrayBox& other);
    TArrayBox(TArrayBox&& other) noexcept;
    TArrayBox& operator=(TArrayBox&& other) noexcept;
    ~TArrayBox();
    TArray& Get() const { return *m_array; }

  private:
    std::unique_ptr<TArray> m_array;
  };
  // Integer types, Boolean (0 / -1), Currency (scaled) and Error codes use
  // the integer; Single, Double and Date the double.
  using TPayload =
      std::variant<std::monostate, std::int64_t, double, std::string, std::u16string, TArrayBox>;

  Variant(TVarType type, TPayload payload) : m_type(type), m_payload(std::move(payload)) {}

  std::int64_t Int() const { return std::get<std::int64_t>(m_payload); }
  double Real() const { return std::get<double>(m_payload); }
  const std::string& Str() const { return std::get<std::string>(m_payload); }
  const std::u16string& Wide() const { return std::get<std::u16string>(m_payload); }
  const TArray& Array() const;
  TArray& Array();

  std::int64_t ToOrdinal(TVarType target, std::int64_t low, std::int64_t high) const;
  double ToReal(TVarType target) const;
  Currency ToCurrencyAs(TVarType target) const;
  bool ToBooleanAs(TVarType target) const;
  std::string ToText(TVarType target) const;
  std::string NarrowText() const;
  std::size_t ElementOffset(std::span<const int> indices) const;

  TVarType m_type = varEmpty;
  TPayload m_payload;
};

Variant Null();
Variant Unassigned();

// Equality and ordering in one pass, by the rules of the operators: two values
// of the same simple type compare directly; Null equals only Null; what the
// ordering operators raise for (arrays, errors, failed conversions) raises.
TVariantRelationship VarCompareValue(const Variant& a, const Variant& b);
Variant VarFromDateTime(TDateTime value);
Variant VarAsError(std::int32_t code);

TVarType VarType(const Variant& value);
bool VarIsNull(const Variant& value);
bool VarIsEmpty(const Variant& value);
// Empty; this run-time has no other clear values.
bool VarIsClear(const Variant& value);
bool VarIsArray(const Variant& value);
// String or OleStr.
bool VarIsStr(const Variant& value);
// The integer types and Boolean.
bool VarIsOrdinal(const Variant& value);
// Single, Double and Currency (not Date).
bool VarIsFloat(const Variant& value);
// Ordinal or float: Boolean counts, Date does not.
bool VarIsNumeric(const Variant& value);
// "Integer", "String", "Array Variant", ...; unknown codes as "$XXXX".
std::string VarTypeAsText(TVarType varType);

// Text of a value; Null and Empty give "".
std::string VarToStr(const Variant& value);
// Text of a value; Null gives 'defaultText'.
std::string VarToStrDef(const Variant& value, std::string_view defaultText);
// The value converted to another type; the same type gives a copy. Targets:
// Empty and Null (from themselves only), the integer types, Single, Double,
// Currency, Date, OleStr, Boolean, String, Error (from itself only); any other
// target raises EVariantBadVarTypeError "Invalid variant type".
Variant VarAsType(const Variant& value, TVarType varType);
void VarClear(Variant& value);

// An array with one (low, high) pair per dimension, e.g. {0, 9} or
// {0, 1, 0, 2}; high = low - 1 gives a dimension without elements. Element
// types: the integer types, Single, Double, Currency, Date, OleStr, Boolean,
// and Variant (elements start Empty; typed elements start at zero / "" /
// False and convert what is stored in them).
Variant VarArrayCreate(std::span<const int> bounds, TVarType elementType);
inline Variant VarArrayCreate(std::initializer_list<int> bounds, TVarType elementType) {
  return VarArrayCreate(std::span<const int>(bounds.begin(), bounds.size()), elementType);
}
// A one-dimensional Variant array 0..n-1 holding the values.
Variant VarArrayOf(std::span<const Variant> values);
inline Variant VarArrayOf(std::initializer_list<Variant> values) {
  return VarArrayOf(std::span<const Variant>(values.begin(), values.size()));
}
// 0 for a value that is not an array.
int VarArrayDimCount(const Variant& value);
// 'dim' counts from 1.
int VarArrayLowBound(const Variant& value, int dim);
int VarArrayHighBound(const Variant& value, int dim);
Variant VarArrayGet(const Variant& array, std::initializer_list<int> indices);
void VarArrayPut(Variant& array, const Variant& value, std::initializer_list<int> indices);
