#include "reorganizer/ResultsExport.h"

#include <unordered_set>

#include "platform/PathServices.h"

namespace ordovan {

namespace {

#define ORDOVAN_EXPORT_TITLE(number)                                                           \
  "Restructure Multiple Folders/Files - From a Folder List - Level.             Warning no: " \
  number "."

constexpr std::array<ExportMessage, kResultListCount> kEmptyListMessages = {{
    {"The List of Folders To Restructure is empty !\nAction : You must Have at least one Folder "
     "to use the Export Feature.",
     ORDOVAN_EXPORT_TITLE("60049")},
    {"The List of Restructured Main Folders is empty !\nAction : You must Have at least one "
     "Folder to use the Export Feature.",
     ORDOVAN_EXPORT_TITLE("60050")},
    {"The List of Restructured Main Folders with Subfolders is empty !\nAction : You must Have at "
     "least one Folder with Subfolders to use the Export Feature.",
     ORDOVAN_EXPORT_TITLE("60050")},
    {"The List of Files in Restructured Folders isempty !\nAction : You must Have at least one "
     "Files in Folders to use the Export Feature.",
     ORDOVAN_EXPORT_TITLE("60050")},
    {"The List of Not Existed Source Folders is empty !\nAction : You must Have at least one Not "
     "Existed Folder to use the Export Feature.",
     ORDOVAN_EXPORT_TITLE("60050")},
    // This title has no blank between "-" and "From", as the program always showed it.
    {"The List of Not Restructured (Destination Folders already exist) Folder Names is empty "
     "!\nAction : You must Have at least one Folder to use the Export Feature.",
     "Restructure Multiple Folders/Files -From a Folder List - Level.             Warning no: "
     "60051."},
    {"The List of Not Restructured (Other Reasons) Folder Names is empty !\nAction : You must "
     "Have at least one Folder to use the Export Feature.",
     ORDOVAN_EXPORT_TITLE("60052")},
    {"The List of Not Restructured (Folders Failed Undo) Folder Names is empty !\nAction : You "
     "must Have at least one Folder to use the Export Feature.",
     ORDOVAN_EXPORT_TITLE("60053")},
    {"The List of Files Not Copied is empty !\nAction : You must Have at least one File Not "
     "Copied to use the Export Feature.",
     "Ordovan.            Warning no: 140072."},
}};

#undef ORDOVAN_EXPORT_TITLE

}  // namespace

const ExportMessage& EmptyListExportMessage(ResultList list) {
  return kEmptyListMessages[ListIndex(list)];
}

TEXT_LIST EntriesForExport(const TEXT_LIST& shown_entries) {
  TEXT_LIST taken;
  std::unordered_set<std::string> taken_keys;
  taken.reserve(shown_entries.size());
  for (const std::string& entry : shown_entries) {
    std::string key = EntryKey(entry);
    if (taken_keys.count(key) != 0) continue;
    if (PlatformDriveOf(Trim(entry)).empty()) continue;
    taken_keys.insert(std::move(key));
    taken.push_back(entry);
  }
  return taken;
}

}  // namespace ordovan
