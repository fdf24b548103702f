#include "library/video_file_rules.h"

#include <QTimeZone>

#include <algorithm>
#include <numeric>

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

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

using Type = ForeignRecordingType;
using Side = CameraSide;

// Other makes' cards. This maker's folders and names keep the specified rules and their priority
// (isRecordingFolderPath, the "F."/"R." texts); this table is read only for the clips those leave
// unclaimed. A row applies to a clip when its folder pattern names a folder on the clip's path
// (any folder of the whole path, in any case: '#' is a digit, '?' any character) and its name
// ending ends the clip's name before the extension (case as written; a marker must follow a
// digit, "_" or "-", or begin with "_", so "NF" is never read as "F"). An empty pattern matches
// anything. The rows are tried in order: the first that tells a type gives the type, the first
// that tells a side gives the side. A row with a folder and no name ending also makes the listing
// enter a folder of that name lying in the chosen folder (recursively); rows that tell nothing
// are only that. A side row's partner is the row of the same folder and type with the other side
// whose marker differs in its last letter only ("_A" ↔ "_B").
struct ForeignListingRule {
    const char *folder;  // where
    const char *nameEnd; // the name's side or type marker
    Type type;           // → the filter (see ForeignRecordingType)
    Side side;
};

constexpr ForeignListingRule kForeignListingRules[] = {
    // Names that carry the recording type and the side: N normal, E event, P parking, M manual.
    {"", "NF", Type::Normal, Side::Front},  {"", "NR", Type::Normal, Side::Rear},
    {"", "EF", Type::Event, Side::Front},   {"", "ER", Type::Event, Side::Rear},
    {"", "PF", Type::Parking, Side::Front}, {"", "PR", Type::Parking, Side::Rear},
    {"", "MF", Type::Manual, Side::Front},  {"", "MR", Type::Manual, Side::Rear},
    // Names that carry the side alone: a letter before the extension, or a camera suffix.
    {"", "F", Type::None, Side::Front},     {"", "R", Type::None, Side::Rear},
    {"", "_A", Type::None, Side::Front},    {"", "_B", Type::None, Side::Rear},
    // Per-type folders, protected ones first: a locked folder inside the normal one is an event.
    {"Event", "", Type::Event, Side::None},     {"EMER", "", Type::Event, Side::None},
    {"Emergency", "", Type::Event, Side::None}, {"Protected", "", Type::Event, Side::None},
    {"RO", "", Type::Event, Side::None},        // read-only: locked by the camera
    {"Parking", "", Type::Parking, Side::None}, {"PARK", "", Type::Parking, Side::None},
    {"Manual", "", Type::Manual, Side::None},
    {"Normal", "", Type::Normal, Side::None},   {"Movie", "", Type::Normal, Side::None},
    // Folders that only hold the others: DCIM, its numbered folders (100MEDIA), dated folders.
    {"DCIM", "", Type::None, Side::None},       {"Record", "", Type::None, Side::None},
    {"###?????", "", Type::None, Side::None},   {"########", "", Type::None, Side::None},
    {"####_##_##", "", Type::None, Side::None}, {"####-##-##", "", Type::None, Side::None},
};

bool folderMatches(QStringView name, const char *pattern)
{
    const qsizetype length = qsizetype(qstrlen(pattern));
    if (name.size() != length)
        return false;
    for (qsizetype i = 0; i < length; ++i) {
        const char p = pattern[i];
        const QChar c = name[i];
        if (p == '#' ? !isAsciiDigit(c)
                     : p != '?' && (c.unicode() > 0x7f || lowerAscii(char(c.unicode())) != lowerAscii(p)))
            return false;
    }
    return true;
}

// Where a marker starts at the end of base, or -1.
qsizetype markerAt(QStringView base, const char *marker)
{
    const QLatin1StringView text(marker);
    if (!base.endsWith(text))
        return -1;
    const qsizetype at = base.size() - text.size();
    if (text.startsWith(QLatin1Char('_')))
        return at;
    if (at == 0)
        return -1;
    const QChar before = base[at - 1];
    return isAsciiDigit(before) || before == QLatin1Char('_') || before == QLatin1Char('-') ? at : -1;
}

struct ForeignMatch {
    const ForeignListingRule *typeRow = nullptr;
    const ForeignListingRule *sideRow = nullptr;
    qsizetype markerAt = -1; // in the text read, where the side row's marker starts
};

// The table read for a path or URL text, whoever made it.
ForeignMatch matchForeignRules(QStringView text)
{
    ForeignMatch match;
    const qsizetype slash = text.lastIndexOf(QLatin1Char('/'));
    const QStringView name = text.mid(slash + 1);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QStringView base = dot > 0 ? name.left(dot) : name;
    const QStringView folders = slash > 0 ? text.left(slash) : QStringView();
    const auto onPath = [&](const char *pattern) {
        for (const QStringView folder : folders.tokenize(QLatin1Char('/'))) {
            if (folderMatches(folder, pattern))
                return true;
        }
        return false;
    };
    for (const ForeignListingRule &rule : kForeignListingRules) {
        if (rule.type == Type::None && rule.side == Side::None)
            continue;
        if ((match.typeRow || rule.type == Type::None) && (match.sideRow || rule.side == Side::None))
            continue;
        qsizetype at = -1;
        if (*rule.nameEnd && (at = markerAt(base, rule.nameEnd)) < 0)
            continue;
        if (*rule.folder && !onPath(rule.folder))
            continue;
        if (!match.typeRow && rule.type != Type::None)
            match.typeRow = &rule;
        if (!match.sideRow && rule.side != Side::None) {
            match.sideRow = &rule;
            match.markerAt = slash + 1 + at;
        }
    }
    return match;
}

