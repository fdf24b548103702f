#pragma once

// Card records for the settings tests, built byte by byte.

#include "bytes.h"
#include "temp_folder.h"

#include <QByteArray>
#include <QStringList>

#include <algorithm>
#include <vector>

namespace drovik::test {

// Where a card keeps its settings: the binary record, the text file of the text-file camera.
inline const QString kSetupFile = QStringLiteral("SETTING/setup.cfg");
inline const QString kBlackboxFile = QStringLiteral("SETTING/blackbox.cfg");

inline void putText(QByteArray &bytes, int offset, const QByteArray &text)
{
    bytes.replace(offset, text.size(), text);
}

// A record of size bytes whose length field is lengthField, with a product name.
inline QByteArray makeRecord(int size, const QByteArray &productName, std::int64_t lengthField)
{
    QByteArray bytes(size, '\0');
    if (size >= 4)
        putLe32(bytes, 0, lengthField);
    if (size >= 24)
        putText(bytes, 8, productName.left(16));
    return bytes;
}

// A text-file camera's card as the camera leaves it: every key, model and version filled, the
// clock block after "set=", an unknown line and a blank one that must survive untouched.
inline const QStringList kKvlCardLines = {
    QStringLiteral("const=60"), QStringLiteral("event=22"), QStringLiteral("manual=9"),
    QStringLiteral("park=4"), QStringLiteral("front_led=1"), QStringLiteral("model=N260"),
    QStringLiteral("version=2.01.05"), QStringLiteral("park_mode=1"), QStringLiteral("power_off_vlt=12000"),
    QStringLiteral("language=us"), QStringLiteral("local_time=-8.000000"), QStringLiteral("summer_time=0"),
    QStringLiteral("osd_speed=1"), QStringLiteral("mic_in=1"), QStringLiteral("voice_out=1"),
    QStringLiteral("voice_volume=3"), QStringLiteral("acc_level=3"), QStringLiteral("motion_level=3"),
    QStringLiteral("future_key=x y"), QString(), QStringLiteral("set=0"), QStringLiteral("year=2024"),
    QStringLiteral("month=11"), QStringLiteral("day=30"), QStringLiteral("hour=23"), QStringLiteral("min=59"),
    QStringLiteral("sec=58"),
};

// lines with each "key=value" of replaced in place of its key's line (appended where it has none).
inline QStringList withLines(QStringList lines, const std::vector<const char *> &replaced)
{
    for (const char *text : replaced) {
        const QString line = QString::fromUtf8(text);
        const QString key = line.section(QLatin1Char('='), 0, 0) + QLatin1Char('=');
        const auto at = std::find_if(lines.begin(), lines.end(), [&](const QString &l) { return l.startsWith(key); });
        if (at == lines.end())
            lines.append(line);
        else
            *at = line;
    }
    return lines;
}

inline QByteArray kvlBytes(const QStringList &lines) { return lines.join(QStringLiteral("\r\n")).toUtf8(); }

} // namespace drovik::test
