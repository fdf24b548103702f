#!/usr/bin/env python3
"""Writes clips that carry telemetry in other makes' layouts, for the ExifTool reader's tests.

make_foreign_clips.py BASE.mp4 OUTDIR [MDAT_MIB]

BASE is a small video made by ffmpeg with its 'moov' box last (ffmpeg's default). Each layout
copies it and adds the telemetry boxes; every clip holds the same drive of FIX_COUNT one-second
fixes (fixes() below). MDAT_MIB (the benchmark's) first grows BASE's 'mdat' box to that
many MiB with zero bytes, so the clips weigh what a camera's do. The layouts, as ExifTool's QuickTime stream documentation describes them:

  free_gps_nmea.mp4   a top-level 'free' box whose first child is a 'gps ' box holding an NMEA log,
                      each sentence led by "[milliseconds since 1970]"
  novatek_gps.mp4     a 'gps ' box in 'moov': version (4), count (4), then count pairs of
                      (file offset, size), all big-endian, each pointing at a "freeGPS " block:
                        0   4  block size, big-endian       32  16  zero
                        4   8  "freeGPS "                   48  24  hour, minute, second, year-2000,
                        12  4  payload length, LE                   month, day (uint32 LE each)
                        16 32  zero                         72   4  'A', 'N'|'S', 'E'|'W', 0
                                                            76  16  latitude, longitude (DDDMM.MMMM),
                                                                    speed (knots), track: float32 LE
                      padded to 0xb0 bytes
  novatek_nmea.mp4    the same index to "freeGPS " blocks of another layout: the camera's time as
                      "YYYYMMDDhhmmss" at 52, x, y, z acceleration (int32 LE, 1/256 g) at 68, then RMC
                      and GGA sentences from 80
  udat_nmea.mp4       a top-level 'udat' box holding an NMEA log (RMC and GGA sentences)
  gps_records.mp4     a top-level 'GPS ' box (before 'moov') of 36-byte little-endian records: 1, 1, seconds since
                      the clip's start, speed (m/h), 'N'|'S', latitude (DDMM.MMM x 1000), 'E'|'W', longitude, 10 zero
  text_nmea.mov       a QuickTime track of handler type 'text' with 'tx3g' samples, each an RMC
                      sentence (ffmpeg writes the track from a subtitle file, framing the samples
                      as tx3g wants; its handler type 'sbtl' is then made 'text')
"""
import math
import os
import struct
import subprocess
import sys

FIX_COUNT = 12
START = 1715940900  # 2024-05-17 10:15:00 UTC
KNOTS_TO_KMH = 1.852


def fixes():
    for i in range(FIX_COUNT):
        yield {
            "t": START + i,
            "lat": 48.856613 + i * 0.000211,
            "lon": -2.352219 - i * 0.000187,
            "knots": 20.5 + i * 1.25,
            "track": (45.0 + i * 7.5) % 360,
            "alt": 35.0 + i * 0.5,
        }


def box(kind, payload):
    return struct.pack(">I", 8 + len(payload)) + kind + payload


def ddmm(value, degree_digits):
    a = abs(value)
    degrees = int(a)
    return "%0*d%07.4f" % (degree_digits, degrees, (a - degrees) * 60)


def nmea(body):
    checksum = 0
    for c in body.encode():
        checksum ^= c
    return "$%s*%02X" % (body, checksum)


