#pragma once
// Builds a top-level widget and its child widgets from a form. The widgets
// change nothing by themselves that the core decides: a radio button does
// not check itself, a paste asks the core first, a close request is
// reported. Each widget knows its place in the form (see ControlOf).

#include <QClipboard>
#include <QLineEdit>
#include <QRadioButton>
#include <QWidget>
#include <optional>
#include <vector>

#include "runtime/adapter.h"

namespace corvane::qt {

class FormWindow final : public QWidget {
  Q_OBJECT
 public:
  FormWindow(std::uint32_t id, AdapterEvents& events);
  // Closes the window, as the core decided.
  void CloseNow();
  bool closing() const { return closing_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  std::uint32_t id_;
  AdapterEvents& events_;
  bool closing_ = false;
  bool reporting_ = false;
};

// A radio button whose check only the core sets.
class FormRadioButton final : public QRadioButton {
  Q_OBJECT
 public:
  using QRadioButton::QRadioButton;

 protected:
  void nextCheckState() override {}
};

// A line edit whose pastes (keys, context menu, the X11 selection) pass the core.
class FormLineEdit final : public QLineEdit {
  Q_OBJECT
 public:
  FormLineEdit(ControlRef control, AdapterEvents& events, QWidget* parent);
  void PasteFrom(QClipboard::Mode mode);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  ControlRef control_;
  AdapterEvents& events_;
};

struct BuiltForm {
  FormWindow* window;
  std::vector<QWidget*> controls;  // in the form's order; null for the common dialog
};

BuiltForm BuildFormWindow(const Form& form, AdapterEvents& events);

// The form control a widget is, if it is one (index -1: the window itself).
std::optional<ControlRef> ControlOf(const QObject* object);

}  // namespace corvane::qt
