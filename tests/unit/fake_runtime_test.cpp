// The fake must catch the ownership faults the handler tests rely on it for.

#include "tests/fake_runtime.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "checksum/controls.h"

namespace corvane::testing {
namespace {

using ::testing::ElementsAre;

TEST(FakeRuntime, ReportsEveryOwnershipFault) {
  FakeRuntime fake;
  fake.OnRead(编辑框1, Property::Content, Reply::Text("kept"));
  fake.OnRead(通用对话框1, Property::FileName, Reply::Text("twice"));
  Value* kept = ReadProperty(编辑框1, Property::Content).value;
  Value* twice = ReadProperty(通用对话框1, Property::FileName).value;
  ReleaseValue(twice);
  ReleaseValue(twice);
  ReleaseValue(nullptr);
  ReleaseValue(const_cast<Value*>(&EmptyText()));
  ASSERT_NE(kept, nullptr);
  EXPECT_THAT(fake.Problems(), ElementsAre("second release of twice", "release of null", "release of empty-text",
                                           "never released: kept"));
}

}  // namespace
}  // namespace corvane::testing
