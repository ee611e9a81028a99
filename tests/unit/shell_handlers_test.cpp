#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/cancel.h"
#include "app/entry.h"
#include "tests/fake_runtime.h"

namespace corvane::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(ProgramEntry, LoadsTheMainWindowRunsTheLoopThenExitsWithZero) {
  FakeRuntime fake;
  ProgramEntry();
  EXPECT_THAT(fake.calls(), ElementsAre("load-window 52010001", "message-loop 0", "exit 0"));
}

TEST(OnCancelClick, RunsCommand216OnTheWindowWithItsOptionalArgumentLeftOut) {
  FakeRuntime fake;
  OnCancelClick();
  EXPECT_THAT(fake.calls(), ElementsAre("run core 216 object:52010001/MainWindow/00010001 omitted"));
  EXPECT_THAT(fake.Problems(), IsEmpty());
}

}  // namespace
}  // namespace corvane::testing
