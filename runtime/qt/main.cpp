// The Linux program: the command line is read, Qt loads, the runtime core
// is installed on the Qt binding, the program's entry routine runs.

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "app/entry.h"
#include "app/start_up.h"
#include "runtime/qt/file_dialog.h"
#include "runtime/qt/qt_adapter.h"
#include "runtime/runtime_core.h"

namespace {

bool HasDisplay() {
  return std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY") || std::getenv("QT_QPA_PLATFORM");
}

// A name that is not UTF-8 keeps U+FFFD where it cannot be decoded, and
// is then said to be unreadable.
corvane::CommandLine ReadCommandLine(int argc, char** argv) {
  std::vector<std::u16string> arguments;
  for (int i = 1; i < argc; ++i) arguments.push_back(QFile::decodeName(argv[i]).toStdU16String());
  return corvane::ParseCommandLine(arguments);
}

}  // namespace

int main(int argc, char** argv) {
  const corvane::CommandLine line = ReadCommandLine(argc, argv);
  if (const auto status = corvane::AnswerOnConsole(line)) return *status;
  if (!HasDisplay()) {
    std::fputs("Corvane 需要图形界面：没有找到显示器（DISPLAY 未设置）。\n"
               "Corvane needs a graphical display: DISPLAY is not set.\n",
               stderr);
    return 1;
  }
  int qt_argc = 1;
  char* qt_argv[] = {argv[0], nullptr};
  QApplication application(qt_argc, qt_argv);
  // The installed icon, for the title bar and the task bar; none when run from the build.
  QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("org.corvane.Corvane")));
  QApplication::setDesktopFileName(QStringLiteral("org.corvane.Corvane"));
  corvane::qt::LoadChineseTranslations();
  corvane::qt::QtAdapter adapter;
  corvane::RuntimeCore runtime(corvane::ProgramForms(), adapter);
  corvane::GiveToWindow(line, runtime);
  corvane::InstallRuntime(&runtime);
  corvane::ProgramEntry();
  return 0;
}
