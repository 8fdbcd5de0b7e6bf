// Alignment settings of the library: a horizontal and a vertical alignment
// with defaults, which either remember whether they were set explicitly
// (use-assigned-values) or are stored when they differ from their defaults.
#pragma once

#include "platform/objects/Alignment.h"
#include "platform/objects/Events.h"
#include "platform/objects/Persistent.h"
#include "platform/objects/PropertyRegistry.h"

// Vertical alignment of content within its bounds.
enum class TcxAlignmentVert { vaTop, vaBottom, vaCenter };
ENUM_NAMES(TcxAlignmentVert, "vaTop", "vaBottom", "vaCenter");

class TcxAlignment;
using TcxAlignmentMeta =
    TClassOf<TcxAlignment, TPersistent::TMeta, TPersistent*, bool, TAlignment, TcxAlignmentVert>;

class TcxAlignment : public TPersistent {
  OBJECT_CLASS_META(TcxAlignment, TPersistent, TcxAlignmentMeta)
public:
  static void Publish(TPublisher& publisher);

  TcxAlignment(TPersistent* owner, bool useAssignedValues = false,
               TAlignment defaultHorz = TAlignment::taLeftJustify,
               TcxAlignmentVert defaultVert = TcxAlignmentVert::vaTop);

  // From another TcxAlignment: both values and both assigned flags.
  void Assign(TPersistent* source) override;
  TPersistent* GetOwner() override { return m_owner; }

  // Clears both assigned flags and restores both defaults.
  void Reset();

  TAlignment Horz() const { return m_horz; }
  // Marks the value assigned even when it does not change.
  void SetHorz(TAlignment value);
  TcxAlignmentVert Vert() const { return m_vert; }
  void SetVert(TcxAlignmentVert value);

  bool IsHorzStored() const;
  bool IsVertStored() const;

  const TNotifyEvent& OnChanged() const { return m_onChanged; }
  void SetOnChanged(TNotifyEvent handler) { m_onChanged = std::move(handler); }

protected:
  virtual void DoChanged();

private:
  // Stores both values and flags, then announces a change of either value.
  void Update(TAlignment horz, TcxAlignmentVert vert, bool isHorzAssigned, bool isVertAssigned);

  TAlignment m_defaultHorz;
  TcxAlignmentVert m_defaultVert;
  TAlignment m_horz;
  bool m_isHorzAssigned = false;
  bool m_isVertAssigned = false;
  TPersistent* m_owner = nullptr;
  bool m_useAssignedValues = false;
  TcxAlignmentVert m_vert;
  TNotifyEvent m_onChanged;
};
