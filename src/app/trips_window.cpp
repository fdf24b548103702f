#include "trips_window.h"

#include "app/folder_trips.h"
#include "app/trip_playback.h"
#include "display/gforce_event_style.h"
#include "display/speed_chart_view.h"
#include "i18n/drovik_languages.h"
#include "i18n/preferences.h"
#include "platform/atomic_save.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <sstream>

namespace drovik {

namespace {

using telemetry::kKmPerMile;

bool milesPerHour()
{
    return Preferences::speedUnit() == Preferences::MilesPerHour;
}

QString speedText(double kmh)
{
    return QString::number(kmh / (milesPerHour() ? kKmPerMile : 1.0), 'f', 0) + QLatin1Char(' ')
           + (milesPerHour() ? QStringLiteral("mph") : QStringLiteral("km/h"));
}

// The figures of the trip and of the playing clip, side by side.
QString statisticsHtml(const telemetry::DriveStatistics &trip, double tripDuration,
                       const std::optional<telemetry::DriveStatistics> &clip)
{
    QString html = QStringLiteral("<table cellspacing='0' cellpadding='3'><tr><td></td><th align='right'>%1</th>%2</tr>")
                       .arg(localized("Trip"), clip ? QStringLiteral("<th align='right'>%1</th>").arg(localized("This Clip")) : QString());
    const auto row = [&](const QString &name, const QString &tripValue, const QString &clipValue) {
        html += QStringLiteral("<tr><td style='color:#8b949e'>%1</td><td align='right'>%2</td>%3</tr>")
                    .arg(name, tripValue, clip ? QStringLiteral("<td align='right'>%1</td>").arg(clipValue) : QString());
    };
    row(localized("Distance"), tripDistanceText(trip.distanceM), clip ? tripDistanceText(clip->distanceM) : QString());
    row(localized("Duration"), tripDurationText(tripDuration), clip ? tripDurationText(clip->durationS) : QString());
    row(localized("Moving Time"), tripDurationText(trip.movingS), clip ? tripDurationText(clip->movingS) : QString());
    row(localized("Top Speed"), speedText(trip.maxSpeedKmh), clip ? speedText(clip->maxSpeedKmh) : QString());
    row(localized("Average Moving Speed"), speedText(trip.avgSpeedKmh), clip ? speedText(clip->avgSpeedKmh) : QString());
    for (int kind = 0; kind < 4; ++kind) {
        const auto k = telemetry::GForceEventKind(kind);
        row(QStringLiteral("<span style='color:%1'>■</span> %2").arg(gforceEventColor(k).name(), gforceEventName(k).toHtmlEscaped()),
            QString::number(trip.events[std::size_t(kind)]), clip ? QString::number(clip->events[std::size_t(kind)]) : QString());
    }
    return html + QStringLiteral("</table>");
}

QString defaultSavePath(QWidget *parent, const QString &name)
{
    static QString lastFolder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString gpx = QStringLiteral("GPX (*.gpx)");
    const QString path = QFileDialog::getSaveFileName(parent, localized("Export Trip…"), lastFolder + QLatin1Char('/') + name,
                                                      gpx + QStringLiteral(";;KML (*.kml);;CSV (*.csv)"));
    if (!path.isEmpty())
        lastFolder = QFileInfo(path).absolutePath();
    return path;
}

} // namespace

TripsWindow::TripsWindow(FolderTrips &trips, TripPlayback &playing, Play play, Open open, QWidget *parent)
    : QDialog(parent)
    , m_trips(trips)
    , m_playing(playing)
    , m_play(std::move(play))
    , m_open(std::move(open))
    , m_savePath(defaultSavePath)
{
    setObjectName(QStringLiteral("tripsWindow"));
    setWindowTitle(localized("Trips"));

    m_status = new QLabel;
    m_status->setObjectName(QStringLiteral("tripsStatus"));
    m_gap = new QSpinBox;
    m_gap->setObjectName(QStringLiteral("tripGap"));
    m_gap->setRange(0, int(Preferences::kMaxTripGapSeconds));
    m_gap->setSuffix(QStringLiteral(" s"));
    m_gap->setValue(int(trips.gapSeconds()));
    m_gap->setToolTip(localized("The longest pause between two clips of one trip"));
    connect(m_gap, &QSpinBox::valueChanged, this, [this](int seconds) {
        Preferences::storeTripGapSeconds(seconds);
        m_trips.setGapSeconds(seconds);
    });
    auto *top = new QHBoxLayout;
    top->addWidget(m_status, 1);
    top->addWidget(new QLabel(localized("Gap between trips:")));
    top->addWidget(m_gap);

    m_table = new QTreeWidget;
    m_table->setObjectName(QStringLiteral("tripsTable"));
    m_table->setRootIsDecorated(false);
    m_table->setUniformRowHeights(true);
    m_table->setAlternatingRowColors(true);
    m_table->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    connect(m_table, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem *item) { playTrip(m_table->indexOfTopLevelItem(item)); });
    connect(m_table, &QTreeWidget::currentItemChanged, this, &TripsWindow::showChosenTrip);

