// Shared by the container tests: a windowed control that owns four
// container styles and answers them as a container does.
#pragma once

#include <string>
#include <vector>

#include "framework/cxContainerStyles.h"
#include "framework/cxContainerViewInfo.h"
#include "platform/controls/WinControls.h"

namespace container_test {

// A windowed control with four styles that answers its styles as a
// container does.
class TStyleHost : public TWinControl, public IcxContainerStyleHost {
  OBJECT_CLASS(TStyleHost, TWinControl)
public:
  static void Publish(TPublisher& p) {
    p.Property("Style", &TStyleHost::Style);
    p.Property("StyleFocused", &TStyleHost::StyleFocused);
  }

  explicit TStyleHost(TComponent* owner) : TWinControl(owner) {}
  void AfterConstruction() override {
    inherited::AfterConstruction();
    m_styles.reset(Create<TcxContainerStyles>(this, TcxContainerStyle::StaticClass()));
    m_styles->SetOnChanged(TNotifyEvent([this](TObject* sender) { changes.push_back(sender); }));
  }
  ~TStyleHost() override { m_styles.reset(); }

  TcxContainerStyles* Styles() const { return m_styles.get(); }
  TcxContainerStyle* Style() const { return m_styles->GetStyleNormal(); }
  TcxContainerStyle* StyleFocused() const { return m_styles->GetStyleFocused(); }
  TcxContainerStyle* StyleOf(TcxContainerStateItem state) const {
    return m_styles->GetStyle(state);
  }

  TControl* GetHostControl() override { return this; }
  bool DefaultParentColor() override { return defaultParentColor; }
  bool IsInplace() override { return false; }
  bool IsStylePropertyPublished(const std::string& name, bool extended) override {
    return !extended || Style()->IsExtendedStylePropertyPublished(name);
  }

  bool defaultParentColor = false;
  std::vector<TObject*> changes;

private:
  TOwned<TcxContainerStyles> m_styles;
};

constexpr int kDefaultWidth = 60;
constexpr int kDefaultHeight = 20;

// What a container computes for its view info in 'state', step by step.
inline void Calculate(TcxContainerViewInfo& viewInfo, TStyleHost* host, TcxContainerState state,
                      int width = kDefaultWidth, int height = kDefaultHeight) {
  TcxContainerStyle* normal = host->Style();
  viewInfo.NativeStyle = AreVisualStylesMustBeUsed(normal->GetLookAndFeel()->NativeStyle(),
                                                   TdxThemedObjectType::totEdit);
  viewInfo.Painter = normal->GetLookAndFeel()->SkinPainter();
  viewInfo.ContainerState = state;
  TcxContainerStyle* active = cxContainerActiveStyle(host->Styles(), state);
  viewInfo.HotState = cxContainerHotStateOf(state, active);
  viewInfo.BorderStyle = cxContainerDrawnBorderStyle(viewInfo.NativeStyle, normal, active);
  const bool enabled = !state.Contains(TcxContainerStateItem::csDisabled);
  if (viewInfo.NativeStyle) {
    viewInfo.ThemedObjectType = TdxThemedObjectType::totEdit;
    viewInfo.NativePart = 1;
    viewInfo.NativeState = cxContainerBackgroundNativeState(
        enabled, state.Contains(TcxContainerStateItem::csActive), state);
  }
  const bool shadow = active->GetShadow() && !viewInfo.NativeStyle;
  viewInfo.Bounds = Rect(0, 0, width, height);
  const TRect extent = cxContainerBorderExtent(viewInfo, normal, active, shadow);
  viewInfo.BorderRect = Rect(extent.Left, extent.Top, width - extent.Right, height - extent.Bottom);
  viewInfo.ClientRect = viewInfo.BorderRect;
  viewInfo.BorderWidth = viewInfo.Painter ? 1 : GetContainerBorderWidth(viewInfo.BorderStyle);
  viewInfo.Edges = active->GetEdges();
  viewInfo.Shadow = shadow;
  viewInfo.BorderColor = cxContainerBorderColor(state, active, viewInfo.Painter, false);
  viewInfo.SetBackgroundColor(cxContainerBackgroundColor(viewInfo, enabled, active));
}

} // namespace container_test
