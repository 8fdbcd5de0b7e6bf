#include "platform/db/FieldTypes.h"

std::string_view FieldTypeName(TFieldType type) {
  switch (type) {
  case TFieldType::ftString:
    return "String";
  case TFieldType::ftInteger:
    return "Integer";
  case TFieldType::ftLargeint:
    return "Largeint";
  case TFieldType::ftFloat:
    return "Float";
  case TFieldType::ftDate:
    return "Date";
  case TFieldType::ftTime:
    return "Time";
  case TFieldType::ftDateTime:
    return "DateTime";
  case TFieldType::ftBytes:
    return "Bytes";
  case TFieldType::ftVarBytes:
    return "VarBytes";
  case TFieldType::ftBlob:
    return "Blob";
  case TFieldType::ftMemo:
    return "Memo";
  case TFieldType::ftUnknown:
    break;
  }
  return "Unknown";
}
