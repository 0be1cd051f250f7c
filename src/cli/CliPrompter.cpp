#include "cli/CliPrompter.h"

#include <ostream>

namespace ordovan::cli {

Answer CliPrompter::Show(MessageKind kind, const std::string& text, const std::string& title) {
  if (before_message_) before_message_();
  err_ << title << '\n' << text;
  if (text.empty() || text.back() != '\n') err_ << '\n';
  if (kind == MessageKind::kWarning || kind == MessageKind::kError) ++warnings_;
  if (kind != MessageKind::kQuestion) {
    err_.flush();
    return Answer::kOk;
  }
  if (answers_.yes) {
    err_ << "Answered Yes (--yes).\n";
    err_.flush();
    return Answer::kYes;
  }
  if (!answers_.interactive) {
    refused_ = true;
    err_ << "No terminal to answer on: run again with --yes to answer Yes.\n";
    err_.flush();
    return Answer::kNo;
  }
  err_ << "[y/N] ";
  err_.flush();
  std::string line;
  std::getline(in_, line);
  return (line == "y" || line == "Y" || line == "yes" || line == "Yes") ? Answer::kYes
                                                                         : Answer::kNo;
}

}  // namespace ordovan::cli
