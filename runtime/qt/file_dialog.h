#pragma once
// The open-file dialog on Linux: Qt's own, in Simplified Chinese, that
// never reads a file to guess its type.

#include <QString>
#include <optional>

class QWidget;

namespace corvane::qt {

// Starts in the folder of `previous`, or at home; nullopt when cancelled.
std::optional<QString> AskForFileToOpen(QWidget* parent, const QString& previous);

// Loads Qt's own Chinese texts (its dialogs, its context menus).
void LoadChineseTranslations();

}  // namespace corvane::qt