    m_statistics = new QLabel;
    m_statistics->setObjectName(QStringLiteral("tripStatistics"));
    m_statistics->setTextFormat(Qt::RichText);
    m_statistics->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    m_statistics->setMinimumWidth(300);
    m_chart = new SpeedChartView;
    m_chart->setObjectName(QStringLiteral("tripSpeedChart"));
    m_chart->setMinimumSize(520, 180);
    connect(m_chart, &SpeedChartView::momentClicked, this, [this](int clip, double seconds) {
        const int trip = chosenTrip();
        if (trip == m_playing.trip()) {
            m_playing.openMoment(clip, seconds);
            return;
        }
        const std::vector<int> played = playedClips(m_trips.card().trips[std::size_t(trip)]);
        if (clip >= 0 && std::size_t(clip) < played.size() && m_open)
            m_open(m_trips.card().recordings[played[std::size_t(clip)]].clip, seconds);
    });
    auto *details = new QHBoxLayout;
    details->addWidget(m_statistics);
    details->addWidget(m_chart, 1);

    auto *buttons = new QDialogButtonBox;
    m_export = buttons->addButton(localized("Export Trip…"), QDialogButtonBox::ActionRole);
    m_export->setObjectName(QStringLiteral("exportTrip"));
    connect(m_export, &QPushButton::clicked, this, &TripsWindow::exportChosenTrip);
    buttons->addButton(localized("OK"), QDialogButtonBox::AcceptRole)->setDefault(false);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_table, 1);
    layout->addLayout(details);
    layout->addWidget(buttons);
    resize(900, 620);

    connect(&trips, &FolderTrips::regrouped, this, [this] {
        showTrips();
        followPlayingTrip();
    });
    m_refresh.setSingleShot(true);
    m_refresh.setInterval(0);
    connect(&m_refresh, &QTimer::timeout, this, [this] {
        showTrips();
        if (isComplete() && !std::exchange(m_wasComplete, true))
            emit completed();
    });
    connect(&trips, &FolderTrips::telemetryRead, &m_refresh, qOverload<>(&QTimer::start));
    connect(&playing, &TripPlayback::trackChanged, this, &TripsWindow::followPlayingTrip);
    connect(&playing, &TripPlayback::positionChanged, this, [this](double seconds) {
        if (chosenTrip() >= 0 && chosenTrip() == m_playing.trip())
            m_chart->setPosition(seconds);
    });
    refreshUnits();
    followPlayingTrip();
    trips.readAll();
    m_wasComplete = isComplete();
}

TripsWindow::~TripsWindow() = default;

bool TripsWindow::isComplete() const
{
    return m_trips.isComplete();
}

void TripsWindow::refreshUnits()
{
    const bool miles = milesPerHour();
    m_table->setHeaderLabels({localized("Date"), localized("Start – End"), localized("Duration"),
                              miles ? QStringLiteral("mi") : QStringLiteral("km"),
                              localized("Top Speed") + (miles ? QStringLiteral(" (MPH)") : QStringLiteral(" (KM/H)")),
                              localized("G-Force Events"), localized("Clips")});
    m_chart->setMilesPerHour(miles);
    showTrips();
}

int TripsWindow::chosenTrip() const
{
    return m_table->indexOfTopLevelItem(m_table->currentItem());
}

