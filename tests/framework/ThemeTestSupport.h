// What the theme tests share: the theme units started with the platform's
// visual styles (their calls recorded on the way) or forced off, and a
// fixture that keeps the process's GDI object count unchanged over a group.
#pragma once

#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "framework/dxUxTheme.h"
#include "platform/rtl/UnitStartup.h"
#include "tests/support/GTest.h"

namespace theme_test {

enum class TVisualStyles {
  // The platform's library, its calls recorded and forwarded.
  On,
  // As on a system without the visual-styles library.
  ForcedOff,
};

std::ostream& operator<<(std::ostream& out, TVisualStyles styles);
std::string StylesName(const testing::TestParamInfo<TVisualStyles>& info);

// The theme calls that reached the library, and scripted answers.
struct TThemeCallLog {
  // Class names opened, in order.
  std::vector<std::u16string> Opened;
  // Open references per handle (the platform may answer one handle twice).
  std::map<HTHEME, int> References;
  int Closes = 0;
  // Closes of handles that were not open.
  int BadCloses = 0;
  // What IsThemeActive answers, when set.
  std::optional<BOOL> ThemeActive;
  // What GetCurrentThemeName answers (file and colour name), when set.
  std::optional<std::u16string> ThemeFileName;
  std::u16string ColorName;

  int OpenReferences() const;
  bool IsOpen(HTHEME theme) const;
};

// Starts dxUxTheme, then dxThemeManager with the visual styles asked for;
// stops them in reverse order when it goes.
class TThemeUnits {
public:
  explicit TThemeUnits(TVisualStyles styles);
  ~TThemeUnits();
  TThemeUnits(const TThemeUnits&) = delete;
  TThemeUnits& operator=(const TThemeUnits&) = delete;

  TThemeCallLog& Log() { return m_log; }
  // Starts further units after the theme manager (stopped first).
  void Start(const TUnitInfo& unit);

private:
  TThemeCallLog m_log;
  TUnitStartup m_library;
  std::optional<dxUxTheme::TdxThemeBindingScope> m_binding;
  TUnitStartup m_units;
};

// Every test group leaves the number of the process's GDI objects as it was.
class TGdiCountedTest {
protected:
  static void RecordGdiObjects();
  static void ExpectGdiObjectsUnchanged();

private:
  static int s_gdiObjects;
};

} // namespace theme_test
