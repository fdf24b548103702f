#pragma once

#include <QJsonValue>
#include <QObject>

namespace drovik {

// What the map page reports back, reached by the page as the channel object "drovikMapBridge".
// The page is a web page showing tiles from the network: an argument may be anything, so each
// is checked here and only a position on the globe goes on.
class MapPageBridge : public QObject {
    Q_OBJECT
public:
    explicit MapPageBridge(QObject *parent = nullptr);

public slots:
    // The route was clicked there (degrees; longitude in -180 … 180).
    void routeClicked(const QJsonValue &lat, const QJsonValue &lng);
    // The trip drawn under the route was clicked there.
    void tripRouteClicked(const QJsonValue &lat, const QJsonValue &lng);

signals:
    void routeClickedAt(double lat, double lng);
    void tripClickedAt(double lat, double lng);
};

} // namespace drovik
