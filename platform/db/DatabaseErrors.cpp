#include "platform/db/DatabaseErrors.h"

#include "platform/objects/Components.h"

void DatabaseError(std::string_view message, const TComponent* component) {
  if (component && !component->Name().empty())
    throw EDatabaseError(component->Name() + ": " + std::string(message));
  throw EDatabaseError(std::string(message));
}

void DatabaseErrorFmt(std::string_view format, std::initializer_list<TVarRec> args,
                      const TComponent* component) {
  DatabaseError(Format(format, args), component);
}
