#include "shell/ui/OrdovanApplication.h"

#include "platform/Prompter.h"
#include "uikit/QtPrompter.h"

namespace ordovan {

void ReportUnexpectedError(Prompter& prompter, const std::string& text) {
  prompter.Fail(text, kUnexpectedErrorTitle);
}

std::string CurrentExceptionText() {
  try {
    throw;
  } catch (const std::exception& e) {
    return e.what();
  } catch (...) {
    return {};
  }
}

OrdovanApplication::OrdovanApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool OrdovanApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (...) {
    const std::string text = CurrentExceptionText();
    if (error_prompter_) {
      ReportUnexpectedError(*error_prompter_, text);
    } else {
      QtPrompter prompter;
      ReportUnexpectedError(prompter, text);
    }
    return false;
  }
}

}  // namespace ordovan
