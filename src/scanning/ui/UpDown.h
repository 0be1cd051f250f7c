#pragma once
// The up-down arrows beside a number field: each arrow steps the field's
// number by 1 within a range; at the ends the number either stops or wraps
// around. A field text that is no number steps from the low end.

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace ordovan {

class UpDown : public QWidget {
  Q_OBJECT
 public:
  UpDown(const char* object_name, QLineEdit* buddy, int minimum, int maximum, bool wrap,
         QWidget* parent);

  void StepUp() { Step(+1); }
  void StepDown() { Step(-1); }

  QToolButton* up() const { return up_; }
  QToolButton* down() const { return down_; }

 private:
  void Step(int delta);

  QLineEdit* buddy_;
  int minimum_;
  int maximum_;
  bool wrap_;
  QToolButton* up_;
  QToolButton* down_;
};

}  // namespace ordovan
