// Conversions of a variant into the other variant types.
#include <cfloat>
#include <cmath>
#include <cstdint>

#include "platform/rtl/AnsiStrings.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/VariantInternals.h"
#include "platform/rtl/Variants.h"
#include "platform/rtl/WideText.h"

namespace {

struct TOrdinalRange {
  TVarType Type;
  std::int64_t Low;
  std::int64_t High;
};

constexpr TOrdinalRange kOrdinalRanges[] = {
    {varShortInt, INT8_MIN, INT8_MAX},    {varByte, 0, UINT8_MAX},
    {varSmallint, INT16_MIN, INT16_MAX},  {varWord, 0, UINT16_MAX},
    {varInteger, INT32_MIN, INT32_MAX},   {varLongWord, 0, UINT32_MAX},
    {varInt64, INT64_MIN, INT64_MAX},
};

// Dates before 01.01.0001 00:00 - 1 day and from 01.01.10000 on have no
// calendar day.
constexpr double kDateLowLimit = MinDateTime - 1.0;
constexpr double kDateHighLimit = 2958466.0;

// Whole units of a scaled currency, rounded half to even.
std::int64_t RoundCurrency(std::int64_t scaled) {
  const std::int64_t half = Currency::Scale / 2;
  std::int64_t units = scaled / Currency::Scale;
  std::int64_t rest = scaled % Currency::Scale;
  if (rest < 0)
    rest = -rest;
  if (rest > half || (rest == half && units % 2 != 0))
    units += scaled < 0 ? -1 : 1;
  return units;
}

// Half to even, as the current (default) rounding mode does; false when the
// result is not a 64-bit integer.
bool RoundToInt64(double value, std::int64_t& result) {
  const double rounded = std::nearbyint(value);
  if (!(rounded >= -9223372036854775808.0 && rounded < 9223372036854775808.0))
    return false;
  result = static_cast<std::int64_t>(rounded);
  return true;
}

std::int64_t OrdinalFromText(const std::string& text, TVarType from, TVarType to) {
  std::int64_t value = 0;
  if (TryStrToInt64(text, value))
    return value;
  double real = 0.0;
  if (!TryStrToFloat(text, real))
    VarCastError(from, to);
  if (!RoundToInt64(real, value))
    VarOverflowError(from, to);
  return value;
}

double RealFromText(const std::string& text, TVarType from, TVarType to) {
  double value = 0.0;
  const bool parsed = to == varDate ? TryStrToDateTime(text, value) : TryStrToFloat(text, value);
  if (!parsed)
    VarCastError(from, to);
  return value;
}

Currency CurrencyFromReal(double value, TVarType from, TVarType to) {
  try {
    return Currency::FromDouble(value);
  } catch (const EOverflow&) {
    VarOverflowError(from, to);
  }
}

Currency CurrencyFromText(const std::string& text, TVarType from, TVarType to) {
  Currency value;
  if (TryStrToCurr(text, value))
    return value;
  return CurrencyFromReal(RealFromText(text, from, to), from, to);
}

bool BooleanFromText(const std::string& text, TVarType from, TVarType to) {
  if (SameText(text, "True"))
    return true;
  if (SameText(text, "False"))
    return false;
  return RealFromText(text, from, to) != 0.0;
}

} // namespace

std::string Variant::NarrowText() const {
  return m_type == varOleStr ? WideToAnsi(Wide()) : Str();
}

std::int64_t Variant::ToOrdinal(TVarType target, std::int64_t low, std::int64_t high) const {
  std::int64_t value = 0;
  switch (VarKindOf(m_type)) {
  case TVarKind::Empty: break;
  case TVarKind::Ordinal:
  case TVarKind::Boolean: value = Int(); break;
  case TVarKind::Currency: value = RoundCurrency(Int()); break;
  case TVarKind::Real:
  case TVarKind::Date:
    if (!RoundToInt64(Real(), value))
      VarOverflowError(m_type, target);
    break;
  case TVarKind::String:
  case TVarKind::OleStr: value = OrdinalFromText(NarrowText(), m_type, target); break;
  default: VarCastError(m_type, target);
  }
  if (value < low || value > high)
    VarOverflowError(m_type, target);
  return value;
}

double Variant::ToReal(TVarType target) const {
  switch (VarKindOf(m_type)) {
  case TVarKind::Empty: return 0.0;
  case TVarKind::Ordinal:
  case TVarKind::Boolean: return static_cast<double>(Int());
  case TVarKind::Currency: return Currency::FromScaled(Int()).ToDouble();
  case TVarKind::Real:
  case TVarKind::Date: return Real();
  case TVarKind::String:
  case TVarKind::OleStr: return RealFromText(NarrowText(), m_type, target);
  default: VarCastError(m_type, target);
  }
}

