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
    using namespace Model;
    static constexpr Entry entries[] = {
        {"k210", K210},   {"r640", R640},       {"v470", V470},         {"470", V470},
        {"v820", V820},   {"r930", R930},       {"v530", V530},         {"v560", V560},
        {"v880", V880},   {"r970", R970},       {"r60", R60},           {"rb20", RB20},
        {"r120", R120},   {"vm30", VM30},       {"rm30", RM30},         {"r810", R810},
        {"r810max", R810MAX}, {"rb740", RB740}, {"qt-k9-pn", QT_K9_PN}, {"r75", R75},
        {"r280", R280},   {"rb280", RB280},     {"v990", V990},         {"dvr-r810max", DVR_R810MAX},
        {"dvr-r280", DVR_R280},
    };
    const QString lower = productName.toLower();
    for (const Entry &entry : entries) {
        if (lower == QLatin1String(entry.productName))
            return entry.type;
    }
    return Model::None;
}

} // namespace drovik
