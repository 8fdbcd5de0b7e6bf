#include "platform/controls/Screen.h"

#include <algorithm>
#include <climits>

#include "platform/controls/Forms.h"

TScreen* Screen = nullptr;
TMouse* Mouse = nullptr;

namespace {

// The platform cursor (its IDC_* number) behind each of the library's
// negative ids.
struct TCursorEntry {
  TCursor Id;
  WORD Resource;
};

constexpr WORD kIdcArrow = 32512, kIdcIBeam = 32513, kIdcWait = 32514, kIdcCross = 32515,
               kIdcUpArrow = 32516, kIdcSizeNWSE = 32642, kIdcSizeNESW = 32643,
               kIdcSizeWE = 32644, kIdcSizeNS = 32645, kIdcSizeAll = 32646, kIdcNo = 32648,
               kIdcHand = 32649, kIdcAppStarting = 32650, kIdcHelp = 32651;

constexpr TCursorEntry kCursorMap[] = {
    {crArrow, kIdcArrow},         {crCross, kIdcCross},         {crIBeam, kIdcIBeam},
    {crSizeNESW, kIdcSizeNESW},   {crSizeNS, kIdcSizeNS},       {crSizeNWSE, kIdcSizeNWSE},
    {crSizeWE, kIdcSizeWE},       {crUpArrow, kIdcUpArrow},     {crHourGlass, kIdcWait},
    {crDrag, kIdcArrow},          {crNoDrop, kIdcNo},           {crHSplit, kIdcSizeWE},
    {crVSplit, kIdcSizeNS},       {crMultiDrag, kIdcArrow},     {crSQLWait, kIdcWait},
    {crNo, kIdcNo},               {crAppStart, kIdcAppStarting}, {crHelp, kIdcHelp},
    {crHandPoint, kIdcHand},      {crSizeAll, kIdcSizeAll},
};

HCURSOR SystemCursor(WORD id) { return ::LoadCursorW(nullptr, MAKEINTRESOURCEW(id)); }

TRect MonitorRect(HMONITOR monitor, bool workArea) {
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  ::GetMonitorInfoW(monitor, &info);
  const RECT& r = workArea ? info.rcWork : info.rcMonitor;
  return Rect(r.left, r.top, r.right, r.bottom);
}

BOOL CALLBACK CollectMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
  reinterpret_cast<std::vector<HMONITOR>*>(data)->push_back(monitor);
  return TRUE;
}

std::vector<HMONITOR> AllMonitors() {
  std::vector<HMONITOR> monitors;
  ::EnumDisplayMonitors(nullptr, nullptr, CollectMonitor, reinterpret_cast<LPARAM>(&monitors));
  return monitors;
}

} // namespace

TRect TMonitor::BoundsRect() const { return MonitorRect(m_handle, false); }
TRect TMonitor::WorkareaRect() const { return MonitorRect(m_handle, true); }

bool TMonitor::Primary() const {
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  ::GetMonitorInfoW(m_handle, &info);
  return (info.dwFlags & MONITORINFOF_PRIMARY) != 0;
}

TScreen::TScreen(TComponent* owner) : TComponent(owner), m_menuFont(Create<TFont>()) {
  LoadCursors();
  LoadMenuFont();
}

TScreen::~TScreen() = default;

void TScreen::LoadCursors() {
  m_defaultCursor = SystemCursor(kIdcArrow);
  for (const TCursorEntry& entry : kCursorMap)
    m_cursors[entry.Id] = SystemCursor(entry.Resource);
}

void TScreen::LoadMenuFont() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  if (::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0))
    m_menuFont->SetHandle(::CreateFontIndirectW(&metrics.lfMenuFont));
}

TCustomForm* TScreen::Forms(int index) const {
  if (index < 0 || index >= FormCount())
    throw EListError("List index out of bounds (" + std::to_string(index) + ")");
  return m_forms[static_cast<std::size_t>(index)];
}

HCURSOR TScreen::Cursors(TCursor index) const {
  if (index == crNone)
    return nullptr;
  const auto found = m_cursors.find(index);
  return found == m_cursors.end() ? m_defaultCursor : found->second;
}

