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
#include <vector>

#include "platform/controls/Forms.h"
#include "platform/controls/WinControls.h"
#include "platform/objects/Alignment.h"
#include "platform/rtl/StringLists.h"

enum class TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };
ENUM_NAMES(TEditCharCase, "ecNormal", "ecUpperCase", "ecLowerCase");

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
  // The published properties of every edit box, single- or multi-line, and
  // those of single-line boxes.
  static void PublishBoxProperties(TPublisher& p);
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
  // Replaces the characters [start, end) by 'text' as code does: MaxLength
  // does not apply, the caret ends after the text, one change is reported.
  void ReplaceText(int start, int end, const std::string& text);
  // Counts every change of the text (also those made while loading), so that
  // what is known about the text can be checked for being current.
  int TextChanges() const { return m_textChanges; }

private:
  void CNCommand(TWMCommand message);
  void WMSetText(TWMSetText message);
  void CMTextChanged();
  void ReportChange();
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
  int m_textChanges = 0;
  TNotifyEvent m_onChange;
};

class TEdit : public TCustomEdit {
  OBJECT_CLASS(TEdit, TCustomEdit)
public:
  static void Publish(TPublisher& p);
  using TCustomEdit::TCustomEdit;
};

class TCustomMemo;

// The lines of a memo, read from and written to its text: a line ends with
// CR LF, and an empty last line (after the text's final line break) is not
// counted. Line breaks in strings put in (CR, LF or CR LF) become CR LF.
//
// Appending goes to the end of the text without reading it back whenever the
// text is known to end with a line break (or to be empty): true after the
// list's own appends and text settings until anything else changes the text.
class TMemoStrings : public TStrings {
public:
  explicit TMemoStrings(TCustomMemo* memo) : m_memo(memo) {}

  int Add(const std::string& s) override;
  void Append(const std::string& s) override;
  void Insert(int index, const std::string& s) override;
  void Delete(int index) override;
  void Clear() override;

protected:
  std::string Get(int index) const override;
  int GetCount() const override;
  void Put(int index, const std::string& s) override;
  std::string GetTextStr() const override;
  void SetTextStr(const std::string& text) override;
  void SetUpdateState(bool updating) override;

private:
  // Where each line starts in the text, and the text's length last.
  std::vector<int> LineStarts(const std::string& text) const;
  // Whether the text of 'length' characters is known to end with a line break.
  bool KnownToEndWithLineBreak(int length) const;
  // Puts 's' and a line break behind the text of 'length' characters, with a
  // line break before it unless the text ends with one (or is empty).
  void AppendAt(int length, bool endsWithLineBreak, const std::string& s);
  // Remembers that the text, of 'length' characters, ends with a line break
  // if no change but the expected ones came since 'changesBefore'.
  void RememberLineBreakAtEnd(int changesBefore, int expectedChanges, int length);

  TCustomMemo* m_memo = nullptr;
  // The memo's TextChanges and text length when its text last ended with a
  // line break for sure (-1: not known).
  int m_lineBreakAtChanges = -1;
  int m_lineBreakAtLength = -1;
};

// The platform's multi-line EDIT.
class TCustomMemo : public TCustomEdit {
  OBJECT_CLASS(TCustomMemo, TCustomEdit)
public:
  explicit TCustomMemo(TComponent* owner);
  ~TCustomMemo() override;

  TStrings* Lines() const { return m_lines.get(); }
  // Replaces the lines by copies of those of 'value'.
  void SetLines(TStrings* value);
  // Scroll bars of the window; a change remakes the window.
  TScrollStyle ScrollBars() const { return m_scrollBars; }
  void SetScrollBars(TScrollStyle value);
  // Whether long lines wrap at the right edge (no horizontal scrolling).
  bool WordWrap() const { return m_wordWrap; }
  void SetWordWrap(bool value);

protected:
  friend class TMemoStrings;

  void CreateParams(TCreateParams& params) override;

private:
  std::unique_ptr<TMemoStrings> m_lines;
  TScrollStyle m_scrollBars = TScrollStyle::ssNone;
  bool m_wordWrap = true;
};

class TMemo : public TCustomMemo {
  OBJECT_CLASS(TMemo, TCustomMemo)
public:
  static void Publish(TPublisher& p);
  using TCustomMemo::TCustomMemo;
};

// Text the library draws on its parent's window: one line, or several when
// the caption holds line breaks; '&' marks the next letter as the short-cut
// that focuses FocusControl (Alt and the letter) unless ShowAccelChar is off.
class TCustomLabel : public TGraphicControl {
  OBJECT_CLASS(TCustomLabel, TGraphicControl)
public:
  explicit TCustomLabel(TComponent* owner);
  ~TCustomLabel() override;

  TAlignment Alignment() const { return m_alignment; }
  void SetAlignment(TAlignment value);
  // Whether the label takes the size of its caption (keeping its right edge
  // when right-justified).
  bool AutoSize() const { return m_autoSize; }
  void SetAutoSize(bool value);
  TWinControl* FocusControl() const { return m_focusControl; }
  void SetFocusControl(TWinControl* value);
  bool ShowAccelChar() const { return m_showAccelChar; }
  void SetShowAccelChar(bool value);
  // Whether the parent shows through around the letters (otherwise the
  // label fills its bounds with Color).
  bool Transparent() const { return m_transparent; }
  void SetTransparent(bool value);

  void Dispatch(TMessage& message) override;

protected:
  // The published properties of every label.
  static void PublishLabelProperties(TPublisher& p);

  void Paint() override;
  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;
  // Takes the size of the caption when AutoSize is on.
  virtual void AdjustBounds();

private:
  UINT DrawTextFlags() const;
  std::u16string DrawnCaption();
  void CMDialogChar(TCMDialogChar message);

  TAlignment m_alignment = TAlignment::taLeftJustify;
  bool m_autoSize = true;
  TWinControl* m_focusControl = nullptr;
  bool m_showAccelChar = true;
  bool m_transparent = false;
};

class TLabel : public TCustomLabel {
  OBJECT_CLASS(TLabel, TCustomLabel)
public:
  static void Publish(TPublisher& p);
  using TCustomLabel::TCustomLabel;
};

// The platform's push button (BUTTON). It clicks on the platform's
// BN_CLICKED only (mouse release over it, Space), and a click with a
// ModalResult gives it to the parent form, which ends a modal showing.
class TButton : public TWinControl {
  OBJECT_CLASS(TButton, TWinControl)
public:
  static void Publish(TPublisher& p);

  explicit TButton(TComponent* owner);
  ~TButton() override;

  TModalResult ModalResult() const { return m_modalResult; }
  void SetModalResult(TModalResult value) { m_modalResult = value; }

  void Click() override;
  void Dispatch(TMessage& message) override;

protected:
  // The published properties of every push button.
  static void PublishButtonProperties(TPublisher& p);

  void CreateParams(TCreateParams& params) override;

private:
  TModalResult m_modalResult = mrNone;
};
