// Objects that can be copied onto each other and stored in form definitions.
//
// Classes in this file: TPersistent, TInterfacedPersistent.
#pragma once

#include "platform/objects/Interfaces.h"
#include "platform/objects/Objects.h"

class TFiler;

class TPersistent : public TObject {
  OBJECT_CLASS(TPersistent, TObject)
public:
  // Copies 'source' onto this object. The base asks the source to copy
  // itself (AssignTo); when nobody knows how, EConvertError
  // "Cannot assign a <source class> to a <this class>" ("nil" for none).
  virtual void Assign(TPersistent* source);
  // The object that owns this one in the ownership chain, nil when none.
  virtual TPersistent* GetOwner() { return nullptr; }
  // Declares properties that form definitions store besides the published
  // ones (see Filer.h).
  virtual void DefineProperties(TFiler& filer);

protected:
  // Copies this object onto 'dest'; the base reports that it cannot.
  virtual void AssignTo(TPersistent* dest);
  [[noreturn]] void AssignError(TPersistent* source);
};

// A persistent that implements IInterface. Reference counting goes to its
// owner's IInterface (taken at construction) when the owner has one, and is
// otherwise off: handing out interfaces never frees the object.
class TInterfacedPersistent : public TPersistent, public virtual IInterface {
  OBJECT_CLASS(TInterfacedPersistent, TPersistent)
public:
  void AfterConstruction() override;

  bool QueryInterface(const TInterfaceQuery& query, void*& intf) override;
  int _AddRef() override;
  int _Release() override;

private:
  IInterface* m_ownerInterface = nullptr;
};
