#include "help/ui/TfrmHelp.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "help/HelpTexts.h"
#include "uikit/QtText.h"

namespace ordovan {

TfrmHelp::TfrmHelp(QWidget* parent) : QDialog(parent) {
  setObjectName("frmHelp");
  setWindowTitle(QString(kProductTitle) + " - Help");

  lstHelpTopics = new QListWidget(this);
  lstHelpTopics->setObjectName("lstHelpTopics");
  lstHelpTopics->setAccessibleName("Help topics");
  for (const HelpTopic& topic : HelpTopics()) {
    auto* item = new QListWidgetItem(ToQt(topic.title), lstHelpTopics);
    item->setData(Qt::UserRole, ToQt(topic.id));
  }
  lstHelpTopics->setFixedWidth(200);

  mmoHelpText = new QPlainTextEdit(this);
  mmoHelpText->setObjectName("mmoHelpText");
  mmoHelpText->setAccessibleName("Help text");
  mmoHelpText->setReadOnly(true);
  mmoHelpText->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  mmoHelpText->setLineWrapMode(QPlainTextEdit::NoWrap);

  btnMoreHelp = new QPushButton("More Help", this);
  btnMoreHelp->setObjectName("btnMoreHelp");
  btnMoreHelp->setToolTip("What each command of this page does.");
  btnHelpClose = new QPushButton("Close", this);
  btnHelpClose->setObjectName("btnHelpClose");
  btnHelpClose->setDefault(true);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(btnMoreHelp);
  buttons->addWidget(btnHelpClose);
  auto* body = new QHBoxLayout;
  body->addWidget(lstHelpTopics);
  body->addWidget(mmoHelpText, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(body, 1);
  layout->addLayout(buttons);
  resize(900, 680);

  connect(lstHelpTopics, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row >= 0) SelectTopic(FromQt(lstHelpTopics->item(row)->data(Qt::UserRole).toString()));
  });
  connect(btnMoreHelp, &QPushButton::clicked, this, &TfrmHelp::btnMoreHelpClick);
  connect(btnHelpClose, &QPushButton::clicked, this, &QDialog::close);
  SelectTopic(kOverviewTopic);
}

void TfrmHelp::SelectTopic(const std::string& id) {
  const HelpTopic* topic = FindHelpTopic(id);
  if (!topic) return;
  current_ = id;
  mmoHelpText->setPlainText(ToQt(topic->text));
  btnMoreHelp->setEnabled(!topic->more_text.empty());
  for (int row = 0; row < lstHelpTopics->count(); ++row) {
    if (lstHelpTopics->item(row)->data(Qt::UserRole).toString() == ToQt(id) &&
        lstHelpTopics->currentRow() != row) {
      lstHelpTopics->setCurrentRow(row);
    }
  }
}

void TfrmHelp::ShowTopic(const std::string& id, bool more_help_visible) {
  SelectTopic(id);
  btnMoreHelp->setVisible(more_help_visible);
  show();
  raise();
  activateWindow();
}

void TfrmHelp::btnMoreHelpClick() {
  const HelpTopic* topic = FindHelpTopic(current_);
  if (!topic) return;
  mmoHelpText->setPlainText(ToQt(topic->more_text));
  btnMoreHelp->setEnabled(false);
}

}  // namespace ordovan
