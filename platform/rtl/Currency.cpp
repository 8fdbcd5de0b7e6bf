#include "platform/rtl/Currency.h"

#include "platform/rtl/Exceptions.h"

Currency Currency::FromDouble(double value) { return FromScaled(static_cast<std::int64_t>(value * Scale)); }
Currency Currency::operator+(Currency other) const { return FromScaled(m_scaled + other.m_scaled); }
Currency Currency::operator-(Currency other) const { return FromScaled(m_scaled - other.m_scaled); }
Currency Currency::operator-() const { return FromScaled(-m_scaled); }
std::string CurrToStr(Currency value) { return FloatToStr(value.ToDouble()); }
std::string CurrToStr(Currency value, const TFormatSettings& settings) { return FloatToStr(value.ToDouble(), settings); }
std::string CurrToStrF(Currency value, TFloatFormat format, int digits) { return FloatToStrF(value.ToDouble(), format, 19, digits); }
std::string CurrToStrF(Currency value, TFloatFormat format, int digits, const TFormatSettings& settings) { return FloatToStrF(value.ToDouble(), format, 19, digits, settings); }
Currency StrToCurr(std::string_view text) { return Currency::FromDouble(StrToFloat(text)); }
Currency StrToCurr(std::string_view text, const TFormatSettings& settings) { return Currency::FromDouble(StrToFloat(text, settings)); }
bool TryStrToCurr(std::string_view text, Currency& value) { double d = 0; if (!TryStrToFloat(text, d)) return false; value = Currency::FromDouble(d); return true; }
bool TryStrToCurr(std::string_view text, Currency& value, const TFormatSettings& settings) { double d = 0; if (!TryStrToFloat(text, d, settings)) return false; value = Currency::FromDouble(d); return true; }
