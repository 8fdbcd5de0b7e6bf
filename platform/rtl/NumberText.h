// Numbers to text and back, as the run-time's number routines do: integers
// (decimal and hexadecimal), floating-point values in the general, exponent,
// fixed, number and currency forms, the picture language of FormatFloat, and
// the parsers that accept what these produce.
//
// Decimal output rounds the exact binary value half away from zero at the
// last requested digit: 0.5 -> "1" at no decimals, 2.5 -> "3", while 0.15
// (stored just below 0.15) gives "0.1" at one decimal. Non-finite values are
// written "NAN", "INF" and "-INF".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/rtl/FormatSettings.h"

enum class TFloatFormat { ffGeneral, ffExponent, ffFixed, ffNumber, ffCurrency };

std::string IntToStr(std::int64_t value);
// Upper-case hexadecimal, at least 'digits' digits; negative values show their
// two's complement (64-bit).
std::string IntToHex(std::int64_t value, int digits);

// Integer parsers, by the platform's rules: leading blanks (trailing ones are
// refused), an optional sign, then decimal digits or hexadecimal digits after
// '$', '0x' or '0X'. A decimal value out of the type's range is refused;
// hexadecimal digits may fill the type's bits ("$FFFFFFFF" is -1 for int).
// StrToInt and StrToInt64 raise EConvertError "'text' is not a valid integer
// value".
int StrToInt(std::string_view text);
int StrToIntDef(std::string_view text, int defaultValue);
bool TryStrToInt(std::string_view text, int& value);
std::int64_t StrToInt64(std::string_view text);
std::int64_t StrToInt64Def(std::string_view text, std::int64_t defaultValue);
bool TryStrToInt64(std::string_view text, std::int64_t& value);

// General format with 15 significant digits: plain notation unless the value
// is below 0.0001 or has more than 15 digits before the point ("1E-5",
// "1E15").
std::string FloatToStr(double value);
std::string FloatToStr(double value, const TFormatSettings& settings);
// 'precision' is the number of significant digits (1 to 18), 'digits' the
// decimals (fixed, number, currency: 0 to 18) or the minimum exponent digits
// (general, exponent: 0 to 4). Fixed, number and currency fall back to the
// general exponent form when the value has more than 'precision' digits before
// the point.
std::string FloatToStrF(double value, TFloatFormat format, int precision, int digits);
std::string FloatToStrF(double value, TFloatFormat format, int precision, int digits,
                        const TFormatSettings& settings);
// The picture language: '0' digit, '#' optional digit, '.' decimal point,
// ',' thousand separators, 'E+' 'E-' 'e+' 'e-' exponent, '...' and "..."
// literal text, ';' separating the positive, negative and zero sections.
// An empty format is FloatToStr. The section is chosen after rounding: a
// value that rounds to zero takes the zero section; an empty or missing
// section falls back to the first, which shows negative values with a
// leading '-'.
std::string FormatFloat(std::string_view format, double value);
std::string FormatFloat(std::string_view format, double value, const TFormatSettings& settings);

// Floating-point parser: blanks around the number, an optional sign, digits
// with the settings' decimal separator, an optional exponent. Raises
// EConvertError "'text' is not a valid floating point value".
double StrToFloat(std::string_view text);
double StrToFloat(std::string_view text, const TFormatSettings& settings);
double StrToFloatDef(std::string_view text, double defaultValue);
double StrToFloatDef(std::string_view text, double defaultValue, const TFormatSettings& settings);
bool TryStrToFloat(std::string_view text, double& value);
bool TryStrToFloat(std::string_view text, double& value, const TFormatSettings& settings);
// The parser behind StrToFloat; false for text that is not a number.
bool TextToFloat(std::string_view text, double& value, const TFormatSettings& settings);
