// What the card readers' fuzz targets share: the application object some readers expect, a card
// folder of the process's own, and the checks that turn a broken promise into a finding.
#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QStringView>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <optional>

namespace drovik::fuzz {

// A broken promise: libFuzzer keeps the input that led here.
[[noreturn]] inline void fail(const char *what)
{
    std::fprintf(stderr, "fuzz finding: %s\n", what);
    std::abort();
}

inline void check(bool condition, const char *what)
{
    if (!condition)
        fail(what);
}

// Made on the first input, so that the replay program (which only calls the entry point) gets
// one too; it lives until the process ends.
inline void ensureApplication()
{
    if (QCoreApplication::instance())
        return;
    static int argc = 1;
    static char name[] = "drovik_fuzz";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
}

// The root of a card made once per process: in /dev/shm when there is one, because the readers
// write back through flushed temporary files and a disk would make every input cost milliseconds.
inline const QString &cardRoot()
{
    static QTemporaryDir dir(QFileInfo(QStringLiteral("/dev/shm")).isDir()
                                 ? QStringLiteral("/dev/shm/drovik-fuzz-XXXXXX")
                                 : QDir::tempPath() + QStringLiteral("/drovik-fuzz-XXXXXX"));
    static const QString root = [] {
        if (!dir.isValid() || !QDir(dir.path()).mkpath(QStringLiteral("SETTING")))
            fail("cannot make the card folder");
        return dir.path();
    }();
    return root;
}

inline QString cardFile(const QString &name)
{
    return cardRoot() + QStringLiteral("/SETTING/") + name;
}

inline void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        fail("cannot write a card file");
}

inline std::optional<QByteArray> readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

inline QByteArray bytesOf(const uint8_t *data, std::size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

// A JavaScript string literal in quote as we write them for the pages, read back: nothing when
// it could end early (a bare quote or line break inside) or holds an escape we never write.
inline std::optional<QString> readJsLiteral(QStringView literal, QChar quote)
{
    if (literal.size() < 2 || literal.front() != quote || literal.back() != quote)
        return std::nullopt;
    QString text;
    for (qsizetype i = 1; i + 1 < literal.size(); ++i) {
        const QChar c = literal[i];
        const char16_t u = c.unicode();
        if (c == quote || u == u'\n' || u == u'\r' || u == 0x2028 || u == 0x2029)
            return std::nullopt;
        if (u != u'\\') {
            text += c;
            continue;
        }
        if (i + 2 >= literal.size())
            return std::nullopt;
        const QChar next = literal[++i];
        if (next == quote || next == QLatin1Char('\\')) {
            text += next;
        } else if (next == QLatin1Char('u') && i + 5 < literal.size()) {
            bool ok = false;
            const uint code = literal.mid(i + 1, 4).toUInt(&ok, 16);
            if (!ok)
                return std::nullopt;
            text += QChar(char16_t(code));
            i += 4;
        } else {
            return std::nullopt;
        }
    }
    return text;
}

} // namespace drovik::fuzz
