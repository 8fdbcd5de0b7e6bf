#include "framework/cxLookAndFeels.h"

#include <algorithm>

#include "framework/cxLookAndFeelPaintersRegistry.h"

namespace {

using enum TcxLookAndFeelValue;
using enum TcxLookAndFeelKind;

TcxLookAndFeel* root = nullptr;
// Controllers attached to the root; when the last goes, the root resets.
int controllerCount = 0;

bool ImplementsSkinSupport(TObject* object) { return Supports<IdxSkinSupport>(object); }

bool IsController(IcxLookAndFeelNotificationListener* listener) {
  return dynamic_cast<TcxLookAndFeelController*>(listener->GetObject()) != nullptr;
}

TcxCustomLookAndFeelPainterClass PainterOfKind(TcxLookAndFeelKind kind) {
  switch (kind) {
  case lfFlat: return TcxFlatLookAndFeelPainter::StaticClass();
  case lfStandard: return TcxStandardLookAndFeelPainter::StaticClass();
  case lfOffice11: return TcxOffice11LookAndFeelPainter::StaticClass();
  default: return TcxUltraFlatLookAndFeelPainter::StaticClass();
  }
}

TcxLookAndFeelStyle StyleOfKind(TcxLookAndFeelKind kind) {
  switch (kind) {
  case lfFlat: return TcxLookAndFeelStyle::lfsFlat;
  case lfStandard: return TcxLookAndFeelStyle::lfsStandard;
  case lfOffice11: return TcxLookAndFeelStyle::lfsOffice11;
  default: return TcxLookAndFeelStyle::lfsUltraFlat;
  }
}

TcxLookAndFeelKind KindOfStyle(TcxLookAndFeelStyle style) {
  switch (style) {
  case TcxLookAndFeelStyle::lfsFlat: return lfFlat;
  case TcxLookAndFeelStyle::lfsUltraFlat: return lfUltraFlat;
  case TcxLookAndFeelStyle::lfsOffice11: return lfOffice11;
  default: return lfStandard;
  }
}

void Initialize() {
  root = TcxLookAndFeel::CreateRoot();
  ClassSupportsSkinProc = ImplementsSkinSupport;
}

void Finalize() {
  TcxLookAndFeel* doomed = root;
  if (doomed)
    doomed->Free();
  root = nullptr;
  controllerCount = 0;
}

} // namespace

TdxClassSupportsSkinProc ClassSupportsSkinProc = nullptr;

const TUnitInfo cxLookAndFeelsUnit{"cxLookAndFeels", Initialize, Finalize};

TcxLookAndFeel* RootLookAndFeel() { return root; }

void TcxLookAndFeel::Publish(TPublisher& p) {
  p.Property("AssignedValues", &TcxLookAndFeel::AssignedValues,
             &TcxLookAndFeel::SetAssignedValues)
      .Stored(false);
  p.Property("Kind", &TcxLookAndFeel::Kind, &TcxLookAndFeel::SetKind)
      .Stored(&TcxLookAndFeel::IsKindStored);
  p.Property("NativeStyle", &TcxLookAndFeel::NativeStyle, &TcxLookAndFeel::SetNativeStyle)
      .Stored(&TcxLookAndFeel::IsNativeStyleStored);
  p.Property("SkinName", &TcxLookAndFeel::SkinName, &TcxLookAndFeel::SetSkinName)
      .Stored(&TcxLookAndFeel::IsSkinNameStored);
}

TcxLookAndFeel* TcxLookAndFeel::CreateRoot() {
  TcxLookAndFeel* made = Create<TcxLookAndFeel>(nullptr);
  made->m_isRoot = true;
  return made;
}

TcxLookAndFeel::TcxLookAndFeel(TPersistent* AOwner)
    : TcxInterfacedPersistent(AOwner), m_notifier(Create<TcxSystemPaletteChangedNotifier>(false)) {
  m_current = m_own;
  m_notifier->SetOnSystemPaletteChanged(
      TcxSystemPaletteChangedEvent([this] { SystemPaletteChanged(); }));
  if (root) {
    root->AddChangeListener(this);
    m_current.Kind = InternalGetKind();
    m_current.NativeStyle = InternalGetNativeStyle();
  }
  m_current.Painter = GetAvailablePainter(TdxThemedObjectTypes{});
}

