// The Linux program: Qt loads, the runtime core is installed on the Qt
// binding, the program's entry routine runs.

#include <QApplication>
#include <QIcon>
#include <cstdio>
#include <cstdlib>

#include "app/entry.h"
#include "runtime/qt/file_dialog.h"
#include "runtime/qt/qt_adapter.h"
#include "runtime/runtime_core.h"

namespace {

bool HasDisplay() {
  return std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY") || std::getenv("QT_QPA_PLATFORM");
}

}  // namespace

int main(int, char** argv) {
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
  QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("corvane")));
  QApplication::setDesktopFileName(QStringLiteral("corvane"));
  corvane::qt::LoadChineseTranslations();
  corvane::qt::QtAdapter adapter;
  corvane::RuntimeCore runtime(corvane::ProgramForms(), adapter);
  corvane::InstallRuntime(&runtime);
  corvane::ProgramEntry();
  return 0;
}
