#include "scanning/ListBuilderMessages.h"

namespace ordovan::builder_messages {

std::string Title(const std::string& number) {
  const std::size_t blanks = number == "0584" ? 13 : 12;
  return "SubFolder Level List Builder." + std::string(blanks, ' ') + "Warning no: " + number + ".";
}

std::string BadLevelNumber(const std::string& text) {
  return "'" + text + "' is not a valid level number !\n" +
         "Action : You must enter a whole number, 0 or greater than 0.";
}

}  // namespace ordovan::builder_messages