TcxLookAndFeel::~TcxLookAndFeel() {
  m_notifier.reset();
  m_destroying = true;
  const std::size_t count = m_listeners.size();
  for (std::size_t i = 0; i < count && i < m_listeners.size(); ++i)
    m_listeners[i]->MasterLookAndFeelDestroying(this);
  m_destroying = false;
  m_listeners.clear();
  if (TcxLookAndFeel* master = MasterLookAndFeel())
    master->RemoveChangeListener(this);
  if (m_isRoot && root == this)
    root = nullptr;
}

TcxLookAndFeelKind TcxLookAndFeel::InternalGetKind() const {
  if (IsKindStored())
    return m_own.Kind;
  if (m_isRoot)
    return lfUltraFlat;
  const TcxLookAndFeel* master = MasterLookAndFeel();
  return master ? master->Kind() : lfUltraFlat;
}

bool TcxLookAndFeel::InternalGetNativeStyle() const {
  if (IsNativeStyleStored())
    return m_own.NativeStyle;
  const TcxLookAndFeel* master = m_isRoot ? nullptr : MasterLookAndFeel();
  return master ? master->NativeStyle() : false;
}

std::string TcxLookAndFeel::InternalGetSkinName() const {
  if (IsSkinNameStored())
    return m_own.SkinName;
  const TcxLookAndFeel* master = m_isRoot ? nullptr : MasterLookAndFeel();
  return master ? master->SkinName() : std::string();
}

bool TcxLookAndFeel::IsVisualSkinAvailable(const std::string& ASkinName,
                                           TcxCustomLookAndFeelPainterClass& APainter) const {
  return !ASkinName.empty() && GetExtendedStylePainters()->GetPainterByName(ASkinName, APainter);
}

void TcxLookAndFeel::SystemPaletteChanged() { Changed({lfvNativeStyle}); }

template <class T>
void TcxLookAndFeel::SetOwnValue(TcxLookAndFeelValue value, T TcxLookAndFeelData::*field,
                                 const T& v) {
  const TcxLookAndFeelData before = m_current;
  m_assignedValues.Include(value);
  m_own.*field = v;
  TcxLookAndFeelData after = before;
  after.Kind = InternalGetKind();
  after.NativeStyle = InternalGetNativeStyle();
  after.SkinName = InternalGetSkinName();
  if (after.*field != before.*field)
    Changed({value});
}

void TcxLookAndFeel::SetKind(TcxLookAndFeelKind Value) {
  SetOwnValue(lfvKind, &TcxLookAndFeelData::Kind, Value);
}

void TcxLookAndFeel::SetNativeStyle(bool Value) {
  SetOwnValue(lfvNativeStyle, &TcxLookAndFeelData::NativeStyle, Value);
}

void TcxLookAndFeel::SetSkinName(const std::string& Value) {
  SetOwnValue(lfvSkinName, &TcxLookAndFeelData::SkinName, Value);
}

void TcxLookAndFeel::SetAssignedValues(TcxLookAndFeelValues Value) {
  if (m_assignedValues == Value)
    return;
  SaveState();
  m_assignedValues = Value;
  CheckStateChanges();
}

TcxLookAndFeel* TcxLookAndFeel::MasterLookAndFeel() const {
  if (m_isRoot)
    return nullptr;
  return m_master ? m_master : root;
}

// A master chain that came back to this object would make every value ask
// itself without end.
void TcxLookAndFeel::SetMasterLookAndFeel(TcxLookAndFeel* Value) {
  if (m_isRoot || Value == this || Value == MasterLookAndFeel())
    return;
  for (const TcxLookAndFeel* m = Value; m; m = m->MasterLookAndFeel())
    if (m == this)
      throw EInvalidOperation("A look-and-feel cannot be its own master");
  SaveState();
  AttachToMaster(Value);
  CheckStateChanges();
}

