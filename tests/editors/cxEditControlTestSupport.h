// Shared by the editor control tests: an editor around the platform's EDIT
// whose text is its display value, the properties of its kind, and a fixture
// with the units an editor needs, on shown forms.
#pragma once

#include <string>
#include <vector>

#include "editors/cxEdit.h"
#include "editors/cxEditControl.h"
#include "editors/cxEditPaintUtils.h"
#include "editors/cxTextEditProperties.h"
#include "platform/stdctrls/StdCtrls.h"
#include "tests/framework/cxControlsTestSupport.h"

namespace edit_control_test {

using namespace controls_test;

// Properties of an editor with a display value that validates, compares
// values and resets on Escape.
class TTestEditProperties : public TcxCustomEditProperties {
  OBJECT_CLASS(TTestEditProperties, TcxCustomEditProperties)
public:
  using TcxCustomEditProperties::TcxCustomEditProperties;
  bool CanCompareEditValue() override { return true; }
  bool CanValidate() override { return true; }
  bool HasDisplayValue() override { return true; }
  bool IsResetEditClass() override { return true; }
};

class TTestEditor;

// The platform's EDIT, handing its keys to the editor first.
class TTestInnerEdit : public TEdit, public IcxCustomInnerEdit {
  OBJECT_CLASS(TTestInnerEdit, TEdit)
public:
  explicit TTestInnerEdit(TComponent* owner) : TEdit(owner) {}

  TWinControl* GetControl() override { return this; }
  TWinControl* GetControlContainer() override { return Parent(); }
  LRESULT CallDefWndProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
    return Perform(msg, wParam, lParam);
  }
  Variant GetEditValue() override { return Variant(Text()); }
  TNotifyEvent GetOnChange() override { return OnChange(); }
  bool GetReadOnly() override { return ReadOnly(); }
  void LockBounds(bool) override {}
  void SafelySetFocus() override {
    if (CanFocus())
      SetFocus();
  }
  void SetEditValue(const Variant& value) override { SetText(VarToStr(value)); }
  void SetParent(TWinControl* parent) override { TEdit::SetParent(parent); }
  void SetOnChange(const TNotifyEvent& value) override { TEdit::SetOnChange(value); }
  void SetReadOnly(bool value) override { TEdit::SetReadOnly(value); }

  // Asks the dialog manager for Tab, as an inner edit that needs tabs does.
  bool wantTab = false;

protected:
  void WndProc(TMessage& message) override {
    TEdit::WndProc(message);
    if (message.Msg == WM_GETDLGCODE && wantTab)
      message.Result |= DLGC_WANTTAB;
  }
  void KeyDown(WORD& key, TShiftState shift) override;
  void KeyPress(char& key) override;
  void KeyUp(WORD& key, TShiftState shift) override;
  void Change() override;

private:
  TTestEditor* Editor() const;
};

// An editor whose display value is its inner EDIT's text; it records its
// events.
class TTestEditor : public TcxCustomEdit {
  OBJECT_CLASS(TTestEditor, TcxCustomEdit)
public:
  explicit TTestEditor(TComponent* owner) : TcxCustomEdit(owner) {}
  TTestEditor(TComponent* owner, bool inplace) : TcxCustomEdit(owner, inplace) {}
  void AfterConstruction() override {
    inherited::AfterConstruction();
    if (!autoSized)
      SetEditAutoSize(false);
    Properties()->SetOnChange(TNotifyEvent([this](TObject*) { log.push_back("change"); }));
    Properties()->SetOnEditValueChanged(
        TNotifyEvent([this](TObject*) { log.push_back("value " + VarToStr(GetEditValue())); }));
  }

  TTestInnerEdit* Inner() const { return static_cast<TTestInnerEdit*>(InnerControl()); }
  std::string Text() const { return Inner()->Text(); }

  TcxCustomEditPropertiesClass GetPropertiesClass() const override {
    return TTestEditProperties::StaticClass();
  }
  Variant GetDisplayValue() override { return Variant(Inner()->Text()); }
  void SetInternalDisplayValue(const Variant& value) override { SetInnerText(VarToStr(value)); }
  void SynchronizeDisplayValue() override { SetInnerText(VarToStr(GetEditValue())); }
  void InternalSetDisplayValue(const Variant& value) override { SetInternalEditValue(value); }
  void SelectAll() override {
    if (Inner()->HandleAllocated())
      Inner()->SelectAll();
  }
  bool IsEditClass() const override { return true; }

