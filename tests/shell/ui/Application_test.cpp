// The application object, the hint time, the help windows and the Qt
// message boxes.

#include <gtest/gtest.h>

#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolTip>
#include <stdexcept>

#include "help/HelpTexts.h"
#include "help/ui/TfrmHelp.h"
#include "help/ui/TfrmInfoWindows.h"
#include "shell/ui/HintTime.h"
#include "shell/ui/OrdovanApplication.h"
#include "shell/ui/QtEventPump.h"
#include "shell/ui/QtPrompter.h"
#include "support/ui/AppFixture.h"

namespace ordovan::testing {
namespace {

// An object whose event handler fails the way a command might.
class Throwing : public QObject {
 public:
  explicit Throwing(bool with_text) : with_text_(with_text) {}
  bool event(QEvent* e) override {
    if (e->type() == QEvent::User) {
      if (with_text_) throw std::runtime_error("The disk went away.");
      throw 42;
    }
    return QObject::event(e);
  }

 private:
  bool with_text_;
};

TEST(OrdovanApplication, AnErrorEscapingAHandlerIsShownWithItsOwnTextAndTheProgramGoesOn) {
  auto* app = qobject_cast<OrdovanApplication*>(QCoreApplication::instance());
  ASSERT_NE(app, nullptr);
  RecordingPrompter prompter;
  app->SetErrorPrompter(&prompter);
  prompter.Expect(MessageKind::kError, "The disk went away.", "Ordovan 3.00");
  prompter.Expect(MessageKind::kError, "", "Ordovan 3.00");
  Throwing with_text(true), without_text(false);
  QEvent event(QEvent::User);
  QCoreApplication::sendEvent(&with_text, &event);
  QCoreApplication::sendEvent(&without_text, &event);
  app->SetErrorPrompter(nullptr);
  prompter.VerifyDone();
  // The loop still works afterwards.
  QEvent again(QEvent::None);
  EXPECT_FALSE(QCoreApplication::sendEvent(&with_text, &again));
}

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
                            std::pair{MessageKind::kInformation, QMessageBox::Information}}) {
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

class HelpTest : public AppFixture {
 protected:
  void SetUp() override { StartWindows(); }
};

TEST_F(HelpTest, HelpButtonOpensTheOrganizerTopicWithMoreHelp) {
  auto* help = windows().Find<TfrmHelp>();
  ASSERT_NE(help, nullptr);
  EXPECT_FALSE(help->isVisible());
  main().btnVol14Help->click();
  EXPECT_TRUE(help->isVisible());
  EXPECT_TRUE(help->windowTitle().contains("Ordovan 3.00"));
  EXPECT_EQ(help->CurrentTopic(), kOrganizerTopic);
  EXPECT_EQ(help->mmoHelpText->toPlainText().toStdString(),
            FindHelpTopic(kOrganizerTopic)->text);
  ASSERT_TRUE(help->btnMoreHelp->isVisible());
  help->btnMoreHelp->click();
  EXPECT_EQ(help->mmoHelpText->toPlainText().toStdString(),
            FindHelpTopic(kOrganizerTopic)->more_text);
  help->close();
}

TEST_F(HelpTest, HelpTextsNameEveryCommandOfThePage) {
  const std::string& more = FindHelpTopic(kOrganizerTopic)->more_text;
  for (const char* caption :
       {"Add Fold. Path", "List Builder", "Import F.P. List", "Edit List", "View Selected",
        "Export", "Zoon", "Delete Sel.", "Delete All", "Find", "Item Up", "Cut the Lead Subfolders",
        "Browse", "Show Explorer", "Show Visual Log", "Simulation/View", "Organize", "Undo",
        "Visual Log", "Clear Fields"}) {
    EXPECT_NE(more.find(caption), std::string::npos) << caption;
  }
}

TEST_F(HelpTest, HelpMenuOpensTheOverviewTheDocumentationAndTheAboutBox) {
  auto* overview = windows().Find<TfrmOverview>();
  main().mnuHelpOverview->trigger();
  EXPECT_TRUE(overview->isVisible());
  EXPECT_TRUE(overview->windowTitle().contains("Ordovan 3.00"));
  EXPECT_EQ(overview->mmoOverviewText->toPlainText().toStdString(), OverviewText());
  overview->close();

  auto* help = windows().Find<TfrmHelp>();
  main().mnuHelpWebPage->trigger();
  EXPECT_TRUE(help->isVisible());
  EXPECT_EQ(help->CurrentTopic(), kOverviewTopic);
  help->close();

  auto* about = windows().Find<TfrmAboutBox>();
  bool shown_modal = false;
  WhenModalOpens([&](QWidget* modal) {
    shown_modal = modal == about;
    EXPECT_TRUE(about->windowTitle().contains("Ordovan 3.00"));
    EXPECT_EQ(about->lblAboutProduct->text(), "Ordovan 3.00");
    about->btnAboutOK->click();
  });
  main().mnuHelpAboutUs->trigger();
  EXPECT_TRUE(shown_modal);
}

}  // namespace
}  // namespace ordovan::testing
