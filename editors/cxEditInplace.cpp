#include "editors/cxEditInplace.h"

#include <algorithm>
#include <memory>

#include "platform/controls/Messages.h"
#include "platform/rtl/ScopeGuards.h"
#include "platform/rtl/WideText.h"

// ---------------------------------------------------------------------------
// The in-place constructor

TcxCustomEdit* TcxCustomEditMeta::Create(TComponent* AOwner, bool AIsInplace) const {
  auto* edit = static_cast<TcxCustomEdit*>(NewInstance(AOwner));
  edit->m_isInplace = AIsInplace;
  objects_detail::FinishConstruction(edit);
  return edit;
}

TcxCustomEditPropertiesClass TcxCustomEditMeta::GetPropertiesClass() const {
  if (!m_propertiesClass) {
    const TOwned<TcxCustomEdit> probe(Create(nullptr, true));
    m_propertiesClass = probe->GetPropertiesClass();
  }
  return m_propertiesClass;
}

// ---------------------------------------------------------------------------
// Activation by the host

TcxCustomEditDataClass TcxCustomEdit::GetEditDataClass() const { return nullptr; }

void TcxCustomEdit::Activate(TcxCustomEditData*& AEditData) {
  if (!AEditData && GetEditDataClass())
    AEditData = GetEditDataClass().Create(this);
  m_editData = AEditData;
  DoClearEditData(AEditData);
  SetVisible(true);
  if (HandleAllocated() && CanFocus()) {
    SetFocus();
    if (GetActiveProperties()->AutoSelect())
      SelectAll();
  }
  SynchronizeDisplayValue();
  SetModified(false);
}

void TcxCustomEdit::ActivateByKey(char AKey, TcxCustomEditData*& AEditData) {
  TControlLife life(this);
  LockInnerEditRepainting();
  const TScopeExit unlock([&] {
    if (life)
      UnlockInnerEditRepainting();
  });
  Activate(AEditData);
  if (life && SendActivationKey(AKey))
    ::SendMessageW(Handle(), WM_CHAR, AnsiToWideChar(AKey), 0);
}

void TcxCustomEdit::ActivateByMouse(TShiftState AShift, int X, int Y,
                                    TcxCustomEditData*& AEditData) {
  TControlLife life(this);
  Activate(AEditData);
  if (!life)
    return;
  TPoint p = Point(X, Y);
  if (Parent())
    p = ScreenToClient(Parent()->ClientToScreen(p));
  const WPARAM keys = ShiftStateToKeys(AShift);
  if (AShift.Contains(TShiftStateItem::ssLeft)) {
    ::SendMessageW(Handle(), WM_LBUTTONDOWN, keys, PointToLParam(p));
    if (!life)
      return;
    if (::GetCapture() == Handle() && ::GetAsyncKeyState(VK_LBUTTON) >= 0)
      ::ReleaseCapture();
  } else {
    ::SendMessageW(Handle(), WM_LBUTTONUP, keys, PointToLParam(p));
    if (!life)
      return;
  }
  m_dblClickTimer->SetEnabled(true);
}

bool TcxCustomEdit::Deactivate() {
  m_dblClickTimer->SetEnabled(false);
  m_keyboardAction = false;
  const bool valid = ValidateEdit(true);
  if (valid) {
    SynchronizeDisplayValue();
    SetEditValidated(true);
  }
  return valid;
}

void TcxCustomEdit::DoClearEditData(TcxCustomEditData* AEditData) {
  if (!AEditData || AEditData != m_editData || !AEditData->Cleared())
    return;
  InitializeEditData();
  AEditData->SetCleared(false);
}

// ---------------------------------------------------------------------------
// What an in-place editor does differently

void TcxCustomEdit::DefaultHandler(TMessage& Message) {
  if (m_isInplace && Message.Msg == WM_CONTEXTMENU)
    return;
  inherited::DefaultHandler(Message);
}

