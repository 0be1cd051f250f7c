#include "uikit/HintTime.h"

#include <QAction>
#include <QApplication>
#include <QHelpEvent>
#include <QMenu>
#include <QToolTip>
#include <QWidget>

namespace ordovan {

HintTimeFilter* HintTimeFilter::Install(int display_ms) {
  static HintTimeFilter* filter = nullptr;
  if (!filter) {
    filter = new HintTimeFilter(qApp);
    qApp->installEventFilter(filter);
  }
  filter->SetDisplayTime(display_ms);
  return filter;
}

bool HintTimeFilter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::ToolTip) return false;
  auto* widget = qobject_cast<QWidget*>(watched);
  if (!widget) return false;
  auto* help = static_cast<QHelpEvent*>(event);
  QString hint = widget->toolTip();
  if (auto* menu = qobject_cast<QMenu*>(widget)) {
    QAction* action = menu->actionAt(help->pos());
    if (!action || !menu->toolTipsVisible()) return false;
    hint = action->toolTip();
  }
  if (hint.isEmpty()) return false;
  QToolTip::showText(help->globalPos(), hint, widget, QRect(), display_ms_);
  return true;
}

}  // namespace ordovan
