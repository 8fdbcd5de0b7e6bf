#include "tests/support/GTest.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "framework/dxThemeManager.h"
#include "platform/controls/Dialogs.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/WideText.h"
#include "tests/framework/ThemeTestSupport.h"

namespace {

using theme_test::TThemeUnits;
using theme_test::TVisualStyles;
using T = TdxThemedObjectType;

// The classes Wine's built-in theme lacks.
const TdxThemedObjectTypes kMissingUnderWine = {T::totClock,     T::totExplorerBar, T::totPage,
                                                T::totStartPanel, T::totTaskBand,   T::totTaskBar,
                                                T::totTrayNotify};

TdxThemedObjectType TypeAt(int ordinal) { return static_cast<TdxThemedObjectType>(ordinal); }

void SendThemeChange() {
  ::SendMessageW(dxThemeManager_detail::ReceiverWindow(), WM_THEMECHANGED, 0, 0);
}

class ThemeManagerTest : public testing::TestWithParam<TVisualStyles>,
                         protected theme_test::TGdiCountedTest {
protected:
  static void SetUpTestSuite() { RecordGdiObjects(); }
  static void TearDownTestSuite() { ExpectGdiObjectsUnchanged(); }

  bool StylesOn() const { return GetParam() == TVisualStyles::On; }
  theme_test::TThemeCallLog& Log() { return m_units.Log(); }

  TThemeUnits m_units{GetParam()};
};

INSTANTIATE_TEST_SUITE_P(Styles, ThemeManagerTest,
                         testing::Values(TVisualStyles::On, TVisualStyles::ForcedOff),
                         theme_test::StylesName);

TEST_P(ThemeManagerTest, ClassNamesOfTheTypes) {
  EXPECT_EQ(dxThemeClassName(T::totButton), u"Button");
  EXPECT_EQ(dxThemeClassName(T::totTreeview), u"TreeView");
  EXPECT_EQ(dxThemeClassName(T::totWindow), u"Window");
  EXPECT_EQ(dxThemeClassName(T::totTrayNotify), u"TrayNotify");
}

// One handle per type, opened once and handed out again; the classes Wine's
// theme lacks (and, forced off, all) answer null.
TEST_P(ThemeManagerTest, OpensEachClassOnceAndCachesItsHandle) {
  for (int i = 0; i < dxThemedObjectTypeCount; ++i) {
    const TdxThemedObjectType type = TypeAt(i);
    const bool opens = StylesOn() && !kMissingUnderWine.Contains(type);
    HTHEME first = OpenTheme(type);
    EXPECT_EQ(first != nullptr, opens) << i;
    EXPECT_EQ(OpenTheme(type), first) << i;
    EXPECT_EQ(AreVisualStylesAvailable(type), opens) << i;
    EXPECT_EQ(dxThemeManager_detail::ThemeData(type).Theme, first) << i;
    EXPECT_EQ(dxThemeManager_detail::ThemeData(type).ClassName,
              opens ? dxThemeClassName(type) : u"")
        << i;
  }
  if (StylesOn()) {
    // Present classes once each; missing ones are asked again on every use.
    EXPECT_EQ(Log().Opened.size(), 17u + 7u * 3u);
    EXPECT_EQ(Log().OpenReferences(), 17);
  } else {
    EXPECT_TRUE(Log().Opened.empty());
  }
}

TEST_P(ThemeManagerTest, AvailabilityOfASetVisitsItsTypesInOrderUpToTheFirstMissing) {
  struct Case {
    TdxThemedObjectTypes Types;
    bool Available;
    std::vector<std::u16string> Opened;
  };
  const Case cases[] = {
      {{}, true, {}},
      {{T::totEdit, T::totButton}, true, {u"Button", u"Edit"}},
      {{T::totTab, T::totExplorerBar, T::totButton}, false, {u"Button", u"ExplorerBar"}},
  };
  for (const Case& c : cases) {
    CloseAllThemes();
    Log().Opened.clear();
    EXPECT_EQ(AreVisualStylesAvailable(c.Types), StylesOn() && c.Available);
    EXPECT_EQ(Log().Opened, StylesOn() ? c.Opened : std::vector<std::u16string>{});
  }
}

// A name given again in another letter case keeps the cached handle; another
// class closes it and is cached instead.
TEST_P(ThemeManagerTest, NamedOpenReplacesTheCachedClassOnlyWhenTheNameDiffers) {
  HTHEME edit = OpenTheme(T::totEdit);
  EXPECT_EQ(OpenTheme(T::totEdit, L"edit"), edit);
  EXPECT_EQ(OpenTheme(T::totEdit, L"EDIT"), edit);
  if (!StylesOn()) {
    EXPECT_EQ(edit, nullptr);
    EXPECT_EQ(OpenTheme(T::totEdit, L"Combobox"), nullptr);
    return;
  }
  EXPECT_EQ(Log().Opened, std::vector<std::u16string>{u"Edit"});
  HTHEME combo = OpenTheme(T::totEdit, L"Combobox");
  ASSERT_NE(combo, nullptr);
  EXPECT_EQ(Log().Opened.back(), u"Combobox");
  EXPECT_EQ(Log().Closes, 1);
  EXPECT_EQ(dxThemeManager_detail::ThemeData(T::totEdit).ClassName, u"Combobox");
  EXPECT_EQ(OpenTheme(T::totEdit), combo);
  // A class that does not open leaves the type without handle and name.
  EXPECT_EQ(OpenTheme(T::totEdit, L"NoSuchClass"), nullptr);
  EXPECT_EQ(dxThemeManager_detail::ThemeData(T::totEdit).ClassName, u"");
  EXPECT_EQ(Log().OpenReferences(), 0);
}

TEST_P(ThemeManagerTest, CloseThemeAnswersWhatHappened) {
  if (!StylesOn()) {
    EXPECT_EQ(CloseTheme(T::totButton), 1);
    return;
  }
  EXPECT_EQ(CloseTheme(T::totButton), 0);
  EXPECT_EQ(Log().Closes, 0);
  OpenTheme(T::totButton, L"Button");
  EXPECT_EQ(CloseTheme(T::totButton), S_OK);
  EXPECT_EQ(Log().Closes, 1);
  EXPECT_EQ(dxThemeManager_detail::ThemeData(T::totButton).ClassName, u"");
  EXPECT_EQ(CloseTheme(T::totButton), 0);
  EXPECT_EQ(Log().BadCloses, 0);
}

// Closing all keeps the names: the next open without a name reopens the
// class that was in use.
TEST_P(ThemeManagerTest, CloseAllKeepsTheClassNames) {
  OpenTheme(T::totEdit, L"Combobox");
  OpenTheme(T::totButton);
  CloseAllThemes();
  EXPECT_EQ(dxThemeManager_detail::ThemeData(T::totEdit).Theme, nullptr);
  EXPECT_EQ(dxThemeManager_detail::ThemeData(T::totButton).Theme, nullptr);
  EXPECT_EQ(Log().OpenReferences(), 0);
  if (!StylesOn())
    return;
  EXPECT_EQ(dxThemeManager_detail::ThemeData(T::totEdit).ClassName, u"Combobox");
  Log().Opened.clear();
  EXPECT_NE(OpenTheme(T::totEdit), nullptr);
  EXPECT_EQ(Log().Opened, std::vector<std::u16string>{u"Combobox"});
}

// A theme switch sent to the receiver closes every handle and renews it on
// the next use: one open per class again, none left open twice.
TEST_P(ThemeManagerTest, ThemeChangeRenewsTheHandles) {
  if (!StylesOn()) {
    EXPECT_EQ(dxThemeManager_detail::ReceiverWindow(), nullptr);
    return;
  }
  const TdxThemedObjectTypes used = {T::totButton, T::totEdit, T::totScrollBar, T::totTreeview};
  ASSERT_TRUE(AreVisualStylesAvailable(used));
  EXPECT_EQ(Log().OpenReferences(), 4);
  Log().Opened.clear();
  SendThemeChange();
  EXPECT_EQ(Log().OpenReferences(), 0);
  EXPECT_EQ(Log().Closes, 4);
  for (int i = 0; i < dxThemedObjectTypeCount; ++i)
    EXPECT_EQ(dxThemeManager_detail::ThemeData(TypeAt(i)).Theme, nullptr) << i;
  ASSERT_TRUE(AreVisualStylesAvailable(used));
  EXPECT_EQ(Log().Opened,
            (std::vector<std::u16string>{u"Button", u"Edit", u"ScrollBar", u"TreeView"}));
  EXPECT_EQ(Log().OpenReferences(), 4);
  EXPECT_EQ(Log().BadCloses, 0);
}

// Styles switched off: no handle until they are on again, then each type
// reopens under its remembered class.
TEST_P(ThemeManagerTest, StylesSwitchedOffAndOnAgain) {
  if (!StylesOn())
    return;
  OpenTheme(T::totEdit, L"Combobox");
  Log().ThemeActive = FALSE;
  SendThemeChange();
  EXPECT_FALSE(AreVisualStylesAvailable());
  EXPECT_EQ(OpenTheme(T::totEdit), nullptr);
  EXPECT_EQ(CloseTheme(T::totEdit), 1);
  EXPECT_EQ(Log().OpenReferences(), 0);
  Log().Opened.clear();
  Log().ThemeActive = TRUE;
  SendThemeChange();
  EXPECT_TRUE(AreVisualStylesAvailable());
  EXPECT_NE(OpenTheme(T::totEdit), nullptr);
  EXPECT_EQ(Log().Opened, std::vector<std::u16string>{u"Combobox"});
}

// Painters hold the handles they were given while the theme switches: the
// switch closes exactly those, and the next use hands out live ones.
TEST_P(ThemeManagerTest, SwitchWhileHandlesAreInUseLeavesNoDanglingHandle) {
  if (!StylesOn())
    return;
  const std::vector<HTHEME> held = {OpenTheme(T::totButton), OpenTheme(T::totEdit),
                                    OpenTheme(T::totScrollBar)};
  SendThemeChange();
  for (HTHEME theme : held)
    EXPECT_FALSE(Log().IsOpen(theme));
  const std::vector<HTHEME> renewed = {OpenTheme(T::totButton), OpenTheme(T::totEdit),
                                       OpenTheme(T::totScrollBar)};
  for (HTHEME theme : renewed) {
    ASSERT_NE(theme, nullptr);
    EXPECT_TRUE(Log().IsOpen(theme));
    EXPECT_EQ(Log().References[theme], 1);
  }
  EXPECT_EQ(Log().BadCloses, 0);
}

struct TNotified {
  std::vector<int> Calls;
  // Runs inside the next handler called, once.
  std::function<void()> During;
  bool Throw = false;
};

class TRecorder : public TObject {
public:
  TRecorder(TNotified& notified, int id) : m_notified(notified), m_id(id) {}
  void ThemeChanged() {
    m_notified.Calls.push_back(m_id);
    if (m_notified.During)
      std::exchange(m_notified.During, nullptr)();
    if (m_notified.Throw)
      throw Exception("Tema hatas\xFD");
  }

private:
  TNotified& m_notified;
  int m_id;
};

TOwned<TdxThemeChangedNotificator> MakeNotificator(TRecorder* recorder) {
  TOwned<TdxThemeChangedNotificator> notificator(Create<TdxThemeChangedNotificator>());
  if (recorder)
    notificator->SetOnThemeChanged(TdxThemeChangedEvent(recorder, &TRecorder::ThemeChanged));
  return notificator;
}

TEST_P(ThemeManagerTest, NotificatorsAreToldInRegistrationOrder) {
  TNotified notified;
  TRecorder first(notified, 1), second(notified, 2), third(notified, 3), fourth(notified, 4);
  TOwned<TdxThemeChangedNotificator> a = MakeNotificator(&first);
  TOwned<TdxThemeChangedNotificator> silent = MakeNotificator(nullptr);
  TOwned<TdxThemeChangedNotificator> doomed = MakeNotificator(&third);
  TOwned<TdxThemeChangedNotificator> b = MakeNotificator(&second);
  TOwned<TdxThemeChangedNotificator> made;
  // The first handler frees a later notificator and makes a new one: the
  // freed one is not called, the new one waits for the next switch.
  notified.During = [&] {
    doomed.reset();
    made = MakeNotificator(&fourth);
  };
  SendThemeChange();
  if (!StylesOn()) {
    EXPECT_TRUE(notified.Calls.empty());
    return;
  }
  EXPECT_EQ(notified.Calls, (std::vector<int>{1, 2}));
  notified.Calls.clear();
  SendThemeChange();
  EXPECT_EQ(notified.Calls, (std::vector<int>{1, 2, 4}));
}

// A handler that throws: the error box shows it, the themes are closed all
// the same, and the handlers after it are not called.
TEST_P(ThemeManagerTest, ThrowingHandlerGoesToTheErrorBox) {
  if (!StylesOn())
    return;
  std::vector<std::string> boxes;
  TMessageBoxFunction previous = SetMessageBoxFunction(
      [&boxes](HWND, const std::string& text, const std::string&, UINT) {
        boxes.push_back(text);
        return IDOK;
      });
  TNotified notified;
  notified.Throw = true;
  TRecorder first(notified, 1), second(notified, 2);
  TOwned<TdxThemeChangedNotificator> a = MakeNotificator(&first);
  TOwned<TdxThemeChangedNotificator> b = MakeNotificator(&second);
  OpenTheme(T::totButton);
  EXPECT_EQ(::SendMessageW(dxThemeManager_detail::ReceiverWindow(), WM_THEMECHANGED, 0, 0), 0);
  SetMessageBoxFunction(previous);
  EXPECT_EQ(notified.Calls, (std::vector<int>{1}));
  EXPECT_EQ(boxes, (std::vector<std::string>{"Tema hatas\xFD."}));
  EXPECT_EQ(Log().OpenReferences(), 0);
}

// Only the standard theme files count, in any folder and letter case.
TEST_P(ThemeManagerTest, StandardThemeFiles) {
  EXPECT_FALSE(IsStandardTheme());  // Wine's own theme is light.msstyles
  if (!StylesOn())
    return;
  const std::pair<std::u16string, bool> cases[] = {
      {u"C:\\WINDOWS\\Resources\\Themes\\Luna\\luna.msstyles", true},
      {u"D:\\themes\\LUNA.MSSTYLES", true},
      {u"Royale.msstyles", true},
      {u"C:\\WINDOWS\\Resources\\Themes\\light\\light.msstyles", false},
      {u"C:\\luna.msstyles\\other.msstyles", false},
      {u"C:\\themes\\luna.msstyles.old", false},
  };
  for (const auto& [fileName, standard] : cases) {
    Log().ThemeFileName = fileName;
    EXPECT_EQ(IsStandardTheme(), standard) << WideToAnsi(fileName);
  }
}

} // namespace
