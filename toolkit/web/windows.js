// The page's windows: each open one (the main window, a window of the page, the notebook) in a
// tile of its own, the tiles side by side and never over one another, as many as stay readable
// with the window last brought forward; a bar "Ferestre" with a button per open window and
// "Mareste"; dialogs fitted and centred above everything.
import { resizeCanvas } from './canvas.js';
import { el, sizes, viewport } from './dom.js';
import { arrange } from './tiling.js';

// Windows share the page at no less than this scale, else fewer show (the bar reaches the rest).
const SIDE_BY_SIDE = 0.75;
const BAR_HEIGHT = 32; // the bar "Ferestre", px
const TALL_WIDEST = 480; // a tall layout's widest at 1:1, px; wider rooms show it larger
const TALL_MOST = 1.5;
const TITLE_HEIGHT = 25; // a window of the page's title bar, px (its close button a 24 px target)
const fitScales = new WeakMap(); // a dialog -> the scale its content was fitted at

export const mainForm = (page) => page.forms.find((o) => o?.main);

// What the page keeps of its windows: in the order opened, the last brought forward first, the
// one filling the page, the bar.
const registry = (page) => (page.tiles ||= { open: [], recent: [], max: null, bar: null });

function makeBar(page) {
  const t = registry(page);
  const grow = el('button', { type: 'button', className: 'lp-grow', textContent: 'Mareste', id: 'windowsGrow',
    onclick: () => maximise(page, t.max ? null : t.recent[0]) });
  const nav = el('nav', { className: 'lp-bar', hidden: true }, el('div', { className: 'lp-bar-windows' }), grow);
  nav.setAttribute('aria-label', 'Ferestre');
  page.host.prepend(nav);
  return nav;
}

function renderBar(page, shown) {
  const t = registry(page), bar = (t.bar ||= makeBar(page));
  bar.hidden = t.open.length < 2;
  bar.firstChild.replaceChildren(...t.open.map((w) => {
    const b = el('button', { type: 'button', id: `window_${w.label}`, textContent: w.label, onclick: () => bringForward(page, w, true) });
    b.setAttribute('aria-pressed', String(shown.includes(w)));
    return b;
  }));
  bar.lastChild.setAttribute('aria-pressed', String(!!t.max));
}

// A window's size at scale 1, or its least size when it fits any room (the notebook).
const itemOf = (w) => { const [width, height] = w.size(); return { w: width, h: height, flex: !!w.flexible }; };

// The windows shown and their tiles: the one filling the page, else the last brought forward and
// as many of the others, the more recent first, as tile at SIDE_BY_SIDE or more.
function plan(t, room) {
  if (t.max) return { shown: [t.max], tiles: alone(t.max, room, Infinity) };
  const [front, ...rest] = t.recent;
  if (!front) return { shown: [], tiles: new Map() };
  let shown = [front], best = null;
  for (const w of rest) {
    const tryout = t.open.filter((o) => o === w || shown.includes(o));
    const found = arrange(tryout.map(itemOf), room);
    if (found && (found.scale >= SIDE_BY_SIDE || tryout.every((o) => o.flexible))) [shown, best] = [tryout, found];
  }
  if (!best) return { shown, tiles: alone(front, room, 1) };
  return { shown, tiles: new Map(shown.map((w, i) => [w, { rect: best.rects[i], scale: best.scale }])) };
}

// A window alone: the whole room, scaled to fit (at most `most`), but never under its least
// scale (its tile then scrolls).
function alone(w, [vw, vh], most) {
  const [width, height] = w.size();
  const scale = w.flexible ? 1 : Math.max(w.least || 0, Math.min(most, vw / width, vh / height));
  return new Map([[w, { rect: [0, 0, vw, vh], scale }]]);
}

// Every window in its tile, the bar above them; then the open dialogs fitted.
export function layout(page) {
  const t = registry(page);
  const [vw, vh] = viewport(), top = t.open.length > 1 ? BAR_HEIGHT : 0;
  for (const w of t.open) w.fit?.([vw, vh - top]);
  const { shown, tiles } = plan(t, [vw, vh - top]);
  renderBar(page, shown);
  const dpr = devicePixelRatio || 1, px = (v) => `${Math.round(v * dpr) / dpr}px`;
  for (const w of t.open) {
    const at = tiles.get(w);
    w.tile.hidden = !at;
    if (!at) continue;
    const [x, y, width, height] = at.rect;
    Object.assign(w.tile.style, { left: px(x), top: px(y + top), width: px(width), height: px(height) });
    w.place(at.scale, width, height);
  }
  for (const d of page.host.querySelectorAll('dialog[open]')) fitDialog(d);
}

