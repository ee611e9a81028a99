// A digest that takes long: the window goes on painting and shows how far
// the digest has come, takes no input meanwhile, and stops on Esc or when it
// is closed. A slow scripted file stands in for a huge one.

#include <QApplication>
#include <QCryptographicHash>
#include <QTest>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <thread>

#include "checksum/controls.h"
#include "runtime/messages.h"
#include "tests/slow_file.h"
#include "tests/widget/main_window_fixture.h"

namespace corvane::testing {
namespace {


QString OracleDigest(std::uint64_t size) {
  const QByteArray bytes = QByteArray::fromStdString(PatternBytes(size));
  return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex());
}

class LongDigest : public MainWindowTest {
 protected:
  void UseFile(std::uint64_t size, std::chrono::milliseconds delay) {
    runtime_.SetFileOpener([this, size, delay](std::string_view) -> OpenedFile {
      return std::make_unique<SlowFile>(size, delay, reads);
    });
    dialog_answers.push_back("/scripted/file");
    Click(单选框2);
    QObject::connect(Edit(编辑框2), &QLineEdit::textChanged, [this](const QString& text) { shown.push_back(text); });
  }
  // Runs `during` once the digest has run for a while, from inside it.
  void CalculateAndMeanwhile(std::function<void()> during) {
    QTimer::singleShot(300, [this, during] {
      running_when_timer_fired = !shown.isEmpty() && shown.back().startsWith(QString::fromUtf8(messages::kInProgress));
      during();
    });
    Click(按钮1);
  }

  QStringList shown;
  bool running_when_timer_fired = false;
  std::atomic<int> reads{0};
};

constexpr std::uint64_t kSlowSize = 24 << 20;  // 24 reads of 1 MiB, and one at the end
constexpr std::chrono::milliseconds kSlowRead{40};

TEST_F(LongDigest, ShowsProgressTakesNoInputAndEndsInTheRightDigest) {
  UseFile(kSlowSize, kSlowRead);
  Edit(编辑框1)->setEnabled(true);  // so that typing would reach it if it were let through
  const QString before = Edit(编辑框1)->text();
  CalculateAndMeanwhile([this] {
    for (ControlAddress control : {单选框1, 单选框2, 按钮2, 按钮1}) Click(control);
    Type(编辑框1, "typed meanwhile");
  });
  EXPECT_TRUE(running_when_timer_fired) << "the digest was still running, showing its progress";
  EXPECT_EQ(Edit(编辑框2)->text(), OracleDigest(kSlowSize));
  EXPECT_FALSE(ResultShowsAsFailure());
  ASSERT_GE(shown.size(), 3) << "several progress steps, then the digest";
  for (qsizetype i = 0; i + 1 < shown.size(); ++i) {
    EXPECT_TRUE(shown[i].startsWith(QString::fromUtf8(messages::kInProgress))) << shown[i].toStdString();
    EXPECT_TRUE(shown[i].endsWith("%")) << shown[i].toStdString();
  }
  // Nothing got through: no mode change, no dialog, no second digest, no close.
  EXPECT_TRUE(Button(单选框2)->isChecked());
  EXPECT_EQ(dialogs_shown, 1);
  EXPECT_EQ(Edit(编辑框1)->text(), before);
  EXPECT_NE(window(), nullptr);
  EXPECT_TRUE(window()->isVisible());
}

TEST_F(LongDigest, EscCancelsAndTheResultBoxSaysSo) {
  UseFile(kSlowSize, kSlowRead);
  CalculateAndMeanwhile([this] { QTest::keyClick(window(), Qt::Key_Escape); });
  EXPECT_TRUE(running_when_timer_fired);
  EXPECT_EQ(Edit(编辑框2)->text(), QString::fromUtf8(messages::kCancelled));
  EXPECT_TRUE(ResultShowsAsFailure());
  // The window answers again.
  Click(单选框1);
  Edit(编辑框1)->setText("abc");
  Click(按钮1);
  EXPECT_EQ(Edit(编辑框2)->text(), "900150983cd24fb0d6963f7d28e17f72");
}

TEST_F(LongDigest, ClosingTheWindowStopsTheDigestAndEndsTheLoop) {
  UseFile(kSlowSize, kSlowRead);
  CalculateAndMeanwhile([this] { window()->close(); });
  EXPECT_TRUE(running_when_timer_fired);
  EXPECT_LT(reads, 20) << "the digest stopped before it was through (25 reads)";
  RunMessageLoop(0);  // returns at once: the window is gone
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(window(), nullptr);
}

TEST_F(LongDigest, AQuickDigestShowsNoProgress) {
  UseFile(1 << 20, std::chrono::milliseconds(0));
  Click(按钮1);
  EXPECT_EQ(shown, QStringList{OracleDigest(1 << 20)});
}

}  // namespace
}  // namespace corvane::testing
