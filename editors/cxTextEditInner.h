// The platform's EDIT hosted without a frame inside a text editor, the helper
// that gives the editor the interface over it, and the check whether a key
// changed the text or the selection.
//
// Every clipboard operation reaches the window as a message (WM_CUT, WM_COPY,
// WM_PASTE, WM_CLEAR), the keyboard's own included. Hosted by a text editor
// (IcxInnerTextEditHost), the edit gives the editor the first word on every
// key and leaves cut, paste and clear to it.
//
// The inner edit draws no background and no frame of its own (the editor
// does), keeps its margins at 0 on the left and 1 on the right whatever font
// it gets, so that text the editor draws itself lands on the same pixels,
// and reports every selection set through EM_SETSEL.
//
// Classes in this file: TcxCustomInnerTextEditPrevState, IcxInnerTextEditHost, IcxInnerTextEdit,
// TcxCustomInnerTextEdit, TcxCustomInnerTextEditHelper.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "editors/cxEditInner.h"
#include "platform/objects/Alignment.h"
#include "platform/stdctrls/StdCtrls.h"

// Whether typed characters are shown or masked.
enum class TcxEditEchoMode : std::uint8_t { eemNormal, eemPassword };

class TcxCustomInnerTextEdit;

// The text editor that hosts an inner edit: it has the first word on every
// key, performs the clipboard operations the EDIT is asked for, and hears
// what a key did to the text.
class IcxInnerTextEditHost {
public:
  virtual void InnerEditKeyDown(WORD& key, TShiftState shift) = 0;
  // The editor's key press, then the editor's rule for Enter and Escape.
  virtual void InnerEditKeyPress(char& key) = 0;
  virtual void InnerEditKeyUp(WORD& key, TShiftState shift) = 0;
  // Dialog codes the editor adds (tabs, all keys).
  virtual LRESULT InnerEditDialogCode() = 0;
  // A key reached the EDIT and changed neither text nor selection.
  virtual void InnerEditKeyDownIgnored(WORD& key, TShiftState shift) = 0;
  // A character reached the EDIT; 'changed' when text or selection changed.
  virtual void InnerEditCharProcessed(bool changed) = 0;
  // Whether the text after the caret is a completion the editor proposed.
  virtual bool InnerEditFindSelection() = 0;
  // Whether an input method may compose into the text (the editing
  // permission).
  virtual bool InnerEditCanCompose() = 0;
  virtual void InnerEditCut() = 0;
  virtual void InnerEditPaste() = 0;
  virtual void InnerEditClear() = 0;
  // The mouse over the inner edit, in the editor's client coordinates.
  virtual void InnerEditMouseDown(TMouseButton button, TShiftState shift, int x, int y) = 0;
  virtual void InnerEditMouseMove(TShiftState shift, int x, int y) = 0;
  virtual void InnerEditMouseUp(TMouseButton button, TShiftState shift, int x, int y) = 0;
  virtual void InnerEditClick() = 0;
  virtual void InnerEditDblClick() = 0;
  // A drag over the inner edit is over the editor (editor's coordinates).
  virtual void InnerEditDragOver(TObject* source, int x, int y, TDragState state,
                                 bool& accept) = 0;
  virtual void InnerEditDragDrop(TObject* source, int x, int y) = 0;
  // Starts the editor's own drag when it drags automatically; true then.
  virtual bool InnerEditBeginAutoDrag() = 0;
  // Whether the editor consumed the message: a short-cut of a menu around
  // the inner edit, which then ran.
  virtual bool InnerEditMenuHandler(TMessage& message) = 0;
  // Whether the editor's default handling took the message.
  virtual bool InnerEditDefaultHandler(TMessage& message) = 0;

protected:
  ~IcxInnerTextEditHost() = default;
};

// The text and selection of an edit before a key reached it.
struct TcxCustomInnerTextEditPrevState {
  bool TextSaved = false;
  std::string SavedText;
  int SavedSelLength = 0;
  int SavedSelStart = 0;
  // The edit's count of reported text changes when the state was saved.
  int SavedTextChanges = 0;
};

// Stores the selection and, when 'saveText' is true, the text.
void SaveTextEditState(TCustomEdit* edit, bool saveText, TcxCustomInnerTextEditPrevState& state);
// True when the edit has no window, its selection moved, or its text (when
// saved) differs ignoring letter case.
bool CheckTextEditState(TCustomEdit* edit, const TcxCustomInnerTextEditPrevState& state);

