// The parsed form of a form definition as text, in the layout the parser
// reads: two spaces of indent per level, strings as quoted runs of printable
// ASCII with #nnn codes for every other byte, binary data as 32 bytes of hex
// per line.
#pragma once

#include <string>

#include "platform/objects/FormTree.h"

std::string PrintFormDefinition(const TFormObject& object);
