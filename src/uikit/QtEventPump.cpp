#include "uikit/QtEventPump.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWindow>

namespace ordovan {

namespace {
bool IsMouseButtonEvent(QEvent::Type type) {
  return type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
         type == QEvent::MouseButtonDblClick;
}

bool IsKeyEvent(QEvent::Type type) {
  return type == QEvent::KeyPress || type == QEvent::KeyRelease ||
         type == QEvent::ShortcutOverride || type == QEvent::Shortcut;
}

// Input that would start something if it arrived later; moves and hovers
// are simply dropped.
bool IsHeldInput(QEvent::Type type) {
  return IsMouseButtonEvent(type) || type == QEvent::KeyPress || type == QEvent::KeyRelease ||
         type == QEvent::Wheel;
}

bool IsInput(QEvent::Type type) {
  switch (type) {
    case QEvent::MouseMove:
    case QEvent::HoverEnter:
    case QEvent::HoverLeave:
    case QEvent::HoverMove:
    case QEvent::Enter:
    case QEvent::Leave:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::TabletMove:
      return true;
    default:
      return IsHeldInput(type) || IsKeyEvent(type);
  }
}

// A Stop control takes input only while it can be seen and used.
bool IsOrHolds(const QWidget* control, const QWidget* widget) {
  return control && control->isEnabled() && control->isVisible() &&
         (widget == control || control->isAncestorOf(widget));
}
}  // namespace

QtEventPump::QtEventPump() { since_last_.start(); }

QtEventPump::~QtEventPump() = default;

void QtEventPump::Pump() {
  if (since_last_.elapsed() < kSliceMs) return;
  if (stoppable_) {
    // The filter sits only around this call: a message box the command
    // shows between pumps takes its input as usual.
    qApp->installEventFilter(this);
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    qApp->removeEventFilter(this);
  } else {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  }
  ++runs_;
  since_last_.restart();
}

void QtEventPump::BeginStoppable(std::vector<QWidget*> stop_controls) {
  stoppable_ = true;
  stop_requested_ = false;
  for (QWidget* control : stop_controls) {
    if (control == nullptr) continue;
    stop_controls_.emplace_back(control);
    // The click itself stops, whatever made it: a mouse, or an assistive
    // tool that presses the button without any mouse event.
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
      stop_clicks_.push_back(
          connect(button, &QAbstractButton::clicked, this, &QtEventPump::RequestStop));
    }
  }
}

void QtEventPump::EndStoppable() {
  stoppable_ = false;
  stop_requested_ = false;
  for (const QMetaObject::Connection& click : stop_clicks_) disconnect(click);
  stop_clicks_.clear();
  stop_controls_.clear();
  for (auto& held : held_) {
    if (held.receiver) QCoreApplication::postEvent(held.receiver, held.event.release());
  }
  held_.clear();
}

void QtEventPump::RequestStop() {
  if (stoppable_) stop_requested_ = true;
}

bool QtEventPump::IsStopControl(QObject* watched, QEvent* event) const {
  const QWidget* widget = qobject_cast<QWidget*>(watched);
  // The window system hands a click to the window first; it goes on to a
  // Stop control only when that is what lies under the pointer.
  if (!widget && qobject_cast<QWindow*>(watched) && IsMouseButtonEvent(event->type())) {
    widget = QApplication::widgetAt(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
  }
  if (!widget) return false;
  for (const QPointer<QWidget>& control : stop_controls_) {
    if (IsOrHolds(control, widget)) return true;
  }
  return false;
}

bool QtEventPump::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (!IsInput(type)) return false;
  if (type == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
    stop_requested_ = true;
    return true;
  }
  if (type == QEvent::KeyRelease && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
    return true;
  }
  // The button turns press and release into its click, which stops.
  if (IsMouseButtonEvent(type) && IsStopControl(watched, event)) return false;
  if (IsHeldInput(type)) held_.push_back({watched, std::unique_ptr<QEvent>(event->clone())});
  return true;
}

}  // namespace ordovan
