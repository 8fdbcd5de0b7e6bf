#include "data/cxVariants.h"

#include "platform/rtl/AnsiStrings.h"

namespace {

int CompareScalars(const Variant& a, const Variant& b) {
  try {
    if (a == b)
      return 0;
    if (VarIsNull(a))
      return -1;
    if (VarIsNull(b))
      return 1;
    return a < b ? -1 : 1;
  } catch (const EVariantError&) {
    return -1;
  }
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
  if (VarType(a) == varString && VarType(b) == varString)
    return CompareStr(a.ToString(), b.ToString());
  if (VarType(a) == varDate && VarType(b) == varDate)
    return CompareScalars(Variant(a.ToDouble()), Variant(b.ToDouble()));
  if (VarIsArray(a) || VarIsArray(b))
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
