#pragma once
// The windows' event pump: lets pending window messages run at most every
// ~15 ms, so a 30,000-entry fill repaints a few dozen times instead of
// 30,000. User input waits until the command has finished, so no second
// command can start in the middle of a list change.
//
// It is also the windows' Stop input (StopInput.h): a long command that can
// be stopped names its Stop controls for its duration, one on each window
// the command shows. Pump()
// then also lets through the clicks on those controls and the Escape key;
// Escape and a Stop's `clicked` (a mouse click, or an assistive tool's
// "Press") set StopRequested(). Every other input is held and delivered when
// the section ends.

#include <QElapsedTimer>
#include <QObject>
#include <QMetaObject>
#include <QPointer>
#include <QWidget>
#include <memory>
#include <vector>

#include "platform/EventPump.h"
#include "uikit/StopInput.h"

namespace ordovan {

class QtEventPump : public QObject, public EventPump, public StopInput {
 public:
  static constexpr int kSliceMs = 15;

  QtEventPump();
  ~QtEventPump() override;
  QtEventPump(const QtEventPump&) = delete;
  QtEventPump& operator=(const QtEventPump&) = delete;

  void Pump() override;
  bool StopRequested() const override { return stop_requested_; }

  void BeginStoppable(std::vector<QWidget*> stop_controls) override;
  // StopRequested() is false again, held input is posted.
  void EndStoppable() override;
  // What a Stop control's click does; nothing outside a section.
  void RequestStop();

  int runs() const { return runs_; }  // how often the events actually ran

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct HeldEvent {
    QPointer<QObject> receiver;
    std::unique_ptr<QEvent> event;
  };
  bool IsStopControl(QObject* watched, QEvent* event) const;

  QElapsedTimer since_last_;
  int runs_ = 0;
  bool stoppable_ = false;
  bool stop_requested_ = false;
  std::vector<QPointer<QWidget>> stop_controls_;
  std::vector<QMetaObject::Connection> stop_clicks_;
  std::vector<HeldEvent> held_;
};

}  // namespace ordovan
