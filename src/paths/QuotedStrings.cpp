#include "paths/QuotedStrings.h"

#include <string>

#include "platform/Prompter.h"

namespace ordovan {

bool ParseQuotedStrings(const std::string& text, const std::string& message_prefix,
                        TEXT_LIST* target, Prompter& prompter) {
  if (text.empty()) return true;
  POSITION_LIST marks;
  int count = FindMarkPositions(text, "\"", &marks);
  if (count % 2 != 0) {
    prompter.Show(MessageKind::kWarning,
                  message_prefix + "Odd number of marks(separators) : " + std::to_string(count) +
                      "\n\n" + "Action : You must enter an even number of separators(marks).",
                  "Warning !    Msg no: 0519.");
    return false;
  }
  for (std::string& item : SplitQuotedOnWhitespace(text, marks)) {
    target->push_back(std::move(item));
  }
  return true;
}

}  // namespace ordovan
