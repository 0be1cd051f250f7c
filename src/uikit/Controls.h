#pragma once
// The controls every window makes alike. Each carries its object name, by
// which tests, pictures and assistive tools find it; buttons and choices are
// read out by their caption (without the '&' of a shortcut and without the
// blanks some captions are padded with), and no push button becomes the
// default button unless its window says so.

#include <QString>

#include "uikit/CounterLabel.h"

class QLabel;
class QPushButton;
class QRadioButton;
class QWidget;

namespace ordovan {

QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& caption,
                        const QString& hint = QString());
QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& caption);
// A value beside its caption, read out with it (CounterLabel); `unit` follows the value.
CounterLabel* MakeCounter(QWidget* parent, const QString& name, const QString& caption,
                          const QString& text = QStringLiteral("0"),
                          const QString& unit = QString());
QRadioButton* MakeRadio(QWidget* parent, const QString& name, const QString& caption,
                        const QString& hint = QString());

}  // namespace ordovan
