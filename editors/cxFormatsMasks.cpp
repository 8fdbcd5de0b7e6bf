// Display formats parsed into items, and the edit masks and masked display
// formats made from them.
#include <algorithm>
#include <cstring>

#include "editors/cxEditConsts.h"
#include "editors/cxFormats.h"
#include "platform/rtl/AnsiStrings.h"
#include "platform/rtl/FormatSettings.h"

namespace {

using enum TcxDateTimeFormatItemKind;
using enum TcxDateTimeEditMaskKind;

bool SameTextAscii(const std::string& a, const char* b) { return ::lstrcmpiA(a.c_str(), b) == 0; }

char UpperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// Reads a display format into a format info, one character at a time.
class TFormatParser {
public:
  explicit TFormatParser(TcxDateTimeFormatInfo& info) : m_info(info) {}

  bool Parse(const std::string& format, int depth);
  void PostStep();

private:
  void AddItem(TcxDateTimeFormatItemKind kind, const std::string& data);
  void AddText(const std::string& text);
  std::size_t RunLength(const std::string& format, std::size_t position) const;
  bool StartsWithAt(const std::string& format, std::size_t position, const char* text) const;
  // Handles the letter at 'position'; answers how many characters it took,
  // or 0 when the format cannot be parsed.
  std::size_t ParseLetter(const std::string& format, std::size_t position, int depth);
  std::size_t ParseA(const std::string& format, std::size_t position);

