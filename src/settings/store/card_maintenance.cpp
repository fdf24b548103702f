#include "settings/store/card_maintenance.h"

#include "platform/utils.h"
#include "platform/volume_monitor.h"
#include "settings/store/card_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QRegularExpression>
#include <QStandardPaths>

#include <cstdlib>

Q_LOGGING_CATEGORY(lcMaintenance, "drovik.store.maintenance", QtWarningMsg)

namespace drovik {

namespace {

constexpr qint64 kClockFileLimit = 4096;

std::optional<int> offsetSecondsFromText(const QString &text)
{
    if (text == QLatin1String("Z") || text == QLatin1String("GMT") || text == QLatin1String("UTC"))
        return 0;
    static const QRegularExpression offset(
        QStringLiteral("^(?:GMT|UTC)?([+-])([0-9]{2}):?([0-9]{2})$"));
    const QRegularExpressionMatch match = offset.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const int hours = match.captured(2).toInt();
    const int minutes = match.captured(3).toInt();
    if (minutes > 59)
        return std::nullopt;
    const int seconds = (hours * 60 + minutes) * 60 * (match.captured(1) == QLatin1String("-") ? -1 : 1);
    // Beyond what a time zone can be, the moment would be invalid rather than absent.
    if (seconds < QTimeZone::MinUtcOffsetSecs || seconds > QTimeZone::MaxUtcOffsetSecs)
        return std::nullopt;
    return seconds;
}

std::optional<int> numberField(const QString &text, int maxDigits)
{
    if (text.isEmpty() || text.size() > maxDigits)
        return std::nullopt;
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
    }
    return text.toInt();
}

} // namespace

QString formatSettingTime(const QDateTime &dateTime, const QTimeZone &zone)
{
    const QDateTime inZone = dateTime.toTimeZone(zone);
    const int offsetMinutes = inZone.offsetFromUtc() / 60;
    const int magnitude = qAbs(offsetMinutes);
    return inZone.toString(QStringLiteral("yyyy,MM,dd,HH,mm,ss,"))
        + QLatin1Char(offsetMinutes < 0 ? '-' : '+')
        + QStringLiteral("%1%2").arg(magnitude / 60, 2, 10, QLatin1Char('0'))
              .arg(magnitude % 60, 2, 10, QLatin1Char('0'));
}

std::optional<QDateTime> parseSettingTime(const QString &text)
{
    const QStringList parts = text.trimmed().split(QLatin1Char(','));
    if (parts.size() != 7)
        return std::nullopt;
    int numbers[6] = {};
    for (int i = 0; i < 6; ++i) {
        const std::optional<int> n = numberField(parts.at(i), i == 0 ? 4 : 2);
        if (!n)
            return std::nullopt;
        numbers[i] = *n;
    }
    const std::optional<int> offset = offsetSecondsFromText(parts.at(6));
    const QDate date(numbers[0], numbers[1], numbers[2]);
    const QTime time(numbers[3], numbers[4], numbers[5]);
    if (!offset || !date.isValid() || !time.isValid())
        return std::nullopt;
    return QDateTime(date, time, QTimeZone(*offset));
}

SettingTimeFile readSettingTime(const QString &cardRoot)
{
    const std::optional<QByteArray> bytes =
        readWholeCardFile(upperSettingPath(cardRoot, kClockFileName), kClockFileLimit);
    return bytes ? settingTimeFromBytes(*bytes) : SettingTimeFile();
}

SettingTimeFile settingTimeFromBytes(const QByteArray &bytes)
{
    SettingTimeFile result;
    const std::optional<QString> text = decodeUtf8Strictly(bytes);
    if (!text)
        return result;
    result.present = true;
    result.dateTime = parseSettingTime(*text);
    return result;
}

bool saveSettingTime(const QString &cardRoot, bool enabled, const QDateTime &dateTime,
                     const QTimeZone &zone)
{
    const QString path = upperSettingPath(cardRoot, kClockFileName);
    if (path.isEmpty())
        return false;
    if (enabled && !dateTime.isValid())
        return false;
    if (enabled)
        return writeCardFileAtomically(path, formatSettingTime(dateTime, zone).toUtf8()) == CardWriteStatus::Written;
    if (QFileInfo::exists(path) && !QFile::remove(path)) {
        qCWarning(lcMaintenance) << "cannot remove" << path;
        return false;
    }
    return true;
}

