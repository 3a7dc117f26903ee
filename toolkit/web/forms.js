// A form of the model on the page: the main window, a window of the page beside it or a modal
// dialog, made whole here, then shown, drawn into, raised and closed.
import { FormMode, Key } from './bridge.mjs';
import { makeLayer, sizeCanvas, watchRatio } from './canvas.js';
import { alignFrames, focusOf } from './controls.js';
import { el, followModals } from './dom.js';
import { drawOps } from './draw.js';
import { keyboard, pageKeys } from './keys.js';
import { barKeys, closeMenus, menuState } from './menus.js';
import { probe } from './tips.js';
import { bringForward, fitDialog, formWindow, layout, onTop, removeWindow, windowFrame } from './windows.js';

// The main window: its menu bar over its client area, in the page's landmark (its tile) and
// heading (heard and not seen: the window shows its own title).
function mainFrame(page, name, caption, client) {
  document.title = caption;
  const bar = el('div', { className: 'lp-menubar' });
  bar.setAttribute('role', 'menubar');
  bar.setAttribute('aria-label', 'Meniu');
  const root = el('div', { className: 'lp-window', id: name }, bar, client);
  const tile = el('main', {}, el('h1', { className: 'lp-sr-only', textContent: caption }), root, page.live.region);
  page.host.append(tile);
  return { root, bar, tile };
}

function dialogFrame(page, id, name, caption, client) {
  const root = el('dialog', { className: 'lp-form-dialog', id: name },
    el('div', { className: 'lp-dialog-body' }, el('div', { className: 'lp-title' }, caption), client));
  root.setAttribute('aria-label', caption);
  onTop(page, root.firstChild);
  root.addEventListener('cancel', (e) => { e.preventDefault(); page.calls.key(id, Key.Escape); });
  // Closed by the browser without a cancel (a second Esc with no click between): still Esc.
  root.addEventListener('close', () => { if (!page.forms[id].closed) { root.showModal(); page.calls.key(id, Key.Escape); } });
  page.host.append(root);
  return root;
}

export function openForm(page, id, name, caption, width, height, mode, tall) {
  const main = mode === FormMode.Main, window = mode === FormMode.Window;
  const canvas = el('canvas', { id: main ? 'scene' : `${name}_scene` });
  const client = el('div', { className: 'lp-client' }, canvas);
  Object.assign(client.style, { width: `${width}px`, height: `${height}px` });
  const frame = main ? mainFrame(page, name, caption, client)
    : { root: window ? windowFrame(page, id, name, caption, client) : dialogFrame(page, id, name, caption, client), bar: null };
  if (window) frame.tile = el('div', {}, frame.root);
  const f = { id, name, caption, width, height, main, window, tall, root: frame.root, tile: frame.tile, client, canvas,
    ctx: canvas.getContext('2d'), ratio: 1, scale: 1, layer: null, controls: [], menu: menuState(frame.bar),
    // The modal dialog it goes into, first, so that the dialog's own content stays above it.
    follow: window ? followModals(frame.tile, page.host, { first: true }) : null,
    win: null, // its place among the page's windows
    gone: new AbortController(), // its listeners on the page, taken away when it closes
    closed: false, painted: false, tip: null, onClosed: null };
  page.forms[id] = f;
  if (window) {
    page.host.append(f.tile);
  } else if (main) {
    f.menu.bar.addEventListener('keydown', (e) => barKeys(f, e));
    pageKeys(page);
  }
  sizeCanvas(f);
  watchRatio(page, f);
  keyboard(page, f);
  if (main) probe(page, f);
}

// The form laid out anew at another size (its tall layout or back): its client area and canvas
// follow; the program repaints it.
export function resizeForm(f, width, height) {
  Object.assign(f, { width, height });
  Object.assign(f.client.style, { width: `${width}px`, height: `${height}px` });
  sizeCanvas(f);
  if (f.layer) sizeCanvas(f, f.layer.canvas);
}

// An area of the client (model pixels) scrolled into its tile's view, when it scrolls.
export function revealArea(f, left, top, width, height) {
  const tile = f.tile || f.root.parentNode, box = f.client.getBoundingClientRect(), view = tile.getBoundingClientRect();
  const y = box.top - view.top + top * f.scale, x = box.left - view.left + left * f.scale;
  if (y < 0 || y + height * f.scale > view.height) tile.scrollTop += y;
  if (x < 0 || x + width * f.scale > view.width) tile.scrollLeft += x;
}

export function formReady(page, f, focus) {
  if (f.window) {
    // Its word in the bar: its caption's up to the dash.
    f.win = formWindow(page, f, f.caption.split(' - ')[0], f.tile, f.root.querySelector('.lp-title'));
    if (!f.closed) f.follow.adopt();
  } else if (!f.main) {
    f.root.showModal();
  }
  alignFrames(f);
  if (f.main) {
    f.win = formWindow(page, f, 'Principala', f.root.parentNode, f.menu.bar);
    // A resize, a rotation, a zoom: the windows and the dialogs fitted anew.
    const fit = () => layout(page);
    const { signal } = page.gone;
    addEventListener('resize', fit, { signal });
    visualViewport?.addEventListener('resize', fit, { signal });
    document.addEventListener('pointerdown', (e) => { if (f.menu.open && !f.menu.bar.contains(e.target)) closeMenus(f); }, { signal });
  } else if (!f.window) {
    fitDialog(f.root);
  }
  focusOf(f.controls[focus])?.focus();
}

// The drawing list in model pixels, drawn in the canvas's own.
export function draw(f, ops) {
  const scene = { ctx: f.ctx, ratio: f.ratio, width: f.width, height: f.height, get layer() { return f.layer; }, makeLayer: () => makeLayer(f) };
  if (!drawOps(scene, ops)) return;
  if (!f.painted) {
    f.painted = true;
    // The frame the browser paints next, as a page marks its first (bench/engines.mjs).
    if (f.main) requestAnimationFrame(() => performance.mark('lopena-first-frame'));
  }
}

export function raiseForm(page, f) {
  if (f?.win) bringForward(page, f.win);
  f?.root.focus();
}

export function closeForm(page, f) {
  if (!f || f.closed) return;
  f.closed = true;
  f.gone.abort();
  if (f.window) {
    f.follow.stop();
    f.tile.remove();
    if (f.win) removeWindow(page, f.win, true);
  } else if (!f.main) {
    for (const w of page.forms) if (w?.window && !w.closed && f.root.contains(w.tile)) page.host.append(w.tile);
    f.root.close();
    f.root.remove();
  }
  f.onClosed?.();
}
