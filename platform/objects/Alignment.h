// Horizontal alignment of text or content within its bounds.
#pragma once

#include "platform/objects/PropertyRegistry.h"

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
ENUM_NAMES(TAlignment, "taLeftJustify", "taRightJustify", "taCenter");
