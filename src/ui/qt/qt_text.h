#pragma once
// What every window needs to show the program's texts: Qt strings from
// UTF-8 and the fixed-pitch font of reports and lists.

#include <QFont>
#include <QString>
#include <string_view>

namespace quarlin::ui {

inline QString Q(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Liberation Mono, as the set-up installs it; any fixed-pitch font otherwise.
inline QFont FixedPitchFont() {
  QFont font("Liberation Mono");
  font.setStyleHint(QFont::Monospace);
  font.setFixedPitch(true);
  return font;
}

}  // namespace quarlin::ui
