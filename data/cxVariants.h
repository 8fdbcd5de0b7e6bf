// One set of rules for comparing and classifying variants across the data
// layer and the editors, the small variant-array routines of between and
// list values, and (in the headers included at the end) the typed binary
// stream of the data layer.
//
// The run-time registers no custom variant types: there are no FMT BCD or
// SQL time-stamp variants, so the tests below look at the built-in type
// codes only (decimals and time stamps of record storage come out as text
// and as dates).
//
// VarCompare is not a strict weak order: a pair the run-time cannot compare
// answers -1 in both orders, and its results are raw differences. Never hand
// it to a sort or an ordered container; binary searches over lists kept in
// its order are what it serves.
#pragma once

#include <string>

#include "platform/rtl/Variants.h"

// Negative when a sorts before b, 0 when equal, positive when after. Two
// 8-bit strings answer the raw ordinal difference ('a' against 'c' is -2,
// 'abcd' against 'a' is 3: the lengths when one starts the other),
// two dates compare by value, an array sorts after any scalar; Null sorts
// first; a pair the run-time cannot compare answers -1.
int VarCompare(const Variant& a, const Variant& b);
bool VarEquals(const Variant& a, const Variant& b);
// Equality in which a Boolean never equals a value of another type by
// conversion: with a Boolean on either side the texts of both are compared.
bool VarEqualsExact(const Variant& a, const Variant& b);
// VarEquals, or both are soft-null.
bool VarEqualsSoft(const Variant& a, const Variant& b);
// Null, or an 8-bit or wide string equal to the empty string (Empty is not).
bool VarIsSoftNull(const Variant& value);
bool VarIsDate(const Variant& value);
// The numeric types, Boolean included, Date not.
bool VarIsNumericEx(const Variant& value);
bool VarTypeIsCurrency(TVarType varType);
// The value's text; Null and Empty give the empty string.
std::string VarToStrEx(const Variant& value);

// The index of the first element equal (VarEquals) to the value, -1 when none.
int VarIndex(const TVariantArray& values, const Variant& value);
// A Variant array 0..1 holding [a, b].
Variant VarBetweenArrayCreate(const Variant& a, const Variant& b);
// A Variant array 0..0 holding the value.
Variant VarListArrayCreate(const Variant& value);
// Replaces the list by a new zero-based list of its elements followed by the value.
void VarListArrayAddValue(Variant& list, const Variant& value);

#include "data/cxVariantsStreams.h"
