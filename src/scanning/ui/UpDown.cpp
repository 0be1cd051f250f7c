#include "scanning/ui/UpDown.h"

#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace ordovan {

UpDown::UpDown(const char* object_name, QLineEdit* buddy, int minimum, int maximum, bool wrap,
               QWidget* parent)
    : QWidget(parent), buddy_(buddy), minimum_(minimum), maximum_(maximum), wrap_(wrap) {
  setObjectName(object_name);
  const QString field = buddy->accessibleName();
  setAccessibleName(field);
  up_ = new QToolButton(this);
  up_->setArrowType(Qt::UpArrow);
  up_->setObjectName(QString(object_name) + "Up");
  up_->setAccessibleName(field + " up");
  down_ = new QToolButton(this);
  down_->setArrowType(Qt::DownArrow);
  down_->setObjectName(QString(object_name) + "Down");
  down_->setAccessibleName(field + " down");
  for (QToolButton* arrow : {up_, down_}) {
    arrow->setFixedSize(16, 11);
    arrow->setFocusPolicy(Qt::NoFocus);
  }
  connect(up_, &QToolButton::clicked, this, &UpDown::StepUp);
  connect(down_, &QToolButton::clicked, this, &UpDown::StepDown);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(up_);
  layout->addWidget(down_);
}

void UpDown::Step(int delta) {
  bool ok = false;
  int value = buddy_->text().trimmed().toInt(&ok);
  if (!ok || value < minimum_ || value > maximum_) {
    value = minimum_;
  } else {
    value += delta;
    if (value > maximum_) value = wrap_ ? minimum_ : maximum_;
    if (value < minimum_) value = wrap_ ? maximum_ : minimum_;
  }
  buddy_->setText(QString::number(value));
}

}  // namespace ordovan
