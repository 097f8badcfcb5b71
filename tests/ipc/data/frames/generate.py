#!/usr/bin/env python3
"""Writes the malformed-frame corpus. A name starting with "close-" must end
the connection it arrives on; "skip-" must be ignored with the stream kept in
step. The files also seed the frame parser's fuzz target."""
import struct, pathlib

here = pathlib.Path(__file__).parent

def frame(tag, kind, body=b"", version=1, msg_id=0, length=None):
    if length is None:
        length = 12 + len(body)
    return struct.pack(">IBBBBI", length, version, tag, kind, 0, msg_id) + body

def parts(*ps, count=None):
    out = struct.pack(">I", len(ps) if count is None else count)
    for p in ps:
        out += struct.pack(">I", len(p)) + p
    return out

corpus = {
    "close-length-0": struct.pack(">I", 0) + bytes(8),
    "close-length-11": struct.pack(">I", 11) + bytes(8),
    "close-length-ffffffff": struct.pack(">I", 0xFFFFFFFF) + bytes(8),
    "close-length-16mib-plus-1": struct.pack(">I", 16 * 1024 * 1024 + 1) + bytes(8),
    "close-count-ffffffff": frame(0x0D, 0, struct.pack(">I", 0xFFFFFFFF) + bytes(4)),
    "close-count-3-two-parts": frame(0x0D, 0, parts(b"a", b"b", count=3)),
    # The second part's length would wrap a 32-bit offset back into the body.
    "close-wrapping-part-length": frame(0x0D, 0, struct.pack(">II", 2, 1) + b"a"
                                        + struct.pack(">I", 0xFFFFFFFF) + b"b"),
    "close-cut-part-count": frame(0x0D, 0, b"\x00\x01"),
    "close-one-way-without-body": frame(0x0D, 0),
    "skip-version-2": frame(0x0D, 0, parts(b"hidden"), version=2),
    "skip-version-0": frame(0x0D, 0, parts(b"hidden"), version=0),
    "skip-kind-4": frame(0x0D, 4, parts(b"hidden")),
    "skip-kind-255": frame(0x0D, 255, parts(b"hidden"), msg_id=7),
    "skip-unmatched-reply": frame(0x0D, 2, parts(b"late"), msg_id=0xFFFFFFF0),
    "skip-unmatched-refusal": frame(0, 3, msg_id=0xFFFFFFF1),
    "skip-unknown-tag": frame(0x77, 0, parts(b"nobody")),
}

for name, data in corpus.items():
    (here / (name + ".bin")).write_bytes(data)
