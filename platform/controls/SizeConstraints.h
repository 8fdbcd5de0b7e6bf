// The least and greatest width and height a control may take; 0 means no
// limit. A maximum set below the minimum lowers the minimum with it, and a
// minimum set above a maximum raises the maximum.
//
// Classes in this file: TSizeConstraints.
#pragma once

#include "platform/objects/Events.h"
#include "platform/objects/Persistent.h"
#include "platform/objects/PropertyRegistry.h"

class TControl;

// A size limit: 0 (none) or a positive number of pixels.
using TConstraintSize = int;

class TSizeConstraints : public TPersistent {
  OBJECT_CLASS(TSizeConstraints, TPersistent)
public:
  static void Publish(TPublisher& p);

  explicit TSizeConstraints(TControl* control);

  TConstraintSize MaxHeight() const { return m_maxHeight; }
  void SetMaxHeight(TConstraintSize value);
  TConstraintSize MaxWidth() const { return m_maxWidth; }
  void SetMaxWidth(TConstraintSize value);
  TConstraintSize MinHeight() const { return m_minHeight; }
  void SetMinHeight(TConstraintSize value);
  TConstraintSize MinWidth() const { return m_minWidth; }
  void SetMinWidth(TConstraintSize value);

  // Brings a width and height within the limits.
  void Constrain(int& width, int& height) const;
  // Multiplies the width limits (with 'widths') and the height limits (with
  // 'heights') by m / d.
  void Scale(int m, int d, bool widths, bool heights);
  // Whether any limit is set.
  bool Any() const { return m_maxHeight || m_maxWidth || m_minHeight || m_minWidth; }

  void Assign(TPersistent* source) override;
  TPersistent* GetOwner() override;

  const TNotifyEvent& OnChange() const { return m_onChange; }
  void SetOnChange(const TNotifyEvent& e) { m_onChange = e; }

private:
  // Sets one limit pair: 'changed' to value, 'other' follows when it would
  // cross (with 'otherIsMax' telling which side the other one is).
  void SetLimit(TConstraintSize& changed, TConstraintSize& other, bool otherIsMax,
                TConstraintSize value);
  // Sets every limit at once, announcing one change when any differs.
  void SetAll(TConstraintSize maxHeight, TConstraintSize maxWidth, TConstraintSize minHeight,
              TConstraintSize minWidth);
  void Change();

  TControl* m_control;
  TConstraintSize m_maxHeight = 0;
  TConstraintSize m_maxWidth = 0;
  TConstraintSize m_minHeight = 0;
  TConstraintSize m_minWidth = 0;
  TNotifyEvent m_onChange;
};
