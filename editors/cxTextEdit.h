// The single-line text editor: an editor around the platform's EDIT (the
// inner text edit) whose display text is the EDIT's text. Any program reads
// and writes the editor's text through the window-text messages, which the
// editor answers from its display text; a text written from code becomes the
// edit value at once, typed text when the editor validates (on leaving it, or
// on Enter). The properties apply letter case, password echo, maximum length
// and alignment to the inner edit; a right-aligned or centred editor that is
// not active hides the EDIT and draws its text itself (cxTextEditView).
//
// Keys, selection and the clipboard are in cxTextEditEditing.cpp.
//
// Classes in this file: TcxCustomTextEdit, TcxTextEdit.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "editors/cxEditControl.h"
#include "editors/cxFormats.h"
#include "editors/cxTextEditInner.h"
#include "editors/cxTextEditLookup.h"
#include "editors/cxTextEditProperties.h"
#include "editors/cxTextEditView.h"

// What moves the current lookup item of an editor that scrolls its lookup
// list: a navigation key or the mouse wheel.
enum class TcxEditScrollCause : std::uint8_t { escKeyboard, escMouseWheel };

class TcxCustomTextEdit : public TcxCustomEdit,
                          public IcxFormatControllerListener,
                          public IcxTextEditLookupOwner,
                          public IcxTextEditViewEditor,
                          public IcxInnerTextEditHost {
  OBJECT_CLASS(TcxCustomTextEdit, TcxCustomEdit)
public:
  explicit TcxCustomTextEdit(TComponent* AOwner) : TcxCustomEdit(AOwner) {}
  TcxCustomTextEdit(TComponent* AOwner, bool AIsInplace) : TcxCustomEdit(AOwner, AIsInplace) {}
  // Keeps the text for the window-text messages of the rest of the
  // destruction, then leaves the format controller.
  void BeforeDestruction() override;

  TcxCustomTextEditProperties* Properties() const;
  TcxCustomTextEditProperties* ActiveProperties();
  TcxCustomEditPropertiesClass GetPropertiesClass() const override;
  IcxInnerTextEdit* InnerTextEdit() const;
  TcxCustomTextEditViewInfo* GetViewInfo() const;
  TcxCustomTextEditLookupData* LookupData() const { return m_lookupData.get(); }

  bool BeepOnEnter() const { return m_beepOnEnter; }
  void SetBeepOnEnter(bool Value) { m_beepOnEnter = Value; }
  // The display text (the text as typed, not yet the edit value).
  std::string GetEditingText() { return InternalGetText(); }
  void SetEditingText(const std::string& AText);

  // The inner EDIT is the visible text: a left-aligned editor always, a
  // right-aligned or centred one only while active.
  bool IsEditClass() const override;
  void SetHideInnerEdit(bool Value);
  void SetShowInnerEdit(bool Value);
  // The find-selection flag: the text after the caret is a completion.
  // Unchanged without a window or while refreshes are suppressed.
  void SetFindSelection(bool Value);
  bool RefreshSuppressed() const { return m_refreshSuppressed; }
  // True while a navigation key or the wheel moves the current lookup item.
  bool LookupScrollInProgress() const { return m_lookupScrollInProgress; }
  void SetRefreshSuppressed(bool Value) { m_refreshSuppressed = Value; }

  // The current lookup item, -1 for none. Setting it makes the item's text
  // the edit value and fires Click when the item changed.
  virtual int GetItemIndex();
  virtual void SetItemIndex(int Value);
  // The object attached to the current lookup item; nil for none.
  virtual TObject* GetItemObject();
  // Selects the first item holding the object (none when no item holds it).
  void SetItemObject(TObject* Value);
  // While locked, a properties change does not tell the lookup data that the
  // text changed.
  void LockLookupDataTextChanged() { m_lookupTextChangeLock = true; }
  void UnlockLookupDataTextChanged() { m_lookupTextChangeLock = false; }

  // Selection (cxTextEditEditing.cpp).
  int GetSelStart();
  void SetSelStart(int Value);
  int GetSelLength();
  void SetSelLength(int Value);
  std::string GetSelText();
  void SetSelection(int AStart, int ALength) override;
  void SelectAll() override;
  // The caret's character index.
  int GetCursorPos();
  virtual void SetSelText(const std::string& AText);
  virtual void ClearSelection();
  void CopyToClipboard() override;
  void CutToClipboard() override;
  void PasteFromClipboard() override;
  // The editor's undo is its reset: back to the value it had on entry.
  virtual void Undo();
  // What replacing the selection by AText would give: the whole text and the
  // caret; false when the maximum length, the properties or the editing
  // permission refuse it.
  virtual bool CanChangeSelText(const std::string& AText, std::string& ANewText, int& ANewCaret);

  // IcxFormatControllerListener: the regional settings changed.
  void FormatChanged() override;

  // IcxTextEditViewEditor.
  bool HasPopupWindow() const override { return false; }

  // IcxTextEditLookupOwner.
  TStrings* LookupItems() override;
  TcxEditEditingStyle EditingStyle() override;
  bool MRUMode() override;
  bool UpdateTextImmediately() override;
  bool FixedListSelection() override;
  bool CanIncrementalSearch() override;
  int DropDownPageRowCount() override;
  std::string Text() override { return InternalGetText(); }
  int SelStart() override { return GetSelStart(); }
  int SelLength() override { return GetSelLength(); }
  int CursorPos() override { return GetCursorPos(); }
  char ImeLastChar() override;
  bool FindSelection() override { return m_findSelection; }
  void SetFindSelectionActive(bool Value) override { m_findSelection = Value; }
  bool LookupTextChangeLock() override { return m_lookupTextChangeLock; }
  void SetLookupTextChangeLock(bool Value) override { m_lookupTextChangeLock = Value; }
  bool EditModeSetting() override { return false; }
  void SetKeyboardAction(bool Value) override { KeyboardActionFlag() = Value; }
  bool DoEditing() override { return TcxCustomEdit::DoEditing(); }
  void LockClick(bool ALock) override { TcxCustomEdit::LockClick(ALock); }
  void DoClick() override { TcxCustomEdit::DoClick(); }
  void InternalSetDisplayValue(const Variant& Value) override;
  void SetBindingDisplayValue(const std::string& AText) override;
  void UpdateDrawValue() override;
  TColor ActiveStyleColor() override { return GetActiveStyle()->GetColor(); }
  TFont* ActiveStyleFont() override { return GetActiveStyle()->GetVisibleFont(); }

  Variant GetDisplayValue() override;
  void SetInternalDisplayValue(const Variant& Value) override;
  void SynchronizeDisplayValue() override;
  void PrepareEditValue(const Variant& ADisplayValue, Variant& EditValue,
                        bool AEditFocused) override;

  // In-place activation leaves the caret at the start, the whole text
  // selected when AutoSelect is set.
  void Activate(TcxCustomEditData*& AEditData) override;

protected:
  void Initialize() override;
  TcxInnerEditClass GetInnerEditClass() const override;
  void Dispatch(TMessage& Message) override;
  void Loaded() override;
  void DoExit() override;
  void PropertiesChanged(TObject* Sender) override;
  bool RefreshContainer(const TPoint& P, TcxMouseButton AButton, TShiftState AShift,
                        bool AIsMouseEvent) override;
  void AdjustInnerEditPosition() override;
  void FillSizeProperties(TcxEditSizeProperties& AEditSizeProperties) override;
  TcxCustomEditViewData* CreateViewData() override;
  void ChangeHandler(TObject* Sender) override;
  void SetDisplayText(const std::string& AText) override;
  void SynchronizeEditValue() override;
  Variant InternalGetEditingValue() override;
  void InternalValidateDisplayValue(const Variant& ADisplayValue) override;

  // The display text: the inner edit's, or what it was when destruction began.
  virtual std::string InternalGetText();
  // Accepts the text as display text; false when the properties or the
  // editing permission refuse it.
  virtual bool InternalSetText(const std::string& AText);
  virtual void AdjustInnerEdit();
  virtual int GetInnerEditHeight();
  virtual void ResetOnNewDisplayValue();
  virtual void UpdateDisplayValue();
  virtual void DoOnNewLookupDisplayText(const std::string& AText);
  // The lookup data's select-item event: its current item becomes the edit
  // value, when the editing permission agrees to a change.
  virtual void HandleSelectItem(TObject* Sender);
  virtual Variant ItemIndexToLookupKey(int AItemIndex);
  // The item text of the key, prepared as edit value.
  virtual Variant LookupKeyToEditValue(const Variant& AKey);
  virtual int LookupKeyToItemIndex(const Variant& AKey);
  // Keys (cxTextEditEditing.cpp).
  bool InternalDoEditing() override;
  bool IsValidChar(char AKey) override;
  bool CanKeyPressModifyEdit(char AKey) override;
  bool CanKeyDownModifyEdit(WORD AKey, TShiftState AShift) override;
  void KeyPress(char& Key) override;
  bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) override;
  void DoEditKeyPress(char& Key) override;
  void DoEditKeyDown(WORD& Key, TShiftState Shift) override;
  bool WantNavigationKeys() override { return true; }
  // Whether the cause moves the current lookup item (never here: the text
  // editor leaves navigation keys and the wheel to its text).
  virtual bool GetScrollLookupDataList(TcxEditScrollCause) { return false; }

  // While the inner edit's repainting is locked, its focus selects all
  // (with AutoSelect on) and nothing else; unlocking gives it the focus
  // message without selecting.
  void LockedInnerEditWindowProc(TMessage& Message) override;
  void UnlockInnerEditRepainting() override;

  // IcxInnerTextEditHost (cxTextEditEditing.cpp).
  void InnerEditKeyDown(WORD& key, TShiftState shift) override;
  void InnerEditKeyPress(char& key) override;
  void InnerEditKeyUp(WORD& key, TShiftState shift) override;
  LRESULT InnerEditDialogCode() override;
  void InnerEditKeyDownIgnored(WORD& key, TShiftState shift) override;
  void InnerEditCharProcessed(bool changed) override;
  bool InnerEditFindSelection() override { return m_findSelection; }
  bool InnerEditCanCompose() override { return DoEditing(); }
  void InnerEditCut() override { CutToClipboard(); }
  void InnerEditPaste() override { PasteFromClipboard(); }
  void InnerEditClear() override { ClearSelection(); }
  // IcxInnerTextEditHost: the mouse and dragging (cxTextEditEditing.cpp).
  void InnerEditMouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void InnerEditMouseMove(TShiftState shift, int x, int y) override { MouseMove(shift, x, y); }
  void InnerEditMouseUp(TMouseButton button, TShiftState shift, int x, int y) override {
    MouseUp(button, shift, x, y);
  }
  void InnerEditClick() override { Click(); }
  void InnerEditDblClick() override { DblClick(); }
  void InnerEditDragOver(TObject* source, int x, int y, TDragState state, bool& accept) override {
    DragOver(source, x, y, state, accept);
  }
  void InnerEditDragDrop(TObject* source, int x, int y) override { DragDrop(source, x, y); }
  bool InnerEditBeginAutoDrag() override;
  // IcxInnerTextEditHost: the container's menu short-cuts and default
  // handling come first.
  bool InnerEditMenuHandler(TMessage& message) override { return InnerControlMenuHandler(message); }
  bool InnerEditDefaultHandler(TMessage& message) override {
    return InnerControlDefaultHandler(message);
  }

