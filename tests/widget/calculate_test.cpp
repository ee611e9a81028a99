// The calculate button on the real window: typed texts, chosen files, and
// every input that has no digest.

#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QClipboard>
#include <QCryptographicHash>
#include <QFile>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "checksum/controls.h"
#include "runtime/messages.h"
#include "tests/widget/main_window_fixture.h"

namespace corvane::testing {
namespace {

namespace fs = std::filesystem;

const QString kEmptyDigest = "d41d8cd98f00b204e9800998ecf8427e";

// Qt's own MD5, as the oracle.
QString Md5Of(const QByteArray& bytes) {
  return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex());
}

class Calculate : public MainWindowTest {
 protected:
  Calculate() {
    dir_ = fs::temp_directory_path() / ("corvane-widget-" + std::to_string(::getpid()));
    fs::create_directories(dir_);
  }
  ~Calculate() override { fs::remove_all(dir_); }

  QString Write(const QString& name, const QByteArray& content) {
    const QString path = QString::fromStdString(dir_.string()) + "/" + name;
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
    return path;
  }

  void ChooseFile(const QString& path) {
    dialog_answers.push_back(path);
    Click(单选框2);
  }

  QString Result() {
    Click(按钮1);
    return Edit(编辑框2)->text();
  }

  fs::path dir_;
};

TEST_F(Calculate, APastedTextOfOneMebibyteIsTakenAndDigestedWhole) {
  QString text;
  QByteArray bytes;
  for (int i = 0; text.size() < (1 << 20); ++i) {
    text += QString("计算%1 ").arg(i);
    bytes += "\xBC\xC6\xCB\xE3" + QByteArray::number(i) + " ";
  }
  QApplication::clipboard()->setText(text);
  Edit(编辑框1)->setFocus();
  QTest::keyClick(Edit(编辑框1), Qt::Key_V, Qt::ControlModifier);
  ASSERT_EQ(Edit(编辑框1)->text().size(), text.size());
  EXPECT_EQ(Result(), Md5Of(bytes));
}

TEST_F(Calculate, AFileIsReadAgainAtEveryClickAndTheResultReplaced) {
  const QString path = Write("changing", "first");
  ChooseFile(path);
  EXPECT_EQ(Result(), Md5Of("first"));
  Write("changing", "second");
  EXPECT_EQ(Result(), Md5Of("second"));
}

TEST_F(Calculate, AClickChangesNothingButTheResult) {
  const QString path = Write("a", "a");
  ChooseFile(path);
  Result();
  EXPECT_TRUE(Button(单选框2)->isChecked());
  EXPECT_FALSE(Edit(编辑框1)->isEnabled());
  EXPECT_EQ(Edit(编辑框1)->text(), path);
  EXPECT_EQ(DialogFileName(), path);
}

TEST_F(Calculate, AFileThatCannotBeReadShowsItsCauseAndTheWindowAnswersAgain) {
  const QString fifo = QString::fromStdString((dir_ / "fifo").string());
  ASSERT_EQ(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
  const QString folder = QString::fromStdString(dir_.string());
  const QString removed = Write("removed after it was chosen", "x");
  const struct {
    QString path;
    const char* message;
    bool remove_after_choice = false;
  } cases[] = {
      {removed, messages::kNotFound, true},
      {folder, messages::kIsFolder},
      {fifo, messages::kNotRegular},
      {"/dev/zero", messages::kNotRegular},
      {"/dev/stdin", messages::kNotRegular},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path.toStdString());
    ChooseFile(c.path);
    if (c.remove_after_choice) QFile::remove(c.path);
    EXPECT_EQ(Result(), QString::fromUtf8(c.message));
    EXPECT_TRUE(ResultShowsAsFailure());
    // The window still answers: a digest follows, in the ordinary colour.
    Click(单选框1);
    Edit(编辑框1)->setText("abc");
    EXPECT_EQ(Result(), "900150983cd24fb0d6963f7d28e17f72");
    EXPECT_FALSE(ResultShowsAsFailure());
  }
}

// Qt hands such a name on with U+FFFD in place of the bytes it cannot
// decode: it names no file, and the window says why.
TEST_F(Calculate, AFileNameThatIsNotUtf8SaysItsNameCannotBeRead) {
  const std::string raw = (dir_ / "bad\xFF name").string();
  std::ofstream(raw) << "abc";
  ChooseFile(QFile::decodeName(QByteArray::fromStdString(raw)));
  EXPECT_EQ(Result(), QString::fromUtf8(messages::kUnreadableName));
  EXPECT_TRUE(ResultShowsAsFailure());
}

}  // namespace
}  // namespace corvane::testing
