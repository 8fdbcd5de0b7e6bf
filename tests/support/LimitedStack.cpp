#include "tests/support/LimitedStack.h"

#include <string>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/WinApi.h"
#include "tests/support/GTest.h"

namespace {

// The stack left below 'local' in the calling thread's stack.
std::size_t StackLeftBelow(const void* local) {
  MEMORY_BASIC_INFORMATION region{};
  ::VirtualQuery(local, &region, sizeof region);
  return static_cast<std::size_t>(static_cast<const char*>(local) -
                                  static_cast<const char*>(region.AllocationBase));
}

// Takes stack in frames of 16 KB until no more than 'keep' is left, then
// runs 'work'.
void RunOnStackLeft(std::size_t keep, const std::function<void()>& work) {
  volatile char frame[16 * 1024];
  frame[0] = 0;
  frame[sizeof frame - 1] = 0;
  if (StackLeftBelow(const_cast<char*>(&frame[0])) > keep)
    RunOnStackLeft(keep, work);
  else
    work();
  frame[1] = frame[0];
}

struct TStackJob {
  std::size_t keep;
  const std::function<void()>* work;
  std::string failure;
  bool completed = false;
};

DWORD WINAPI RunStackJob(void* parameter) {
  auto* job = static_cast<TStackJob*>(parameter);
  try {
    RunOnStackLeft(job->keep, *job->work);
  } catch (const Exception& error) {
    job->failure = error.Message();
  }
  job->completed = true;
  return 0;
}

} // namespace

void RunWithStackLeft(std::size_t stackBytes, const std::function<void()>& work) {
  TStackJob job{stackBytes, &work, {}};
  HANDLE thread = ::CreateThread(nullptr, 1024 * 1024, RunStackJob, &job,
                                 STACK_SIZE_PARAM_IS_A_RESERVATION, nullptr);
  ASSERT_NE(thread, nullptr);
  ::WaitForSingleObject(thread, INFINITE);
  ::CloseHandle(thread);
  EXPECT_TRUE(job.completed) << "out of stack";
  EXPECT_EQ(job.failure, "");
}

