// Lookup items of a text editor and the incremental search that completes
// what the user types from them.
//
// TcxCustomTextEditLookupData is the model of an editor's lookup items: the
// current item (the current key), the highlighted item (item index) and the
// prefix search. The items are always the editor's active properties'
// LookupItems. The editor is reached through IcxTextEditLookupOwner, which
// the editor implements; the incremental search is the editor's key-press
// step cxTextEditIncrementalSearch. A lookup key is an integer variant
// holding an item index, -1 for none.
//
// A descendant that names a list box class (GetListBoxClass) shows the items
// in that list: Initialize creates it in the given parent, the highlighted
// item follows the list's selected row, and while the list is visible moving
// through the items only moves the highlight unless the text is to follow at
// once (UpdateTextImmediately).
//
// Classes in this file: IcxTextEditLookupOwner, IcxTextEditLookupData,
// TcxCustomTextEditLookupData.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "editors/cxTextEditListBox.h"
#include "framework/cxClasses.h"
#include "platform/objects/Events.h"
#include "platform/objects/Interfaces.h"
#include "platform/rtl/StringLists.h"
#include "platform/rtl/Types.h"
#include "platform/rtl/Variants.h"

// How the user may change an editor's text: freely (esEdit), only to one of
// the lookup items (esEditList, esFixedList), or not at all (esNoEdit).
enum class TcxEditEditingStyle : std::uint8_t { esEdit, esEditList, esFixedList, esNoEdit };

enum class TcxEditLookupDataGoDirection : std::uint8_t {
  egdBegin,
  egdEnd,
  egdNext,
  egdPrev,
  egdPageUp,
  egdPageDown
};

// What the lookup data and the incremental search need of the text editor
// that owns them: its active properties' lookup settings, its text and
// selection, and its flags and locks.
class IcxTextEditLookupOwner : public virtual IInterface {
public:
  static constexpr TGUID IID = StringToGUID("{A52D651A-C8FE-45B7-814C-EA31543EBB76}");

  // The active properties' settings.
  virtual TStrings* LookupItems() = 0;
  virtual TcxEditEditingStyle EditingStyle() = 0;
  virtual bool MRUMode() = 0;
  virtual bool UpdateTextImmediately() = 0;
  virtual bool FixedListSelection() = 0;
  virtual bool CanIncrementalSearch() = 0;
  virtual int DropDownPageRowCount() = 0;

  // The text and selection of the inner edit; the caret's character index.
  virtual std::string Text() = 0;
  virtual int SelStart() = 0;
  virtual int SelLength() = 0;
  virtual void SetSelection(int start, int length) = 0;
  virtual int CursorPos() = 0;
  // The first byte of a character the input method has not delivered yet, or #0.
  virtual char ImeLastChar() = 0;

  // The find-selection flag: the text after the caret is a proposed completion.
  virtual bool FindSelection() = 0;
  // Writes the flag without redrawing (the search redraws when it is done).
  virtual void SetFindSelectionActive(bool value) = 0;
  // Changes the flag and redraws the text.
  virtual void SetFindSelection(bool value) = 0;
  virtual bool LookupTextChangeLock() = 0;
  virtual void SetLookupTextChangeLock(bool value) = 0;
  // True while the editor asks whether it may enter edit mode.
  virtual bool EditModeSetting() = 0;
  virtual void SetKeyboardAction(bool value) = 0;

  // The editing permission (OnEditing and the editor's own rules).
  virtual bool DoEditing() = 0;
  virtual void LockClick(bool lock) = 0;
  // Marks the editor modified after entering and fires Click unless locked.
  virtual void DoClick() = 0;
  // Sets the display value as code does (not a keyboard action).
  virtual void InternalSetDisplayValue(const Variant& value) = 0;
  // Sets the display text through the data binding, as the user's input.
  virtual void SetBindingDisplayValue(const std::string& text) = 0;
  // Redraws the text from the display value.
  virtual void UpdateDrawValue() = 0;

  // The colour and the visible font of the editor's active style, for the
  // list that shows the items.
  virtual TColor ActiveStyleColor() = 0;
  virtual TFont* ActiveStyleFont() = 0;

protected:
  ~IcxTextEditLookupOwner() = default;
};

// The editor's view of its lookup data. The methods that show the items in a
// drop-down list serve editors with a list box; without one they answer that
// there is nothing to show.
class IcxTextEditLookupData : public virtual IInterface {
public:
  static constexpr TGUID IID = StringToGUID("{F49C5F08-7758-4362-A360-1DF02354E708}");

  virtual bool CanResizeVisualArea(TSize& newSize, int maxHeight, int maxWidth) = 0;
  virtual void CloseUp() = 0;
  virtual void Deinitialize() = 0;
  virtual void DropDown() = 0;
  virtual void DroppedDown(const std::string& findStr) = 0;
  virtual bool Find(const std::string& text) = 0;
  virtual TWinControl* GetActiveControl() = 0;
  virtual Variant GetCurrentKey() = 0;
  virtual std::string GetDisplayText(const Variant& key) = 0;
  virtual const TNotifyEvent& GetOnCurrentKeyChanged() = 0;
  virtual const TNotifyEvent& GetOnSelectItem() = 0;
  virtual TSize GetVisualAreaPreferredSize(int maxHeight, int width) = 0;
  virtual void Go(TcxEditLookupDataGoDirection direction, bool cycle) = 0;
  virtual void Initialize(TWinControl* visualControlsParent) = 0;
  virtual bool IsEmpty() = 0;
  virtual bool IsMouseOverList(const TPoint& p) = 0;
  virtual bool Locate(std::string& text, std::string& tail, bool next) = 0;
  virtual void PositionVisualArea(const TRect& clientRect) = 0;
  virtual void PropertiesChanged() = 0;
  virtual void SelectItem() = 0;
  virtual void SetCurrentKey(const Variant& key) = 0;
  virtual void SetOnCurrentKeyChanged(const TNotifyEvent& value) = 0;
  virtual void SetOnSelectItem(const TNotifyEvent& value) = 0;
  virtual void TextChanged() = 0;

protected:
  ~IcxTextEditLookupData() = default;
};

