// The page's windows: the main one scaled down as a whole into the viewport, a window of the page
// beside it (over it when the page is too narrow for both), dialogs fitted and centred, and the
// window last opened or touched on top.
import { resizeCanvas } from './canvas.js';
import { el, sizes, viewport } from './dom.js';

// The main window and a window of the page side by side at one scale, when that leaves them
// readable (at least three quarters of their size); 0 when they do not fit so.
const SIDE_BY_SIDE = 0.75;
const fitScales = new WeakMap(); // a dialog -> the scale its content was fitted at

export const mainForm = (page) => page.forms.find((o) => o?.main);

function pairScale(main, other) {
  const [vw, vh] = viewport();
  const s = Math.min(1, (vw - 8) / (main.width + 2 + other.width + 2),
    vh / Math.max(main.height + sizes().menuBar + 2, other.height + 24));
  return s >= SIDE_BY_SIDE ? s : 0;
}

// The main window in the viewport, its left edge on a device pixel; the open dialogs likewise.
export function fitToViewport(page) {
  const main = mainForm(page);
  if (main) {
    const [vw, vh] = viewport(), dpr = devicePixelRatio || 1;
    const w = main.width + 2, h = main.height + sizes().menuBar + 2;
    // With a window of the page open, the two are centred together when both fit side by side.
    const other = page.forms.find((o) => o?.window && !o.closed);
    const pair = other ? pairScale(main, other) : 0;
    const scale = main.scale = pair || Math.min(1, vw / w, vh / h);
    main.root.style.transform = scale < 1 ? `scale(${scale})` : '';
    const both = pair ? (w + 8 + other.width + 2) * scale : w * scale;
    main.root.style.left = `${Math.round(Math.max(0, (vw - both) / 2) * dpr) / dpr}px`;
    resizeCanvas(page, main);
  }
  for (const d of page.host.querySelectorAll('dialog[open]')) fitDialog(d);
}

// A dialog's content scaled down to fit, centred; the dialog keeps no transform, so that the
// notebook's panel inside it stays placed on the viewport.
export function fitDialog(d) {
  const body = d.querySelector(':scope > .lp-dialog-body');
  Object.assign(d.style, { left: '0px', top: '0px', width: 'max-content', height: '' });
  body.style.transform = '';
  const [vw, vh] = viewport(), w = body.offsetWidth, h = body.offsetHeight, border = d.offsetWidth - w;
  const s = Math.min(1, (vw - border) / Math.max(1, w), (vh - border) / Math.max(1, h));
  body.style.transform = s < 1 ? `scale(${s})` : '';
  fitScales.set(d, s);
  Object.assign(d.style, { left: `${Math.floor(Math.max(0, vw - w * s - border) / 2)}px`,
    top: `${Math.floor(Math.max(0, vh - h * s - border) / 2)}px`, width: `${w * s}px`, height: `${h * s}px` });
}

// How much a form is scaled down on the page.
export const scaleOf = (f) => (f.main || f.window ? f.scale : fitScales.get(f.root) || 1);

// A window, or a dialog's content over the windows moved into it, on top as it opens and
// whenever it is touched, as the last window used is on the desktop.
export const raise = (page, node) => { node.style.zIndex = String(++page.layer); };
export function onTop(page, node) {
  raise(page, node);
  node.addEventListener('pointerdown', () => raise(page, node));
}

// A window of the page: its title bar with its close button over its client area; not modal.
export function windowFrame(page, id, name, caption, client) {
  const close = el('button', { type: 'button', className: 'lp-close', id: `${name}_close`, textContent: '\u00d7',
    onclick: () => page.calls.close(id) });
  close.setAttribute('aria-label', `Inchide: ${caption}`);
  const root = el('section', { className: 'lp-window lp-page-window', id: name, tabIndex: -1 },
    el('div', { className: 'lp-title' }, el('span', { textContent: caption }), close), client);
  root.setAttribute('role', 'dialog');
  root.setAttribute('aria-label', caption);
  return root;
}

// Beside the main window at its scale, or over it, whole, when the two do not fit.
export function placeWindow(page, f) {
  fitToViewport(page);
  const main = mainForm(page);
  const m = main?.root.getBoundingClientRect() || { right: 0 };
  const [vw, vh] = viewport(), w = f.width + 2, h = f.height + 24;
  const pair = main ? pairScale(main, f) : 0;
  const s = pair || Math.min(1, vh / h, vw / w);
  f.scale = s;
  f.root.style.transform = s < 1 ? `scale(${s})` : '';
  f.root.style.left = `${pair ? m.right + 8 : Math.max(0, (vw - w * s) / 2)}px`;
  resizeCanvas(page, f);
}
