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
