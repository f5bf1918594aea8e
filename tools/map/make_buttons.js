// Draws the main window's two button pictures, 32 x 32 with transparency:
//   worldmap_button.png  a small globe (Natural Earth land, npm world-atlas) for "World Map"
//   internet_button.png  a wired globe with an orbit for "Internet (Recommended)"
//
//   cd tools/map && npm ci && node make_buttons.js   (writes into calculator/resources/)
'use strict';

const path = require('path');
const topojson = require('topojson-client');
const land = require('world-atlas/land-110m.json');
const { Raster } = require('./raster');
const { worldCopies } = require('./geo');

const SIZE = 32, CENTRE = 16, RADIUS = 14.5;
const OUT = path.join(__dirname, '..', '..', 'calculator', 'resources');
const RAD = Math.PI / 180;

// Land as a 4-samples-a-degree equirectangular mask, looked up by lon/lat.
function landMask() {
  const mask = new Raster(1440, 720, 1, [0, 0, 0]);
  const lit = [255, 255, 255];
  for (const feature of topojson.feature(land, land.objects.land).features) {
    for (const polygon of worldCopies(feature.geometry)) {
      mask.fillPolygon(polygon.map((ring) => ring.map(([lon, lat]) => [(lon + 180) * 4, (90 - lat) * 4])), lit);
    }
  }
  return (lon, lat) => {
    const x = Math.min(1439, Math.max(0, Math.floor((lon + 180) * 4)));
    const y = Math.min(719, Math.max(0, Math.floor((90 - lat) * 4)));
    return mask.rgb[(y * 1440 + x) * 3] > 0;
  };
}

// The point of the sphere seen at (x, y), centred on lon0/lat0, or null off the disk;
// light is the shading factor for a light from the upper left.
function sphereAt(x, y, lon0, lat0) {
  const u = (x - CENTRE) / RADIUS, v = (CENTRE - y) / RADIUS;
  const rr = u * u + v * v;
  if (rr > 1) return null;
  const w = Math.sqrt(1 - rr);
  const c0 = Math.cos(lat0 * RAD), s0 = Math.sin(lat0 * RAD);
  const lat = Math.asin(v * c0 + w * s0) / RAD;
  const lon = lon0 + Math.atan2(u, w * c0 - v * s0) / RAD;
  const light = 0.55 + 0.45 * Math.max(0, -0.45 * u + 0.55 * v + 0.7 * w);
  return { lon: ((lon + 540) % 360) - 180, lat, light, edge: rr > 0.86 };
}

const shade = (colour, f) => colour.map((c) => Math.round(Math.min(255, c * f)));

function worldMapButton() {
  const isLand = landMask();
  const picture = new Raster(SIZE, SIZE, 4, null);
  picture.fillCircle(CENTRE, CENTRE, RADIUS + 0.8, [40, 70, 120]);
  picture.paint((x, y) => {
    const p = sphereAt(x, y, 25, 20);
    if (!p) return null;
    return shade(isLand(p.lon, p.lat) ? [150, 205, 120] : [110, 170, 235], p.light + 0.15);
  });
  picture.writePng(path.join(OUT, 'worldmap_button.png'));
}

function internetButton() {
  const picture = new Raster(SIZE, SIZE, 4, null);
  picture.fillCircle(CENTRE, CENTRE, RADIUS + 0.8, [20, 50, 110]);
  picture.paint((x, y) => {
    const p = sphereAt(x, y, 0, 25);
    if (!p) return null;
    const near = (a, step, width) => Math.abs(((a % step) + step) % step - step / 2) > step / 2 - width;
    const grid = near(p.lon, 30, 3.2 / Math.max(0.25, Math.cos(p.lat * RAD))) || near(p.lat, 30, 3.2);
    return shade(grid ? [235, 245, 255] : [40, 110, 210], p.light + 0.1);
  });
  // The orbit: a tilted ellipse, its back half hidden behind the globe.
  const orbit = [];
  for (let i = 0; i <= 64; i++) {
    const a = (i / 64) * 2 * Math.PI;
    const ex = 15.5 * Math.cos(a), ey = 5 * Math.sin(a);
    const t = -25 * RAD;
    orbit.push({ x: CENTRE + ex * Math.cos(t) - ey * Math.sin(t), y: CENTRE + ex * Math.sin(t) + ey * Math.cos(t), front: Math.sin(a) > 0 });
  }
  for (let i = 0; i + 1 < orbit.length; i++) {
    const a = orbit[i], b = orbit[i + 1];
    const inside = (q) => Math.hypot(q.x - CENTRE, q.y - CENTRE) < RADIUS;
    if (!a.front && inside(a) && inside(b)) continue;
    picture.line(a.x, a.y, b.x, b.y, 2.2, [245, 150, 30]);
  }
  picture.fillCircle(orbit[8].x, orbit[8].y, 2.6, [255, 200, 60]);
  picture.writePng(path.join(OUT, 'internet_button.png'));
}

worldMapButton();
internetButton();
console.log(`wrote ${OUT}/worldmap_button.png and internet_button.png`);
