// The open-file dialog of the Linux program: Qt's own, in Chinese, and
// never reading a file to guess its type (as root, a read of /proc/kmsg
// waits for good).

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QPushButton>
#include <QTimer>

#include "runtime/qt/file_dialog.h"

namespace corvane::testing {
namespace {

TEST(FileDialog, ListsProcWithoutReadingAFileAndSpeaksChinese) {
  qt::LoadChineseTranslations();
  QStringList buttons;
  bool listed = false;
  // Show /proc/kmsg in the list, as a user who scrolls to it would; give
  // the dialog time to list and type it, then cancel.
  QTimer::singleShot(500, [] {
    if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget()))
      dialog->selectFile("/proc/kmsg");
  });
  QTimer::singleShot(1500, [&] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    listed = dialog->directory().path() == "/proc";
    for (QPushButton* button : dialog->findChild<QDialogButtonBox*>()->findChildren<QPushButton*>())
      buttons << button->text();
    dialog->reject();
  });
  // Returns once the dialog and the thread that lists the folder are gone.
  EXPECT_EQ(qt::AskForFileToOpen(nullptr, "/proc/version"), std::nullopt);
  EXPECT_TRUE(listed);
  EXPECT_TRUE(buttons.contains("取消")) << buttons.join(",").toStdString();
}

}  // namespace
}  // namespace corvane::testing
