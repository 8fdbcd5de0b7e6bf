// Messages of the data layer, as resource strings that an application may
// replace through the library's resource-string repository.
#pragma once

#include <string>

#include "framework/cxClassesResources.h"

extern const TResStringRec cxSDataReadError;
extern const TResStringRec cxSDataWriteError;

// The text of a data-layer message, after the repository's replacement.
std::string cxDataMessage(const TResStringRec& message);
