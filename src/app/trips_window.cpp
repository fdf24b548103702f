#include "trips_window.h"

#include "i18n/drovik_languages.h"
#include "i18n/preferences.h"
#include "library/telemetry_cache.h"
#include "library/telemetry_loader.h"
#include "playback/convert/clip_preparation.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace drovik {

namespace {

constexpr double kKmPerMile = 1.609344;

QString clockText(const std::optional<int64_t> &ms)
{
    return ms ? cameraTimeText(*ms).mid(11, 5) : QStringLiteral("–");
}

QString durationText(double seconds)
{
    const int s = int(seconds + 0.5);
    return s >= 3600 ? QStringLiteral("%1:%2:%3").arg(s / 3600).arg(s / 60 % 60, 2, 10, QLatin1Char('0')).arg(s % 60, 2, 10, QLatin1Char('0'))
                     : QStringLiteral("%1:%2").arg(s / 60).arg(s % 60, 2, 10, QLatin1Char('0'));
}

} // namespace

TripsWindow::TripsWindow(const QString &folder, const QList<QUrl> &listing, Play play, QWidget *parent)
    : QDialog(parent)
    , m_recordings(tripRecordings(listing))
    , m_play(std::move(play))
{
    setObjectName(QStringLiteral("tripsWindow"));
    setWindowTitle(localized("Trips"));
    m_card.folder = folder;
    m_telemetry.resize(std::size_t(m_recordings.size()));

    m_status = new QLabel;
    m_status->setObjectName(QStringLiteral("tripsStatus"));
    m_table = new QTreeWidget;
    m_table->setObjectName(QStringLiteral("tripsTable"));
    m_table->setRootIsDecorated(false);
    m_table->setUniformRowHeights(true);
    m_table->setAlternatingRowColors(true);
    const bool miles = Preferences::speedUnit() == Preferences::MilesPerHour;
    m_table->setHeaderLabels({localized("Date"), localized("Start – End"), localized("Duration"),
                              miles ? QStringLiteral("mi") : QStringLiteral("km"),
                              localized("Top Speed") + (miles ? QStringLiteral(" (MPH)") : QStringLiteral(" (KM/H)")),
                              localized("G-Force Events"), localized("Clips")});
    m_table->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    connect(m_table, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem *item) { playTrip(m_table->indexOfTopLevelItem(item)); });

    auto *buttons = new QDialogButtonBox;
    buttons->addButton(localized("OK"), QDialogButtonBox::AcceptRole)->setDefault(false);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_status);
    layout->addWidget(m_table, 1);
    layout->addWidget(buttons);
    resize(760, 420);

    regroup();
    auto reader = [](const QString &path) -> ClipTelemetry {
        DrovikClipData clip = readClipTelemetry(path);
        return clip.clipDataCount() > 0 ? ClipTelemetry(std::move(clip)) : ClipTelemetry();
    };
    m_loader = std::make_unique<TelemetryLoader>(reader, std::make_shared<TelemetryCache>());
    connect(m_loader.get(), &TelemetryLoader::clipLoaded, this, [this](int index, const ClipTelemetry &telemetry) {
        if (index >= 0 && std::size_t(index) < m_telemetry.size() && telemetry)
            m_telemetry[std::size_t(index)] = *telemetry;
        ++m_read;
        m_status->setText(localized("Reading the clips' telemetry…") + QStringLiteral(" %1/%2").arg(m_read).arg(m_recordings.size()));
    });
    connect(m_loader.get(), &TelemetryLoader::finished, this, [this] {
        m_complete = true;
        m_status->setText(localized("Double-click a trip to play it."));
        regroup();
        emit completed();
    });
    QStringList paths;
    for (const TripRecording &recording : m_recordings)
        paths << recording.clip.toLocalFile();
    m_loader->load(paths);
}

TripsWindow::~TripsWindow() = default;

void TripsWindow::regroup()
{
    // Durations from the telemetry read so far: the rest count as the usual clip length.
    m_card = cardTrips(m_card.folder, m_recordings, m_telemetry);
    showTrips();
}

void TripsWindow::showTrips()
{
    const bool miles = Preferences::speedUnit() == Preferences::MilesPerHour;
    m_table->clear();
    for (const Trip &trip : m_card.trips) {
        const telemetry::DriveStatistics stats = telemetry::driveStatistics(m_card.played(trip));
        int played = 0;
        for (const TripMember &member : trip.members)
            played += member.extra ? 0 : 1;
        int events = 0;
        for (int count : stats.events)
            events += count;
        const double distance = stats.distanceM / 1000.0 / (miles ? kKmPerMile : 1.0);
        const double top = stats.maxSpeedKmh / (miles ? kKmPerMile : 1.0);
        const QString date = trip.startMs ? cameraTimeText(*trip.startMs).left(10) : QStringLiteral("–");
        auto *item = new QTreeWidgetItem(
            {date + (trip.parking ? QStringLiteral(" · ") + localized("Parked") : QString()),
             clockText(trip.startMs) + QStringLiteral(" – ") + clockText(trip.endMs),
             durationText(CardTrips::duration(trip, stats)), m_complete ? QString::number(distance, 'f', 1) : QStringLiteral("…"),
             m_complete ? QString::number(top, 'f', 0) : QStringLiteral("…"), m_complete ? QString::number(events) : QStringLiteral("…"),
             QString::number(played)});
        for (int column = 2; column < 7; ++column)
            item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
        item->setToolTip(0, m_card.relativePath(trip.members.front().clip));
        m_table->addTopLevelItem(item);
    }
    if (!m_complete)
        m_status->setText(localized("Reading the clips' telemetry…"));
    // Rows replaced in place are not always repainted by the view on its own.
    m_table->viewport()->update();
}

void TripsWindow::playTrip(int row)
{
    if (row < 0 || std::size_t(row) >= m_card.trips.size() || !m_play)
        return;
    for (const TripMember &member : m_card.trips[std::size_t(row)].members) {
        if (!member.extra) {
            m_play(m_card.recordings[member.clip].clip);
            return;
        }
    }
}

} // namespace drovik