void TcxCustomEdit::GetTabOrderList(std::vector<TWinControl*>& List) {
  inherited::GetTabOrderList(List);
  if (m_isInplace && Visible())
    std::erase(List, Parent());
}

// ---------------------------------------------------------------------------
// The inner control's repaint lock

void TcxCustomEdit::LockInnerEditRepainting() {
  if (!m_innerEdit || m_innerEditRepaintingLocked)
    return;
  TWinControl* inner = m_innerEdit->GetControl();
  m_savedInnerEditWindowProc = inner->WindowProc();
  inner->SetWindowProc(TWndMethod(this, &TcxCustomEdit::LockedInnerEditWindowProc));
  m_innerEditRepaintingLocked = true;
}

void TcxCustomEdit::UnlockInnerEditRepainting() {
  if (!m_innerEditRepaintingLocked)
    return;
  m_innerEditRepaintingLocked = false;
  if (m_innerEdit)
    m_innerEdit->GetControl()->SetWindowProc(m_savedInnerEditWindowProc);
  m_savedInnerEditWindowProc = nullptr;
}

void TcxCustomEdit::LockedInnerEditWindowProc(TMessage& Message) {
  m_savedInnerEditWindowProc(Message);
}

// ---------------------------------------------------------------------------
// TcxCustomEditData

TcxCustomEditData::TcxCustomEditData(TcxCustomEdit* AEdit) : m_edit(AEdit) {
  m_freeNotificator.reset(Create<TcxFreeNotificator>(nullptr));
  m_freeNotificator->SetOnFreeNotification(
      TcxFreeNotificationEvent(this, &TcxCustomEditData::FreeNotification));
  m_freeNotificator->AddSender(m_edit);
  Clear();
}

TcxCustomEditData::~TcxCustomEditData() { m_freeNotificator.reset(); }

void TcxCustomEditData::Clear() {
  m_cleared = true;
  if (m_edit)
    m_edit->DoClearEditData(this);
}

void TcxCustomEditData::FreeNotification(TComponent* AComponent) {
  if (AComponent == m_edit)
    m_edit = nullptr;
}

// ---------------------------------------------------------------------------
// The unit's list of live pools

namespace {

std::unique_ptr<std::vector<TcxInplaceEditList*>>& EditLists() {
  static std::unique_ptr<std::vector<TcxInplaceEditList*>> lists;
  return lists;
}

void AddEditList(TcxInplaceEditList* AList) {
  auto& lists = EditLists();
  if (!lists)
    lists = std::make_unique<std::vector<TcxInplaceEditList*>>();
  lists->push_back(AList);
}

void RemoveEditList(TcxInplaceEditList* AList) {
  auto& lists = EditLists();
  if (!lists)
    return;
  std::erase(*lists, AList);
  if (lists->empty())
    lists.reset();
}

} // namespace

void DisconnectPropertiesFromInplaceEditLists(TcxCustomEditProperties* AProperties) {
  if (const auto& lists = EditLists())
    for (TcxInplaceEditList* list : *lists)
      list->DisconnectProperties(AProperties);
}

int InplaceEditListCount() {
  const auto& lists = EditLists();
  return lists ? static_cast<int>(lists->size()) : 0;
}

// ---------------------------------------------------------------------------
// TcxInplaceEditList

TcxInplaceEditList::TcxInplaceEditList() { AddEditList(this); }

TcxInplaceEditList::~TcxInplaceEditList() {
  RemoveEditList(this);
  DestroyItems();
}

TcxCustomEdit* TcxInplaceEditList::CreateEdit(TcxCustomEditPropertiesClass APropertiesClass) {
  const auto editClass = TClassRef<TcxCustomEdit>::Checked(APropertiesClass->GetContainerClass());
  TcxCustomEdit* edit = editClass.Create(nullptr, true);
  edit->SetVisible(false);
  return edit;
}

