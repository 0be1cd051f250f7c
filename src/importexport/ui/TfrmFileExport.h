#pragma once
// "Export Datas to a File.": writes a list handed over by the Include list,
// the List Builder or a results list to a plain text or separated file. The
// shown list previews what will be written; the choices are kept between
// openings. A caller resets the dialog, fills the shown list, then opens it
// with ShowModally, which takes the shown list as the caller's items and
// applies the current choices to it.

#include <QDialog>
#include <cstddef>
#include <string>

#include "importexport/ExportFormat.h"
#include "paths/PathText.h"
#include "uikit/AppServices.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace ordovan {

class EntryList;
class EntryListView;

class TfrmFileExport : public QDialog {
  Q_OBJECT
 public:
  TfrmFileExport(const AppServices& services, QWidget* parent = nullptr);
  ~TfrmFileExport() override;

  // The caller's side.
  // Both counters "0" and the shown list emptied.
  void Reset();
  EntryList& ShownList();
  void ShowSourceCount(std::size_t count);
  void SetKind(const std::string& kind) { kind_ = kind; }
  const std::string& Kind() const { return kind_; }
  // Selects the first shown entry and shows the dialog modally; returns when
  // it is closed. The activation step runs here, once per opening.
  void ShowModally();
  // For a caller that fills the list in view: shown, not modal, no activation.
  void ShowWhileFilling();
  // The whole hand-over for a caller that has its entries ready: reset, each
  // entry the shown list does not hold yet appended with the running count
  // (in view when `in_view`), the kind "FOLDERS", then ShowModally.
  void ExportEntries(const TEXT_LIST& entries, bool in_view);

  const TEXT_LIST& CallersItems() const { return callers_items_; }

  EntryListView* lstFileExportSource;
  QLabel* lblSmartExportSource;
  QLabel* lblSmartExportExported;
  QRadioButton* rdoFileExportPlainTextFile;
  QRadioButton* rdoFileExportCSVSeparatedFile;
  QComboBox* cboFileExportDelimiter;
  QCheckBox* chkFileExportQuotationMarks;
  QRadioButton* rdoFileExportUnModified;
  QRadioButton* rdoFileExportWithoutDriveLetter;
  QRadioButton* rdoExportWithBackSlashes;
  QRadioButton* rdoExportWithForwardSlashes;
  QPushButton* btnFileExportTo;
  QPushButton* btnFileExportClose;

 private:
  void FormCreate();
  void FormActivate();
  void rdoFileExportPlainTextFileClick();
  void rdoFileExportCSVSeparatedFileClick();
  void RebuildShownList();  // the four Export Lines / Export with buttons
  void btnFileExportToClick();
  void btnFileExportCloseClick();

  ExportLines CurrentLines() const;
  ExportSlashes CurrentSlashes() const;

  AppServices services_;
  std::string kind_;
  TEXT_LIST callers_items_;
};

}  // namespace ordovan
