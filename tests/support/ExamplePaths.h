#pragma once
// The places of the worked example that the reorganizer's tests check, named
// as the example's table names them: the destination of a run over the
// clients tree (ReorganizerFixtures.h), the four main folders that run makes
// in it, the run journal beside the settings on f:, and the head of the
// report an Undo gives when it has to keep something.

#include <string>

namespace ordovan::testing::example {

inline const std::string N = "f:\\New Clients";
inline const std::string M2015 = N + "\\2015\\Client2\\Old Clients";
inline const std::string MClient2 = N + "\\2016\\Client2\\Old Clients";
inline const std::string MClient3 = N + "\\2016\\Client3\\Business";
inline const std::string MClient1 = N + "\\2016\\Client1\\Old Clients";

inline const std::string Journal = "f:\\settings\\ordovan-run.journal";

inline const char* const kReportHead =
    "The program is unable to delete the following folders, and/or separate files : \n"
    "\nOTHER REASONS   : \n\n";

}  // namespace ordovan::testing::example
