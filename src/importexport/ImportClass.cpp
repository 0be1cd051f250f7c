#include "importexport/ImportClass.h"

#include "platform/FileSystem.h"
#include "platform/Prompter.h"

namespace ordovan {

std::string QuoteText(const std::string& text, char mark) {
  std::string out;
  out.reserve(text.size() + 2);
  out.push_back(mark);
  for (char c : text) {
    out.push_back(c);
    if (c == mark) out.push_back(mark);
  }
  out.push_back(mark);
  return out;
}

std::string DequoteText(const std::string& text, char mark) {
  if (text.empty() || text[0] != mark) return text;
  std::string quoted;
  std::size_t closing = std::string::npos;
  for (std::size_t i = 1; i < text.size(); ++i) {
    if (text[i] != mark) {
      quoted.push_back(text[i]);
    } else if (i + 1 < text.size() && text[i + 1] == mark) {
      quoted.push_back(mark);
      ++i;
    } else {
      closing = i;
      break;
    }
  }
  if (closing == std::string::npos && !quoted.empty()) quoted.pop_back();
  if (text.back() == mark) return quoted;
  const bool text_follows = closing != std::string::npos && closing + 1 < text.size();
  return !quoted.empty() && text_follows ? quoted : text;
}

ImportClass::ImportClass(FileSystem& file_system, Prompter& prompter, const ImportRequest& request)
    : file_system_(file_system),
      prompter_(prompter),
      file_name_(request.file_name),
      mode_(request.mode),
      delimiter_(request.delimiter == "space" ? std::string(" ") : request.delimiter),
      quotation_mark_(request.quotation_mark),
      abandon_(request.abandon_quotation_marks) {}

std::string ImportClass::AbandonQuotationMarks(const std::string& item) const {
  return DequoteText(DequoteText(item, '"'), '\'');
}

void ImportClass::TakePlainLine(const std::string& line) {
  std::string item = Trim(line);
  if (item.empty()) return;
  if (abandon_) item = AbandonQuotationMarks(item);
  items_.push_back(std::move(item));
}

void ImportClass::TakeSeparatedLine(const std::string& line) {
  if (Trim(line).empty()) return;
  TEXT_LIST fields;
  if (delimiter_ == " ") {
    POSITION_LIST marks;
    if (FindMarkPositions(line, "\"", &marks) >= 2) {
      fields = SplitQuotedOnDelimiters(line, "\"", marks);
      requote_double_ = true;
    } else {
      marks.clear();
      if (FindMarkPositions(line, "'", &marks) >= 2) {
        fields = SplitQuotedOnDelimiters(line, "'", marks);
        requote_apostrophe_ = true;
      } else {
        fields = SplitOnDelimiters(line, " ");
      }
    }
  } else {
    fields = SplitOnDelimiters(line, delimiter_);
  }
  std::erase_if(fields, [](const std::string& field) { return TrimSpaces(field).empty(); });

  auto take = [this](const std::string& field) {
    std::string item = field;
    if (requote_apostrophe_) {
      item = QuoteText(Trim(field), '\'');
    } else if (requote_double_) {
      item = QuoteText(Trim(field), '"');
    }
    if (abandon_) item = AbandonQuotationMarks(item);
    items_.push_back(std::move(item));
  };
  if (mode_ == ImportAllColumns) {
    for (const std::string& field : fields) take(field);
  } else if (column_ >= 1 && static_cast<std::size_t>(column_) <= fields.size()) {
    take(fields[static_cast<std::size_t>(column_) - 1]);
  }
}

void ImportClass::Parse() {
  items_.clear();
  requote_double_ = false;
  requote_apostrophe_ = false;
  if (mode_ != ImportPlainText && mode_ != ImportAllColumns && mode_ != ImportOneColumn) {
    outcome_ = ListReadOutcome::kRead;
    return;
  }
  auto on_line = [this](const std::string& line) {
    if (mode_ == ImportPlainText) {
      TakePlainLine(line);
    } else {
      TakeSeparatedLine(line);
    }
  };
  // A file read again in ANSI starts the parse afresh, flags included.
  auto on_restart = [this] {
    items_.clear();
    requote_double_ = false;
    requote_apostrophe_ = false;
  };
  outcome_ = ReadListFile(file_system_, file_name_, on_line, on_restart, nullptr, &open_error_);
  if (outcome_ == ListReadOutcome::kRead) return;
  // Part of a file is not the list the user chose: nothing is taken.
  items_.clear();
  items_.shrink_to_fit();
  const ImportWarning& warning = ImportWarningFor(outcome_);
  prompter_.Warn(warning.text, warning.title);
}

const ImportWarning& ImportWarningFor(ListReadOutcome outcome) {
  static constexpr ImportWarning kCannotOpen{
      "There was a problem opening the file !\nAction : The file is maybe corrupted.",
      "Import File content.            Warnings no: 0313."};
  static constexpr ImportWarning kNotRegular{
      "The chosen name is not a file !\nAction : Choose a plain text or separated file, not a "
      "folder or a device.",
      "Import File content.            Warnings no: 0314."};
  static constexpr ImportWarning kBinary{
      "The file is not a text file !\nAction : Choose a plain text or separated file.",
      "Import File content.            Warnings no: 0315."};
  static constexpr ImportWarning kTooLong{
      "The file has a line longer than 32767 characters !\nAction : Choose a plain text or "
      "separated file with one line per item, or one separated line of at most 32767 characters.",
      "Import File content.            Warnings no: 0316."};
  static constexpr ImportWarning kReadError{
      "There was a problem reading the file !\nAction : Nothing was imported. Check the drive or "
      "the network connection and try again.",
      "Import File content.            Warnings no: 0317."};
  switch (outcome) {
    case ListReadOutcome::kNotRegularFile:
      return kNotRegular;
    case ListReadOutcome::kBinary:
      return kBinary;
    case ListReadOutcome::kLineTooLong:
      return kTooLong;
    case ListReadOutcome::kReadError:
      return kReadError;
    case ListReadOutcome::kRead:
    case ListReadOutcome::kCannotOpen:
      break;
  }
  return kCannotOpen;
}

}  // namespace ordovan
