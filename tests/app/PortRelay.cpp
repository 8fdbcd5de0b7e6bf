// Windows Sockets 2 comes first: before the C library's headers, whose
// select declarations it must keep apart from its own, and before the Win32
// headers, which would otherwise bring the first version's declarations.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <winsock2.h>

#include "tests/app/PortRelay.h"

#include <vector>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/WinApi.h"

namespace {

struct TConnectionPair {
  SOCKET Client = INVALID_SOCKET;
  SOCKET Server = INVALID_SOCKET;
};

bool Forward(SOCKET from, SOCKET to) {
  char buffer[65536];
  const int received = recv(from, buffer, sizeof buffer, 0);
  for (int sent = 0, at = 0; received > 0 && at < received; at += sent) {
    sent = send(to, buffer + at, received - at, 0);
    if (sent <= 0)
      return false;
  }
  return received > 0;
}

} // namespace

struct TPortRelay::TState {
  std::string Host;
  int TargetPort = 0;
  SOCKET Listener = INVALID_SOCKET;
  std::vector<TConnectionPair> Pairs;
  HANDLE Thread = nullptr;
  volatile LONG Stopping = 0;

  static DWORD WINAPI Main(void* state) {
    static_cast<TState*>(state)->Run();
    return 0;
  }

  void Run() {
    while (!Stopping) {
      fd_set readable;
      FD_ZERO(&readable);
      FD_SET(Listener, &readable);
      for (const TConnectionPair& pair : Pairs) {
        FD_SET(pair.Client, &readable);
        FD_SET(pair.Server, &readable);
      }
      timeval wait{0, 20000};
      if (select(0, &readable, nullptr, nullptr, &wait) <= 0)
        continue;
      if (FD_ISSET(Listener, &readable))
        Accept();
      for (std::size_t i = 0; i < Pairs.size();) {
        const TConnectionPair pair = Pairs[i];
        const bool open = (!FD_ISSET(pair.Client, &readable) || Forward(pair.Client, pair.Server)) &&
                          (!FD_ISSET(pair.Server, &readable) || Forward(pair.Server, pair.Client));
        if (open) {
          ++i;
          continue;
        }
        closesocket(pair.Client);
        closesocket(pair.Server);
        Pairs.erase(Pairs.begin() + static_cast<std::ptrdiff_t>(i));
      }
    }
    for (const TConnectionPair& pair : Pairs) {
      closesocket(pair.Client);
      closesocket(pair.Server);
    }
    closesocket(Listener);
  }

  void Accept() {
    const SOCKET client = accept(Listener, nullptr, nullptr);
    if (client == INVALID_SOCKET)
      return;
    const SOCKET server = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = inet_addr(Host.c_str());
    address.sin_port = htons(static_cast<u_short>(TargetPort));
    if (connect(server, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
      closesocket(server);
      closesocket(client);
      return;
    }
    Pairs.push_back({client, server});
  }
};

TPortRelay::TPortRelay(int port, const std::string& host, int targetPort)
    : m_state(std::make_unique<TState>()) {
  WSADATA data;
  WSAStartup(MAKEWORD(2, 2), &data);
  m_state->Host = host;
  m_state->TargetPort = targetPort;
  m_state->Listener = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  // Connections of an earlier run still closing keep no one from listening.
  const BOOL reuse = TRUE;
  setsockopt(m_state->Listener, SOL_SOCKET, SO_REUSEADDR, reinterpret_cast<const char*>(&reuse),
             sizeof reuse);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = htons(static_cast<u_short>(port));
  if (bind(m_state->Listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
      listen(m_state->Listener, 8) != 0) {
    closesocket(m_state->Listener);
    WSACleanup();
    throw Exception("Port " + std::to_string(port) + " on 127.0.0.1 is taken");
  }
  m_state->Thread = CreateThread(nullptr, 0, &TState::Main, m_state.get(), 0, nullptr);
}

TPortRelay::~TPortRelay() {
  InterlockedExchange(&m_state->Stopping, 1);
  WaitForSingleObject(m_state->Thread, INFINITE);
  CloseHandle(m_state->Thread);
  WSACleanup();
}
