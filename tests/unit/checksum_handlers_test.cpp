// Each scenario scripts what the runtime hands back and holds the handler to
// the exact sequence of calls and releases it makes, and nothing more.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "checksum/controls.h"
#include "checksum/handlers.h"
#include "runtime/commands.h"
#include "runtime/form.h"
#include "tests/fake_runtime.h"

namespace corvane::testing {
namespace {

struct Readout {
  ControlAddress control;
  Property property;
  Reply reply;
};

struct Ran {
  Command command;
  Reply reply;
};

struct Scenario {
  const char* name;
  Handler handler;
  std::vector<Readout> reads;
  std::vector<Ran> commands;
  std::vector<std::string> calls;
};

const Readout kTextMode{单选框2, Property::Checked, Reply::Integer(0)};
const Readout kFileMode{单选框2, Property::Checked, Reply::Integer(1)};
const Readout kTyped{编辑框1, Property::Content, Reply::Text("typed", "abc")};
const Readout kChosenName{通用对话框1, Property::FileName, Reply::Text("name", "/tmp/a")};
const Ran kBytesOfText{kTextToBytes, Reply::Bytes("bytes", "abc")};
const Ran kBytesOfFile{kReadWholeFile, Reply::Bytes("bytes")};
const Ran kDigest{kDigestText, Reply::Text("digest", "900150983cd24fb0d6963f7d28e17f72")};
const Ran kConfirm{kShowOpenDialog, Reply::Integer(1)};
const Ran kCancel{kShowOpenDialog, Reply::Integer(0)};

const std::string kReadMode = "read 单选框2 checked";
const std::string kShowDialog = "run core 233 object:52010001/通用对话框1/0001001f";

const Scenario kScenarios[] = {
    {"TextMode", OnCalculateClick, {kTextMode, kTyped}, {kBytesOfText, kDigest},
     {kReadMode, "read 编辑框1 content", "run core 102 text:typed", "release typed", "run data 2 bytes:bytes",
      "release bytes", "write 编辑框2 content digest", "release digest"}},
    {"CheckedOtherThanOneIsTextMode", OnCalculateClick, {{单选框2, Property::Checked, Reply::Integer(2)}, kTyped},
     {kBytesOfText, kDigest},
     {kReadMode, "read 编辑框1 content", "run core 102 text:typed", "release typed", "run data 2 bytes:bytes",
      "release bytes", "write 编辑框2 content digest", "release digest"}},
    {"NullTextBecomesEmptyText", OnCalculateClick, {kTextMode}, {kBytesOfText, kDigest},
     {kReadMode, "read 编辑框1 content", "run core 102 text:empty-text", "run data 2 bytes:bytes", "release bytes",
      "write 编辑框2 content digest", "release digest"}},
    {"NullBytesBecomeEmptyBytes", OnCalculateClick, {kTextMode, kTyped}, {kDigest},
     {kReadMode, "read 编辑框1 content", "run core 102 text:typed", "release typed", "run data 2 bytes:empty-bytes",
      "write 编辑框2 content digest", "release digest"}},
    {"NullDigestIsWrittenAsItCame", OnCalculateClick, {kTextMode, kTyped}, {kBytesOfText},
     {kReadMode, "read 编辑框1 content", "run core 102 text:typed", "release typed", "run data 2 bytes:bytes",
      "release bytes", "write 编辑框2 content null"}},
    {"FileMode", OnCalculateClick, {kFileMode, kChosenName, kTyped}, {kBytesOfFile, kDigest},
     {kReadMode, "read 通用对话框1 file-name", "run core 154 text:name", "release name", "run data 2 bytes:bytes",
      "release bytes", "write 编辑框2 content digest", "release digest"}},
    {"FileModeWithoutNameAsksTheRuntimeForEmptyName", OnCalculateClick, {kFileMode},
     {{kReadWholeFile, Reply::Failure("no-file")}},
     {kReadMode, "read 通用对话框1 file-name", "run core 154 text:empty-text", "write 编辑框2 content no-file",
      "release no-file"}},
    {"UnreadableFileShowsTheFailureNotADigest", OnCalculateClick, {kFileMode, kChosenName},
     {{kReadWholeFile, Reply::Failure("why")}, kDigest},
     {kReadMode, "read 通用对话框1 file-name", "run core 154 text:name", "release name",
      "write 编辑框2 content why", "release why"}},
    {"FailedDigestIsShown", OnCalculateClick, {kFileMode, kChosenName},
     {kBytesOfFile, {kDigestText, Reply::Failure("changed")}},
     {kReadMode, "read 通用对话框1 file-name", "run core 154 text:name", "release name", "run data 2 bytes:bytes",
      "release bytes", "write 编辑框2 content changed", "release changed"}},
    {"FileModeNullBytesBecomeEmptyBytes", OnCalculateClick, {kFileMode, kChosenName}, {kDigest},
     {kReadMode, "read 通用对话框1 file-name", "run core 154 text:name", "release name",
      "run data 2 bytes:empty-bytes", "write 编辑框2 content digest", "release digest"}},

    {"TextModeClickOnlyEnablesTheInput", OnTextModeClick, {kFileMode}, {}, {"write 编辑框1 disabled 0"}},
    {"FileModeClickWhileUncheckedDoesNothing", OnFileModeClick, {kTextMode}, {kConfirm}, {kReadMode}},
    {"FileModeClickCheckedOtherThanOneDoesNothing", OnFileModeClick,
     {{单选框2, Property::Checked, Reply::Integer(-1)}}, {kConfirm}, {kReadMode}},
    {"CancelledDialogChangesNothing", OnFileModeClick, {kFileMode, kChosenName}, {kCancel}, {kReadMode, kShowDialog}},
    {"ConfirmedFileShowsItsPathAndDisablesTheInput", OnFileModeClick, {kFileMode, kChosenName}, {kConfirm},
     {kReadMode, kShowDialog, "read 通用对话框1 file-name", "write 编辑框1 content name", "release name",
      "write 编辑框1 disabled 1"}},
    {"ConfirmedEmptyName", OnFileModeClick, {kFileMode, {通用对话框1, Property::FileName, Reply::Text("empty", "")}},
     {kConfirm},
     {kReadMode, kShowDialog, "read 通用对话框1 file-name", "write 编辑框1 content empty", "release empty",
      "write 编辑框1 disabled 1"}},
    {"ConfirmedNullNameIsWrittenAsNull", OnFileModeClick, {kFileMode}, {kConfirm},
     {kReadMode, kShowDialog, "read 通用对话框1 file-name", "write 编辑框1 content null",
      "write 编辑框1 disabled 1"}},
};

void PrintTo(const Scenario& scenario, std::ostream* out) { *out << scenario.name; }

class ChecksumHandlers : public ::testing::TestWithParam<Scenario> {};

TEST_P(ChecksumHandlers, MakeExactlyTheseCallsAndReleases) {
  const Scenario& scenario = GetParam();
  FakeRuntime fake;
  for (const Readout& readout : scenario.reads) fake.OnRead(readout.control, readout.property, readout.reply);
  for (const Ran& ran : scenario.commands) fake.OnCommand(ran.command, ran.reply);

  scenario.handler();

  EXPECT_THAT(fake.calls(), ::testing::ElementsAreArray(scenario.calls));
  EXPECT_THAT(fake.Problems(), ::testing::IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(Scenarios, ChecksumHandlers, ::testing::ValuesIn(kScenarios),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace corvane::testing
