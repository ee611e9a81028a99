#include "runtime/qt/qt_adapter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QStyle>
#include <cstdlib>
#include <memory>

#include "runtime/qt/file_dialog.h"
#include "runtime/qt/window_builder.h"

namespace corvane::qt {

namespace {

QString FromU16(std::u16string_view text) {
  return QString(reinterpret_cast<const QChar*>(text.data()), static_cast<qsizetype>(text.size()));
}

std::optional<Key> KeyOf(const QKeyEvent& event) {
  if (event.modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier)) return std::nullopt;
  switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return Key::Enter;
    case Qt::Key_Space: return Key::Space;
    case Qt::Key_Escape: return Key::Escape;
    default: return std::nullopt;
  }
}

QIcon MarkIcon(Mark mark) {
  QPixmap pixmap(16, 16);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setPen(mark == Mark::Match ? QColor(0, 128, 0) : QColor(255, 0, 0));
  QFont font = painter.font();
  font.setBold(true);
  font.setPixelSize(14);
  painter.setFont(font);
  painter.drawText(pixmap.rect(), Qt::AlignCenter, mark == Mark::Match ? QStringLiteral("✓") : QStringLiteral("✗"));
  return QIcon(pixmap);
}

bool IsInput(QEvent::Type type) {
  switch (type) {
    case QEvent::KeyPress: case QEvent::KeyRelease: case QEvent::ShortcutOverride: case QEvent::Shortcut:
    case QEvent::MouseButtonPress: case QEvent::MouseButtonRelease: case QEvent::MouseButtonDblClick:
    case QEvent::Wheel: case QEvent::ContextMenu: case QEvent::InputMethod: case QEvent::TouchBegin:
    case QEvent::TouchUpdate: case QEvent::TouchEnd: case QEvent::DragEnter: case QEvent::DragMove:
    case QEvent::Drop:
      return true;
    default:
      return false;
  }
}

}  // namespace

QtAdapter::QtAdapter() { qApp->installEventFilter(this); }

QtAdapter::~QtAdapter() {
  qApp->removeEventFilter(this);
  for (auto& [id, built] : windows_) delete built.window.data();
}

void QtAdapter::BuildWindow(const Form& form) {
  const BuiltForm built = BuildFormWindow(form, *events_);
  windows_[form.window_id] = Built{built.window, {built.controls.begin(), built.controls.end()}};
  built.window->show();
}

QWidget* QtAdapter::Window(std::uint32_t window) const {
  const auto it = windows_.find(window);
  return it == windows_.end() ? nullptr : it->second.window.data();
}

QWidget* QtAdapter::Widget(ControlRef control) const {
  const auto it = windows_.find(control.window);
  if (it == windows_.end() || control.index < 0 || control.index >= static_cast<int>(it->second.controls.size()))
    return nullptr;
  return it->second.controls[control.index].data();
}

void QtAdapter::CloseWindow(std::uint32_t window) {
  const auto it = windows_.find(window);
  if (it == windows_.end() || it->second.closing) return;
  it->second.closing = true;
  if (!it->second.asking && it->second.window) it->second.window->close();  // else the asked close goes through
}

bool QtAdapter::IsOpen(std::uint32_t window) const {
  const auto it = windows_.find(window);
  return it != windows_.end() && it->second.window && !it->second.closing;
}

std::u16string QtAdapter::Text(ControlRef control) const {
  const auto* edit = qobject_cast<QLineEdit*>(Widget(control));
  return edit ? edit->text().toStdU16String() : std::u16string();
}

void QtAdapter::SetText(ControlRef control, std::u16string_view text) {
  if (auto* edit = qobject_cast<QLineEdit*>(Widget(control))) {
    edit->setText(FromU16(text));
    edit->setCursorPosition(0);
  }
}

bool QtAdapter::Enabled(ControlRef control) const { return Widget(control) && Widget(control)->isEnabled(); }

void QtAdapter::SetEnabled(ControlRef control, bool enabled) {
  if (QWidget* widget = Widget(control)) widget->setEnabled(enabled);
}

bool QtAdapter::Checked(ControlRef control) const {
  const auto* button = qobject_cast<QAbstractButton*>(Widget(control));
  return button && button->isChecked();
}

void QtAdapter::SetChecked(ControlRef control, bool checked) {
  if (auto* button = qobject_cast<QAbstractButton*>(Widget(control))) button->setChecked(checked);
}

void QtAdapter::SetTextColour(ControlRef control, std::optional<std::uint32_t> colour) {
  QWidget* widget = Widget(control);
  if (!widget) return;
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Text,
                   colour ? FromColourRef(*colour) : widget->style()->standardPalette().color(QPalette::Text));
  widget->setPalette(palette);
}

// The mark sits at the box's end as an icon of the line edit, not in its text.
void QtAdapter::Decorate(ControlRef control, Mark mark, std::u16string_view description) {
  auto* edit = qobject_cast<QLineEdit*>(Widget(control));
  if (!edit) return;
  for (QAction* action : edit->actions())
    if (action->objectName() == QStringLiteral("corvaneMark")) delete action;
  if (mark != Mark::None) {
    QAction* shown = edit->addAction(MarkIcon(mark), QLineEdit::TrailingPosition);
    shown->setObjectName(QStringLiteral("corvaneMark"));
    shown->setText(mark == Mark::Match ? QStringLiteral("✓") : QStringLiteral("✗"));
  }
  edit->setToolTip(FromU16(description));
  edit->setAccessibleDescription(FromU16(description));
}

void QtAdapter::SetHint(ControlRef control, std::u16string_view hint) {
  if (auto* edit = qobject_cast<QLineEdit*>(Widget(control))) edit->setPlaceholderText(FromU16(hint));
}

