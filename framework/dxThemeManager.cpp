#include "framework/dxThemeManager.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "platform/controls/Timers.h"
#include "platform/rtl/AnsiStrings.h"
#include "platform/rtl/WideText.h"

namespace {

const std::array<std::u16string, dxThemedObjectTypeCount> kClassNames = {
    u"Button",  u"Clock",     u"ComboBox",   u"Edit",      u"ExplorerBar", u"Header",
    u"ListView", u"Menu",     u"Page",       u"Progress",  u"Rebar",       u"ScrollBar",
    u"Spin",    u"StartPanel", u"Status",    u"Tab",       u"TaskBand",    u"TaskBar",
    u"ToolBar", u"ToolTip",   u"TrackBar",   u"TrayNotify", u"TreeView",   u"Window"};

constexpr int kThemeNameLength = 1024;

// Receives the theme switches on a hidden top-level window.
class TdxThemeChangedEventReceiver : public TObject {
  OBJECT_CLASS(TdxThemeChangedEventReceiver, TObject)
public:
  TdxThemeChangedEventReceiver();
  ~TdxThemeChangedEventReceiver() override;

  HWND Window() const { return m_window; }

private:
  void WndProc(TMessage& message);

  HWND m_window = nullptr;
};

std::array<TdxThemeData, dxThemedObjectTypeCount> g_cache;
bool g_themesActive = false;
unsigned g_notificatorSerial = 0;
TOwned<TdxThemeChangedEventReceiver> g_receiver;
// Exists only while the visual-styles library is loaded.
std::unique_ptr<std::vector<TdxThemeChangedNotificator*>> g_notificators;

TdxThemeData& Entry(TdxThemedObjectType type) { return g_cache[static_cast<int>(type)]; }

// Theme class names are identifiers: compared with ASCII casing, whatever the
// locale (Turkish casing would make "window" and "WINDOW" differ).
bool SameClassName(const std::u16string& a, const WCHAR* b) {
  return SameText(WideToAnsi(a), WideToAnsi(b));
}

bool IsRegistered(TdxThemeChangedNotificator* notificator) {
  return g_notificators &&
         std::find(g_notificators->begin(), g_notificators->end(), notificator) !=
             g_notificators->end();
}

// Calls the notificators registered when the switch arrived, in registration
// order; one freed by an earlier handler is skipped (its serial tells it
// from a new one made at the same address), one made meanwhile waits for the
// next switch.
void NotifyThemeChanged() {
  if (!g_notificators)
    return;
  std::vector<std::pair<TdxThemeChangedNotificator*, unsigned>> snapshot;
  for (TdxThemeChangedNotificator* notificator : *g_notificators)
    snapshot.emplace_back(notificator, notificator->Serial());
  for (const auto& [notificator, serial] : snapshot)
    if (IsRegistered(notificator) && notificator->Serial() == serial &&
        notificator->OnThemeChanged())
      notificator->OnThemeChanged()();
}

TdxThemeChangedEventReceiver::TdxThemeChangedEventReceiver()
    : m_window(AllocateHWnd(TWndMethod(this, &TdxThemeChangedEventReceiver::WndProc))) {}

TdxThemeChangedEventReceiver::~TdxThemeChangedEventReceiver() {
  g_themesActive = false;
  DeallocateHWnd(m_window);
}

// What a handler throws reaches the application's exception handler through
// the window's method; the message then counts as handled.
void TdxThemeChangedEventReceiver::WndProc(TMessage& message) {
  if (message.Msg != WM_THEMECHANGED) {
    message.Result = ::DefWindowProcW(m_window, message.Msg, message.WParam, message.LParam);
    return;
  }
  CloseAllThemes();
  ::DefWindowProcW(m_window, message.Msg, message.WParam, message.LParam);
  g_themesActive = dxUxTheme::IsThemeActive() != FALSE;
  message.Result = 0;
  NotifyThemeChanged();
}

void InitializeThemeManager() {
  g_cache = {};
  if (!dxUxTheme::IsThemeLibraryLoaded())
    return;
  g_themesActive = dxUxTheme::IsThemeActive() != FALSE;
  g_receiver.reset(Create<TdxThemeChangedEventReceiver>());
  g_notificators = std::make_unique<std::vector<TdxThemeChangedNotificator*>>();
}

void FinalizeThemeManager() {
  if (g_receiver) {
    g_receiver.reset();
    CloseAllThemes();
    g_notificators.reset();
  }
  g_cache = {};
}

} // namespace

