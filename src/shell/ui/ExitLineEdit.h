#pragma once
// An edit field that tells when it loses the input focus (the "Exit" event
// of a field, as the cut number's command needs it).

#include <QFocusEvent>
#include <QLineEdit>

namespace ordovan {

class ExitLineEdit : public QLineEdit {
  Q_OBJECT
 public:
  using QLineEdit::QLineEdit;

 signals:
  void exited();

 protected:
  void focusOutEvent(QFocusEvent* event) override {
    QLineEdit::focusOutEvent(event);
    emit exited();
  }
};

}  // namespace ordovan
