// The editor control: a container around one inner platform control that a
// descendant supplies, with the editor's settings in a properties object of
// its own or of a repository item, its edit value and modified state, the
// change events it holds back while it changes in several steps, and the data
// binding it posts to. Its frame, buttons and background are calculated by a
// view data of the properties' kind into the container's view info.
//
// The value pipeline (editing permission, validation, posting, reset, the
// focus-driven steps and the change events) is in cxEditControlValue.cpp;
// keys and the mouse are in cxEditControlInput.cpp; the in-place mode
// (activation by the host, the inner control's repaint lock, the edit data of
// an activation) is in cxEditInplace.cpp.
//
// Classes in this file: TcxCustomEditMeta, TcxCustomEdit.
#pragma once

#include <memory>
#include <string>

#include "editors/cxEditChangeEvents.h"
#include "editors/cxEditInner.h"
#include "editors/cxEditInput.h"
#include "editors/cxEditProperties.h"
#include "editors/cxEditRepository.h"
#include "editors/cxEditStyles.h"
#include "editors/cxEditTypes.h"
#include "editors/cxEditValue.h"
#include "editors/cxEditViewData.h"
#include "framework/cxContainer.h"
#include "framework/cxControlsTimers.h"

class TcxCustomEdit;
class TcxCustomEditData;
class TcxEditDataBinding;
using TcxCustomEditDataClass = TClassRef<TcxCustomEditData>;
using TcxEditDataBindingClass = TClassRef<TcxEditDataBinding>;
using TcxInnerEditClass = TClassRef<TWinControl>;

// The metaclass of the editor kinds: besides the owner's constructor that
// form definitions use, the one that makes an in-place editor.
class TcxCustomEditMeta : public TcxContainer::TMeta {
public:
  using TcxContainer::TMeta::TMeta;
  using TcxContainer::TMeta::Create;
  // An editor of this class whose in-place flag is set before it
  // initializes.
  TcxCustomEdit* Create(TComponent* AOwner, bool AIsInplace) const;
  // The properties class of the editor class, asked once of an editor made
  // for the question.
  TClassRef<TcxCustomEditProperties> GetPropertiesClass() const;

private:
  mutable TClassRef<TcxCustomEditProperties> m_propertiesClass;
};

using TcxEditEditingEvent = TDelegate<void(TObject* Sender, bool& CanEdit)>;

