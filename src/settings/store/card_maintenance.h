#pragma once

#include <QDateTime>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QTimeZone>

#include <optional>

namespace drovik {

class VolumeMonitor;

// --- Clock file "SETTING/time.dat": the date and time the camera sets at its next start ------

// "yyyy,MM,dd,HH,mm,ss,Z" in zone, Z being the offset as sign and four digits ("+0900").
QString formatSettingTime(const QDateTime &dateTime,
                          const QTimeZone &zone = QTimeZone::systemTimeZone());
// The moment a clock text stands for; nothing when it does not have that shape.
std::optional<QDateTime> parseSettingTime(const QString &text);

struct SettingTimeFile {
    bool present = false;              // the file is there and is UTF-8 text: clock setting on
    std::optional<QDateTime> dateTime; // its moment, when it parses
};
SettingTimeFile readSettingTime(const QString &cardRoot);
// The same from the bytes of a clock file that is there.
SettingTimeFile settingTimeFromBytes(const QByteArray &bytes);
// With enabled, writes dateTime (in zone) to the clock file; otherwise removes the file.
// True when the card holds what was asked for.
bool saveSettingTime(const QString &cardRoot, bool enabled, const QDateTime &dateTime,
                     const QTimeZone &zone = QTimeZone::systemTimeZone());

// --- Touch calibration and driver-assistance calibration ------------------------------------

// Leaves the empty marker "Set_touch_cal.txt" at the card root (replacing one already there).
bool createTouchCalibrationMarker(const QString &cardRoot);
// Removes "SETTING/ADAS_CAL.dat"; true when no such file is left.
bool removeAdasCalibration(const QString &cardRoot);

// --- Reformatting the card -------------------------------------------------------------------

enum class FormatCheck {
    Allowed,
    NotExternal,   // not on a local removable volume
    NotVolumeRoot, // a folder inside a volume: formatting would erase the whole volume
    Untitled,      // the volume's name begins with "Untitled"
    Busy,          // a reformat is already running
};

// Whether the card at cardRoot may be reformatted; anything but Allowed is the
// cannot-format alert. monitor: the volumes the card must be one of.
FormatCheck checkCardFormattable(const QString &cardRoot, const VolumeMonitor &monitor);

// The program that reformats a volume in place keeping its name and file system:
// DROVIK_REFORMAT_COMMAND when set, else drovik-reformat beside the executable.
QString reformatCommand();

struct ReformatResult {
    bool started = false; // false: the program could not be run
    int exitCode = -1;
    bool crashed = false;
    bool succeeded() const { return started && !crashed && exitCode == 0; }
};

// Runs the reformat program on a card as a child process and reports its end on the thread
// that started it; the caller's event loop keeps running meanwhile, also when the runner is
// destroyed before the program ends (the program is neither waited for nor killed). Output is
// discarded.
class ReformatRunner : public QObject {
    Q_OBJECT
public:
    explicit ReformatRunner(const VolumeMonitor &monitor, QObject *parent = nullptr);
    ~ReformatRunner() override;

    // Checks the card again and, when allowed, starts the program; finished() follows only
    // when this returns Allowed.
    FormatCheck start(const QString &cardRoot);
    bool isRunning() const;

signals:
    void finished(const drovik::ReformatResult &result);

private:
    void onFinished(int exitCode, QProcess::ExitStatus status);
    void onError(QProcess::ProcessError error);

    const VolumeMonitor &m_monitor;
    QProcess *m_process = nullptr;
};

} // namespace drovik

Q_DECLARE_METATYPE(drovik::ReformatResult)
