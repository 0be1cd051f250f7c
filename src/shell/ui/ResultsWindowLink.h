#pragma once
// What the main window asks of the results window ("Visual Log",
// TfrmStatistic14). The results window implements it and is handed to
// TfrmMainFR::SetResultsWindow when it is created; until then the main
// window's calls do nothing. The counters need no call: the window follows
// the run's results (RunResults) itself.

#include <string>

class QWidget;

namespace ordovan {

class ResultsWindowLink {
 public:
  virtual ~ResultsWindowLink() = default;
  // Shows the window without making it modal; brings it forward when shown.
  virtual void ShowResultsWindow() = 0;
  // The hidden normal/simulate marker (checked: a normal run).
  virtual bool NormalRunMarked() const = 0;
  // Shows `text` as the mode caption, maroon and centred.
  virtual void SetModeCaption(const std::string& text) = 0;
  // The window's own Stop control (hidden until a run shows it), or null.
  virtual QWidget* StopControl() const = 0;
};

}  // namespace ordovan
