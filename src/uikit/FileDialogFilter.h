#pragma once
// File dialogs take their filter in the program's form, description and
// pattern in turn between bars ("Text files|*.txt|All|*.*"); Qt wants
// "Text files (*.txt);;All (*.*)".

#include <string>

namespace ordovan {

// The Qt form of `filter`. Several patterns of one description ("*.txt;*.csv")
// become one space-separated list; a description without a pattern matches
// every file ("(*)"); empty descriptions between bars are skipped. A
// description that ends in its own patterns ("Text Files (*.txt)") keeps them once.
std::string QtFileDialogFilter(const std::string& filter);

}  // namespace ordovan
