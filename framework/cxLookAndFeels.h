// Look-and-feel settings: which of the four kinds (flat, standard,
// ultra-flat, Office 2003) a control is drawn in, whether the platform's
// visual styles are preferred, and which registered skin. A value not set
// on a look-and-feel is inherited from its master, and one without a master
// from the process's root look-and-feel, which TcxLookAndFeelController
// components edit. From the effective values each look-and-feel picks the
// painter class its owner draws with; every change ripples down the master
// tree to the owners.
#pragma once

#include <string>
#include <vector>

#include "framework/cxClasses.h"
#include "framework/cxLookAndFeelPainters.h"
#include "framework/cxLookAndFeelsPalette.h"
#include "framework/dxThemeManager.h"
#include "platform/controls/WinControls.h"
#include "platform/rtl/UnitStartup.h"

enum class TcxLookAndFeelKind { lfFlat, lfStandard, lfUltraFlat, lfOffice11 };
ENUM_NAMES(TcxLookAndFeelKind, "lfFlat", "lfStandard", "lfUltraFlat", "lfOffice11");

enum class TcxLookAndFeelValue { lfvKind, lfvNativeStyle, lfvSkinName };
ENUM_NAMES(TcxLookAndFeelValue, "lfvKind", "lfvNativeStyle", "lfvSkinName");
using TcxLookAndFeelValues = Set<TcxLookAndFeelValue>;

struct TcxLookAndFeelData {
  TcxLookAndFeelKind Kind = TcxLookAndFeelKind::lfUltraFlat;
  bool NativeStyle = false;
  std::string SkinName;
  TcxCustomLookAndFeelPainterClass Painter;
};

class TcxLookAndFeel;
using TcxLookAndFeelChangedEvent = TDelegate<void(TcxLookAndFeel* Sender,
                                                  TcxLookAndFeelValues AChangedValues)>;

// Told by a master of its changes and of its going.
class IcxLookAndFeelNotificationListener : public virtual IInterface {
public:
  static constexpr TGUID IID = StringToGUID("{205538BF-F19E-4285-B11F-B182D9635881}");
  virtual TObject* GetObject() = 0;
  virtual void MasterLookAndFeelChanged(TcxLookAndFeel* Sender,
                                        TcxLookAndFeelValues AChangedValues) = 0;
  virtual void MasterLookAndFeelDestroying(TcxLookAndFeel* Sender) = 0;

protected:
  ~IcxLookAndFeelNotificationListener() = default;
};

// A control that owns a look-and-feel.
class IcxLookAndFeelContainer : public virtual IInterface {
public:
  static constexpr TGUID IID = StringToGUID("{6065B58B-C557-4464-A67D-64183FD13F25}");
  virtual TcxLookAndFeel* GetLookAndFeel() = 0;

protected:
  ~IcxLookAndFeelContainer() = default;
};

// Marks classes that can be drawn by a skin.
class IdxSkinSupport : public virtual IInterface {
public:
  static constexpr TGUID IID = StringToGUID("{EF3FF483-9B69-46DF-95A4-D3A3810F63A5}");

protected:
  ~IdxSkinSupport() = default;
};

using TdxClassSupportsSkinProc = bool (*)(TObject* AObject);
// Set at start-up: whether an object implements IdxSkinSupport.
extern TdxClassSupportsSkinProc ClassSupportsSkinProc;

class TcxLookAndFeel : public TcxInterfacedPersistent, public IcxLookAndFeelNotificationListener {
  OBJECT_CLASS(TcxLookAndFeel, TcxInterfacedPersistent)
public:
  static void Publish(TPublisher& p);

  explicit TcxLookAndFeel(TPersistent* AOwner);
  ~TcxLookAndFeel() override;
  // The unit's start-up makes the root with this.
  static TcxLookAndFeel* CreateRoot();

  void Assign(TPersistent* Source) override;

  // The effective values.
  TcxLookAndFeelKind Kind() const { return m_current.Kind; }
  void SetKind(TcxLookAndFeelKind Value);
  bool NativeStyle() const { return m_current.NativeStyle; }
  void SetNativeStyle(bool Value);
  const std::string& SkinName() const { return m_current.SkinName; }
  void SetSkinName(const std::string& Value);
  TcxLookAndFeelValues AssignedValues() const { return m_assignedValues; }
  void SetAssignedValues(TcxLookAndFeelValues Value);
  void Reset() { SetAssignedValues({}); }

