// Dates and times as the server writes and reads them: "yyyy-mm-dd" for
// DATE, "[-]hh:mm:ss[.ffffff]" for TIME (hours may pass 24),
// "yyyy-mm-dd hh:mm:ss[.ffffff]" for DATETIME and TIMESTAMP.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/db/FieldTypes.h"
#include "platform/rtl/DateTime.h"

// The value of the server's text for a column of 'type' (ftDate, ftTime or
// ftDateTime); nothing for zero dates ("0000-00-00") and any other text that
// names no day of the calendar.
std::optional<TDateTime> ParseServerDateTime(std::string_view text, TFieldType type);

// The text the server reads as 'value' for a column of 'type'; a time keeps
// only the time of day. Milliseconds are written when there are any.
std::string ServerDateTimeText(TDateTime value, TFieldType type);
