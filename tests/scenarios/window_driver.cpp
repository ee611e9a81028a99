#include "tests/scenarios/window_driver.h"

#include <gtest/gtest.h>

#include <atomic>
#include <fstream>

#include "app/entry.h"
#include "app/main_window_form.h"

namespace corvane::testing {

namespace fs = std::filesystem;

WindowDriver::~WindowDriver() = default;

void WindowDriver::Start(Adapter& adapter, void (*prepare)(WindowDriver&)) {
  static std::atomic<int> serial{0};
  dir_ = fs::temp_directory_path() / ("corvane-scenario-" + std::to_string(serial++) + "-" +
                                      std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
  fs::create_directories(dir_);
  core_ = std::make_unique<RuntimeCore>(ProgramForms(), adapter);
  core_->SetFileChooser([this](std::u16string_view) -> std::optional<std::u16string> {
    ++dialogs_shown_;
    if (answers_.empty()) {
      ADD_FAILURE() << "the file dialog opened unexpectedly";
      return std::nullopt;
    }
    std::optional<std::u16string> answer = std::move(answers_.front());
    answers_.pop_front();
    return answer;
  });
  core_->SetExit([](int status) { ADD_FAILURE() << "the program tried to exit with " << status; });
  if (prepare) prepare(*this);
  installed_ = core_.get();
  InstallRuntime(&counter_);
  LoadWindow(kMainWindow.window);
}

void WindowDriver::Stop() {
  EXPECT_TRUE(answers_.empty()) << "the file dialog was not shown as often as scripted";
  InstallRuntime(nullptr);
  std::error_code ignored;
  fs::remove_all(dir_, ignored);
}

std::u16string WindowDriver::WriteFile(std::u16string_view name, std::string_view content) {
  const fs::path path = dir_ / fs::path(std::u16string(name));
  std::ofstream(path, std::ios::binary).write(content.data(), static_cast<std::streamsize>(content.size()));
  return path.u16string();
}

void WindowDriver::RunMessageLoop() { corvane::RunMessageLoop(0); }

}  // namespace corvane::testing
