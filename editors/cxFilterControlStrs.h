// Captions and messages of the filter builder and custom filter dialogs, as
// resource strings an application may replace through the library's
// resource-string repository.
#pragma once

#include "framework/cxClassesResources.h"

extern const TResStringRec cxSFilterBoolOperatorAnd;
extern const TResStringRec cxSFilterBoolOperatorOr;
extern const TResStringRec cxSFilterBoolOperatorNotAnd;
extern const TResStringRec cxSFilterBoolOperatorNotOr;
extern const TResStringRec cxSFilterRootButtonCaption;
extern const TResStringRec cxSFilterAddCondition;
extern const TResStringRec cxSFilterAddGroup;
extern const TResStringRec cxSFilterRemoveRow;
extern const TResStringRec cxSFilterClearAll;
extern const TResStringRec cxSFilterFooterAddCondition;
extern const TResStringRec cxSFilterGroupCaption;
extern const TResStringRec cxSFilterRootGroupCaption;
extern const TResStringRec cxSFilterControlNullString;
extern const TResStringRec cxSFilterErrorBuilding;
extern const TResStringRec cxSFilterDialogCaption;
extern const TResStringRec cxSFilterDialogInvalidValue;
extern const TResStringRec cxSFilterDialogUse;
extern const TResStringRec cxSFilterDialogSingleCharacter;
extern const TResStringRec cxSFilterDialogCharactersSeries;
extern const TResStringRec cxSFilterDialogOperationAnd;
extern const TResStringRec cxSFilterDialogOperationOr;
extern const TResStringRec cxSFilterDialogRows;
extern const TResStringRec cxSFilterControlDialogCaption;
extern const TResStringRec cxSFilterControlDialogNewFile;
extern const TResStringRec cxSFilterControlDialogOpenDialogCaption;
extern const TResStringRec cxSFilterControlDialogSaveDialogCaption;
extern const TResStringRec cxSFilterControlDialogActionSaveCaption;
extern const TResStringRec cxSFilterControlDialogActionOpenCaption;
extern const TResStringRec cxSFilterControlDialogActionApplyCaption;
extern const TResStringRec cxSFilterControlDialogActionOkCaption;
extern const TResStringRec cxSFilterControlDialogActionCancelCaption;
extern const TResStringRec cxSFilterControlDialogFileExt;
extern const TResStringRec cxSFilterControlDialogFileFilter;
