// Push buttons: TButton.
#include "platform/stdctrls/StdCtrls.h"

namespace {

using enum TControlStyleItem;

} // namespace

TButton::TButton(TComponent* owner) : TWinControl(owner) {
  // The platform's button captures the mouse and reports clicks itself;
  // a double click counts as a second press.
  SetControlStyle(TControlStyle{csSetCaption});
  SetBounds(Left(), Top(), 75, 25);
  SetTabStop(true);
}

TButton::~TButton() = default;

void TButton::PublishButtonProperties(TPublisher& p) {
  p.Property<TButton>("Caption", &TButton::Caption, &TButton::SetCaption);
  p.Property("ModalResult", &TButton::ModalResult, &TButton::SetModalResult).Default(mrNone);
  p.Property("TabStop", &TButton::TabStop, &TButton::SetTabStop).Default(true);
}

void TButton::Publish(TPublisher& p) { PublishButtonProperties(p); }

void TButton::Click() {
  if (m_modalResult != mrNone)
    if (TCustomForm* form = GetParentForm(this))
      form->SetModalResult(m_modalResult);
  inherited::Click();
}

void TButton::CreateParams(TCreateParams& params) {
  inherited::CreateParams(params);
  CreateSubClass(params, "BUTTON");
  params.Style |= BS_PUSHBUTTON;
}

void TButton::Dispatch(TMessage& message) {
  if (message.Msg == CN_COMMAND && TWMCommand(message).NotifyCode() == BN_CLICKED)
    Click();
  else
    inherited::Dispatch(message);
}
