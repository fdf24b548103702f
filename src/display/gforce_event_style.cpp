#include "gforce_event_style.h"

#include "i18n/drovik_languages.h"

namespace drovik {

namespace {
// Until a table carries the name, the English one rather than a blank read-out.
QString named(const char *key)
{
    const QString text = localized(key);
    return text.isEmpty() ? QString::fromUtf8(key) : text;
}
} // namespace

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
        return named("Harsh braking");
    case telemetry::GForceEventKind::HarshAcceleration:
        return named("Harsh acceleration");
    case telemetry::GForceEventKind::Cornering:
        return named("Sharp cornering");
    case telemetry::GForceEventKind::Impact:
        return named("Impact");
    }
    return QString();
}

} // namespace drovik