bool createTouchCalibrationMarker(const QString &cardRoot)
{
    if (cardRoot.isEmpty())
        return false;
    return writeCardFileAtomically(cardRoot + QLatin1Char('/') + kTouchCalibrationMarkerName, QByteArray())
        == CardWriteStatus::Written;
}

bool removeAdasCalibration(const QString &cardRoot)
{
    const QString path = upperSettingPath(cardRoot, kAdasCalibrationFileName);
    if (path.isEmpty())
        return false;
    if (QFileInfo::exists(path) && !QFile::remove(path)) {
        qCWarning(lcMaintenance) << "cannot remove" << path;
        return false;
    }
    return true;
}

FormatCheck checkCardFormattable(const QString &cardRoot, const VolumeMonitor &monitor)
{
    if (cardRoot.isEmpty())
        return FormatCheck::NotExternal;
    if (!Utils::isExternalMemoryWithURL(QUrl::fromLocalFile(cardRoot), monitor))
        return FormatCheck::NotExternal;
    const std::optional<Volume> volume = monitor.volumeForPath(cardRoot);
    if (!volume)
        return FormatCheck::NotExternal;
    if (QDir::cleanPath(QFileInfo(cardRoot).absoluteFilePath()) != volume->rootPath)
        return FormatCheck::NotVolumeRoot;
    if (volume->name.startsWith(QLatin1String("Untitled")))
        return FormatCheck::Untitled;
    return FormatCheck::Allowed;
}

QString reformatCommand()
{
    const QString configured = qEnvironmentVariable("DROVIK_REFORMAT_COMMAND");
    if (!configured.isEmpty())
        return configured;
    const QString name = QStringLiteral("drovik-reformat");
    const QString beside = QCoreApplication::applicationDirPath() + QLatin1Char('/') + name;
    if (QFileInfo(beside).isExecutable())
        return beside;
    const QString onPath = QStandardPaths::findExecutable(name);
    return onPath.isEmpty() ? beside : onPath;
}

ReformatRunner::ReformatRunner(const VolumeMonitor &monitor, QObject *parent)
    : QObject(parent)
    , m_monitor(monitor)
{
    qRegisterMetaType<drovik::ReformatResult>();
}

ReformatRunner::~ReformatRunner()
{
    // Killing the reformat half-way would leave the card without a file system, and waiting for
    // it would freeze the window: the running program is left to end on its own, and its
    // process object deletes itself then. Should the program outlive us, it keeps running.
    if (!isRunning())
        return;
    QProcess *process = m_process;
    process->disconnect(this);
    process->setParent(nullptr);
    connect(process, &QProcess::finished, process, &QObject::deleteLater);
    connect(process, &QProcess::errorOccurred, process, [process](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            process->deleteLater();
    });
}

bool ReformatRunner::isRunning() const
{
    return m_process && m_process->state() != QProcess::NotRunning;
}

FormatCheck ReformatRunner::start(const QString &cardRoot)
{
    if (isRunning())
        return FormatCheck::Busy;
    const FormatCheck check = checkCardFormattable(cardRoot, m_monitor);
    if (check != FormatCheck::Allowed)
        return check;
    delete m_process;
    m_process = new QProcess(this);
    m_process->setStandardOutputFile(QProcess::nullDevice());
    m_process->setStandardErrorFile(QProcess::nullDevice());
    connect(m_process, &QProcess::finished, this, &ReformatRunner::onFinished);
    connect(m_process, &QProcess::errorOccurred, this, &ReformatRunner::onError);
    const QString program = reformatCommand();
    qCDebug(lcMaintenance) << "reformatting" << cardRoot << "with" << program;
    m_process->start(program, {QDir::cleanPath(QFileInfo(cardRoot).absoluteFilePath())});
    return FormatCheck::Allowed;
}

void ReformatRunner::onFinished(int exitCode, QProcess::ExitStatus status)
{
    ReformatResult result;
    result.started = true;
    result.crashed = status == QProcess::CrashExit;
    result.exitCode = result.crashed ? -1 : exitCode;
    emit finished(result);
}

void ReformatRunner::onError(QProcess::ProcessError error)
{
    // Other errors (a crash) are followed by finished(); a program that never ran is not.
    if (error != QProcess::FailedToStart)
        return;
    qCWarning(lcMaintenance) << "cannot run" << m_process->program() << m_process->errorString();
    emit finished(ReformatResult{});
}

} // namespace drovik
