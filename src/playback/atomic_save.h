#pragma once

#include <QSaveFile>
#include <QString>

#include <optional>

namespace drovik {

// Stills, copies and tracks usually go back onto the card, and a card pulled mid-write is our
// power cut: write(device) fills a temporary beside path, which replaces path only when whole.
// The reason when it failed.
template <typename Write>
std::optional<QString> saveAtomically(const QString &path, Write &&write)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (!write(static_cast<QIODevice &>(file))) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}

} // namespace drovik
