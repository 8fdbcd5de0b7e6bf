#include "editors/cxTextEditFilterHelper.h"

#include "editors/cxTextEdit.h"

TClass TcxFilterTextEditHelperMeta::GetFilterEditClass() const {
  return TcxTextEdit::StaticClass();
}

void TcxFilterTextEditHelperMeta::InitializeProperties(TcxCustomEditProperties* target,
                                                       TcxCustomEditProperties* source,
                                                       bool hasButtons) const {
  TcxCustomFilterEditHelperMeta::InitializeProperties(target, source, hasButtons);
  auto* properties = As<TcxCustomTextEditProperties>(target);
  properties->SetAutoSelect(true);
  properties->SetHideSelection(true);
  properties->SetViewStyle(TcxTextEditViewStyle::vsNormal);
}

void TcxFilterTextEditHelperMeta::SetFilterValue(TcxCustomEdit* edit, TcxCustomEditProperties*,
                                                 const Variant& value) const {
  edit->SetEditValue(value);
}
