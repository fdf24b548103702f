#!/usr/bin/env python3
"""Writes the small seed corpora of the fuzz targets into fuzz/corpus/<reader>/ (run from anywhere)."""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
FIX = b"GPRMC,120000,A,3723.2475,N,12658.3040,E,10.0,0,010120"


def write(reader, name, data):
    folder = os.path.join(HERE, "corpus", reader)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as out:
        out.write(data)


def chunk(cid, payload):
    pad = b"\0" if len(payload) % 2 else b""
    return cid + struct.pack("<I", len(payload)) + payload + pad


def riff(chunks):
    return b"RIFF" + struct.pack("<I", 0) + b"AVI " + b"".join(chunks)


def embedded(text, marker=b"02tx"):
    return marker + b"\x11\0\0\0" + text + b"\0"


line = b"0,37.5,127.25,88,10,-20,130\n"
write("trailer", "small", b"ETKQX4" + line * 3)
write("trailer", "crlf", b"ETKQX4" + line.replace(b"\n", b"\r\n") * 2 + b"0,0,0,1,2,3,4\xe2\x80\xa8")
write("trailer", "odd-fields", b"ETKQX4a,b\n1,2,3,4,5,6,7,8\n,-1e39,.5e-3,-5,70000,-40000,+3\n")

moves = [chunk(b"02tx", bytes([0x4D, 0x80 - i, 0x80, 0x7F])) for i in range(12)]
write("riff", "general", b"\0" + riff([chunk(b"LIST", b"movi")[:8] + b"movi"] + moves
                                      + [chunk(b"03tx", b"$" + FIX), chunk(b"00dc", b"odd")]
                                      + moves[:3] + [chunk(b"02tx", b"T")]))
kvl = [chunk(b"02tx", bytes([0x4D, 0x8D, 0x73, 0x80, 1, 1, 1])) for _ in range(5)]
write("riff", "family", b"\1" + riff(kvl + [chunk(b"02tx", b"G$" + FIX)] + kvl[:2]))
write("riff", "truncated", b"\0" + riff(moves[:2]) + b"03tx" + struct.pack("<I", 1000) + b"M\x01")

body = b"\x01" * 64
for second in range(3):
    for i in range(4):
        body += b"\x02" * 40 + embedded(b"gsensor,%d,-7,3\r\n" % i)
    body += embedded(b"gsensori,1,1024,512,0,-512", b"03tx") + embedded(FIX)
write("embedded", "lines", b"\x05" + body)
write("embedded", "no-rmc", b"\x20" + embedded(b"gsensor,1,2,1234") * 5 + b"02tx" + b"\0" * 30 + b"x")
write("embedded", "gnrmc-void", b"\x3f" + embedded(b"gsensori,0,5,1,1,1")
      + embedded(b"GNRMC,1,V,3723.2475,N,12658.3040,E,10.0"))


