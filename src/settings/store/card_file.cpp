#include "settings/store/card_file.h"

#include "platform/atomic_save.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QStringDecoder>

Q_LOGGING_CATEGORY(lcCardFile, "drovik.store.file", QtWarningMsg)

namespace drovik {

std::optional<QByteArray> readCardFile(const QString &path, qint64 maxBytes)
{
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qCDebug(lcCardFile) << "cannot open" << path << file.errorString();
        return std::nullopt;
    }
    QByteArray bytes = file.read(maxBytes);
    if (file.error() != QFileDevice::NoError) {
        qCDebug(lcCardFile) << "cannot read" << path << file.errorString();
        return std::nullopt;
    }
    return bytes;
}

std::optional<QByteArray> readWholeCardFile(const QString &path, qint64 maxBytes)
{
    std::optional<QByteArray> bytes = readCardFile(path, maxBytes + 1);
    if (bytes && bytes->size() > maxBytes) {
        qCWarning(lcCardFile) << "larger than" << maxBytes << "bytes, left alone:" << path;
        return std::nullopt;
    }
    return bytes;
}

std::optional<qint64> cardFileSize(const QString &path)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isFile())
        return std::nullopt;
    return info.size();
}

CardWriteStatus writeCardFileAtomically(const QString &path, const QByteArray &data)
{
    if (path.isEmpty())
        return CardWriteStatus::NoCard;
    const QFileInfo info(path);
    // The file's folder (SETTING) may be missing on a fresh card, but the card itself must be
    // there: after the card is pulled its mount point is gone or empty, and making the whole
    // path again would put the camera's settings on the computer's own disk.
    const QDir folder = info.absoluteDir();
    if (!folder.exists()) {
        QDir parent = folder;
        if (!parent.cdUp())
            return CardWriteStatus::NoCard;
        if (!parent.mkdir(folder.dirName())) {
            const QString reason = qt_error_string();
            qCWarning(lcCardFile) << "cannot create folder" << folder.absolutePath() << reason;
            if (isReadOnlyFolder(parent.absolutePath()))
                return CardWriteStatus::ReadOnly;
            return {CardWriteStatus::WriteFailed, reason};
        }
    }
    // The camera must find either the old file or the new one, never half of one.
    const std::optional<SaveFailure> failure = saveAtomically(path, [&](QIODevice &file) {
        return file.write(data) == data.size();
    });
    if (!failure)
        return CardWriteStatus::Written;
    switch (failure->step) {
    case SaveFailure::Step::Open: qCWarning(lcCardFile) << "cannot open" << path << failure->reason; break;
    case SaveFailure::Step::Write: qCWarning(lcCardFile) << "cannot write" << path << failure->reason; break;
    case SaveFailure::Step::Replace: qCWarning(lcCardFile) << "cannot replace" << path << failure->reason; break;
    }
    if (failure->readOnly)
        return CardWriteStatus::ReadOnly;
    return {CardWriteStatus::WriteFailed, failure->reason};
}

QString findSettingFile(const QString &root, const QString &name)
{
    if (root.isEmpty())
        return {};
    for (const QString &folder : {QStringLiteral("setting"), QStringLiteral("SETTING")}) {
        const QString path = root + QLatin1Char('/') + folder + QLatin1Char('/') + name;
        if (QFileInfo(path).isFile())
            return path;
    }
    return {};
}

std::optional<QString> decodeUtf8Strictly(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless
                                                     | QStringDecoder::Flag::ConvertInitialBom);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    if (text.isNull())
        text = QStringLiteral("");
    return text;
}

QString textFromField(QByteArrayView field)
{
    const qsizetype zero = field.indexOf('\0');
    return decodeUtf8Strictly(zero < 0 ? field : field.first(zero)).value_or(QString());
}

QByteArray fieldBytesFromText(const QString &text, qsizetype width)
{
    QByteArray bytes = text.toUtf8();
    if (bytes.size() <= width)
        return bytes;
    qsizetype cut = width;
    // Step back over continuation bytes (10xxxxxx) to the start of the cut character.
    while (cut > 0 && (quint8(bytes.at(cut)) & 0xC0) == 0x80)
        --cut;
    bytes.truncate(cut);
    return bytes;
}

QString upperSettingPath(const QString &root, const QString &name)
{
    if (root.isEmpty())
        return {};
    return root + QStringLiteral("/SETTING/") + name;
}

} // namespace drovik