std::optional<std::u16string> QtAdapter::ForeignClipboardText() const {
  const QClipboard* clipboard = QApplication::clipboard();
  if (clipboard->ownsClipboard()) return std::nullopt;
  const QString text = clipboard->text();
  return text.isEmpty() ? std::nullopt : std::optional(text.toStdU16String());
}

std::optional<std::u16string> QtAdapter::AskForFile(std::uint32_t window, std::u16string_view previous) {
  const std::optional<QString> chosen = AskForFileToOpen(Window(window), FromU16(previous));
  return chosen ? std::optional(chosen->toStdU16String()) : std::nullopt;
}

void QtAdapter::RunPendingEvents() { QApplication::processEvents(); }

void QtAdapter::RunLoop() { QApplication::exec(); }

void QtAdapter::Exit(int status) { std::exit(status); }

// ---- The user's input, on its way to the widgets

bool QtAdapter::eventFilter(QObject* watched, QEvent* event) {
  // Most events are none of the core's business: they pass at once.
  if (event->type() != QEvent::Close && !IsInput(event->type())) return false;
  const auto control = ControlOf(watched);
  if (event->type() == QEvent::Close) return control && control->index < 0 && CloseAsked(control->window, event);
  if (blocked_) return Blocked(watched, event);
  if (!control) return false;  // not a widget of a form (a dialog of the system's)
  auto* widget = static_cast<QWidget*>(watched);
  const bool edit = qobject_cast<QLineEdit*>(watched) != nullptr;
  switch (event->type()) {
    case QEvent::KeyPress:
      return KeyPressed(*control, *static_cast<QKeyEvent*>(event));
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
      return Dragged(*control, event);
    case QEvent::ContextMenu:
      if (!edit) return false;
      ShowContextMenu(widget, *control, static_cast<QContextMenuEvent*>(event)->globalPos());
      return true;
    case QEvent::MouseButtonRelease: {
      const Qt::MouseButton button = static_cast<QMouseEvent*>(event)->button();
      // The X11 selection, pasted with the middle button, passes the core too.
      if (edit && button == Qt::MiddleButton && QApplication::clipboard()->supportsSelection()) {
        Paste(widget, *control, QClipboard::Selection);
        return true;
      }
      // A click on a label or into an edit box goes to the core too, to run
      // whatever the form binds to it; buttons report their own clicks.
      if (button == Qt::LeftButton && control->index >= 0 && !qobject_cast<QAbstractButton*>(watched))
        events_->Clicked(*control);
      return false;
    }
    default:
      return false;
  }
}

bool QtAdapter::KeyPressed(ControlRef control, QKeyEvent& key) {
  if (key.matches(QKeySequence::Paste) && qobject_cast<QLineEdit*>(Widget(control))) {
    Paste(Widget(control), control, QClipboard::Clipboard);
    return true;
  }
  const auto meaning = KeyOf(key);
  return meaning && events_->KeyPressed(control, *meaning);
}

// Nothing reaches a widget; keys, and releases of the mouse over a control,
// are reported, so that Esc and the cancel button can stop what runs.
bool QtAdapter::Blocked(QObject* watched, QEvent* event) {
  // Qt's own windows hand input on to the widgets, where it stops.
  if (!watched->isWidgetType() || !IsInput(event->type())) return false;
  const auto control = ControlOf(watched) ? ControlOf(watched) : ControlOf(static_cast<QWidget*>(watched)->window());
  if (event->type() == QEvent::KeyPress && control) {
    if (const auto key = KeyOf(*static_cast<QKeyEvent*>(event))) events_->KeyPressed(*control, *key);
  }
  if (event->type() == QEvent::MouseButtonRelease && control && control->index >= 0) events_->Clicked(*control);
  return true;
}

// Files dropped anywhere on the window go to the core; a text dropped on an
// edit box goes in as the line edit takes it.
bool QtAdapter::Dragged(ControlRef control, QEvent* event) {
  auto* drop = static_cast<QDropEvent*>(event);
  if (!drop->mimeData()->hasUrls()) return false;
  drop->acceptProposedAction();
  if (event->type() != QEvent::Drop) return true;
  std::vector<std::u16string> paths;
  for (const QUrl& url : drop->mimeData()->urls()) paths.push_back(url.toLocalFile().toStdU16String());
  events_->Dropped(control.window, paths);
  return true;
}

// The core decides: it may first stop a digest, and close afterwards.
bool QtAdapter::CloseAsked(std::uint32_t window, QEvent* event) {
  Built& built = windows_.at(window);
  if (built.closing) return false;
  built.asking = true;
  events_->CloseRequested(window);
  built.asking = false;
  if (built.closing) return false;
  event->ignore();
  return true;
}

void QtAdapter::ShowContextMenu(QWidget* edit, ControlRef control, const QPoint& at) {
  std::unique_ptr<QMenu> menu(static_cast<QLineEdit*>(edit)->createStandardContextMenu());
  if (QAction* paste = menu->findChild<QAction*>(QStringLiteral("edit-paste"))) {
    paste->disconnect();
    connect(paste, &QAction::triggered, this, [=, this] { Paste(edit, control, QClipboard::Clipboard); });
  }
  menu->exec(at);
}

// A paste goes in as the core says: whole, or not at all.
void QtAdapter::Paste(QWidget* edit, ControlRef control, int mode) {
  auto* line = static_cast<QLineEdit*>(edit);
  if (line->isReadOnly() || !line->isEnabled()) return;
  const QString clipboard = QApplication::clipboard()->text(static_cast<QClipboard::Mode>(mode));
  if (const auto text = events_->Pasted(control, clipboard.toStdU16String())) line->insert(FromU16(*text));
}

}  // namespace corvane::qt
