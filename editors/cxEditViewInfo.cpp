#include "editors/cxEditViewInfo.h"

void TcxEditButtonViewInfo::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TcxEditButtonViewInfo*>(Source);
  if (!source) {
    TPersistent::Assign(Source);
    return;
  }
  NativeState = source->NativeState;
  BackgroundColor = source->BackgroundColor;
  Bounds = source->Bounds;
  Style = source->Style;
  State = source->State;
}

bool TcxEditButtonViewInfo::IsPaintChanged(const TcxEditButtonViewInfo& Other) const {
  return Style != Other.Style || State != Other.State || BackgroundColor != Other.BackgroundColor ||
         NativeState != Other.NativeState;
}

TOwned<TcxRegion> TcxEditButtonViewInfo::GetUpdateRegion(TcxEditButtonViewInfo* Other) {
  if (Other && !IsPaintChanged(*Other))
    return TOwned<TcxRegion>(Create<TcxRegion>());
  return TOwned<TcxRegion>(Create<TcxRegion>(Bounds));
}
