// Natural Earth's polygons made drawable on a map that ends at the date line.
'use strict';

function polygonsOf(geometry) {
  if (!geometry) return [];
  if (geometry.type === 'Polygon') return [geometry.coordinates];
  if (geometry.type === 'MultiPolygon') return geometry.coordinates;
  return [];
}

// A ring that steps over the date line, made continuous in longitude; a ring
// that goes round a pole is closed along that pole's edge of the map.
function unwrapRing(ring) {
  const out = [ring[0].slice()];
  let shift = 0;
  for (let k = 1; k < ring.length; k++) {
    const step = ring[k][0] - ring[k - 1][0];
    if (step > 180) shift -= 360;
    if (step < -180) shift += 360;
    out.push([ring[k][0] + shift, ring[k][1]]);
  }
  if (shift !== 0) {
    const pole = out.reduce((sum, p) => sum + p[1], 0) < 0 ? -90 : 90;
    out.push([out[out.length - 1][0], pole], [out[0][0], pole]);
  }
  return out;
}

// Each polygon, and again a world to the left and to the right
// (shifted by 360 degrees) so that the parts beyond the date line show at the other edge.
function worldCopies(geometry) {
  const result = [];
  for (const polygon of polygonsOf(geometry)) {
    const rings = polygon.map(unwrapRing);
    for (const offset of [-360, 0, 360]) {
      const moved = rings.map((ring) => ring.map(([lon, lat]) => [lon + offset, lat]));
      if (moved.some((ring) => ring.some(([lon]) => lon > -180 && lon < 180))) result.push(moved);
    }
  }
  return result;
}

module.exports = { polygonsOf, worldCopies };
