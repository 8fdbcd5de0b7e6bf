// In-place editing: the data a host keeps for one activation of an in-place
// editor, and the pool of hidden in-place editors a host keeps, one per
// properties object (or per editor kind for editors without properties of
// their own). The editor's own in-place operations (Activate, ActivateByKey,
// ActivateByMouse, Deactivate, the inner control's repaint lock) are members
// of TcxCustomEdit, defined in cxEditInplace.cpp.
//
// Classes in this file: TcxCustomEditData, TcxInplaceEditList.
#pragma once

#include <vector>

#include "editors/cxEditControl.h"
#include "framework/cxClasses.h"

class TcxCustomEditData;
using TcxCustomEditDataMeta = TClassOf<TcxCustomEditData, TObject::TMeta, TcxCustomEdit*>;

// What a host keeps for one activation of an editor. Clear marks it cleared
// and has the editor initialize it again; the editor is forgotten when it is
// freed.
class TcxCustomEditData : public TObject {
  OBJECT_CLASS_META(TcxCustomEditData, TObject, TcxCustomEditDataMeta)
public:
  explicit TcxCustomEditData(TcxCustomEdit* AEdit);
  ~TcxCustomEditData() override;

  void Clear();
  bool Cleared() const { return m_cleared; }
  void SetCleared(bool Value) { m_cleared = Value; }
  TcxCustomEdit* Edit() const { return m_edit; }

private:
  void FreeNotification(TComponent* AComponent);

  TcxCustomEdit* m_edit;
  TOwned<TcxFreeNotificator> m_freeNotificator;
  bool m_cleared = false;
};

// One pooled editor, bound to a properties object or free (none).
struct TcxEditListItem {
  TcxCustomEdit* Edit = nullptr;
  TcxCustomEditProperties* Properties = nullptr;
};

// A pool of hidden in-place editors, which it owns. An editor asked for by
// properties object is bound to it and configured with it; an editor freed
// from its properties (DisconnectProperties, or the properties destroyed)
// stays in the pool for the next properties object of the same kind.
class TcxInplaceEditList : public TObject {
  OBJECT_CLASS(TcxInplaceEditList, TObject)
public:
  TcxInplaceEditList();
  ~TcxInplaceEditList() override;

  // The editor bound to the properties, else a free one of their kind bound
  // to them now, else a new one; configured with the properties.
  TcxCustomEdit* GetEdit(TcxCustomEditProperties* AProperties);
  // A free editor of the kind, else a new one; no properties assigned.
  TcxCustomEdit* GetEdit(TcxCustomEditPropertiesClass APropertiesClass);
  // The item's editor; none for index -1.
  TcxCustomEdit* GetEdit(int AItemIndex) const;
  // As GetEdit, without binding or making an editor; none when not found.
  TcxCustomEdit* FindEdit(TcxCustomEditProperties* AProperties) const;
  TcxCustomEdit* FindEdit(TcxCustomEditPropertiesClass APropertiesClass) const;

  // The editor bound to the properties becomes free.
  void DisconnectProperties(TcxCustomEditProperties* AProperties);
  // Frees the editor bound to the properties (no free one is taken).
  void RemoveItem(TcxCustomEditProperties* AProperties);
  // Frees every free editor of the kind.
  void RemoveItem(TcxCustomEditPropertiesClass APropertiesClass);
  // Frees the item's editor; nothing for index -1.
  void RemoveItem(int AItemIndex);

  int Count() const { return static_cast<int>(m_items.size()); }

private:
  TcxCustomEdit* CreateEdit(TcxCustomEditPropertiesClass APropertiesClass);
  int FindItem(TcxCustomEditPropertiesClass APropertiesClass) const;
  int FindBoundItem(TcxCustomEditProperties* AProperties) const;
  int FindItem(TcxCustomEditProperties* AProperties, bool ATakeFree);
  void InitEdit(TcxCustomEdit* AEdit, TcxCustomEditProperties* AProperties);
  void DestroyItems();

  std::vector<TcxEditListItem> m_items;
};

// In every live pool the editor bound to the properties becomes free; run by
// the properties as they are destroyed.
void DisconnectPropertiesFromInplaceEditLists(TcxCustomEditProperties* AProperties);
// The number of live pools.
int InplaceEditListCount();
