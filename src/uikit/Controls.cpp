#include "uikit/Controls.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "uikit/CounterLabel.h"

namespace ordovan {

namespace {
QString SpokenCaption(const QString& caption) { return QString(caption).remove('&').trimmed(); }
}  // namespace

QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& caption,
                        const QString& hint) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setAccessibleName(SpokenCaption(caption));
  if (!hint.isEmpty()) button->setToolTip(hint);
  button->setAutoDefault(false);
  return button;
}

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& caption) {
  auto* label = new QLabel(caption, parent);
  label->setObjectName(name);
  return label;
}

CounterLabel* MakeCounter(QWidget* parent, const QString& name, const QString& caption,
                          const QString& text, const QString& unit) {
  return new CounterLabel(name, caption, text, parent, unit);
}

QRadioButton* MakeRadio(QWidget* parent, const QString& name, const QString& caption,
                        const QString& hint) {
  auto* radio = new QRadioButton(caption, parent);
  radio->setObjectName(name);
  radio->setAccessibleName(SpokenCaption(caption));
  if (!hint.isEmpty()) radio->setToolTip(hint);
  return radio;
}

}  // namespace ordovan
