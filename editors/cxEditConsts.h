// Messages and words of the editors, as resource strings that an application
// may replace through the library's resource-string repository.
#pragma once

#include <string>

#include "framework/cxClassesResources.h"

extern const TResStringRec cxSEditInvalidRepositoryItem;
extern const TResStringRec cxSEditValidateErrorText;
extern const TResStringRec cxSEditNumericValueConvertError;
extern const TResStringRec cxSEditValueOutOfBounds;
extern const TResStringRec scxSEditRepositoryTextItem;

// The smart date input words, in the order of their indexes.
extern const TResStringRec cxSDateToday;
extern const TResStringRec cxSDateYesterday;
extern const TResStringRec cxSDateTomorrow;
extern const TResStringRec cxSDateSunday;
extern const TResStringRec cxSDateMonday;
extern const TResStringRec cxSDateTuesday;
extern const TResStringRec cxSDateWednesday;
extern const TResStringRec cxSDateThursday;
extern const TResStringRec cxSDateFriday;
extern const TResStringRec cxSDateSaturday;
extern const TResStringRec cxSDateFirst;
extern const TResStringRec cxSDateSecond;
extern const TResStringRec cxSDateThird;
extern const TResStringRec cxSDateFourth;
extern const TResStringRec cxSDateFifth;
extern const TResStringRec cxSDateSixth;
extern const TResStringRec cxSDateSeventh;
extern const TResStringRec cxSDateBOM;
extern const TResStringRec cxSDateEOM;
extern const TResStringRec cxSDateNow;

// The text of an editor resource string, after the repository's replacement.
std::string cxEditMessage(const TResStringRec& message);
