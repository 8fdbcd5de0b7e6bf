// The library controls' dragging: the object that carries an internal drag
// (something moved inside one control under its own mouse capture), the
// drag object of a drag between controls, which offers a copy cursor while
// Ctrl is held and frees itself at the end, the drag images' list class,
// and the direction, speed and cursor of the middle-button auto-scroll.
//
// Classes in this file: TcxDragAndDropObject, TcxDragControlObject,
// TcxDragImageList.
#pragma once

#include "framework/cxClassesUtils.h"
#include "platform/controls/DragDrop.h"

class TcxCanvas;
class TcxControl;

// Carries one internal drag of a control; a control makes its own kind
// through GetDragAndDropObjectClass. The dirty flag tells that the drag's
// drawing needs an update.
class TcxDragAndDropObject;
using TcxDragAndDropObjectMeta = TClassOf<TcxDragAndDropObject, TObject::TMeta, TcxControl*>;
class TcxDragAndDropObject : public TObject {
  OBJECT_CLASS_META(TcxDragAndDropObject, TObject, TcxDragAndDropObjectMeta)
public:
  explicit TcxDragAndDropObject(TcxControl* control);

  TcxControl* Control() const { return m_control; }
  TcxCanvas* Canvas() const;
  bool Dirty() const { return m_dirty; }
  void SetDirty(bool value);
  // The mouse in the control's client coordinates, now and at the move
  // before; (-1, -1) until the drag begins.
  TPoint CurMousePos() const { return m_curMousePos; }
  TPoint PrevMousePos() const { return m_prevMousePos; }

  // Whether a press that may drag begins the drag at once, without waiting
  // for the mouse to leave the drag square.
  virtual bool GetImmediateStart() { return false; }

  void DoBeginDragAndDrop();
  void DoDragAndDrop(const TPoint& p, bool& accepted);
  void DoEndDragAndDrop(bool accepted);

protected:
  virtual void DirtyChanged() {}
  virtual TCursor GetDragAndDropCursor(bool accepted);
  virtual void AfterDragAndDrop(bool) {}
  virtual void BeginDragAndDrop() { DirtyChanged(); }
  // Clears the dirty flag and shows the cursor for 'accepted'.
  virtual void DragAndDrop(const TPoint& p, bool& accepted);
  virtual void EndDragAndDrop(bool) { SetDirty(true); }
  void ChangeMousePos(const TPoint& p);

private:
  TcxControl* m_control;
  bool m_dirty = false;
  TPoint m_curMousePos{-1, -1};
  TPoint m_prevMousePos{-1, -1};
};
using TcxDragAndDropObjectClass = TClassRef<TcxDragAndDropObject>;

// The drag object of a library control's drag between controls.
class TcxDragControlObject : public TDragControlObject {
  OBJECT_CLASS(TcxDragControlObject, TDragControlObject)
public:
  using TDragControlObject::TDragControlObject;

  // Frees the object once the control heard of the end.
  void Finished(TObject* target, int x, int y, bool accepted) override;
  // The copy cursor over a target that takes the drop while the control
  // copies (Ctrl held).
  TCursor GetDragCursor(bool accepted, int x, int y) override;
};

// The images a library control drags.
class TcxDragImageList : public TDragImageList {
  OBJECT_CLASS(TcxDragImageList, TDragImageList)
public:
  using TDragImageList::TDragImageList;
};
using TcxDragImageListClass = TClassRef<TDragImageList>;

// Where the middle-button auto-scroll goes for the mouse at 'pos', the mode
// started at 'anchor' with an anchor picture 'anchorWidth' wide, given
// which bars are visible and the screen's size. Inside the neutral zone
// there is no direction and the speed is 0; outside, the speed runs from 1
// to 12 with the distance.
struct TcxAutoScrollStep {
  TcxDirection Direction = TcxDirection::dirNone;
  int Speed = 0;
  bool Outside = false;
};
TcxAutoScrollStep cxAutoScrollStep(TPoint anchor, TPoint pos, int anchorWidth, bool hBarVisible,
                                   bool vBarVisible, TSize screen);
// The cursor of the auto-scroll going toward 'direction'.
TCursor cxAutoScrollCursor(TcxDirection direction, bool hBarVisible, bool vBarVisible);
// Whether the auto-scroll's tick number 'tick' scrolls at 'speed'.
bool cxAutoScrollTickScrolls(int tick, int speed);
