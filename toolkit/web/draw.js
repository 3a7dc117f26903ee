// The drawing list of the C++ side (WebSurface) drawn onto a canvas: a pure function of the
// list and the scene it draws on, places in model pixels drawn on whole pixels of the canvas.
import { Colour, Op, OpLength, ShapeForm, ShapeTarget } from './bridge.mjs';
import { rgb } from './dom.js';

const colour = (c) => (c === Colour.WindowText ? '#000' : rgb(c));

// In the canvas's pixels: the box on whole pixels, its outline a whole number of them wide.
function drawShape(ctx, form, x, y, w, h, filled, fill, line) {
  const half = line / 2, iw = Math.max(0, w - line), ih = Math.max(0, h - line);
  ctx.beginPath();
  if (form === ShapeForm.Box) ctx.rect(x + half, y + half, iw, ih);
  else if (form === ShapeForm.Ellipse) ctx.ellipse(x + w / 2, y + h / 2, iw / 2, ih / 2, 0, 0, 2 * Math.PI);
  else ctx.roundRect(x + half, y + half, iw, ih, Math.min(iw, ih) / 4);
  if (filled) {
    ctx.fillStyle = colour(fill);
    if (form === ShapeForm.Box) ctx.fillRect(x, y, w, h); else ctx.fill();
  }
  ctx.lineWidth = line;
  ctx.strokeStyle = '#000';
  ctx.stroke();
}

// scene: `ctx` the canvas's context, `ratio` its pixels per model pixel, `width` and `height` the
// form's, `layer` the trail layer ({ canvas, ctx }, null before its first shape) and `makeLayer()`
// which makes it. Returns false at an operation it does not know, where it stops.
export function drawOps(scene, ops) {
  const { ctx, ratio: r } = scene, d = (v) => Math.round(v * r), line = Math.max(1, Math.round(r));
  // A place as [x, y, w, h] in the canvas's pixels.
  const box = (x, y, w, h) => { const X = d(x), Y = d(y); return [X, Y, d(x + w) - X, d(y + h) - Y]; };
  // Each operation's operands follow it: o(k) is its k-th.
  for (let i = 0; i < ops.length;) {
    const o = (k) => ops[i + k];
    switch (ops[i]) {
      case Op.Clip: {
        const b = box(o(1), o(2), o(3), o(4));
        ctx.save();
        ctx.beginPath();
        ctx.rect(...b);
        ctx.clip();
        ctx.clearRect(...b);
        i += OpLength.Clip;
        break;
      }
      case Op.EndClip:
        ctx.restore();
        i += OpLength.EndClip;
        break;
      case Op.Shape:
        drawShape(o(1) === ShapeTarget.Layer ? scene.makeLayer().ctx : ctx, o(2), ...box(o(3), o(4), o(5), o(6)), o(7), o(8), line);
        i += OpLength.Shape;
        break;
      case Op.Line: {
        const width = Math.max(1, Math.round(o(6) * r)), shift = width % 2 ? 0.5 : 0;
        const vertical = o(1) === o(3), horizontal = o(2) === o(4);
        const at = (x, y) => (vertical ? [d(x) + shift, y * r] : [x * r, (horizontal ? d(y) : y * r) + shift]);
        ctx.beginPath();
        ctx.lineWidth = width;
        ctx.lineCap = 'butt';
        ctx.strokeStyle = colour(o(5));
        ctx.moveTo(...at(o(1), o(2)));
        ctx.lineTo(...at(o(3), o(4)));
        ctx.stroke();
        i += OpLength.Line;
        break;
      }
      case Op.Layer:
        if (scene.layer) {
          const [x, y, w, h] = [o(1), o(2), o(3), o(4)];
          const sx = Math.max(0, x), sy = Math.max(0, y);
          const [X, Y, W, H] = box(sx, sy, Math.min(scene.width, x + w) - sx, Math.min(scene.height, y + h) - sy);
          if (W > 0 && H > 0) ctx.drawImage(scene.layer.canvas, X, Y, W, H, X, Y, W, H);
        }
        i += OpLength.Layer;
        break;
      case Op.ClearLayer:
        if (scene.layer) scene.layer.ctx.clearRect(0, 0, scene.layer.canvas.width, scene.layer.canvas.height);
        i += OpLength.ClearLayer;
        break;
      default:
        return false;
    }
  }
  return true;
}
