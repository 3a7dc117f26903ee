// The drawing list drawn on whole device pixels, run by Node.js on a recording canvas: each
// operation reads its own operands, places are rounded at the canvas's ratio, thin lines sit on
// pixel centres, the trail layer is copied only inside the form, an unknown operation stops.
import assert from 'node:assert/strict';
import { copyFileSync, mkdtempSync, readFileSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { enumsOf } from '../../app/web/GenerateBridge.mjs';

// draw.js with the bridge module the build would put beside it.
const dir = mkdtempSync(join(tmpdir(), 'lopena-draw-'));
const web = new URL('../../toolkit/web/', import.meta.url);
const enums = enumsOf(readFileSync(new URL('PageBridge.h', web), 'utf8'));
writeFileSync(join(dir, 'bridge.mjs'), enums.map(([n, v]) => `export const ${n} = ${JSON.stringify(v)};`).join('\n'));
for (const file of ['draw.js', 'dom.js']) copyFileSync(new URL(file, web), join(dir, file));
const { drawOps } = await import(join(dir, 'draw.js'));
const { Op, ShapeForm, ShapeTarget } = Object.fromEntries(enums);

// A context that writes down what is done to it, as "name(args)" and "property=value".
function recorder(log, tag = '') {
  return new Proxy({}, {
    get: (_, name) => (...args) => log.push(`${tag}${name}(${args.join(',')})`),
    set: (_, name, value) => log.push(`${tag}${name}=${value}`),
  });
}
function drawn(ratio, ops, withLayer = false) {
  const log = [], layerCanvas = { width: 150, height: 75 };
  const scene = { ctx: recorder(log), ratio, width: 100, height: 50, layer: null,
    makeLayer: () => (scene.layer ||= { canvas: layerCanvas, ctx: recorder(log, 'layer.') }) };
  if (withLayer) scene.makeLayer();
  const whole = drawOps(scene, ops);
  return [whole, log.map((s) => s.replace('[object Object]', 'layer'))];
}

const cases = [
  ['a clip at 1.5 on whole pixels', 1.5, [Op.Clip, 1, 1, 3, 3, Op.EndClip], false,
    ['save()', 'beginPath()', 'rect(2,2,4,4)', 'clip()', 'clearRect(2,2,4,4)', 'restore()']],
  ['a vertical line two pixels wide on the pixel edge', 1.5, [Op.Line, 10, 0, 10, 20, -1, 1], false,
    ['beginPath()', 'lineWidth=2', 'lineCap=butt', 'strokeStyle=#000', 'moveTo(15,0)', 'lineTo(15,30)', 'stroke()']],
  ['a horizontal red line one pixel wide on the pixel centre', 1, [Op.Line, 0, 3, 10, 3, 255, 1], false,
    ['beginPath()', 'lineWidth=1', 'lineCap=butt', 'strokeStyle=rgb(255,0,0)', 'moveTo(0,3.5)', 'lineTo(10,3.5)', 'stroke()']],
  ['a filled box into the trail layer, made for it', 1, [Op.Shape, ShapeTarget.Layer, ShapeForm.Box, 2, 2, 4, 4, 1, 65280], false,
    ['layer.beginPath()', 'layer.rect(2.5,2.5,3,3)', 'layer.fillStyle=rgb(0,255,0)', 'layer.fillRect(2,2,4,4)',
      'layer.lineWidth=1', 'layer.strokeStyle=#000', 'layer.stroke()']],
  ['the layer copied only inside the form', 1.5, [Op.Layer, -5, -5, 20, 20, Op.Layer, 90, 40, 20, 20, Op.ClearLayer], true,
    ['drawImage(layer,0,0,23,23,0,0,23,23)', 'drawImage(layer,135,60,15,15,135,60,15,15)', 'layer.clearRect(0,0,150,75)']],
  ['no layer yet: nothing to copy or clear', 1, [Op.Layer, 0, 0, 10, 10, Op.ClearLayer, Op.EndClip], false, ['restore()']],
];
for (const [name, ratio, ops, withLayer, calls] of cases) assert.deepEqual(drawn(ratio, ops, withLayer), [true, calls], name);
assert.deepEqual(drawn(1, [Op.EndClip, 99, Op.EndClip]), [false, ['restore()']], 'an unknown operation stops the list');
console.log(`draw: ${cases.length + 1} cases passed`);