Currency Variant::ToCurrencyAs(TVarType target) const {
  switch (VarKindOf(m_type)) {
  case TVarKind::Empty: return Currency();
  case TVarKind::Ordinal:
  case TVarKind::Boolean:
    if (Int() > INT64_MAX / Currency::Scale || Int() < INT64_MIN / Currency::Scale)
      VarOverflowError(m_type, target);
    return Currency::FromScaled(Int() * Currency::Scale);
  case TVarKind::Currency: return Currency::FromScaled(Int());
  case TVarKind::Real:
  case TVarKind::Date: return CurrencyFromReal(Real(), m_type, target);
  case TVarKind::String:
  case TVarKind::OleStr: return CurrencyFromText(NarrowText(), m_type, target);
  default: VarCastError(m_type, target);
  }
}

bool Variant::ToBooleanAs(TVarType target) const {
  switch (VarKindOf(m_type)) {
  case TVarKind::Empty: return false;
  case TVarKind::Ordinal:
  case TVarKind::Boolean:
  case TVarKind::Currency: return Int() != 0;
  case TVarKind::Real:
  case TVarKind::Date: return Real() != 0.0;
  case TVarKind::String:
  case TVarKind::OleStr: return BooleanFromText(NarrowText(), m_type, target);
  default: VarCastError(m_type, target);
  }
}

std::string Variant::ToText(TVarType target) const {
  switch (VarKindOf(m_type)) {
  case TVarKind::Empty: return "";
  case TVarKind::Ordinal: return IntToStr(Int());
  case TVarKind::Boolean: return Int() != 0 ? "True" : "False";
  case TVarKind::Currency: return CurrToStr(Currency::FromScaled(Int()));
  case TVarKind::Real:
    // A Single shows the digits it holds, not those of its double widening.
    return m_type == varSingle ? FloatToStrF(Real(), TFloatFormat::ffGeneral, 7, 0)
                               : FloatToStr(Real());
  case TVarKind::Date:
    try {
      return DateTimeToStr(Real());
    } catch (const EConvertError&) {
      VarCastError(m_type, target);
    }
  case TVarKind::String:
  case TVarKind::OleStr: return NarrowText();
  default: VarCastError(m_type, target);
  }
}

int Variant::ToInteger() const { return static_cast<int>(ToOrdinal(varInteger, INT32_MIN, INT32_MAX)); }
std::int64_t Variant::ToInt64() const { return ToOrdinal(varInt64, INT64_MIN, INT64_MAX); }
double Variant::ToDouble() const { return ToReal(varDouble); }
bool Variant::ToBoolean() const { return ToBooleanAs(varBoolean); }
Currency Variant::ToCurrency() const { return ToCurrencyAs(varCurrency); }
std::string Variant::ToString() const { return ToText(varString); }

TDateTime Variant::ToDateTime() const {
  const double value = ToReal(varDate);
  if (m_type != varDate && !(value > kDateLowLimit && value < kDateHighLimit))
    VarOverflowError(m_type, varDate);
  return value;
}

std::u16string Variant::ToWideString() const {
  if (m_type == varOleStr)
    return Wide();
  if (m_type == varString)
    return AnsiToWide(Str());
  return AnsiToWide(ToText(varOleStr));
}

std::string_view Variant::StringBytes() const {
  if (m_type != varString)
    VarCastError(m_type, varString);
  return Str();
}

Variant VarAsType(const Variant& value, TVarType varType) {
  if (value.Type() == varType)
    return value;
  for (const TOrdinalRange& range : kOrdinalRanges)
    if (range.Type == varType)
      return Variant(varType, value.ToOrdinal(varType, range.Low, range.High));
  switch (varType) {
  case varSingle: {
    const double real = value.ToReal(varSingle);
    if (std::isfinite(real) && std::fabs(real) > FLT_MAX)
      VarOverflowError(value.Type(), varSingle);
    return Variant(static_cast<float>(real));
  }
  case varDouble: return Variant(value.ToDouble());
  case varCurrency: return Variant(value.ToCurrency());
  case varDate: return VarFromDateTime(value.ToDateTime());
  case varBoolean: return Variant(value.ToBoolean());
  case varString: return Variant(value.ToString());
  case varOleStr: return Variant(value.ToWideString());
  case varEmpty:
  case varNull:
  case varError: VarCastError(value.Type(), varType);
  default: VarBadTypeError();
  }
}

std::string VarToStr(const Variant& value) { return VarIsNull(value) ? "" : value.ToString(); }

std::string VarToStrDef(const Variant& value, std::string_view defaultText) {
  return VarIsNull(value) ? std::string(defaultText) : value.ToString();
}
