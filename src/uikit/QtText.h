#pragma once
// The one place where program text (UTF-8 std::string) and Qt text meet.

#include <QString>
#include <QStringList>
#include <string>
#include <vector>

namespace ordovan {

inline QString ToQt(const std::string& text) { return QString::fromStdString(text); }
inline std::string FromQt(const QString& text) { return text.toStdString(); }

}  // namespace ordovan
