// The application object and the help windows.

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
#include "shell/ui/OrdovanApplication.h"
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
