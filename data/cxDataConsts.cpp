#include "data/cxDataConsts.h"

const TResStringRec cxSDataReadError{"Stream read error"};
const TResStringRec cxSDataWriteError{"Stream write error"};

std::string cxDataMessage(const TResStringRec& message) {
  return cxGetResourceStringNet(cxLoadResString(message));
}
