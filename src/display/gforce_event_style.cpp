#include "gforce_event_style.h"

#include "i18n/drovik_languages.h"

namespace drovik {

QColor gforceEventColor(telemetry::GForceEventKind kind)
{
    switch (kind) {
    case telemetry::GForceEventKind::HarshBraking:
        return QColor(0xff, 0x6a, 0x3d); // the warm one: braking is what drivers look for first
    case telemetry::GForceEventKind::HarshAcceleration:
        return QColor(0x3d, 0xdc, 0x84);
    case telemetry::GForceEventKind::Cornering:
        return QColor(0x40, 0xc4, 0xff);
    case telemetry::GForceEventKind::Impact:
        return QColor(0xe0, 0x40, 0xfb);
    }
    return QColor(0xff, 0x6a, 0x3d);
}

QString gforceEventName(telemetry::GForceEventKind kind)
{
    switch (kind) {
    case telemetry::GForceEventKind::HarshBraking:
        return localized("Harsh braking");
    case telemetry::GForceEventKind::HarshAcceleration:
        return localized("Harsh acceleration");
    case telemetry::GForceEventKind::Cornering:
        return localized("Sharp cornering");
    case telemetry::GForceEventKind::Impact:
        return localized("Impact");
    }
    return QString();
}

QPainterPath downwardPennant(double x, double top, double halfWidth, double height)
{
    QPainterPath pennant;
    pennant.moveTo(x - halfWidth, top);
    pennant.lineTo(x + halfWidth, top);
    pennant.lineTo(x, top + height);
    pennant.closeSubpath();
    return pennant;
}

} // namespace drovik
