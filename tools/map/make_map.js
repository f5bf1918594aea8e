// Draws the world-map picker's background: a political map, 720 x 320 pixels,
// 2 pixels a degree, 180 W to 180 E and 82 N to 78 S, from Natural Earth's
// public-domain country shapes (npm package world-atlas).
//
//   cd tools/map && npm ci && node make_map.js   (writes calculator/resources/worldmap.png)
'use strict';

const path = require('path');
const topojson = require('topojson-client');
const world = require('world-atlas/countries-50m.json');
const { Raster } = require('./raster');
const { worldCopies } = require('./geo');

const WIDTH = 720, HEIGHT = 320, PER_DEGREE = 2, TOP = 82, LEFT = -180;
const SEA = [223, 239, 255];
const ANTARCTICA = [255, 255, 255];
const BORDER = [150, 150, 150];
const PASTELS = [
  [255, 242, 174], [204, 235, 197], [251, 206, 206],
  [254, 217, 166], [222, 203, 228], [229, 216, 189],
];

const toPixel = ([lon, lat]) => [(lon - LEFT) * PER_DEGREE, (TOP - lat) * PER_DEGREE];

// Neighbours get different pastels: greedy colouring, largest neighbourhoods first.
function colourCountries(geometries) {
  const neighbours = topojson.neighbors(geometries);
  const order = geometries.map((_, i) => i).sort((a, b) => neighbours[b].length - neighbours[a].length || a - b);
  const colour = new Array(geometries.length).fill(-1);
  for (const i of order) {
    const taken = new Set(neighbours[i].map((j) => colour[j]));
    let c = 0;
    while (taken.has(c) && c < PASTELS.length - 1) c++;
    colour[i] = c;
  }
  return colour;
}

// The cuts at the date line and the South Pole are not borders.
function isBorder(a, b) {
  if (Math.abs(Math.abs(a[0]) % 360 - 180) < 0.001 && a[0] === b[0]) return false;
  if (Math.abs(a[1]) >= 89.9 && Math.abs(b[1]) >= 89.9) return false;
  if (Math.abs(b[0] - a[0]) > 180) return false;
  return true;
}

function main() {
  const geometries = world.objects.countries.geometries;
  const features = topojson.feature(world, world.objects.countries).features;
  const colour = colourCountries(geometries);
  const map = new Raster(WIDTH, HEIGHT, 4, SEA);

  features.forEach((feature, i) => {
    const fill = feature.properties.name === 'Antarctica' ? ANTARCTICA : PASTELS[colour[i]];
    for (const polygon of worldCopies(feature.geometry)) map.fillPolygon(polygon.map((ring) => ring.map(toPixel)), fill);
  });
  for (const feature of features) {
    for (const polygon of worldCopies(feature.geometry)) {
      for (const ring of polygon) {
        for (let k = 0; k + 1 < ring.length; k++) {
          if (!isBorder(ring[k], ring[k + 1])) continue;
          const [x1, y1] = toPixel(ring[k]), [x2, y2] = toPixel(ring[k + 1]);
          map.line(x1, y1, x2, y2, 0.5, BORDER);
        }
      }
    }
  }

  const out = path.join(__dirname, '..', '..', 'calculator', 'resources', 'worldmap.png');
  map.writePng(out);
  console.log(`wrote ${out}`);
}

main();
