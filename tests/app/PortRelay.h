// Passes every connection made to a fixed loopback port on to another
// address: the messenger's definition names the server's port, and the
// relay puts the test server there.
//
// Classes in this file: TPortRelay.
#pragma once

#include <memory>
#include <string>

class TPortRelay {
public:
  // Listens on 127.0.0.1:'port' and relays to host:targetPort; raises
  // Exception when the port is taken.
  TPortRelay(int port, const std::string& host, int targetPort);
  ~TPortRelay();
  TPortRelay(const TPortRelay&) = delete;
  TPortRelay& operator=(const TPortRelay&) = delete;

private:
  struct TState;
  std::unique_ptr<TState> m_state;
};
