// Hand-run benchmark (see run-benchmark.sh): opens the 10 000 benchmark rows
// of msg_kimlik and reports the time of one open and the memory the open
// dataset holds per row, counting the program's own allocations.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/HeapCounter.h"
#include "platform/db/ZConnection.h"
#include "platform/db/ZDataset.h"
#include "platform/rtl/RtlUnits.h"
#include "platform/rtl/UnitStartup.h"

namespace {

const char* const kStatement = "select * from `msg_kimlik` where `TakmaAd` like 'bench\\_%'";

} // namespace

int main() {
  ProgramUnits().Start(RtlUnits());
  const char* host = std::getenv("MESSENGER_DB_HOST");
  const char* port = std::getenv("MESSENGER_DB_PORT");
  if (!host || !port) {
    std::fprintf(stderr, "MESSENGER_DB_HOST and MESSENGER_DB_PORT are not set\n");
    return 2;
  }
  TOwned<TZConnection> connection(Create<TZConnection>(nullptr));
  connection->SetHostName(host);
  connection->SetPort(std::atoi(port));
  connection->SetDatabase("vorlendi_db");
  connection->SetUser("vorlendi");
  connection->SetPassword("Tun8rQwzEk3M");
  TOwned<TZQuery> query(Create<TZQuery>(nullptr));
  query->SetConnection(connection.get());
  query->SQL()->SetText(kStatement);
  connection->Connect();

  std::vector<double> milliseconds;
  long long bytesPerRow = 0;
  int rows = 0;
  for (int run = 0; run < 7; ++run) {
    query->Close();
    const long long before = heap_counter::LiveBytes();
    const auto start = std::chrono::steady_clock::now();
    query->Open();
    const auto stop = std::chrono::steady_clock::now();
    milliseconds.push_back(std::chrono::duration<double, std::milli>(stop - start).count());
    rows = query->RecordCount();
    bytesPerRow = rows ? (heap_counter::LiveBytes() - before) / rows : 0;
  }
  std::sort(milliseconds.begin(), milliseconds.end());
  std::printf("rows: %d\nopen: median %.1f ms, best %.1f ms (of %zu)\nmemory: %lld bytes per row\n",
              rows, milliseconds[milliseconds.size() / 2], milliseconds.front(),
              milliseconds.size(), bytesPerRow);
  query.reset();
  connection.reset();
  ProgramUnits().Stop();
  return 0;
}
