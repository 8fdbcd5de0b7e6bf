// Drag and drop between controls. One drag runs at a time: BeginDrag makes
// a drag object for the control (its own, or one OnStartDrag supplies), a
// hidden window takes the mouse capture, and the program's message loop
// drives the drag: each mouse move finds the control under the mouse,
// asks it through CM_DRAG whether it takes the drop and shows the answer
// as the cursor (and moves the drag image); releasing a button drops,
// Esc, losing the capture or CancelDrag cancel. Ctrl pressed or released
// asks again, so that a copy cursor can follow the key.
//
// Classes in this file: TDragObject, TBaseDragControlObject,
// TDragControlObject.
#pragma once

#include "platform/controls/Controls.h"
#include "platform/graphics/ImageLists.h"
#include "platform/objects/Objects.h"

// What is being dragged: it follows the mouse, chooses the cursor and is
// told when the drag ended.
class TDragObject : public TObject {
  OBJECT_CLASS(TDragObject, TObject)
public:
  // The control under the mouse (nil over none) and its window, the mouse
  // in that control's client coordinates and on the screen.
  TControl* DragTarget() const { return m_dragTarget; }
  HWND DragHandle() const { return m_dragHandle; }
  TPoint DragTargetPos() const { return m_dragTargetPos; }
  TPoint DragPos() const { return m_dragPos; }
  // True while the drag is ending; Dropped tells whether it ended by a drop.
  bool Cancelling() const { return m_cancelling; }
  bool Dropped() const { return m_dropped; }

  // The cursor the drag shows, given whether the target takes the drop.
  virtual TCursor GetDragCursor(bool accepted, int x, int y);
  virtual TDragImageList* GetDragImages() { return nullptr; }
  void HideDragImage();
  void ShowDragImage();
  // The drag ended; 'target' is where it was dropped, (x, y) the point in
  // its client coordinates, 'accepted' whether the target took it.
  virtual void Finished(TObject* target, int x, int y, bool accepted);

private:
  friend struct controls_detail::TDragAccess;

  TControl* m_dragTarget = nullptr;
  HWND m_dragHandle = nullptr;
  TPoint m_dragTargetPos{};
  TPoint m_dragPos{};
  bool m_cancelling = false;
  bool m_dropped = false;
};

// A drag object that stands for a control: the control hears of the end
// (DoEndDrag, with no target unless the drop was taken), and first of the
// cancel when the drop was not taken (DragCanceled).
class TBaseDragControlObject : public TDragObject {
  OBJECT_CLASS(TBaseDragControlObject, TDragObject)
public:
  explicit TBaseDragControlObject(TControl* control) : m_control(control) {}

  TControl* Control() const { return m_control; }
  // The control went away during the drag: nothing is told of the end.
  void ForgetControl() { m_control = nullptr; }

  void Finished(TObject* target, int x, int y, bool accepted) override;

protected:
  virtual void EndDrag(TObject* target, int x, int y);

private:
  TControl* m_control;
};

// The drag object of an ordinary drag of a control: the control's drag
// cursor over a target that takes the drop, its drag images. Its class
// references make drag objects for a control.
class TDragControlObject;
using TDragControlObjectMeta =
    TClassOf<TDragControlObject, TBaseDragControlObject::TMeta, TControl*>;
class TDragControlObject : public TBaseDragControlObject {
  OBJECT_CLASS_META(TDragControlObject, TBaseDragControlObject, TDragControlObjectMeta)
public:
  using TBaseDragControlObject::TBaseDragControlObject;

  TCursor GetDragCursor(bool accepted, int x, int y) override;
  TDragImageList* GetDragImages() override;
};
using TDragControlObjectClass = TClassRef<TDragControlObject>;

// The drag going on, or nil.
TDragObject* CurrentDragObject();
// The control being dragged, or nil.
TControl* DragControl();
// Ends the drag going on without a drop.
void CancelDrag();
// A control is going away: a drag of it is cancelled, a drag over it
// forgets it as its target.
void DragControlDestroying(TControl* control);