def cue(index, ms, payload, eol=b"\n"):
    def stamp(t):
        return b"%02d:%02d:%02d,%03d" % (t // 3600000, t // 60000 % 60, t // 1000 % 60, t % 1000)
    return b"%d" % index + eol + stamp(ms) + b" --> " + stamp(ms + 100) + eol + payload + eol + eol


srt = b"".join(cue(i, i * 100, b"gsensori,1,1024,%d,0,-512" % (i * 10)) for i in range(9))
srt += cue(9, 900, b"gsensori,1,1024,1,2,3;" + FIX) + cue(10, 1000, b"CAR,1,2,3") + cue(11, 1100, b"dummy")
srt += cue(12, 2000, FIX.replace(b",A,", b",V,"))
write("srt", "cues", srt)
write("srt", "crlf", cue(1, 0, b"gsensor,1,2,3", b"\r\n") + cue(2, 1000, FIX, b"\r\n"))
write("srt", "no-final-newline", cue(1, 5000, FIX) + b"2\n01:00:06,000 --> 01:00:06,100\nGNRMC,1,A,3723.2,S,12658.3,W,1.5")


# --- Card files -------------------------------------------------------------------------------

def record_fields():
    """(name, width) of the binary record's fields, from the one table that describes them."""
    path = os.path.join(HERE, "..", "src", "settings", "store", "record_layout.h")
    import re
    with open(path) as header:
        return [(m.group(1), int(m.group(2)))
                for m in re.finditer(r"^\s*X\((\w+),\s*\w+,\s*(\d+)\)", header.read(), re.M)]


FIELDS = record_fields()
COUNTS = {"K210": 60, "R640": 60, "V820": 78, "V560": 81, "R60": 81, "R930": 79, "DVR-L420": 116}
MODELS = ["K210", "R640", "V470", "V820", "V820 UK", "R930", "N260", "V530", "V560", "V880", "R970",
          "R60", "RB20", "R120", "VM30", "RM30", "R810", "R810MAX", "RB740", "QT-K9-PN", "R75", "R280",
          "RB280", "V990", "DVR-R810MAX", "DVR-R280", "DVR-L420", "DVR-L410", "DVR-L470"]


def record(name, count, version=b"1.00.17", texts=None, fill=1):
    """A record of count fields as the camera writes it, each number field set to fill."""
    size = sum(width for _, width in FIELDS[:count])
    texts = dict(texts or {})
    texts.setdefault("product_name", name.encode())
    texts.setdefault("version", version)
    out = b""
    for field, width in FIELDS[:count]:
        if field == "checksum":
            out += struct.pack("<i", size)
        elif field in texts:
            out += texts[field][:width].ljust(width, b"\0")
        elif width in (4, 2, 1) and field not in ("product_name", "serial_number", "version"):
            out += (fill & ((1 << (8 * width)) - 1)).to_bytes(width, "little")
        else:
            out += b"\0" * width
    return out


def model_byte(name):
    return bytes([MODELS.index(name) + 1])


write("record", "r640", model_byte("R640") + b"\0" + record("R640", 60))
write("record", "v820-fw17", model_byte("V820") + b"\x11" + record("V820", 78, b"1.00.17", fill=2))
write("record", "self-sized", model_byte("DVR-L420") + b"\0" + record("DVR-L420", 116, b"2.01"))
write("record", "erased-texts", model_byte("R930") + b"\x05"
      + record("R930", 79, texts={"tz_key": b"\xff" * 32, "serial_number": b"\xc3\x28"}))
write("record", "truncated", b"\0\0" + record("V560", 81)[:47])

# The form targets: model, firmware, gestures (count, then control, action, value), the record.
GESTURES = b"\x04" + b"\x03\x01\x02" + b"\x10\x00\x7f" + b"\x22\x01\x05" + b"\x40\x02\x80"
write("record_form", "r640", model_byte("R640") + b"\0" + GESTURES + record("R640", 60))
write("record_form", "k210", model_byte("K210") + b"\0" + b"\0" + record("K210", 60, fill=0))
write("record_form", "v560", model_byte("V560") + b"\x02" + GESTURES + record("V560", 81, fill=3))
write("record_form", "r60-out-of-range", model_byte("R60") + b"\x02" + b"\x02\x05\x01\x01\x09\x02\x03"
      + record("R60", 81, fill=-7))
write("record_form", "v820-short", model_byte("V820") + b"\x11" + b"\0" + record("V820", 78)[:300])
write("record_form", "n260", model_byte("N260") + b"\0" + GESTURES + record("N260", 60))

with open(os.path.join(HERE, "..", "resources", "defaults", "default_N260.cfg"), "rb") as cfg:
    N260 = cfg.read()
write("kvl", "default", N260)
write("kvl", "blanks-and-bom", b"\xef\xbb\xbf \t" + N260.replace(b"set=0", b"set=1") + b"\r\n \t")
write("kvl", "lf-only", N260.replace(b"\r\n", b"\n"))
write("kvl", "not-utf8", b"model=N260\r\nversion=\xff\xfe\r\n")
write("kvl", "clock-first", b"year=2023\r\n  const=60\r\nmonth=5\r\r\n\nset=1")
write("kvl_form", "default", GESTURES + N260)
write("kvl_form", "odd-values", b"\x03\x01\x00\x05\x07\x01\x02\x0b\x00\x09"
      + b"const=35\r\nevent=17\r\npark=4\r\nmanual=39\r\nlocal_time=9.5\r\npower_off_vlt=11800\r\n"
      + b"language=xx\r\nacc_level=-3\r\nmotion_level=99999999999\r\nset=1\r\nyear=2024")
write("kvl_form", "empty", b"\0")

write("languages", "three", b"# Version: 1.00.17\n# Language ISO Code:en ko ja\n")
write("languages", "chinese", b"#\tLanguage ISO Code: zh-Hant-HK zh-Hans iw xx\r\n# Language ISO Code:fr\n")
write("languages", "not-utf8", b"# Language ISO Code:en \xff\n")

write("clock", "tokyo", b"2024,02,29,23,59,00,+0900")
write("clock", "utc-forms", b" 1999,12,31,00,00,59,GMT-03:30\n")
write("clock", "far-offset", b"2024,01,01,12,00,00,+1800")
write("clock", "bad", b"2023,02,29,24,00,00,Z")

write("mountinfo", "media", b"22 1 0:21 / /proc rw,nosuid shared:12 - proc proc rw\n"
      b"98 29 179:1 / /media/user/CARD\\040ONE rw,nosuid shared:50 - vfat /dev/mmcblk0p1 rw,uid=1000\n"
      b"99 29 8:17 / /run/media/user/USB rw master:1 - exfat /dev/sdb1 rw\n"
      b"100 29 0:50 / /mnt/share rw - cifs //server/share\\134x rw\n")
write("mountinfo", "odd", b"1 2 3:4 / relative rw - ext4 /dev/x rw\n5 6 7 / /x rw - ext4 y z\n"
      b"7 8 9:10 / /a\\04 b c d - - e f\n")

cur_language = bytes(428) + struct.pack("<I", 1)
write("web_bridge", "record-hex", b"\x90" + cur_language.hex().upper().encode())
write("web_bridge", "odd-hex", b"\x01" + b"0aBc5")
write("web_bridge", "user-noti", b"\x10" + "T\tmessage \"quoted\"\n\t3\tvalue\u2028\t2".encode("utf-16-le"))
write("web_bridge", "clock", b"\x00" + "2024/05/06\\'\"\x00".encode())


def fnv1a(data):
    value = 2166136261
    for byte in data:
        value = ((value ^ byte) * 16777619) & 0xFFFFFFFF
    return value


def clip_record(samples, start_ms=None):
    head = struct.pack("<IIBq", len(samples), len(samples), 1 if start_ms is not None else 0, start_ms or 0)
    return head + b"".join(struct.pack("<hhhffI", *s) for s in samples)


def cache_entry(record, path=b"/card/cont_rec/clip_F.mp4", size=1000, mtime=1700000000000, magic=b"DrvkTlmC"):
    body = (magic + struct.pack("<Iqq", 1, size, mtime) + struct.pack("<I", len(path)) + path
            + struct.pack("<BI", 1 if record is not None else 0, len(record or b"")) + (record or b""))
    return body + struct.pack("<I", fnv1a(body))


track = [(i, -i, 128, 37.5 + i / 1000, 127.25, 40 + i) for i in range(12)]
write("telemetry_cache", "entry", cache_entry(clip_record(track, 1700000000000)))
write("telemetry_cache", "no-telemetry", cache_entry(None))
write("telemetry_cache", "record", clip_record(track[:3]))
def timed_track(fixes, samples, start_ms=None):
    head = struct.pack("<IIBq", len(fixes), len(samples), 1 if start_ms is not None else 0, start_ms or 0)
    body = b"".join(struct.pack("<dddBddd", t, lat, lng, 5 if alt is not None else 1, kmh, 0, alt or 0)
                    for t, lat, lng, kmh, alt in fixes)
    return head + body + b"".join(struct.pack("<dddd", *s) for s in samples)


foreign = timed_track([(i * 0.1, 48.85 + i / 1e5, 2.35, 30.5, 35.0 if i % 2 else None) for i in range(5)],
                      [(i * 0.01, 0, 0, 1) for i in range(8)], 1715940900000)
write("telemetry_cache", "track-entry", cache_entry(foreign, magic=b"DrvkTlmT"))
write("telemetry_cache", "track", foreign)
write("telemetry_cache", "other-clip", cache_entry(clip_record(track[:2]), path=b"/card/other.mp4"))
