#include "gravitygraphview.h"

#include "app/images.h"

#include <QPainter>

namespace drovik {

GravityGraphView::GravityGraphView(QWidget *parent)
    : QWidget(parent)
{
}

void GravityGraphView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, Images::pixmap(QStringLiteral("gsensor_graph_bg"), size(),
                                            devicePixelRatioF()));
}

} // namespace drovik
