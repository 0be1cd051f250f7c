#pragma once
// The messages of the Subfolder List Builder, texts and titles exactly as the
// program shows them.

#include <string>

namespace ordovan::builder_messages {

// "SubFolder Level List Builder." + blanks + "Warning no: <number>."; 0584
// has one blank more than the others.
std::string Title(const std::string& number);

inline constexpr const char* kSelectionEmpty =  // 0572, 0573, 0579
    "The selection field is empty !\nAction : You must select a destination folder.";
inline constexpr const char* kNoSelectedFolder =  // 0574
    "There is no selected Folder Structure !\nAction : You must select a Folder with a subfolder "
    "structure.";
inline constexpr const char* kDeleteSelectedQuestion =  // 0575
    "Do you want to delete the selected item(s) from the Exclude list ?\nNote: You can delete "
    "ONLY from the EXCLUDE list.\n";
inline constexpr const char* kClearAllQuestion =  // 0575
    "You will delete all fields !!!\nClick YES to Continue deleting all fields,\nClick NO to Stop "
    "the delete process.";
inline constexpr const char* kExcludeEmptyForDelete =  // 0576
    "The EXCLUDE list is empty !\nAction : You must enter at least one FOLDER to the EXCLUDE list "
    "to delete it.\n";
inline constexpr const char* kExcludeEmpty = "Empty List in the Exclude Window!\n";  // 0577
inline constexpr const char* kDeleteAllQuestion =  // 0578
    "Do you want to delete all item(s) from the Exclude list ?";
inline constexpr const char* kClearIncludeQuestion =  // 0580
    "Do you want to clear the previous content of the INCLUDE window ?\nClick YES to clear the "
    "previous content,\nClick NO to leave it.";
inline constexpr const char* kStartAfterEnd =  // 0581
    "The Start Number is greater then the End one!\nAction : You must enter a Start number that "
    "is smaller than the End one.";
inline constexpr const char* kNoMatches =  // 0582
    "There are no matching results for subfolder selection !\nAction : You must select a proper "
    "Subfolder level, or a filter.";
inline constexpr const char* kIncludeEmpty = "The Include Folder List is empty !\n";  // 0584
inline constexpr const char* kBuildEnd = "End of Subfolder List Building !";         // 0587

// Not among the builder's original messages: a level number field that holds
// no whole number from 0 up (0583), and a scan the user stopped (0585).
std::string BadLevelNumber(const std::string& text);
inline constexpr const char* kScanStopped =
    "The scan was stopped !\nNothing was changed.";

}  // namespace ordovan::builder_messages
