// Held-back change events: each held event fires once at the outermost
// unlock that asks for it, OnChange first; nothing fires while the editor
// loads; a lock left by a raise is released without firing.
#include "editors/cxEditChangeEvents.h"

#include <stdexcept>
#include <string>

#include "tests/support/GTest.h"

namespace {

// Stands in for the editor: DoChange/DoEditValueChanged hold while locked and
// fire otherwise, as the editor's entry points do.
class TFakeEdit : public IcxEditChangeEventsOwner {
public:
  TFakeEdit() : catcher(*this) {}

  bool AreChangeEventsSuppressed() override { return loading; }
  bool IsOnChangeEventAssigned() override { return changeAssigned; }
  bool IsOnEditValueChangedEventAssigned() override { return editValueChangedAssigned; }
  void DoOnChange() override {
    log += "C";
    if (raiseInOnChange)
      throw std::runtime_error("handler");
  }
  void DoOnEditValueChanged() override { log += "V"; }

  void DoChange() {
    if (catcher.IsLocked())
      catcher.HoldOnChange();
    else
      DoOnChange();
  }
  void DoEditValueChanged() {
    if (catcher.IsLocked())
      catcher.HoldOnEditValueChanged();
    else
      DoOnEditValueChanged();
  }

  TcxEditChangeEventsCatcher catcher;
  std::string log;
  bool loading = false;
  bool changeAssigned = true;
  bool editValueChangedAssigned = true;
  bool raiseInOnChange = false;
};

TEST(EditChangeEventsCatcher, ThreeChangesInOneLockFireOnceEachOnChangeFirst) {
  TFakeEdit edit;
  edit.catcher.Lock(true);
  for (int i = 0; i < 3; ++i) {
    edit.DoEditValueChanged();
    edit.DoChange();
  }
  EXPECT_EQ(edit.log, "");
  EXPECT_TRUE(edit.catcher.IsLocked());
  edit.catcher.Lock(false);
  EXPECT_EQ(edit.log, "CV");
  EXPECT_FALSE(edit.catcher.IsLocked());
}

TEST(EditChangeEventsCatcher, UnlockCasesTable) {
  struct Case {
    const char* name;
    bool invoke, loading, changeAssigned, editValueChangedAssigned;
    const char* expected;
  } cases[] = {
      {"replay", true, false, true, true, "CV"},
      {"unlock without replay drops", false, false, true, true, ""},
      {"loading drops", true, true, true, true, ""},
      {"no OnChange handler", true, false, false, true, "V"},
      {"no OnEditValueChanged handler", true, false, true, false, "C"},
  };
  for (const Case& c : cases) {
    TFakeEdit edit;
    edit.loading = c.loading;
    edit.changeAssigned = c.changeAssigned;
    edit.editValueChangedAssigned = c.editValueChangedAssigned;
    edit.catcher.Lock(true);
    edit.DoChange();
    edit.DoEditValueChanged();
    edit.catcher.Lock(false, c.invoke);
    EXPECT_EQ(edit.log, c.expected) << c.name;
    // What was dropped never comes back with a later lock.
    edit.loading = false;
    edit.catcher.Lock(true);
    edit.catcher.Lock(false);
    EXPECT_EQ(edit.log, c.expected) << c.name;
  }
}

TEST(EditChangeEventsCatcher, NestedLocksFireOnlyAtTheOutermostUnlock) {
  TFakeEdit edit;
  edit.catcher.Lock(true);
  edit.catcher.Lock(true);
  edit.DoChange();
  edit.catcher.Lock(false);
  EXPECT_EQ(edit.log, "");
  EXPECT_EQ(edit.catcher.LockCount(), 1);
  edit.DoEditValueChanged();
  edit.catcher.Lock(false);
  EXPECT_EQ(edit.log, "CV");
}

TEST(EditChangeEventsCatcher, UnlockWithoutLockDoesNothing) {
  TFakeEdit edit;
  edit.catcher.Lock(false);
  EXPECT_EQ(edit.catcher.LockCount(), 0);
  edit.DoChange();
  EXPECT_EQ(edit.log, "C");
}

TEST(EditChangeEventsCatcher, RaisingHandlerLeavesTheCatcherUnlockedAndEmpty) {
  TFakeEdit edit;
  edit.raiseInOnChange = true;
  edit.catcher.Lock(true);
  edit.DoChange();
  edit.DoEditValueChanged();
  EXPECT_THROW(edit.catcher.Lock(false), std::runtime_error);
  EXPECT_FALSE(edit.catcher.IsLocked());
  EXPECT_FALSE(edit.catcher.IsOnChangeHeld() || edit.catcher.IsOnEditValueChangedHeld());
  edit.raiseInOnChange = false;
  edit.log.clear();
  edit.DoChange();
  EXPECT_EQ(edit.log, "C");
}

TEST(EditChangeEventsLock, UnlockFiresTheHeldEventsOnce) {
  TFakeEdit edit;
  {
    TcxEditChangeEventsLock lock(edit.catcher);
    edit.DoChange();
    edit.DoChange();
    lock.Unlock();
    EXPECT_EQ(edit.log, "C");
  }
  EXPECT_EQ(edit.log, "C");
  EXPECT_FALSE(edit.catcher.IsLocked());
}

TEST(EditChangeEventsLock, ScopeLeftByARaiseUnlocksWithoutFiring) {
  TFakeEdit edit;
  try {
    TcxEditChangeEventsLock lock(edit.catcher);
    edit.DoChange();
    throw std::runtime_error("validation");
  } catch (const std::runtime_error&) {
  }
  EXPECT_FALSE(edit.catcher.IsLocked());
  EXPECT_EQ(edit.log, "");
  // Events are not held back for good: the next change fires at once.
  edit.DoChange();
  EXPECT_EQ(edit.log, "C");
}

} // namespace
