#include "platform/rtl/NumberText.h"

#include <cstdio>
#include <cstdlib>

#include "platform/rtl/Exceptions.h"

std::string IntToStr(std::int64_t value) { return std::to_string(value); }
std::string IntToHex(std::int64_t value, int digits) { char b[40]; std::snprintf(b, sizeof b, "%0*llX", digits, static_cast<unsigned long long>(value)); return b; }
bool TryStrToInt64(std::string_view text, std::int64_t& value) { std::string s(text); char* e = nullptr; value = std::strtoll(s.c_str(), &e, 10); return !s.empty() && *e == 0; }
std::int64_t StrToInt64(std::string_view text) { std::int64_t v = 0; if (!TryStrToInt64(text, v)) throw EConvertError("'" + std::string(text) + "' is not a valid integer value"); return v; }
std::int64_t StrToInt64Def(std::string_view text, std::int64_t d) { std::int64_t v = 0; return TryStrToInt64(text, v) ? v : d; }
bool TryStrToInt(std::string_view text, int& value) { std::int64_t v = 0; if (!TryStrToInt64(text, v)) return false; value = static_cast<int>(v); return true; }
int StrToInt(std::string_view text) { return static_cast<int>(StrToInt64(text)); }
int StrToIntDef(std::string_view text, int d) { int v = 0; return TryStrToInt(text, v) ? v : d; }
std::string FloatToStr(double value, const TFormatSettings&) { char b[64]; std::snprintf(b, sizeof b, "%.15g", value); return b; }
std::string FloatToStr(double value) { return FloatToStr(value, FormatSettings()); }
std::string FloatToStrF(double value, TFloatFormat, int, int digits, const TFormatSettings&) { char b[400]; std::snprintf(b, sizeof b, "%.*f", digits, value); return b; }
std::string FloatToStrF(double value, TFloatFormat f, int p, int d) { return FloatToStrF(value, f, p, d, FormatSettings()); }
std::string FormatFloat(std::string_view, double value, const TFormatSettings& s) { return FloatToStr(value, s); }
std::string FormatFloat(std::string_view f, double value) { return FormatFloat(f, value, FormatSettings()); }
bool TextToFloat(std::string_view text, double& value, const TFormatSettings&) { std::string s(text); char* e = nullptr; value = std::strtod(s.c_str(), &e); return !s.empty() && *e == 0; }
bool TryStrToFloat(std::string_view text, double& value, const TFormatSettings& s) { return TextToFloat(text, value, s); }
bool TryStrToFloat(std::string_view text, double& value) { return TextToFloat(text, value, FormatSettings()); }
double StrToFloat(std::string_view text, const TFormatSettings& s) { double v = 0; if (!TextToFloat(text, v, s)) throw EConvertError("'" + std::string(text) + "' is not a valid floating point value"); return v; }
double StrToFloat(std::string_view text) { return StrToFloat(text, FormatSettings()); }
double StrToFloatDef(std::string_view text, double d, const TFormatSettings& s) { double v = 0; return TextToFloat(text, v, s) ? v : d; }
double StrToFloatDef(std::string_view text, double d) { return StrToFloatDef(text, d, FormatSettings()); }
