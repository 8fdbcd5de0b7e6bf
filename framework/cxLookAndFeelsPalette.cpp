#include "framework/cxLookAndFeelsPalette.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "framework/dxOffice11.h"
#include "platform/controls/Timers.h"

namespace {

// The hidden window that hears WM_SYSCOLORCHANGE, and the notifiers it tells.
// It holds a reference on the Office 2003 colours for its lifetime.
class TcxSystemPaletteChangedListener {
public:
  TcxSystemPaletteChangedListener()
      : m_window(AllocateHWnd(TWndMethod(this, &TcxSystemPaletteChangedListener::WndProc))) {
    CreateOffice11Colors();
  }
  ~TcxSystemPaletteChangedListener() {
    DeallocateHWnd(m_window);
    ReleaseOffice11Colors();
  }

  void Add(TcxSystemPaletteChangedNotifier* notifier) { ListOf(notifier).push_back(notifier); }
  void Remove(TcxSystemPaletteChangedNotifier* notifier) { std::erase(ListOf(notifier), notifier); }
  bool Empty() const { return m_primary.empty() && m_ordinary.empty(); }

private:
  std::vector<TcxSystemPaletteChangedNotifier*>& ListOf(TcxSystemPaletteChangedNotifier* n) {
    return n->IsPrimary() ? m_primary : m_ordinary;
  }

  void WndProc(TMessage& message);

  // From the last made to the first; one freed by another's notice is skipped.
  static void NotifyAll(const std::vector<TcxSystemPaletteChangedNotifier*>& list) {
    const std::vector<TcxSystemPaletteChangedNotifier*> snapshot = list;
    for (auto it = snapshot.rbegin(); it != snapshot.rend(); ++it)
      if (std::find(list.begin(), list.end(), *it) != list.end())
        (*it)->DoChanged();
  }

  HWND m_window;
  std::vector<TcxSystemPaletteChangedNotifier*> m_primary;
  std::vector<TcxSystemPaletteChangedNotifier*> m_ordinary;
};

std::unique_ptr<TcxSystemPaletteChangedListener> paletteListener;
// While the notices run, the last notifier to go leaves the listener for
// the window procedure to free afterwards.
bool notifying = false;

void TcxSystemPaletteChangedListener::WndProc(TMessage& message) {
  message.Result = ::DefWindowProcW(m_window, message.Msg, message.WParam, message.LParam);
  if (message.Msg != WM_SYSCOLORCHANGE)
    return;
  notifying = true;
  RefreshOffice11Colors();
  NotifyAll(m_primary);
  NotifyAll(m_ordinary);
  notifying = false;
  if (Empty())
    paletteListener.reset();
}

} // namespace

TcxSystemPaletteChangedNotifier::TcxSystemPaletteChangedNotifier(bool AIsPrimary)
    : m_isPrimary(AIsPrimary) {
  if (!paletteListener)
    paletteListener = std::make_unique<TcxSystemPaletteChangedListener>();
  paletteListener->Add(this);
}

TcxSystemPaletteChangedNotifier::~TcxSystemPaletteChangedNotifier() {
  paletteListener->Remove(this);
  if (paletteListener->Empty() && !notifying)
    paletteListener.reset();
}

void TcxSystemPaletteChangedNotifier::DoChanged() {
  if (m_onChanged)
    m_onChanged();
}
