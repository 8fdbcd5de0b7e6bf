#include "editors/cxFormats.h"

#include <algorithm>
#include <memory>

#include "data/cxDataUtils.h"
#include "platform/controls/MessageRecords.h"
#include "platform/controls/Timers.h"
#include "platform/rtl/FormatSettings.h"

namespace {

std::unique_ptr<TcxFormatController> globalController;

constexpr WCHAR kIntlSection[] = {'i', 'n', 't', 'l', 0};

// Whether a setting change names the regional settings.
bool IsIntlSettingChange(const TWMSettingChange& change) {
  return change.Flag() == 0 && change.Section() &&
         ::lstrcmpiW(reinterpret_cast<LPCWSTR>(change.Section()), kIntlSection) == 0;
}

void Finalize() { globalController.reset(); }

// "(" S N ")" and its kin: the Windows negative currency formats 0..15.
std::string NegativeCurrencyPart(int code, const std::string& s, const std::string& n) {
  switch (code) {
  case 0: return "(" + s + n + ")";
  case 1: return "-" + s + n;
  case 2: return s + "-" + n;
  case 3: return s + n + "-";
  case 4: return "(" + n + s + ")";
  case 5: return "-" + n + s;
  case 6: return n + "-" + s;
  case 7: return n + s + "-";
  case 8: return "-" + n + " " + s;
  case 9: return "-" + s + " " + n;
  case 10: return n + " " + s + "-";
  case 11: return s + " " + n + "-";
  case 12: return s + " " + "-" + n;
  case 13: return n + "-" + " " + s;
  case 14: return "(" + s + " " + n + ")";
  case 15: return "(" + n + " " + s + ")";
  default: return "";
  }
}

// Every single letter doubled; runs of two or more kept.
std::string DoubleSingleLetters(const std::string& format, char letter) {
  std::string result;
  for (std::size_t i = 0; i < format.size();) {
    std::size_t run = 0;
    while (i + run < format.size() && format[i + run] == letter)
      ++run;
    if (run == 0) {
      result += format[i++];
      continue;
    }
    result.append(run == 1 ? 2 : run, letter);
    i += run;
  }
  return result;
}

} // namespace

const TUnitInfo cxFormatsUnit{"cxFormats", nullptr, Finalize};

TcxFormatController* cxFormatController() {
  if (!globalController)
    globalController = std::make_unique<TcxFormatController>();
  return globalController.get();
}

TcxFormatController::TcxFormatController() { GetFormats(); }

TcxFormatController::~TcxFormatController() { DeallocateHWnd(m_window); }

void TcxFormatController::AddListener(IcxFormatControllerListener* AListener) {
  if (std::find(m_listeners.begin(), m_listeners.end(), AListener) != m_listeners.end())
    return;
  m_listeners.push_back(AListener);
  if (!m_window)
    m_window = AllocateHWnd(TWndMethod(this, &TcxFormatController::WndProc));
}

void TcxFormatController::RemoveListener(IcxFormatControllerListener* AListener) {
  std::erase(m_listeners, AListener);
  if (m_listeners.empty() && m_window) {
    DeallocateHWnd(m_window);
    m_window = nullptr;
  }
}

void TcxFormatController::BeginUpdate() { ++m_lockCount; }

void TcxFormatController::EndUpdate() {
  if (m_lockCount > 0 && --m_lockCount == 0)
    NotifyListeners();
}

void TcxFormatController::FormatChanged() {
  if (m_lockCount != 0)
    return;
  GetFormats();
  NotifyListeners();
}

void TcxFormatController::TimeChanged() {
  const std::vector<IcxFormatControllerListener*> listeners = m_listeners;
  for (IcxFormatControllerListener* listener : listeners) {
    IcxFormatControllerListener2* listener2 = nullptr;
    if (Supports<IcxFormatControllerListener2>(listener, listener2))
      listener2->TimeChanged();
  }
}

// A copy: a listener may remove itself when told.
void TcxFormatController::NotifyListeners() {
  const std::vector<IcxFormatControllerListener*> listeners = m_listeners;
  for (IcxFormatControllerListener* listener : listeners)
    listener->FormatChanged();
}

void TcxFormatController::GetFormats() {
  if (!m_assigned[aCurrencyFormat])
    m_currencyFormat = GetCurrencyFormat();
  if (!m_assigned[aStartOfWeek])
    m_startOfWeek = GetStartOfWeek();
  CalculateDateEditMasks(true);
  m_dateEditFormat = GetDateEditFormat(false);
}

std::string TcxFormatController::GetCurrencyFormat() {
  const TFormatSettings& settings = FormatSettings();
  const std::string n = ",0." + std::string(settings.CurrencyDecimals, '0');
  const std::string s = QuotedCurrencySymbol(settings.CurrencyString);
  const std::string positive = s.empty() ? "" : DefaultCurrencyDisplayFormat(settings);
  return positive + ";" + NegativeCurrencyPart(settings.NegCurrFormat, s, n);
}

