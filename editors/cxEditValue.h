// What an editor keeps of its value between entering and leaving it: the
// modified flags with their save-and-restore stack, the errors its
// validation raises, and the exact comparison that decides whether a new
// edit value is a change.
//
// Classes in this file: EcxEditError, EcxEditValidationError,
// TcxEditModifiedState, TcxEditModifiedFlags, TcxEditModifiedStateScope.
#pragma once

#include <vector>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Variants.h"

class EcxEditError : public Exception {
public:
  using Exception::Exception;
};

class EcxEditValidationError : public EcxEditError {
public:
  using EcxEditError::EcxEditError;
};

// Both values have the same variant type and are exactly equal: the integer 1
// after the string "1" is a change.
bool InternalVarEqualsExact(const Variant& a, const Variant& b);

struct TcxEditModifiedState {
  bool Modified = false;
  bool ModifiedAfterEnter = false;
};

// Modified: the value differs from what the editor was given. Modified after
// enter: the user changed it since the editor took the focus, which also
// makes it modified and no longer validated.
class TcxEditModifiedFlags {
public:
  bool Modified() const { return m_state.Modified; }
  bool ModifiedAfterEnter() const { return m_state.ModifiedAfterEnter; }
  bool EditValidated() const { return m_editValidated; }

  // Not modified is not modified after enter either.
  void SetModified(bool Value);
  void SetModifiedAfterEnter(bool Value);
  void SetEditValidated(bool Value) { m_editValidated = Value; }

  void SaveModified();
  // Raises EcxEditError with nothing saved.
  void RestoreModified();
  // The saves not yet restored: 0 after every public operation of an editor.
  int SavedDepth() const { return static_cast<int>(m_saved.size()); }

private:
  TcxEditModifiedState m_state;
  bool m_editValidated = false;
  std::vector<TcxEditModifiedState> m_saved;
};

// Saves the flags now and restores them once: by Restore, or when the scope
// ends, however it ends.
class TcxEditModifiedStateScope {
public:
  explicit TcxEditModifiedStateScope(TcxEditModifiedFlags& AFlags);
  ~TcxEditModifiedStateScope();
  TcxEditModifiedStateScope(const TcxEditModifiedStateScope&) = delete;
  TcxEditModifiedStateScope& operator=(const TcxEditModifiedStateScope&) = delete;

  void Restore();

private:
  TcxEditModifiedFlags& m_flags;
  bool m_saved = true;
};
