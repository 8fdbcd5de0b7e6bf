// The main window: the user list with everyone's presence, the menu, the
// notification-area icon, and the database components that every form of
// the messenger works with. It also keeps who is logged in, logs off, and
// polls for new messages (MainPoll.cpp).
//
// Classes in this file: TSessionUser, TMain1.
#pragma once

#include <optional>
#include <set>
#include <string>

#include "platform/controls/Forms.h"
#include "platform/rtl/UnitStartup.h"

class TDBGrid;
class TDataSource;
class TTimer;
class TZConnection;
class TZQuery;
class TZTable;

// The user of this session: the row and nickname of the last successful
// log-in. Messages are polled for and sent as this user, never as whatever
// the log-in form's field holds at the moment.
struct TSessionUser {
  int Id = 0;
  std::string Nickname;
};

class TMain1 : public TForm {
  OBJECT_CLASS(TMain1, TForm)
public:
  static void Publish(TPublisher& p);

  explicit TMain1(TComponent* owner) : TForm(owner) {}
  ~TMain1() override;

  TZConnection* ZConnection1() const { return m_ZConnection1; }
  TZQuery* ZKimlik1() const { return m_ZKimlik1; }
  TZQuery* ZMesaj1() const { return m_ZMesaj1; }
  TZQuery* ZIslem1() const { return m_ZIslem1; }
  TZTable* ZTable1() const { return m_ZTable1; }
  TDataSource* DataSource1() const { return m_DataSource1; }
  TDBGrid* DBGrid1() const { return m_DBGrid1; }
  TTimer* Timer1() const { return m_Timer1; }

  // Nothing before the first successful log-in and after a log-off.
  const std::optional<TSessionUser>& SessionUser() const { return m_sessionUser; }
  // Called by a successful log-in.
  void BeginSession(const TSessionUser& user) { m_sessionUser = user; }

  // Reads the whole user list again; the grid stands on its first row.
  void LoadUserList();

  void FormActivate(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);
  void OturumA1Click(TObject* Sender);
  void OturumuKapat1Click(TObject* Sender);
  void Seenekler1Click(TObject* Sender);
  void DBGrid1DblClick(TObject* Sender);
  void ZConnection1AfterConnect(TObject* Sender);
  void ZConnection1AfterDisconnect(TObject* Sender);
  void Timer1Timer(TObject* Sender);
  // The presence items of the "Durumum" menu change nothing.
  void evrimii1Click(TObject*) {}
  void Darda1Click(TObject*) {}
  void RCKullanmayaGitti1Click(TObject*) {}
  void SexYapyo1Click(TObject*) {}
  void Uyuyor1Click(TObject*) {}
  void BilgisayarAkKald1Click(TObject*) {}
  void evrimd1Click(TObject*) {}

protected:
  void Loaded() override;

private:
  void RecordLogOff();
  void Poll(const std::string& nickname);
  bool ShowNewMessages();
  void DeleteMessagesShown();

  TZConnection* m_ZConnection1 = nullptr;
  TZQuery* m_ZKimlik1 = nullptr;
  TZQuery* m_ZMesaj1 = nullptr;
  TZQuery* m_ZIslem1 = nullptr;
  TZTable* m_ZTable1 = nullptr;
  TDataSource* m_DataSource1 = nullptr;
  TDBGrid* m_DBGrid1 = nullptr;
  TTimer* m_Timer1 = nullptr;
  std::optional<TSessionUser> m_sessionUser;
  // Set while a tick runs, its error box included, so that the ticks that
  // the box's message loop delivers start nothing.
  bool m_polling = false;
  // The Ids of the rows shown whose delete has not yet reached the server
  // (it failed, or the server went away): they are never shown again, and
  // every tick deletes them, whoever is logged in, until one succeeds.
  std::set<int> m_shownNotDeleted;
};

extern TMain1* Main1;

// The unit's start-up: makes known the classes the definition names.
extern const TUnitInfo MainUnit;

// Presence texts of the user list.
inline constexpr char kOnline[] = "\xC7" "evrimi\xE7i";
inline constexpr char kOffline[] = "\xC7" "evrimd\xFD\xFE\xFD";
