#pragma once
// Radio choices. A choice is made by a mouse click, the arrow keys, an
// accessibility "Toggle" or the program itself; only `toggled` comes in every
// case, so the rules that follow a choice hang on it. Buttons stay
// auto-exclusive, which is what makes assistive tools report them as radio
// buttons, not check boxes.

#include <QAbstractButton>
#include <QButtonGroup>
#include <initializer_list>
#include <utility>

namespace ordovan {

// An exclusive group of `buttons`, owned by `owner`: for choices that share
// a parent with other choices.
QButtonGroup* MakeExclusiveGroup(QObject* owner, std::initializer_list<QAbstractButton*> buttons);

// Leaves no button of `group` checked (a choice that does not apply yet).
void ClearChoice(QButtonGroup* group);

// Runs `handler` whenever `button` becomes the chosen one.
template <typename Handler>
void OnChosen(QAbstractButton* button, QObject* context, Handler handler) {
  QObject::connect(button, &QAbstractButton::toggled, context,
                   [handler = std::move(handler)](bool chosen) {
                     if (chosen) handler();
                   });
}

}  // namespace ordovan
