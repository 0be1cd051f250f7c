#include "scanning/ui/TfrmLevelSummFolder.h"

#include <algorithm>

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "uikit/Controls.h"
#include "uikit/FrameSize.h"
#include "uikit/QtText.h"

namespace ordovan {

namespace {

QLabel* Caption(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  return label;
}

// A text the report fills, read out with its caption.
QLabel* Value(const char* name, const QString& caption, QWidget* parent,
              const QString& unit = QString()) {
  QLabel* label = MakeCounter(parent, name, caption, QString(), unit);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return label;
}

}  // namespace

TfrmLevelSummFolder::TfrmLevelSummFolder(QWidget* parent) : QDialog(parent) {
  setObjectName("frmLevelSummFolder");
  setWindowTitle("Level Number - Number of Subfolders");
  setToolTip(
      "Display a Number of Subfolder Levels and a Number of Subfolder on those Levels of the "
      "specified Folder.");
  setModal(true);

  lblLevelSummFolderName = Value("lblLevelSummFolderName", "Folder Structure:", this);
  lblLevelSummFolderName->setWordWrap(true);
  lblLevelSummFolderSum = Value("lblLevelSummFolderSum", "Contains:", this, "Subfolders");
  lblLevelSummFileSum = Value("lblLevelSummFileSum", "Contains:", this, "Files.");
  lblLevelSummFileSize = Value("lblLevelSummFileSize", "Sum file size:", this);
  lblLevelSummFileSizeMB = Value("lblLevelSummFileSizeMB", "MB", this);
  lblLevelSummFileSizeType = Value("lblLevelSummFileSizeType", "Size type", this);
  lblLevelSummFileSizeInBytes = Value("lblLevelSummFileSizeInBytes", "Bytes", this);
  for (QLabel* hidden : {lblLevelSummFileSizeMB, lblLevelSummFileSizeType,
                         lblLevelSummFileSizeInBytes}) {
    hidden->hide();
  }

  lstViewLevelSummFolder = new QTableWidget(0, 2, this);
  lstViewLevelSummFolder->setObjectName("lstViewLevelSummFolder");
  lstViewLevelSummFolder->setAccessibleName("Level Number - Number of Subfolders");
  lstViewLevelSummFolder->setHorizontalHeaderLabels({"Level Number", "Number of Subfolders"});
  lstViewLevelSummFolder->setShowGrid(true);
  lstViewLevelSummFolder->setSelectionBehavior(QAbstractItemView::SelectRows);
  lstViewLevelSummFolder->setSelectionMode(QAbstractItemView::SingleSelection);
  lstViewLevelSummFolder->setEditTriggers(QAbstractItemView::NoEditTriggers);
  lstViewLevelSummFolder->verticalHeader()->hide();
  lstViewLevelSummFolder->verticalHeader()->setAccessibleName("Rows");
  // Narrow columns show the start of their captions.
  lstViewLevelSummFolder->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  lstViewLevelSummFolder->horizontalHeader()->setAccessibleName("Level Number, Number of Subfolders");
  // 120 pixels each, widened where the system font would cut a caption off.
  for (int column = 0; column < 2; ++column) {
    const int caption = lstViewLevelSummFolder->horizontalHeader()->sectionSizeHint(column);
    lstViewLevelSummFolder->setColumnWidth(column, std::max(120, caption));
  }

  btnLevelSummClose = new QPushButton("Close", this);
  btnLevelSummClose->setObjectName("btnLevelSummClose");
  btnLevelSummClose->setAccessibleName("Close");
  btnLevelSummClose->setDefault(true);
  connect(btnLevelSummClose, &QPushButton::clicked, this, &QDialog::accept);

  auto* totals = new QGridLayout;
  totals->addWidget(Caption("Folder Structure:", this), 0, 0);
  totals->addWidget(lblLevelSummFolderName, 0, 1, 1, 3);
  totals->addWidget(Caption("Contains:", this), 1, 0);
  totals->addWidget(lblLevelSummFolderSum, 1, 1);
  totals->addWidget(Caption("Subfolders", this), 1, 2);
  totals->addWidget(lblLevelSummFileSum, 2, 1);
  totals->addWidget(Caption("Files.", this), 2, 2);
  totals->addWidget(Caption("Sum file size:", this), 3, 0);
  totals->addWidget(lblLevelSummFileSize, 3, 1, 1, 3);
  totals->setColumnStretch(3, 1);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(btnLevelSummClose);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(totals);
  layout->addWidget(lstViewLevelSummFolder, 1);
  layout->addLayout(buttons);

  KeepFrameSize(this, QSize(412, 497));
  move(50, 50);  // the frame's corner
}

void TfrmLevelSummFolder::ShowReport(const _tagLevelReport& report) {
  lstViewLevelSummFolder->clearContents();
  lstViewLevelSummFolder->setRowCount(static_cast<int>(report.rows.size()));
  int row = 0;
  for (const auto& [level, folders] : report.rows) {
    lstViewLevelSummFolder->setItem(row, 0, new QTableWidgetItem(ToQt(level)));
    lstViewLevelSummFolder->setItem(row, 1, new QTableWidgetItem(ToQt(folders)));
    ++row;
  }
  lblLevelSummFolderName->setText(ToQt(report.folder_name));
  lblLevelSummFolderSum->setText(ToQt(report.folder_total));
  lblLevelSummFileSum->setText(ToQt(report.file_total));
  lblLevelSummFileSize->setText(ToQt(report.size_text));
}

void TfrmLevelSummFolder::ShowLevelSummary(const _tagLevelReport& report) {
  ShowReport(report);
  exec();
}

}  // namespace ordovan
