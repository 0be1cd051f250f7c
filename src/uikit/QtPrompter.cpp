#include "uikit/QtPrompter.h"

#include <QApplication>
#include <QMessageBox>

#include "uikit/QtText.h"

namespace ordovan {

Answer QtPrompter::Show(MessageKind kind, const std::string& text, const std::string& title) {
  QWidget* owner = owner_ ? owner_.data() : QApplication::activeWindow();
  QMessageBox box(owner);
  box.setWindowTitle(ToQt(title));
  box.setText(ToQt(text));
  box.setTextFormat(Qt::PlainText);
  switch (kind) {
    case MessageKind::kWarning:
      box.setIcon(QMessageBox::Warning);
      break;
    case MessageKind::kQuestion:
      box.setIcon(QMessageBox::Question);
      break;
    case MessageKind::kInformation:
      box.setIcon(QMessageBox::Information);
      break;
    case MessageKind::kError:
      box.setIcon(QMessageBox::Critical);
      break;
    case MessageKind::kPlain:
      box.setIcon(QMessageBox::NoIcon);
      break;
  }
  if (kind == MessageKind::kQuestion) {
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes ? Answer::kYes : Answer::kNo;
  }
  box.setStandardButtons(QMessageBox::Ok);
  box.exec();
  return Answer::kOk;
}

}  // namespace ordovan
