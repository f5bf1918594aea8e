// A tiny rasteriser for the program's pictures: polygons filled by the even-odd
// rule on a supersampled grid, averaged down, written as a 24-bit PNG.
// No canvas library, so the pictures come out the same on every machine.
'use strict';

const fs = require('fs');
const zlib = require('zlib');

class Raster {
  // width, height: the picture in pixels; scale: subsamples per pixel and axis.
  // background: an [r, g, b] colour, or null for a transparent picture (icons).
  constructor(width, height, scale, background) {
    this.width = width;
    this.height = height;
    this.scale = scale;
    this.w = width * scale;
    this.h = height * scale;
    this.rgb = new Uint8Array(this.w * this.h * 3);
    this.alpha = background ? null : new Uint8Array(this.w * this.h);
    if (background) for (let i = 0; i < this.w * this.h; i++) this.rgb.set(background, i * 3);
  }

  // Calls plot(x, y) for every subsample whose centre lies inside the rings
  // (even-odd: holes and islands come out right). Points are in pixels.
  scan(rings, plot) {
    const s = this.scale;
    const edges = [];
    let minY = Infinity, maxY = -Infinity;
    for (const ring of rings) {
      for (let i = 0; i < ring.length; i++) {
        const a = ring[i], b = ring[(i + 1) % ring.length];
        const ay = a[1] * s, by = b[1] * s;
        if (ay === by) continue;
        edges.push([a[0] * s, ay, b[0] * s, by]);
        minY = Math.min(minY, ay, by);
        maxY = Math.max(maxY, ay, by);
      }
    }
    const y0 = Math.max(0, Math.floor(minY)), y1 = Math.min(this.h - 1, Math.ceil(maxY));
    const xs = [];
    for (let y = y0; y <= y1; y++) {
      const cy = y + 0.5;
      xs.length = 0;
      for (const [ax, ay, bx, by] of edges) {
        if ((ay <= cy) !== (by <= cy)) xs.push(ax + (cy - ay) * (bx - ax) / (by - ay));
      }
      xs.sort((p, q) => p - q);
      for (let k = 0; k + 1 < xs.length; k += 2) {
        const xa = Math.max(0, Math.ceil(xs[k] - 0.5));
        const xb = Math.min(this.w - 1, Math.floor(xs[k + 1] - 0.5));
        for (let x = xa; x <= xb; x++) plot(x, y);
      }
    }
  }

  fillPolygon(rings, colour) {
    this.scan(rings, (x, y) => {
      const i = y * this.w + x;
      this.rgb.set(colour, i * 3);
      if (this.alpha) this.alpha[i] = 255;
    });
  }

  // Colours each subsample by shade(x, y) (its centre, in pixels); null leaves it.
  paint(shade) {
    const s = this.scale;
    for (let y = 0; y < this.h; y++) {
      for (let x = 0; x < this.w; x++) {
        const colour = shade((x + 0.5) / s, (y + 0.5) / s);
        if (!colour) continue;
        const i = y * this.w + x;
        this.rgb.set(colour, i * 3);
        if (this.alpha) this.alpha[i] = 255;
      }
    }
  }

  fillCircle(cx, cy, r, colour) {
    const ring = [];
    for (let i = 0; i < 96; i++) {
      const a = (i / 96) * 2 * Math.PI;
      ring.push([cx + r * Math.cos(a), cy + r * Math.sin(a)]);
    }
    this.fillPolygon([ring], colour);
  }

  // A straight stroke of the given width, drawn as a thin quadrilateral.
  line(x1, y1, x2, y2, width, colour) {
    const len = Math.hypot(x2 - x1, y2 - y1) || 1;
    const nx = -(y2 - y1) / len * width / 2, ny = (x2 - x1) / len * width / 2;
    this.fillPolygon([[[x1 + nx, y1 + ny], [x2 + nx, y2 + ny], [x2 - nx, y2 - ny], [x1 - nx, y1 - ny]]], colour);
  }

  polyline(points, width, colour) {
    for (let i = 0; i + 1 < points.length; i++) {
      this.line(points[i][0], points[i][1], points[i + 1][0], points[i + 1][1], width, colour);
    }
  }

  rect(x, y, w, h, colour) {
    this.fillPolygon([[[x, y], [x + w, y], [x + w, y + h], [x, y + h]]], colour);
  }

  // The picture at its own size: each pixel the mean of its subsamples
  // (RGB, or RGBA with the colour averaged over the covered subsamples only).
  pixels() {
    const s = this.scale, n = this.alpha ? 4 : 3;
    const out = new Uint8Array(this.width * this.height * n);
    for (let y = 0; y < this.height; y++) {
      for (let x = 0; x < this.width; x++) {
        const sum = [0, 0, 0];
        let weight = 0;
        for (let j = 0; j < s; j++) {
          for (let i = 0; i < s; i++) {
            const k = (y * s + j) * this.w + x * s + i;
            const a = this.alpha ? this.alpha[k] / 255 : 1;
            for (let c = 0; c < 3; c++) sum[c] += this.rgb[k * 3 + c] * a;
            weight += a;
          }
        }
        const o = (y * this.width + x) * n;
        for (let c = 0; c < 3; c++) out[o + c] = weight ? Math.round(sum[c] / weight) : 0;
        if (this.alpha) out[o + 3] = Math.round(weight / (s * s) * 255);
      }
    }
    return out;
  }

  writePng(path) {
    fs.writeFileSync(path, encodePng(this.width, this.height, this.pixels(), this.alpha ? 4 : 3));
  }
}

const crcTable = (() => {
  const t = new Uint32Array(256);
  for (let n = 0; n < 256; n++) {
    let c = n;
    for (let k = 0; k < 8; k++) c = c & 1 ? 0xedb88320 ^ (c >>> 1) : c >>> 1;
    t[n] = c >>> 0;
  }
  return t;
})();

function crc32(buf) {
  let c = 0xffffffff;
  for (const b of buf) c = crcTable[(c ^ b) & 0xff] ^ (c >>> 8);
  return (c ^ 0xffffffff) >>> 0;
}

function chunk(type, data) {
  const len = Buffer.alloc(4);
  len.writeUInt32BE(data.length);
  const body = Buffer.concat([Buffer.from(type, 'ascii'), data]);
  const crc = Buffer.alloc(4);
  crc.writeUInt32BE(crc32(body));
  return Buffer.concat([len, body, crc]);
}

// 8-bit RGB (channels 3) or RGBA (4), no filter: the plainest PNG every reader takes.
function encodePng(width, height, data, channels) {
  const header = Buffer.alloc(13);
  header.writeUInt32BE(width, 0);
  header.writeUInt32BE(height, 4);
  header[8] = 8;
  header[9] = channels === 4 ? 6 : 2;
  const stride = width * channels;
  const rows = Buffer.alloc((stride + 1) * height);
  for (let y = 0; y < height; y++) {
    Buffer.from(data.buffer, y * stride, stride).copy(rows, y * (stride + 1) + 1);
  }
  return Buffer.concat([
    Buffer.from([0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a]),
    chunk('IHDR', header),
    chunk('IDAT', zlib.deflateSync(rows, { level: 9 })),
    chunk('IEND', Buffer.alloc(0)),
  ]);
}

module.exports = { Raster };
