#include "platform/controls/SizeConstraints.h"

#include <string>

#include "platform/controls/Controls.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/WinApi.h"

void TSizeConstraints::Publish(TPublisher& p) {
  using C = TSizeConstraints;
  p.Property("MaxHeight", &C::MaxHeight, &C::SetMaxHeight).Default(0);
  p.Property("MaxWidth", &C::MaxWidth, &C::SetMaxWidth).Default(0);
  p.Property("MinHeight", &C::MinHeight, &C::SetMinHeight).Default(0);
  p.Property("MinWidth", &C::MinWidth, &C::SetMinWidth).Default(0);
}

TSizeConstraints::TSizeConstraints(TControl* control) : m_control(control) {}

void TSizeConstraints::SetMaxHeight(TConstraintSize value) {
  SetLimit(m_maxHeight, m_minHeight, false, value);
}

void TSizeConstraints::SetMaxWidth(TConstraintSize value) {
  SetLimit(m_maxWidth, m_minWidth, false, value);
}

void TSizeConstraints::SetMinHeight(TConstraintSize value) {
  SetLimit(m_minHeight, m_maxHeight, true, value);
}

void TSizeConstraints::SetMinWidth(TConstraintSize value) {
  SetLimit(m_minWidth, m_maxWidth, true, value);
}

void TSizeConstraints::SetLimit(TConstraintSize& changed, TConstraintSize& other, bool otherIsMax,
                                TConstraintSize value) {
  if (value < 0)
    throw ERangeError("A size limit cannot be negative (" + std::to_string(value) + ")");
  if (changed == value)
    return;
  changed = value;
  if (otherIsMax ? (other > 0 && value > other) : (value > 0 && value < other))
    other = value;
  Change();
}

void TSizeConstraints::Constrain(int& width, int& height) const {
  if (m_maxWidth > 0 && width > m_maxWidth)
    width = m_maxWidth;
  if (m_minWidth > 0 && width < m_minWidth)
    width = m_minWidth;
  if (m_maxHeight > 0 && height > m_maxHeight)
    height = m_maxHeight;
  if (m_minHeight > 0 && height < m_minHeight)
    height = m_minHeight;
}

void TSizeConstraints::Scale(int m, int d, bool widths, bool heights) {
  const auto scaled = [m, d](TConstraintSize value, bool scale) {
    return scale ? ::MulDiv(value, m, d) : value;
  };
  SetAll(scaled(m_maxHeight, heights), scaled(m_maxWidth, widths), scaled(m_minHeight, heights),
         scaled(m_minWidth, widths));
}

void TSizeConstraints::Assign(TPersistent* source) {
  auto* other = dynamic_cast<TSizeConstraints*>(source);
  if (!other) {
    inherited::Assign(source);
    return;
  }
  SetAll(other->m_maxHeight, other->m_maxWidth, other->m_minHeight, other->m_minWidth);
}

void TSizeConstraints::SetAll(TConstraintSize maxHeight, TConstraintSize maxWidth,
                              TConstraintSize minHeight, TConstraintSize minWidth) {
  if (m_maxHeight == maxHeight && m_maxWidth == maxWidth && m_minHeight == minHeight &&
      m_minWidth == minWidth)
    return;
  m_maxHeight = maxHeight;
  m_maxWidth = maxWidth;
  m_minHeight = minHeight;
  m_minWidth = minWidth;
  Change();
}

TPersistent* TSizeConstraints::GetOwner() { return m_control; }

void TSizeConstraints::Change() {
  if (m_onChange)
    m_onChange(this);
}
