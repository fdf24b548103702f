#pragma once

#include <QWidget>

namespace drovik {

// The G-force graph of the current clip. Until a clip's telemetry is handed to it, it shows
// its empty grid.
class GravityGraphView : public QWidget {
    Q_OBJECT
public:
    explicit GravityGraphView(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace drovik
