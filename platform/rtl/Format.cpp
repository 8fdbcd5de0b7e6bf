#include "platform/rtl/Format.h"

std::string Format(const TFormatSettings&, std::string_view format, std::initializer_list<TVarRec>) { return std::string(format); }
std::string Format(std::string_view format, std::initializer_list<TVarRec> args) { return Format(FormatSettings(), format, args); }
