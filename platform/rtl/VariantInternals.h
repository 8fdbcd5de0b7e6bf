// Shared by the variant's source files: the kinds of value that the
// conversions and comparisons tell apart, and the variant errors with their
// messages.
#pragma once

#include "platform/rtl/Variants.h"

enum class TVarKind { Empty, Null, Ordinal, Boolean, Currency, Real, Date, String, OleStr, Error, Array, Other };

TVarKind VarKindOf(TVarType varType);

inline bool IsTextKind(TVarKind kind) { return kind == TVarKind::String || kind == TVarKind::OleStr; }

// EVariantTypeCastError "Could not convert variant of type (from) into type (to)".
[[noreturn]] void VarCastError(TVarType from, TVarType to);
// EVariantOverflowError "Overflow while converting variant of type (from) into type (to)".
[[noreturn]] void VarOverflowError(TVarType from, TVarType to);
// EVariantInvalidOpError "Invalid variant operation".
[[noreturn]] void VarInvalidOp();
// EVariantBadVarTypeError "Invalid variant type".
[[noreturn]] void VarBadTypeError();
// EVariantBadIndexError "Variant or safe array index out of bounds".
[[noreturn]] void VarBoundsError();
// EVariantNotAnArrayError "Variant is not an array".
[[noreturn]] void VarNotArrayError();
// EVariantArrayCreateError "Error creating variant or safe array".
[[noreturn]] void VarArrayCreateError();
// EVariantInvalidArgError "Invalid argument".
[[noreturn]] void VarInvalidArgError();
