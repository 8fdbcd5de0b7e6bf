// A relay between the client library and the test server that records the
// statements the client sends (the text of each query command, as it goes
// over the wire), can be cut off and restored, and can have the server
// refuse chosen statements, so that tests see exactly what was sent, what a
// server that goes away looks like and what a refused statement does.
//
// Classes in this file: TWireTap.
#pragma once

#include <memory>
#include <string>
#include <vector>

class TWireTap {
public:
  // Listens on loopback 'listenPort' (0: a free one) and relays to
  // host:port; raises std::runtime_error when the port is taken.
  TWireTap(const std::string& host, int port, int listenPort = 0);
  ~TWireTap();
  TWireTap(const TWireTap&) = delete;
  TWireTap& operator=(const TWireTap&) = delete;

  int Port() const;
  // The statements sent since the last Clear, in order.
  std::vector<std::string> Statements() const;
  void Clear();
  // Closes every relayed connection and stops listening: the client sees
  // its server gone.
  void CutOff();
  // Listens again on the same port.
  void Restore();
  // From now on each statement that begins with 'statementStart' reaches
  // the server as one that it refuses with kRefusal: the client gets the
  // server's error answer and keeps its connection. Statements() still
  // holds what the client sent.
  void Refuse(const std::string& statementStart);
  // Passes every statement on again.
  void RefuseNothing();

  static constexpr const char* kRefusal = "refused by the wire tap";

private:
  struct TState;
  std::unique_ptr<TState> m_state;
};