void TScreen::SetCursors(TCursor index, HCURSOR handle) {
  if (index == crDefault) {
    m_defaultCursor = handle ? handle : SystemCursor(kIdcArrow);
  } else if (index != crNone) {
    m_cursors.erase(index);
    if (handle)
      m_cursors[index] = handle;
  }
}

void TScreen::SetCursor(TCursor cursor) {
  if (m_cursor == cursor)
    return;
  m_cursor = cursor;
  if (cursor != crDefault) {
    ::SetCursor(Cursors(cursor));
    return;
  }
  POINT pos;
  ::GetCursorPos(&pos);
  ::SetCursorPos(pos.x, pos.y);
}

int TScreen::Width() const { return ::GetSystemMetrics(SM_CXSCREEN); }
int TScreen::Height() const { return ::GetSystemMetrics(SM_CYSCREEN); }

TRect TScreen::WorkAreaRect() const {
  RECT r{};
  ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
  return Rect(r.left, r.top, r.right, r.bottom);
}

int TScreen::MonitorCount() const { return static_cast<int>(AllMonitors().size()); }

TMonitor TScreen::Monitors(int index) const {
  const std::vector<HMONITOR> monitors = AllMonitors();
  if (index < 0 || index >= static_cast<int>(monitors.size()))
    throw EListError("List index out of bounds (" + std::to_string(index) + ")");
  return TMonitor(monitors[static_cast<std::size_t>(index)]);
}

TMonitor TScreen::MonitorFromPoint(TPoint point) const {
  return TMonitor(::MonitorFromPoint(POINT{point.X, point.Y}, MONITOR_DEFAULTTONEAREST));
}

TMonitor TScreen::MonitorFromWindow(HWND window) const {
  return TMonitor(::MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST));
}

int TScreen::PixelsPerInch() const { return ScreenPixelsPerInch(); }

void TScreen::AddForm(TCustomForm* form) { m_forms.push_back(form); }

void TScreen::RemoveForm(TCustomForm* form) {
  std::erase(m_forms, form);
  std::replace(m_savedFocusedForms.begin(), m_savedFocusedForms.end(), form,
               static_cast<TCustomForm*>(nullptr));
  if (m_focusedForm == form)
    m_focusedForm = nullptr;
  if (m_activeForm == form) {
    m_activeForm = nullptr;
    m_activeControl = nullptr;
  }
}

void TScreen::SetActive(TCustomForm* form, TWinControl* control) {
  m_activeForm = form;
  m_activeControl = control;
  std::erase(m_forms, form);
  m_forms.insert(m_forms.begin(), form);
}

void TScreen::ControlDestroying(TWinControl* control) {
  if (m_activeControl == control)
    m_activeControl = nullptr;
}

void TScreen::SaveFocusedForm() { m_savedFocusedForms.push_back(m_focusedForm); }

void TScreen::RestoreFocusedForm() {
  if (m_savedFocusedForms.empty()) {
    m_focusedForm = nullptr;
    return;
  }
  m_focusedForm = m_savedFocusedForms.back();
  m_savedFocusedForms.pop_back();
}

TPoint TMouse::CursorPos() const {
  POINT pos{};
  ::GetCursorPos(&pos);
  return {pos.x, pos.y};
}

void TMouse::SetCursorPos(TPoint point) { ::SetCursorPos(point.X, point.Y); }

void TMouse::SetCapture(HWND window) {
  if (window)
    ::SetCapture(window);
  else
    ::ReleaseCapture();
}

namespace {

UINT SystemWheelScrollLines() {
  UINT lines = 3;
  ::SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
  return lines;
}

} // namespace

int TMouse::WheelScrollLines() const {
  const UINT lines = SystemWheelScrollLines();
  return lines == WHEEL_PAGESCROLL ? 0 : static_cast<int>(std::min<UINT>(lines, INT_MAX));
}

bool TMouse::WheelScrollsPage() const { return SystemWheelScrollLines() == WHEEL_PAGESCROLL; }
