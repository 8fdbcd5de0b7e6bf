// The filter-edit helper of the text editor: a filter row edits a value with
// a TcxTextEdit that selects its text on entry and hides the selection when
// unfocused. The text editor's unit registers it for TcxTextEditProperties.
//
// Classes in this file: TcxFilterTextEditHelperMeta, TcxFilterTextEditHelper.
#pragma once

#include "editors/cxFilterControlUtils.h"

class TcxFilterTextEditHelperMeta : public TcxCustomFilterEditHelperMeta {
public:
  using TcxCustomFilterEditHelperMeta::TcxCustomFilterEditHelperMeta;

  TClass GetFilterEditClass() const override;
  // The base's, then AutoSelect and HideSelection on, the normal view style.
  void InitializeProperties(TcxCustomEditProperties* target, TcxCustomEditProperties* source,
                            bool hasButtons) const override;
  // The filter value becomes the editor's edit value.
  void SetFilterValue(TcxCustomEdit* edit, TcxCustomEditProperties* properties,
                      const Variant& value) const override;
};

class TcxFilterTextEditHelper : public TcxCustomFilterEditHelper {
  OBJECT_CLASS_META(TcxFilterTextEditHelper, TcxCustomFilterEditHelper, TcxFilterTextEditHelperMeta)
};
