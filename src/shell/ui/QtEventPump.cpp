#include "shell/ui/QtEventPump.h"

#include <QCoreApplication>
#include <QEventLoop>

namespace ordovan {

QtEventPump::QtEventPump() { since_last_.start(); }

void QtEventPump::Pump() {
  if (since_last_.elapsed() < kSliceMs) return;
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  ++runs_;
  since_last_.restart();
}

}  // namespace ordovan