int TcxInplaceEditList::FindItem(TcxCustomEditPropertiesClass APropertiesClass) const {
  const TClass editClass = APropertiesClass->GetContainerClass();
  for (int i = 0; i < Count(); ++i) {
    const TcxEditListItem& item = m_items[static_cast<std::size_t>(i)];
    if (!item.Properties && item.Edit->ClassType() == editClass)
      return i;
  }
  return -1;
}

int TcxInplaceEditList::FindBoundItem(TcxCustomEditProperties* AProperties) const {
  for (int i = 0; i < Count(); ++i)
    if (m_items[static_cast<std::size_t>(i)].Properties == AProperties)
      return i;
  return -1;
}

int TcxInplaceEditList::FindItem(TcxCustomEditProperties* AProperties, bool ATakeFree) {
  int index = FindBoundItem(AProperties);
  if (index == -1 && ATakeFree) {
    index = FindItem(TcxCustomEditPropertiesClass::Checked(AProperties->ClassType()));
    if (index != -1)
      m_items[static_cast<std::size_t>(index)].Properties = AProperties;
  }
  return index;
}

void TcxInplaceEditList::InitEdit(TcxCustomEdit* AEdit, TcxCustomEditProperties* AProperties) {
  AEdit->LockChangeEvents(true);
  const TScopeExit unlock([AEdit] { AEdit->LockChangeEvents(false, false); });
  AEdit->SetProperties(AProperties);
}

TcxCustomEdit* TcxInplaceEditList::GetEdit(TcxCustomEditProperties* AProperties) {
  TcxCustomEdit* edit = GetEdit(FindItem(AProperties, true));
  if (!edit) {
    edit = CreateEdit(TcxCustomEditPropertiesClass::Checked(AProperties->ClassType()));
    m_items.push_back({edit, AProperties});
  }
  InitEdit(edit, AProperties);
  return edit;
}

TcxCustomEdit* TcxInplaceEditList::GetEdit(TcxCustomEditPropertiesClass APropertiesClass) {
  TcxCustomEdit* edit = GetEdit(FindItem(APropertiesClass));
  if (!edit) {
    edit = CreateEdit(APropertiesClass);
    m_items.push_back({edit, nullptr});
  }
  return edit;
}

TcxCustomEdit* TcxInplaceEditList::GetEdit(int AItemIndex) const {
  if (AItemIndex == -1)
    return nullptr;
  return m_items.at(static_cast<std::size_t>(AItemIndex)).Edit;
}

TcxCustomEdit* TcxInplaceEditList::FindEdit(TcxCustomEditProperties* AProperties) const {
  return GetEdit(FindBoundItem(AProperties));
}

TcxCustomEdit* TcxInplaceEditList::FindEdit(TcxCustomEditPropertiesClass APropertiesClass) const {
  return GetEdit(FindItem(APropertiesClass));
}

void TcxInplaceEditList::DisconnectProperties(TcxCustomEditProperties* AProperties) {
  const int index = FindBoundItem(AProperties);
  if (index != -1)
    m_items[static_cast<std::size_t>(index)].Properties = nullptr;
}

void TcxInplaceEditList::RemoveItem(TcxCustomEditProperties* AProperties) {
  RemoveItem(FindBoundItem(AProperties));
}

void TcxInplaceEditList::RemoveItem(TcxCustomEditPropertiesClass APropertiesClass) {
  for (int index = FindItem(APropertiesClass); index != -1; index = FindItem(APropertiesClass))
    RemoveItem(index);
}

// The item leaves the list before its editor is freed, so that nothing the
// editor's destruction reaches finds it half gone.
void TcxInplaceEditList::RemoveItem(int AItemIndex) {
  if (AItemIndex == -1)
    return;
  TcxCustomEdit* edit = GetEdit(AItemIndex);
  m_items.erase(m_items.begin() + AItemIndex);
  edit->SetParent(nullptr);
  edit->Free();
}

void TcxInplaceEditList::DestroyItems() {
  while (Count() > 0)
    RemoveItem(0);
}
