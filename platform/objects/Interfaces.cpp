#include "platform/objects/Interfaces.h"

#include <cstdio>

namespace objects_detail {

void RaiseInvalidGUID(std::string_view text) {
  throw EConvertError("'" + std::string(text) + "' is not a valid GUID value");
}

bool QueryObject(TObject* object, const TInterfaceQuery& query, void*& intf) {
  if (auto* unknown = dynamic_cast<IInterface*>(object))
    return unknown->QueryInterface(query, intf);
  return object->GetInterface(query, intf);
}

} // namespace objects_detail

std::string GUIDToString(const TGUID& guid) {
  char text[39];
  std::snprintf(text, sizeof text, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
                static_cast<unsigned>(guid.D1), guid.D2, guid.D3, guid.D4[0], guid.D4[1],
                guid.D4[2], guid.D4[3], guid.D4[4], guid.D4[5], guid.D4[6], guid.D4[7]);
  return text;
}
