#pragma once

#include <QByteArray>
#include <QMetaMethod>
#include <QMetaObject>
#include <QMetaType>
#include <QObject>

#include <type_traits>

namespace drovik {

// The views report to a delegate QObject by calling one of its slots (or Q_INVOKABLE methods) by
// name, and only when the delegate has it: a delegate implements just the callbacks it cares
// about, and a missing one is skipped silently. The slot takes one argument of the type the view
// sends; for a floating-point value a slot taking double is accepted as well.
//
// Returns whether the callback was delivered.
template <typename T>
bool sendIfImplemented(QObject *delegate, const char *name, T argument)
{
    if (!delegate)
        return false;
    const QMetaObject *meta = delegate->metaObject();
    const auto deliver = [&](auto value) {
        using V = decltype(value);
        const QByteArray typeName = QMetaType::fromType<V>().name();
        const QByteArray signature = QByteArray(name) + '(' + typeName + ')';
        const int index = meta->indexOfMethod(signature.constData());
        if (index < 0)
            return false;
        return meta->method(index).invoke(delegate, Qt::DirectConnection,
                                          QGenericArgument(typeName.constData(), &value));
    };
    if (deliver(argument))
        return true;
    if constexpr (std::is_floating_point_v<T> && !std::is_same_v<T, double>)
        return deliver(double(argument));
    return false;
}

} // namespace drovik
