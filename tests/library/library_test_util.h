#pragma once

// A card tree in a temporary folder for the library tests.

#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>

namespace drovik::test {

struct TempTree {
    QTemporaryDir dir;

    QString root() const { return dir.path(); }
    QString path(const QString &relative) const { return dir.path() + QLatin1Char('/') + relative; }
    QUrl url(const QString &relative) const { return QUrl::fromLocalFile(path(relative)); }

    // Creates an empty file (and its folders).
    bool touch(const QString &relative) const
    {
        const QString full = path(relative);
        QDir().mkpath(full.section(QLatin1Char('/'), 0, -2));
        QFile file(full);
        return file.open(QIODevice::WriteOnly);
    }
    bool touchAll(const QStringList &relatives) const
    {
        for (const QString &relative : relatives) {
            if (!touch(relative))
                return false;
        }
        return true;
    }
    bool mkdir(const QString &relative) const { return QDir().mkpath(path(relative)); }
};

// The paths of urls relative to root, for readable comparisons.
inline QStringList relativePaths(const QString &root, const QList<QUrl> &urls)
{
    QStringList out;
    for (const QUrl &url : urls)
        out.append(QDir(root).relativeFilePath(url.toLocalFile()));
    return out;
}

} // namespace drovik::test
