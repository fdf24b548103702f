#pragma once

#include <QByteArray>
#include <QString>

namespace drovik::cli {

// A JSON string literal for text (UTF-8, control characters escaped); a null QString is null.
QByteArray jsonString(const QString &text);

} // namespace drovik::cli