// What a text editor asks of its inner edit.
class IcxInnerTextEdit : public IcxCustomInnerEdit {
public:
  virtual void ClearSelection() = 0;
  virtual void CopyToClipboard() = 0;
  virtual TAlignment GetAlignment() = 0;
  virtual bool GetAutoSelect() = 0;
  virtual TEditCharCase GetCharCase() = 0;
  virtual TcxEditEchoMode GetEchoMode() = 0;
  virtual bool GetHideSelection() = 0;
  virtual char GetImeLastChar() = 0;
  virtual TImeMode GetImeMode() = 0;
  virtual TImeName GetImeName() = 0;
  virtual bool GetInternalUpdating() = 0;
  virtual int GetMaxLength() = 0;
  virtual bool GetMultiLine() = 0;
  virtual TNotifyEvent GetOnSelChange() = 0;
  virtual char GetPasswordChar() = 0;
  virtual int GetSelLength() = 0;
  virtual int GetSelStart() = 0;
  virtual std::string GetSelText() = 0;
  virtual void SelectAll() = 0;
  virtual void SetAlignment(TAlignment value) = 0;
  virtual void SetAutoSelect(bool value) = 0;
  virtual void SetCharCase(TEditCharCase value) = 0;
  virtual void SetEchoMode(TcxEditEchoMode value) = 0;
  virtual void SetHideSelection(bool value) = 0;
  virtual void SetInternalUpdating(bool value) = 0;
  virtual void SetImeMode(TImeMode value) = 0;
  virtual void SetImeName(const TImeName& value) = 0;
  virtual void SetMaxLength(int value) = 0;
  virtual void SetOnSelChange(const TNotifyEvent& value) = 0;
  virtual void SetPasswordChar(char value) = 0;
  virtual void SetSelLength(int value) = 0;
  virtual void SetSelStart(int value) = 0;
  virtual void SetSelText(const std::string& value) = 0;

protected:
  ~IcxInnerTextEdit() = default;
};

// Speaks for an inner edit; owned by it.
class TcxCustomInnerTextEditHelper : public IcxInnerTextEdit {
public:
  explicit TcxCustomInnerTextEditHelper(TcxCustomInnerTextEdit* edit) : m_edit(edit) {}

  TcxCustomInnerTextEdit* Edit() const { return m_edit; }

  TWinControl* GetControl() override;
  TWinControl* GetControlContainer() override;
  LRESULT CallDefWndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
  Variant GetEditValue() override;
  TNotifyEvent GetOnChange() override;
  bool GetReadOnly() override;
  void LockBounds(bool lock) override;
  void SafelySetFocus() override;
  void SetEditValue(const Variant& value) override;
  void SetParent(TWinControl* parent) override;
  void SetOnChange(const TNotifyEvent& value) override;
  void SetReadOnly(bool value) override;

  void ClearSelection() override;
  void CopyToClipboard() override;
  TAlignment GetAlignment() override;
  bool GetAutoSelect() override;
  TEditCharCase GetCharCase() override;
  TcxEditEchoMode GetEchoMode() override;
  bool GetHideSelection() override;
  char GetImeLastChar() override;
  TImeMode GetImeMode() override;
  TImeName GetImeName() override;
  bool GetInternalUpdating() override;
  int GetMaxLength() override;
  bool GetMultiLine() override { return false; }
  TNotifyEvent GetOnSelChange() override;
  char GetPasswordChar() override;
  int GetSelLength() override;
  int GetSelStart() override;
  std::string GetSelText() override;
  void SelectAll() override;
  void SetAlignment(TAlignment value) override;
  void SetAutoSelect(bool value) override;
  void SetCharCase(TEditCharCase value) override;
  void SetEchoMode(TcxEditEchoMode value) override;
  void SetHideSelection(bool value) override;
  void SetInternalUpdating(bool value) override;
  void SetImeMode(TImeMode value) override;
  void SetImeName(const TImeName& value) override;
  void SetMaxLength(int value) override;
  void SetOnSelChange(const TNotifyEvent& value) override;
  void SetPasswordChar(char value) override;
  void SetSelLength(int value) override;
  void SetSelStart(int value) override;
  void SetSelText(const std::string& value) override;

  // The selection kept while an IME character is being delivered.
  void SaveImeSelection();
  int ImeSelStart() const { return m_imeSelStart; }
  int ImeSelLength() const { return m_imeSelLength; }

private:
  TcxCustomInnerTextEdit* m_edit;
  int m_imeSelStart = 0;
  int m_imeSelLength = 0;
};

