// The program keeps its texts as UTF-8 string views; the widgets take them as QString.
#pragma once

#include <QString>
#include <string_view>

namespace motrel::app {

inline QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace motrel::app
