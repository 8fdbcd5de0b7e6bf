// The application: its message loop (shared by the main loop and every
// modal loop), termination, its title, the main form, activation from the
// platform, minimising, and the error box that shows what a handler threw.
//
// The application's hidden top-level window receives the platform's
// broadcasts: WM_ACTIVATEAPP (Active) and WM_SETTINGCHANGE, on which the
// run-time's format settings are reloaded and every form's controls get
// CM_WININICHANGE.
//
// Classes in this file: TApplication.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/controls/Messages.h"
#include "platform/objects/Components.h"
#include "platform/objects/Events.h"

class TCustomForm;
class TControl;

using TExceptionEvent = TDelegate<void(TObject* Sender, Exception* E)>;

namespace controls_detail {
// While alive, the next form made on this thread hands itself to 'assign'
// before it reads its definition (so that its global refers to it early).
class TFormReferenceScope {
public:
  explicit TFormReferenceScope(std::function<void(TComponent*)> assign);
  ~TFormReferenceScope();
  TFormReferenceScope(const TFormReferenceScope&) = delete;
  TFormReferenceScope& operator=(const TFormReferenceScope&) = delete;

  static void AssignPending(TComponent* instance);
};
} // namespace controls_detail

class TApplication : public TComponent {
  OBJECT_CLASS(TApplication, TComponent)
public:
  explicit TApplication(TComponent* owner);
  ~TApplication() override;

  void BeforeDestruction() override;

  // Nothing to prepare here; kept for the program's start-up sequence.
  void Initialize() {}
  // Makes a component owned by the application; the first form made this
  // way becomes the main form.
  template <class T>
  void CreateForm(T*& reference) {
    controls_detail::TFormReferenceScope scope(
        [&reference](TComponent* instance) { reference = static_cast<T*>(instance); });
    T* instance = nullptr;
    try {
      instance = Create<T>(this);
    } catch (...) {
      reference = nullptr;
      throw;
    }
    reference = instance;
    FormCreated(instance);
  }
  // Shows the main form and handles messages until the application ends.
  void Run();
  // Ends the application: every message loop, modal ones included, ends
  // once the quit message is handled.
  void Terminate();
  bool Terminated() const { return m_terminated; }
  // Handles every message waiting, without waiting for more.
  void ProcessMessages();
  // Handles one message, waiting for one when none is there.
  void HandleMessage();

  // The title: the executable's name without extension unless set.
  std::string Title() const;
  void SetTitle(const std::string& title) { m_title = title; }
  TCustomForm* MainForm() const { return m_mainForm; }
  HWND Handle() const { return m_handle; }
  // Whether one of the application's windows is the active window.
  bool Active() const { return m_active; }
  // Whether a change of the regional settings reloads the format settings.
  bool UpdateFormatSettings() const { return m_updateFormatSettings; }
  void SetUpdateFormatSettings(bool value) { m_updateFormatSettings = value; }
  void Minimize();
  void Restore();

  // Shows what the exception being handled says (call from a catch block),
  // unless it is EAbort; OnException, when assigned, decides instead.
  void HandleException(TObject* sender);
  // The error box: the message, with "." added when its last character
  // sorts after ".", the title as caption, one OK button, the stop icon.
  void ShowException(const Exception& error);
  // A message box owned by the application, with the other windows
  // disabled while it is open (through the message-box seam).
  int MessageBox(const std::string& text, const std::string& caption, UINT flags);

  const TExceptionEvent& OnException() const { return m_onException; }
  void SetOnException(const TExceptionEvent& e) { m_onException = e; }
  const TNotifyEvent& OnActivate() const { return m_onActivate; }
  void SetOnActivate(const TNotifyEvent& e) { m_onActivate = e; }
  const TNotifyEvent& OnDeactivate() const { return m_onDeactivate; }
  void SetOnDeactivate(const TNotifyEvent& e) { m_onDeactivate = e; }
  const TNotifyEvent& OnMinimize() const { return m_onMinimize; }
  void SetOnMinimize(const TNotifyEvent& e) { m_onMinimize = e; }
  const TNotifyEvent& OnRestore() const { return m_onRestore; }
  void SetOnRestore(const TNotifyEvent& e) { m_onRestore = e; }

  // Told by a control that it goes away.
  void ControlDestroying(TControl* control);

protected:
  void Notification(TComponent* component, TOperation operation) override;

private:
  void FormCreated(TComponent* instance);
  void ReportException(TObject* sender, Exception& error);
  bool ProcessMessage();
  bool IsKeyMsg(const MSG& msg);
  void Idle();
  void DoMouseIdle();
  void WndProc(TMessage& message);
  void SettingChanged(TMessage& message);

  HWND m_handle = nullptr;
  std::string m_title;
  TCustomForm* m_mainForm = nullptr;
  TControl* m_mouseControl = nullptr;
  bool m_terminated = false;
  bool m_active = false;
  bool m_updateFormatSettings = true;

  TExceptionEvent m_onException;
  TNotifyEvent m_onActivate;
  TNotifyEvent m_onDeactivate;
  TNotifyEvent m_onMinimize;
  TNotifyEvent m_onRestore;
};

// The program's application object (made when the controls' units start).
extern TApplication* Application;

// Hands the exception being handled to the application (or, without one,
// to the error box directly); never throws. Window, timer and hook
// procedures call it from their catch blocks.
void HandleCallbackException(TObject* sender) noexcept;

// Makes and frees the application object.
void CreateApplication();
void DestroyApplication();

namespace controls_detail {
// Disables the application's visible, enabled top-level windows (but
// 'except') while alive, as modal forms and message boxes do.
class TTaskWindowsDisabled {
public:
  explicit TTaskWindowsDisabled(HWND except = nullptr);
  ~TTaskWindowsDisabled();
  TTaskWindowsDisabled(const TTaskWindowsDisabled&) = delete;
  TTaskWindowsDisabled& operator=(const TTaskWindowsDisabled&) = delete;

private:
  std::vector<HWND> m_windows;
};
} // namespace controls_detail
