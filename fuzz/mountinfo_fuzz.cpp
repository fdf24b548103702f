// libFuzzer target: the mount table parser (/proc/self/mountinfo) on any bytes. Every entry it
// gives, written back as the kernel writes it, must parse to itself.
#include "card_fuzz_support.h"

#include "platform/volume_monitor.h"

#include <cstddef>
#include <cstdint>

namespace {

using namespace drovik;
using drovik::fuzz::check;

// The kernel's escaping: blanks, line breaks and backslashes as a backslash and three octal
// digits.
QByteArray escaped(const QString &field)
{
    QByteArray out;
    for (const char c : field.toUtf8()) {
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f' || c == '\\')
            out += '\\' + QByteArray::number(quint8(c), 8).rightJustified(3, '0');
        else
            out += c;
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, std::size_t size)
{
    const QByteArray text = fuzz::bytesOf(data, size);
    const QList<MountInfoEntry> entries = parseMountInfo(text);
    check(entries.size() <= text.count('\n') + 1, "more mounts than lines");
    for (const MountInfoEntry &entry : entries) {
        check(entry.mountPoint.startsWith(QLatin1Char('/')), "a mount point that is not absolute");
        check(!entry.fsType.isEmpty(), "a mount without a file system type");
        isNetworkFileSystem(entry.fsType);
        const QByteArray line = "36 35 " + QByteArray::number(entry.major) + ':'
            + QByteArray::number(entry.minor) + " / " + escaped(entry.mountPoint)
            + " rw,noatime shared:1 - " + entry.fsType.toUtf8() + ' ' + escaped(entry.source)
            + " rw\n";
        const QList<MountInfoEntry> again = parseMountInfo(line);
        check(again.size() == 1 && again[0].major == entry.major && again[0].minor == entry.minor
                  && again[0].mountPoint == entry.mountPoint && again[0].fsType == entry.fsType
                  && again[0].source == entry.source,
              "a mount written back as the kernel writes it parses differently");
    }
    return 0;
}
