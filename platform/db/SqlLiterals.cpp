#include "platform/db/SqlLiterals.h"

#include <charconv>
#include <cmath>

#include "platform/db/ServerDateTime.h"
#include "platform/rtl/Currency.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/Variants.h"

namespace {

std::string DoubleLiteral(double value) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

bool IsNumericType(TFieldType type) {
  return type == TFieldType::ftInteger || type == TFieldType::ftLargeint ||
         type == TFieldType::ftFloat;
}

} // namespace

std::string QuoteIdentifier(std::string_view name) {
  std::string quoted = "`";
  for (const char c : name) {
    quoted += c;
    if (c == '`')
      quoted += '`';
  }
  return quoted + '`';
}

std::string QuoteQualifiedName(std::string_view name) {
  std::string quoted;
  std::size_t start = 0;
  for (std::size_t dot = name.find('.'); dot != std::string_view::npos;
       start = dot + 1, dot = name.find('.', start))
    quoted += QuoteIdentifier(name.substr(start, dot - start)) + '.';
  return quoted + QuoteIdentifier(name.substr(start));
}

std::optional<std::string> VariantLiteral(const Variant& value, const TQuoteText& quote) {
  if (VarIsNull(value) || VarIsEmpty(value))
    return "NULL";
  if (VarIsArray(value))
    return std::nullopt;
  switch (VarType(value)) {
  case varBoolean:
    return value.ToBoolean() ? "1" : "0";
  case varSingle:
  case varDouble:
    if (!std::isfinite(value.ToDouble()))
      return std::nullopt;
    return DoubleLiteral(value.ToDouble());
  case varCurrency:
    return CurrToStr(value.ToCurrency(), TFormatSettings{});
  case varDate:
    return "'" + ServerDateTimeText(value.ToDateTime(), TFieldType::ftDateTime) + "'";
  case varString:
  case varOleStr:
    return quote(value.ToString());
  default:
    if (VarIsOrdinal(value))
      return IntToStr(value.ToInt64());
    return std::nullopt;
  }
}

std::string StoredValueLiteral(const TSqlValueView& value, TFieldType type,
                               const TQuoteText& quote) {
  if (!value)
    return "NULL";
  return IsNumericType(type) ? std::string(*value) : quote(*value);
}
