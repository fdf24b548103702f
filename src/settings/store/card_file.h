#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

namespace drovik {

// The camera's files, by their names in the card's setting folder (findSettingFile,
// upperSettingPath) or, for the touch marker, at the card root.
inline constexpr QLatin1String kRecordFileName("setup.cfg");           // the binary record
inline constexpr QLatin1String kDefaultRecordFileName("default.cfg");  // its factory copy
inline constexpr QLatin1String kTextSettingsFileName("blackbox.cfg");  // the text-file family
inline constexpr QLatin1String kLanguageListFileName("lang/ver.dat");
inline constexpr QLatin1String kClockFileName("time.dat");
inline constexpr QLatin1String kAdasCalibrationFileName("ADAS_CAL.dat");
inline constexpr QLatin1String kTouchCalibrationMarkerName("Set_touch_cal.txt");

// Reads at most maxBytes from the start of a card file; nothing when it is missing, not a
// regular file or unreadable. Card files are tiny; the cap keeps a damaged or hostile card
// from making us read gigabytes.
std::optional<QByteArray> readCardFile(const QString &path, qint64 maxBytes);

// The whole of a card file, or nothing when it is missing, unreadable or larger than maxBytes
// (a file we would later write back must never be cut short).
std::optional<QByteArray> readWholeCardFile(const QString &path, qint64 maxBytes);

// The size of a regular file, or nothing.
std::optional<qint64> cardFileSize(const QString &path);

// What became of a write to the card. Every kind but Written and NotAttempted is the card
// error the user must see ("check the memory card"), with its cause as the detail: reason holds
// the system's own words where it gave some (WriteFailed).
struct CardWriteStatus {
    enum class Kind {
        Written,
        NotAttempted,
        NoCard,       // no card folder, or it went away (the card was pulled)
        NoRecordSize, // the model has no record to write
        Unreadable,   // the card's file could not be read, so it is not replaced
        ReadOnly,     // the card takes no new file: locked, or mounted read-only
        WriteFailed,
    };
    using enum Kind;

    CardWriteStatus(Kind kind, QString reason = {}) : kind(kind), reason(std::move(reason)) {}
    friend bool operator==(const CardWriteStatus &status, Kind kind) { return status.kind == kind; }

    Kind kind;
    QString reason;
};

inline bool isCardError(const CardWriteStatus &status)
{
    return status.kind != CardWriteStatus::Written && status.kind != CardWriteStatus::NotAttempted;
}

// Replaces path with data as a whole, creating a missing parent folder. The old file stays in
// place until the new one is complete. Written, or why not (NoCard when the card's folder is
// gone, ReadOnly, WriteFailed with the system's reason).
CardWriteStatus writeCardFileAtomically(const QString &path, const QByteArray &data);

// The first of root/setting/NAME and root/SETTING/NAME that is a file: cameras write either
// folder name and some cards keep a case-sensitive file system.
QString findSettingFile(const QString &root, const QString &name);

// root/SETTING/NAME, or an empty string when there is no root.
QString upperSettingPath(const QString &root, const QString &name);

// Decodes UTF-8, refusing anything that is not valid UTF-8 (a byte order mark is kept, so the
// text encodes back to the same bytes).
std::optional<QString> decodeUtf8Strictly(QByteArrayView bytes);

// A zero-padded text field: the bytes up to the first zero (or all of them) as UTF-8; a null
// QString when they are not valid UTF-8, an empty one when the field starts with a zero.
QString textFromField(QByteArrayView field);

// text as UTF-8, cut to at most width bytes without splitting a character.
QByteArray fieldBytesFromText(const QString &text, qsizetype width);

} // namespace drovik
