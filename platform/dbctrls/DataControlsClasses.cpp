#include "platform/dbctrls/DataControlsClasses.h"

#include "platform/dbctrls/DBGrids.h"

void RegisterDataControlsClasses() {
  RegisterClasses({
      TDBGrid::StaticClass(),
  });
}
