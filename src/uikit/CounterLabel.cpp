#include "uikit/CounterLabel.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace ordovan {

namespace {

#if QT_CONFIG(accessibility)
// The label's name is computed when it is asked for, so it follows every
// setText; QLabel announces the change itself while no fixed name is set.
class CounterAccessible : public QAccessibleWidget {
 public:
  explicit CounterAccessible(CounterLabel* label)
      : QAccessibleWidget(label, QAccessible::StaticText) {}
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) return static_cast<const CounterLabel*>(widget())->SpokenText();
    return QAccessibleWidget::text(t);
  }
};

QAccessibleInterface* CounterFactory(const QString& class_name, QObject* object) {
  auto* label = qobject_cast<CounterLabel*>(object);
  if (label == nullptr || class_name != QLatin1String(label->metaObject()->className())) {
    return nullptr;
  }
  return new CounterAccessible(label);
}

void InstallFactoryOnce() {
  static const bool installed = [] {
    QAccessible::installFactory(CounterFactory);
    return true;
  }();
  (void)installed;
}
#else
void InstallFactoryOnce() {}
#endif

}  // namespace

CounterLabel::CounterLabel(const QString& object_name, const QString& caption,
                           const QString& text, QWidget* parent, const QString& unit)
    : QLabel(text, parent), caption_(caption), unit_(unit) {
  setObjectName(object_name);
  InstallFactoryOnce();
}

QString CounterLabel::SpokenText() const {
  QString spoken = caption_.trimmed();
  if (!spoken.isEmpty() && !spoken.endsWith(':')) spoken += ':';
  const QString value = text().trimmed();
  if (!value.isEmpty()) spoken += ' ' + value;
  if (!unit_.isEmpty()) spoken += ' ' + unit_;
  return spoken;
}

}  // namespace ordovan
