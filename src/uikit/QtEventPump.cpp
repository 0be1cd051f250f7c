#include "uikit/QtEventPump.h"

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

void QtEventPump::BeginStoppable(QWidget* stop_control) {
  stoppable_ = true;
  stop_requested_ = false;
  stop_control_ = stop_control;
}

void QtEventPump::EndStoppable() {
  stoppable_ = false;
  stop_requested_ = false;
  stop_control_ = nullptr;
  for (auto& held : held_) {
    if (held.receiver) QCoreApplication::postEvent(held.receiver, held.event.release());
  }
  held_.clear();
}

bool QtEventPump::IsStopControl(QObject* watched, QEvent* event) const {
  if (!stop_control_ || !stop_control_->isEnabled() || !stop_control_->isVisible()) return false;
  if (auto* widget = qobject_cast<QWidget*>(watched)) {
    return widget == stop_control_ || stop_control_->isAncestorOf(widget);
  }
  // The window system hands a click to the window first; it goes on to the
  // Stop control only when that is what lies under the pointer.
  if (qobject_cast<QWindow*>(watched) && IsMouseButtonEvent(event->type())) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    QWidget* under = QApplication::widgetAt(mouse->globalPosition().toPoint());
    return under && (under == stop_control_ || stop_control_->isAncestorOf(under));
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
  if (IsMouseButtonEvent(type) && IsStopControl(watched, event)) {
    if (type == QEvent::MouseButtonRelease && qobject_cast<QWidget*>(watched)) {
      auto* mouse = static_cast<QMouseEvent*>(event);
      if (static_cast<QWidget*>(watched)->rect().contains(mouse->position().toPoint())) {
        stop_requested_ = true;
      }
    }
    return false;
  }
  if (IsHeldInput(type)) held_.push_back({watched, std::unique_ptr<QEvent>(event->clone())});
  return true;
}

}  // namespace ordovan