class TcxCustomEdit : public TcxContainer,
                      public IcxEditRepositoryItemListener,
                      public IcxEditChangeEventsOwner,
                      public IcxEditButtonEvents {
  OBJECT_CLASS_META(TcxCustomEdit, TcxContainer, TcxCustomEditMeta)
public:
  static void Publish(TPublisher& p);

  explicit TcxCustomEdit(TComponent* AOwner);
  TcxCustomEdit(TComponent* AOwner, bool AIsInplace);
  ~TcxCustomEdit() override;
  // Runs Initialize once the class is whole.
  void AfterConstruction() override;
  void BeforeDestruction() override;

  // Properties: the repository item's when one is assigned, else the own.
  TcxCustomEditProperties* GetActiveProperties();
  TcxCustomEditProperties* Properties() const { return m_properties.get(); }
  void SetProperties(TcxCustomEditProperties* Value) { m_properties->Assign(Value); }
  virtual TcxCustomEditPropertiesClass GetPropertiesClass() const;
  TcxEditRepositoryItem* RepositoryItem() const { return m_repositoryItem; }
  // Raises EcxEditError when the item's properties are not of this editor's
  // kind; the previous item stays.
  void SetRepositoryItem(TcxEditRepositoryItem* Value);
  virtual bool IsRepositoryItemAcceptable(TcxEditRepositoryItem* Value) const;

  TcxEditDataBinding* DataBinding() const { return m_dataBinding.get(); }
  void SetDataBinding(TcxEditDataBinding* Value);

  // The container's state styles, typed as editor styles.
  TcxEditStyle* GetStyle() const;
  void SetStyle(TcxEditStyle* Value);
  TcxEditStyle* GetStyleDisabled() const;
  void SetStyleDisabled(TcxEditStyle* Value);
  TcxEditStyle* GetStyleFocused() const;
  void SetStyleFocused(TcxEditStyle* Value);
  TcxEditStyle* GetStyleHot() const;
  void SetStyleHot(TcxEditStyle* Value);
  TcxCustomEditViewInfo* GetViewInfo() const;

  bool IsInplace() override { return m_isInplace; }
  void SetName(const std::string& Value) override;
  // The first parent brings the properties and the display value in.
  void SetParent(TWinControl* AParent) override;
  bool HasInnerEdit() const { return m_innerEdit != nullptr; }
  IcxCustomInnerEdit* InnerEdit() const { return m_innerEdit; }
  virtual bool IsActiveControl();
  // The edit value's conversion does not depend on the focus, or the
  // editor is focused.
  bool InternalFocused();
  // Reads the handle into being first, so an auto-sized editor has its final
  // height.
  int GetHeight();

  // Value (cxEditControlValue.cpp).
  virtual Variant GetEditValue();
  virtual void SetEditValue(const Variant& Value);
  virtual Variant GetEditingValue();
  virtual void Clear();
  virtual void PrepareEditValue(const Variant& ADisplayValue, Variant& EditValue,
                                bool AEditFocused);
  bool Modified() const { return m_flags.Modified(); }
  void SetModified(bool Value) { m_flags.SetModified(Value); }
  bool ModifiedAfterEnter() const { return m_flags.ModifiedAfterEnter(); }
  void SetModifiedAfterEnter(bool Value) { m_flags.SetModifiedAfterEnter(Value); }
  bool EditValidated() const { return m_flags.EditValidated(); }
  // Saves of the modified state not yet restored: 0 after every operation.
  int ModifiedStateDepth() const { return m_flags.SavedDepth(); }
  bool ValidateEdit(bool ARaiseExceptionOnError);
  void PostEditValue();
  bool CanPostEditValue();
  void DisableValidate() { ++m_validateLockCount; }
  void EnableValidate() { --m_validateLockCount; }
  bool DoEditing();

  // Change events (cxEditControlValue.cpp).
  void LockChangeEvents(bool ALock, bool AInvokeChangedOnUnlock = true);
  bool AreChangeEventsLocked() const { return m_changeEventsCatcher->IsLocked(); }
  TcxEditChangeEventsCatcher& ChangeEventsCatcher() const { return *m_changeEventsCatcher; }
  bool IsOnChangeEventAssigned() override;
  bool IsOnEditValueChangedEventAssigned() override;
  bool IsOnValidateEventAssigned();
  // OnValidate of the own properties, then of the repository item's.
  void DoOnValidate(Variant& DisplayValue, std::string& ErrorText, bool& Error);

  // Keys and buttons (cxEditControlInput.cpp).
  virtual bool IsEditorKey(WORD Key, TShiftState Shift);
  bool IsSpecialKey(WORD Key, TShiftState Shift);
  int GetDefaultButtonVisibleIndex() const;
  int ButtonVisibleIndexAt(const TPoint& P) const;
  bool HandleMouseWheel(TShiftState Shift);
  void LockClick(bool ALock);
  void DoButtonClick(int AButtonVisibleIndex) override;
  void DoButtonDown(int) override {}
  void DoButtonUp(int) override {}
  void DoClosePopup(TcxEditCloseUpReason AReason);

  virtual void CopyToClipboard() {}
  virtual void CutToClipboard() {}
  virtual void PasteFromClipboard() {}
  virtual void SelectAll() {}
  virtual bool IsEditClass() const { return false; }
  virtual bool IsChildWindow(HWND AWnd);
  void Click() override;
  void DblClick() override;

  const TNotifyEvent& PropertiesEvents() const { return m_propertiesEvents; }
  void SetPropertiesEvents(const TNotifyEvent& Value) { m_propertiesEvents = Value; }
  const TKeyEvent& OnAfterKeyDown() const { return m_onAfterKeyDown; }
  void SetOnAfterKeyDown(const TKeyEvent& Value) { m_onAfterKeyDown = Value; }
  const TcxEditEditingEvent& OnEditing() const { return m_onEditing; }
  void SetOnEditing(const TcxEditEditingEvent& Value) { m_onEditing = Value; }
  const TNotifyEvent& OnPostEditValue() const { return m_onPostEditValue; }
  void SetOnPostEditValue(const TNotifyEvent& Value) { m_onPostEditValue = Value; }

  // In-place editing (cxEditInplace.cpp). Each activation takes the host's
  // edit data, or makes one of GetEditDataClass and hands it back.
  virtual void Activate(TcxCustomEditData*& AEditData);
  // Activates, then sends the key to the editor as a typed character.
  virtual void ActivateByKey(char AKey, TcxCustomEditData*& AEditData);
  // Activates, then sends a click at (X, Y), given in the parent's client
  // coordinates: a left-button press with ssLeft, else a release.
  virtual void ActivateByMouse(TShiftState AShift, int X, int Y, TcxCustomEditData*& AEditData);
  // Validates the value; raises with the error text when it is invalid.
  virtual bool Deactivate();
  TcxCustomEditData* EditData() const { return m_editData; }
  // Initializes the current edit data again when it was cleared.
  void DoClearEditData(TcxCustomEditData* AEditData);
  // An in-place editor leaves the context menu to nobody.
  void DefaultHandler(TMessage& Message) override;
  // A shown in-place editor takes its host out of the tab order.
  void GetTabOrderList(std::vector<TWinControl*>& List) override;
  bool IsInnerEditRepaintingLocked() const { return m_innerEditRepaintingLocked; }

  // IcxEditRepositoryItemListener
  void ItemRemoved(TcxEditRepositoryItem* Sender) override;
  void PropertiesChanged(TcxEditRepositoryItem* Sender) override;

  // Told by the data binding (cxEditControlValue.cpp).
  virtual void ResetEditValue();
  virtual void SynchronizeDisplayValue() {}
  virtual void SetInternalDisplayValue(const Variant&) {}
  virtual Variant GetDisplayValue() { return Variant(std::string()); }
  virtual void InternalSetDisplayValue(const Variant&) {}

protected:
  void DefineProperties(TFiler& filer) override;
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void ReadState(TReader& reader) override;
  bool CanResize(int& NewWidth, int& NewHeight) override;
  void WndProc(TMessage& Message) override;
  void CreateHandle() override;
  void Paint() override;
  void FocusChanged() override;
  void RequestAlign() override;
  void DoEnter() override;
  void DoExit() override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyPress(char& Key) override;
  void KeyUp(WORD& Key, TShiftState Shift) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  TRect GetBorderExtent() override;
  // Tab is the editor's own key (DoEditKeyDown).
  bool CanContainerHandleTabs() override { return false; }
  TcxContainerStyleClass GetStyleClass() const override;
  TcxContainerViewInfoClass GetViewInfoClass() const override;
  TcxContainerStyleValues InternalGetNotPublishedStyleValues() const override;
  bool RefreshContainer(const TPoint& P, TcxMouseButton AButton, TShiftState AShift,
                        bool AIsMouseEvent) override;
  void SetSize() override;
  bool IsNativeStyle() override;

  // Construction and the inner edit.
  virtual void Initialize();
  virtual void CreateInnerEdit();
  virtual TcxInnerEditClass GetInnerEditClass() const { return nullptr; }
  virtual void InitializeInnerEdit();
  virtual TcxEditDataBindingClass GetDataBindingClass() const;
  virtual void AdjustInnerEditPosition();
  void SafeSelectionFocusInnerControl() override;
  void SetInnerEdit(IcxCustomInnerEdit* Value) { m_innerEdit = Value; }

  // Sizing.
  virtual bool CanAutoSize();
  virtual bool CanAutoWidth();
  virtual void FillSizeProperties(TcxEditSizeProperties& AEditSizeProperties);
  virtual void SetEditAutoSize(bool Value);
  void InternalCanResize(int& NewWidth, int& NewHeight);
  void CheckHandle();

  // View.
  virtual TcxCustomEditViewData* CreateViewData();
  virtual void InitializeViewData(TcxCustomEditViewData* AViewData);
  void CalculateViewInfo(bool AIsMouseEvent);
  void CalculateViewInfo(const TPoint& P, TcxMouseButton AButton, TShiftState AShift,
                         bool AIsMouseEvent);
  virtual void PaintCopyDraw() {}
  virtual void ProcessViewInfoChanges(TcxContainerViewInfo* APrevViewInfo, bool AIsMouseEvent);
  virtual bool IsButtonDC(HDC) { return false; }
  virtual bool IsNativeBackground() { return false; }
  virtual bool IsTransparent();
  bool IsTransparentBackground() override { return IsNativeBackground() || IsTransparent(); }
  void SetTransparent(bool Value);
  virtual void UpdateDrawValue() {}
  virtual void EditingChanged() {}
  virtual void SetDisplayText(const std::string&) {}

  // Properties.
  virtual void PropertiesChanged(TObject* Sender);
  virtual bool RealReadOnly();
  bool PropertiesChangeLocked();
  void UpdateInnerEditReadOnly();
  virtual void RepositoryItemAssigned() {}
  virtual void RepositoryItemAssigning() {}

  // Value pipeline (cxEditControlValue.cpp).
  virtual void AfterPosting() { m_isPosting = false; }
  virtual void BeforePosting() { m_isPosting = true; }
  virtual bool CanKeyDownModifyEdit(WORD, TShiftState) { return false; }
  virtual bool CanKeyPressModifyEdit(char) { return false; }
  virtual bool CanModify();
  virtual void ChangeHandler(TObject* Sender);
  virtual void DoFocusChanged();
  virtual void DoOnChange();
  virtual void DoOnEditValueChanged();
  virtual void DoShowEdit();
  virtual void DoHideEdit(bool AExit);
  virtual Variant GetClearValue() { return Null(); }
  virtual void HandleValidationError(const std::string& AErrorText);
  virtual bool InternalDoEditing() { return true; }
  virtual Variant InternalGetEditingValue() { return GetEditValue(); }
  virtual void InternalSetEditValue(const Variant& Value, bool AValidateEditValue);
  virtual void InternalValidateDisplayValue(const Variant& ADisplayValue);
  virtual bool IsEditValueStored() { return !VarIsNull(m_editValue); }
  virtual bool IsValidChar(char AKey);
  virtual void PrepareDisplayValue(const Variant& AEditValue, Variant& DisplayValue,
                                   bool AEditFocused);
  virtual void SetInternalEditValue(const Variant& Value);
  virtual void SynchronizeEditValue() {}
  virtual bool UpdateContentOnFocusChanging() { return true; }
  virtual bool ValidateKeyDown(WORD& Key, TShiftState Shift);
  virtual bool ValidateKeyPress(char& Key);
  void DoChange();
  void DoEditValueChanged();
  void InternalPostEditValue(bool AValidateEdit);
  void DoPostEditValue();
  void SaveModified() { m_flags.SaveModified(); }
  void RestoreModified() { m_flags.RestoreModified(); }
  void SetEditValidated(bool Value) { m_flags.SetEditValidated(Value); }
  void LockEditValueChanging(bool ALock) { m_editValueChangingLockCount += ALock ? 1 : -1; }
  bool IsPosting() const { return m_isPosting; }
  bool IsEditValueResetting() const { return m_isEditValueResetting; }
  bool KeyboardAction() const { return m_keyboardAction; }
  // Held for the user's keys and clipboard commands.
  bool& KeyboardActionFlag() { return m_keyboardAction; }
  Variant& EditValueField() { return m_editValue; }
  const Variant& PrevEditValue() const { return m_prevEditValue; }

  // IcxEditChangeEventsOwner
  bool AreChangeEventsSuppressed() override;

  // Keys and mouse (cxEditControlInput.cpp).
  virtual void DefaultButtonClick();
  virtual void DoEditKeyDown(WORD& Key, TShiftState Shift);
  virtual void DoEditKeyPress(char& Key);
  virtual void DoEditKeyUp(WORD&, TShiftState) {}
  virtual void DoEditProcessTab(TShiftState) {}
  virtual bool IsClickEnabledDuringLoading() { return false; }
  virtual bool TabsNeeded() { return IsInplace(); }
  virtual bool WantNavigationKeys() { return false; }
  void DoAfterKeyDown(WORD& Key, TShiftState Shift);
  void DoClick();
  void CheckButtonShortCuts(TMessage& Message);
  int CaptureButtonIndex() const { return m_captureButtonIndex; }
  TcxTimer* DblClickTimer() const { return m_dblClickTimer.get(); }

  // In-place editing (cxEditInplace.cpp).
  virtual TcxCustomEditDataClass GetEditDataClass() const;
  virtual void InitializeEditData() {}
  virtual bool SendActivationKey(char) { return true; }
  // While locked, the inner control's messages pass through
  // LockedInnerEditWindowProc on their way to its own window procedure.
  virtual void LockInnerEditRepainting();
  virtual void UnlockInnerEditRepainting();
  virtual void LockedInnerEditWindowProc(TMessage& Message);

private:
  friend class TcxCustomEditMeta;
  friend class TcxEditDataBinding;

  void InitContentParams();
  void SetReplicatableFlag();
  void DblClickTimerHandler(TObject* Sender);
  void PropertiesChangedHandler(TObject* Sender) { PropertiesChanged(Sender); }
  void HookPropertiesChanged();
  void UnhookPropertiesChanged();
  void ProcessTab(WORD& Key, TShiftState Shift);
  bool InternalValidateEdit(bool ARaiseExceptionOnError);
  void ShowValidationError(const Variant& ADisplayValue, const std::string& AErrorText,
                           bool ARaiseExceptionOnError);
  bool IsFocusedControlOnSameForm();

  bool m_autoSize = true;
  int m_captureButtonIndex = -1;
  std::unique_ptr<TcxEditChangeEventsCatcher> m_changeEventsCatcher;
  int m_clickLockCount = 0;
  TOwned<TcxTimer> m_dblClickTimer;
  bool m_editModeSetting = false;
  int m_editValueChangingLockCount = 0;
  bool m_focused = false;
  bool m_handleAllocating = false;
  IcxCustomInnerEdit* m_innerEdit = nullptr;
  bool m_contentParamsInitialized = false;
  bool m_isEditValueResetting = false;
  bool m_isJustCreated = false;
  bool m_isInplace = false;
  bool m_isPosting = false;
  bool m_keyboardAction = false;
  int m_validateLockCount = 0;
  TcxEditModifiedFlags m_flags;
  Variant m_prevEditValue;
  TNotifyEvent m_propertiesEvents;
  TcxEditRepositoryItem* m_repositoryItem = nullptr;
  bool m_transparent = false;
  bool m_validateErrorProcessing = false;
  TKeyEvent m_onAfterKeyDown;
  TcxEditEditingEvent m_onEditing;
  TNotifyEvent m_onPostEditValue;
  TOwned<TcxEditDataBinding> m_dataBinding;
  Variant m_editValue;
  TOwned<TcxCustomEditProperties> m_properties;
  bool m_isSettingWindowRegion = false;
  TcxEditContentParams m_contentParams;
  bool m_isCreating = false;
  TcxCustomEditData* m_editData = nullptr;
  TWndMethod m_savedInnerEditWindowProc;
  bool m_innerEditRepaintingLocked = false;
};

// Nil for an in-place editor, the editor itself otherwise: the sender of
// events a host must not see.
TObject* GetStandaloneEventSender(TcxCustomEdit* AEdit);