class TcxCustomInnerTextEdit : public TCustomEdit,
                               public IcxInnerEditHelper,
                               public IcxContainerInnerControl {
  OBJECT_CLASS(TcxCustomInnerTextEdit, TCustomEdit)
public:
  explicit TcxCustomInnerTextEdit(TComponent* owner);
  ~TcxCustomInnerTextEdit() override;

  IcxCustomInnerEdit* GetHelper() override { return m_helper.get(); }
  TcxCustomInnerTextEditHelper* Helper() const { return m_helper.get(); }
  TWinControl* GetControl() override { return this; }
  TWinControl* GetControlContainer() override;
  TWinControl* GetContainer() { return GetControlContainer(); }

  TAlignment ControlAlignment() const { return m_controlAlignment; }
  // A new alignment remakes the window, keeping its text.
  void SetControlAlignment(TAlignment value);
  TcxEditEchoMode InnerEchoMode() const { return m_echoMode; }
  void SetInnerEchoMode(TcxEditEchoMode value);
  // The mask used in echo mode eemPassword (#0: '*').
  char InnerPasswordChar() const { return m_innerPasswordChar; }
  void SetInnerPasswordChar(char value);
  bool InternalUpdating() const { return m_internalUpdating; }
  void SetInternalUpdating(bool value) { m_internalUpdating = value; }
  // Text changes the EDIT reported so far.
  int ReportedTextChanges() const { return TextChanges(); }
  // The text, read again from the window only when the EDIT reported a
  // change, got a new window or a new length since the last reading.
  std::string CurrentText();
  // 0: no IME character pending; 1: a single-byte one; 2: a double-byte one.
  int ImeCharState() const { return m_imeCharState; }
  char ImeLastCharByte() const { return m_imeLastCharByte; }

  // Position requests are dropped while the bounds are locked.
  void LockBounds(bool lock);
  void SetBounds(int left, int top, int width, int height) override;

  const TNotifyEvent& OnSelChange() const { return m_onSelChange; }
  void SetOnSelChange(const TNotifyEvent& e) { m_onSelChange = e; }

  // The character index at the caret; the end of the selection when the
  // caret belongs to another window, 0 for an empty text.
  int GetCursorPos();

  void WndProc(TMessage& message) override;
  void Dispatch(TMessage& message) override;
  void DefaultHandler(TMessage& message) override;
  // Drops go to the editor.
  void DragDrop(TObject* source, int x, int y) override;

protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWindowHandle(const TCreateParams& params) override;
  void CreateWnd() override;
  // The platform's EDIT pastes (Shift+Insert), copies (Ctrl+Insert) and
  // cuts (Shift+Delete) without a message; these keys send WM_PASTE, WM_COPY
  // and WM_CUT instead, so every clipboard operation passes the same handlers.
  void KeyDown(WORD& key, TShiftState shift) override;
  void KeyPress(char& key) override;
  void KeyUp(WORD& key, TShiftState shift) override;
  // Left margin 0, right margin 1.
  virtual void AdjustMargins();
  // The inner edit's own mouse events, then the editor's.
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void Click() override;
  void DblClick() override;
  // The wheel is left to the editor.
  bool DoMouseWheel(TShiftState, int, TPoint) override { return false; }
  // A drag over the inner edit asks the editor only.
  void DragOver(TObject* source, int x, int y, TDragState state, bool& accept) override;

private:
  IcxInnerTextEditHost* Host();
  bool DispatchSavingState(TMessage& message, TcxCustomInnerTextEditPrevState& state);
  void WMKeyDown(TMessage& message);
  bool ClipboardToHost(TMessage& message);
  UINT ClipboardKeyMessage(WORD key, TShiftState shift);
  void UpdateEchoMode();
  void WMImeChar(TMessage& message);
  void WMImeComposition(TMessage& message);
  void RestoreImeSelection();
  void WMChar(TMessage& message);
  int CharLeft(int index);

  TAlignment m_controlAlignment = TAlignment::taLeftJustify;
  TcxEditEchoMode m_echoMode = TcxEditEchoMode::eemNormal;
  std::unique_ptr<TcxCustomInnerTextEditHelper> m_helper;
  int m_imeCharState = 0;
  char m_imeLastCharByte = '\0';
  bool m_internalUpdating = false;
  int m_boundsLockCount = 0;
  char m_innerPasswordChar = '\0';
  TNotifyEvent m_onSelChange;
  // The shift state the key handler of the key-down being handled got.
  std::optional<TShiftState> m_keyDownShift;
  std::string m_textRead;
  int m_textReadChanges = -1;
  HWND m_textReadWindow = nullptr;
};