def rmc(f):
    t = f["t"]
    hms = "%02d%02d%02d.00" % ((t // 3600) % 24, (t // 60) % 60, t % 60)
    return nmea("GPRMC,%s,A,%s,%s,%s,%s,%.2f,%.1f,170524,,,A" % (
        hms, ddmm(f["lat"], 2), "N" if f["lat"] >= 0 else "S",
        ddmm(f["lon"], 3), "E" if f["lon"] >= 0 else "W", f["knots"], f["track"]))


def gga(f):
    t = f["t"]
    hms = "%02d%02d%02d.00" % ((t // 3600) % 24, (t // 60) % 60, t % 60)
    return nmea("GPGGA,%s,%s,%s,%s,%s,1,08,0.9,%.1f,M,46.9,M,," % (
        hms, ddmm(f["lat"], 2), "N" if f["lat"] >= 0 else "S",
        ddmm(f["lon"], 3), "E" if f["lon"] >= 0 else "W", f["alt"]))


def split_moov(data):
    """The bytes before the last top-level box, which must be 'moov', and that box's children."""
    pos, last = 0, None
    while pos + 8 <= len(data):
        size, kind = struct.unpack(">I4s", data[pos:pos + 8])
        last = (pos, size, kind)
        pos += size
    assert last and last[2] == b"moov" and last[0] + last[1] == len(data), "moov must be the last box"
    return data[:last[0]], data[last[0] + 8:]


def free_gps_nmea(base):
    log = "".join("[%d]%s\r\n[%d]%s\r\n" % (f["t"] * 1000, rmc(f), f["t"] * 1000, gga(f)) for f in fixes())
    return base + box(b"free", box(b"gps ", log.encode()))


def novatek_binary_block(f):
    t = f["t"]
    record = struct.pack("<6I", (t // 3600) % 24, (t // 60) % 60, t % 60, 24, 5, 17)
    record += b"A" + (b"N" if f["lat"] >= 0 else b"S") + (b"E" if f["lon"] >= 0 else b"W") + b"\0"
    record += struct.pack("<4f", float(ddmm(f["lat"], 2)), float(ddmm(f["lon"], 3)), f["knots"], f["track"])
    return bytes(32) + record


def novatek_nmea_block(f, i):
    acceleration = struct.pack("<3i", 64 * (i % 3), -128 + 16 * i, 256)  # 1/256 g
    text = ("%s\r\n%s\r\n" % (rmc(f), gga(f))).encode()
    return bytes(36) + b"20240517101500" + bytes(2) + acceleration + text


def novatek_gps(base, nmea=False):
    head, moov_children = split_moov(base)
    blocks = b""
    index = []
    # The blocks go in a 'skip' box before 'moov'; the index in 'moov' gives their file offsets.
    first = len(head) + 8
    for i, f in enumerate(fixes()):
        payload = novatek_nmea_block(f, i) if nmea else novatek_binary_block(f)
        body = b"freeGPS " + struct.pack("<I", len(payload)) + payload
        body += bytes(max(0, 0xb0 - 4 - len(body)))  # the reader looks at bytes up to 0xb0
        block = struct.pack(">I", 4 + len(body)) + body
        index.append((first + len(blocks), len(block)))
        blocks += block
    gps = struct.pack(">II", 0x101, len(index)) + b"".join(struct.pack(">II", o, s) for o, s in index)
    # First in moov: ExifTool takes it for the index only before any track has been read.
    return head + box(b"skip", blocks) + box(b"moov", box(b"gps ", gps) + moov_children)


def udat_nmea(base):
    log = "".join("%s\r\n%s\r\n" % (rmc(f), gga(f)) for f in fixes())
    return base + box(b"udat", log.encode())


def gps_records(base):
    records = b""
    for f in fixes():
        lat = abs(f["lat"])
        lon = abs(f["lon"])
        records += struct.pack("<IIII", 1, 1, f["t"] - START, round(f["knots"] * KNOTS_TO_KMH * 1000))
        records += b"N" if f["lat"] >= 0 else b"S"
        records += struct.pack("<I", round((int(lat) * 100 + (lat - int(lat)) * 60) * 1000))
        records += b"E" if f["lon"] >= 0 else b"W"
        records += struct.pack("<I", round((int(lon) * 100 + (lon - int(lon)) * 60) * 1000))
        records += bytes(10)
    records += bytes(36)  # the end
    # Before 'moov': ExifTool looks for this box only outside the tracks.
    head, moov_children = split_moov(base)
    return head + box(b"GPS ", records) + box(b"moov", moov_children)


def text_nmea(base_path, out_path):
    srt = out_path + ".srt"
    with open(srt, "w") as f:
        for i, fix in enumerate(fixes()):
            f.write("%d\n00:00:%02d,000 --> 00:00:%02d,000\n%s\n\n" % (i + 1, i, i + 1, rmc(fix)))
    subprocess.run(["ffmpeg", "-v", "error", "-y", "-i", base_path, "-i", srt, "-map", "0:v", "-map", "1:s",
                    "-c:v", "copy", "-c:s", "mov_text", "-tag:s", "tx3g", out_path], check=True)
    os.remove(srt)
    # ffmpeg marks the track a subtitle ('sbtl'); the cameras mark it a text track.
    with open(out_path, "r+b") as f:
        data = f.read()
        at = data.find(b"hdlr\0\0\0\0mhlrsbtl")
        assert at > 0, "no subtitle handler"
        f.seek(at + 12)
        f.write(b"text")


def grown_mdat(base, mebibytes):
    """base with its 'mdat' box (which must come before 'moov') padded at its end with zeros."""
    pos = 0
    while pos + 8 <= len(base):
        size, kind = struct.unpack(">I4s", base[pos:pos + 8])
        if kind == b"mdat":
            pad = max(0, mebibytes * 1024 * 1024 - size)
            return (base[:pos] + struct.pack(">I", size + pad) + base[pos + 4:pos + size] + bytes(pad)
                    + base[pos + size:])
        pos += size
    raise ValueError("no mdat box")


def main():
    base_path, out_dir = sys.argv[1], sys.argv[2]
    with open(base_path, "rb") as f:
        base = f.read()
    if len(sys.argv) > 3:
        base = grown_mdat(base, int(sys.argv[3]))
        base_path = os.path.join(out_dir, "grown_base.mp4")
        with open(base_path, "wb") as f:
            f.write(base)
    for name, make in (("free_gps_nmea.mp4", free_gps_nmea), ("novatek_gps.mp4", novatek_gps),
                       ("novatek_nmea.mp4", lambda base: novatek_gps(base, nmea=True)),
                       ("udat_nmea.mp4", udat_nmea), ("gps_records.mp4", gps_records)):
        with open(os.path.join(out_dir, name), "wb") as f:
            f.write(make(base))
    text_nmea(base_path, os.path.join(out_dir, "text_nmea.mov"))


if __name__ == "__main__":
    main()