TDay TcxFormatController::GetStartOfWeek() { return static_cast<TDay>(::GetStartOfWeek()); }

std::string TcxFormatController::GetDateEditFormat(bool AIsMaskEdit) {
  std::string format =
      DoubleSingleLetters(DoubleSingleLetters(FormatSettings().ShortDateFormat, 'd'), 'M');
  if (AIsMaskEdit) {
    const std::size_t first = format.find('M');
    if (first != std::string::npos) {
      std::size_t end = first;
      while (end < format.size() && format[end] == 'M')
        ++end;
      if (end - first > 3)
        format.erase(first + 3, end - first - 3);
    }
  }
  return format;
}

std::string TcxFormatController::GetDateTimeDisplayFormat(TcxDateTimeEditMaskKind AMaskKind) {
  const TFormatSettings& settings = FormatSettings();
  switch (AMaskKind) {
  case TcxDateTimeEditMaskKind::dtmkDate: return settings.ShortDateFormat;
  case TcxDateTimeEditMaskKind::dtmkTime: return settings.LongTimeFormat;
  default: return settings.ShortDateFormat + " " + settings.LongTimeFormat;
  }
}

void TcxFormatController::SetValue(TAssigned which, std::string& field, const std::string& value) {
  m_assigned[which] = true;
  if (field == value)
    return;
  field = value;
  FormatChanged();
}

void TcxFormatController::SetCurrencyFormat(const std::string& Value) {
  SetValue(aCurrencyFormat, m_currencyFormat, Value);
}

void TcxFormatController::SetStartOfWeek(TDay Value) {
  m_assigned[aStartOfWeek] = true;
  if (m_startOfWeek == Value)
    return;
  m_startOfWeek = Value;
  FormatChanged();
}

void TcxFormatController::SetStandardDateEditMask(const std::string& Value) {
  SetValue(aStandardDateEditMask, m_standardDateEditMask, Value);
}

void TcxFormatController::SetStandardDateTimeEditMask(const std::string& Value) {
  SetValue(aStandardDateTimeEditMask, m_standardDateTimeEditMask, Value);
}

void TcxFormatController::SetRegExprDateEditMask(const std::string& Value) {
  SetValue(aRegExprDateEditMask, m_regExprDateEditMask, Value);
}

void TcxFormatController::SetRegExprDateTimeEditMask(const std::string& Value) {
  SetValue(aRegExprDateTimeEditMask, m_regExprDateTimeEditMask, Value);
}

void TcxFormatController::SetAssigned(TAssigned which, bool value) {
  if (m_assigned[which] == value)
    return;
  m_assigned[which] = value;
  FormatChanged();
}

void TcxFormatController::SetAssignedCurrencyFormat(bool Value) {
  SetAssigned(aCurrencyFormat, Value);
}
void TcxFormatController::SetAssignedStartOfWeek(bool Value) { SetAssigned(aStartOfWeek, Value); }
void TcxFormatController::SetAssignedStandardDateEditMask(bool Value) {
  SetAssigned(aStandardDateEditMask, Value);
}
void TcxFormatController::SetAssignedStandardDateTimeEditMask(bool Value) {
  SetAssigned(aStandardDateTimeEditMask, Value);
}
void TcxFormatController::SetAssignedRegExprDateEditMask(bool Value) {
  SetAssigned(aRegExprDateEditMask, Value);
}
void TcxFormatController::SetAssignedRegExprDateTimeEditMask(bool Value) {
  SetAssigned(aRegExprDateTimeEditMask, Value);
}

void TcxFormatController::SetFirstWeekOfYear(TcxFirstWeekOfYear Value) {
  if (m_firstWeekOfYear == Value)
    return;
  m_firstWeekOfYear = Value;
  FormatChanged();
}

void TcxFormatController::SetUseClassLibraryFormats(bool Value) {
  if (m_useClassLibraryFormats == Value)
    return;
  m_useClassLibraryFormats = Value;
  FormatChanged();
  MinYear = Value ? 1 : 100;
}

// A change of the regional settings ("intl") reloads the class library's
// formats (this platform's application always follows the regional
// settings), then this controller's; a change of the system time is passed on.
void TcxFormatController::WndProc(TMessage& Message) {
  if (Message.Msg == WM_WININICHANGE && IsIntlSettingChange(TWMSettingChange(Message))) {
    ::GetFormatSettings();
    GetFormats();
    NotifyListeners();
    Message.Result = 0;
    return;
  }
  if (Message.Msg == WM_TIMECHANGE) {
    TimeChanged();
    Message.Result = 0;
    return;
  }
  Message.Result = ::DefWindowProcW(m_window, Message.Msg, Message.WParam, Message.LParam);
}
