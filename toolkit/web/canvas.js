// A form's canvas and trail layer at the device's pixel ratio times the window's scale: a pixel
// of the canvas is a pixel of the screen, so the browser resamples nothing.
import { el } from './dom.js';

const ratioOf = (f) => (devicePixelRatio || 1) * f.scale;

export function sizeCanvas(f, canvas = f.canvas) {
  const r = f.ratio = ratioOf(f);
  canvas.width = Math.max(1, Math.round(f.width * r));
  canvas.height = Math.max(1, Math.round(f.height * r));
  if (canvas === f.canvas) Object.assign(canvas.style, { width: `${canvas.width / r}px`, height: `${canvas.height / r}px` });
}

// The trail layer, made at its first shape.
export function makeLayer(f) {
  if (!f.layer) {
    const canvas = el('canvas');
    sizeCanvas(f, canvas);
    f.layer = { canvas, ctx: canvas.getContext('2d') };
  }
  return f.layer;
}

// After a change of ratio or scale: sized anew, its corner moved onto a device pixel, repainted.
export function resizeCanvas(page, f) {
  const r = ratioOf(f);
  if (r !== f.ratio) {
    sizeCanvas(f);
    if (f.layer) sizeCanvas(f, f.layer.canvas);
    page.calls.repaint(f.id);
  }
  f.canvas.style.transform = '';
  const box = f.canvas.getBoundingClientRect(), dpr = devicePixelRatio || 1;
  const off = (v) => (Math.round(v * dpr) - v * dpr) / r;
  if (off(box.left) || off(box.top)) f.canvas.style.transform = `translate(${off(box.left)}px, ${off(box.top)}px)`;
}

// A move to a screen of another pixel ratio, or a zoom, resizes the canvas.
export function watchRatio(page, f) {
  const query = matchMedia(`(resolution: ${devicePixelRatio}dppx)`);
  query.addEventListener('change', () => {
    resizeCanvas(page, f);
    watchRatio(page, f);
  }, { once: true, signal: page.gone.signal });
}