const std::u16string& dxThemeClassName(TdxThemedObjectType type) {
  return kClassNames[static_cast<int>(type)];
}

HTHEME OpenTheme(TdxThemedObjectType type, const WCHAR* className) {
  if (!AreVisualStylesAvailable())
    return nullptr;
  TdxThemeData& entry = Entry(type);
  if (entry.Theme) {
    if (!className || SameClassName(entry.ClassName, className))
      return entry.Theme;
    CloseTheme(type);
  }
  std::u16string name;
  if (className)
    name = reinterpret_cast<const char16_t*>(className);
  else if (!entry.ClassName.empty())
    name = entry.ClassName;
  else
    name = dxThemeClassName(type);
  entry.Theme = dxUxTheme::OpenThemeData(nullptr, WidePtr(name));
  entry.ClassName = entry.Theme ? name : std::u16string();
  return entry.Theme;
}

HRESULT CloseTheme(TdxThemedObjectType type) {
  if (!AreVisualStylesAvailable())
    return 1;
  TdxThemeData& entry = Entry(type);
  if (!entry.Theme)
    return 0;
  const HRESULT result = dxUxTheme::CloseThemeData(entry.Theme);
  entry = {};
  return result;
}

void CloseAllThemes() {
  for (TdxThemeData& entry : g_cache)
    if (entry.Theme) {
      dxUxTheme::CloseThemeData(entry.Theme);
      entry.Theme = nullptr;
    }
}

bool AreVisualStylesAvailable(TdxThemedObjectType type) {
  return g_themesActive && dxUxTheme::IsThemeLibraryLoaded() && OpenTheme(type) != nullptr;
}

bool AreVisualStylesAvailable(TdxThemedObjectTypes types) {
  if (!g_themesActive || !dxUxTheme::IsThemeLibraryLoaded())
    return false;
  for (int i = 0; i < dxThemedObjectTypeCount; ++i) {
    const auto type = static_cast<TdxThemedObjectType>(i);
    if (types.Contains(type) && !OpenTheme(type))
      return false;
  }
  return true;
}

bool IsStandardTheme() {
  if (!AreVisualStylesAvailable())
    return false;
  std::u16string fileName(kThemeNameLength, u'\0');
  if (dxUxTheme::GetCurrentThemeName(WidePtr(fileName), kThemeNameLength, nullptr, 0, nullptr,
                                     0) != S_OK)
    return false;
  const std::string name = dxThemeManager_detail::ThemeFileName(WidePtr(fileName));
  return name == "LUNA.MSSTYLES" || name == "ROYALE.MSSTYLES";
}

TdxThemeChangedNotificator::TdxThemeChangedNotificator() : m_serial(++g_notificatorSerial) {
  if (g_notificators)
    g_notificators->push_back(this);
}

TdxThemeChangedNotificator::~TdxThemeChangedNotificator() {
  if (g_notificators)
    std::erase(*g_notificators, this);
}

namespace dxThemeManager_detail {

const TdxThemeData& ThemeData(TdxThemedObjectType type) { return Entry(type); }

HWND ReceiverWindow() { return g_receiver ? g_receiver->Window() : nullptr; }

std::string ThemeFileName(const WCHAR* path) {
  const std::string text = WideToAnsi(path);
  const std::size_t slash = text.find_last_of("\\/:");
  return UpperCase(slash == std::string::npos ? text : text.substr(slash + 1));
}

} // namespace dxThemeManager_detail

const TUnitInfo dxThemeManagerUnit{"dxThemeManager", InitializeThemeManager,
                                   FinalizeThemeManager};
