#pragma once
// "Import Folders/Subfolders/Strings  from a Text File.": a list file in
// three steps, preview, created list, IMPORT. The window keeps its whole
// state between openings; the caller takes the created list over on OK.
#include <QDialog>
#include <functional>
#include <string>

#include "paths/EntryList.h"
#include "uikit/AppServices.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace ordovan {

class EntryListView;
class TfrmDelimiters;
class TfrmEditSmartImport;
class TfrmQuotationMarks;

class TfrmFileImport : public QDialog {
  Q_OBJECT
 public:
  TfrmFileImport(const AppServices& services, QWidget* parent = nullptr);
  ~TfrmFileImport() override;

  // The dialog's result: the created list.
  EntryList& CreatedList();
  EntryList& SourcePreview();

  void SetManagers(TfrmDelimiters* delimiters, TfrmQuotationMarks* quotation_marks);
  void SetSmartImportEditor(TfrmEditSmartImport* editor);
  // The shared zoom window: the items it lacks are added, then it is shown.
  void SetZoomHook(std::function<void(const TEXT_LIST&)> hook) { zoom_hook_ = std::move(hook); }
  void SetHelpHook(std::function<void()> hook) { help_hook_ = std::move(hook); }

  void btnFileImportBrowseClick();
  void btnFileImportFromClick();
  void btnFileImportClearClick();
  void btnSmartImportZoomOriginalFileClick();
  void btnSmartImportZoomPreviewClick();
  void btnSmartImportPreviewEditClick();
  void btnFileImportHelpClick();
  void btnFileImportManageSeparatorsClick();
  void btnFileImportManageQuotationMarksClick();
  void rdoFileImportPlainTextClick();
  void rdoFileImportSeparatedFileClick();
  void rdoFileImportAllColumnsClick();
  void rdoFileImportOneColumnClick();

  QLineEdit* edtFileImportFileName;
  QPushButton* btnFileImportBrowse;
  EntryListView* lstFileImportSource;
  QLabel* lblFileImportSourceLines;
  QPushButton* btnSmartImportZoomOriginalFile;
  QRadioButton* rdoFileImportPlainText;
  QRadioButton* rdoFileImportSeparatedFile;
  QRadioButton* rdoFileImportAllColumns;
  QRadioButton* rdoFileImportOneColumn;
  QLineEdit* edtFileImportColumnNumber;
  QWidget* UDFileImportColumnNumber;
  QLabel* lblFileImportDelimiter;
  QComboBox* cboFileImportDelimiter;
  QComboBox* cboFileImportQuotationMark;  // exists, never shown
  QPushButton* btnFileImportManageSeparators;
  QPushButton* btnFileImportManageQuotationMarks;
  QCheckBox* chkFileImportAbandonQMarks;
  QLabel* lblFileImportStep1;
  QLabel* lblFileImportStep2;
  QLabel* lblFileImportStep3;
  QPushButton* btnFileImportFrom;
  QLabel* lblFileImportResults;
  EntryListView* lstFileImportResults;
  QLabel* lblFileImportPreviewLinesCaption;
  QLabel* lblFileImportPreviewLines;
  QPushButton* btnSmartImportZoomPreview;
  QPushButton* btnSmartImportPreviewEdit;
  QPushButton* btnFileImportOk;
  QPushButton* btnFileImportCancel;
  QPushButton* btnFileImportClear;
  QPushButton* btnFileImportHelp;

 private:
  void BuildControls();
  void ConnectCommands();
  void FillCombo(QComboBox* combo, const TEXT_LIST& stored);
  void ApplyStepEnabling();
  void SelectPlainTextMode();
  void StepColumnNumber(int step);
  void UpdateImportEnabled();

  AppServices services_;
  QButtonGroup* mode_choice_ = nullptr;    // plain text or separated
  QButtonGroup* column_choice_ = nullptr;  // all columns or one
  TfrmDelimiters* delimiters_ = nullptr;
  TfrmQuotationMarks* quotation_marks_ = nullptr;
  TfrmEditSmartImport* editor_ = nullptr;
  std::function<void(const TEXT_LIST&)> zoom_hook_;
  std::function<void()> help_hook_;
};

}  // namespace ordovan