  // None for the root; the explicit master, else the root.
  TcxLookAndFeel* MasterLookAndFeel() const;
  void SetMasterLookAndFeel(TcxLookAndFeel* Value);
  TcxCustomLookAndFeelPainterClass Painter() const;
  void SetPainter(TcxCustomLookAndFeelPainterClass Value);
  TcxCustomLookAndFeelPainterClass SkinPainter() const { return m_skinPainter; }
  TcxCustomLookAndFeelPainterClass GetAvailablePainter(TdxThemedObjectType AType) const;
  TcxCustomLookAndFeelPainterClass GetAvailablePainter(TdxThemedObjectTypes ATypes = {}) const;
  TcxLookAndFeelStyle ActiveStyle() const;
  void SetStyle(TcxLookAndFeelStyle Value);

  // Listeners are not kept alive; they remove themselves before they go.
  void AddChangeListener(IcxLookAndFeelNotificationListener* AListener);
  void RemoveChangeListener(IcxLookAndFeelNotificationListener* AListener);
  // Recomputes the effective values and the painter, then tells the
  // listeners and OnChanged.
  void Changed(TcxLookAndFeelValues AChangedValues);
  void SaveState();
  void CheckStateChanges();

  bool IsKindStored() const { return m_assignedValues.Contains(TcxLookAndFeelValue::lfvKind); }
  bool IsNativeStyleStored() const {
    return m_assignedValues.Contains(TcxLookAndFeelValue::lfvNativeStyle);
  }
  bool IsSkinNameStored() const {
    return m_assignedValues.Contains(TcxLookAndFeelValue::lfvSkinName);
  }

  const TcxLookAndFeelChangedEvent& OnChanged() const { return m_onChanged; }
  void SetOnChanged(const TcxLookAndFeelChangedEvent& Value) { m_onChanged = Value; }

  // IcxLookAndFeelNotificationListener
  TObject* GetObject() override { return this; }
  void MasterLookAndFeelChanged(TcxLookAndFeel* Sender,
                                TcxLookAndFeelValues AChangedValues) override;
  void MasterLookAndFeelDestroying(TcxLookAndFeel* Sender) override;

protected:
  virtual TcxLookAndFeelKind InternalGetKind() const;
  virtual bool InternalGetNativeStyle() const;
  virtual std::string InternalGetSkinName() const;
  virtual bool IsVisualSkinAvailable(const std::string& ASkinName,
                                     TcxCustomLookAndFeelPainterClass& APainter) const;
  virtual void SystemPaletteChanged();

private:
  template <class T>
  void SetOwnValue(TcxLookAndFeelValue value, T TcxLookAndFeelData::*field, const T& v);
  void NotifyListeners(TcxLookAndFeelValues values);
  // Moves this object's listener from its master to 'master' (none: the root).
  void AttachToMaster(TcxLookAndFeel* master);

  TcxLookAndFeelValues m_assignedValues;
  std::vector<IcxLookAndFeelNotificationListener*> m_listeners;
  TcxLookAndFeelData m_current;
  TcxLookAndFeelData m_own;
  bool m_destroying = false;
  bool m_isRoot = false;
  TcxLookAndFeel* m_master = nullptr;
  TcxCustomLookAndFeelPainterClass m_painter;
  TcxCustomLookAndFeelPainterClass m_skinPainter;
  TcxLookAndFeelData m_previous;
  TOwned<TcxSystemPaletteChangedNotifier> m_notifier;
  TcxLookAndFeelChangedEvent m_onChanged;
};

// Edits the root look-and-feel from a form.
class TcxLookAndFeelController : public TComponent, public IcxLookAndFeelNotificationListener {
  OBJECT_CLASS(TcxLookAndFeelController, TComponent)
public:
  static void Publish(TPublisher& p);

  explicit TcxLookAndFeelController(TComponent* AOwner);
  ~TcxLookAndFeelController() override;

  TcxLookAndFeelKind Kind() const;
  void SetKind(TcxLookAndFeelKind Value);
  bool NativeStyle() const;
  void SetNativeStyle(bool Value);
  std::string SkinName() const;
  void SetSkinName(const std::string& Value);

  TObject* GetObject() override { return this; }
  void MasterLookAndFeelChanged(TcxLookAndFeel*, TcxLookAndFeelValues) override {}
  void MasterLookAndFeelDestroying(TcxLookAndFeel*) override {}
};

// The process's root look-and-feel; none before the unit starts.
TcxLookAndFeel* RootLookAndFeel();
// Sets the master (or the kind and native style) of the look-and-feel of
// the control and of every windowed child, recursively.
void SetControlLookAndFeel(TWinControl* AControl, TcxLookAndFeel* AMasterLookAndFeel);
void SetControlLookAndFeel(TWinControl* AControl, TcxLookAndFeelKind AKind, bool ANativeStyle);

extern const TUnitInfo cxLookAndFeelsUnit;
