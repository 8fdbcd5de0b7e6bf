#include "editors/cxEditDataBinding.h"

#include <vector>

TcxCustomEditDefaultValuesProvider::~TcxCustomEditDefaultValuesProvider() { ClearUsers(); }

void TcxCustomEditDefaultValuesProvider::ClearUsers() {
  // A copy: a properties object told of the loss must not disturb the walk.
  const std::vector<TcxCustomEditProperties*> users = GetEditPropertiesList();
  for (TcxCustomEditProperties* properties : users) {
    IcxEditDefaultValuesProvider* provider = properties->IDefaultValuesProvider();
    if (provider && provider->GetInstance() == this)
      properties->DefaultValuesProviderDestroyed();
  }
}
