#include "data/cxDataStorageTimeStamp.h"

#include "platform/rtl/Exceptions.h"

namespace {

// 01.01.10000.
constexpr TDateTime kFirstDayAfterCalendar = 2958466.0;

[[noreturn]] void InvalidTimeStamp() { throw EConvertError("Invalid SQL time stamp"); }

} // namespace

TSQLTimeStamp DateTimeToSQLTimeStamp(TDateTime value) {
  // Days of 01.01.0001 run down to MinDateTime - 1 (the time counts away from zero).
  if (!(value > MinDateTime - 1.0 && value < kFirstDayAfterCalendar))
    InvalidTimeStamp();
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, msec = 0;
  DecodeDate(value, year, month, day);
  DecodeTime(value, hour, minute, second, msec);
  TSQLTimeStamp stamp;
  stamp.Year = static_cast<std::int16_t>(year);
  stamp.Month = static_cast<std::uint16_t>(month);
  stamp.Day = static_cast<std::uint16_t>(day);
  stamp.Hour = static_cast<std::uint16_t>(hour);
  stamp.Minute = static_cast<std::uint16_t>(minute);
  stamp.Second = static_cast<std::uint16_t>(second);
  stamp.Fractions = static_cast<std::uint32_t>(msec);
  return stamp;
}

TDateTime SQLTimeStampToDateTime(const TSQLTimeStamp& stamp) {
  TDateTime date = 0.0;
  TDateTime time = 0.0;
  if (stamp.Fractions >= MSecsPerSec || !TryEncodeDate(stamp.Year, stamp.Month, stamp.Day, date) ||
      !TryEncodeTime(stamp.Hour, stamp.Minute, stamp.Second, static_cast<int>(stamp.Fractions), time))
    InvalidTimeStamp();
  // Before 30 December 1899 the time counts away from zero too.
  return date < 0 ? date - time : date + time;
}
