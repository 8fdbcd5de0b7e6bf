// List boxes over the platform's LISTBOX control: a list of strings (each
// with an object), the selected item, owner drawing, and incremental
// search by typing.
//
// The items live in the window while it exists and in the list box
// otherwise, so a list box filled before it is shown, or whose window is
// made again, keeps its items, its selected item and its top item.
//
// Clicks and double clicks come from the platform's notifications (a
// selection changed, an item double-clicked), so OnClick fires once for
// every selection the user makes, by mouse or keys.
//
// Owner drawing: the styles lbOwnerDrawFixed and lbOwnerDrawVariable draw
// each item through DrawItem (OnDrawItem) on Canvas, which holds the item's
// device context, the list box's font and, for a selected item, the
// highlight colours; lbOwnerDrawVariable asks MeasureItem (OnMeasureItem) for
// each item's height. The virtual styles hold no strings: Count says how
// many items there are, OnData gives an item's text and OnDataFind finds an
// item by the start of its text.
//
// Classes in this file: TListBoxStrings, TCustomListBox, TListBox.
#pragma once

#include <memory>
#include <string>

#include "platform/controls/WinControls.h"
#include "platform/rtl/StringLists.h"

class TControlCanvas;
class TCustomListBox;

enum class TListBoxStyle {
  lbStandard,
  lbOwnerDrawFixed,
  lbOwnerDrawVariable,
  lbVirtual,
  lbVirtualOwnerDraw
};
ENUM_NAMES(TListBoxStyle, "lbStandard", "lbOwnerDrawFixed", "lbOwnerDrawVariable", "lbVirtual",
           "lbVirtualOwnerDraw");

// A border around a control: none, or the sunken edge of the platform.
enum class TBorderStyle { bsNone, bsSingle };
ENUM_NAMES(TBorderStyle, "bsNone", "bsSingle");

// The state of an item being drawn; the positions are the platform's ODS_*
// bits.
enum class TOwnerDrawStateItem {
  odSelected,
  odGrayed,
  odDisabled,
  odChecked,
  odFocused,
  odDefault,
  odHotLight,
  odInactive,
  odNoAccel,
  odNoFocusRect,
  odReserved1,
  odReserved2,
  odComboBoxEdit,
};
using TOwnerDrawState = Set<TOwnerDrawStateItem>;

using TDrawItemEvent =
    TDelegate<void(TWinControl* Control, int Index, TRect Rect, TOwnerDrawState State)>;
using TMeasureItemEvent = TDelegate<void(TWinControl* Control, int Index, int& Height)>;
using TLBGetDataEvent = TDelegate<void(TWinControl* Control, int Index, std::string& Data)>;
using TLBFindDataEvent = TDelegate<int(TWinControl* Control, const std::string& FindString)>;

// The items of a list box, read from and written to its window while it
// has one.
class TListBoxStrings : public TStrings {
public:
  explicit TListBoxStrings(TCustomListBox* listBox) : m_listBox(listBox) {}

  int Add(const std::string& s) override;
  int AddObject(const std::string& s, TObject* object) override;
  void Insert(int index, const std::string& s) override;
  void InsertObject(int index, const std::string& s, TObject* object) override;
  void Delete(int index) override;
  void Clear() override;

protected:
  std::string Get(int index) const override;
  int GetCount() const override;
  TObject* GetObjectAt(int index) const override;
  void PutObjectAt(int index, TObject* object) override;
  void SetUpdateState(bool updating) override;

private:
  friend class TCustomListBox;

  int InsertItem(int index, const std::string& s, TObject* object, bool append);
  void CheckIndex(int index) const;

  TCustomListBox* m_listBox;
  // The items while the list box has no window.
  TStringList m_saved;
};

class TCustomListBox : public TWinControl {
  OBJECT_CLASS(TCustomListBox, TWinControl)
public:
  explicit TCustomListBox(TComponent* owner);
  ~TCustomListBox() override;

  TStrings* Items() const { return m_items.get(); }
  void SetItems(TStrings* items) { m_items->Assign(*items); }
  // The number of items; the virtual styles set it (ERangeError when
  // negative), the others answer the items' count (EInvalidOperation).
  int Count() const;
  void SetCount(int count);
  // The selected item (the focused one in a multi-select list), -1 for
  // none. EListError for an index outside -1 .. Count - 1.
  int ItemIndex() const;
  virtual void SetItemIndex(int index);
  bool Selected(int index) const;
  void SetSelected(int index, bool selected);
  int SelCount() const;
  int TopIndex() const;
  void SetTopIndex(int index);
  void Clear() { m_items->Clear(); }