void TripsWindow::showTrips()
{
    const CardTrips &card = m_trips.card();
    const int chosen = chosenTrip();
    const bool miles = milesPerHour();
    // Rows replaced in place keep the choice; a new grouping may have fewer.
    while (m_table->topLevelItemCount() > int(card.trips.size()))
        delete m_table->takeTopLevelItem(m_table->topLevelItemCount() - 1);
    for (std::size_t t = 0; t < card.trips.size(); ++t) {
        const Trip &trip = card.trips[t];
        const telemetry::DriveStatistics &stats = m_trips.statistics(int(t));
        const bool read = m_trips.isTripRead(int(t));
        const std::size_t played = playedClips(trip).size();
        int events = 0;
        for (int count : stats.events)
            events += count;
        const QString date = trip.startMs ? cameraTimeText(*trip.startMs).left(10) : QStringLiteral("–");
        const QString ellipsis = QStringLiteral("…");
        const QStringList texts = {
            date + (trip.parking ? QStringLiteral(" · ") + localized("Parked") : QString()),
            tripClockText(trip.startMs) + QStringLiteral(" – ") + tripClockText(trip.endMs),
            tripDurationText(CardTrips::duration(trip, stats)),
            read ? QString::number(stats.distanceM / 1000.0 / (miles ? kKmPerMile : 1.0), 'f', 1) : ellipsis,
            read ? QString::number(stats.maxSpeedKmh / (miles ? kKmPerMile : 1.0), 'f', 0) : ellipsis,
            read ? QString::number(events) : ellipsis,
            QString::number(played)};
        QTreeWidgetItem *item = m_table->topLevelItem(int(t));
        if (!item) {
            item = new QTreeWidgetItem;
            for (int column = 2; column < 7; ++column)
                item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
            m_table->addTopLevelItem(item);
        }
        for (int column = 0; column < texts.size(); ++column)
            item->setText(column, texts[column]);
        item->setToolTip(0, card.relativePath(trip.members.front().clip));
    }
    m_status->setText(isComplete() ? localized("Double-click a trip to play it.")
                                   : localized("Reading the clips' telemetry…")
                                         + QStringLiteral(" %1/%2").arg(m_trips.readCount()).arg(card.recordings.size()));
    if (chosen >= 0 && chosen < m_table->topLevelItemCount())
        showChosenTrip();
    m_table->viewport()->update();
}

void TripsWindow::followPlayingTrip()
{
    const int trip = m_playing.trip();
    if (trip >= 0 && trip < m_table->topLevelItemCount() && trip != chosenTrip())
        m_table->setCurrentItem(m_table->topLevelItem(trip));
    else
        showChosenTrip();
}

void TripsWindow::showChosenTrip()
{
    const int trip = chosenTrip();
    m_export->setEnabled(trip >= 0);
    if (trip < 0) {
        m_chart->clear();
        m_statistics->clear();
        return;
    }
    const CardTrips &card = m_trips.card();
    const Trip &t = card.trips[std::size_t(trip)];
    const telemetry::DriveStatistics &stats = m_trips.statistics(trip);
    std::optional<telemetry::DriveStatistics> clip;
    const bool playing = trip == m_playing.trip();
    if (playing && m_playing.currentClip() >= 0) {
        const std::vector<int> played = playedClips(t);
        if (std::size_t(m_playing.currentClip()) < played.size()) {
            const auto recording = std::size_t(played[std::size_t(m_playing.currentClip())]);
            const telemetry::DriveClip part{&card.telemetry[recording], 0, card.timed[recording].get()};
            clip = telemetry::driveStatistics(std::span(&part, 1));
        }
    }
    m_statistics->setText(statisticsHtml(stats, CardTrips::duration(t, stats), clip));
    if (playing) {
        m_chart->setTrack(m_playing.track(), m_playing.currentClip());
        m_chart->setPosition(m_playing.position());
    } else {
        m_chart->setTrack(tripTrack(m_trips, trip), -1);
        m_chart->setPosition(-1);
    }
}

void TripsWindow::playTrip(int row)
{
    const CardTrips &card = m_trips.card();
    if (row < 0 || std::size_t(row) >= card.trips.size() || !m_play)
        return;
    if (const std::vector<int> played = playedClips(card.trips[std::size_t(row)]); !played.empty())
        m_play(card.recordings[played.front()].clip);
}

void TripsWindow::exportChosenTrip()
{
    const int trip = chosenTrip();
    const CardTrips &card = m_trips.card();
    if (trip < 0 || std::size_t(trip) >= card.trips.size() || !m_savePath)
        return;
    const Trip &t = card.trips[std::size_t(trip)];
    const QString name = t.startMs ? QStringLiteral("Trip %1.gpx").arg(cameraTimeText(*t.startMs).replace(QLatin1Char(':'), QLatin1Char('-')))
                                   : QStringLiteral("Trip.gpx");
    const QString path = m_savePath(this, name);
    if (path.isEmpty())
        return;
    const QString extension = QFileInfo(path).suffix().toLower();
    std::ostringstream text;
    writeTripTrack(text, card, trip, extension == QLatin1String("kml") || extension == QLatin1String("csv") ? extension.toStdString() : "gpx");
    const std::string bytes = text.str();
    const auto failure = saveAtomically(path, [&](QIODevice &file) {
        return file.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size());
    });
    if (failure) {
        auto *alert = new QMessageBox(QMessageBox::Warning, localized("Export Trip…"),
                                      localized("The trip's track could not be saved."), QMessageBox::Ok, this);
        alert->setInformativeText(failure->reason);
        alert->setAttribute(Qt::WA_DeleteOnClose);
        alert->open();
    }
}

} // namespace drovik
