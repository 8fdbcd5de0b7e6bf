#include "platform/stdctrls/ExtCtrls.h"

namespace {

using enum TControlStyleItem;

// The platform edge of each shape and style.
UINT BevelEdge(TBevelShape shape, TBevelStyle style) {
  const bool raised = style == TBevelStyle::bsRaised;
  if (shape == TBevelShape::bsFrame)
    return raised ? EDGE_BUMP : EDGE_ETCHED;
  return raised ? BDR_RAISEDINNER : BDR_SUNKENOUTER;
}

} // namespace

TBevel::TBevel(TComponent* owner) : TGraphicControl(owner) {
  SetControlStyle(ControlStyle() + TControlStyle{csReplicatable});
  SetBounds(Left(), Top(), 50, 50);
}

TBevel::~TBevel() = default;

void TBevel::Publish(TPublisher& p) {
  p.Property("Shape", &TBevel::Shape, &TBevel::SetShape).Default(TBevelShape::bsBox);
  p.Property("Style", &TBevel::Style, &TBevel::SetStyle).Default(TBevelStyle::bsLowered);
}

void TBevel::SetShape(TBevelShape value) {
  if (m_shape == value)
    return;
  m_shape = value;
  Invalidate();
}

void TBevel::SetStyle(TBevelStyle value) {
  if (m_style == value)
    return;
  m_style = value;
  Invalidate();
}

void TBevel::Paint() {
  RECT r = *AsRECT(ClientRect());
  ::DrawEdge(Canvas()->Handle(), &r, BevelEdge(m_shape, m_style), BF_RECT);
}

TBoundLabel::TBoundLabel(TComponent* owner) : TCustomLabel(owner) {
  SetControlStyle(ControlStyle() - TControlStyle{csSetCaption});
}

TBoundLabel::~TBoundLabel() = default;

void TBoundLabel::Publish(TPublisher& p) { PublishLabelProperties(p); }

void TBoundLabel::BoundsChanged(const TRect& oldBounds) {
  inherited::BoundsChanged(oldBounds);
  if (auto* edit = dynamic_cast<TCustomLabeledEdit*>(Owner()))
    edit->PlaceLabel();
}

TCustomLabeledEdit::TCustomLabeledEdit(TComponent* owner)
    : TCustomEdit(owner), m_editLabel(Create<TBoundLabel>(this)) {
  m_editLabel->SetFocusControl(this);
}

TCustomLabeledEdit::~TCustomLabeledEdit() = default;

void TCustomLabeledEdit::BeforeDestruction() {
  FreeAndNil(m_editLabel);
  inherited::BeforeDestruction();
}

void TCustomLabeledEdit::PublishLabeledEditProperties(TPublisher& p) {
  PublishEditProperties(p);
  // Read as a sub-object, so that definitions hold the label's settings
  // with the edit's (EditLabel.Caption = ...) rather than a component
  // reference.
  p.Property<TCustomLabeledEdit>(
      "EditLabel", [](TCustomLabeledEdit* e) -> TPersistent* { return e->EditLabel(); });
  p.Property("LabelSpacing", &TCustomLabeledEdit::LabelSpacing,
             &TCustomLabeledEdit::SetLabelSpacing)
      .Default(3);
}

void TLabeledEdit::Publish(TPublisher& p) {
  PublishLabeledEditProperties(p);
  p.Property<TLabeledEdit>("Text", &TLabeledEdit::Text, &TLabeledEdit::SetText);
  p.Property("OnChange", &TLabeledEdit::OnChange, &TLabeledEdit::SetOnChange);
}

void TCustomLabeledEdit::SetLabelSpacing(int value) {
  if (m_labelSpacing == value)
    return;
  m_labelSpacing = value;
  PlaceLabel();
}

void TCustomLabeledEdit::PlaceLabel() {
  if (!m_editLabel)
    return;
  const int height = m_editLabel->Height();
  m_editLabel->SetBounds(Left(), Top() - height - m_labelSpacing, m_editLabel->Width(), height);
}

void TCustomLabeledEdit::SetParent(TWinControl* parent) {
  inherited::SetParent(parent);
  if (m_editLabel)
    m_editLabel->SetParent(parent);
}

void TCustomLabeledEdit::BoundsChanged(const TRect& oldBounds) {
  inherited::BoundsChanged(oldBounds);
  PlaceLabel();
}

void TCustomLabeledEdit::Loaded() {
  inherited::Loaded();
  PlaceLabel();
}

void TCustomLabeledEdit::Notification(TComponent* component, TOperation operation) {
  inherited::Notification(component, operation);
  if (operation == TOperation::opRemove && component == m_editLabel)
    m_editLabel = nullptr;
}

void TCustomLabeledEdit::Dispatch(TMessage& message) {
  if (message.Msg != CM_VISIBLECHANGED && message.Msg != CM_ENABLEDCHANGED) {
    inherited::Dispatch(message);
    return;
  }
  TControlLife life(this);
  inherited::Dispatch(message);
  if (!life || !m_editLabel)
    return;
  m_editLabel->SetVisible(Visible());
  m_editLabel->SetEnabled(Enabled());
}
