#include "help/HelpTexts.h"

namespace ordovan {

namespace {

const char kOverviewBody[] =
    "Ordovan changes the order of the folder levels of many folder paths at once.\n"
    "\n"
    "Take client folders filed as  f:\\Old Clients\\Client1\\2016\\docs  and you may\n"
    "want them by year instead:  f:\\New Clients\\2016\\Client1\\Old Clients\\docs.\n"
    "Ordovan builds that new tree for every path of a list in one run.\n"
    "\n"
    "The road of a reorganization:\n"
    "  1. Fill the Include list with the folder paths to reorganize: one by one\n"
    "     with \"Add Fold. Path\", from a folder tree with the List Builder, from a\n"
    "     text file with \"Import F.P. List\", or by typing with \"Edit List\".\n"
    "  2. Press \"Find\". The shortest path becomes the template; its level names\n"
    "     appear in the Old Level Order.\n"
    "  3. Copy the names one by one into the New Level Order with \">\" and put\n"
    "     them in the order you want with \"Item Up\" and \"Item Down\".\n"
    "  4. Choose the new destination directory with \"Browse\".\n"
    "  5. Press \"Simulation/View\" to see what would happen, then \"Organize\".\n"
    "     The Visual Log lists what was reorganized and what was not, and why.\n"
    "  6. \"Undo\" deletes what the last Organize created.\n"
    "\n"
    "Your old folders are never changed: Ordovan creates new folders under the\n"
    "destination and copies files into them; it never overwrites a file.";

const char kOrganizerBody[] =
    "The organizer page holds everything of one reorganization.\n"
    "\n"
    "Top left, the Include list: the folder paths the next run works on.\n"
    "Top right, the Exclude list: a parking place for paths you take out of the\n"
    "run without losing them. The buttons between the lists move paths across.\n"
    "\n"
    "Bottom left, the level template: \"Find\" fills the Old Level Order with the\n"
    "level names of the shortest path; you build the New Level Order from it.\n"
    "\n"
    "Bottom right, the destination and the run: choose where the new folders go,\n"
    "whether files are copied, and start a simulation or the real run.\n"
    "\n"
    "Press \"More Help\" for what each button does.";

const char kOrganizerMore[] =
    "Include and Exclude lists\n"
    "  Add Fold. Path   picks one existing folder with the folder picker. It must\n"
    "                   have at least one subfolder level below the main folder.\n"
    "  List Builder     lists the subfolders of a folder tree by level number and\n"
    "                   adds the result to the Include list.\n"
    "  Import F.P. List reads folder paths from a text or separated file.\n"
    "  Edit List        edits the Include list as text, one path per line.\n"
    "  View Selected    opens the current Include path in the file explorer.\n"
    "  Export           saves the Include list to a text file.\n"
    "  Zoon             shows the Include list in a large window.\n"
    "  >  and  <        move the selected paths to the other list.\n"
    "  >> and <<        move every path to the other list.\n"
    "  <>               exchanges the contents of the two lists.\n"
    "  Delete Sel.      deletes the selected path from the Exclude list.\n"
    "  Delete All       empties the Exclude list.\n"
    "  A path enters a list only once (letter case does not count) and only with\n"
    "  a drive; every change of the lists takes the page back to before Find.\n"
    "\n"
    "Level template\n"
    "  Find             sorts the Include list by depth and takes the shortest\n"
    "                   path with distinct level names as the template.\n"
    "  >                copies the selected Old Level name to the New Level Order.\n"
    "  Item Up / Down   move the selected New Level name one place.\n"
    "  Delete Sel. / All  remove names from the New Level Order.\n"
    "  Cut the Lead Subfolders  drops that many leading levels of every path.\n"
    "\n"
    "Destination and run\n"
    "  Browse           chooses the new destination directory (not a drive root).\n"
    "  Show Explorer    opens the destination in the file explorer.\n"
    "  Reorganize       with Files copies the files of the old folders as well;\n"
    "                   without Files only creates the new folders.\n"
    "  Show Visual Log  shows the results window while a run works.\n"
    "  Simulation/View  computes and lists everything without touching the disk.\n"
    "  Organize         creates the new folders and copies the files.\n"
    "  Undo             deletes the folders and files the last Organize created.\n"
    "  Visual Log       shows the results of the last run.\n"
    "  Clear Fields     empties every list and field of the page.";

const char kListBuilderBody[] =
    "The Subfolder List Builder fills the Include list from a whole folder tree.\n"
    "\n"
    "Choose the source folder with \"Browse\" (or pick one used before): the table\n"
    "shows how many subfolders each level holds, level 1 being the folders\n"
    "directly inside the source folder. Choose the levels to list and press\n"
    "\"Build a List\"; \"Import\" then adds the list to the Include list of the\n"
    "main window.\n"
    "\n"
    "Press \"More Help\" for what each control does.";

const char kListBuilderMore[] =
    "Source folder\n"
    "  Browse           chooses the folder tree to scan and shows its levels.\n"
    "  View             opens the source folder in the file explorer.\n"
    "  Stop (or Esc)    stops a long scan; nothing that was shown changes.\n"
    "\n"
    "Subfolder Level Number\n"
    "  From: ... To:    lists the subfolders of the levels from one number to\n"
    "                   the other, both included.\n"
    "  Above:           lists the subfolders of every level up to the number.\n"
    "  Below:           lists the subfolders of the level and every deeper one.\n"
    "  All Subfolders in Path   lists every subfolder of those levels.\n"
    "  Only the Last Subfolder  lists a folder only where its path ends (it has\n"
    "                   no subfolder), or at the last level asked for.\n"
    "  Subfolder Filter lists only folders whose own name holds this text\n"
    "                   (letter case does not count).\n"
    "  Build a List     scans the tree and adds what matches to the Include\n"
    "                   list; it can first empty the list. A level number must\n"
    "                   be a whole number, 0 or greater.\n"
    "\n"
    "Lists\n"
    "  >  and  <        move the selected folders to the other list.\n"
    "  >> and <<        move every folder to the other list.\n"
    "  <>               exchanges the contents of the two lists.\n"
    "  View Sel.        opens the current Include folder in the file explorer.\n"
    "  Levels           shows the level summary of the current Include folder.\n"
    "  Export           saves the Include list to a file.\n"
    "  Edit List        edits the Include list as text.\n"
    "  Delete Selected / Delete All   remove folders from the Exclude list.\n"
    "  Clear All        empties both lists, the source history and the summary.\n"
    "  Import           closes the window and adds the Include list to the main\n"
    "                   window's Include list; Cancel closes it without.";

}  // namespace

const std::vector<HelpTopic>& HelpTopics() {
  static const std::vector<HelpTopic> topics = {
      {kOverviewTopic, "Overview", kOverviewBody, kOrganizerMore},
      {kOrganizerTopic, "Reorganize Folder Levels", kOrganizerBody, kOrganizerMore},
      {kListBuilderTopic, "Subfolder List Builder", kListBuilderBody, kListBuilderMore},
  };
  return topics;
}

const HelpTopic* FindHelpTopic(const std::string& id) {
  for (const HelpTopic& topic : HelpTopics()) {
    if (topic.id == id) return &topic;
  }
  return nullptr;
}

const std::string& OverviewText() {
  static const std::string text = kOverviewBody;
  return text;
}

const std::string& AboutText() {
  static const std::string text =
      "Reorders the subfolder levels of many folder paths at once.\n"
      "\n"
      "Settings are kept in the file default.set in the folder the program "
      "was first started from.";
  return text;
}

}  // namespace ordovan
