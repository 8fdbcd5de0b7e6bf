// Editor properties: defaults kept out of form definitions, change
// announcements held back by updates and locks, values set explicitly
// against the defaults of a provider, the alignment view, Assign, the
// registry of editor kinds and the list of live properties.
#include "editors/cxEditProperties.h"

#include <algorithm>

#include "editors/cxEditConsts.h"
#include "platform/objects/FormReader.h"
#include "platform/objects/FormWriter.h"
#include "tests/editors/EditPropertiesTestSupport.h"
#include "tests/support/GTest.h"

namespace {

using editors_test::TFakeDefaultValuesProvider;
using editors_test::TPropertiesHolder;
using editors_test::TTestEditProperties;

class EditPropertiesTest : public testing::Test {
protected:
  EditPropertiesTest() : m_holder(Create<TPropertiesHolder>(nullptr)) {
    Properties()->SetOnPropertiesChanged(TNotifyEvent([this](TObject* sender) {
      EXPECT_EQ(sender, Properties());
      ++changes;
    }));
  }
  TTestEditProperties* Properties() { return m_holder->Properties(); }

  TOwned<TPropertiesHolder> m_holder;
  TFakeDefaultValuesProvider m_provider;
  int changes = 0;
};

TEST_F(EditPropertiesTest, NewPropertiesHaveTheirDefaultsAndWriteNoneOfThem) {
  TTestEditProperties* p = Properties();
  EXPECT_TRUE(p->AutoSelect());
  EXPECT_FALSE(p->BeepOnError());
  EXPECT_EQ(p->Buttons()->Count(), 0);
  EXPECT_EQ(p->ButtonsViewStyle(), TcxEditButtonsViewStyle::bvsNormal);
  EXPECT_EQ(p->ClearKey(), 0);
  EXPECT_EQ(p->ClickShortCut(), 16397);
  EXPECT_FALSE(p->PostImmediately() || p->Transparent() || p->ValidateOnEnter());
  EXPECT_FALSE(p->GetReadOnly());
  EXPECT_FALSE(p->AssignedValues()->ReadOnly());
  EXPECT_TRUE(p->UseLeftAlignmentOnEditing());
  EXPECT_TRUE(p->MouseWheelEnabled());
  EXPECT_EQ(p->BaseGetAlignment()->Horz(), TAlignment::taLeftJustify);
  EXPECT_EQ(p->BaseGetAlignment()->Vert(), TcxEditVertAlignment::taTopJustify);
  EXPECT_EQ(p->IDefaultValuesProvider(), nullptr);
  EXPECT_EQ(p->GetSupportedOperations(), TcxEditSupportedOperations());
  EXPECT_EQ(p->GetEditValueSource(false), TcxDataEditValueSource::evsValue);
  EXPECT_EQ(WriteFormDefinition(m_holder.get()), "object TPropertiesHolder\r\nend\r\n");
}

TEST_F(EditPropertiesTest, ChangedValuesRoundTripThroughAFormDefinition) {
  TTestEditProperties* p = Properties();
  p->SetAutoSelect(false);
  p->SetBeepOnError(true);
  p->SetClearKey(scCtrl + VK_DELETE);
  p->SetReadOnly(false);
  p->SetUseLeftAlignmentOnEditing(false);
  p->SetValidateOnEnter(true);
  p->BaseGetAlignment()->SetHorz(TAlignment::taRightJustify);
  p->BaseGetAlignment()->SetVert(TcxEditVertAlignment::taVCenter);
  const std::string text = WriteFormDefinition(m_holder.get());
  EXPECT_EQ(text, "object TPropertiesHolder\r\n"
                  "  Properties.Alignment.Horz = taRightJustify\r\n"
                  "  Properties.Alignment.Vert = taVCenter\r\n"
                  "  Properties.AutoSelect = False\r\n"
                  "  Properties.BeepOnError = True\r\n"
                  "  Properties.ClearKey = 16430\r\n"
                  "  Properties.ReadOnly = False\r\n"
                  "  Properties.UseLeftAlignmentOnEditing = False\r\n"
                  "  Properties.ValidateOnEnter = True\r\n"
                  "end\r\n");

  TOwned<TPropertiesHolder> copy(Create<TPropertiesHolder>(nullptr));
  ReadFormDefinition(text, copy.get());
  TTestEditProperties* read = copy->Properties();
  EXPECT_FALSE(read->AutoSelect());
  EXPECT_TRUE(read->BeepOnError());
  EXPECT_EQ(read->ClearKey(), scCtrl + VK_DELETE);
  EXPECT_TRUE(read->AssignedValues()->ReadOnly());
  EXPECT_FALSE(read->GetReadOnly());
  EXPECT_FALSE(read->UseLeftAlignmentOnEditing());
  EXPECT_TRUE(read->ValidateOnEnter());
  EXPECT_TRUE(read->BaseGetAlignment()->IsHorzAssigned());
  EXPECT_EQ(read->BaseGetAlignment()->Horz(), TAlignment::taRightJustify);
  EXPECT_EQ(read->BaseGetAlignment()->Vert(), TcxEditVertAlignment::taVCenter);
  EXPECT_EQ(WriteFormDefinition(copy.get()), text);
}

TEST_F(EditPropertiesTest, UpdatesAndLocksHoldChangesBack) {
  struct Case {
    const char* name;
    void (*run)(TTestEditProperties* p);
    int changes;
    bool occurred;
  };
  const Case cases[] = {
      {"one setter", [](TTestEditProperties* p) { p->SetTransparent(true); }, 1, false},
      {"an unchanged value", [](TTestEditProperties* p) { p->SetAutoSelect(true); }, 0, false},
      {"ten setters in one update",
       [](TTestEditProperties* p) {
         p->BeginUpdate();
         for (int i = 0; i < 5; ++i) {
           p->SetAutoSelect(i % 2 == 0);
           p->SetTransparent(i % 2 == 0);
         }
         p->EndUpdate();
       },
       1, true},
      {"nested updates",
       [](TTestEditProperties* p) {
         p->BeginUpdate();
         p->BeginUpdate();
         p->SetTransparent(true);
         p->EndUpdate();
         p->EndUpdate();
       },
       1, true},
      {"an update ended without announcing",
       [](TTestEditProperties* p) {
         p->BeginUpdate();
         p->SetTransparent(true);
         p->EndUpdate(false);
       },
       0, true},
      {"an update without change",
       [](TTestEditProperties* p) {
         p->BeginUpdate();
         p->EndUpdate();
       },
       0, false},
      {"an unmatched end", [](TTestEditProperties* p) { p->EndUpdate(); }, 0, false},
      {"a lock",
       [](TTestEditProperties* p) {
         p->LockUpdate(true);
         p->SetTransparent(true);
         p->LockUpdate(false);
       },
       0, true},
      {"a button added", [](TTestEditProperties* p) { p->Buttons()->Add(); }, 1, false},
      {"the read-only flag", [](TTestEditProperties* p) { p->AssignedValues()->SetReadOnly(true); },
       1, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TOwned<TPropertiesHolder> holder(Create<TPropertiesHolder>(nullptr));
    int count = 0;
    holder->Properties()->SetOnPropertiesChanged(TNotifyEvent([&count](TObject*) { ++count; }));
    c.run(holder->Properties());
    EXPECT_EQ(count, c.changes);
    EXPECT_EQ(holder->Properties()->ChangedOccurred(), c.occurred);
  }
}

TEST_F(EditPropertiesTest, ChangeWhileTheOwnerIsDestroyedIsOnlyRecorded) {
  m_holder->Destroying();
  Properties()->SetTransparent(true);
  EXPECT_EQ(changes, 0);
  EXPECT_TRUE(Properties()->ChangedOccurred());
}

TEST_F(EditPropertiesTest, ReadOnlySetExplicitlyWinsOverTheProvider) {
  struct Case {
    bool assigned, value, withProvider, providerReadOnly, providerCanModify, canSetEditMode;
    bool readOnly, canModify;
  };
  const Case cases[] = {
      {false, false, false, false, false, false, false, true},
      {true, false, false, false, false, false, false, true},
      {true, true, false, false, false, false, true, false},
      {false, false, true, true, true, true, true, false},
      {false, false, true, false, true, true, false, true},
      {false, false, true, false, false, true, false, false},
      {false, false, true, false, true, false, false, false},
      {true, false, true, true, false, false, false, true},
      {true, true, true, false, true, true, true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.assigned << c.value << c.withProvider << c.providerReadOnly
                                    << c.providerCanModify << c.canSetEditMode);
    TOwned<TPropertiesHolder> holder(Create<TPropertiesHolder>(nullptr));
    TTestEditProperties* p = holder->Properties();
    TFakeDefaultValuesProvider provider;
    provider.readOnly = c.providerReadOnly;
    provider.canModify = c.providerCanModify;
    provider.canSetEditMode = c.canSetEditMode;
    if (c.withProvider)
      p->SetIDefaultValuesProvider(&provider);
    if (c.assigned)
      p->SetReadOnly(c.value);
    EXPECT_EQ(p->GetReadOnly(), c.readOnly);
    EXPECT_EQ(p->CanModify(), c.canModify);
    EXPECT_EQ(p->IsReadOnlyStored(), c.assigned);
  }
}

TEST_F(EditPropertiesTest, ReadOnlyFalseOnFreshPropertiesIsAssignedAndAnnounced) {
  Properties()->SetReadOnly(false);
  EXPECT_EQ(changes, 1);
  EXPECT_TRUE(Properties()->AssignedValues()->ReadOnly());
  Properties()->SetReadOnly(false);
  EXPECT_EQ(changes, 1);
  Properties()->RestoreDefaults();
  EXPECT_FALSE(Properties()->AssignedValues()->ReadOnly());
}

TEST_F(EditPropertiesTest, UnsetHorzFollowsTheProviderUntilSet) {
  m_provider.alignment = TAlignment::taRightJustify;
  Properties()->SetIDefaultValuesProvider(&m_provider);
  TcxEditAlignment* alignment = Properties()->BaseGetAlignment();
  EXPECT_EQ(alignment->Horz(), TAlignment::taRightJustify);
  EXPECT_FALSE(alignment->IsHorzAssigned());

  // A change of Vert through the view keeps Horz a default.
  alignment->SetVert(TcxEditVertAlignment::taBottomJustify);
  EXPECT_EQ(changes, 1);
  m_provider.alignment = TAlignment::taCenter;
  alignment = Properties()->BaseGetAlignment();
  EXPECT_EQ(alignment->Horz(), TAlignment::taCenter);
  EXPECT_EQ(alignment->Vert(), TcxEditVertAlignment::taBottomJustify);
  EXPECT_FALSE(alignment->IsHorzAssigned());
  EXPECT_EQ(WriteFormDefinition(m_holder.get()), "object TPropertiesHolder\r\n"
                                                 "  Properties.Alignment.Vert = taBottomJustify\r\n"
                                                 "end\r\n");

  alignment->SetHorz(TAlignment::taLeftJustify);
  m_provider.alignment = TAlignment::taRightJustify;
  EXPECT_EQ(Properties()->BaseGetAlignment()->Horz(), TAlignment::taLeftJustify);
  EXPECT_TRUE(Properties()->BaseGetAlignment()->IsHorzAssigned());

  Properties()->RestoreDefaults();
  EXPECT_EQ(Properties()->BaseGetAlignment()->Horz(), TAlignment::taRightJustify);
}

TEST_F(EditPropertiesTest, AssignCopiesTheSettingsAndHandlersButNotOnClosePopup) {
  TOwned<TPropertiesHolder> other(Create<TPropertiesHolder>(nullptr));
  TTestEditProperties* source = other->Properties();
  source->SetAutoSelect(false);
  source->Buttons()->Add()->SetKind(TcxEditButtonKind::bkEllipsis);
  source->SetButtonsViewStyle(TcxEditButtonsViewStyle::bvsButtonsOnly);
  source->SetBeepOnError(true);
  source->SetClearKey(VK_F2);
  source->SetClickShortCut(VK_F3);
  source->SetUseLeftAlignmentOnEditing(false);
  source->SetIDefaultValuesProvider(&m_provider);
  source->BaseGetAlignment()->SetHorz(TAlignment::taCenter);
  source->SetReadOnly(true);
  source->SetPostImmediately(true);
  source->SetTransparent(true);
  source->SetMouseWheelEnabled(false);
  source->SetValidateOnEnter(true);
  int handled = 0;
  source->SetOnButtonClick(TcxEditButtonClickEvent([&](TObject*, int) { ++handled; }));
  source->SetOnChange(TNotifyEvent([&](TObject*) { ++handled; }));
  source->SetOnEditValueChanged(TNotifyEvent([&](TObject*) { ++handled; }));
  source->SetOnValidate(
      TcxEditValidateEvent([&](TObject*, Variant&, std::string&, bool&) { ++handled; }));
  source->SetOnClosePopup(TcxEditClosePopupEvent([&](TObject*, TcxEditCloseUpReason) {}));

  TTestEditProperties* p = Properties();
  p->Assign(source);
  EXPECT_EQ(changes, 1);
  EXPECT_FALSE(p->AutoSelect());
  ASSERT_EQ(p->Buttons()->Count(), 1);
  EXPECT_EQ(p->Buttons()->Items(0)->Kind(), TcxEditButtonKind::bkEllipsis);
  EXPECT_EQ(p->ButtonsViewStyle(), TcxEditButtonsViewStyle::bvsButtonsOnly);
  EXPECT_TRUE(p->BeepOnError());
  EXPECT_EQ(p->ClearKey(), VK_F2);
  EXPECT_EQ(p->ClickShortCut(), VK_F3);
  EXPECT_FALSE(p->UseLeftAlignmentOnEditing());
  EXPECT_EQ(p->IDefaultValuesProvider(), &m_provider);
  EXPECT_EQ(p->BaseGetAlignment()->Horz(), TAlignment::taCenter);
  EXPECT_TRUE(p->BaseGetAlignment()->IsHorzAssigned());
  EXPECT_TRUE(p->GetReadOnly());
  EXPECT_TRUE(p->AssignedValues()->ReadOnly());
  EXPECT_TRUE(p->PostImmediately());
  EXPECT_TRUE(p->Transparent());
  EXPECT_FALSE(p->MouseWheelEnabled());
  EXPECT_TRUE(p->ValidateOnEnter());
  EXPECT_TRUE(p->OnButtonClick() && p->OnChange() && p->OnEditValueChanged() && p->OnValidate());
  EXPECT_FALSE(p->OnClosePopup());

  // A source whose read-only flag is not set clears it here.
  TOwned<TPropertiesHolder> plain(Create<TPropertiesHolder>(nullptr));
  p->Assign(plain->Properties());
  EXPECT_FALSE(p->AssignedValues()->ReadOnly());
  EXPECT_FALSE(p->BaseGetAlignment()->IsHorzAssigned());
}

TEST_F(EditPropertiesTest, AssignFromAnotherClassRaisesTheAssignmentError) {
  TOwned<TcxEditButtons> buttons(Create<TcxEditButtons>(nullptr));
  EXPECT_THROW(Properties()->Assign(buttons.get()), EConvertError);
}

TEST_F(EditPropertiesTest, ValueEditorSourcesFollowTheProvider) {
  EXPECT_EQ(Properties()->GetValueEditorEditValueSource(false), TcxDataEditValueSource::evsValue);
  Properties()->SetIDefaultValuesProvider(&m_provider);
  m_provider.displayFormatDefined = true;
  // The base class does not support display formats.
  EXPECT_EQ(Properties()->GetValueEditorEditValueSource(false), TcxDataEditValueSource::evsValue);
  EXPECT_FALSE(Properties()->IsValueEditorWithValueFormatting());

  TOwned<TPropertiesHolder> holder(Create<TPropertiesHolder>(nullptr));
  TTestEditProperties* formatting = holder->Properties();
  formatting->formatOptions = {TcxEditDisplayFormatOption::dfoSupports};
  formatting->SetIDefaultValuesProvider(&m_provider);
  EXPECT_EQ(formatting->GetValueEditorEditValueSource(false), TcxDataEditValueSource::evsText);
  EXPECT_EQ(formatting->GetValueEditorEditValueSource(true), TcxDataEditValueSource::evsValue);
  EXPECT_TRUE(m_provider.lastCurrencyAccepted);
  formatting->formatOptions.Include(TcxEditDisplayFormatOption::dfoNoCurrencyValue);
  formatting->GetValueEditorEditValueSource(false);
  EXPECT_FALSE(m_provider.lastCurrencyAccepted);
  EXPECT_TRUE(formatting->IsValueEditorWithValueFormatting());
  m_provider.displayFormatDefined = false;
  EXPECT_EQ(formatting->GetValueEditorEditValueSource(false), TcxDataEditValueSource::evsValue);
  EXPECT_FALSE(formatting->IsValueEditorWithValueFormatting());
}

TEST_F(EditPropertiesTest, ClassAnswersOfTheBase) {
  TTestEditProperties* p = Properties();
  EXPECT_FALSE(p->CanCompareEditValue() || p->CanValidate() || p->HasDisplayValue() ||
               p->InnerEditNeedsTabs() || p->IsResetEditClass() || p->IsActivationKey('a'));
  Variant value = 5;
  EXPECT_TRUE(p->IsEditValueConversionDependOnFocused() && p->DefaultUseLeftAlignmentOnEditing() &&
              p->IsEditValueValid(value, true));
  EXPECT_EQ(p->GetDisplayText(value), "");
  Variant display;
  p->PrepareDisplayValue(value, display, true);
  EXPECT_TRUE(display == value);
  EXPECT_TRUE(p->CompareDisplayValues(Variant(5), Variant(5)));
  EXPECT_FALSE(p->CompareDisplayValues(Variant(5), Variant(6)));
  p->Buttons()->Add();
  EXPECT_EQ(p->GetSupportedOperations(),
            TcxEditSupportedOperations{TcxEditSupportedOperation::esoHotTrack});
  EXPECT_EQ(p->AssignedValues()->GetProperties(), p);
  EXPECT_TRUE(p->AssignedValues()->IsPropertiesPropertyVisible("ValidateOnEnter"));
  EXPECT_FALSE(p->AssignedValues()->IsPropertiesPropertyVisible("PostImmediately"));
  EXPECT_EQ(GetOwnerComponent(p->AssignedValues()), m_holder.get());
  EXPECT_EQ(GetOwnerComponent(nullptr), nullptr);
}

TEST_F(EditPropertiesTest, ValidateErrorTextGoesThroughTheResourceStrings) {
  EXPECT_EQ(Properties()->GetValidateErrorText(ekDefault),
            "Invalid input value. Use escape key to abandon changes");
  cxSetResourceString(cxSEditValidateErrorText, "Ge\xE7"
                                                "ersiz de\xF0"
                                                "er");
  EXPECT_EQ(Properties()->GetValidateErrorText(ekDefault), "Ge\xE7"
                                                           "ersiz de\xF0"
                                                           "er");
  cxFreeResourceStringRepository();
}

TEST_F(EditPropertiesTest, PreviewPropertiesAreOfTheSameClassWithoutOwner) {
  TOwned<TcxCustomEditProperties> preview(Properties()->CreatePreviewProperties());
  EXPECT_EQ(preview->ClassType(), TTestEditProperties::StaticClass());
  EXPECT_EQ(preview->Owner(), nullptr);
}

TEST_F(EditPropertiesTest, EveryLivePropertiesObjectIsListed) {
  const auto& list = GetEditPropertiesList();
  const auto listed = [&](TcxCustomEditProperties* p) {
    return std::find(list.begin(), list.end(), p) != list.end();
  };
  TcxCustomEditProperties* made = Create<TcxCustomEditProperties>(nullptr);
  EXPECT_TRUE(listed(Properties()));
  EXPECT_TRUE(listed(made));
  made->Free();
  EXPECT_FALSE(listed(made));
}

TEST_F(EditPropertiesTest, AssignedValuesClassIsTheActualClassesAnswer) {
  EXPECT_EQ(Properties()->AssignedValues()->ClassType(), editors_test::TTestValues::StaticClass());
  TOwned<TcxCustomEditProperties> base(Create<TcxCustomEditProperties>(nullptr));
  EXPECT_EQ(base->AssignedValues()->ClassType(), TcxCustomEditPropertiesValues::StaticClass());
}

TEST(EditPropertiesRegistryTest, EditorKindsAreSortedByDescription) {
  TcxRegisteredClasses& registry = GetRegisteredEditProperties();
  EXPECT_TRUE(registry.Sorted());
  registry.Register(TTestEditProperties::StaticClass(), "TextEdit|A test editor");
  registry.Register(TcxCustomEditProperties::StaticClass(), "BaseEdit|The base");
  ASSERT_EQ(registry.Count(), 2);
  EXPECT_EQ(registry.Items(0), TcxCustomEditProperties::StaticClass());
  EXPECT_EQ(registry.GetDescription(1), "TextEdit");
  EXPECT_EQ(&GetRegisteredEditProperties(), &registry);
  FreeRegisteredEditProperties();
  EXPECT_EQ(GetRegisteredEditProperties().Count(), 0);
  FreeRegisteredEditProperties();
}

} // namespace
