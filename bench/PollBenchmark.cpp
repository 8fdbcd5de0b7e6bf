// Hand-run benchmark (see run-poll-benchmark.sh): the cost of one poll of
// the messenger's main window with 10 000 users in the user list and 100
// messages waiting for the logged-in user. The poll runs exactly as the
// timer runs it; its time is measured around the tick, its memory by
// counting every allocation of the program's own code during the tick.
//
//   poll_benchmark.exe [lines already shown]   (default 0)
//
// With lines already shown, the message window's history holds that many
// lines of earlier conversation before each tick.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/Main.h"
#include "app/Mesaj.h"
#include "app/Messenger.h"
#include "bench/HeapCounter.h"
#include "platform/controls/Application.h"
#include "platform/controls/Timers.h"
#include "platform/db/ZConnection.h"
#include "platform/db/ZDataset.h"
#include "platform/stdctrls/StdCtrls.h"

namespace {

constexpr const char* kUser = "pollbench_00001";
constexpr int kRounds = 15;

struct TPollCost {
  double Milliseconds = 0;
  long long Allocated = 0;
  long long Peak = 0;
  long long Retained = 0;
};

// One tick of the poll timer, measured.
TPollCost MeasureTick() {
  TPollCost cost;
  const long long before = heap_counter::LiveBytes();
  heap_counter::ResetPeak();
  const long long allocatedBefore = heap_counter::AllocatedBytes();
  const auto start = std::chrono::steady_clock::now();
  Main1->Timer1Timer(Main1->Timer1());
  const auto stop = std::chrono::steady_clock::now();
  cost.Milliseconds = std::chrono::duration<double, std::milli>(stop - start).count();
  cost.Allocated = heap_counter::AllocatedBytes() - allocatedBefore;
  cost.Peak = heap_counter::PeakBytes() - before;
  cost.Retained = heap_counter::LiveBytes() - before;
  return cost;
}

// 'count' lines of earlier conversation.
std::string EarlierLines(int count) {
  std::string text;
  for (int i = 0; i < count; ++i)
    text += "pollbench_00002:eski ileti " + std::to_string(i) + "\r\n";
  return text;
}

} // namespace

int main(int argc, char** argv) {
  const int linesShown = argc > 1 ? std::max(0, std::atoi(argv[1])) : 0;
  const char* host = std::getenv("MESSENGER_DB_HOST");
  const char* port = std::getenv("MESSENGER_DB_PORT");
  if (!host || !port) {
    std::fprintf(stderr, "MESSENGER_DB_HOST and MESSENGER_DB_PORT are not set\n");
    return 2;
  }
  StartMessengerUnits();
  CreateMessengerForms();
  TZConnection* connection = Main1->ZConnection1();
  connection->SetHostName(host);
  connection->SetPort(std::atoi(port));
  connection->Connect();

  TOwned<TZQuery> command(Create<TZQuery>(nullptr));
  command->SetConnection(connection);
  command->SQL()->SetText("SELECT Id FROM msg_kimlik WHERE TakmaAd='" + std::string(kUser) + "'");
  command->Open();
  Main1->BeginSession({command->Fields(0)->AsInteger(), kUser});
  const int users = Main1->ZKimlik1()->RecordCount();

  const std::string earlier = EarlierLines(linesShown);
  std::vector<TPollCost> costs;
  for (int round = 0; round < kRounds; ++round) {
    command->SQL()->SetText("INSERT INTO msg_mesaj (Gonderen, Alan, Mesaj, Durum) "
                            "SELECT 'pollbench_00002', '" + std::string(kUser) +
                            "', CONCAT('ileti ', seq), 'Online' FROM seq_1_to_100");
    command->ExecSQL();
    Mesaj1->Memo1()->Lines()->SetText(earlier);
    costs.push_back(MeasureTick());
  }
  const int lines = Mesaj1->Memo1()->Lines()->Count() - linesShown;
  std::sort(costs.begin(), costs.end(),
            [](const TPollCost& a, const TPollCost& b) { return a.Milliseconds < b.Milliseconds; });
  const TPollCost& median = costs[costs.size() / 2];
  std::printf("users in the list: %d, messages per poll: %d (of %zu polls), lines already "
              "shown: %d\n",
              users, lines, costs.size(), linesShown);
  std::printf("poll: median %.1f ms, best %.1f ms\n", median.Milliseconds,
              costs.front().Milliseconds);
  std::printf("memory of the median poll, in the messenger's own objects (the client "
              "library's result buffers come on top): %lld bytes allocated, %lld bytes at most "
              "held at once beyond what was held before, %lld bytes still held after\n",
              median.Allocated, median.Peak, median.Retained);
  command.reset();
  ProgramUnits().Stop();
  return 0;
}
