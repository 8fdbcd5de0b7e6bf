// Holding back an editor's change events while it changes its value in
// several steps. While locked, OnChange and OnEditValueChanged are only
// marked pending; the outermost unlock that asks for it fires each pending
// event once, OnChange first, however many changes were held.
//
// The catcher reaches its editor only through IcxEditChangeEventsOwner,
// which the editor implements.
//
// Classes in this file: IcxEditChangeEventsOwner, TcxEditChangeEventsCatcher,
// TcxEditChangeEventsLock.
#pragma once

class IcxEditChangeEventsOwner {
public:
  // Loading or destroying: held events are then dropped at the unlock.
  virtual bool AreChangeEventsSuppressed() = 0;
  virtual bool IsOnChangeEventAssigned() = 0;
  virtual bool IsOnEditValueChangedEventAssigned() = 0;
  virtual void DoOnChange() = 0;
  virtual void DoOnEditValueChanged() = 0;

protected:
  ~IcxEditChangeEventsOwner() = default;
};

class TcxEditChangeEventsCatcher {
public:
  explicit TcxEditChangeEventsCatcher(IcxEditChangeEventsOwner& AEdit) : m_edit(AEdit) {}
  TcxEditChangeEventsCatcher(const TcxEditChangeEventsCatcher&) = delete;
  TcxEditChangeEventsCatcher& operator=(const TcxEditChangeEventsCatcher&) = delete;

  // ALock: the first lock forgets what an earlier one held. Unlock: an unlock
  // without a lock does nothing; the outermost one fires the held events when
  // AInvokeChangedOnUnlock is set and drops them otherwise.
  void Lock(bool ALock, bool AInvokeChangedOnUnlock = true);
  bool IsLocked() const { return m_lockCount > 0; }
  int LockCount() const { return m_lockCount; }

  void HoldOnChange() { m_onChangePending = true; }
  void HoldOnEditValueChanged() { m_onEditValueChangedPending = true; }
  bool IsOnChangeHeld() const { return m_onChangePending; }
  bool IsOnEditValueChangedHeld() const { return m_onEditValueChangedPending; }

private:
  void FireHeldEvents();

  IcxEditChangeEventsOwner& m_edit;
  int m_lockCount = 0;
  bool m_onChangePending = false;
  bool m_onEditValueChangedPending = false;
};

// Locks the change events for a scope. Unlock ends the lock early (firing the
// held events when asked); a scope left still locked, as when a handler or a
// validation raises, unlocks without firing, so the events are never held
// back for good and no user code runs while the exception is on its way.
class TcxEditChangeEventsLock {
public:
  explicit TcxEditChangeEventsLock(TcxEditChangeEventsCatcher& ACatcher);
  ~TcxEditChangeEventsLock();
  TcxEditChangeEventsLock(const TcxEditChangeEventsLock&) = delete;
  TcxEditChangeEventsLock& operator=(const TcxEditChangeEventsLock&) = delete;

  void Unlock(bool AInvokeChangedOnUnlock = true);

private:
  TcxEditChangeEventsCatcher& m_catcher;
  bool m_locked = true;
};
