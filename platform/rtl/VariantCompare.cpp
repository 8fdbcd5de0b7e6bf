// Equality and ordering of variants across types.
#include <cstdint>

#include "platform/rtl/AnsiStrings.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/VariantInternals.h"
#include "platform/rtl/Variants.h"

namespace {

// Unordered: one side is not a number (NaN).
enum class TRelation { Less, Equal, Greater, Unordered };

template <class T>
TRelation Relate(const T& a, const T& b) {
  if (a < b)
    return TRelation::Less;
  if (b < a)
    return TRelation::Greater;
  return a == b ? TRelation::Equal : TRelation::Unordered;
}

TRelation Reverse(TRelation relation) {
  switch (relation) {
  case TRelation::Less: return TRelation::Greater;
  case TRelation::Greater: return TRelation::Less;
  default: return relation;
  }
}

// Integers, Booleans and Currency compare exactly.
bool IsExactKind(TVarKind kind) {
  return kind == TVarKind::Ordinal || kind == TVarKind::Boolean || kind == TVarKind::Currency;
}

// A whole number against a scaled currency, without leaving 64 bits.
TRelation RelateUnitsToCurrency(std::int64_t units, Currency currency) {
  const std::int64_t whole = currency.Scaled() / Currency::Scale;
  const std::int64_t fraction = currency.Scaled() % Currency::Scale;
  if (units != whole)
    return Relate(units, whole);
  return Relate(std::int64_t{0}, fraction);
}

TRelation RelateExact(const Variant& a, TVarKind kindA, const Variant& b, TVarKind kindB) {
  if (kindA == TVarKind::Currency && kindB == TVarKind::Currency)
    return Relate(a.ToCurrency(), b.ToCurrency());
  if (kindA == TVarKind::Currency)
    return Reverse(RelateUnitsToCurrency(b.ToInt64(), a.ToCurrency()));
  if (kindB == TVarKind::Currency)
    return RelateUnitsToCurrency(a.ToInt64(), b.ToCurrency());
  return Relate(a.ToInt64(), b.ToInt64());
}

// The text converted to the kind of the other side: Boolean, date, or a
// number (an integer when it reads as one, so that integers stay exact).
Variant TextAsKindOf(const Variant& text, TVarKind other) {
  switch (other) {
  case TVarKind::Boolean: return Variant(text.ToBoolean());
  case TVarKind::Date: return VarFromDateTime(text.ToDateTime());
  case TVarKind::Ordinal:
  case TVarKind::Currency: {
    std::int64_t value = 0;
    if (TryStrToInt64(text.ToString(), value))
      return Variant(value);
    return Variant(text.ToDouble());
  }
  default: return Variant(text.ToDouble());
  }
}

TRelation RelateScalars(const Variant& a, const Variant& b) {
  const TVarKind kindA = VarKindOf(a.Type());
  const TVarKind kindB = VarKindOf(b.Type());
  if (kindA == TVarKind::String && kindB == TVarKind::String)
    return Relate(CompareStr(a.ToString(), b.ToString()), 0);
  if (IsTextKind(kindA) && IsTextKind(kindB))
    return Relate(a.ToWideString(), b.ToWideString());
  if (IsTextKind(kindA))
    return RelateScalars(TextAsKindOf(a, kindB), b);
  if (IsTextKind(kindB))
    return RelateScalars(a, TextAsKindOf(b, kindA));
  if (IsExactKind(kindA) && IsExactKind(kindB))
    return RelateExact(a, kindA, b, kindB);
  return Relate(a.ToDouble(), b.ToDouble());
}

// Arrays and errors have no order.
void CheckComparable(const Variant& value) {
  switch (VarKindOf(value.Type())) {
  case TVarKind::Array:
  case TVarKind::Error: VarInvalidOp();
  default: break;
  }
}

// Ordering: Null raises, Empty comes first.
TRelation Order(const Variant& a, const Variant& b) {
  if (VarIsNull(a) || VarIsNull(b))
    VarInvalidOp();
  CheckComparable(a);
  CheckComparable(b);
  if (VarIsEmpty(a) || VarIsEmpty(b))
    return Relate(!VarIsEmpty(a), !VarIsEmpty(b));
  return RelateScalars(a, b);
}

} // namespace

bool operator==(const Variant& a, const Variant& b) {
  if (VarIsNull(a) || VarIsNull(b))
    return VarIsNull(a) && VarIsNull(b);
  return Order(a, b) == TRelation::Equal;
}

bool operator<(const Variant& a, const Variant& b) { return Order(a, b) == TRelation::Less; }
bool operator>(const Variant& a, const Variant& b) { return Order(a, b) == TRelation::Greater; }

bool operator<=(const Variant& a, const Variant& b) {
  const TRelation relation = Order(a, b);
  return relation == TRelation::Less || relation == TRelation::Equal;
}

bool operator>=(const Variant& a, const Variant& b) {
  const TRelation relation = Order(a, b);
  return relation == TRelation::Greater || relation == TRelation::Equal;
}
