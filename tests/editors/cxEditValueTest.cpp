// The editor's modified flags and their save-and-restore stack, the exact
// comparison of edit values, and the validation error's family.
#include "editors/cxEditValue.h"

#include <stdexcept>

#include "tests/support/GTest.h"

namespace {

TEST(EditValue, InternalVarEqualsExactTable) {
  struct Case {
    Variant a, b;
    bool equal;
  } cases[] = {
      {Variant(1), Variant(1), true},
      {Variant("1"), Variant(1), false},
      {Variant(1), Variant("1"), false},
      {Variant("abc"), Variant("abc"), true},
      {Variant("abc"), Variant("ABC"), false},
      {Null(), Null(), true},
      {Null(), Variant(""), false},
      {Variant(1.5), Variant(1.5), true},
      {Variant(true), Variant(1), false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(InternalVarEqualsExact(c.a, c.b), c.equal)
        << VarToStr(c.a) << " against " << VarToStr(c.b);
}

TEST(EditValue, ValidationErrorIsAnEditErrorWithItsText) {
  try {
    throw EcxEditValidationError("Ge\xE7"
                                 "ersiz");
  } catch (const EcxEditError& e) {
    EXPECT_EQ(e.Message(), "Ge\xE7"
                           "ersiz");
    EXPECT_NE(dynamic_cast<const EcxEditValidationError*>(&e), nullptr);
  }
}

TEST(EditModifiedFlags, SettersKeepTheFlagsConsistent) {
  TcxEditModifiedFlags flags;
  flags.SetEditValidated(true);
  flags.SetModifiedAfterEnter(true);
  EXPECT_TRUE(flags.Modified());
  EXPECT_FALSE(flags.EditValidated());
  flags.SetModifiedAfterEnter(false);
  EXPECT_TRUE(flags.Modified());
  flags.SetModifiedAfterEnter(true);
  flags.SetModified(false);
  EXPECT_FALSE(flags.Modified() || flags.ModifiedAfterEnter());
  flags.SetModified(true);
  EXPECT_FALSE(flags.ModifiedAfterEnter());
}

TEST(EditModifiedFlags, RestoreGivesBackTheLastSavedPair) {
  TcxEditModifiedFlags flags;
  flags.SetModified(true);
  flags.SaveModified();
  flags.SetModifiedAfterEnter(true);
  flags.SaveModified();
  flags.SetModified(false);
  EXPECT_EQ(flags.SavedDepth(), 2);
  flags.RestoreModified();
  EXPECT_TRUE(flags.Modified() && flags.ModifiedAfterEnter());
  flags.RestoreModified();
  EXPECT_TRUE(flags.Modified());
  EXPECT_FALSE(flags.ModifiedAfterEnter());
  EXPECT_EQ(flags.SavedDepth(), 0);
  EXPECT_THROW(flags.RestoreModified(), EcxEditError);
}

TEST(EditModifiedStateScope, RestoresOnceWhateverTheWayOut) {
  TcxEditModifiedFlags flags;
  {
    TcxEditModifiedStateScope scope(flags);
    flags.SetModifiedAfterEnter(true);
    scope.Restore();
    EXPECT_FALSE(flags.Modified());
    flags.SetModified(true);
  }
  EXPECT_TRUE(flags.Modified());
  EXPECT_EQ(flags.SavedDepth(), 0);
  try {
    TcxEditModifiedStateScope scope(flags);
    flags.SetModified(false);
    throw EcxEditValidationError("x");
  } catch (const EcxEditValidationError&) {
  }
  EXPECT_TRUE(flags.Modified());
  EXPECT_EQ(flags.SavedDepth(), 0);
}

} // namespace
