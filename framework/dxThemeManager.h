// Whether the library may draw with visual styles, and one shared theme
// handle per kind of themed object.
//
// A painter asks OpenTheme for an object type and gets a theme handle for the
// wrappers of dxUxTheme, or null, and then draws its classic look. Handles stay
// open for the life of the process. A hidden top-level window (it must be
// top-level: broadcasts never reach message-only windows) receives
// WM_THEMECHANGED, closes every handle, keeping the class names so that the
// next OpenTheme reopens the same class, re-reads IsThemeActive and tells the
// TdxThemeChangedNotificator objects.
//
// Handles are pointer-sized (HTHEME): the 64-bit platform gives addresses.
//
// Checked under Wine 8.0 with its built-in theme (light.msstyles): the classes
// Button, ComboBox, Edit, Header, ListView, Menu, Progress, Rebar, ScrollBar,
// Spin, Status, Tab, ToolBar, ToolTip, TrackBar, TreeView and Window open;
// Clock, ExplorerBar, Page, StartPanel, TaskBand, TaskBar and TrayNotify do
// not. Class names open whatever their letter case. Opening one class twice
// answers the same handle (Wine counts the references), so a reopened handle
// may equal the one closed before.
//
// Classes in this file: TdxThemeChangedNotificator.
#pragma once

#include <array>
#include <string>

#include "framework/dxUxTheme.h"
#include "platform/objects/Events.h"
#include "platform/objects/Objects.h"
#include "platform/rtl/Sets.h"
#include "platform/rtl/UnitStartup.h"

enum class TdxThemedObjectType {
  totButton,
  totClock,
  totComboBox,
  totEdit,
  totExplorerBar,
  totHeader,
  totListView,
  totMenu,
  totPage,
  totProgress,
  totRebar,
  totScrollBar,
  totSpin,
  totStartPanel,
  totStatus,
  totTab,
  totTaskBand,
  totTaskBar,
  totToolBar,
  totToolTip,
  totTrackBar,
  totTrayNotify,
  totTreeview,
  totWindow,
};
constexpr int dxThemedObjectTypeCount = 24;
using TdxThemedObjectTypes = Set<TdxThemedObjectType>;

// The visual-style class a type opens by default ("TreeView" for totTreeview).
const std::u16string& dxThemeClassName(TdxThemedObjectType type);

// One cache entry: the open handle (null when none) and the class it was
// opened under.
struct TdxThemeData {
  HTHEME Theme = nullptr;
  std::u16string ClassName;
};

// The shared handle of the type, opened on first use; null when visual styles
// are off or the class does not open. A class name other than the cached one
// (compared without regard to ASCII letter case) closes the cached handle and
// opens that class instead.
HTHEME OpenTheme(TdxThemedObjectType type, const WCHAR* className = nullptr);
// 1 when visual styles are unavailable, 0 when the type had no handle, else
// what CloseThemeData answers; the class name is forgotten too.
HRESULT CloseTheme(TdxThemedObjectType type);
// Closes every open handle; the class names stay.
void CloseAllThemes();
// Themes are on and the type's theme opens.
bool AreVisualStylesAvailable(TdxThemedObjectType type);
// Themes are on and every type of the set opens, visited in ascending order
// up to the first that does not; the empty set asks only whether themes are on.
bool AreVisualStylesAvailable(TdxThemedObjectTypes types = {});
// The current theme file is LUNA.MSSTYLES or ROYALE.MSSTYLES.
bool IsStandardTheme();

using TdxThemeChangedEvent = TDelegate<void()>;

// Tells its owner about theme switches. Registers itself while it lives, when
// the visual-styles library is loaded.
class TdxThemeChangedNotificator : public TObject {
  OBJECT_CLASS(TdxThemeChangedNotificator, TObject)
public:
  TdxThemeChangedNotificator();
  ~TdxThemeChangedNotificator() override;

  const TdxThemeChangedEvent& OnThemeChanged() const { return m_onThemeChanged; }
  void SetOnThemeChanged(const TdxThemeChangedEvent& handler) { m_onThemeChanged = handler; }
  // Tells notificators apart that one after the other live at one address.
  unsigned Serial() const { return m_serial; }

private:
  TdxThemeChangedEvent m_onThemeChanged;
  unsigned m_serial;
};

namespace dxThemeManager_detail {
// The cache entry of a type, as it stands.
const TdxThemeData& ThemeData(TdxThemedObjectType type);
// The hidden window that receives theme switches (null without the library).
HWND ReceiverWindow();
// The file-name part of a theme file's path, upper-cased (ASCII).
std::string ThemeFileName(const WCHAR* path);
} // namespace dxThemeManager_detail

// Prepares the cache; with the visual-styles library loaded, reads whether
// themes are on and makes the receiver and the notificator list.
extern const TUnitInfo dxThemeManagerUnit;
