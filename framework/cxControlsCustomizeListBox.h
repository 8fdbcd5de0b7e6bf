// A list box whose items a descendant drags: a left press on an item that
// carries an object makes it the pending drag item, and the first mouse move
// that leaves the drag square around the press (or that item) selects it and
// calls BeginDragAndDrop, where the descendant starts its drag.
//
// Classes in this file: TcxCustomizeListBox.
#pragma once

#include "platform/comctrls/ListBoxes.h"

class TcxCustomizeListBox : public TListBox {
  OBJECT_CLASS(TcxCustomizeListBox, TListBox)
public:
  using TListBox::TListBox;

  // The object of the selected item; none without a selected item.
  TObject* GetItemObject() const;
  // Selects the item holding the object and clicks, unless it is selected.
  void SetItemObject(TObject* Value);
  // The object of the pending drag item; none without one.
  TObject* GetDragAndDropItemObject() const;
  int DragAndDropItemIndex() const { return m_dragAndDropItemIndex; }

protected:
  void CreateParams(TCreateParams& Params) override;
  void WndProc(TMessage& Message) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  // In a multi-select list the selected item becomes the only selected one;
  // descendants start their drag here.
  virtual void BeginDragAndDrop();

private:
  TObject* ObjectAt(int AIndex) const;

  int m_dragAndDropItemIndex = -1;
  TPoint m_mouseDownPos{};
};
