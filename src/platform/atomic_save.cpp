#include "platform/atomic_save.h"

#include <QFileInfo>
#include <QSaveFile>

namespace drovik {

bool isReadOnlyFolder(const QString &folder)
{
    // Asks the system (access(W_OK) on Unix), which answers for a read-only mount even to root.
    const QFileInfo info(folder);
    return info.isDir() && !info.isWritable();
}

std::optional<SaveFailure> saveAtomically(const QString &path, const std::function<bool(QIODevice &)> &write)
{
    // QSaveFile writes a temporary file in the same folder, flushes it and renames it over the
    // old one only when everything has been written; never straight into path.
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    const auto failed = [&](SaveFailure::Step step, const QString &reason) {
        return SaveFailure{step, reason, isReadOnlyFolder(QFileInfo(path).absolutePath())};
    };
    if (!file.open(QIODevice::WriteOnly))
        return failed(SaveFailure::Step::Open, file.errorString());
    if (!write(file)) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return failed(SaveFailure::Step::Write, reason);
    }
    if (!file.commit())
        return failed(SaveFailure::Step::Replace, file.errorString());
    return std::nullopt;
}

} // namespace drovik