void TcxLookAndFeel::AttachToMaster(TcxLookAndFeel* master) {
  if (TcxLookAndFeel* old = MasterLookAndFeel())
    old->RemoveChangeListener(this);
  m_master = master;
  if (TcxLookAndFeel* fresh = MasterLookAndFeel())
    fresh->AddChangeListener(this);
}

TcxCustomLookAndFeelPainterClass TcxLookAndFeel::Painter() const {
  return m_painter ? m_painter : m_current.Painter;
}

void TcxLookAndFeel::SetPainter(TcxCustomLookAndFeelPainterClass Value) {
  if (Value == Painter())
    return;
  m_painter = Value;
  Changed({lfvKind, lfvNativeStyle});
}

TcxCustomLookAndFeelPainterClass
TcxLookAndFeel::GetAvailablePainter(TdxThemedObjectType AType) const {
  return GetAvailablePainter(TdxThemedObjectTypes{AType});
}

TcxCustomLookAndFeelPainterClass
TcxLookAndFeel::GetAvailablePainter(TdxThemedObjectTypes ATypes) const {
  if (m_current.NativeStyle && AreVisualStylesAvailable(ATypes))
    return TcxWinXPLookAndFeelPainter::StaticClass();
  if (m_skinPainter)
    return m_skinPainter;
  return PainterOfKind(m_current.Kind);
}

TcxLookAndFeelStyle TcxLookAndFeel::ActiveStyle() const {
  if (m_current.NativeStyle && AreVisualStylesAvailable())
    return TcxLookAndFeelStyle::lfsNative;
  return StyleOfKind(m_current.Kind);
}

void TcxLookAndFeel::SetStyle(TcxLookAndFeelStyle Value) {
  SetNativeStyle(Value == TcxLookAndFeelStyle::lfsNative);
  if (!NativeStyle())
    SetKind(KindOfStyle(Value));
}

void TcxLookAndFeel::AddChangeListener(IcxLookAndFeelNotificationListener* AListener) {
  if (!AListener || (IsController(AListener) && !m_isRoot))
    return;
  if (std::find(m_listeners.begin(), m_listeners.end(), AListener) != m_listeners.end())
    return;
  m_listeners.push_back(AListener);
  if (m_isRoot && IsController(AListener))
    ++controllerCount;
}

// While this object announces its going, its listeners detach themselves;
// the list is left as it is until the announcement is over.
void TcxLookAndFeel::RemoveChangeListener(IcxLookAndFeelNotificationListener* AListener) {
  const auto found = std::find(m_listeners.begin(), m_listeners.end(), AListener);
  if (found == m_listeners.end() || m_destroying)
    return;
  m_listeners.erase(found);
  if (m_isRoot && IsController(AListener) && --controllerCount == 0)
    Reset();
}

void TcxLookAndFeel::Changed(TcxLookAndFeelValues AChangedValues) {
  if (AChangedValues.Empty() || m_destroying)
    return;
  m_current.Kind = InternalGetKind();
  m_current.NativeStyle = InternalGetNativeStyle();
  m_current.SkinName = InternalGetSkinName();
  m_skinPainter = nullptr;
  if (!m_current.NativeStyle)
    IsVisualSkinAvailable(m_current.SkinName, m_skinPainter);
  m_current.Painter = GetAvailablePainter(TdxThemedObjectTypes{});
  NotifyListeners(AChangedValues);
  if (m_onChanged)
    m_onChanged(this, AChangedValues);
}

// A listener that removes itself does not make the walk skip its neighbour.
void TcxLookAndFeel::NotifyListeners(TcxLookAndFeelValues values) {
  std::size_t i = 0;
  while (i < m_listeners.size()) {
    const std::size_t count = m_listeners.size();
    m_listeners[i]->MasterLookAndFeelChanged(this, values);
    if (m_listeners.size() == count)
      ++i;
  }
}

void TcxLookAndFeel::SaveState() { m_previous = m_current; }

void TcxLookAndFeel::CheckStateChanges() {
  TcxLookAndFeelValues changed;
  if (InternalGetKind() != m_previous.Kind)
    changed.Include(lfvKind);
  if (InternalGetNativeStyle() != m_previous.NativeStyle)
    changed.Include(lfvNativeStyle);
  if (InternalGetSkinName() != m_previous.SkinName)
    changed.Include(lfvSkinName);
  Changed(changed);
}

