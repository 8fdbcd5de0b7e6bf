// Windows Sockets 2 comes first: before the C library's headers, whose
// select declarations it must keep apart from its own, and before the Win32
// headers, which would otherwise bring the first version's declarations.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <winsock2.h>

#include "tests/platform/db/WireTap.h"

#include <stdexcept>

#include "platform/rtl/WinApi.h"

namespace {

constexpr unsigned char kQueryCommand = 0x03;

// One client connection and its connection to the server, with the client's
// bytes not yet read as whole packets.
struct TRelay {
  SOCKET Client = INVALID_SOCKET;
  SOCKET Server = INVALID_SOCKET;
  std::string Pending;
};

SOCKET Listen(int port, int& boundPort) {
  SOCKET listener = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  const BOOL reuse = TRUE;
  setsockopt(listener, SOL_SOCKET, SO_REUSEADDR, reinterpret_cast<const char*>(&reuse),
             sizeof reuse);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = htons(static_cast<u_short>(port));
  if (bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
      listen(listener, 8) != 0) {
    closesocket(listener);
    throw std::runtime_error("wire tap: cannot listen");
  }
  int length = sizeof address;
  getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length);
  boundPort = ntohs(address.sin_port);
  return listener;
}

SOCKET ConnectTo(const std::string& host, int port) {
  SOCKET server = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = inet_addr(host.c_str());
  address.sin_port = htons(static_cast<u_short>(port));
  if (connect(server, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
    closesocket(server);
    return INVALID_SOCKET;
  }
  return server;
}

// The statement the server answers with an error of the given text.
const std::string kRefusedStatement =
    std::string("SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT='") + TWireTap::kRefusal + "'";

std::string QueryPacket(const std::string& statement) {
  const std::size_t length = statement.size() + 1;
  std::string packet{static_cast<char>(length & 0xFF), static_cast<char>((length >> 8) & 0xFF),
                     static_cast<char>((length >> 16) & 0xFF), 0,
                     static_cast<char>(kQueryCommand)};
  return packet + statement;
}

bool SendAll(SOCKET socket, const char* data, int length) {
  while (length > 0) {
    const int sent = send(socket, data, length, 0);
    if (sent <= 0)
      return false;
    data += sent;
    length -= sent;
  }
  return true;
}

} // namespace

struct TWireTap::TState {
  std::string Host;
  int TargetPort = 0;
  int Port = 0;
  SOCKET Listener = INVALID_SOCKET;
  std::vector<TRelay> Relays;
  std::vector<std::string> Statements;
  std::vector<std::string> Refused;
  mutable CRITICAL_SECTION Lock;
  HANDLE Thread = nullptr;
  volatile LONG Stopping = 0;

  static DWORD WINAPI Main(void* state);
  void Run();
  void Accept();
  bool Forward(TRelay& relay, bool fromClient);
  std::string TakePackets(TRelay& relay);
  bool Record(const std::string& statement);
  void CloseAll();
};

void TWireTap::TState::Run() {
  while (!Stopping) {
    fd_set readable;
    FD_ZERO(&readable);
    FD_SET(Listener, &readable);
    for (const TRelay& relay : Relays) {
      FD_SET(relay.Client, &readable);
      FD_SET(relay.Server, &readable);
    }
    timeval wait{0, 20000};
    if (select(0, &readable, nullptr, nullptr, &wait) <= 0)
      continue;
    if (FD_ISSET(Listener, &readable))
      Accept();
    for (std::size_t i = 0; i < Relays.size();) {
      TRelay& relay = Relays[i];
      const bool open = (!FD_ISSET(relay.Client, &readable) || Forward(relay, true)) &&
                        (!FD_ISSET(relay.Server, &readable) || Forward(relay, false));
      if (open) {
        ++i;
        continue;
      }
      closesocket(relay.Client);
      closesocket(relay.Server);
      Relays.erase(Relays.begin() + static_cast<std::ptrdiff_t>(i));
    }
  }
  CloseAll();
}

void TWireTap::TState::Accept() {
  SOCKET client = accept(Listener, nullptr, nullptr);
  if (client == INVALID_SOCKET)
    return;
  SOCKET server = ConnectTo(Host, TargetPort);
  if (server == INVALID_SOCKET) {
    closesocket(client);
    return;
  }
  Relays.push_back({client, server, {}});
}

