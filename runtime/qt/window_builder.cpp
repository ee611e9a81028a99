#include "runtime/qt/window_builder.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <limits>

namespace corvane::qt {

namespace {

QString Caption(const FormEntry& entry) {
  return entry.settings && entry.settings->caption ? QString::fromUtf8(entry.settings->caption) : QString();
}

QColor FromColourRef(std::uint32_t bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }

QWidget* MakeEditBox(const FormEntry& entry, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  // A pasted text is taken whole: the line edit's default cap would cut it.
  edit->setMaxLength(std::numeric_limits<int>::max());
  if (entry.settings && entry.settings->background) {
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, FromColourRef(*entry.settings->background));
    edit->setPalette(palette);
  }
  if (entry.settings && entry.settings->content) edit->setText(QString::fromUtf8(entry.settings->content));
  return edit;
}

QWidget* MakeControl(const FormEntry& entry, QWidget* window, QButtonGroup* radios) {
  switch (entry.type) {
    case TypeCode::Label:
      return new QLabel(Caption(entry), window);
    case TypeCode::Button:
      return new QPushButton(Caption(entry), window);
    case TypeCode::RadioButton: {
      auto* radio = new QRadioButton(Caption(entry), window);
      radio->setChecked(entry.settings && entry.settings->checked);
      radios->addButton(radio);
      return radio;
    }
    case TypeCode::EditBox:
      return MakeEditBox(entry, window);
    default:
      return nullptr;  // the common dialog shows only while it runs
  }
}

void BindClick(QWidget* widget, const FormEntry& entry, const std::function<void(Handler)>& dispatch) {
  auto* button = qobject_cast<QAbstractButton*>(widget);
  const Handler handler = entry.HandlerFor(kClickEvent);
  if (!button || !handler) return;
  // Qt checks a radio button, and clears the others of its group, before
  // it emits clicked: the handler sees the new state.
  QObject::connect(button, &QAbstractButton::clicked, button, [dispatch, handler] { dispatch(handler); });
}

// Tab goes through the controls as they read on screen, row by row from
// the top left: the reverse of the form's order.
void SetTabOrder(const std::vector<BuiltControl>& controls) {
  QWidget* previous = nullptr;
  for (auto it = controls.rbegin(); it != controls.rend(); ++it) {
    if (!it->widget || !it->entry->tab_stop()) continue;
    if (previous) QWidget::setTabOrder(previous, it->widget);
    previous = it->widget;
  }
}

}  // namespace

BuiltWindow BuildWindow(const Form& form, const std::function<void(Handler)>& dispatch) {
  const FormEntry& own = form.window();
  auto* window = new QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->setWindowTitle(Caption(own));
  window->setFixedSize(own.width, own.height);
  window->move(own.left, own.top);
  auto* radios = new QButtonGroup(window);
  radios->setExclusive(true);

  BuiltWindow built{window, {}};
  for (const FormEntry& entry : form.controls()) {
    QWidget* widget = MakeControl(entry, window, radios);
    if (widget) {
      widget->setGeometry(entry.left, entry.top, entry.width, entry.height);
      if (!entry.tab_stop()) widget->setFocusPolicy(Qt::NoFocus);
      widget->setVisible(entry.visible());
      BindClick(widget, entry, dispatch);
    }
    built.controls.push_back({&entry, widget});
  }
  SetTabOrder(built.controls);
  return built;
}

void SetEditText(QWidget* edit, const FormEntry& entry, const QString& text, bool failure) {
  auto* line = qobject_cast<QLineEdit*>(edit);
  if (!line) return;
  QPalette palette = line->palette();
  const bool alert = failure && entry.settings && entry.settings->failure_colour;
  palette.setColor(QPalette::Text, alert ? FromColourRef(*entry.settings->failure_colour)
                                         : line->style()->standardPalette().color(QPalette::Text));
  line->setPalette(palette);
  line->setText(text);
  line->setCursorPosition(0);
}

}  // namespace corvane::qt
