// The database layer's time-stamp record, as record storage keeps it. The
// run-time has no time-stamp variant, so a time stamp meets variants as a date.
#pragma once

#include <cstdint>

#include "platform/rtl/DateTime.h"

struct TSQLTimeStamp {
  std::int16_t Year = 0;
  std::uint16_t Month = 0;
  std::uint16_t Day = 0;
  std::uint16_t Hour = 0;
  std::uint16_t Minute = 0;
  std::uint16_t Second = 0;
  // Milliseconds.
  std::uint32_t Fractions = 0;
};
static_assert(sizeof(TSQLTimeStamp) == 16);

// Raises EConvertError for a value outside the calendar (01.01.0001 to 31.12.9999).
TSQLTimeStamp DateTimeToSQLTimeStamp(TDateTime value);
// Raises EConvertError for a record that is not a valid date and time.
TDateTime SQLTimeStampToDateTime(const TSQLTimeStamp& stamp);
