#include "editors/cxEditChangeEvents.h"

void TcxEditChangeEventsCatcher::Lock(bool ALock, bool AInvokeChangedOnUnlock) {
  if (ALock) {
    if (m_lockCount == 0) {
      m_onChangePending = false;
      m_onEditValueChangedPending = false;
    }
    ++m_lockCount;
    return;
  }
  if (m_lockCount == 0)
    return;
  --m_lockCount;
  if (m_lockCount == 0 && AInvokeChangedOnUnlock && !m_edit.AreChangeEventsSuppressed())
    FireHeldEvents();
}

void TcxEditChangeEventsCatcher::FireHeldEvents() {
  // Cleared before firing: a handler that locks and unlocks again starts
  // from nothing held, and a raising handler leaves nothing behind.
  bool change = m_onChangePending;
  bool editValueChanged = m_onEditValueChangedPending;
  m_onChangePending = false;
  m_onEditValueChangedPending = false;
  if (change && m_edit.IsOnChangeEventAssigned())
    m_edit.DoOnChange();
  if (editValueChanged && m_edit.IsOnEditValueChangedEventAssigned())
    m_edit.DoOnEditValueChanged();
}

TcxEditChangeEventsLock::TcxEditChangeEventsLock(TcxEditChangeEventsCatcher& ACatcher)
    : m_catcher(ACatcher) {
  m_catcher.Lock(true);
}

TcxEditChangeEventsLock::~TcxEditChangeEventsLock() {
  if (m_locked)
    m_catcher.Lock(false, false);
}

void TcxEditChangeEventsLock::Unlock(bool AInvokeChangedOnUnlock) {
  if (!m_locked)
    return;
  m_locked = false;
  m_catcher.Lock(false, AInvokeChangedOnUnlock);
}
