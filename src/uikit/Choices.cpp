#include "uikit/Choices.h"

namespace ordovan {

QButtonGroup* MakeExclusiveGroup(QObject* owner, std::initializer_list<QAbstractButton*> buttons) {
  auto* group = new QButtonGroup(owner);
  group->setExclusive(true);
  for (QAbstractButton* button : buttons) group->addButton(button);
  return group;
}

void ClearChoice(QButtonGroup* group) {
  // An exclusive group keeps one button checked; it lets go only while it
  // is not exclusive.
  group->setExclusive(false);
  for (QAbstractButton* button : group->buttons()) button->setChecked(false);
  group->setExclusive(true);
}

}  // namespace ordovan
