#pragma once
// Builds a top-level widget and its child widgets from a form. Buttons
// report their clicks; a radio button never checks itself (the core does).

#include <QColor>
#include <QWidget>
#include <optional>
#include <vector>

#include "runtime/adapter.h"

namespace corvane::qt {

struct BuiltForm {
  QWidget* window;
  std::vector<QWidget*> controls;  // in the form's order; null for the common dialog
};

BuiltForm BuildFormWindow(const Form& form, AdapterEvents& events);

// A colour of a form (0xBBGGRR, red in the low byte) as Qt takes it.
QColor FromColourRef(std::uint32_t bgr);

// The form control a widget is, if it is one (index -1: the window itself).
std::optional<ControlRef> ControlOf(const QObject* object);

}  // namespace corvane::qt
