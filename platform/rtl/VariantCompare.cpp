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

TVariantRelationship AsRelationship(TRelation relation) {
  switch (relation) {
  case TRelation::Less: return TVariantRelationship::vrLessThan;
  case TRelation::Equal: return TVariantRelationship::vrEqual;
  case TRelation::Greater: return TVariantRelationship::vrGreaterThan;
  default: return TVariantRelationship::vrNotEqual;
  }
}

// Two non-Null values of any types: Empty comes first, the rest by kind.
TRelation Order(const Variant& a, const Variant& b) {
  CheckComparable(a);
  CheckComparable(b);
  if (VarIsEmpty(a) || VarIsEmpty(b))
    return Relate(!VarIsEmpty(a), !VarIsEmpty(b));
  return RelateScalars(a, b);
}

// Ordering: Null raises.
TVariantRelationship Ordered(const Variant& a, const Variant& b) {
  if (VarIsNull(a) || VarIsNull(b))
    VarInvalidOp();
  return VarCompareValue(a, b);
}

} // namespace

TVariantRelationship VarCompareValue(const Variant& a, const Variant& b) {
  if (a.m_type == b.m_type) {
    switch (a.m_type) {
    case varEmpty:
    case varNull: return TVariantRelationship::vrEqual;
    case varSmallint:
    case varInteger:
    case varShortInt:
    case varByte:
    case varWord:
    case varLongWord:
    case varInt64:
    case varBoolean:
    case varCurrency: return AsRelationship(Relate(a.Int(), b.Int()));
    case varSingle:
    case varDouble:
    case varDate: return AsRelationship(Relate(a.Real(), b.Real()));
    case varString: return AsRelationship(Relate(CompareStr(a.Str(), b.Str()), 0));
    case varOleStr: return AsRelationship(Relate(a.Wide(), b.Wide()));
    default: break;
    }
  }
  if (VarIsNull(a) || VarIsNull(b))
    return VarIsNull(a) && VarIsNull(b) ? TVariantRelationship::vrEqual
                                        : TVariantRelationship::vrNotEqual;
  return AsRelationship(Order(a, b));
}

bool operator==(const Variant& a, const Variant& b) {
  return VarCompareValue(a, b) == TVariantRelationship::vrEqual;
}

bool operator<(const Variant& a, const Variant& b) {
  return Ordered(a, b) == TVariantRelationship::vrLessThan;
}

bool operator>(const Variant& a, const Variant& b) {
  return Ordered(a, b) == TVariantRelationship::vrGreaterThan;
}

bool operator<=(const Variant& a, const Variant& b) {
  const TVariantRelationship relation = Ordered(a, b);
  return relation == TVariantRelationship::vrLessThan || relation == TVariantRelationship::vrEqual;
}

bool operator>=(const Variant& a, const Variant& b) {
  const TVariantRelationship relation = Ordered(a, b);
  return relation == TVariantRelationship::vrGreaterThan ||
         relation == TVariantRelationship::vrEqual;
}
