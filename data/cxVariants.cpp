#include "data/cxVariants.h"

#include <algorithm>
#include <string_view>

namespace {

// The difference of the first differing bytes (unsigned), or of the lengths
// when one string starts the other.
int CompareOrdinal(std::string_view a, std::string_view b) {
  const std::size_t common = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < common; ++i)
    if (a[i] != b[i])
      return static_cast<unsigned char>(a[i]) - static_cast<unsigned char>(b[i]);
  return static_cast<int>(a.size()) - static_cast<int>(b.size());
}

int CompareReals(double a, double b) {
  if (a == b)
    return 0;
  return a < b ? -1 : 1;
}

// Null first; a pair the run-time cannot compare answers -1, a number that is
// not a number (NaN) 1.
int CompareScalars(const Variant& a, const Variant& b) {
  try {
    switch (VarCompareValue(a, b)) {
    case TVariantRelationship::vrEqual: return 0;
    case TVariantRelationship::vrLessThan: return -1;
    case TVariantRelationship::vrGreaterThan: return 1;
    case TVariantRelationship::vrNotEqual: return VarIsNull(a) ? -1 : 1;
    }
  } catch (const EVariantError&) {
  }
  return -1;
}

// Only the first dimension counts, and both arrays are taken as zero-based.
int CompareArrays(const Variant& a, const Variant& b) {
  if (!VarIsArray(b))
    return 1;
  if (!VarIsArray(a))
    return -1;
  const int high = VarArrayHighBound(a, 1);
  const int difference = high - VarArrayHighBound(b, 1);
  if (difference != 0)
    return difference;
  for (int i = 0; i <= high; ++i)
    if (const int result = VarCompare(VarArrayGet(a, {i}), VarArrayGet(b, {i})))
      return result;
  return 0;
}

} // namespace

int VarCompare(const Variant& a, const Variant& b) {
  const TVarType typeA = VarType(a);
  const TVarType typeB = VarType(b);
  if (typeA == varString && typeB == varString)
    return CompareOrdinal(a.StringBytes(), b.StringBytes());
  if (typeA == varDate && typeB == varDate)
    return CompareReals(a.ToDouble(), b.ToDouble());
  if ((typeA | typeB) & varArray)
    return CompareArrays(a, b);
  return CompareScalars(a, b);
}

bool VarEquals(const Variant& a, const Variant& b) { return VarCompare(a, b) == 0; }

bool VarEqualsExact(const Variant& a, const Variant& b) {
  const TVarType typeA = VarType(a);
  const TVarType typeB = VarType(b);
  if (typeA == varNull || typeB == varNull || (typeA != varBoolean && typeB != varBoolean))
    return VarEquals(a, b);
  try {
    return VarAsType(a, varString) == VarAsType(b, varString);
  } catch (const EVariantError&) {
    return false;
  }
}

bool VarEqualsSoft(const Variant& a, const Variant& b) {
  return VarEquals(a, b) || (VarIsSoftNull(a) && VarIsSoftNull(b));
}

bool VarIsSoftNull(const Variant& value) {
  return VarIsNull(value) || (VarIsStr(value) && value == Variant(""));
}

bool VarIsDate(const Variant& value) { return VarType(value) == varDate; }
bool VarIsNumericEx(const Variant& value) { return VarIsNumeric(value); }
bool VarTypeIsCurrency(TVarType varType) { return varType == varCurrency; }
std::string VarToStrEx(const Variant& value) { return VarToStr(value); }

int VarIndex(const TVariantArray& values, const Variant& value) {
  for (std::size_t i = 0; i < values.size(); ++i)
    if (VarEquals(values[i], value))
      return static_cast<int>(i);
  return -1;
}

Variant VarBetweenArrayCreate(const Variant& a, const Variant& b) {
  Variant result = VarArrayCreate({0, 1}, varVariant);
  VarArrayPut(result, a, {0});
  VarArrayPut(result, b, {1});
  return result;
}

Variant VarListArrayCreate(const Variant& value) {
  Variant result = VarArrayCreate({0, 0}, varVariant);
  VarArrayPut(result, value, {0});
  return result;
}

// Element lo + i lands at index i, so a list that does not start at 0 comes
// back zero-based instead of overrunning the new array.
void VarListArrayAddValue(Variant& list, const Variant& value) {
  const int low = VarArrayLowBound(list, 1);
  const int count = VarArrayHighBound(list, 1) - low + 1;
  Variant result = VarArrayCreate({0, count}, varVariant);
  for (int i = 0; i < count; ++i)
    VarArrayPut(result, VarArrayGet(list, {low + i}), {i});
  VarArrayPut(result, value, {count});
  list = std::move(result);
}
