// The window kit: hint time, event pump (with its Stop input), the Qt
// message boxes and the file dialog filter text.

#include <gtest/gtest.h>

#include <QApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <QToolTip>
#include <QVBoxLayout>

#include "support/ui/AppFixture.h"
#include "uikit/FileDialogFilter.h"
#include "uikit/HintTime.h"
#include "uikit/QtEventPump.h"
#include "uikit/QtPrompter.h"

namespace ordovan::testing {
namespace {

TEST(HintTime, EveryHintStaysUpForTenMinutes) {
  HintTimeFilter* filter = HintTimeFilter::Install(kHintDisplayMs);
  EXPECT_EQ(filter->DisplayTime(), 600000);
  EXPECT_EQ(HintTimeFilter::Install(kHintDisplayMs), filter);  // one filter only

  QWidget window;
  auto* button = new QPushButton("Find", &window);
  button->setToolTip("Find a shortest Path.");
  window.show();
  QHelpEvent on_button(QEvent::ToolTip, QPoint(2, 2), button->mapToGlobal(QPoint(2, 2)));
  QApplication::sendEvent(button, &on_button);
  EXPECT_TRUE(QToolTip::isVisible());
  EXPECT_EQ(QToolTip::text(), "Find a shortest Path.");
  QToolTip::hideText();
}

TEST(QtEventPump, RunsPendingEventsAtMostOncePerTimeSlice) {
  QtEventPump pump;
  for (int i = 0; i < 100000; ++i) pump.Pump();
  // 100,000 calls take far less than a second: at most a handful of slices.
  EXPECT_LT(pump.runs(), 60);
}

TEST(QtPrompter, QuestionsOfferYesAndNoWithNoAsTheDefault) {
  QtPrompter prompter;
  bool checked = false;
  WhenModalOpens([&](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->windowTitle(), "Ordovan.            Warning no: 140023.");
    EXPECT_EQ(box->text(), "Do you want to delete all item(s) from the Exclude list ?");
    EXPECT_EQ(box->icon(), QMessageBox::Question);
    EXPECT_EQ(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::No));
    checked = true;
    box->defaultButton()->click();
  });
  EXPECT_EQ(prompter.Show(MessageKind::kQuestion,
                          "Do you want to delete all item(s) from the Exclude list ?",
                          "Ordovan.            Warning no: 140023."),
            Answer::kNo);
  EXPECT_TRUE(checked);
}

TEST(QtPrompter, WarningsAndErrorsCarryTheirIconAndOneOkButton) {
  QtPrompter prompter;
  for (auto [kind, icon] : {std::pair{MessageKind::kWarning, QMessageBox::Warning},
                            std::pair{MessageKind::kError, QMessageBox::Critical},
                            std::pair{MessageKind::kInformation, QMessageBox::Information},
                            std::pair{MessageKind::kPlain, QMessageBox::NoIcon}}) {
    QMessageBox::Icon seen = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    WhenModalOpens([&](QWidget* modal) {
      auto* box = qobject_cast<QMessageBox*>(modal);
      ASSERT_NE(box, nullptr);
      seen = box->icon();
      buttons = box->standardButtons();
      box->button(QMessageBox::Ok)->click();
    });
    EXPECT_EQ(prompter.Show(kind, "text", "title"), Answer::kOk);
    EXPECT_EQ(seen, icon);
    EXPECT_EQ(buttons, QMessageBox::Ok);
  }
}

// Input as the window system would queue it: posted, so only a pump delivers it.
void PostClick(QWidget* widget) {
  const QPointF at(widget->width() / 2.0, widget->height() / 2.0);
  const QPointF global = widget->mapToGlobal(at);
  QCoreApplication::postEvent(widget, new QMouseEvent(QEvent::MouseButtonPress, at, global,
                                                      Qt::LeftButton, Qt::LeftButton,
                                                      Qt::NoModifier));
  QCoreApplication::postEvent(widget, new QMouseEvent(QEvent::MouseButtonRelease, at, global,
                                                      Qt::LeftButton, Qt::NoButton,
                                                      Qt::NoModifier));
}

void PostKey(QWidget* widget, int key) {
  QCoreApplication::postEvent(widget, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier));
  QCoreApplication::postEvent(widget, new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier));
}

// One pump that is sure to run (past its time slice).
void PumpOnce(QtEventPump& pump) {
  QThread::msleep(QtEventPump::kSliceMs + 5);
  pump.Pump();
}

class StoppablePumpTest : public ::testing::Test {
 protected:
  void SetUp() override {
    auto* layout = new QVBoxLayout(&window);
    stop = new QPushButton("Stop", &window);
    other = new QPushButton("Organize", &window);
    layout->addWidget(stop);
    layout->addWidget(other);
    QObject::connect(stop, &QPushButton::clicked, [this] { ++stop_clicks; });
    QObject::connect(other, &QPushButton::clicked, [this] { ++other_clicks; });
    window.show();
    QCoreApplication::processEvents();
  }

  QWidget window;
  QPushButton* stop = nullptr;
  QPushButton* other = nullptr;
  int stop_clicks = 0;
  int other_clicks = 0;
  QtEventPump pump;
};

TEST_F(StoppablePumpTest, OnlyTheStopClickAndEscapeGetThroughAndOtherInputWaitsForTheEnd) {
  bool timer_ran = false;
  {
    StoppableSection section(&pump, {stop});
    EXPECT_FALSE(pump.StopRequested());
    // Window messages other than input still run: a timer, a repaint.
    QTimer::singleShot(0, [&] { timer_ran = true; });
    PostClick(other);
    PostKey(other, Qt::Key_Space);
    PumpOnce(pump);
    EXPECT_TRUE(timer_ran);
    EXPECT_EQ(other_clicks, 0);
    EXPECT_FALSE(pump.StopRequested());

    PostClick(stop);
    PumpOnce(pump);
    EXPECT_EQ(stop_clicks, 1);
    EXPECT_TRUE(pump.StopRequested());
    EXPECT_EQ(other_clicks, 0);
  }
  EXPECT_FALSE(pump.StopRequested());
  // The held click and Space key on the other button arrive once the command is over.
  QCoreApplication::processEvents();
  EXPECT_EQ(other_clicks, 2);

  {
    StoppableSection section(&pump, {stop});
    EXPECT_FALSE(pump.StopRequested());  // a new section starts unstopped
    PostKey(other, Qt::Key_Escape);
    PumpOnce(pump);
    EXPECT_TRUE(pump.StopRequested());
    EXPECT_EQ(stop_clicks, 1);
  }
}

TEST(FileDialogFilter, ProgramFormBecomesQtForm) {
  const std::pair<const char*, const char*> cases[] = {
      {"Text files|*.txt|All|*.*", "Text files (*.txt);;All (*.*)"},
      {"Lists|*.txt;*.csv", "Lists (*.txt *.csv)"},
      {"Settings|*.set|Everything", "Settings (*.set);;Everything (*)"},
      {"|*.txt|All|*.*", "All (*.*)"},
      {"", ""},
      {"Text Files (*.txt)|*.txt|All Files (*.*)|*.*", "Text Files (*.txt);;All Files (*.*)"},
  };
  for (const auto& [program, qt] : cases) EXPECT_EQ(QtFileDialogFilter(program), qt) << program;
}

}  // namespace
}  // namespace ordovan::testing
