#!/usr/bin/env python3
"""Writes the hostile files of this folder: tiny files that claim huge
pictures, endless work or impossible lengths. Each one once froze, bloated or
fooled a reader; every test run loads them all again. Run from this folder."""
import struct


def be16(v):
    return struct.pack(">H", v)


def le16(v):
    return struct.pack("<H", v)


def le32(v):
    return struct.pack("<I", v)


def write(name, data):
    name = ("sound/" if name.endswith(".wav") else "pictures/") + name
    with open(name, "wb") as f:
        f.write(data)


def progressive(width, height, empty_scans, dc_bytes=1024, with_scans=True):
    out = b"\xFF\xD8"
    out += b"\xFF\xC2\x00\x11\x08" + be16(height) + be16(width)
    out += b"\x03\x01\x22\x00\x02\x11\x00\x03\x11\x00"
    out += b"\xFF\xC4\x00\x14\x00\x01" + bytes(15) + b"\x00"
    if not with_scans:
        return out
    out += b"\xFF\xDA\x00\x0C\x03\x01\x00\x02\x00\x03\x00\x00\x00\x00"
    out += bytes(dc_bytes)
    out += b"\xFF\xDA\x00\x08\x01\x01\x00\x01\x3F\x00" * empty_scans
    return out + b"\xFF\xD9"


def segment(marker, body):
    return b"\xFF" + bytes([marker]) + be16(len(body) + 2) + body


def grey_blocks(width, height, components, luma_sampling, progressive, data_bytes):
    """Flat grey blocks of one bit each (two when sequential), far too few
    for a row of them: the decoder would make up every row itself."""
    one_bit_code = bytes([1]) + bytes(15) + b"\x00"
    out = b"\xFF\xD8" + segment(0xDB, b"\x00" + b"\x01" * 64)
    frame = b"\x08" + be16(height) + be16(width) + bytes([components])
    for c in range(components):
        frame += bytes([c + 1, luma_sampling if c == 0 else 0x11, 0])
    out += segment(0xC2 if progressive else 0xC0, frame)
    tables = b"\x00" + one_bit_code + (b"" if progressive else b"\x10" + one_bit_code)
    out += segment(0xC4, tables)
    scan = bytes([components]) + b"".join(bytes([c + 1, 0]) for c in range(components))
    out += segment(0xDA, scan + (b"\x00\x00\x00" if progressive else b"\x00\x3F\x00"))
    return out + bytes(data_bytes) + b"\xFF\xD9"


def gif_restoring_previous(width, height):
    out = b"GIF89a" + le16(width) + le16(height) + b"\x80\x00\x00"
    out += b"\x00\x00\x00\xFF\xFF\xFF"
    out += b"\x21\xF9\x04\x0C\x00\x00\x00\x00"
    out += b"\x2C\x00\x00\x00\x00" + le16(width) + le16(height)
    return out + b"\x00\x02\x02\x4C\x01\x00\x3B"


def bmp(width, height, bits=24, offset=54, pixels=b"\x55" * 64):
    out = b"BM" + le32(54 + len(pixels)) + le32(0) + le32(offset)
    out += le32(40) + le32(width) + le32(height) + le16(1) + le16(bits)
    out += le32(0) + le32(0) + le32(2835) + le32(2835) + le32(0) + le32(0)
    return out + pixels


def tiff_single_strip(width, height):
    """8-bit RGB in one strip of the whole picture; only 64 bytes of it."""
    ifd_size = 2 + 12 * 10 + 4
    bits_at = 8 + ifd_size
    pixels_at = bits_at + 6
    entries = [
        (256, 4, 1, width), (257, 4, 1, height), (258, 3, 3, bits_at), (259, 3, 1, 1),
        (262, 3, 1, 2), (273, 4, 1, pixels_at), (277, 3, 1, 3),
        (278, 4, 1, height), (279, 4, 1, width * height * 3), (284, 3, 1, 1),
    ]
    out = b"II*\x00" + le32(8) + le16(len(entries))
    for tag, kind, count, value in entries:
        out += le16(tag) + le16(kind) + le32(count)
        out += (le16(value) + b"\x00\x00") if kind == 3 and count == 1 else le32(value)
    out += le32(0) + le16(8) * 3
    return out + b"\x80" * 64


def wave(chunks, riff_size=None):
    body = b"WAVE" + b"".join(chunks)
    size = len(body) if riff_size is None else riff_size
    return b"RIFF" + le32(size) + body


def chunk(name, data, size=None):
    return name + le32(len(data) if size is None else size) + data


fmt_pcm = le16(1) + le16(1) + le32(11025) + le32(11025) + le16(1) + le16(8)

write("endless-scans.jpg", progressive(6000, 4000, 400))
write("costly-scans.jpg", progressive(16000, 16000, 100))
write("progressive-header-only.jpg", progressive(16000, 16000, 0, with_scans=False))
write("scan-without-data.jpg", progressive(4000, 4000, 3, dc_bytes=0))
write("grey-header-165-bytes.jpg", grey_blocks(16000, 16000, 1, 0x11, True, 47))
write("few-bytes-420-baseline.jpg", grey_blocks(8000, 6000, 3, 0x22, False, 40))
write("few-bytes-444-progressive.jpg", grey_blocks(12000, 3000, 3, 0x11, True, 60))
write("few-bytes-422-progressive.jpg", grey_blocks(6000, 4000, 3, 0x21, True, 120))
write("few-bytes-grey-baseline.jpg", grey_blocks(3000, 9000, 1, 0x11, False, 60))
write("restore-previous.gif", gif_restoring_previous(11585, 11585))
write("single-strip.tif", tiff_single_strip(11000, 11000))
write("pixels-past-end.bmp", bmp(200, 200, offset=4096))
write("palette-144mp.bmp", bmp(12000, 12000, bits=8))
write("mono-144mp.pbm", b"P4\n12000 12000\n" + b"\x55" * 256)
write("grey-144mp.pgm", b"P5\n12000 12000\n255\n" + b"\x80" * 256)
write("huge-chunk.wav", wave([chunk(b"fmt ", fmt_pcm), chunk(b"data", b"\x80" * 8, 0xFFFFFFF0)]))
write("no-channels.wav", wave([chunk(b"fmt ", le16(1) + le16(0) + fmt_pcm[4:]),
                               chunk(b"data", b"\x80" * 8)]))
write("odd-chunks.wav", wave([chunk(b"LIST", b"x", 0x7FFFFFFF)], riff_size=0xFFFFFFFF))