  void InnerKeyDown(WORD& key, TShiftState shift) { KeyDown(key, shift); }
  void InnerKeyPress(char& key) { KeyPress(key); }
  void InnerKeyUp(WORD& key, TShiftState shift) { KeyUp(key, shift); }
  bool SettingText() const { return m_settingText; }
  using TcxCustomEdit::CanAutoSize;
  using TcxCustomEdit::DoEditing;
  using TcxCustomEdit::IsPosting;
  using TcxCustomEdit::SetEditAutoSize;

  static inline bool autoSized = false;
  std::vector<std::string> log;

protected:
  TcxInnerEditClass GetInnerEditClass() const override { return TTestInnerEdit::StaticClass(); }

private:
  void SetInnerText(const std::string& text) {
    m_settingText = true;
    Inner()->SetText(text);
    m_settingText = false;
  }
  bool m_settingText = false;
};

inline TTestEditor* TTestInnerEdit::Editor() const { return static_cast<TTestEditor*>(Parent()); }

inline void TTestInnerEdit::KeyDown(WORD& key, TShiftState shift) {
  TControlLife life(this);
  Editor()->InnerKeyDown(key, shift);
  if (life && key != 0)
    TEdit::KeyDown(key, shift);
}

inline void TTestInnerEdit::KeyPress(char& key) {
  TControlLife life(this);
  Editor()->InnerKeyPress(key);
  if (life && key != 0)
    TEdit::KeyPress(key);
}

inline void TTestInnerEdit::KeyUp(WORD& key, TShiftState shift) {
  TControlLife life(this);
  Editor()->InnerKeyUp(key, shift);
  if (life && key != 0)
    TEdit::KeyUp(key, shift);
}

// Text the editor sets is no change of the user's.
inline void TTestInnerEdit::Change() {
  if (Parent() && !Editor()->SettingText())
    TEdit::Change();
}

class EditControlTest : public controls_test::TLookAndFeelControlTest {
protected:
  static void SetUpTestSuite() {
    TLookAndFeelControlTest::SetUpTestSuite();
    const TUnitInfo units[] = {cxEditPaintUtilsUnit, cxEditUnit};
    EditUnits().Start(units);
  }
  static void TearDownTestSuite() {
    EditUnits().Stop();
    TLookAndFeelControlTest::TearDownTestSuite();
  }

  // A shown form, clicked into so that it is active, the pointer away from
  // where the editors go.
  TForm* Form() {
    TForm* form = ShownForm();
    const TPoint away = form->ClientToScreen({300, 200});
    ::SetCursorPos(away.X, away.Y);
    ClickAt(away);
    Pump();
    return form;
  }

  TTestEditor* Place(TForm* form, int left, int top, int width = 120) {
    auto* edit = Create<TTestEditor>(form);
    edit->SetBounds(left, top, width, 22);
    edit->SetParent(form);
    return edit;
  }

  // A plain EDIT to move the focus to.
  TEdit* Other(TForm* form) {
    auto* other = Create<TEdit>(form);
    other->SetBounds(20, 150, 80, 22);
    other->SetParent(form);
    return other;
  }

  // The editor's inner control takes the focus from a real click.
  void ClickInto(TTestEditor* edit) {
    ClickControl(edit->Inner(), {5, 5});
    ASSERT_TRUE(PumpUntil([&] { return ::GetFocus() == edit->Inner()->Handle(); }));
  }

  void Type(const std::string& text) {
    for (char c : text)
      TypeChar(static_cast<char16_t>(static_cast<unsigned char>(c)));
    Pump();
  }

private:
  static TUnitStartup& EditUnits() {
    static TUnitStartup units;
    return units;
  }
};

// Editor tests that also need the text editor's unit (its kind registered).
class TextEditControlTest : public EditControlTest {
protected:
  static void SetUpTestSuite() {
    EditControlTest::SetUpTestSuite();
    TextEditUnits().Start({&cxTextEditPropertiesUnit, 1});
  }
  static void TearDownTestSuite() {
    TextEditUnits().Stop();
    EditControlTest::TearDownTestSuite();
  }

private:
  static TUnitStartup& TextEditUnits() {
    static TUnitStartup units;
    return units;
  }
};

} // namespace edit_control_test
