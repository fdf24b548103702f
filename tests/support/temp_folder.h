#pragma once

// A folder removed with everything in it when the test ends, whole-file reads and writes, and
// lists of texts.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>

#include <initializer_list>
#include <string>
#include <string_view>

namespace drovik::test {

// Writes bytes to path, making its folders.
inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(path.section(QLatin1Char('/'), 0, -2));
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// UTF-8 texts as a list.
inline QStringList strings(std::initializer_list<const char *> texts)
{
    QStringList out;
    for (const char *text : texts)
        out.append(QString::fromUtf8(text));
    return out;
}

// A program of the test's own (a shell script standing in for ffmpeg or a system tool) at path.
inline bool writeScript(const QString &path, const QByteArray &text)
{
    return writeFile(path, text) && QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class TempFolder {
public:
    QString root() const { return dir_.path(); }
    QString path(const QString &relative) const { return dir_.path() + QLatin1Char('/') + relative; }
    QUrl url(const QString &relative) const { return QUrl::fromLocalFile(path(relative)); }

    bool put(const QString &relative, const QByteArray &bytes) const { return writeFile(path(relative), bytes); }
    QByteArray get(const QString &relative) const { return readFile(path(relative)); }
    bool has(const QString &relative) const { return QFile::exists(path(relative)); }
    bool mkdir(const QString &relative) const { return QDir().mkpath(path(relative)); }

    // Empty files (and their folders).
    bool touch(const QStringList &relatives) const
    {
        for (const QString &relative : relatives) {
            if (!put(relative, {}))
                return false;
        }
        return true;
    }

    // For the readers that take a std::string path: writes name and returns its path.
    std::string file(const std::string &name, std::string_view bytes) const
    {
        const QString full = path(QString::fromStdString(name));
        writeFile(full, QByteArray(bytes.data(), qsizetype(bytes.size())));
        return full.toStdString();
    }

private:
    QTemporaryDir dir_;
};

} // namespace drovik::test
