#!/usr/bin/env python3
"""Writes the hostile songs of fuzz/corpus/midi: cut, oversized, timeless and
malformed Standard MIDI Files, each a few bytes to a few kilobytes."""
import os
import struct

OUT = os.path.join(os.path.dirname(__file__), "..", "fuzz", "corpus", "midi")


def vlq(n):
    out = [n & 0x7F]
    n >>= 7
    while n:
        out.insert(0, (n & 0x7F) | 0x80)
        n >>= 7
    return bytes(out)


def header(fmt=0, tracks=1, division=480):
    return b"MThd" + struct.pack(">IHHH", 6, fmt, tracks, division)


def track(body, length=None):
    return b"MTrk" + struct.pack(">I", len(body) if length is None else length) + body


END = vlq(0) + b"\xff\x2f\x00"
NOTE = vlq(0) + b"\x90\x3c\x64" + vlq(480) + b"\x80\x3c\x40"
TEMPO = lambda us: vlq(0) + b"\xff\x51\x03" + us.to_bytes(3, "big")

songs = {
    "one-note.mid": header() + track(TEMPO(500000) + NOTE + END),
    "cut-in-header.mid": header()[:10],
    "cut-in-track.mid": (header() + track(TEMPO(500000) + NOTE + END))[:30],
    "huge-track-length.mid": header() + track(NOTE + END, 0xFFFFFFFF),
    "huge-deltas.mid": header() + track((vlq(0x0FFFFFFF) + b"\x90\x3c\x64") * 20 + END),
    "tempo-zero.mid": header() + track(TEMPO(0) + NOTE + END),
    "tempo-zero-later.mid": header() + track(NOTE + vlq(10) + b"\xff\x51\x03\x00\x00\x00" + NOTE + END),
    "smpte-25fps.mid": header(division=0xE728) + track(NOTE + END),
    "smpte-zero-ticks.mid": header(division=0xE700) + track(NOTE + END),
    "division-zero.mid": header(division=0) + track(NOTE + END),
    "running-status-first.mid": header() + track(vlq(0) + b"\x3c\x64" + NOTE + END),
    "thousands-of-notes.mid": header()
    + track(vlq(0) + b"\x90\x3c\x64" + b"".join(vlq(1) + bytes([0x30 + i % 40, i % 128]) for i in range(3000)) + END),
    "sysex.mid": header() + track(vlq(0) + b"\xf0\x05\x7e\x7f\x09\x01\xf7" + vlq(0) + b"\xf0\x00" + vlq(0) + b"\xf7\x02\x01\x02" + NOTE + END),
    "sysex-past-end.mid": header() + track(vlq(0) + b"\xf0\x8f\xff\xff\x7f\x01\x02"),
    "long-quantity.mid": header() + track(b"\xff\xff\xff\xff\x7f\x90\x3c\x64" + END),
    "meta-past-end.mid": header() + track(vlq(0) + b"\xff\x01\x8f\xff\xff\x7f"),
    "unknown-status.mid": header() + track(vlq(0) + b"\xf4\x01" + NOTE + END),
    "two-tracks-tempo-on-second.mid": header(1, 2) + track(NOTE + NOTE + END) + track(vlq(240) + b"\xff\x51\x03\x03\x0d\x40" + END),
    "chunk-before-track.mid": header() + b"XYZW\x00\x00\x00\x02ab" + track(NOTE + END),
    "header-longer-than-file.mid": b"MThd\x7f\xff\xff\xff\x00\x00\x00\x01\x01\xe0",
}

os.makedirs(OUT, exist_ok=True)
for name, data in songs.items():
    with open(os.path.join(OUT, name), "wb") as f:
        f.write(data)
