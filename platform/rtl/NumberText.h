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
enum class TFloatValue { fvExtended, fvCurrency };

std::string IntToStr(std::int64_t value);
// Upper-case hexadecimal, at least 'digits' digits; negative values show their
// two's complement (64-bit).
std::string IntToHex(std::int64_t value, int digits);

// Integer parsers: blanks around the number, an optional sign, decimal digits
// or hexadecimal after '$', '0x' or '0X'. A value out of range is an error.
// StrToInt and StrToInt64 raise EConvertError "'text' is not a valid integer
// value".
int StrToInt(std::string_view text);
int StrToIntDef(std::string_view text, int defaultValue);
bool TryStrToInt(std::string_view text, int& value);
std::int64_t StrToInt64(std::string_view text);
std::int64_t StrToInt64Def(std::string_view text, std::int64_t defaultValue);
bool TryStrToInt64(std::string_view text, std::int64_t& value);

// General format with 15 significant digits: plain notation unless the
// exponent is below -5 or the digits before the point exceed 15.
std::string FloatToStr(double value);
std::string FloatToStr(double value, const TFormatSettings& settings);
// 'precision' is the number of significant digits (at most 18), 'digits' the
// decimals (fixed, number, currency) or the minimum exponent digits (exponent).
std::string FloatToStrF(double value, TFloatFormat format, int precision, int digits);
std::string FloatToStrF(double value, TFloatFormat format, int precision, int digits,
                        const TFormatSettings& settings);
// The picture language: '0' digit, '#' optional digit, '.' decimal point,
// ',' thousand separators, 'E+' 'E-' 'e+' 'e-' exponent, '...' and "..."
// literal text, ';' separating the positive, negative and zero sections.
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
