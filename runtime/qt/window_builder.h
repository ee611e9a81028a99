#pragma once
// Builds a top-level widget and its child widgets from a form.

#include <QWidget>
#include <functional>
#include <vector>

#include "runtime/form.h"

namespace corvane::qt {

struct BuiltControl {
  const FormEntry* entry;
  QWidget* widget;  // null for a control that is never drawn (the common dialog)
};

struct BuiltWindow {
  QWidget* window;
  std::vector<BuiltControl> controls;
};

// `dispatch` is called with the handler bound to a control's click.
BuiltWindow BuildWindow(const Form& form, const std::function<void(Handler)>& dispatch);

// Shows `text` in an edit box, in the entry's failure colour when it is one.
void SetEditText(QWidget* edit, const FormEntry& entry, const QString& text, bool failure);

}  // namespace corvane::qt