  TcxDateTimeFormatInfo& m_info;
  char m_lastLetter = 0;
  bool m_suffixSeen = false;
};

void TFormatParser::AddItem(TcxDateTimeFormatItemKind kind, const std::string& data) {
  const bool repeatable = kind == dtikString || kind == dtikDateSeparator || kind == dtikTimeSeparator;
  if (!repeatable && m_info.Defined(kind))
    return;
  m_info.Items.push_back({kind, data});
  m_info.DefinedItems[static_cast<int>(kind)] = true;
}

void TFormatParser::AddText(const std::string& text) {
  if (!m_info.Items.empty() && m_info.Items.back().Kind == dtikString)
    m_info.Items.back().Data += text;
  else
    AddItem(dtikString, text);
}

std::size_t TFormatParser::RunLength(const std::string& format, std::size_t position) const {
  const char letter = UpperAscii(format[position]);
  std::size_t end = position;
  while (end < format.size() && UpperAscii(format[end]) == letter)
    ++end;
  return end - position;
}

bool TFormatParser::StartsWithAt(const std::string& format, std::size_t position,
                                 const char* text) const {
  const std::string part = format.substr(position, std::strlen(text));
  return SameTextAscii(part, text);
}

bool TFormatParser::Parse(const std::string& format, int depth) {
  if (depth >= 2)
    return true;
  const std::string text = format.empty() ? std::string("C") : format;
  std::size_t i = 0;
  while (i < text.size()) {
    const char c = text[i];
    if (::IsDBCSLeadByte(static_cast<BYTE>(c)) && i + 1 < text.size()) {
      AddText(text.substr(i, 2));
      i += 2;
    } else if (c == '"' || c == '\'') {
      const std::size_t close = text.find(c, i + 1);
      const std::size_t end = close == std::string::npos ? text.size() : close;
      AddText(text.substr(i + 1, end - i - 1));
      i = close == std::string::npos ? end : end + 1;
    } else if (c == '/') {
      AddItem(dtikDateSeparator, "/");
      ++i;
    } else if (c == ':') {
      AddItem(dtikTimeSeparator, ":");
      ++i;
    } else {
      const std::size_t taken = ParseLetter(text, i, depth);
      if (taken == 0)
        return false;
      i += taken;
    }
  }
  return true;
}

std::size_t TFormatParser::ParseA(const std::string& format, std::size_t position) {
  for (const char* suffix : {"AM/PM", "A/P", "AMPM"}) {
    if (StartsWithAt(format, position, suffix)) {
      const std::size_t length = std::strlen(suffix);
      AddItem(dtikTimeSuffix, suffix == std::string("AMPM") ? std::string("AMPM")
                                                             : format.substr(position, length));
      m_suffixSeen = true;
      return length;
    }
  }
  if (StartsWithAt(format, position, "AAAA")) {
    AddItem(dtikDay, "DDDD");
    return 4;
  }
  if (StartsWithAt(format, position, "AAA")) {
    AddItem(dtikDay, "DDD");
    return 3;
  }
  AddText(format.substr(position, 1));
  return 1;
}

std::size_t TFormatParser::ParseLetter(const std::string& format, std::size_t position,
                                       int depth) {
  char letter = UpperAscii(format[position]);
  const std::size_t run = RunLength(format, position);
  const TFormatSettings& settings = FormatSettings();
  if (letter == 'M' && m_lastLetter == 'H')
    letter = 'N';
  if (letter >= 'A' && letter <= 'Z')
    m_lastLetter = UpperAscii(format[position]);
  const auto item = [&](TcxDateTimeFormatItemKind kind, char c, std::size_t maximum) {
    AddItem(kind, std::string(std::min(run, maximum), c));
    return run;
  };
  const auto parseIn = [&](const std::string& inner) -> std::size_t {
    return Parse(inner, depth + 1) ? run : 0;
  };
  switch (letter) {
  case 'A': return ParseA(format, position);
  case 'C':
    if (!Parse(settings.ShortDateFormat, depth + 1))
      return 0;
    AddText(" ");
    return Parse(settings.LongTimeFormat, depth + 1) ? 1 : 0;
  case 'D':
    if (run <= 4)
      return item(dtikDay, 'D', 4);
    return parseIn(run == 5 ? settings.ShortDateFormat : settings.LongDateFormat);
  case 'E':
  case 'Y': AddItem(dtikYear, run > 2 ? "YYYY" : "YY"); return run;
  case 'G': return 0;
  case 'H': return item(dtikHour, 'H', 2);
  case 'M': return item(dtikMonth, 'M', 4);
  case 'N': return item(dtikMin, 'N', 2);
  case 'S': return item(dtikSec, 'S', 2);
  case 'Z': return item(dtikMSec, 'Z', 3);
  case 'T': return parseIn(run == 1 ? settings.ShortTimeFormat : settings.LongTimeFormat);
  default: AddText(format.substr(position, 1)); return 1;
  }
}

// The hour says whether it counts to 12 or 24; a suffix without an hour goes.
void TFormatParser::PostStep() {
  auto& items = m_info.Items;
  const auto hour = std::find_if(items.begin(), items.end(),
                                 [](const auto& item) { return item.Kind == dtikHour; });
  if (hour != items.end()) {
    hour->Data = (m_suffixSeen ? "12" : "24") + hour->Data;
    return;
  }
  const auto suffix = std::find_if(items.begin(), items.end(),
                                   [](const auto& item) { return item.Kind == dtikTimeSuffix; });
  if (suffix != items.end()) {
    items.erase(suffix);
    m_info.DefinedItems[static_cast<int>(dtikTimeSuffix)] = false;
  }
}

TcxTimeSuffixKind SuffixKind(const std::string& data) {
  if (SameTextAscii(data, "A/P"))
    return TcxTimeSuffixKind::tskAP;
  if (SameTextAscii(data, "AM/PM"))
    return TcxTimeSuffixKind::tskAMPM;
  return TcxTimeSuffixKind::tskAMPMString;
}

int AmPmLength() {
  const TFormatSettings& settings = FormatSettings();
  return static_cast<int>(std::max(settings.TimeAMString.size(), settings.TimePMString.size()));
}

std::string Quoted(const std::string& text) { return "'" + text + "'"; }

// A separator in a regular expression: a blank quoted, anything else escaped.
std::string EscapedSeparator(char separator) {
  if (separator == 0)
    return "";
  return separator == ' ' ? "' '" : std::string{'\\', separator};
}

std::string MonthNamesExpression(const TcxDateTimeFormatItem& item) {
  const TFormatSettings& settings = FormatSettings();
  const auto& names = item.Data.size() == 4 ? settings.LongMonthNames : settings.ShortMonthNames;
  std::string alternatives;
  for (const std::string& name : names)
    alternatives += (alternatives.empty() ? "" : "|") + Quoted(name);
  return "((0?[1-9]|1[012])|(" + alternatives + "))";
}

std::string DateItemExpression(const TcxDateTimeFormatItem& item) {
  switch (item.Kind) {
  case dtikString: return Quoted(item.Data);
  case dtikYear: return item.Data.size() == 2 ? "\\d\\d" : "\\d\\d\\d\\d";
  case dtikMonth: return MonthNamesExpression(item);
  case dtikDay: return "([012]?[1-9]|[123]0|31)";
  case dtikDateSeparator: return EscapedSeparator(FormatSettings().DateSeparator);
  default: return "";
  }
}

std::string TimeSuffixExpression(const std::string& data) {
  switch (SuffixKind(data)) {
  case TcxTimeSuffixKind::tskAP: return "(A|P)?";
  case TcxTimeSuffixKind::tskAMPM: return "(AM|PM)?";
  default: break;
  }
  const TFormatSettings& settings = FormatSettings();
  const std::string& am = settings.TimeAMString;
  const std::string& pm = settings.TimePMString;
  if (am.empty() && pm.empty())
    return "";
  if (am.empty() || pm.empty())
    return "(" + Quoted(am.empty() ? pm : am) + ")?";
  return "(" + Quoted(am) + "|" + Quoted(pm) + ")?";
}

std::string TimeItemExpression(const TcxDateTimeFormatItem& item) {
  switch (item.Kind) {
  case dtikString: return Quoted(item.Data);
  case dtikHour: return item.Data.starts_with("12") ? "(0?[1-9]|1[012])" : "([01]?\\d|2[0-3])";
  case dtikMin:
  case dtikSec: return "[0-5]?\\d";
  case dtikTimeSuffix: return TimeSuffixExpression(item.Data);
  case dtikTimeSeparator: return EscapedSeparator(FormatSettings().TimeSeparator);
  default: return "";
  }
}

std::string StandardItemMask(const TcxDateTimeFormatItem& item, TcxDateTimeEditMaskKind kind) {
  switch (item.Kind) {
  case dtikString: {
    std::string mask;
    for (char c : item.Data)
      mask += std::string{'\\', c};
    return mask;
  }
  case dtikYear: return item.Data.size() == 2 ? "99" : "9999";
  case dtikMonth:
  case dtikDay: return item.Data.size() > 2 ? "lll" : "99";
  case dtikHour:
  case dtikMin:
  case dtikSec: return kind == dtmkTime ? "00" : "99";
  case dtikTimeSuffix:
    switch (SuffixKind(item.Data)) {
    case TcxTimeSuffixKind::tskAP: return "c";
    case TcxTimeSuffixKind::tskAMPM: return "cc";
    default: return std::string(AmPmLength(), 'c');
    }
  case dtikDateSeparator: return "/";
  case dtikTimeSeparator: return ":";
  default: return "";
  }
}

std::string MaskedItemFormat(const TcxDateTimeFormatItem& item) {
  switch (item.Kind) {
  case dtikString: return Quoted(item.Data);
  case dtikYear:
  case dtikTimeSuffix: return LowerCase(item.Data);
  case dtikMonth: return item.Data.size() > 2 ? "mmm" : "mm";
  case dtikDay: return item.Data.size() > 2 ? "ddd" : "dd";
  case dtikHour: return "hh";
  case dtikMin: return "nn";
  case dtikSec: return "ss";
  case dtikDateSeparator: return "/";
  case dtikTimeSeparator: return ":";
  default: return "";
  }
}

// A word as a regular expression: apostrophes escaped, the rest quoted.
std::string QuotedWord(const std::string& word) {
  std::string result, run;
  for (char c : word) {
    if (c != '\'') {
      run += c;
      continue;
    }
    if (!run.empty())
      result += Quoted(run);
    run.clear();
    result += "\\'";
  }
  if (!run.empty())
    result += Quoted(run);
  return result;
}

} // namespace

