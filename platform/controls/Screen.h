// The screen as the program sees it: its forms and which one is active, the
// control with the focus, the cursors by id, the size of the screen, its
// work area and monitors, and the menu font; plus the mouse.
//
// Classes in this file: TMonitor, TScreen, TMouse.
#pragma once

#include <map>
#include <vector>

#include "platform/controls/ControlTypes.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/objects/Components.h"

class TCustomForm;
class TWinControl;

class TMonitor {
public:
  explicit TMonitor(HMONITOR handle) : m_handle(handle) {}

  HMONITOR Handle() const { return m_handle; }
  TRect BoundsRect() const;
  TRect WorkareaRect() const;
  bool Primary() const;

private:
  HMONITOR m_handle;
};

class TScreen : public TComponent {
  OBJECT_CLASS(TScreen, TComponent)
public:
  explicit TScreen(TComponent* owner);
  ~TScreen() override;

  // Forms, the one that had the focus last first.
  int FormCount() const { return static_cast<int>(m_forms.size()); }
  TCustomForm* Forms(int index) const;
  TCustomForm* ActiveForm() const { return m_activeForm; }
  TWinControl* ActiveControl() const { return m_activeControl; }

  // Cursors by id: the platform's (negative ids) and the program's own.
  HCURSOR Cursors(TCursor index) const;
  void SetCursors(TCursor index, HCURSOR handle);
  // A cursor for the whole application (crDefault: each control's own).
  TCursor Cursor() const { return m_cursor; }
  void SetCursor(TCursor cursor);

  int Width() const;
  int Height() const;
  TRect WorkAreaRect() const;
  int MonitorCount() const;
  TMonitor Monitors(int index) const;
  TMonitor MonitorFromPoint(TPoint point) const;
  TMonitor MonitorFromWindow(HWND window) const;
  TFont* MenuFont() const { return m_menuFont.get(); }
  int PixelsPerInch() const;

  // Focus bookkeeping of the forms.
  void AddForm(TCustomForm* form);
  void RemoveForm(TCustomForm* form);
  TCustomForm* FocusedForm() const { return m_focusedForm; }
  void SetFocusedForm(TCustomForm* form) { m_focusedForm = form; }
  void SetActive(TCustomForm* form, TWinControl* control);
  // Remembers the focused form while a modal form runs, and gives it back.
  void SaveFocusedForm();
  void RestoreFocusedForm();
  // Forgets a control that goes away.
  void ControlDestroying(TWinControl* control);

private:
  void LoadCursors();
  void LoadMenuFont();

  std::vector<TCustomForm*> m_forms;
  std::vector<TCustomForm*> m_savedFocusedForms;
  TCustomForm* m_activeForm = nullptr;
  TCustomForm* m_focusedForm = nullptr;
  TWinControl* m_activeControl = nullptr;
  std::map<TCursor, HCURSOR> m_cursors;
  HCURSOR m_defaultCursor = nullptr;
  TCursor m_cursor = crDefault;
  TOwned<TFont> m_menuFont;
};

// The mouse: where it is, which window holds it, how far the wheel scrolls.
class TMouse {
public:
  TPoint CursorPos() const;
  void SetCursorPos(TPoint point);
  HWND Capture() const { return ::GetCapture(); }
  void SetCapture(HWND window);
  // Lines one wheel notch scrolls; 0 when the user chose a page per notch
  // (WheelScrollsPage) instead.
  int WheelScrollLines() const;
  bool WheelScrollsPage() const;
  // How a left press in the automatic drag mode starts a drag: at once, or
  // once the mouse has moved DragThreshold pixels.
  bool DragImmediate() const { return m_dragImmediate; }
  void SetDragImmediate(bool value) { m_dragImmediate = value; }
  int DragThreshold() const { return m_dragThreshold; }
  void SetDragThreshold(int value) { m_dragThreshold = value; }

private:
  bool m_dragImmediate = true;
  int m_dragThreshold = 5;
};

extern TScreen* Screen;
extern TMouse* Mouse;
