// The standard controls over the platform's own window classes: edit boxes
// (EDIT, single- and multi-line), labels drawn by the library, and push
// buttons (BUTTON).
//
// Edit boxes keep what they show while they have no window (text, limit,
// password character, read-only state, modified flag) and hand it to every
// window they make, so RecreateWnd loses nothing. OnChange fires once for
// every change of the text: from the platform's EN_CHANGE while there is a
// window (never while the window is being made), otherwise from the text
// change itself.
//
// Classes in this file: TCustomEdit, TEdit, TMemoStrings, TCustomMemo, TMemo,
// TCustomLabel, TLabel, TButton.
#pragma once

#include <memory>
#include <string>

#include "platform/controls/Forms.h"
#include "platform/controls/WinControls.h"
#include "platform/objects/Alignment.h"
#include "platform/rtl/StringLists.h"

enum class TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };
ENUM_NAMES(TEditCharCase, "ecNormal", "ecUpperCase", "ecLowerCase");

enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
ENUM_NAMES(TScrollStyle, "ssNone", "ssHorizontal", "ssVertical", "ssBoth");

// The platform's EDIT control. Positions (SelStart, SelLength) count
// characters; Windows-1254 has one byte per character.
class TCustomEdit : public TWinControl {
  OBJECT_CLASS(TCustomEdit, TWinControl)
public:
  explicit TCustomEdit(TComponent* owner);
  ~TCustomEdit() override;

  // Whether taking the focus by keyboard selects the whole text
  // (single-line boxes only; a mouse click places the caret instead).
  bool AutoSelect() const { return m_autoSelect; }
  void SetAutoSelect(bool value) { m_autoSelect = value; }
  // Letters typed or set are turned to capitals or small letters; a change
  // remakes the window, converting the text it holds.
  TEditCharCase CharCase() const { return m_charCase; }
  void SetCharCase(TEditCharCase value);
  // Whether the selection stays shown while another control has the focus.
  bool HideSelection() const { return m_hideSelection; }
  void SetHideSelection(bool value);
  // The most characters typing or pasting may make the text (0: no limit).
  // Text set from code is not cut. ERangeError for a negative value.
  int MaxLength() const { return m_maxLength; }
  void SetMaxLength(int value);
  // Shown in place of every character when not #0. Copying and cutting
  // are refused while it is set, so the hidden text never reaches the
  // clipboard.
  char PasswordChar() const { return m_passwordChar; }
  void SetPasswordChar(char value);
  bool ReadOnly() const { return m_readOnly; }
  void SetReadOnly(bool value);
  // Whether the user changed the text since it was last set from code.
  bool Modified();
  void SetModified(bool value);

  // The selection; these make the window when it does not exist yet.
  int SelStart();
  void SetSelStart(int value);
  int SelLength();
  void SetSelLength(int value);
  std::string SelText();
  // Replaces the selection (honouring MaxLength) and leaves the caret after it.
  void SetSelText(const std::string& value);
  void SelectAll();
  void ClearSelection();
  void Clear() { SetText({}); }
  void CopyToClipboard();
  void CutToClipboard();
  void PasteFromClipboard();

  const TNotifyEvent& OnChange() const { return m_onChange; }
  void SetOnChange(const TNotifyEvent& e) { m_onChange = e; }

  void Dispatch(TMessage& message) override;

protected:
  // The published properties TEdit and the other edit boxes share.
  static void PublishEditProperties(TPublisher& p);

  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void DoEnter() override;
  void KeyDown(WORD& key, TShiftState shift) override;
  // Runs OnChange; descendants hook text changes here.
  virtual void Change();
  // True while the window is being made: its notifications are no changes.
  bool Creating() const { return m_creating; }
  bool IsMultiLine();

private:
  void CNCommand(TMessage& message);
  void WMSetText(TMessage& message);
  void CMTextChanged();
  void SetSelection(int start, int end);
  std::u16string WindowText();

  bool m_autoSelect = true;
  TEditCharCase m_charCase = TEditCharCase::ecNormal;
  bool m_hideSelection = true;
  int m_maxLength = 0;
  char m_passwordChar = '\0';
  bool m_readOnly = false;
  bool m_modified = false;
  bool m_creating = false;
  // Whether the platform reported the text set last (EN_CHANGE).
  bool m_changeReported = false;
  TNotifyEvent m_onChange;
};

class TEdit : public TCustomEdit {
  OBJECT_CLASS(TEdit, TCustomEdit)
public:
  static void Publish(TPublisher& p);
  using TCustomEdit::TCustomEdit;
};
