// Ordovan: reorders the folder levels of many folder paths at once.

#include "shell/ui/OrdovanApplication.h"
#include "shell/ui/RunOrdovan.h"

int main(int argc, char** argv) {
  ordovan::OrdovanApplication app(argc, argv);
  return ordovan::RunOrdovan(app);
}
