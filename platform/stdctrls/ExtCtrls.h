// Further standard controls: the bevel (a sunken or raised box or frame the
// library draws) and the edit box with a label of its own above it.
//
// Classes in this file: TBevel, TBoundLabel, TCustomLabeledEdit,
// TLabeledEdit.
#pragma once

#include "platform/stdctrls/StdCtrls.h"

enum class TBevelShape { bsBox, bsFrame };
ENUM_NAMES(TBevelShape, "bsBox", "bsFrame");

enum class TBevelStyle { bsLowered, bsRaised };
ENUM_NAMES(TBevelStyle, "bsLowered", "bsRaised");

// A box (one edge) or a frame (a groove, or a ridge when raised) drawn with
// the platform's edges over whatever its parent shows.
class TBevel : public TGraphicControl {
  OBJECT_CLASS(TBevel, TGraphicControl)
public:
  static void Publish(TPublisher& p);

  explicit TBevel(TComponent* owner);
  ~TBevel() override;

  TBevelShape Shape() const { return m_shape; }
  void SetShape(TBevelShape value);
  TBevelStyle Style() const { return m_style; }
  void SetStyle(TBevelStyle value);

protected:
  void Paint() override;

private:
  TBevelShape m_shape = TBevelShape::bsBox;
  TBevelStyle m_style = TBevelStyle::bsLowered;
};

class TCustomLabeledEdit;

// The label of a labeled edit: owned by the edit, placed by it on the
// edit's parent, and stored in form definitions as the edit's EditLabel.
class TBoundLabel : public TCustomLabel {
  OBJECT_CLASS(TBoundLabel, TCustomLabel)
public:
  static void Publish(TPublisher& p);
  explicit TBoundLabel(TComponent* owner);
  ~TBoundLabel() override;

protected:
  void BoundsChanged(const TRect& oldBounds) override;
};

// An edit box with its label above it, LabelSpacing pixels higher than the
// edit, at the edit's left. The label follows the edit's parent, position,
// visibility and enabling, and Alt with its short-cut letter focuses the
// edit.
class TCustomLabeledEdit : public TCustomEdit {
  OBJECT_CLASS(TCustomLabeledEdit, TCustomEdit)
public:
  explicit TCustomLabeledEdit(TComponent* owner);
  ~TCustomLabeledEdit() override;

  void BeforeDestruction() override;

  TBoundLabel* EditLabel() const { return m_editLabel; }
  int LabelSpacing() const { return m_labelSpacing; }
  void SetLabelSpacing(int value);

  void SetParent(TWinControl* parent) override;
  void Dispatch(TMessage& message) override;

protected:
  // The published properties of labeled edits.
  static void PublishLabeledEditProperties(TPublisher& p);

  void BoundsChanged(const TRect& oldBounds) override;
  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;

private:
  friend class TBoundLabel;

  void PlaceLabel();

  TBoundLabel* m_editLabel = nullptr;
  int m_labelSpacing = 3;
};

class TLabeledEdit : public TCustomLabeledEdit {
  OBJECT_CLASS(TLabeledEdit, TCustomLabeledEdit)
public:
  static void Publish(TPublisher& p);
  using TCustomLabeledEdit::TCustomLabeledEdit;
};
