#include "uikit/FrameSize.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace ordovan {

namespace {

void FitClientArea(QWidget* window, QSize frame) {
  const QMargins borders =
      window->windowHandle() ? window->windowHandle()->frameMargins() : QMargins();
  const QSize client(frame.width() - borders.left() - borders.right(),
                     frame.height() - borders.top() - borders.bottom());
  if (window->minimumSize() != client || window->maximumSize() != client) {
    window->setFixedSize(client);
  }
}

class FrameSizeKeeper : public QObject {
 public:
  FrameSizeKeeper(QWidget* window, QSize frame) : QObject(window), frame_(frame) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show || event->type() == QEvent::Move) {
      FitClientArea(static_cast<QWidget*>(watched), frame_);
    }
    return false;
  }

 private:
  QSize frame_;
};

}  // namespace

void KeepFrameSize(QWidget* window, QSize frame) {
  FitClientArea(window, frame);  // no borders known yet: the client area at first
  window->installEventFilter(new FrameSizeKeeper(window, frame));
}

}  // namespace ordovan
