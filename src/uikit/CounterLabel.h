#pragma once
// A label that shows a value beside its caption: a count, a size, the folder
// a report measured. On screen the caption is a label of its own; a screen
// reader hears the two together ("Total Folders to Reorganize: 6"), however
// and whenever the text was set, so a value is never read without what it
// counts and a caption never without its value.

#include <QLabel>
#include <QString>

namespace ordovan {

class CounterLabel : public QLabel {
  Q_OBJECT
 public:
  // `caption` is read before the value, `unit` after it ("Contains:" 6 "Files.").
  CounterLabel(const QString& object_name, const QString& caption, const QString& text,
               QWidget* parent, const QString& unit = QString());

  const QString& caption() const { return caption_; }
  // What a screen reader hears: the caption with its colon, the value, the unit.
  QString SpokenText() const;

 private:
  QString caption_;
  QString unit_;
};

}  // namespace ordovan
