#!/usr/bin/env python3
# XWD (ZPixmap, 24/32 bits per pixel) to PNG with the standard library only,
# for pictures read from Xvfb's frame buffer file; optionally only the
# rectangle x,y,width,height of the screen (a window).
#   scripts/xwd-to-png.py in.xwd out.png [x,y,width,height]
import struct, sys, zlib
data = open(sys.argv[1], 'rb').read()
for order in ('>', '<'):
    h = struct.unpack(order + '25I', data[:100])
    if h[1] == 7:   # file version
        break
else:
    sys.exit('not an XWD image')
size, width, height = h[0], h[4], h[5]
byte_order, bpp, stride, ncolors = h[7], h[11], h[12], h[19]
masks = h[14:17]
if bpp not in (24, 32):
    sys.exit('unsupported depth %d' % bpp)
pixels = data[size + 12 * ncolors:]
def shift(mask):
    s = 0
    while mask and not (mask >> s) & 1:
        s += 1
    return s
shifts = [shift(m) for m in masks]
step, endian = bpp // 8, 'little' if byte_order == 0 else 'big'
left, top = 0, 0
if len(sys.argv) > 3:
    cx, cy, cw, ch = (int(v) for v in sys.argv[3].split(','))
    left, top = max(0, cx), max(0, cy)
    width, height = min(cw, width - left), min(ch, height - top)
rows = bytearray()
for y in range(top, top + height):
    line = pixels[y * stride + left * step:y * stride + (left + width) * step]
    rows.append(0)
    for x in range(0, width * step, step):
        v = int.from_bytes(line[x:x + step], endian)
        rows += bytes(((v & m) >> s) & 0xff for m, s in zip(masks, shifts))
def chunk(kind, body):
    return struct.pack('>I', len(body)) + kind + body + struct.pack('>I', zlib.crc32(kind + body))
png = b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', width, height, 8, 2, 0, 0, 0))
png += chunk(b'IDAT', zlib.compress(bytes(rows), 9)) + chunk(b'IEND', b'')
open(sys.argv[2], 'wb').write(png)
