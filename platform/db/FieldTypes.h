// The data types of dataset fields, shared by the fields and the client
// library that reports the types of result columns.
#pragma once

#include <string_view>

enum class TFieldType {
  ftUnknown,
  ftString,
  ftInteger,
  ftLargeint,
  ftFloat,
  ftDate,
  ftTime,
  ftDateTime,
  ftBytes,
  ftVarBytes,
  ftBlob,
  ftMemo,
};

// The name that messages give a type: "String", "Integer", "Largeint", ...
std::string_view FieldTypeName(TFieldType type);
