// The base provider of default values: its fixed answers, and its users
// (several properties objects, as editors sharing a repository item) forget
// it when it is freed, while users of another provider keep theirs.
#include "editors/cxEditDataBinding.h"

#include "tests/editors/EditPropertiesTestSupport.h"
#include "tests/support/GTest.h"

namespace {

using editors_test::TTestEditProperties;

TEST(EditDefaultValuesProvider, BaseAnswers) {
  TOwned<TcxCustomEditDefaultValuesProvider> owned(
      Create<TcxCustomEditDefaultValuesProvider>(nullptr));
  IcxEditDefaultValuesProvider& provider = *owned;
  EXPECT_TRUE(provider.CanSetEditMode());
  EXPECT_EQ(provider.DefaultAlignment(), TAlignment::taLeftJustify);
  EXPECT_EQ(provider.DefaultBlobKind(), TcxBlobKind::bkMemo);
  EXPECT_TRUE(provider.DefaultCanModify());
  EXPECT_EQ(provider.DefaultDisplayFormat() + provider.DefaultEditFormat() +
                provider.DefaultEditMask(),
            "");
  EXPECT_FALSE(provider.DefaultIsFloatValue());
  EXPECT_EQ(provider.DefaultMaxLength(), 0);
  EXPECT_EQ(provider.DefaultMaxValue(), 0.0);
  EXPECT_EQ(provider.DefaultMinValue(), 0.0);
  EXPECT_EQ(provider.DefaultPrecision(), 15);
  EXPECT_FALSE(provider.DefaultReadOnly() || provider.DefaultRequired());
  EXPECT_EQ(provider.GetInstance(), owned.get());
  EXPECT_FALSE(provider.IsBlob() || provider.IsCurrency() || provider.IsDataStorage() ||
               provider.IsDisplayFormatDefined(true) || provider.IsOnGetTextAssigned() ||
               provider.IsOnSetTextAssigned());
  EXPECT_TRUE(provider.IsDataAvailable());
  EXPECT_TRUE(provider.IsValidChar('\xFD') && provider.IsValidChar('\0'));
}

TEST(EditDefaultValuesProvider, FreeingItClearsEveryPropertiesThatUseIt) {
  TOwned<TTestEditProperties> shared(Create<TTestEditProperties>(nullptr));
  TOwned<TTestEditProperties> own(Create<TTestEditProperties>(nullptr));
  TOwned<TTestEditProperties> other(Create<TTestEditProperties>(nullptr));
  TOwned<TcxCustomEditDefaultValuesProvider> first(
      Create<TcxCustomEditDefaultValuesProvider>(nullptr));
  TOwned<TcxCustomEditDefaultValuesProvider> second(
      Create<TcxCustomEditDefaultValuesProvider>(nullptr));
  shared->SetIDefaultValuesProvider(first.get());
  own->SetIDefaultValuesProvider(first.get());
  other->SetIDefaultValuesProvider(second.get());
  first.reset();
  EXPECT_EQ(shared->IDefaultValuesProvider(), nullptr);
  EXPECT_EQ(own->IDefaultValuesProvider(), nullptr);
  EXPECT_EQ(other->IDefaultValuesProvider(), second.get());
  // With no provider the properties answer their own defaults.
  EXPECT_TRUE(shared->CanModify());
}

} // namespace
