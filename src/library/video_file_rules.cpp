#include "library/video_file_rules.h"

#include <QTimeZone>

namespace drovik {

namespace {

const QString kFront = QStringLiteral("F.");
const QString kRear = QStringLiteral("R.");

// The folder texts each filter looks for: the first, or else the next ones. Empty for All.
const QList<QLatin1StringView> &filterTexts(int filter)
{
    static const QList<QLatin1StringView> table[] = {
        {},
        {QLatin1StringView("cont_rec")},
        {QLatin1StringView("motion_rec"), QLatin1StringView("motion_timelapse_rec")},
        {QLatin1StringView("evt_rec"), QLatin1StringView("parking_rec")},
        {QLatin1StringView("manual_rec"), QLatin1StringView("option_rec"),
         QLatin1StringView("sos_rec")},
    };
    return filter >= VideoFileFilterAlways && filter <= VideoFileFilterManual ? table[filter]
                                                                              : table[0];
}

char lowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

} // namespace

const QStringList &recordingFolderNames()
{
    static const QStringList names = {
        QStringLiteral("cont_rec"),     QStringLiteral("motion_rec"),
        QStringLiteral("evt_rec"),      QStringLiteral("manual_rec"),
        QStringLiteral("parking_rec"),  QStringLiteral("motion_timelapse_rec"),
        QStringLiteral("Saved_Videos"), QStringLiteral("option_rec"),
        QStringLiteral("sos_rec"),
    };
    return names;
}

QString videoFileUrlText(const QUrl &url)
{
    return url.toString(QUrl::FullyEncoded);
}

QString lowerCasedExtension(const QString &fileName)
{
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    if (dot <= 0)
        return {};
    return fileName.mid(dot + 1).toLower();
}

bool isVideoFileName(QByteArrayView name)
{
    // The three extensions are ASCII and no other character lower-cases to one of their letters,
    // so comparing the bytes after an ASCII lower-casing is the same as the Unicode rule.
    const qsizetype dot = name.lastIndexOf('.');
    if (dot <= 0 || name.size() - dot != 4)
        return false;
    const char ext[3] = {lowerAscii(name[dot + 1]), lowerAscii(name[dot + 2]),
                         lowerAscii(name[dot + 3])};
    const QByteArrayView view(ext, 3);
    return view == "avi" || view == "mp4" || view == "mov";
}

bool isVideoFileName(const QString &fileName)
{
    const QString ext = lowerCasedExtension(fileName);
    return ext == QLatin1String("avi") || ext == QLatin1String("mp4")
           || ext == QLatin1String("mov");
}

bool hasMp4Extension(const QUrl &url)
{
    return lowerCasedExtension(url.fileName()) == QLatin1String("mp4");
}

QString partnerUrlText(const QString &urlText)
{
    QString text = urlText;
    if (text.contains(kFront))
        return text.replace(kFront, kRear);
    if (text.contains(kRear))
        return text.replace(kRear, kFront);
    return {};
}

QString partnerUrlText(const QUrl &url)
{
    return partnerUrlText(videoFileUrlText(url));
}

bool isPartner(const QUrl &entry, const QUrl &candidate)
{
    const QString partner = partnerUrlText(entry);
    return !partner.isNull() && partner == videoFileUrlText(candidate);
}

bool isMp4Partner(const QUrl &entry, const QUrl &candidate)
{
    return hasMp4Extension(entry) && hasMp4Extension(candidate) && isPartner(entry, candidate);
}

CameraSide cameraSide(const QUrl &url)
{
    const QString text = videoFileUrlText(url);
    if (text.contains(kFront))
        return CameraSide::Front;
    if (text.contains(kRear))
        return CameraSide::Rear;
    return CameraSide::None;
}

bool videoFilePathMatchesFilter(const QString &path, int filter)
{
    const QList<QLatin1StringView> &texts = filterTexts(filter);
    if (texts.isEmpty())
        return true; // All, or a value outside 1…4
    for (const QLatin1StringView text : texts) {
        if (path.contains(text))
            return true;
    }
    return false;
}

bool videoFileMatchesFilter(const QUrl &url, int filter)
{
    return videoFilePathMatchesFilter(url.path(), filter);
}

VideoFileCellColor videoFileCellColor(const QUrl &url)
{
    // The folder's URL: everything up to and including the last "/" of the file's URL.
    const QString text = videoFileUrlText(url);
    const QString folder = text.left(text.lastIndexOf(QLatin1Char('/')) + 1);
    if (folder.endsWith(QLatin1String("Saved_Videos/")))
        return VideoFileCellColor::Magenta;
    if (folder.endsWith(QLatin1String("option_rec/")) || folder.endsWith(QLatin1String("sos_rec/")))
        return VideoFileCellColor::Yellow;
    return VideoFileCellColor::Default;
}

const char *cellColorName(VideoFileCellColor color)
{
    switch (color) {
    case VideoFileCellColor::Magenta:
        return "magenta";
    case VideoFileCellColor::Yellow:
        return "yellow";
    case VideoFileCellColor::Default:
        break;
    }
    return "default";
}

int nextEntryRow(const QList<QUrl> &list, int selected)
{
    if (selected < 0)
        return -1;
    const int n = selected + 1;
    if (n >= list.size())
        return 0;
    if (isMp4Partner(list.at(selected), list.at(n)))
        return (selected + 2 < list.size()) ? selected + 2 : 0;
    return n;
}

int previousEntryRow(const QList<QUrl> &list, int selected)
{
    const int s = selected;
    if (s <= 0 || s >= list.size())
        return -1;
    const auto frontOfPrevious = [&](int rear, int candidate) {
        const QString rearText = videoFileUrlText(list.at(rear));
        return !rearText.contains(QLatin1String("F."))
               && QString(rearText).replace(QLatin1String("R."), QLatin1String("F."))
                      == videoFileUrlText(list.at(candidate));
    };
    if (hasMp4Extension(list.at(s)) && hasMp4Extension(list.at(s - 1))) {
        if (!isPartner(list.at(s), list.at(s - 1)) && s >= 2 && frontOfPrevious(s - 1, s - 2))
            return s - 2;
        return s - 1;
    }
    if (s < 2)
        return 0;
    return frontOfPrevious(s - 1, s - 2) ? s - 2 : s - 1;
}

std::optional<QDateTime> clipStartFromFileName(const QString &fileName)
{
    // Read digit by digit rather than by pattern and date parser: trips read every name of a card.
    if (fileName.size() < 15 || fileName[8] != QLatin1Char('_'))
        return std::nullopt;
    const auto number = [&](qsizetype from, qsizetype count) {
        int value = 0;
        for (qsizetype i = from; i < from + count; ++i) {
            const char16_t c = fileName[i].unicode();
            if (c < u'0' || c > u'9')
                return -1;
            value = value * 10 + (c - u'0');
        }
        return value;
    };
    const int ymd = number(0, 8);
    const int hms = number(9, 6);
    if (ymd < 0 || hms < 0)
        return std::nullopt;
    const QDate date(ymd / 10000, ymd / 100 % 100, ymd % 100);
    const QTime time(hms / 10000, hms / 100 % 100, hms % 100);
    if (!date.isValid() || !time.isValid())
        return std::nullopt;
    return QDateTime(date, time, QTimeZone::utc());
}

std::optional<ClipTime> trackStartTime(const QString &fileName, const DrovikClipData &clip)
{
    if (const auto named = clipStartFromFileName(fileName))
        return ClipTime(std::chrono::milliseconds(named->toMSecsSinceEpoch()));
    return clip.gpsStartTime();
}

} // namespace drovik