bool ParseDateTimeFormat(const std::string& AFormat, TcxDateTimeFormatInfo& AFormatInfo) {
  AFormatInfo = {};
  TFormatParser parser(AFormatInfo);
  if (!parser.Parse(AFormat, 0)) {
    AFormatInfo = {};
    return false;
  }
  parser.PostStep();
  return true;
}

std::string GetCharString(char C, int ACount) { return std::string(std::max(ACount, 0), C); }

std::array<std::string, 20> cxGetSmartInputWords() {
  static const TResStringRec* const kWords[20] = {
      &cxSDateToday,  &cxSDateYesterday, &cxSDateTomorrow, &cxSDateSunday, &cxSDateMonday,
      &cxSDateTuesday, &cxSDateWednesday, &cxSDateThursday, &cxSDateFriday, &cxSDateSaturday,
      &cxSDateFirst,  &cxSDateSecond,    &cxSDateThird,    &cxSDateFourth, &cxSDateFifth,
      &cxSDateSixth,  &cxSDateSeventh,   &cxSDateBOM,      &cxSDateEOM,    &cxSDateNow};
  std::array<std::string, 20> words;
  for (int i = 0; i < 20; ++i)
    words[i] = cxEditMessage(*kWords[i]);
  return words;
}

void AddDateRegExprMaskSmartInput(std::string& AMask, bool ACanEnterTime) {
  const std::array<std::string, 20> words = cxGetSmartInputWords();
  std::string mask = "(" + AMask + ")|(" + QuotedWord(words[0]);
  for (int i = 1; i < 20; ++i)
    if (i != 19 || ACanEnterTime)
      mask += "|" + QuotedWord(words[i]);
  AMask = mask + ")((\\+|-)\\d(\\d(\\d\\d?)?)?)?";
}

