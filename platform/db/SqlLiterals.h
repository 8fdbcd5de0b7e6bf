// Values and names written into statement texts: quoted names, and values
// as literals the server reads back exactly. Text goes through the session's
// escape function, handed in as 'quote'.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/db/FieldTypes.h"
#include "platform/db/SqlRow.h"

class Variant;

// Turns text into a quoted, escaped literal.
using TQuoteText = std::function<std::string(std::string_view text)>;

// `name`, with backquotes inside doubled.
std::string QuoteIdentifier(std::string_view name);
// Each dot-separated part quoted: "torvane_mycon.quillpost" gives
// `torvane_mycon`.`quillpost`.
std::string QuoteQualifiedName(std::string_view name);

// A variant as a literal: NULL for Null and Empty, integers and Booleans
// (1, 0) as digits, floating point and currency with '.', dates as
// 'yyyy-mm-dd hh:mm:ss[.zzz]', text through 'quote'. Nothing for values a
// statement cannot hold (arrays, errors, non-finite numbers).
std::optional<std::string> VariantLiteral(const Variant& value, const TQuoteText& quote);

// A value as a field of 'type' stores it (the server's text): NULL, integers
// and floating point as they are, everything else through 'quote'.
std::string StoredValueLiteral(const TSqlValueView& value, TFieldType type,
                               const TQuoteText& quote);
