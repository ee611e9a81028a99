#pragma once
// The open-file dialog on Windows: the system's common dialog.

#include <windows.h>

#include <optional>
#include <string>

namespace corvane::win32 {

// Starts in the folder of `previous`; nullopt when cancelled.
std::optional<std::wstring> AskForFileToOpen(HWND owner, const std::wstring& previous);

}  // namespace corvane::win32