void TcxFormatController::CalculateDateEditMasks(bool AUseSmartInputWhenRegExpr) {
  ParseDateTimeFormat(GetDateTimeDisplayFormat(dtmkDate), m_dateFormatInfo);
  ParseDateTimeFormat(GetDateTimeDisplayFormat(dtmkTime), m_timeFormatInfo);
  ParseDateTimeFormat(GetDateTimeDisplayFormat(dtmkDateTime), m_dateTimeFormatInfo);
  m_dateEditMask = InternalGetDateTimeEditStandardMask(m_dateFormatInfo, dtmkDate);
  if (!m_assigned[aStandardDateEditMask])
    m_standardDateEditMask = m_dateEditMask;
  if (!m_assigned[aRegExprDateEditMask]) {
    m_regExprDateEditMask = InternalGetDateTimeEditRegExprMask(m_dateFormatInfo, dtmkDate);
    if (AUseSmartInputWhenRegExpr)
      AddDateRegExprMaskSmartInput(m_regExprDateEditMask, false);
  }
  if (!m_assigned[aRegExprDateTimeEditMask]) {
    m_regExprDateTimeEditMask = InternalGetDateTimeEditRegExprMask(m_dateFormatInfo, dtmkDate) +
                                " ' '(" +
                                InternalGetDateTimeEditRegExprMask(m_timeFormatInfo, dtmkTime) +
                                ")?";
    if (AUseSmartInputWhenRegExpr)
      AddDateRegExprMaskSmartInput(m_regExprDateTimeEditMask, true);
  }
  if (!m_assigned[aStandardDateTimeEditMask])
    m_standardDateTimeEditMask =
        InternalGetDateTimeEditStandardMask(m_dateTimeFormatInfo, dtmkDateTime);
  m_maskedDateEditFormat = InternalGetMaskedDateEditFormat(m_dateFormatInfo);
  m_maskedDateTimeEditFormat = InternalGetMaskedDateEditFormat(m_dateTimeFormatInfo);
}

std::string TcxFormatController::InternalGetDateTimeEditStandardMask(
    const TcxDateTimeFormatInfo& AFormatInfo, TcxDateTimeEditMaskKind AMaskKind) {
  if (AFormatInfo.Items.empty())
    return "";
  std::string mask = AMaskKind == dtmkTime ? "" : "!";
  for (const TcxDateTimeFormatItem& item : AFormatInfo.Items)
    mask += StandardItemMask(item, AMaskKind);
  return mask + (AMaskKind == dtmkTime ? ";1;0" : ";1; ");
}

std::string TcxFormatController::InternalGetDateTimeEditRegExprMask(
    const TcxDateTimeFormatInfo& AFormatInfo, TcxDateTimeEditMaskKind AMaskKind) {
  std::string mask;
  if (AMaskKind == dtmkDateTime)
    return mask;
  for (const TcxDateTimeFormatItem& item : AFormatInfo.Items)
    mask += AMaskKind == dtmkDate ? DateItemExpression(item) : TimeItemExpression(item);
  return mask;
}

std::string
TcxFormatController::InternalGetMaskedDateEditFormat(const TcxDateTimeFormatInfo& AFormatInfo) {
  std::string format;
  for (const TcxDateTimeFormatItem& item : AFormatInfo.Items)
    format += MaskedItemFormat(item);
  return format;
}

int TcxFormatController::GetDateTimeFormatItemStandardMaskZoneLength(
    const TcxDateTimeFormatItem& AItem) {
  switch (AItem.Kind) {
  case dtikString: return static_cast<int>(AItem.Data.size());
  case dtikYear: return AItem.Data.size() == 2 ? 2 : 4;
  case dtikMonth:
  case dtikDay: return AItem.Data.size() >= 3 ? 3 : 2;
  case dtikHour:
  case dtikMin:
  case dtikSec: return 2;
  case dtikMSec: return 0;
  case dtikTimeSuffix:
    switch (SuffixKind(AItem.Data)) {
    case TcxTimeSuffixKind::tskAP: return 1;
    case TcxTimeSuffixKind::tskAMPM: return 2;
    default: return AmPmLength();
    }
  default: return 1;
  }
}

int TcxFormatController::GetDateTimeStandardMaskStringLength(
    const TcxDateTimeFormatInfo& AFormatInfo) {
  int length = 0;
  for (const TcxDateTimeFormatItem& item : AFormatInfo.Items)
    length += GetDateTimeFormatItemStandardMaskZoneLength(item);
  return length;
}

bool TcxFormatController::GetDateTimeFormatItemStandardMaskInfo(
    const TcxDateTimeFormatInfo& AFormatInfo, int APos, TcxDateTimeFormatItemInfo& AItemInfo) {
  if (APos <= 0)
    return false;
  int start = 1;
  for (const TcxDateTimeFormatItem& item : AFormatInfo.Items) {
    const int length = GetDateTimeFormatItemStandardMaskZoneLength(item);
    if (start + length > APos) {
      AItemInfo.Kind = item.Kind;
      AItemInfo.ItemZoneStart = start;
      AItemInfo.ItemZoneLength = length;
      if (item.Kind == dtikTimeSuffix)
        AItemInfo.TimeSuffixKind = SuffixKind(item.Data);
      return true;
    }
    start += length;
  }
  return false;
}
