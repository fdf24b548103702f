#include "settings/store/model_types.h"

#include <QHash>

namespace drovik {

const QStringList &modelNameList()
{
    static const QStringList names = {
        QStringLiteral("K210"),     QStringLiteral("R640"),        QStringLiteral("V470"),
        QStringLiteral("V820"),     QStringLiteral("V820 UK"),     QStringLiteral("R930"),
        QStringLiteral("N260"),     QStringLiteral("V530"),        QStringLiteral("V560"),
        QStringLiteral("V880"),     QStringLiteral("R970"),        QStringLiteral("R60"),
        QStringLiteral("RB20"),     QStringLiteral("R120"),        QStringLiteral("VM30"),
        QStringLiteral("RM30"),     QStringLiteral("R810"),        QStringLiteral("R810MAX"),
        QStringLiteral("RB740"),    QStringLiteral("QT-K9-PN"),    QStringLiteral("R75"),
        QStringLiteral("R280"),     QStringLiteral("RB280"),       QStringLiteral("V990"),
        QStringLiteral("DVR-R810MAX"), QStringLiteral("DVR-R280"), QStringLiteral("DVR-L420"),
        QStringLiteral("DVR-L410"), QStringLiteral("DVR-L470"),
    };
    return names;
}

ModelType modelTypeForProductName(const QString &productName)
{
    struct Entry {
        const char *productName;
        ModelType type;
    };
    static constexpr Entry entries[] = {
        {"k210", 0},    {"r640", 1},    {"v470", 2},     {"470", 2},          {"v820", 3},
        {"r930", 5},    {"v530", 7},    {"v560", 8},     {"v880", 9},         {"r970", 10},
        {"r60", 11},    {"rb20", 12},   {"r120", 13},    {"vm30", 14},        {"rm30", 15},
        {"r810", 16},   {"r810max", 17}, {"rb740", 18},  {"qt-k9-pn", 19},    {"r75", 20},
        {"r280", 21},   {"rb280", 22},  {"v990", 23},    {"dvr-r810max", 24}, {"dvr-r280", 25},
    };
    const QString lower = productName.toLower();
    for (const Entry &entry : entries) {
        if (lower == QLatin1String(entry.productName))
            return entry.type;
    }
    return -1;
}

} // namespace drovik
