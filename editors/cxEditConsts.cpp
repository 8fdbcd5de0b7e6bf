#include "editors/cxEditConsts.h"

const TResStringRec cxSEditInvalidRepositoryItem{"The repository item is not acceptable"};
const TResStringRec cxSEditValidateErrorText{
    "Invalid input value. Use escape key to abandon changes"};
const TResStringRec cxSEditNumericValueConvertError{"Could not convert to numeric value"};
const TResStringRec cxSEditValueOutOfBounds{"Value out of bounds"};
const TResStringRec scxSEditRepositoryTextItem{"TextEdit|Represents a single line text editor"};

const TResStringRec cxSDateToday{"today"};
const TResStringRec cxSDateYesterday{"yesterday"};
const TResStringRec cxSDateTomorrow{"tomorrow"};
const TResStringRec cxSDateSunday{"Sunday"};
const TResStringRec cxSDateMonday{"Monday"};
const TResStringRec cxSDateTuesday{"Tuesday"};
const TResStringRec cxSDateWednesday{"Wednesday"};
const TResStringRec cxSDateThursday{"Thursday"};
const TResStringRec cxSDateFriday{"Friday"};
const TResStringRec cxSDateSaturday{"Saturday"};
const TResStringRec cxSDateFirst{"first"};
const TResStringRec cxSDateSecond{"second"};
const TResStringRec cxSDateThird{"third"};
const TResStringRec cxSDateFourth{"fourth"};
const TResStringRec cxSDateFifth{"fifth"};
const TResStringRec cxSDateSixth{"sixth"};
const TResStringRec cxSDateSeventh{"seventh"};
const TResStringRec cxSDateBOM{"bom"};
const TResStringRec cxSDateEOM{"eom"};
const TResStringRec cxSDateNow{"now"};

std::string cxEditMessage(const TResStringRec& message) {
  return cxGetResourceStringNet(cxLoadResString(message));
}
