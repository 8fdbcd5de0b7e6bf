// The list box that lives inside a container: it passes its keys and mouse
// input to the container in the container's coordinates, lays two
// look-and-feel scroll bars exactly over its own system scroll bars, and
// selects the first item that starts with the text typed (keys within
// AutoCompleteDelay of each other add to the text; letters compare without
// regard to case as the user's locale compares them). In the automatic drag
// mode a press on the list drags the container, not the list.
//
// Classes in this file: TcxCustomInnerListBox.
#pragma once

#include <functional>
#include <string>

#include "framework/cxContainerInner.h"
#include "framework/cxGraphicsCanvas.h"
#include "framework/cxLookAndFeels.h"
#include "framework/cxScrollBar.h"
#include "platform/comctrls/ListBoxes.h"

class TcxContainer;

class TcxCustomInnerListBox : public TListBox, public IcxContainerInnerControl {
  OBJECT_CLASS(TcxCustomInnerListBox, TListBox)
public:
  explicit TcxCustomInnerListBox(TComponent* AOwner);
  ~TcxCustomInnerListBox() override;

  unsigned AutoCompleteDelay() const { return m_autoCompleteDelay; }
  void SetAutoCompleteDelay(unsigned AValue) { m_autoCompleteDelay = AValue; }
  TcxContainer* Container() const { return m_container; }
  TcxScrollBar* HScrollBar() const { return m_hScrollBar; }
  TcxScrollBar* VScrollBar() const { return m_vScrollBar; }
  TcxLookAndFeel* LookAndFeel() const { return m_lookAndFeel.get(); }
  void SetLookAndFeel(TcxLookAndFeel* AValue) { m_lookAndFeel->Assign(AValue); }
  TcxCanvas* cxCanvas() const { return m_cxCanvas.get(); }

  // IcxContainerInnerControl
  TWinControl* GetControl() override { return this; }
  TWinControl* GetControlContainer() override;

  // Whether any corner of the item lies inside the list box.
  bool ItemVisible(int AIndex);
  // The first item that starts with the text, -1 for none.
  int FindAutoCompleteString(const std::string& AText);
  // The square between the two bars, in window coordinates; empty unless
  // both bars show.
  TRect GetSizeGripRect();
  void DrawSizeGrip(HDC ADC);
  void SaveCanvasParametersForFocusRect();
  void RestoreCanvasParametersForFocusRect();
  void HScrollHandler(TObject* Sender, TScrollCode AScrollCode, int& AScrollPos);
  void VScrollHandler(TObject* Sender, TScrollCode AScrollCode, int& AScrollPos);
  // Lays the look-and-feel bars over the system bars and copies their
  // ranges and positions.
  virtual void SetExternalScrollBarsParameters();

  void DragDrop(TObject* Source, int X, int Y) override;
  // The container's menu short-cuts come first: a key the container's menu
  // handler takes goes no further.
  void WndProc(TMessage& message) override;
  void Dispatch(TMessage& message) override;
  // The container may take a message before the list box's own window does.
  void DefaultHandler(TMessage& message) override;

  // The clock of the incremental search, in milliseconds.
  using TTickCountFunc = std::function<DWORD()>;
  static void SetTickCountFunc(TTickCountFunc AFunc);

protected:
  void SetContainer(TcxContainer* AValue) { m_container = AValue; }
  void CreateScrollBars();
  virtual void DoAutoComplete(char& Key);
  virtual void LookAndFeelChanged(TcxLookAndFeel* Sender, TcxLookAndFeelValues AChangedValues);
  virtual bool NeedDrawFocusRect() { return !OnDrawItem(); }
  virtual void MouseEnter(TControl* AControl) {}
  virtual void MouseLeave(TControl* AControl);

  void Notification(TComponent* AComponent, TOperation Operation) override;
  void DestroyWindowHandle() override;
  void Click() override;
  void DblClick() override;
  void DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept) override;
  bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) override;
  TPopupMenu* GetPopupMenu() override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyPress(char& Key) override;
  void KeyUp(WORD& Key, TShiftState Shift) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
  bool IsDestroying() const;
  // The container, unless there is none or it is going away.
  TcxContainer* LiveContainer() const;
  bool BothBarsVisible() const;
  void PlaceScrollBar(TcxScrollBar* ABar, LONG AObjectId, int ABar32);
  bool IsContainerDragPress(const TMessage& message);
  void WMLButtonDown(TMessage& message);
  void WMGetDlgCode(TMessage& message);
  void WMSetFocus(TMessage& message);
  void WMKillFocus(TMessage& message);
  void WMNCCalcSize(TMessage& message);
  void WMNCPaint(TMessage& message);
  void WMPrint(TMessage& message);
  void WMSetRedraw(TMessage& message);
  void WMWindowPosChanged(TMessage& message);
  void CNDrawItem(TMessage& message);
  void ContainerFocusChanged();

  unsigned m_autoCompleteDelay = 500;
  std::string m_searchText;
  TOwned<TcxCanvas> m_cxCanvas;
  TcxScrollBar* m_hScrollBar = nullptr;
  bool m_redrawLocked = false;
  TOwned<TcxLookAndFeel> m_lookAndFeel;
  TColor m_savedBrushColor = clNone;
  TColor m_savedFontColor = clNone;
  DWORD m_lastKeyTime = 0;
  bool m_scrollBarsCalculating = false;
  int m_scrollBarsLockCount = 0;
  TcxScrollBar* m_vScrollBar = nullptr;
  TcxContainer* m_container = nullptr;
};