using TcxCustomEditListBoxClass = TClassRef<TcxCustomEditListBox>;

class TcxCustomTextEditLookupData : public TcxInterfacedPersistent, public IcxTextEditLookupData {
  OBJECT_CLASS(TcxCustomTextEditLookupData, TcxInterfacedPersistent)
public:
  // 'owner' is the editor; it must implement IcxTextEditLookupOwner
  // (EInvalidCast otherwise).
  explicit TcxCustomTextEditLookupData(TPersistent* owner);
  // The list stays with its owner; it no longer reports to this object.
  ~TcxCustomTextEditLookupData() override;

  // IcxTextEditLookupData.
  bool CanResizeVisualArea(TSize& newSize, int maxHeight, int maxWidth) override;
  // Makes the current item the highlighted one.
  void CloseUp() override;
  void Deinitialize() override {}
  void DropDown() override {}
  void DroppedDown(const std::string&) override {}
  bool Find(const std::string& text) override;
  // The list box, nil before Initialize or without a list box class.
  TWinControl* GetActiveControl() override { return ListBox(); }
  Variant GetCurrentKey() override;
  // The item of the key; empty for a key that names no item.
  std::string GetDisplayText(const Variant& key) override;
  const TNotifyEvent& GetOnCurrentKeyChanged() override { return m_onCurrentKeyChanged; }
  const TNotifyEvent& GetOnSelectItem() override { return m_onSelectItem; }
  TSize GetVisualAreaPreferredSize(int maxHeight, int width) override;
  // Moves the current item; without items nothing happens.
  void Go(TcxEditLookupDataGoDirection direction, bool cycle) override;
  // Creates the list box (owned by the parent) when the class names one and
  // there is none yet, gives it the editor's colour and font, the rows and
  // the highlighted item, then follows the editor's text.
  void Initialize(TWinControl* visualControlsParent) override;
  bool IsEmpty() override;
  // Whether the screen point lies over the list box.
  bool IsMouseOverList(const TPoint& p) override;
  // Prefix search: see InternalLocate.
  bool Locate(std::string& text, std::string& tail, bool next) override;
  // Places the list box on the rectangle, in its parent's coordinates.
  void PositionVisualArea(const TRect& clientRect) override;
  void PropertiesChanged() override { ListChanged(); }
  // Takes the highlighted item as the current one, when editing is allowed.
  void SelectItem() override;
  void SetCurrentKey(const Variant& key) override;
  void SetOnCurrentKeyChanged(const TNotifyEvent& value) override { m_onCurrentKeyChanged = value; }
  void SetOnSelectItem(const TNotifyEvent& value) override { m_onSelectItem = value; }
  // Follows a text the editor was given: a prefix search from the first item
  // (an exact one in MRU mode) unless the highlighted item already shows it.
  void TextChanged() override;

  // The first item equal to the text ignoring case (the locale's), -1 for none.
  int IndexOf(const std::string& text);
  int ItemIndex() const { return m_itemIndex; }
  // Moves the highlighted item, or the current item when no list is shown.
  void SetItemIndex(int index);
  TStrings* GetItems();
  void SetItems(const TStrings& items);
  std::string GetItem(int index);
  int GetItemCount();
  IcxTextEditLookupOwner* GetEdit() const { return m_edit; }
  TcxCustomEditListBox* ListBox() const;

  void DoCurrentKeyChanged();
  void DoSelectItem();

protected:
  // The class of the list that shows the items; nil here: the text editor
  // shows none.
  virtual TcxCustomEditListBoxClass GetListBoxClass() { return nullptr; }
  // The list's select-item event: the highlighted item follows its row.
  virtual void HandleSelectItem(TObject* sender);
  // Gives the list box the item count.
  virtual void ListChanged();
  // Searches the items for one starting with 'text' (ignoring case), from
  // the item after the highlighted one with 'next', else from the first; it
  // never wraps around. Found: 'text' takes the item's letters, 'tail' the
  // rest of the item, and the item becomes current. With 'wholeText' in MRU
  // mode the whole text must equal an item. On failure the current key
  // follows the editing style's rule.
  virtual bool InternalLocate(std::string& text, std::string& tail, bool next, bool wholeText);
  void InternalSetCurrentKey(int index);
  void InternalSetItemIndex(int index);

private:
  void LocateFailed(const std::string& text, bool wholeText);
  int GoTarget(TcxEditLookupDataGoDirection direction, bool cycle);
  bool IsListVisible() const;

  TcxCustomEditListBox* m_listBox = nullptr;
  std::optional<TControlLife> m_listBoxLife;

  IcxTextEditLookupOwner* m_edit = nullptr;
  int m_currentKey = -1;
  int m_itemIndex = -1;
  TNotifyEvent m_onCurrentKeyChanged;
  TNotifyEvent m_onSelectItem;
};

// The incremental-search step of the editor's key press, run for a character
// the editor has accepted: after a typed character or Backspace it completes
// the text from the first lookup item starting with what was typed and
// selects the part not typed. A completion eats the key (key becomes #0).
// With lookupData nil only the flags are handled.
void cxTextEditIncrementalSearch(IcxTextEditLookupOwner& edit,
                                 TcxCustomTextEditLookupData* lookupData, char& key);
