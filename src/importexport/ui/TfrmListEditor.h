#pragma once
// The list editors: a list edited as plain text, one item per line, then
// written back into the list it came from. One base, three windows that
// differ in their targets and their write-back.
#include <QDialog>
#include <cstddef>
#include <functional>
#include <string>

#include "paths/EntryList.h"
#include "uikit/AppServices.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace ordovan {

struct ListEditorNames {
  const char* object_name;
  const char* caption;
  const char* memo;
  const char* counter;
  const char* prefix;  // of the button names
};

class TfrmListEditor : public QDialog {
  Q_OBJECT
 public:
  TfrmListEditor(const AppServices& services, const ListEditorNames& names, QWidget* parent);
  ~TfrmListEditor() override;

  // How a caller opens the editor: the memo emptied and filled with `items`.
  void SetItems(const TEXT_LIST& items);
  // The memo's line count (a final empty line after the last break not counted).
  std::size_t MemoLineCount() const;
  void SetHelpHook(std::function<void()> hook) { help_hook_ = std::move(hook); }

  void btnOkClick();
  void btnCancelClick();
  void btnHelpClick();

  QPlainTextEdit* mmoEdit;
  QLabel* lblLinesSum;
  QPushButton* btnOk;
  QPushButton* btnCancel;
  QPushButton* btnHelp;

 protected:
  // Writes the memo's lines back; false keeps the editor open with the
  // user's text (a refused check).
  virtual bool WriteBack(const std::string& memo_text) = 0;
  // What activation does besides the focus.
  virtual void OnActivate() {}
  void ShowLineCount();
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

  AppServices services_;

 private:
  std::function<void()> help_hook_;
};

// "Edit the Include Folder List - for Copy Process.": the main window's
// Include list, its Exclude list looked up.
class TfrmVol14EditIncludeList : public TfrmListEditor {
  Q_OBJECT
 public:
  TfrmVol14EditIncludeList(const AppServices& services, QWidget* parent);
  // The Include list, the Exclude list and the Include list's line counter.
  void SetTargets(EntryList* include, const EntryList* exclude,
                  std::function<void(std::size_t)> show_include_count);

 protected:
  bool WriteBack(const std::string& memo_text) override;
  void OnActivate() override { ShowLineCount(); }

 private:
  EntryList* include_ = nullptr;
  const EntryList* exclude_ = nullptr;
  std::function<void(std::size_t)> show_count_;
};

// "Edit the Include Folder List.": the Subfolder List Builder's lists.
class TfrmFLLEditIncludeFolderList : public TfrmListEditor {
  Q_OBJECT
 public:
  TfrmFLLEditIncludeFolderList(const AppServices& services, QWidget* parent);
  void SetTargets(EntryList* include, const EntryList* exclude,
                  std::function<void(std::size_t)> show_include_count);
  std::size_t LinesAtActivation() const { return lines_at_activation_; }

 protected:
  bool WriteBack(const std::string& memo_text) override;
  void OnActivate() override;

 private:
  EntryList* include_ = nullptr;
  const EntryList* exclude_ = nullptr;
  std::function<void(std::size_t)> show_count_;
  std::size_t lines_at_activation_ = 0;
};

// "Edit the content of the Import Window.": the import dialog's created
// list, any text, at most 30,000 items.
class TfrmEditSmartImport : public TfrmListEditor {
  Q_OBJECT
 public:
  TfrmEditSmartImport(const AppServices& services, QWidget* parent);
  void SetTarget(EntryList* created) { created_ = created; }

 protected:
  bool WriteBack(const std::string& memo_text) override;

 private:
  EntryList* created_ = nullptr;
};

}  // namespace ordovan
