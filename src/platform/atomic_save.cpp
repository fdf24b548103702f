#include "platform/atomic_save.h"

#include <QSaveFile>

namespace drovik {

std::optional<SaveFailure> saveAtomically(const QString &path, const std::function<bool(QIODevice &)> &write)
{
    // QSaveFile writes a temporary file in the same folder, flushes it and renames it over the
    // old one only when everything has been written; never straight into path.
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        return SaveFailure{SaveFailure::Step::Open, file.errorString()};
    if (!write(file)) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return SaveFailure{SaveFailure::Step::Write, reason};
    }
    if (!file.commit())
        return SaveFailure{SaveFailure::Step::Replace, file.errorString()};
    return std::nullopt;
}

} // namespace drovik