// The partner of a side row: the row of the same folder and type with the other side whose
// marker differs in its last letter only.
const ForeignListingRule *partnerRule(const ForeignListingRule &row)
{
    const QLatin1StringView marker(row.nameEnd);
    for (const ForeignListingRule &rule : kForeignListingRules) {
        const QLatin1StringView other(rule.nameEnd);
        if (qstrcmp(rule.folder, row.folder) == 0 && rule.type == row.type && rule.side != Side::None
            && rule.side != row.side && other.size() == marker.size() && other.chopped(1) == marker.chopped(1))
            return &rule;
    }
    return nullptr;
}

QString foreignPartnerUrlText(const QString &urlText)
{
    if (isRecordingFolderPath(urlText))
        return {};
    const ForeignMatch match = matchForeignRules(urlText);
    const ForeignListingRule *other = match.sideRow ? partnerRule(*match.sideRow) : nullptr;
    if (!other)
        return {};
    QString text = urlText;
    return text.replace(match.markerAt, qsizetype(qstrlen(match.sideRow->nameEnd)),
                        QLatin1StringView(other->nameEnd));
}

int foreignFilter(ForeignRecordingType type)
{
    switch (type) {
    case Type::Normal:
        return VideoFileFilterAlways;
    case Type::Event:
    case Type::Parking:
        return VideoFileFilterEvent;
    case Type::Manual:
        return VideoFileFilterManual;
    case Type::None:
        break;
    }
    return VideoFileFilterAll;
}

} // namespace

bool isRecordingFolderPath(QStringView path)
{
    for (const QString &folder : recordingFolderNames()) {
        if (path.contains(folder))
            return true;
    }
    return false;
}

ForeignClipReading readForeignClip(QStringView path)
{
    if (isRecordingFolderPath(path))
        return {};
    const ForeignMatch match = matchForeignRules(path);
    return {match.typeRow ? match.typeRow->type : Type::None,
            match.sideRow ? match.sideRow->side : Side::None};
}

bool isForeignListingFolderName(QStringView name)
{
    for (const ForeignListingRule &rule : kForeignListingRules) {
        if (*rule.folder && !*rule.nameEnd && folderMatches(name, rule.folder))
            return true;
    }
    return false;
}

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
    return foreignPartnerUrlText(urlText);
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
    return readForeignClip(text).side;
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
    return !isRecordingFolderPath(path) && foreignFilter(readForeignClip(path).type) == filter;
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
        const QString candidateText = videoFileUrlText(list.at(candidate));
        if (rearText.contains(kFront))
            return false;
        if (QString(rearText).replace(kRear, kFront) == candidateText)
            return true;
        // Another make's rear file, by its side marker.
        return !rearText.contains(kRear) && readForeignClip(rearText).side == CameraSide::Rear
               && partnerUrlText(rearText) == candidateText;
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

namespace {

// This maker's form: "YYYYMMDD_HHMMSS" at the very beginning.
std::optional<QDateTime> leadingStart(const QString &fileName)
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

// The first time stamp of another make's name (see clipStartFromFileName), read digit by digit.
std::optional<QDateTime> stampedStart(QStringView name)
{
    struct Form {
        int groups[6];
        int count;
    };
    static constexpr Form forms[] = {
        {{14}, 1}, {{8, 6}, 2}, {{4, 4, 6}, 3}, {{6, 6}, 2}, {{4, 2, 2, 2, 2, 2}, 6},
    };
    const qsizetype n = name.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (!isAsciiDigit(name[i]) || (i > 0 && isAsciiDigit(name[i - 1])))
            continue;
        // The digit groups from here, joined by single separators.
        int lengths[6] = {};
        int count = 0;
        QString digits;
        for (qsizetype at = i; count < 6;) {
            const qsizetype from = at;
            while (at < n && isAsciiDigit(name[at]))
                ++at;
            lengths[count++] = int(at - from);
            digits += name.mid(from, at - from);
            if (at + 1 >= n || (name[at] != QLatin1Char('_') && name[at] != QLatin1Char('-'))
                || !isAsciiDigit(name[at + 1]))
                break;
            ++at;
        }
        for (const Form &form : forms) {
            if (count < form.count || !std::equal(form.groups, form.groups + form.count, lengths))
                continue;
            const int width = std::accumulate(form.groups, form.groups + form.count, 0);
            const QStringView stamp = QStringView(digits).left(width);
            const bool shortYear = width == 12;
            const int year = (shortYear ? 2000 : 0) + stamp.left(shortYear ? 2 : 4).toInt();
            const QStringView rest = stamp.mid(shortYear ? 2 : 4);
            const QDate date(year, rest.mid(0, 2).toInt(), rest.mid(2, 2).toInt());
            const QTime time(rest.mid(4, 2).toInt(), rest.mid(6, 2).toInt(), rest.mid(8, 2).toInt());
            if (year >= 1970 && year <= 2099 && date.isValid() && time.isValid())
                return QDateTime(date, time, QTimeZone::utc());
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<QDateTime> clipStartFromFileName(const QString &fileName)
{
    if (const auto start = leadingStart(fileName))
        return start;
    return stampedStart(fileName);
}

std::optional<ClipTime> trackStartTime(const QString &fileName, const DrovikClipData &clip)
{
    if (const auto named = clipStartFromFileName(fileName))
        return ClipTime(std::chrono::milliseconds(named->toMSecsSinceEpoch()));
    return clip.gpsStartTime();
}

} // namespace drovik
