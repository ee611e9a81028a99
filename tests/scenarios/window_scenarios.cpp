// What a user sees of the window, as one table of scenarios that runs
// against each binding's real widgets: the input modes, calculations in both
// modes, every failure, long digests with their progress, cancelling and
// closing, what a click or a key does while a digest runs, the keyboard's
// rules and pastes.

#include <gtest/gtest.h>

#include <atomic>
#include <new>

#include "app/main_window_form.h"
#include "app/start_up.h"
#include "runtime/cp936.h"
#include "runtime/md5.h"
#include "runtime/messages.h"
#include "tests/scenarios/window_driver.h"
#include "tests/scripted_files.h"

namespace corvane::testing {
namespace {

using std::chrono_literals::operator""ms;

const std::u16string kEmptyDigest = u"d41d8cd98f00b204e9800998ecf8427e";
const std::u16string kAbcDigest = u"900150983cd24fb0d6963f7d28e17f72";

std::u16string Md5Hex(std::string_view bytes) {
  Md5 md5(Md5Cores().front());  // the reference core
  md5.Update(bytes);
  const std::string hex = ToHex(md5.Final());
  return std::u16string(hex.begin(), hex.end());
}

std::u16string Says(const char* utf8_message) { return cp936::ToUtf16(cp936::FromUtf8(utf8_message)); }

bool StartsWith(std::u16string_view text, std::u16string_view start) { return text.substr(0, start.size()) == start; }

std::u16string Calculate(WindowDriver& w) {
  w.Click("按钮1");
  return w.Text("编辑框2");
}

// Empties the box as the program would, before a new text is typed.
void Clear(WindowDriver& w, const char* edit) {
  w.core().WriteProperty(kMainWindowForm.Address(edit), Property::Content, -1, &EmptyText());
}

void ChooseFile(WindowDriver& w, const std::u16string& path) {
  w.AnswerDialog(path);
  w.Click("单选框2");
}

// A file of 24 MiB that takes 40 ms a read: a digest of it runs for a
// second, long enough to show progress and to be interrupted.
constexpr std::uint64_t kSlowSize = 24 << 20;

struct SlowDigest {
  std::atomic<int> reads{0};
  std::u16string seen_meanwhile;  // 编辑框2, when `during` ran
  bool failure_colour_meanwhile = false;
};

// `said_size`: what the system says the file holds.
void UseSlowFile(WindowDriver& w, SlowDigest& slow, std::uint64_t said_size = kSlowSize) {
  w.core().SetFileOpener([&slow, said_size](std::string_view) -> OpenedFile {
    return std::make_unique<SlowFile>(kSlowSize, std::chrono::milliseconds(40), slow.reads, said_size);
  });
  ChooseFile(w, u"/scripted/slow file");
}

// Clicks 计算 and runs `during` while the digest runs.
void CalculateAndMeanwhile(WindowDriver& w, SlowDigest& slow, std::function<void()> during) {
  w.Meanwhile(300ms, [&w, &slow, during] {
    slow.seen_meanwhile = w.Text("编辑框2");
    slow.failure_colour_meanwhile = w.InFailureColour("编辑框2");
    during();
  });
  w.Click("按钮1");
}

void ExpectWasRunning(const SlowDigest& slow) {
  EXPECT_TRUE(StartsWith(slow.seen_meanwhile, Says(messages::kInProgress)))
      << "the digest was running, showing its progress";
  EXPECT_EQ(slow.seen_meanwhile.back(), u'%');
}

// ---- The scenarios

void StartsInTextModeWithBothBoxesEmpty(WindowDriver& w) {
  EXPECT_TRUE(w.Checked("单选框1"));
  EXPECT_FALSE(w.Checked("单选框2"));
  for (const char* edit : {"编辑框1", "编辑框2"}) {
    EXPECT_EQ(w.Text(edit), u"") << edit;
    EXPECT_TRUE(w.Enabled(edit)) << edit;
  }
  EXPECT_EQ(Calculate(w), kEmptyDigest);
}

void InputModesMoveAsTheUserChooses(WindowDriver& w) {
  w.Type("编辑框1", u"typed");
  w.AnswerDialog(std::nullopt);
  w.Click("单选框2");
  EXPECT_TRUE(w.Checked("单选框2"));
  EXPECT_FALSE(w.Checked("单选框1"));
  EXPECT_TRUE(w.Enabled("编辑框1")) << "a cancelled dialog moves only the check";
  EXPECT_EQ(w.Text("编辑框1"), u"typed");

  const std::u16string path = w.WriteFile(u"a.txt", "a");
  ChooseFile(w, path);
  EXPECT_EQ(w.Text("编辑框1"), path);
  EXPECT_FALSE(w.Enabled("编辑框1"));

  w.Click("单选框1");
  EXPECT_TRUE(w.Checked("单选框1"));
  EXPECT_FALSE(w.Checked("单选框2"));
  EXPECT_TRUE(w.Enabled("编辑框1"));
  EXPECT_EQ(w.Text("编辑框1"), path) << "the path stays, now as a text";
  EXPECT_EQ(Calculate(w), Md5Hex(cp936::FromUtf16(path)));
}

void DigestsTypedTextAsItsCodePage936Bytes(WindowDriver& w) {
  const struct {
    std::u16string typed;
    std::string bytes;
  } cases[] = {
      {u"abc", "abc"}, {u"  abc ", "  abc "}, {u"计算", "\xBC\xC6\xCB\xE3"}, {u"€", "\x80"}, {u"😀", "\x94\x39\xFC\x36"},
  };
  for (const auto& c : cases) {
    Clear(w, "编辑框1");
    w.Type("编辑框1", c.typed);
    EXPECT_EQ(Calculate(w), Md5Hex(c.bytes));
    EXPECT_FALSE(w.InFailureColour("编辑框2"));
  }
}

void DigestsTheChosenFileNotTheInputBox(WindowDriver& w) {
  const std::u16string path = w.WriteFile(u"校验 文件 😀 한.txt", "message digest");
  ChooseFile(w, path);
  EXPECT_EQ(Calculate(w), u"f96b697d7cb7938d525a2f31aaf161d0");
  EXPECT_FALSE(w.InFailureColour("编辑框2"));
}

void EveryInputWithoutADigestSaysWhyInRed(WindowDriver& w) {
  w.AnswerDialog(std::nullopt);
  w.Click("单选框2");
  EXPECT_EQ(Calculate(w), Says(messages::kNoFileChosen));
  EXPECT_TRUE(w.InFailureColour("编辑框2"));

  const struct {
    std::u16string path;
    const char* message;
  } cases[] = {
      {w.ScratchFolder() + u"/removed", messages::kNotFound},
      {w.ScratchFolder(), messages::kIsFolder},
      {w.DevicePath(), messages::kNotRegular},
      {w.ScratchFolder() + u"/\xD800 lone surrogate", messages::kUnreadableName},
  };
  for (const auto& c : cases) {
    ChooseFile(w, c.path);
    EXPECT_EQ(Calculate(w), Says(c.message));
    EXPECT_TRUE(w.InFailureColour("编辑框2"));
  }
  w.Click("单选框1");
  Clear(w, "编辑框1");
  w.Type("编辑框1", u"abc");
  EXPECT_EQ(Calculate(w), kAbcDigest);
  EXPECT_FALSE(w.InFailureColour("编辑框2")) << "a digest after a failure is in the ordinary colour";
}

void ALongDigestShowsProgressAndTakesNoInput(WindowDriver& w) {
  SlowDigest slow;
  UseSlowFile(w, slow);
  const std::u16string input = w.Text("编辑框1");
  CalculateAndMeanwhile(w, slow, [&w] {
    w.Click("单选框1");
    w.Invoke("单选框1");  // as accessibility tools press it
    w.Click("按钮1");
    w.Invoke("按钮1");
    w.PressKey("按钮1", Key::Space);
    w.Type("编辑框1", u"x");
    w.PressKey("编辑框1", Key::Enter);
  });
  ExpectWasRunning(slow);
  EXPECT_EQ(w.Text("编辑框2"), Md5Hex(PatternBytes(kSlowSize)));
  EXPECT_FALSE(w.InFailureColour("编辑框2"));
  EXPECT_TRUE(w.Checked("单选框2")) << "no click moved the radio check";
  EXPECT_FALSE(w.Checked("单选框1"));
  EXPECT_FALSE(w.Enabled("编辑框1"));
  EXPECT_EQ(w.Text("编辑框1"), input);
  EXPECT_EQ(w.dialogs_shown(), 1);
  EXPECT_EQ(slow.reads, 25) << "one digest, read once";
  EXPECT_TRUE(w.WindowOpen());
}

void EscCancelsALongDigest(WindowDriver& w) {
  SlowDigest slow;
  UseSlowFile(w, slow);
  CalculateAndMeanwhile(w, slow, [&w] { w.PressKey("编辑框2", Key::Escape); });
  ExpectWasRunning(slow);
  EXPECT_EQ(w.Text("编辑框2"), Says(messages::kCancelled));
  EXPECT_TRUE(w.InFailureColour("编辑框2"));
  EXPECT_TRUE(w.WindowOpen());
  w.Click("单选框1");
  EXPECT_TRUE(w.Enabled("编辑框1")) << "the window answers again";
}

void TheCancelButtonCancelsALongDigestAndTheWindowStays(WindowDriver& w) {
  SlowDigest slow;
  UseSlowFile(w, slow);
  CalculateAndMeanwhile(w, slow, [&w] { w.Click("按钮2"); });
  ExpectWasRunning(slow);
  EXPECT_EQ(w.Text("编辑框2"), Says(messages::kCancelled));
  EXPECT_LT(slow.reads, 20);
  EXPECT_TRUE(w.WindowOpen());
}

void ClosingTheWindowStopsADigestAndEndsTheLoop(WindowDriver& w) {
  SlowDigest slow;
  UseSlowFile(w, slow);
  CalculateAndMeanwhile(w, slow, [&w] { w.CloseFromFrame(); });
  ExpectWasRunning(slow);
  EXPECT_LT(slow.reads, 20) << "the digest stopped before it was through (25 reads)";
  EXPECT_FALSE(w.WindowOpen());
  w.RunMessageLoop();  // returns at once: the window is gone
}

void ProgressAfterAFailureIsInTheOrdinaryColour(WindowDriver& w) {
  w.AnswerDialog(std::nullopt);
  w.Click("单选框2");
  Calculate(w);
  ASSERT_TRUE(w.InFailureColour("编辑框2"));
  SlowDigest slow;
  UseSlowFile(w, slow);
  CalculateAndMeanwhile(w, slow, [] {});
  ExpectWasRunning(slow);
  EXPECT_FALSE(slow.failure_colour_meanwhile);
}

void AQuickDigestShowsNoProgress(WindowDriver& w) {
  std::atomic<int> reads{0};
  w.core().SetFileOpener([&reads](std::string_view) -> OpenedFile {
    return std::make_unique<SlowFile>(1 << 20, std::chrono::milliseconds(0), reads);
  });
  ChooseFile(w, u"/scripted/quick file");
  EXPECT_EQ(Calculate(w), Md5Hex(PatternBytes(1 << 20)));
}

// Files of /proc say they hold nothing; those of /sys, 4096 bytes.
void AFileIsReadToItsEndWhateverItsSizeSays(WindowDriver& w) {
  for (const std::uint64_t said : {0u, 4096u, 3u}) {
    w.core().SetFileOpener([said](std::string_view) -> OpenedFile {
      return std::make_unique<ScriptedFile>("Linux version 6.1.0\n", said);
    });
    ChooseFile(w, u"/proc/version");
    EXPECT_EQ(Calculate(w), Md5Hex("Linux version 6.1.0\n")) << "said " << said;
    EXPECT_FALSE(w.InFailureColour("编辑框2"));
  }
}

void AFileThatChangesWhileItIsReadHasNoDigest(WindowDriver& w) {
  const struct {
    Change change;
    const char* message;
  } cases[] = {
      {Change::RewriteInPlace, messages::kChangedWhileRead},
      {Change::Append, messages::kChangedWhileRead},
      {Change::Truncate, messages::kChangedWhileRead},
      {Change::ReadError, messages::kReadError},
  };
  for (const auto& c : cases) {
    w.core().SetFileOpener([change = c.change](std::string_view) -> OpenedFile {
      return std::make_unique<ScriptedFile>(std::string(3 << 20, 'x'), 3 << 20, change);
    });
    ChooseFile(w, u"/scripted/changing");
    EXPECT_EQ(Calculate(w), Says(c.message)) << static_cast<int>(c.change);
    EXPECT_TRUE(w.InFailureColour("编辑框2"));
  }
}

void ALongDigestOfAFileOfUnknownSizeShowsTheAmountRead(WindowDriver& w) {
  SlowDigest slow;
  UseSlowFile(w, slow, 0);
  CalculateAndMeanwhile(w, slow, [] {});
  EXPECT_TRUE(StartsWith(slow.seen_meanwhile, Says(messages::kInProgressRead))) << "the amount read, not a share";
  EXPECT_EQ(slow.seen_meanwhile.substr(slow.seen_meanwhile.size() - 4), u" MiB");
  EXPECT_EQ(w.Text("编辑框2"), Md5Hex(PatternBytes(kSlowSize)));
}

void EnterInTheInputCalculates(WindowDriver& w) {
  w.Type("编辑框1", u"abc");
  w.PressKey("编辑框1", Key::Enter);
  EXPECT_EQ(w.Text("编辑框2"), kAbcDigest);
  EXPECT_EQ(w.Text("编辑框1"), u"abc");
}

void EnterOrSpacePressesTheFocusedButton(WindowDriver& w) {
  w.Type("编辑框1", u"abc");
  w.PressKey("按钮1", Key::Space);
  EXPECT_EQ(w.Text("编辑框2"), kAbcDigest);
  w.Type("编辑框1", u"d");
  w.PressKey("按钮1", Key::Enter);
  EXPECT_EQ(w.Text("编辑框2"), Md5Hex("abcd"));

  w.AnswerDialog(std::nullopt);
  w.PressKey("单选框2", Key::Space);
  EXPECT_TRUE(w.Checked("单选框2"));
  EXPECT_EQ(w.dialogs_shown(), 1);
  w.PressKey("单选框1", Key::Enter);
  EXPECT_TRUE(w.Checked("单选框1"));

  w.PressKey("按钮2", Key::Enter);
  EXPECT_FALSE(w.WindowOpen()) << "取消 closes the window";
}

void APasteWithLineBreaksIsTakenWhole(WindowDriver& w) {
  w.Type("编辑框1", u"[");
  w.Paste("编辑框1", u"第一行\r\nline 2\nline 3");
  EXPECT_EQ(w.Text("编辑框1"), u"[第一行\r\nline 2\nline 3");
  EXPECT_EQ(Calculate(w), Md5Hex("[\xB5\xDA\xD2\xBB\xD0\xD0\r\nline 2\nline 3"));
}

void APasteWithAZeroCharacterIsRefusedAndSaysSo(WindowDriver& w) {
  w.Type("编辑框1", u"kept");
  w.Paste("编辑框1", std::u16string(u"ab\0cd", 5));
  EXPECT_EQ(w.Text("编辑框1"), u"kept");
  EXPECT_EQ(w.Text("编辑框2"), Says(messages::kPasteHasZero));
  EXPECT_TRUE(w.InFailureColour("编辑框2"));
  EXPECT_EQ(Calculate(w), Md5Hex("kept"));
}

void AFailingHandlerLeavesTheWindowWorking(WindowDriver& w) {
  w.core().SetFileOpener([](std::string_view) -> OpenedFile { throw std::bad_alloc(); });
  ChooseFile(w, u"/scripted/too big");
  EXPECT_EQ(Calculate(w), Says(messages::kOutOfMemory));
  EXPECT_TRUE(w.InFailureColour("编辑框2"));
  w.Click("单选框1");
  Clear(w, "编辑框1");
  w.Type("编辑框1", u"abc");
  EXPECT_EQ(Calculate(w), kAbcDigest);
  EXPECT_FALSE(w.InFailureColour("编辑框2"));
}

// Every handler calls the runtime at least once: none may run.
void ClicksOnLabelsAndBoxesRunNothing(WindowDriver& w) {
  for (const char* control : {"标签1", "标签2", "编辑框1", "编辑框2"}) {
    w.Click(control);
    EXPECT_EQ(w.handler_calls(), 0) << control;
  }
  EXPECT_EQ(w.Text("编辑框2"), u"");
  EXPECT_TRUE(w.WindowOpen());
  w.Click("按钮1");
  EXPECT_GT(w.handler_calls(), 0) << "a click on a button does reach its handler";
}

void CancelClosesTheWindowAndTheLoopReturns(WindowDriver& w) {
  w.Click("按钮2");
  EXPECT_FALSE(w.WindowOpen());
  w.RunMessageLoop();
}

void ClosingAnIdleWindowClosesIt(WindowDriver& w) {
  w.CloseFromFrame();
  EXPECT_FALSE(w.WindowOpen());
}


// ---- Checking a digest against the expected one

bool Mentions(std::u16string_view text, const char* utf8_part) {
  return text.find(cp936::ToUtf16(cp936::FromUtf8(utf8_part))) != std::u16string_view::npos;
}

std::u16string Wide(const std::string& ascii) { return std::u16string(ascii.begin(), ascii.end()); }

const std::string kAbcHex = "900150983cd24fb0d6963f7d28e17f72";
const std::string kWrongHex = "0123456789abcdef0123456789abcdef";
constexpr std::uint32_t kGreen = 0x008000, kRed = 0x0000FF, kGrey = 0x808080, kBlack = 0;

void ResultBoxHintsThatItTakesAnExpectedDigest(WindowDriver& w) {
  EXPECT_TRUE(Mentions(w.Hint("编辑框2"), "预期的 MD5"));
  EXPECT_EQ(w.Hint("编辑框1"), u"");
}

void WithoutAnExpectationTheDigestLooksAsBeforeAndSaysWhatItIsOf(WindowDriver& w) {
  w.Type("编辑框1", u"abc");
  EXPECT_EQ(Calculate(w), kAbcDigest);
  EXPECT_EQ(w.MarkOf("编辑框2"), Mark::None);
  EXPECT_EQ(w.TextColour("编辑框2"), kBlack);
  EXPECT_TRUE(Mentions(w.Tooltip("编辑框2"), "文字“abc”（3 个 GBK 字节）的 MD5 摘要"));
}

void ADigestTypedIntoTheResultBoxIsChecked(WindowDriver& w) {
  const struct {
    std::string expected;
    Mark mark;
    std::uint32_t colour;
  } cases[] = {{"  900150983CD24FB0D6963F7D28E17F72 ", Mark::Match, kGreen}, {kWrongHex, Mark::Mismatch, kRed}};
  w.Type("编辑框1", u"abc");
  for (const auto& c : cases) {
    Clear(w, "编辑框2");
    w.Paste("编辑框2", Wide(c.expected));
    EXPECT_EQ(Calculate(w), kAbcDigest) << "the box holds the digest exactly";
    EXPECT_EQ(w.MarkOf("编辑框2"), c.mark);
    EXPECT_EQ(w.TextColour("编辑框2"), c.colour);
    EXPECT_TRUE(Mentions(w.Tooltip("编辑框2"), "输入的预期值"));
  }
  EXPECT_TRUE(Mentions(w.Tooltip("编辑框2"), kWrongHex.c_str())) << "a mismatch names the expected digest";
  w.Type("编辑框2", u"x");
  EXPECT_EQ(w.MarkOf("编辑框2"), Mark::None) << "typing again clears the verdict";
  EXPECT_EQ(w.TextColour("编辑框2"), kBlack);
}

void TheProgramsOwnDigestIsNoExpectation(WindowDriver& w) {
  w.Type("编辑框1", u"abc");
  Calculate(w);
  w.Type("编辑框1", u"d");
  EXPECT_EQ(Calculate(w), Md5Hex("abcd"));
  EXPECT_EQ(w.MarkOf("编辑框2"), Mark::None) << "the digest left from the last click is not compared";
}

void AFailureIsNeverCompared(WindowDriver& w) {
  w.Paste("编辑框2", Wide(kAbcHex));
  ChooseFile(w, w.ScratchFolder() + u"/missing");
  EXPECT_EQ(Calculate(w), Says(messages::kNotFound));
  EXPECT_EQ(w.MarkOf("编辑框2"), Mark::None);
  EXPECT_EQ(w.Tooltip("编辑框2"), u"");
}

void AChecksumFileBesideTheFileIsChecked(WindowDriver& w) {
  const std::u16string file = w.WriteFile(u"下载 file.iso", "abc");
  ChooseFile(w, file);
  for (const auto& [listed, mark] : {std::pair{kAbcHex, Mark::Match}, std::pair{kWrongHex, Mark::Mismatch}}) {
    w.WriteFile(u"MD5SUMS", listed + "  other.iso\r\n" + listed + " *下载 file.iso\r\n");
    EXPECT_EQ(Calculate(w), kAbcDigest);
    EXPECT_EQ(w.MarkOf("编辑框2"), mark);
    EXPECT_TRUE(Mentions(w.Tooltip("编辑框2"), "MD5SUMS"));
    EXPECT_TRUE(Mentions(w.Tooltip("编辑框2"), "（3 字节）"));
  }
}

void AnotherProgramsClipboardIsChecked(WindowDriver& w) {
  const std::u16string file = w.WriteFile(u"a.iso", "abc");
  ChooseFile(w, file);
  const struct {
    std::string clipboard;
    Mark mark;
  } cases[] = {
      {kAbcHex + "\n", Mark::Match},
      {kWrongHex, Mark::Mismatch},
      {kAbcHex + "  a.iso", Mark::Match},
      {kWrongHex + "  b.iso", Mark::None},
      {"not a digest", Mark::None},
  };
  for (const auto& c : cases) {
    w.PutOnClipboardFromAnotherProgram(Wide(c.clipboard));
    EXPECT_EQ(Calculate(w), kAbcDigest);
    EXPECT_EQ(w.MarkOf("编辑框2"), c.mark) << c.clipboard;
    if (c.mark != Mark::None) EXPECT_TRUE(Mentions(w.Tooltip("编辑框2"), "剪贴板"));
  }
}

void ADigestCopiedFromTheWindowIsNoExpectation(WindowDriver& w) {
  w.Type("编辑框1", u"abc");
  Calculate(w);
  w.CopyFrom("编辑框2");
  Calculate(w);
  EXPECT_EQ(w.MarkOf("编辑框2"), Mark::None);
}

void ATextWhoseUtf8DigestWasExpectedSaysSo(WindowDriver& w) {
  w.Type("编辑框1", u"计算");
  w.Paste("编辑框2", u"35b4b419fa4b8c97858f967daf196f96");  // the UTF-8 bytes' digest
  EXPECT_EQ(Calculate(w), u"d5d12867c9fb08d6bdc033d3477504eb");
  EXPECT_EQ(w.MarkOf("编辑框2"), Mark::Mismatch);
  EXPECT_TRUE(Mentions(w.Tooltip("编辑框2"), "UTF-8"));
}

// The Parts digest the dialog's file name in file mode, whatever the input
// box shows: the tooltip says so.
void AfterACancelledDialogTheTooltipNamesTheFileDigested(WindowDriver& w) {
  const std::u16string file = w.WriteFile(u"earlier.txt", "abc");
  ChooseFile(w, file);
  w.Click("单选框1");
  Clear(w, "编辑框1");
  w.Type("编辑框1", u"typed");
  w.AnswerDialog(std::nullopt);
  w.Click("单选框2");
  EXPECT_EQ(Calculate(w), kAbcDigest);
  EXPECT_TRUE(Mentions(w.Tooltip("编辑框2"), "earlier.txt"));
}

void ADigestWhoseInputChangedShowsGrey(WindowDriver& w) {
  const std::u16string a = w.WriteFile(u"a.txt", "abc");
  const std::u16string b = w.WriteFile(u"b.txt", "abc");
  const struct {
    const char* what;
    void (*setup)(WindowDriver&, const std::u16string&);
    void (*change)(WindowDriver&, const std::u16string&);
  } cases[] = {
      {"the text edited", [](WindowDriver& w, const std::u16string&) { w.Click("单选框1"); },
       [](WindowDriver& w, const std::u16string&) { w.Type("编辑框1", u"!"); }},
      {"another file chosen", [](WindowDriver& w, const std::u16string& a) { ChooseFile(w, a); },
       [](WindowDriver& w, const std::u16string& b) { ChooseFile(w, b); }},
      {"the mode switched", [](WindowDriver& w, const std::u16string& a) { ChooseFile(w, a); },
       [](WindowDriver& w, const std::u16string&) { w.Click("单选框1"); }},
  };
  for (const auto& c : cases) {
    c.setup(w, a);
    Calculate(w);
    EXPECT_NE(w.TextColour("编辑框2"), kGrey) << c.what;
    c.change(w, b);
    EXPECT_EQ(w.TextColour("编辑框2"), kGrey) << c.what;
    EXPECT_TRUE(Mentions(w.Tooltip("编辑框2"), messages::kStale)) << c.what;
    Calculate(w);
    EXPECT_NE(w.TextColour("编辑框2"), kGrey) << "a new calculation is not grey: " << c.what;
  }
  // A dropped file is calculated at once: its digest replaces the grey one.
  ChooseFile(w, a);
  Calculate(w);
  w.Click("单选框1");
  ASSERT_EQ(w.TextColour("编辑框2"), kGrey);
  w.Drop({b});
  EXPECT_NE(w.TextColour("编辑框2"), kGrey);
  EXPECT_TRUE(Mentions(w.Tooltip("编辑框2"), "b.txt"));
}

// ---- Files dropped on the window, or given at start

void ADroppedFileIsChosenAndDigestedAtOnce(WindowDriver& w) {
  const std::u16string file = w.WriteFile(u"拖入 😀.txt", "message digest");
  w.Drop({file});
  EXPECT_TRUE(w.Checked("单选框2"));
  EXPECT_FALSE(w.Checked("单选框1"));
  EXPECT_EQ(w.Text("编辑框1"), file);
  EXPECT_FALSE(w.Enabled("编辑框1"));
  EXPECT_EQ(w.Text("编辑框2"), u"f96b697d7cb7938d525a2f31aaf161d0");
  EXPECT_EQ(w.dialogs_shown(), 0) << "no dialog opens for a drop";
  EXPECT_EQ(Calculate(w), u"f96b697d7cb7938d525a2f31aaf161d0") << "the dialog's file name is the dropped file";
}

void TwoFilesOrAFolderDroppedSayWhyAndChangeNothing(WindowDriver& w) {
  w.Type("编辑框1", u"kept");
  const std::u16string a = w.WriteFile(u"a", "a"), b = w.WriteFile(u"b", "b");
  const struct {
    std::vector<std::u16string> paths;
    const char* message;
  } cases[] = {{{a, b}, messages::kDropOneFile}, {{w.ScratchFolder()}, messages::kDropFolder}};
  for (const auto& c : cases) {
    w.Drop(c.paths);
    EXPECT_EQ(w.Text("编辑框2"), Says(c.message));
    EXPECT_TRUE(w.InFailureColour("编辑框2"));
    EXPECT_TRUE(w.Checked("单选框1"));
    EXPECT_EQ(w.Text("编辑框1"), u"kept");
    EXPECT_TRUE(w.Enabled("编辑框1"));
  }
}

void ADropWhileADigestRunsChangesNothing(WindowDriver& w) {
  SlowDigest slow;
  UseSlowFile(w, slow);
  const std::u16string other = w.WriteFile(u"other", "other");
  CalculateAndMeanwhile(w, slow, [&w, other] { w.Drop({other}); });
  ExpectWasRunning(slow);
  EXPECT_EQ(w.Text("编辑框2"), Md5Hex(PatternBytes(kSlowSize)));
  EXPECT_EQ(w.Text("编辑框1"), u"/scripted/slow file");
}

void StartedWithAFileShowsItsDigestCheckedAgainstItsList(WindowDriver& w) {
  EXPECT_TRUE(w.Checked("单选框2"));
  EXPECT_FALSE(w.Enabled("编辑框1"));
  EXPECT_EQ(w.Text("编辑框2"), kAbcDigest);
  EXPECT_EQ(w.MarkOf("编辑框2"), Mark::Match);
  EXPECT_EQ(w.TextColour("编辑框2"), kGreen);
}

void StartWithAListedFile(WindowDriver& w) {
  const std::u16string file = w.WriteFile(u"下载.iso", "abc");
  w.WriteFile(u"下载.iso.md5", kAbcHex + "\n");
  w.core().SetStartFile(file);
}

void StartedWithAMissingFileSaysSo(WindowDriver& w) {
  EXPECT_EQ(w.Text("编辑框2"), Says(messages::kNotFound));
  EXPECT_TRUE(w.InFailureColour("编辑框2"));
}

void StartWithAMissingFile(WindowDriver& w) { w.core().SetStartFile(w.ScratchFolder() + u"/missing.iso"); }

// Where no console takes it (the Windows program), a mistake on the
// command line is said in the window.
void StartedWithAMistakeSaysItInTheWindow(WindowDriver& w) {
  EXPECT_TRUE(Mentions(w.Text("编辑框2"), "未知的选项：--bogus"));
  EXPECT_TRUE(Mentions(w.Text("编辑框2"), "用法：corvane [文件]"));
  EXPECT_TRUE(w.InFailureColour("编辑框2"));
  EXPECT_TRUE(w.Checked("单选框1")) << "nothing else changes";
}

void StartWithAMistake(WindowDriver& w) { GiveToWindow(ParseCommandLine({u"--bogus"}), w.core()); }

struct Scenario {
  const char* name;
  void (*run)(WindowDriver&);
  void (*prepare)(WindowDriver&) = nullptr;  // before the window loads, as a command line
  const char* not_on_qt = nullptr;           // why it cannot hold on the Qt binding
};

const Scenario kScenarios[] = {
    {"StartsInTextModeWithBothBoxesEmpty", StartsInTextModeWithBothBoxesEmpty},
    {"InputModesMoveAsTheUserChooses", InputModesMoveAsTheUserChooses},
    {"DigestsTypedTextAsItsCodePage936Bytes", DigestsTypedTextAsItsCodePage936Bytes},
    {"DigestsTheChosenFileNotTheInputBox", DigestsTheChosenFileNotTheInputBox},
    {"EveryInputWithoutADigestSaysWhyInRed", EveryInputWithoutADigestSaysWhyInRed},
    {"ALongDigestShowsProgressAndTakesNoInput", ALongDigestShowsProgressAndTakesNoInput},
    {"EscCancelsALongDigest", EscCancelsALongDigest},
    {"TheCancelButtonCancelsALongDigestAndTheWindowStays", TheCancelButtonCancelsALongDigestAndTheWindowStays},
    {"ClosingTheWindowStopsADigestAndEndsTheLoop", ClosingTheWindowStopsADigestAndEndsTheLoop},
    {"ProgressAfterAFailureIsInTheOrdinaryColour", ProgressAfterAFailureIsInTheOrdinaryColour},
    {"AQuickDigestShowsNoProgress", AQuickDigestShowsNoProgress},
    {"AFileIsReadToItsEndWhateverItsSizeSays", AFileIsReadToItsEndWhateverItsSizeSays},
    {"AFileThatChangesWhileItIsReadHasNoDigest", AFileThatChangesWhileItIsReadHasNoDigest},
    {"ALongDigestOfAFileOfUnknownSizeShowsTheAmountRead", ALongDigestOfAFileOfUnknownSizeShowsTheAmountRead},
    {"EnterInTheInputCalculates", EnterInTheInputCalculates},
    {"EnterOrSpacePressesTheFocusedButton", EnterOrSpacePressesTheFocusedButton},
    {"APasteWithLineBreaksIsTakenWhole", APasteWithLineBreaksIsTakenWhole},
    {"APasteWithAZeroCharacterIsRefusedAndSaysSo", APasteWithAZeroCharacterIsRefusedAndSaysSo},
    {"AFailingHandlerLeavesTheWindowWorking", AFailingHandlerLeavesTheWindowWorking},
    {"ClicksOnLabelsAndBoxesRunNothing", ClicksOnLabelsAndBoxesRunNothing},
    {"CancelClosesTheWindowAndTheLoopReturns", CancelClosesTheWindowAndTheLoopReturns},
    {"ClosingAnIdleWindowClosesIt", ClosingAnIdleWindowClosesIt},
    {"ResultBoxHintsThatItTakesAnExpectedDigest", ResultBoxHintsThatItTakesAnExpectedDigest},
    {"WithoutAnExpectationTheDigestLooksAsBeforeAndSaysWhatItIsOf",
     WithoutAnExpectationTheDigestLooksAsBeforeAndSaysWhatItIsOf},
    {"ADigestTypedIntoTheResultBoxIsChecked", ADigestTypedIntoTheResultBoxIsChecked},
    {"TheProgramsOwnDigestIsNoExpectation", TheProgramsOwnDigestIsNoExpectation},
    {"AFailureIsNeverCompared", AFailureIsNeverCompared},
    {"AChecksumFileBesideTheFileIsChecked", AChecksumFileBesideTheFileIsChecked},
    {"AnotherProgramsClipboardIsChecked", AnotherProgramsClipboardIsChecked},
    {"ADigestCopiedFromTheWindowIsNoExpectation", ADigestCopiedFromTheWindowIsNoExpectation, nullptr,
     "Qt's offscreen clipboard keeps no owner; the X11 end-to-end run checks this"},
    {"ATextWhoseUtf8DigestWasExpectedSaysSo", ATextWhoseUtf8DigestWasExpectedSaysSo},
    {"AfterACancelledDialogTheTooltipNamesTheFileDigested", AfterACancelledDialogTheTooltipNamesTheFileDigested},
    {"ADigestWhoseInputChangedShowsGrey", ADigestWhoseInputChangedShowsGrey},
    {"ADroppedFileIsChosenAndDigestedAtOnce", ADroppedFileIsChosenAndDigestedAtOnce},
    {"TwoFilesOrAFolderDroppedSayWhyAndChangeNothing", TwoFilesOrAFolderDroppedSayWhyAndChangeNothing},
    {"ADropWhileADigestRunsChangesNothing", ADropWhileADigestRunsChangesNothing},
    {"StartedWithAFileShowsItsDigestCheckedAgainstItsList", StartedWithAFileShowsItsDigestCheckedAgainstItsList,
     StartWithAListedFile},
    {"StartedWithAMissingFileSaysSo", StartedWithAMissingFileSaysSo, StartWithAMissingFile},
    {"StartedWithAMistakeSaysItInTheWindow", StartedWithAMistakeSaysItInTheWindow, StartWithAMistake},
};

void PrintTo(const Scenario& scenario, std::ostream* out) { *out << scenario.name; }

class Window : public ::testing::TestWithParam<Scenario> {};

TEST_P(Window, Scenario) {
#ifndef _WIN32
  if (GetParam().not_on_qt) GTEST_SKIP() << GetParam().not_on_qt;
#endif
  std::unique_ptr<WindowDriver> driver = MakeWindowDriver(GetParam().prepare);
  GetParam().run(*driver);
}

INSTANTIATE_TEST_SUITE_P(Scenarios, Window, ::testing::ValuesIn(kScenarios),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace corvane::testing
