#include "runtime/win32/file_dialog.h"

#include <commdlg.h>

#include <vector>

namespace corvane::win32 {

std::optional<std::wstring> AskForFileToOpen(HWND owner, const std::wstring& previous) {
  const std::size_t slash = previous.find_last_of(L"\\/");
  const std::wstring folder = slash == std::wstring::npos ? std::wstring() : previous.substr(0, slash);
  std::vector<wchar_t> path(32768, L'\0');
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = L"所有文件 (*.*)\0*.*\0";
  dialog.lpstrFile = path.data();
  dialog.nMaxFile = static_cast<DWORD>(path.size());
  dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
  dialog.lpstrTitle = L"选择要计算的文件";
  dialog.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
  if (!GetOpenFileNameW(&dialog)) return std::nullopt;
  return std::wstring(path.data());
}

}  // namespace corvane::win32