// spec: { label (the bar's word), tile (the element placed), title (a double click fills the page
// with it), size() at scale 1 (the least when flexible), least (its least scale when alone),
// place(scale, width, height) in its tile }. Returns it, open and in front.
export function addWindow(page, spec) {
  const t = registry(page);
  spec.tile.classList.add('lp-tile');
  spec.tile.addEventListener('focusin', (e) => { spec.lastFocus = e.target; toFront(t, spec); });
  spec.tile.addEventListener('pointerdown', () => toFront(t, spec));
  spec.title?.addEventListener('dblclick', (e) => { if (e.target === spec.title || !e.target.closest('button')) maximise(page, t.max === spec ? null : spec); });
  t.open.push(spec);
  toFront(t, spec);
  layout(page);
  return spec;
}

// Its room given back; focus: to the window now in front.
export function removeWindow(page, spec, focus) {
  const t = registry(page);
  if (!t.open.includes(spec)) return;
  t.open = t.open.filter((w) => w !== spec);
  t.recent = t.recent.filter((w) => w !== spec);
  if (t.max === spec) t.max = null;
  layout(page);
  if (focus && t.recent[0]) focusWindow(t.recent[0]);
}

function toFront(t, spec) {
  if (t.open.includes(spec)) t.recent = [spec, ...t.recent.filter((w) => w !== spec)];
}

// A window into view (and, when it fills the page, the one filling it); focus: into it.
export function bringForward(page, spec, focus) {
  const t = registry(page);
  if (!t.open.includes(spec)) return;
  toFront(t, spec);
  if (t.max) t.max = spec;
  if (spec.tile.hidden || t.max) layout(page);
  if (focus) focusWindow(spec);
}

// The window filling the page, scaled above 1:1 where the page is larger; null gives the room back.
export function maximise(page, spec) {
  const t = registry(page);
  t.max = spec && t.open.includes(spec) ? spec : null;
  if (t.max) toFront(t, t.max);
  layout(page);
  if (t.max) focusWindow(t.max);
}

// What had the focus in the window last, else its first stop.
function focusWindow(w) {
  const last = w.lastFocus;
  const to = last?.isConnected && w.tile.contains(last) && last.checkVisibility() ? last
    : [...w.tile.querySelectorAll('[aria-selected=true], button, input, [tabindex]')].find((e) => e.tabIndex >= 0 && !e.disabled && e.checkVisibility());
  to?.focus();
}

export const windowOf = (page, tile) => registry(page).open.find((w) => w.tile === tile);

// A form of the model as a window: scaled as a whole in its tile, centred across it, its canvas
// drawn anew at the new scale.
// A window of the page is never shown under 1:1 alone (its text 11 px), its tile scrolling if
// need be; the main window keeps its design's layout whole at any scale. A form with a tall
// layout takes it where the page's room is taller than wide: as wide as the room, at 1:1 to
// 1.5:1 (a tablet), scrolling down.
export function formWindow(page, f, label, tile, title) {
  const size = () => [f.width + 2, f.height + 2 + (f.main ? sizes().menuBar : TITLE_HEIGHT)];
  let least = f.window ? 1 : 0;
  const fit = ([width, height]) => {
    const tall = height > width;
    least = tall ? Math.min(TALL_MOST, Math.max(1, width / TALL_WIDEST)) : f.window ? 1 : 0;
    page.calls.arrange(f.id, tall ? 1 : 0, tall ? Math.floor(width / least) - 2 : 0);
  };
  return addWindow(page, { label, tile, title, get least() { return least; }, size, fit: f.tall ? fit : null,
    place(scale, width, height) {
      const [w, h] = size();
      f.scale = scale;
      f.root.style.transform = scale !== 1 ? `scale(${scale})` : '';
      const dpr = devicePixelRatio || 1;
      f.root.style.left = `${Math.round(Math.max(0, (width - w * scale) / 2) * dpr) / dpr}px`;
      tile.style.overflow = w * scale > width + 0.5 || h * scale > height + 0.5 ? 'auto' : '';
      resizeCanvas(page, f);
    } });
}

// A dialog's content scaled down to fit, centred; the dialog keeps no transform, so that the
// windows inside it stay placed on the viewport.
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

// How much a form is scaled on the page.
export const scaleOf = (f) => (f.main || f.window ? f.scale : fitScales.get(f.root) || 1);

// A dialog's content on top as it opens and whenever it is touched.
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
