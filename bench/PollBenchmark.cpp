// Hand-run benchmark (see run-poll-benchmark.sh): the cost of one poll of
// the messenger's main window with 10 000 users in the user list and 100
// messages waiting for the logged-in user. The poll runs exactly as the
// timer runs it; its time is measured around the tick, its memory by
// counting every allocation of the program's own code during the tick.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <string>
#include <vector>

#include "app/Main.h"
#include "app/Mesaj.h"
#include "app/Messenger.h"
#include "platform/controls/Application.h"
#include "platform/controls/Timers.h"
#include "platform/db/ZConnection.h"
#include "platform/db/ZDataset.h"
#include "platform/stdctrls/StdCtrls.h"

namespace {

std::atomic<long long> g_liveBytes = 0;
std::atomic<long long> g_peakBytes = 0;
std::atomic<long long> g_allocatedBytes = 0;

// Each block carries its size in front of it.
constexpr std::size_t kHeader = alignof(std::max_align_t);

void* Allocate(std::size_t size) {
  auto* block = static_cast<unsigned char*>(std::malloc(size + kHeader));
  if (!block)
    throw std::bad_alloc();
  *reinterpret_cast<std::size_t*>(block) = size;
  g_allocatedBytes += static_cast<long long>(size);
  const long long live = g_liveBytes += static_cast<long long>(size);
  for (long long peak = g_peakBytes; live > peak && !g_peakBytes.compare_exchange_weak(peak, live);) {
  }
  return block + kHeader;
}

void Release(void* pointer) {
  if (!pointer)
    return;
  auto* block = static_cast<unsigned char*>(pointer) - kHeader;
  g_liveBytes -= static_cast<long long>(*reinterpret_cast<std::size_t*>(block));
  std::free(block);
}

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
  const long long before = g_liveBytes;
  g_peakBytes = before;
  const long long allocatedBefore = g_allocatedBytes;
  const auto start = std::chrono::steady_clock::now();
  Main1->Timer1Timer(Main1->Timer1());
  const auto stop = std::chrono::steady_clock::now();
  cost.Milliseconds = std::chrono::duration<double, std::milli>(stop - start).count();
  cost.Allocated = g_allocatedBytes - allocatedBefore;
  cost.Peak = g_peakBytes - before;
  cost.Retained = g_liveBytes - before;
  return cost;
}

} // namespace

void* operator new(std::size_t size) { return Allocate(size); }
void* operator new[](std::size_t size) { return Allocate(size); }
void operator delete(void* pointer) noexcept { Release(pointer); }
void operator delete[](void* pointer) noexcept { Release(pointer); }
void operator delete(void* pointer, std::size_t) noexcept { Release(pointer); }
void operator delete[](void* pointer, std::size_t) noexcept { Release(pointer); }

int main() {
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

  std::vector<TPollCost> costs;
  for (int round = 0; round < kRounds; ++round) {
    command->SQL()->SetText("INSERT INTO msg_mesaj (Gonderen, Alan, Mesaj, Durum) "
                            "SELECT 'pollbench_00002', '" + std::string(kUser) +
                            "', CONCAT('ileti ', seq), 'Online' FROM seq_1_to_100");
    command->ExecSQL();
    Mesaj1->Memo1()->Clear();
    costs.push_back(MeasureTick());
  }
  const int lines = Mesaj1->Memo1()->Lines()->Count();
  std::sort(costs.begin(), costs.end(),
            [](const TPollCost& a, const TPollCost& b) { return a.Milliseconds < b.Milliseconds; });
  const TPollCost& median = costs[costs.size() / 2];
  std::printf("users in the list: %d, messages per poll: %d (of %zu polls)\n", users, lines,
              costs.size());
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
