#!/usr/bin/env python3
"""Writes recorder configuration files for the scripted sessions.

  sample-week.py WEEK [EMPTY]

WEEK gets a realistic week: office hours at full rate, the nights on an alarm, the weekend
on motion (11 entries); EMPTY, if named, the same settings with no entry at all.
"""
import struct
import sys

DAY = 86400


def t(day, h, m=0):
    return (day - 1) * DAY + h * 3600 + m * 60


def image(week):
    b = bytearray(6656)
    struct.pack_into("<iHHIIII", b, 0, -8, 24, 7, 1, 6432, 0, 0)
    struct.pack_into("<I", b, 24, len(week))
    for i, (start, stop, trig, dur, vout, res, rate, kb) in enumerate(week):
        control = dur | (trig << 12) | (0x10000 if vout else 0)
        struct.pack_into("<6I", b, 28 + 24 * i, start, stop, control, res, rate, kb * 1000)
    struct.pack_into("<6I", b, 6172, 0, 0, 65536, 1, 0, 16000)
    struct.pack_into("<I", b, 6456, 1)
    return b


# start, stop, trigger, duration, video out, resolution (0 frame, 2 field), rate code, kB
week = []
for day in range(1, 6):
    week.append((t(day, 7, 30), t(day, 18), 0, 10, 1, 2, 0, 32))
    week.append((t(day, 18), t(day + 1, 7, 30) % (7 * DAY), 1, 60, 1, 0, 4, 20))
week.append((t(6, 7, 30), t(1, 7, 30), 9, 30, 0, 2, 9, 16))

with open(sys.argv[1], "wb") as out:
    out.write(image(week))
if len(sys.argv) > 2:
    with open(sys.argv[2], "wb") as out:
        out.write(image([]))
