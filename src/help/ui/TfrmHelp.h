#pragma once
// The general help window: a list of topics, the text of the chosen topic,
// and "More Help" with the command-by-command detail of the topic.

#include <QDialog>
#include <string>

class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace ordovan {

class TfrmHelp : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmHelp(QWidget* parent = nullptr);

  // Shows the window (modeless, in front) at topic `id`, with or without the
  // "More Help" button.
  void ShowTopic(const std::string& id, bool more_help_visible);
  const std::string& CurrentTopic() const { return current_; }

  QListWidget* lstHelpTopics;
  QPlainTextEdit* mmoHelpText;
  QPushButton* btnMoreHelp;
  QPushButton* btnHelpClose;

 private:
  void SelectTopic(const std::string& id);
  void btnMoreHelpClick();

  std::string current_;
};

}  // namespace ordovan
