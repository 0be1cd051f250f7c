#pragma once
// How long a hint (tooltip) stays visible. Qt hides a tooltip after a few
// seconds of its own choosing; an application-wide filter shows every hint,
// those of windows built later included, for the program's display time.

#include <QObject>

namespace ordovan {

inline constexpr int kHintDisplayMs = 600000;  // ten minutes

class HintTimeFilter : public QObject {
  Q_OBJECT
 public:
  explicit HintTimeFilter(QObject* parent = nullptr) : QObject(parent) {}

  void SetDisplayTime(int ms) { display_ms_ = ms; }
  int DisplayTime() const { return display_ms_; }
  // Installs one filter on the application (again: no second filter).
  static HintTimeFilter* Install(int display_ms);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  int display_ms_ = kHintDisplayMs;
};

}  // namespace ordovan
