#pragma once
// The static texts of the help and information windows.

#include <string>
#include <vector>

namespace ordovan {

// The product title: the main window's caption and the help windows' titles.
inline constexpr char kProductTitle[] = "Ordovan 3.00";

struct HelpTopic {
  std::string id;
  std::string title;
  std::string text;       // shown when the topic is opened
  std::string more_text;  // "More Help": the command-by-command detail
};

inline constexpr char kOverviewTopic[] = "overview";
inline constexpr char kOrganizerTopic[] = "organizer";
inline constexpr char kListBuilderTopic[] = "listbuilder";

// Every topic of the general help window, in the order it lists them.
const std::vector<HelpTopic>& HelpTopics();
// The topic with `id`, or null.
const HelpTopic* FindHelpTopic(const std::string& id);

// The overview window's text, and the about box's text below the product title.
const std::string& OverviewText();
const std::string& AboutText();

}  // namespace ordovan
