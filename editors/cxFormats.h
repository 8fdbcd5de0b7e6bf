// The display and edit formats the editors derive from the user's regional
// settings, kept in one process-wide controller: currency format, start of
// week, date edit format, the date and date-time edit masks (standard and
// regular-expression) and masked display formats. Listeners are told when
// the regional settings change (a hidden window hears it) or when a value
// is set.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "editors/cxDateUtils.h"
#include "platform/controls/Controls.h"
#include "platform/objects/Interfaces.h"

enum class TcxDateTimeFormatItemKind {
  dtikString,
  dtikYear,
  dtikMonth,
  dtikDay,
  dtikHour,
  dtikMin,
  dtikSec,
  dtikMSec,
  dtikTimeSuffix,
  dtikDateSeparator,
  dtikTimeSeparator
};

struct TcxDateTimeFormatItem {
  TcxDateTimeFormatItemKind Kind = TcxDateTimeFormatItemKind::dtikString;
  std::string Data;
};

// A date or time display format parsed into items.
struct TcxDateTimeFormatInfo {
  std::array<bool, 11> DefinedItems{};
  std::vector<TcxDateTimeFormatItem> Items;

  bool Defined(TcxDateTimeFormatItemKind kind) const {
    return DefinedItems[static_cast<int>(kind)];
  }
};

enum class TcxTimeSuffixKind { tskAP, tskAMPM, tskAMPMString };

// Where an item lies in the text of a standard edit mask.
struct TcxDateTimeFormatItemInfo {
  TcxDateTimeFormatItemKind Kind = TcxDateTimeFormatItemKind::dtikString;
  int ItemZoneStart = 0; // 1-based
  int ItemZoneLength = 0;
  TcxTimeSuffixKind TimeSuffixKind = TcxTimeSuffixKind::tskAP;
};

enum class TcxDateTimeEditMaskKind { dtmkDate, dtmkTime, dtmkDateTime };

class IcxFormatControllerListener : public virtual IInterface {
public:
  static constexpr TGUID IID = StringToGUID("{A7F2F6D3-1A7D-4295-A6E6-9297BD83D0DE}");
  virtual void FormatChanged() = 0;

protected:
  ~IcxFormatControllerListener() = default;
};

class IcxFormatControllerListener2 : public virtual IInterface {
public:
  static constexpr TGUID IID = StringToGUID("{5E33A2A7-0C77-415F-A359-112103E54937}");
  virtual void TimeChanged() = 0;

protected:
  ~IcxFormatControllerListener2() = default;
};

class TcxFormatController : public TObject {
  OBJECT_CLASS(TcxFormatController, TObject)
public:
  TcxFormatController();
  ~TcxFormatController() override;

  // A listener is kept once and not kept alive: it removes itself before it
  // goes. The hidden window exists while there is a listener.
  virtual void AddListener(IcxFormatControllerListener* AListener);
  virtual void RemoveListener(IcxFormatControllerListener* AListener);
  HWND WindowHandle() const { return m_window; }

  void BeginUpdate();
  // The last one tells the listeners, without recomputing.
  void EndUpdate();
  // Recomputes (unless locked) and tells the listeners.
  void FormatChanged();
  void TimeChanged();
  void NotifyListeners();
  void GetFormats();

  static std::string GetCurrencyFormat();
  static TDay GetStartOfWeek();
  static std::string GetDateEditFormat(bool AIsMaskEdit);
  static std::string GetDateTimeDisplayFormat(TcxDateTimeEditMaskKind AMaskKind);

  const std::string& CurrencyFormat() const { return m_currencyFormat; }
  void SetCurrencyFormat(const std::string& Value);
  TDay StartOfWeek() const { return m_startOfWeek; }
  void SetStartOfWeek(TDay Value);
  const std::string& StandardDateEditMask() const { return m_standardDateEditMask; }
  void SetStandardDateEditMask(const std::string& Value);
  const std::string& StandardDateTimeEditMask() const { return m_standardDateTimeEditMask; }
  void SetStandardDateTimeEditMask(const std::string& Value);
  const std::string& RegExprDateEditMask() const { return m_regExprDateEditMask; }
  void SetRegExprDateEditMask(const std::string& Value);
  const std::string& RegExprDateTimeEditMask() const { return m_regExprDateTimeEditMask; }
  void SetRegExprDateTimeEditMask(const std::string& Value);
  void SetAssignedCurrencyFormat(bool Value);
  void SetAssignedStartOfWeek(bool Value);
  void SetAssignedStandardDateEditMask(bool Value);
  void SetAssignedStandardDateTimeEditMask(bool Value);
  void SetAssignedRegExprDateEditMask(bool Value);
  void SetAssignedRegExprDateTimeEditMask(bool Value);
  TcxFirstWeekOfYear FirstWeekOfYear() const { return m_firstWeekOfYear; }
  void SetFirstWeekOfYear(TcxFirstWeekOfYear Value);
  // Date text converted by the class library's format settings instead of
  // the locale's.
  bool UseClassLibraryFormats() const { return m_useClassLibraryFormats; }
  void SetUseClassLibraryFormats(bool Value);

