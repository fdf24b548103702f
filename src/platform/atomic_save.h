#pragma once

#include <QIODevice>
#include <QString>

#include <functional>
#include <optional>

namespace drovik {

// Why a save failed: the step it stopped at and the system's reason. readOnly: the folder
// takes no new file (a read-only card or file system, or a folder we may not write into), which
// the user can fix and should be told in those words.
struct SaveFailure {
    enum class Step { Open, Write, Replace };
    Step step;
    QString reason;
    bool readOnly = false;
};

// Whether the folder exists but takes no new file.
bool isReadOnlyFolder(const QString &folder);

// Replaces path with what write(device) puts into a temporary file beside it, and only once
// that file is whole. A card pulled out of its slot is our power cut: the camera, and whoever
// opens a still, copy or track on the card, must find the old file or the new one, never half
// of one. write returns false when it could not write everything; the folder must exist.
std::optional<SaveFailure> saveAtomically(const QString &path, const std::function<bool(QIODevice &)> &write);

} // namespace drovik
