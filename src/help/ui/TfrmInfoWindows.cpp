#include "help/ui/TfrmInfoWindows.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "help/HelpTexts.h"
#include "uikit/QtText.h"

namespace ordovan {

TfrmOverview::TfrmOverview(QWidget* parent) : QDialog(parent) {
  setObjectName("frmOverview");
  setWindowTitle(QString(kProductTitle) + " - Overview");

  mmoOverviewText = new QPlainTextEdit(ToQt(OverviewText()), this);
  mmoOverviewText->setObjectName("mmoOverviewText");
  mmoOverviewText->setAccessibleName("Overview");
  mmoOverviewText->setReadOnly(true);
  mmoOverviewText->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  mmoOverviewText->setLineWrapMode(QPlainTextEdit::NoWrap);

  btnOverviewClose = new QPushButton("Close", this);
  btnOverviewClose->setObjectName("btnOverviewClose");
  btnOverviewClose->setDefault(true);
  connect(btnOverviewClose, &QPushButton::clicked, this, &QDialog::close);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(btnOverviewClose);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(mmoOverviewText, 1);
  layout->addLayout(buttons);
  resize(720, 520);
}

void TfrmOverview::ShowOverview() {
  show();
  raise();
  activateWindow();
}

TfrmAboutBox::TfrmAboutBox(QWidget* parent) : QDialog(parent) {
  setObjectName("frmAboutBox");
  setWindowTitle(QString("About ") + kProductTitle);
  setModal(true);

  lblAboutProduct = new QLabel(kProductTitle, this);
  lblAboutProduct->setObjectName("lblAboutProduct");
  QFont big = lblAboutProduct->font();
  big.setPointSizeF(big.pointSizeF() * 1.8);
  big.setBold(true);
  lblAboutProduct->setFont(big);
  lblAboutProduct->setAlignment(Qt::AlignCenter);

  lblAboutText = new QLabel(ToQt(AboutText()), this);
  lblAboutText->setObjectName("lblAboutText");
  lblAboutText->setAlignment(Qt::AlignCenter);
  lblAboutText->setWordWrap(true);

  btnAboutOK = new QPushButton("OK", this);
  btnAboutOK->setObjectName("btnAboutOK");
  btnAboutOK->setDefault(true);
  connect(btnAboutOK, &QPushButton::clicked, this, &QDialog::accept);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(btnAboutOK);
  buttons->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(24, 20, 24, 16);
  layout->addWidget(lblAboutProduct);
  layout->addSpacing(8);
  layout->addWidget(lblAboutText, 1);
  layout->addSpacing(8);
  layout->addLayout(buttons);
  setFixedSize(420, 240);
}

}  // namespace ordovan
