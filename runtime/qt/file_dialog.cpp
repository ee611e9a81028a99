#include "runtime/qt/file_dialog.h"

#include <QAbstractFileIconProvider>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

namespace corvane::qt {

namespace {

// Icons and types by the name alone. Qt's default provider asks the MIME
// database, which reads a file whose name says nothing, and a read of
// /proc/kmsg as root never returns.
class NameOnlyIcons final : public QAbstractFileIconProvider {
 public:
  QIcon icon(const QFileInfo& info) const override {
    return QAbstractFileIconProvider::icon(info.isDir() ? Folder : File);
  }
  QString type(const QFileInfo& info) const override {
    if (info.isDir()) return QStringLiteral("文件夹");
    const QString suffix = info.suffix();
    return suffix.isEmpty() ? QStringLiteral("文件") : suffix.toUpper() + QStringLiteral(" 文件");
  }
};

}  // namespace

std::optional<QString> AskForFileToOpen(QWidget* parent, const QString& previous) {
  static NameOnlyIcons icons;
  const QString start = previous.isEmpty() ? QDir::homePath() : QFileInfo(previous).absolutePath();
  QFileDialog dialog(parent, QStringLiteral("选择要计算的文件"), start, QStringLiteral("所有文件 (*)"));
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setIconProvider(&icons);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().front();
}

void LoadChineseTranslations() {
  static QTranslator translator;
  if (translator.load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(&translator);
}

}  // namespace corvane::qt
