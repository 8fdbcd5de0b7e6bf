// The object model's common event: a delegate told which object sent it.
// Delegates themselves are in the run-time (rtl/Delegates.h).
#pragma once

#include "platform/rtl/Delegates.h"

class TObject;

using TNotifyEvent = TDelegate<void(TObject* Sender)>;