bool TWireTap::TState::Forward(TRelay& relay, bool fromClient) {
  char buffer[65536];
  const int received = recv(fromClient ? relay.Client : relay.Server, buffer, sizeof buffer, 0);
  if (received <= 0)
    return false;
  if (!fromClient)
    return SendAll(relay.Client, buffer, received);
  relay.Pending.append(buffer, static_cast<std::size_t>(received));
  const std::string packets = TakePackets(relay);
  return SendAll(relay.Server, packets.data(), static_cast<int>(packets.size()));
}

// Packets: a 3-byte little-endian length, a sequence number, the payload. A
// command starts a new sequence (number 0); a query command's payload is the
// command byte and the statement text. Takes the client's whole packets,
// recording each statement and replacing one to be refused; the rest of a
// packet waits for its next bytes.
std::string TWireTap::TState::TakePackets(TRelay& relay) {
  std::string& data = relay.Pending;
  std::string packets;
  while (data.size() >= 4) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(data[i]); };
    const std::size_t length = byte(0) | (byte(1) << 8) | (byte(2) << 16);
    if (data.size() < 4 + length)
      break;
    if (byte(3) == 0 && length > 0 && byte(4) == kQueryCommand &&
        Record(data.substr(5, length - 1)))
      packets += QueryPacket(kRefusedStatement);
    else
      packets += data.substr(0, 4 + length);
    data.erase(0, 4 + length);
  }
  return packets;
}

// Records the statement; answers whether it is to be refused.
bool TWireTap::TState::Record(const std::string& statement) {
  EnterCriticalSection(&Lock);
  Statements.push_back(statement);
  bool refused = false;
  for (const std::string& start : Refused)
    refused = refused || statement.starts_with(start);
  LeaveCriticalSection(&Lock);
  return refused;
}

void TWireTap::TState::CloseAll() {
  for (const TRelay& relay : Relays) {
    closesocket(relay.Client);
    closesocket(relay.Server);
  }
  Relays.clear();
  closesocket(Listener);
  Listener = INVALID_SOCKET;
}

DWORD WINAPI TWireTap::TState::Main(void* state) {
  static_cast<TState*>(state)->Run();
  return 0;
}

TWireTap::TWireTap(const std::string& host, int port, int listenPort)
    : m_state(std::make_unique<TState>()) {
  WSADATA data;
  WSAStartup(MAKEWORD(2, 2), &data);
  InitializeCriticalSection(&m_state->Lock);
  m_state->Host = host;
  m_state->TargetPort = port;
  m_state->Port = listenPort;
  try {
    Restore();
  } catch (...) {
    DeleteCriticalSection(&m_state->Lock);
    WSACleanup();
    throw;
  }
}

TWireTap::~TWireTap() {
  CutOff();
  DeleteCriticalSection(&m_state->Lock);
  WSACleanup();
}

int TWireTap::Port() const { return m_state->Port; }

std::vector<std::string> TWireTap::Statements() const {
  EnterCriticalSection(&m_state->Lock);
  std::vector<std::string> statements = m_state->Statements;
  LeaveCriticalSection(&m_state->Lock);
  return statements;
}

void TWireTap::Clear() {
  EnterCriticalSection(&m_state->Lock);
  m_state->Statements.clear();
  LeaveCriticalSection(&m_state->Lock);
}

void TWireTap::CutOff() {
  if (!m_state->Thread)
    return;
  InterlockedExchange(&m_state->Stopping, 1);
  WaitForSingleObject(m_state->Thread, INFINITE);
  CloseHandle(m_state->Thread);
  m_state->Thread = nullptr;
}

void TWireTap::Refuse(const std::string& statementStart) {
  EnterCriticalSection(&m_state->Lock);
  m_state->Refused.push_back(statementStart);
  LeaveCriticalSection(&m_state->Lock);
}

void TWireTap::RefuseNothing() {
  EnterCriticalSection(&m_state->Lock);
  m_state->Refused.clear();
  LeaveCriticalSection(&m_state->Lock);
}

void TWireTap::Restore() {
  if (m_state->Thread)
    return;
  m_state->Listener = Listen(m_state->Port, m_state->Port);
  InterlockedExchange(&m_state->Stopping, 0);
  m_state->Thread = CreateThread(nullptr, 0, &TState::Main, m_state.get(), 0, nullptr);
}
