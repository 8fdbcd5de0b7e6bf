// Telling the library's objects that the system colours have changed. One
// hidden window, alive while any notifier exists, hears the change; it
// refreshes the Office 2003 colours, then tells the primary notifiers (the
// caches of brushes and images) and then the ordinary ones (the
// look-and-feels), each from the last made to the first.
#pragma once

#include "platform/objects/Events.h"
#include "platform/objects/Objects.h"

using TcxSystemPaletteChangedEvent = TDelegate<void()>;

class TcxSystemPaletteChangedNotifier : public TObject {
  OBJECT_CLASS(TcxSystemPaletteChangedNotifier, TObject)
public:
  explicit TcxSystemPaletteChangedNotifier(bool AIsPrimary = false);
  ~TcxSystemPaletteChangedNotifier() override;

  bool IsPrimary() const { return m_isPrimary; }
  const TcxSystemPaletteChangedEvent& OnSystemPaletteChanged() const { return m_onChanged; }
  void SetOnSystemPaletteChanged(const TcxSystemPaletteChangedEvent& Value) { m_onChanged = Value; }

  // Calls the event when assigned.
  virtual void DoChanged();

private:
  bool m_isPrimary;
  TcxSystemPaletteChangedEvent m_onChanged;
};
