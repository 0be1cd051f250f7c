#pragma once
// "Manage Delimiters." and "Manage Quotation Marks.": one window in two
// configurations, managing the included (stored) and excluded entries of
// one settings list.
#include <QDialog>
#include <memory>
#include <string>

#include "importexport/ListManager.h"
#include "uikit/AppServices.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace ordovan {

class EntryListView;

// What tells the twins apart.
struct ListManagerTexts {
  ManagedKind kind;
  const char* object_name;  // the window's
  const char* prefix;       // of the control names: "Delimiters", "QuotationMarks"
  const char* caption;
  const char* title_label;
  const char* included_label;
  const char* excluded_label;
  const char* included_hint;
  const char* excluded_hint;
  const char* add_label;
  const char* delete_caption;
  const char* remove_all_caption;
  const char* title_0121;  // the title prefix of 0121 to 0124
  const char* title_0125;  // the title prefix of 0125 to 0129
  const char* limit_0125;
  const char* limit_0126;
  const TEXT_LIST* defaults;
};

class TfrmListManager : public QDialog {
  Q_OBJECT
 public:
  TfrmListManager(const AppServices& services, const ListManagerTexts& texts, QWidget* parent);
  ~TfrmListManager() override;

  ManagedLists& lists() { return *lists_; }

  void btnAddClick();
  void btnIncToExcClick();
  void btnExcToIncClick();
  void btnAllIncToExcClick();
  void btnAllExcToIncClick();
  void btnExchangeClick();
  void btnDeleteClick();
  void btnRemoveAllClick();
  void btnSetDefaultsClick();
  void btnCloseClick();

  EntryListView* lstIncluded;
  EntryListView* lstExcluded;
  QLineEdit* edtAdd;
  QPushButton* btnAdd;
  QPushButton* btnIncToExc;
  QPushButton* btnExcToInc;
  QPushButton* btnAllIncToExc;
  QPushButton* btnAllExcToInc;
  QPushButton* btnExchange;
  QPushButton* btnDelete;
  QPushButton* btnRemoveAll;
  QPushButton* btnSetDefaults;
  QPushButton* btnClose;

 protected:
  // The activation steps run once per opening, not whenever a message box
  // of this window closes: an entry the user just moved stays where it is.
  void showEvent(QShowEvent* event) override;

 private:
  void Activate();
  void Report(ManagerOutcome outcome);
  std::string Title(const char* prefix, const char* number) const;

  AppServices services_;
  ListManagerTexts texts_;
  std::unique_ptr<ManagedLists> lists_;  // on the two list boxes' lists
};

class TfrmDelimiters : public TfrmListManager {
  Q_OBJECT
 public:
  TfrmDelimiters(const AppServices& services, QWidget* parent);
};

class TfrmQuotationMarks : public TfrmListManager {
  Q_OBJECT
 public:
  TfrmQuotationMarks(const AppServices& services, QWidget* parent);
};

}  // namespace ordovan
