#pragma once
// The message boxes of the running program: each message a QMessageBox with
// the icon, buttons and default button of its kind.

#include <QPointer>
#include <QWidget>

#include "platform/Prompter.h"

namespace ordovan {

class QtPrompter : public Prompter {
 public:
  // The window that owns the boxes (the main window once it exists); without
  // one, a box is owned by the active window, or by none.
  void SetOwner(QWidget* owner) { owner_ = owner; }

  Answer Show(MessageKind kind, const std::string& text, const std::string& title) override;

 private:
  QPointer<QWidget> owner_;
};

}  // namespace ordovan