  TListBoxStyle Style() const { return m_style; }
  void SetStyle(TListBoxStyle style);
  TBorderStyle BorderStyle() const { return m_borderStyle; }
  void SetBorderStyle(TBorderStyle style);
  // The height of an item: the platform's for the standard style, the
  // list's own for the others.
  int ItemHeight() const;
  void SetItemHeight(int height);
  bool Sorted() const { return m_sorted; }
  void SetSorted(bool sorted);
  bool MultiSelect() const { return m_multiSelect; }
  void SetMultiSelect(bool value);
  bool ExtendedSelect() const { return m_extendedSelect; }
  void SetExtendedSelect(bool value);
  bool IntegralHeight() const { return m_integralHeight; }
  void SetIntegralHeight(bool value);
  // Whether typing selects the first item that starts with the text typed,
  // compared without regard to case as the user's locale compares (keys
  // less than half a second apart add to the text).
  bool AutoComplete() const { return m_autoComplete; }
  void SetAutoComplete(bool value) { m_autoComplete = value; }

  TCanvas* Canvas() const;
  // The rectangle of an item in client coordinates; Count answers the
  // place just below the last item; other indexes an empty rectangle.
  TRect ItemRect(int index) const;
  // The item at a client point: -1 outside the client area; below the last
  // item -1 when 'existing', else Count.
  int ItemAtPos(TPoint pos, bool existing) const;

  const TDrawItemEvent& OnDrawItem() const { return m_onDrawItem; }
  void SetOnDrawItem(const TDrawItemEvent& e) { m_onDrawItem = e; }
  const TMeasureItemEvent& OnMeasureItem() const { return m_onMeasureItem; }
  void SetOnMeasureItem(const TMeasureItemEvent& e) { m_onMeasureItem = e; }
  const TLBGetDataEvent& OnData() const { return m_onData; }
  void SetOnData(const TLBGetDataEvent& e) { m_onData = e; }
  const TLBFindDataEvent& OnDataFind() const { return m_onDataFind; }
  void SetOnDataFind(const TLBFindDataEvent& e) { m_onDataFind = e; }

  void Dispatch(TMessage& message) override;

protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void KeyPress(char& key) override;
  virtual void DrawItem(int index, const TRect& rect, TOwnerDrawState state);
  virtual void MeasureItem(int index, int& height);
  // The text of an item of a virtual list (OnData).
  virtual std::string DoGetData(int index);
  // The item of a virtual list whose text starts with 'text' (OnDataFind),
  // -1 for none.
  virtual int DoFindData(const std::string& text);
  // The object of an item, kept in the platform's item data.
  virtual LRESULT GetItemData(int index) const;
  virtual void SetItemData(int index, LRESULT data);
  bool IsVirtual() const;
  bool HasStrings() const { return !IsVirtual(); }

private:
  friend class TListBoxStrings;

  LRESULT SendToWindow(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const;
  void CheckItemIndex(int index) const;
  // The items kept while there is no window.
  TStringList& SavedItems() { return m_items->m_saved; }
  void SavedItemMoved(int index, int count);
  void RestoreItems();
  void SaveItems();
  void IncrementalSearch(char& key);
  int FindPrefix(const std::string& text);
  void CNCommand(TWMCommand message);
  void CNDrawItem(TWMDrawItem message);
  void CNMeasureItem(TWMMeasureItem message);

  std::unique_ptr<TListBoxStrings> m_items;
  TOwned<TControlCanvas> m_canvas;
  TListBoxStyle m_style = TListBoxStyle::lbStandard;
  TBorderStyle m_borderStyle = TBorderStyle::bsSingle;
  int m_itemHeight = 16;
  bool m_sorted = false;
  bool m_multiSelect = false;
  bool m_extendedSelect = true;
  bool m_integralHeight = false;
  bool m_autoComplete = true;
  // Kept while there is no window.
  int m_itemIndex = -1;
  int m_topIndex = 0;
  int m_count = 0;
  std::string m_searchText;
  DWORD m_lastSearchKey = 0;

  TDrawItemEvent m_onDrawItem;
  TMeasureItemEvent m_onMeasureItem;
  TLBGetDataEvent m_onData;
  TLBFindDataEvent m_onDataFind;
};

class TListBox : public TCustomListBox {
  OBJECT_CLASS(TListBox, TCustomListBox)
public:
  static void Publish(TPublisher& p);
  using TCustomListBox::TCustomListBox;
};
