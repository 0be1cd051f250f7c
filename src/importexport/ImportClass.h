#pragma once
// The import parser: a list file in, an ordered list of items out. Plain text
// (one item per line) or a separated file (every field, or the field of one
// column), optionally with one level of quotation marks removed. The items
// are not checked as paths and duplicates stay; the import dialog trims,
// drops the empty ones and the duplicates.

#include <string>

#include "importexport/ListFileReader.h"
#include "platform/FileSystem.h"
#include "paths/PathText.h"

namespace ordovan {

class FileSystem;
class Prompter;

// The values the import dialog passes. Any other value yields no items.
enum ImportMode : int {
  ImportPlainText = 2,
  ImportAllColumns = 4,
  ImportOneColumn = 5,
};

// `mark`, then `text` with every `mark` doubled, then `mark`:
// QuoteText("it's", '\'') is 'it''s'.
std::string QuoteText(const std::string& text, char mark);
// Removes one level of `mark` quotes: "a""b" gives a"b, "abc"def gives abc;
// a text that does not begin with the mark, or whose quotes do not enclose
// anything followed by text, is returned unchanged.
std::string DequoteText(const std::string& text, char mark);

struct ImportRequest {
  std::string file_name;
  int mode = ImportPlainText;
  std::string delimiter;       // the word "space" stands for one blank
  std::string quotation_mark;  // kept for the dialog; the parser always uses " and '
  bool abandon_quotation_marks = true;
};

class ImportClass {
 public:
  ImportClass(FileSystem& file_system, Prompter& prompter, const ImportRequest& request);
  ImportClass(const ImportClass&) = delete;
  ImportClass& operator=(const ImportClass&) = delete;

  // The column taken in ImportOneColumn, counted from 1. Below 1 no line
  // yields an item.
  void SetColumn(int column) { column_ = column; }
  // Reads the file and fills the items. A file that cannot be read whole
  // (missing, not a regular file, binary, a line over 32,767 characters, a
  // read error) shows its warning and leaves the items empty.
  void Parse();
  TEXT_LIST GetItems() const { return items_; }

  // What the last Parse met; kRead after a clean parse.
  ListReadOutcome outcome() const { return outcome_; }
  // On kCannotOpen: whether the file is missing (kNotFound) or was refused.
  FileError open_error() const { return open_error_; }
  const std::string& delimiter() const { return delimiter_; }
  const std::string& quotation_mark() const { return quotation_mark_; }

 private:
  void TakePlainLine(const std::string& line);
  void TakeSeparatedLine(const std::string& line);
  std::string AbandonQuotationMarks(const std::string& item) const;

  FileSystem& file_system_;
  Prompter& prompter_;
  std::string file_name_;
  int mode_;
  std::string delimiter_;
  std::string quotation_mark_;
  bool abandon_;
  int column_ = 1;
  bool requote_double_ = false;
  bool requote_apostrophe_ = false;
  ListReadOutcome outcome_ = ListReadOutcome::kRead;
  FileError open_error_ = FileError::kRefused;
  TEXT_LIST items_;
};

// The warning of each outcome but kRead: text and title.
struct ImportWarning {
  const char* text;
  const char* title;
};
const ImportWarning& ImportWarningFor(ListReadOutcome outcome);

}  // namespace ordovan