  const std::string& DateEditFormat() const { return m_dateEditFormat; }
  const std::string& DateEditMask() const { return m_dateEditMask; }
  const std::string& MaskedDateEditFormat() const { return m_maskedDateEditFormat; }
  const std::string& MaskedDateTimeEditFormat() const { return m_maskedDateTimeEditFormat; }
  const TcxDateTimeFormatInfo& DateFormatInfo() const { return m_dateFormatInfo; }
  const TcxDateTimeFormatInfo& TimeFormatInfo() const { return m_timeFormatInfo; }
  const TcxDateTimeFormatInfo& DateTimeFormatInfo() const { return m_dateTimeFormatInfo; }

  void CalculateDateEditMasks(bool AUseSmartInputWhenRegExpr);
  static std::string InternalGetDateTimeEditStandardMask(const TcxDateTimeFormatInfo& AFormatInfo,
                                                         TcxDateTimeEditMaskKind AMaskKind);
  static std::string InternalGetDateTimeEditRegExprMask(const TcxDateTimeFormatInfo& AFormatInfo,
                                                        TcxDateTimeEditMaskKind AMaskKind);
  static std::string InternalGetMaskedDateEditFormat(const TcxDateTimeFormatInfo& AFormatInfo);
  static int GetDateTimeFormatItemStandardMaskZoneLength(const TcxDateTimeFormatItem& AItem);
  static int GetDateTimeStandardMaskStringLength(const TcxDateTimeFormatInfo& AFormatInfo);
  static bool GetDateTimeFormatItemStandardMaskInfo(const TcxDateTimeFormatInfo& AFormatInfo,
                                                    int APos,
                                                    TcxDateTimeFormatItemInfo& AItemInfo);

protected:
  virtual void WndProc(TMessage& Message);

private:
  enum TAssigned {
    aCurrencyFormat,
    aStartOfWeek,
    aStandardDateEditMask,
    aStandardDateTimeEditMask,
    aRegExprDateEditMask,
    aRegExprDateTimeEditMask,
    aCount
  };
  void SetValue(TAssigned which, std::string& field, const std::string& value);
  void SetAssigned(TAssigned which, bool value);

  std::vector<IcxFormatControllerListener*> m_listeners;
  HWND m_window = nullptr;
  int m_lockCount = 0;
  std::array<bool, aCount> m_assigned{};
  std::string m_currencyFormat;
  TDay m_startOfWeek = TDay::dSunday;
  std::string m_dateEditFormat;
  std::string m_dateEditMask;
  std::string m_standardDateEditMask;
  std::string m_standardDateTimeEditMask;
  std::string m_regExprDateEditMask;
  std::string m_regExprDateTimeEditMask;
  std::string m_maskedDateEditFormat;
  std::string m_maskedDateTimeEditFormat;
  TcxFirstWeekOfYear m_firstWeekOfYear = TcxFirstWeekOfYear::fwySystem;
  bool m_useClassLibraryFormats = false;
  TcxDateTimeFormatInfo m_dateFormatInfo;
  TcxDateTimeFormatInfo m_timeFormatInfo;
  TcxDateTimeFormatInfo m_dateTimeFormatInfo;
};

// The process-wide controller, made on first use.
TcxFormatController* cxFormatController();

// Parses a display format; a format the editors cannot take (an era, "g")
// leaves the info empty and answers false.
bool ParseDateTimeFormat(const std::string& AFormat, TcxDateTimeFormatInfo& AFormatInfo);
std::string GetCharString(char C, int ACount);
// Lets a regular-expression date mask also take the smart-input words (and
// "now" with ACanEnterTime), each with an optional signed day offset.
void AddDateRegExprMaskSmartInput(std::string& AMask, bool ACanEnterTime);
// The 20 smart-input words, after the resource-string repository.
std::array<std::string, 20> cxGetSmartInputWords();

extern const TUnitInfo cxFormatsUnit;
