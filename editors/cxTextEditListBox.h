// The list box that shows an editor's lookup items in a popup window: it
// holds one empty placeholder row per item and asks GetItem for a row's text
// when it draws or measures the row, follows the mouse with its selected
// row, and reports every change of that row (OnSelectItem).
//
// Classes in this file: TcxCustomEditListBox.
#pragma once

#include <string>

#include "framework/cxContainerListBox.h"

class TcxCustomEditListBox : public TcxCustomInnerListBox {
  OBJECT_CLASS(TcxCustomEditListBox, TcxCustomInnerListBox)
public:
  explicit TcxCustomEditListBox(TComponent* AOwner);

  bool TrackMouse() const { return m_trackMouse; }
  void SetTrackMouse(bool AValue) { m_trackMouse = AValue; }
  const TNotifyEvent& OnSelectItem() const { return m_onSelectItem; }
  void SetOnSelectItem(const TNotifyEvent& e) { m_onSelectItem = e; }

  void SetItemIndex(int AIndex) override;
  // The row count becomes AValue: empty rows are added or removed at the end.
  void SetItemCount(int AValue);
  // The editor: the owner control of the popup window that owns the list.
  TWinControl* GetEdit();
  bool IsVisible();
  int GetDefaultItemHeight();
  void InternalRecreateWindow() { RecreateWnd(); }

  virtual std::string GetItem(int AIndex);
  virtual void RecreateWindow() {}
  virtual int GetHeight(int ARowCount);
  virtual int GetItemHeight(int AIndex);
  virtual int GetItemWidth(int AIndex);

  void Dispatch(TMessage& message) override;

protected:
  virtual bool DoDrawItem(int AIndex, const TRect& ARect, TOwnerDrawState AState) { return false; }
  void DoSelectItem();
  void DrawItem(int AIndex, const TRect& ARect, TOwnerDrawState AState) override;
  void MeasureItem(int AIndex, int& AHeight) override;
  bool NeedDrawFocusRect() override;
  void Click() override;
  bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  LRESULT GetItemData(int) const override { return 0; }
  void SetItemData(int, LRESULT) override {}

private:
  int RowAt(const TPoint& P);

  bool m_trackMouse = true;
  TNotifyEvent m_onSelectItem;
};