private:
  void WMGetText(TWMGetText Message);
  void WMSetText(TMessage& Message);
  void WMClear();
  bool AcceptDisplayText(const std::string& AText);
  void SelChange(TObject*) {}
  bool IsPassword();
  bool HasLookupItems();
  std::string InLetterCase(const std::string& AText);
  bool ClipboardText(std::string& AText);
  void SetTextBySelText(const std::string& ANewText, int ACaret);
  // Moves the current lookup item by the navigation key; true when the
  // editor scrolls its items with the keyboard.
  bool ScrollLookupData(WORD Key, TShiftState Shift);
  bool CanScrollLookupData(TcxEditScrollCause ACause);
  void MoveLookupItem(TcxEditLookupDataGoDirection ADirection);
  // The key eaten by the scrolling (or by the single-line text).
  void EatNavigationKey(WORD& Key, TShiftState Shift);
  void PostScrolledValue();

  bool m_beepOnEnter = true;
  bool m_findSelection = false;
  bool m_refreshSuppressed = false;
  bool m_innerEditForcedHidden = false;
  bool m_innerEditForcedShown = false;
  bool m_textSettingInProgress = false;
  bool m_displaySyncInProgress = false;
  bool m_positionAdjustInProgress = false;
  bool m_popupClosedRecently = false;
  bool m_lookupTextChangeLock = false;
  bool m_lookupScrollInProgress = false;
  bool m_destroying = false;
  std::string m_textAfterDestroy;
  // A text written while another was being set, applied right after it.
  std::string m_pendingText;
  bool m_textPending = false;
  TOwned<TcxCustomTextEditLookupData> m_lookupData;
};

// The published text editor of form definitions.
class TcxTextEdit : public TcxCustomTextEdit {
  OBJECT_CLASS(TcxTextEdit, TcxCustomTextEdit)
public:
  static void Publish(TPublisher& p);
  using TcxCustomTextEdit::TcxCustomTextEdit;

  TcxTextEditProperties* Properties() const;
  void SetProperties(TcxTextEditProperties* Value) { TcxCustomEdit::SetProperties(Value); }
  TcxCustomEditPropertiesClass GetPropertiesClass() const override;
};
