#pragma once
// The application object. Besides running the message loop it catches an
// error that escapes any event handler and shows it in a message box with the
// error's own text; the program goes on.

#include <QApplication>
#include <exception>
#include <string>

namespace ordovan {

class Prompter;

// The title of the box that shows an unexpected error.
inline constexpr char kUnexpectedErrorTitle[] = "Ordovan 3.00";

// Shows `text` as an error; used for errors caught anywhere in the shell.
void ReportUnexpectedError(Prompter& prompter, const std::string& text);
// The text of the exception being handled (empty for one without text).
std::string CurrentExceptionText();

class OrdovanApplication : public QApplication {
  Q_OBJECT
 public:
  OrdovanApplication(int& argc, char** argv);

  // Where unexpected errors go; the Qt message boxes unless set.
  void SetErrorPrompter(Prompter* prompter) { error_prompter_ = prompter; }

  bool notify(QObject* receiver, QEvent* event) override;

 private:
  Prompter* error_prompter_ = nullptr;
};

}  // namespace ordovan