void TcxLookAndFeel::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TcxLookAndFeel*>(Source);
  if (!source) {
    TcxInterfacedPersistent::Assign(Source);
    return;
  }
  SaveState();
  m_own.Kind = source->m_own.Kind;
  m_own.NativeStyle = source->m_own.NativeStyle;
  m_own.SkinName = source->m_own.SkinName;
  m_assignedValues = source->m_assignedValues;
  TcxLookAndFeel* master = source->MasterLookAndFeel();
  if (!m_isRoot && master != this && master != MasterLookAndFeel())
    AttachToMaster(master == root ? nullptr : master);
  CheckStateChanges();
}

void TcxLookAndFeel::MasterLookAndFeelChanged(TcxLookAndFeel*,
                                              TcxLookAndFeelValues AChangedValues) {
  Changed(AChangedValues - m_assignedValues);
}

void TcxLookAndFeel::MasterLookAndFeelDestroying(TcxLookAndFeel*) { SetMasterLookAndFeel(nullptr); }

void TcxLookAndFeelController::Publish(TPublisher& p) {
  p.Property("Kind", &TcxLookAndFeelController::Kind, &TcxLookAndFeelController::SetKind)
      .Default(lfUltraFlat);
  p.Property("NativeStyle", &TcxLookAndFeelController::NativeStyle,
             &TcxLookAndFeelController::SetNativeStyle)
      .Default(false);
  p.Property("SkinName", &TcxLookAndFeelController::SkinName,
             &TcxLookAndFeelController::SetSkinName)
      .Stored([](const TcxLookAndFeelController* c) { return !c->SkinName().empty(); });
}

TcxLookAndFeelController::TcxLookAndFeelController(TComponent* AOwner) : TComponent(AOwner) {
  if (root)
    root->AddChangeListener(this);
}

TcxLookAndFeelController::~TcxLookAndFeelController() {
  if (root)
    root->RemoveChangeListener(this);
}

TcxLookAndFeelKind TcxLookAndFeelController::Kind() const {
  return root ? root->Kind() : lfUltraFlat;
}

void TcxLookAndFeelController::SetKind(TcxLookAndFeelKind Value) {
  if (root)
    root->SetKind(Value);
}

bool TcxLookAndFeelController::NativeStyle() const { return root && root->NativeStyle(); }

void TcxLookAndFeelController::SetNativeStyle(bool Value) {
  if (root)
    root->SetNativeStyle(Value);
}

std::string TcxLookAndFeelController::SkinName() const {
  return root ? root->SkinName() : std::string();
}

void TcxLookAndFeelController::SetSkinName(const std::string& Value) {
  if (root)
    root->SetSkinName(Value);
}

namespace {

template <class F>
void ForEachLookAndFeel(TWinControl* control, const F& apply) {
  IcxLookAndFeelContainer* container = nullptr;
  if (Supports<IcxLookAndFeelContainer>(control, container))
    apply(container->GetLookAndFeel());
  for (int i = 0; i < control->ControlCount(); ++i)
    if (auto* child = dynamic_cast<TWinControl*>(control->Controls(i)))
      ForEachLookAndFeel(child, apply);
}

} // namespace

void SetControlLookAndFeel(TWinControl* AControl, TcxLookAndFeel* AMasterLookAndFeel) {
  ForEachLookAndFeel(AControl, [AMasterLookAndFeel](TcxLookAndFeel* lookAndFeel) {
    lookAndFeel->SetMasterLookAndFeel(AMasterLookAndFeel);
  });
}

void SetControlLookAndFeel(TWinControl* AControl, TcxLookAndFeelKind AKind, bool ANativeStyle) {
  ForEachLookAndFeel(AControl, [AKind, ANativeStyle](TcxLookAndFeel* lookAndFeel) {
    lookAndFeel->SetKind(AKind);
    lookAndFeel->SetNativeStyle(ANativeStyle);
  });
}
