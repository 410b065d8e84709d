#pragma once

#include <QString>

#include <string_view>

namespace tavrolin::qt {

// The core's texts are UTF-8.
inline QString qs(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

} // namespace tavrolin::qt
