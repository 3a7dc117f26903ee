// The page side of the web binding: renders the forms of the C++ object model as HTML controls
// and a canvas, and forwards the page's events and the browser's timers to the model. It holds no
// rule of the program: every number, text and decision comes from the C++ side.

// The numbers the C++ side names, generated from toolkit/web/PageBridge.h at build time.
import { Colour, Flag, FormMode, Key, Kind, MenuFlag, Op, OpLength, Scroll, ShapeForm, ShapeTarget } from './bridge.mjs';

const LIVE_SPACING_MS = 250; // a screen reader hears the live labels at most 4 times a second
const FALLBACK_LANGUAGE = 'en-US';

const el = (tag, props = {}, ...children) => {
  const e = Object.assign(document.createElement(tag), props);
  e.append(...children);
  return e;
};
const colour = (c) => c === Colour.WindowText ? '#000' : `rgb(${c & 255},${(c >> 8) & 255},${(c >> 16) & 255})`;
// A caption's access key: the letter after "&", shown underlined.
function mnemonic(caption) {
  const at = caption.indexOf('&');
  if (at < 0 || at + 1 >= caption.length) return { node: document.createTextNode(caption), key: '' };
  const span = el('span', {}, caption.slice(0, at), el('u', {}, caption[at + 1]), caption.slice(at + 2));
  return { node: span, key: caption[at + 1].toLowerCase() };
}

// A language tag the browser's Intl knows, else the default's (a "." separator): a browser may
// report anything ("C" under LANG=C.UTF-8), and Intl throws on an invalid tag.
function knownLanguage(tag) {
  try {
    return Intl.NumberFormat.supportedLocalesOf([tag])[0] || FALLBACK_LANGUAGE;
  } catch {
    return FALLBACK_LANGUAGE;
  }
}

// Sizes the style sheet (binding.css) and the script share, px: read once, at first use.
let shared = null;
function sizes() {
  if (!shared) {
    const style = getComputedStyle(document.documentElement), px = (name) => parseFloat(style.getPropertyValue(name));
    shared = { menuBar: px('--lp-menu-bar'), scrollBox: px('--lp-scroll-box') };
  }
  return shared;
}

// The viewport the page lays out in, without its scroll bars: on a phone innerWidth follows the
// content's width, this does not.
const viewport = () => [document.documentElement.clientWidth, document.documentElement.clientHeight];

export function startLopena(createModule, host = document.body) {
  const M = {};
  const forms = [];
  const timers = new Map();
  const picked = new Map(); // save-file handles by the name the C++ side was given
  const query = new URLSearchParams(location.search);
  const language = knownLanguage(query.get('lang') || navigator.language || 'ro');
  let audio = null;
  let scale = 1;
  let windowLayer = 30; // the window (or dialog) last opened or touched comes on top
  let ended = false;
  const endings = []; // what the page's other parts (the notebook's panel) take down at the end
  const live = { region: el('div', { className: 'lp-sr-only' }), texts: new Map(), due: false, last: -1e9 };
  live.region.setAttribute('aria-live', 'polite');

  // Calls into C++ with a string argument.
  const withString = (s, call) => {
    const p = M.tk.cstr(s);
    try { call(p); } finally { M._free(p); }
  };
  const send = (form, fn, ...args) => M[fn](form, ...args);

  // The window scaled down as a whole into the viewport, its left edge on a device pixel; the
  // page's dialogs likewise.
  // The main window and a window of the page side by side at one scale, when that leaves them
  // readable (at least three quarters of their size); 0 when they do not fit so.
  const SIDE_BY_SIDE = 0.75;
  function pairScale(main, other) {
    const [vw, vh] = viewport();
    const s = Math.min(1, (vw - 8) / (main.width + 2 + other.width + 2),
      vh / Math.max(main.height + sizes().menuBar + 2, other.height + 24));
    return s >= SIDE_BY_SIDE ? s : 0;
  }
  function fitToViewport() {
    const main = forms.find((o) => o?.main);
    if (main) {
      const [vw, vh] = viewport(), dpr = devicePixelRatio || 1;
      const w = main.width + 2, h = main.height + sizes().menuBar + 2;
      // With a window of the page open, the two are centred together when both fit side by side.
      const other = forms.find((o) => o?.window && !o.closed);
      const pair = other ? pairScale(main, other) : 0;
      scale = main.scale = pair || Math.min(1, vw / w, vh / h);
      main.root.style.transform = scale < 1 ? `scale(${scale})` : '';
      const both = pair ? (w + 8 + other.width + 2) * scale : w * scale;
      main.root.style.left = `${Math.round(Math.max(0, (vw - both) / 2) * dpr) / dpr}px`;
      resizeCanvas(main);
    }
    for (const d of host.querySelectorAll('dialog[open]')) fitDialog(d);
  }
  // A dialog's content scaled down to fit, centred; the dialog keeps no transform, so that the
  // notebook's panel inside it stays placed on the viewport.
  function fitDialog(d) {
    const body = d.querySelector(':scope > .lp-dialog-body');
    Object.assign(d.style, { left: '0px', top: '0px', width: 'max-content', height: '' });
    body.style.transform = '';
    const [vw, vh] = viewport(), w = body.offsetWidth, h = body.offsetHeight, border = d.offsetWidth - w;
    const s = Math.min(1, (vw - border) / Math.max(1, w), (vh - border) / Math.max(1, h));
    body.style.transform = s < 1 ? `scale(${s})` : '';
    d.fitScale = s;
    Object.assign(d.style, { left: `${Math.floor(Math.max(0, vw - w * s - border) / 2)}px`,
      top: `${Math.floor(Math.max(0, vh - h * s - border) / 2)}px`, width: `${w * s}px`, height: `${h * s}px` });
  }

  // How much a form is scaled down on the page.
  const scaleOf = (f) => (f.main ? scale : f.window ? f.scale || 1 : f.root.fitScale || 1);

  // The canvas and the trail layer at the device's pixel ratio times the window's scale: a
  // pixel of the canvas is a pixel of the screen, so the browser resamples nothing.
  function sizeCanvas(f, canvas = f.canvas) {
    const r = f.ratio = (devicePixelRatio || 1) * (f.scale || 1);
    canvas.width = Math.max(1, Math.round(f.width * r));
    canvas.height = Math.max(1, Math.round(f.height * r));
    if (canvas === f.canvas) Object.assign(canvas.style, { width: `${canvas.width / r}px`, height: `${canvas.height / r}px` });
  }
  // After a change of ratio or scale: sized anew, its corner moved onto a device pixel, repainted.
  function resizeCanvas(f) {
    if (!f.canvas) return;
    const r = (devicePixelRatio || 1) * (f.scale || 1);
    if (r !== f.ratio) {
      sizeCanvas(f);
      if (f.layer) sizeCanvas(f, f.layer);
      M._lopena_repaint(f.id);
    }
    f.canvas.style.transform = '';
    const box = f.canvas.getBoundingClientRect(), dpr = devicePixelRatio || 1;
    const off = (v) => (Math.round(v * dpr) - v * dpr) / r;
    if (off(box.left) || off(box.top)) f.canvas.style.transform = `translate(${off(box.left)}px, ${off(box.top)}px)`;
  }

  function watchRatio(f) {
    const query = matchMedia(`(resolution: ${devicePixelRatio}dppx)`);
    query.addEventListener('change', () => {
      resizeCanvas(f);
      watchRatio(f);
    }, { once: true });
  }

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

  function layerOf(f) {
    if (!f.layer) {
      f.layer = el('canvas');
      sizeCanvas(f, f.layer);
      f.layerCtx = f.layer.getContext('2d');
    }
    return f.layerCtx;
  }

  function announce(f, id, text) {
    live.texts.set(`${f.id}:${id}`, text);
    if (live.due) return;
    live.due = true;
    const wait = Math.max(0, live.last + LIVE_SPACING_MS - performance.now());
    setTimeout(() => {
      live.due = false;
      live.last = performance.now();
      live.region.textContent = [...live.texts.values()].join('. ');
    }, wait);
  }

  function beep() {
    try {
      audio = audio || new AudioContext();
      const tone = audio.createOscillator(), gain = audio.createGain();
      tone.frequency.value = 880;
      gain.gain.value = 0.1;
      tone.connect(gain).connect(audio.destination);
      tone.start();
      tone.stop(audio.currentTime + 0.12);
    } catch { /* no sound device: the selection and the tip remain */ }
  }

  // A window, or a dialog's content over the windows moved into it, on top as it opens and
  // whenever it is touched, as the last window used is on the desktop.
  function onTop(node) {
    const raise = () => { node.style.zIndex = String(++windowLayer); };
    raise();
    node.addEventListener('pointerdown', raise);
  }

  // A dialog of the page itself (the file-name prompt, a message); resolves with its answer, null
  // on Esc. Its content is in a body of its own, above the notebook's panel when that moves in.
  function pageDialog(title, body, buttons, focus) {
    return new Promise((resolve) => {
      const done = (value) => { if (d.open) d.close(); d.remove(); resolve(value); };
      const row = el('div', { className: 'lp-buttons' }, ...buttons.map(([caption, value]) =>
        el('button', { type: 'button', textContent: caption, onclick: () => done(value()) })));
      const d = el('dialog', { className: 'lp-page-dialog' },
        el('div', { className: 'lp-dialog-body' }, el('div', { className: 'lp-title' }, title), body, row));
      d.setAttribute('aria-label', title);
      d.addEventListener('cancel', (e) => { e.preventDefault(); done(null); });
      d.addEventListener('close', () => done(null)); // closed by the browser without a cancel
      host.append(d);
      onTop(d.firstChild);
      d.showModal();
      fitDialog(d);
      (focus || row.firstChild).focus();
      focus?.select?.();
    });
  }

  function scrollBar(f, id, node) {
    const [down, track, up] = node.children;
    const thumb = track.firstChild;
    const ask = (action, value = 0) => send(f.id, '_lopena_scroll', id, action, value);
    down.addEventListener('pointerdown', (e) => { e.preventDefault(); node.focus(); ask(Scroll.SmallDown); });
    up.addEventListener('pointerdown', (e) => { e.preventDefault(); node.focus(); ask(Scroll.SmallUp); });
    track.addEventListener('pointerdown', (e) => {
      if (e.target === thumb) return;
      e.preventDefault();
      node.focus();
      const t = thumb.getBoundingClientRect();
      ask(e.clientX < t.left ? Scroll.LargeDown : Scroll.LargeUp);
    });
    // Only the end of a drag is a change, as on the desktop.
    thumb.addEventListener('pointerdown', (e) => {
      e.preventDefault();
      node.focus();
      thumb.setPointerCapture(e.pointerId);
      const start = e.clientX, left = thumb.offsetLeft;
      const room = Math.max(0, node.width - 3 * sizes().scrollBox);
      const at = (ev) => Math.min(room, Math.max(0, left + (ev.clientX - start) / scaleOf(f)));
      thumb.onpointermove = (ev) => { thumb.style.left = `${at(ev)}px`; };
      thumb.onpointerup = (ev) => {
        thumb.onpointermove = thumb.onpointerup = null;
        const r = node.range;
        ask(Scroll.Set, r.min + Math.round((at(ev) / Math.max(1, room)) * (r.max - r.min)));
        placeThumb(node);
      };
    });
    node.addEventListener('keydown', (e) => {
      const action = { ArrowLeft: Scroll.SmallDown, ArrowUp: Scroll.SmallDown, ArrowRight: Scroll.SmallUp,
        ArrowDown: Scroll.SmallUp, PageUp: Scroll.LargeDown, PageDown: Scroll.LargeUp, Home: Scroll.Min,
        End: Scroll.Max }[e.key];
      if (action === undefined) return;
      e.preventDefault();
      ask(action);
    });
  }

  // From the bar's own width, without asking the page for its layout (arrows and thumb are
  // --lp-scroll-box wide, as the style sheet has them).
  function placeThumb(node) {
    const r = node.range, thumb = node.children[1].firstChild;
    const room = Math.max(0, node.width - 3 * sizes().scrollBox);
    thumb.style.left = `${r.max > r.min ? ((r.value - r.min) / (r.max - r.min)) * room : 0}px`;
    node.setAttribute('aria-valuemin', r.min);
    node.setAttribute('aria-valuemax', r.max);
    node.setAttribute('aria-valuenow', r.value);
  }

  function makeControl(f, id, kind, name, flags, text, description, tab, group, maxLength) {
    let node, focusable;
    switch (kind) {
      case Kind.Frame:
        node = el('fieldset', {}, el('legend', { textContent: text }), el('div', { className: 'lp-inner' }));
        node.holder = node.lastChild;
        break;
      case Kind.Label:
        node = el('div', { className: 'lp-label', textContent: text });
        node.classList.toggle('lp-auto', !!(flags & Flag.AutoSize));
        node.classList.toggle('lp-wrap', !!(flags & Flag.WordWrap));
        node.classList.toggle('lp-centred', !!(flags & Flag.Centred));
        break;
      case Kind.TextBox:
        node = focusable = el('input', { type: 'text', value: text, readOnly: !!(flags & Flag.Locked), spellcheck: false });
        if (maxLength > 0) node.maxLength = maxLength;
        node.addEventListener('input', () => withString(node.value, (p) => send(f.id, '_lopena_text', id, p)));
        break;
      case Kind.CommandButton:
        node = focusable = el('button', { type: 'button', textContent: text });
        node.classList.toggle('lp-default', !!(flags & Flag.Default));
        node.addEventListener('click', () => send(f.id, '_lopena_click', id));
        break;
      case Kind.HScrollBar:
        node = focusable = el('div', { className: 'lp-scrollbar' }, el('div', { className: 'lp-arrow lp-down' }),
          el('div', { className: 'lp-track' }, el('div', { className: 'lp-thumb' })), el('div', { className: 'lp-arrow lp-up' }));
        node.setAttribute('role', 'scrollbar');
        node.setAttribute('aria-orientation', 'horizontal');
        node.range = { min: 0, max: 0, value: 0 };
        scrollBar(f, id, node);
        break;
      case Kind.CheckBox:
      case Kind.OptionButton: {
        const input = focusable = el('input', { type: kind === Kind.CheckBox ? 'checkbox' : 'radio' });
        if (kind === Kind.OptionButton) input.name = `${f.name}_group${group}`;
        node = el('label', { className: 'lp-option' }, input, el('span', { textContent: text }));
        node.input = input;
        input.addEventListener(kind === Kind.CheckBox ? 'click' : 'change', () => send(f.id, '_lopena_click', id));
        break;
      }
      case Kind.PictureBox:
        node = el('div', { className: 'lp-picture' }, icon(32));
        break;
      default: // a shape or a line, drawn on the canvas
        node = el('div', { className: 'lp-drawn' });
    }
    node.id = name;
    node.kind = kind;
    node.order = tab;
    if (focusable) focusable.tabIndex = tab < 0 ? -1 : 0;
    node.focusable = focusable;
    if (description) {
      // Captions name their control; the explanation describes it. Boxes and bars have no caption.
      if (kind === Kind.TextBox || kind === Kind.HScrollBar) focusable.setAttribute('aria-label', description);
      else (focusable || node).setAttribute('aria-description', description);
    }
    return node;
  }

  // The program's icon: a thin white cross, outlined in black, on a transparent ground.
  function icon(size) {
    const c = el('canvas', { width: size, height: size });
    const x = c.getContext('2d'), mid = size / 2, arm = 8;
    x.fillStyle = '#000';
    x.fillRect(mid - 2, mid - arm - 1, 3, 2 * arm + 3);
    x.fillRect(mid - arm - 1, mid - 2, 2 * arm + 3, 3);
    x.fillStyle = '#fff';
    x.fillRect(mid - 1, mid - arm, 1, 2 * arm + 1);
    x.fillRect(mid - arm, mid - 1, 2 * arm + 1, 1);
    return c;
  }

  function applyFlags(f, id, flags) {
    const node = f.controls[id];
    node.hidden = !(flags & Flag.Visible);
    const enabled = !!(flags & Flag.Enabled);
    if (node.focusable) {
      node.focusable.disabled = !enabled;
      node.focusable.setAttribute('aria-disabled', String(!enabled));
    }
    node.classList.toggle('lp-disabled', !enabled);
    if (node.input) node.input.checked = !!(flags & Flag.Checked);
    if (node.tagName === 'BUTTON') node.classList.toggle('lp-default', !!(flags & Flag.Default));
  }

  // Menus: the bar's menus open by click, Alt and their access key; items by click, Enter or
  // their access key; Ctrl shortcuts from anywhere in the window.
  // fromBar: opened from the focused menu bar, to which Esc goes back.
  function openMenu(f, menu, focusFirst, fromBar = false) {
    closeMenus(f);
    f.openMenu = menu;
    f.fromBar = fromBar;
    f.menuReturn = f.menuReturn || document.activeElement;
    menu.button.setAttribute('aria-expanded', 'true');
    menu.list.hidden = false;
    if (focusFirst) menu.list.querySelector('[role^=menuitem]')?.focus();
  }
  function closeMenus(f, restore) {
    if (!f.openMenu) return;
    f.openMenu.button.setAttribute('aria-expanded', 'false');
    f.openMenu.list.hidden = true;
    f.openMenu = null;
    if (restore && f.menuReturn) f.menuReturn.focus?.();
    if (restore) f.menuReturn = null;
  }
  function menuKeys(f, e) {
    const menu = f.openMenu;
    const items = [...menu.list.querySelectorAll('[role^=menuitem]')];
    const at = items.indexOf(document.activeElement);
    const tops = f.menus;
    if (e.key === 'ArrowDown' || e.key === 'ArrowUp') {
      items[(at + (e.key === 'ArrowDown' ? 1 : items.length - 1)) % items.length]?.focus();
    } else if (e.key === 'ArrowRight' || e.key === 'ArrowLeft') {
      const i = tops.indexOf(menu);
      openMenu(f, tops[(i + (e.key === 'ArrowRight' ? 1 : tops.length - 1)) % tops.length], true, f.fromBar);
    } else if (e.key === 'Escape' && f.fromBar) {
      closeMenus(f);
      menu.button.focus();
    } else if (e.key === 'Escape') {
      closeMenus(f, true);
    } else if (e.key.length === 1 && !e.ctrlKey && !e.altKey) {
      items.find((i) => i.accessKeyLetter === e.key.toLowerCase())?.click();
    } else {
      return false;
    }
    e.preventDefault();
    return true;
  }

  // The menu bar's own keys, its menus closed: arrows between the menus, Down or Enter opens one,
  // Esc goes back to the window.
  function barKeys(f, e) {
    const at = f.menus.findIndex((m) => m.button === e.target);
    if (f.openMenu || at < 0) return;
    const n = f.menus.length;
    const to = { ArrowRight: at + 1, ArrowLeft: at + n - 1, Home: 0, End: n - 1 }[e.key];
    if (to !== undefined) f.menus[to % n].button.focus();
    else if (['ArrowDown', 'Enter', ' '].includes(e.key)) openMenu(f, f.menus[at], true, true);
    else if (e.key === 'Escape') { (f.menuReturn || f.controls.find((c) => c?.focusable))?.focus?.(); f.menuReturn = null; }
    else return;
    e.preventDefault();
    e.stopPropagation();
  }

  function keyboard(f) {
    f.root.addEventListener('keydown', (e) => {
      if (f.openMenu && menuKeys(f, e)) return;
      if (e.key === 'F10' && f.main && !e.altKey && !e.ctrlKey && !e.shiftKey) {
        e.preventDefault();
        f.menuReturn = document.activeElement;
        f.menus[0]?.button.focus();
        return;
      }
      // The letter of the key whatever Alt makes of it on the keyboard's layout.
      const letter = e.code.startsWith('Key') ? e.code.slice(3).toLowerCase() : e.key.toLowerCase();
      if (e.altKey && !e.ctrlKey && letter.length === 1) {
        const menu = f.menus.find((m) => m.key === letter);
        if (menu) { e.preventDefault(); openMenu(f, menu, true); }
        return;
      }
      if (e.ctrlKey && !e.altKey && !e.shiftKey && letter.length === 1) {
        const item = f.shortcuts.get(`Ctrl+${letter.toUpperCase()}`);
        if (item !== undefined) { e.preventDefault(); send(f.id, '_lopena_menu', item); }
        return;
      }
      if (e.key === 'Tab' && f.window && !e.altKey && !e.ctrlKey) {
        roundTheWindow(f, e);
      } else if (e.key === 'Enter' && e.target.tagName !== 'BUTTON') {
        e.preventDefault();
        send(f.id, '_lopena_key', Key.Enter);
      } else if (e.key === 'Escape' && (f.main || f.window)) {
        e.preventDefault();
        send(f.id, '_lopena_key', Key.Escape);
      }
    });
  }

  // Tab stops of a node in their order: a group of options is one stop, at its chosen one.
  const tabStops = (node) => [...node.querySelectorAll('button, input, select, [tabindex]')].filter((e) => e.tabIndex >= 0 &&
    !e.disabled && e.checkVisibility() && !(e.type === 'radio' && !e.checked && node.querySelector(`input[name="${e.name}"]:checked`)));
  // Tab and Shift+Tab go round a window of the page, as in a window of the desktop: past its
  // last stop to its first, never out to the page or another window.
  function roundTheWindow(f, e) {
    const stops = tabStops(f.root), at = stops.indexOf(document.activeElement);
    const to = e.shiftKey ? (at <= 0 ? stops.at(-1) : null) : (at === stops.length - 1 ? stops[0] : null);
    if (!to) return;
    e.preventDefault();
    to.focus();
  }

  // The probe: the pointer resting on (or a finger touching) a scene item shows its tooltip.
  function probe(f) {
    let due = null;
    const tip = el('div', { className: 'lp-tip', id: 'probe', hidden: true });
    tip.setAttribute('role', 'tooltip');
    const look = () => {
      const r = f.canvas.getBoundingClientRect();
      const x = (due.clientX - r.left) / scaleOf(f), y = (due.clientY - r.top) / scaleOf(f);
      due = null;
      tip.textContent = M.UTF8ToString(M._lopena_tip(f.id, Math.floor(x), Math.floor(y)));
      tip.hidden = !tip.textContent;
      Object.assign(tip.style, { left: `${Math.min(x + 12, f.width - 180)}px`, top: `${Math.max(0, y - 80)}px` });
    };
    const ask = (e) => { if (!due) requestAnimationFrame(look); due = e; };
    f.canvas.addEventListener('pointermove', ask);
    f.canvas.addEventListener('pointerdown', ask);
    f.canvas.addEventListener('pointerleave', () => { tip.hidden = true; });
    f.client.append(tip);
  }

  // A window of the page beside the main one (over it when the page is too narrow for both),
  // not modal, closed by its own button.
  function openWindow(f, caption) {
    const close = el('button', { type: 'button', className: 'lp-close', id: `${f.name}_close`, textContent: '\u00d7',
      onclick: () => send(f.id, '_lopena_close') });
    close.setAttribute('aria-label', `Inchide: ${caption}`);
    f.root = el('section', { className: 'lp-window lp-page-window', id: f.name, tabIndex: -1 },
      el('div', { className: 'lp-title' }, el('span', { textContent: caption }), close), f.client);
    f.root.setAttribute('role', 'dialog');
    f.root.setAttribute('aria-label', caption);
    f.place = () => {
      fitToViewport();
      const main = forms.find((o) => o?.main);
      const m = main?.root.getBoundingClientRect() || { right: 0 };
      const [vw, vh] = viewport(), w = f.width + 2, h = f.height + 24;
      // Beside the main window at its scale, or over it, whole, when the two do not fit.
      const pair = main ? pairScale(main, f) : 0;
      const s = pair || Math.min(1, vh / h, vw / w);
      f.scale = s;
      f.root.style.transform = s < 1 ? `scale(${s})` : '';
      f.root.style.left = `${pair ? m.right + 8 : Math.max(0, (vw - w * s) / 2)}px`;
      resizeCanvas(f);
    };
    // A modal dialog makes the rest of the page inert: the window goes into the topmost one
    // while it is open, so that it stays usable, and comes back after.
    f.adopt = () => {
      if (f.closed) return;
      const home = [...document.querySelectorAll('dialog')].filter((d) => d.open && d.matches(':modal')).pop() || host;
      if (f.root.parentNode !== home) home.append(f.root);
    };
    f.watch = new MutationObserver(f.adopt);
    f.watch.observe(host, { childList: true });
    onTop(f.root);
    host.append(f.root);
    addEventListener('resize', f.place);
  }

  const tk = {
    cstr(s) {
      const n = M.lengthBytesUTF8(s) + 1, p = M._malloc(n);
      M.stringToUTF8(s, p, n);
      return p;
    },
    decimalSeparator() {
      return new Intl.NumberFormat(language).formatToParts(1.5).find((p) => p.type === 'decimal')?.value || '.';
    },
    generalDate() {
      const now = new Date();
      return `${now.toLocaleDateString(language)} ${now.toLocaleTimeString(language)}`;
    },
    startTimer(id, ms) {
      clearInterval(timers.get(id));
      timers.set(id, setInterval(() => M._lopena_timer(id), ms));
    },
    stopTimer(id) {
      clearInterval(timers.get(id));
      timers.delete(id);
    },

    openForm(id, name, caption, width, height, mode) {
      const main = mode === FormMode.Main, window = mode === FormMode.Window;
      const canvas = el('canvas', { id: main ? 'scene' : `${name}_scene` });
      const client = el('div', { className: 'lp-client' }, canvas);
      Object.assign(client.style, { width: `${width}px`, height: `${height}px` });
      const f = { id, name, width, height, main, window, canvas, client, ctx: canvas.getContext('2d'),
        controls: [], menus: [], menuItems: [], shortcuts: new Map(), closed: false };
      forms[id] = f;
      if (window) {
        openWindow(f, caption);
      } else if (main) {
        document.title = caption;
        f.bar = el('div', { className: 'lp-menubar' });
        f.bar.setAttribute('role', 'menubar');
        f.bar.setAttribute('aria-label', 'Meniu');
        f.bar.addEventListener('keydown', (e) => barKeys(f, e));
        f.root = el('div', { className: 'lp-window', id: name }, f.bar, client);
        // The page's landmark and heading, heard and not seen: the window shows its own title.
        host.append(el('main', {}, el('h1', { className: 'lp-sr-only', textContent: caption }), f.root, live.region));
      } else {
        f.root = el('dialog', { className: 'lp-form-dialog', id: name },
          el('div', { className: 'lp-dialog-body' }, el('div', { className: 'lp-title' }, caption), client));
        f.root.setAttribute('aria-label', caption);
        onTop(f.root.firstChild);
        f.root.addEventListener('cancel', (e) => { e.preventDefault(); send(id, '_lopena_key', Key.Escape); });
        // Closed by the browser without a cancel (a second Esc with no click between): still Esc.
        f.root.addEventListener('close', () => { if (!f.closed) { f.root.showModal(); send(id, '_lopena_key', Key.Escape); } });
        host.append(f.root);
      }
      sizeCanvas(f);
      watchRatio(f);
      keyboard(f);
      if (main) probe(f);
    },
    addControl(form, id, kind, name, container, x, y, w, h, flags, text, description, tab, group, maxLength) {
      const f = forms[form];
      const node = makeControl(f, id, kind, name, flags, text, description, tab, group, maxLength);
      f.controls[id] = node;
      node.live = !!(flags & Flag.Live);
      // In the tab order among its siblings: the page's order is the keyboard's.
      const parent = container >= 0 ? f.controls[container].holder : f.client;
      parent.insertBefore(node, [...parent.children].find((c) => c.order > tab) || null);
      tk.setGeometry(form, id, x, y, w, h);
      applyFlags(f, id, flags);
    },
    setGeometry(form, id, x, y, w, h) {
      const node = forms[form].controls[id];
      Object.assign(node.style, { left: `${x}px`, top: `${y}px`, height: `${h}px` });
      node.width = w;
      if (!node.classList.contains('lp-auto')) node.style.width = `${w}px`;
      if (node.range) placeThumb(node);
    },
    setFlags(form, id, flags) {
      applyFlags(forms[form], id, flags);
    },
    setText(form, id, text) {
      const f = forms[form], node = f.controls[id];
      if (node.kind === Kind.TextBox) {
        if (node.value !== text) node.value = text;
      } else if (node.kind === Kind.Frame) {
        node.firstChild.textContent = text;
      } else if (node.input) {
        node.lastChild.textContent = text;
      } else {
        node.textContent = text;
        if (node.live) announce(f, id, text);
      }
    },
    setRange(form, id, min, max, value) {
      const node = forms[form].controls[id];
      node.range = { min, max, value };
      placeThumb(node);
    },
    addMenu(form, id, parent, name, caption, shortcut, flags) {
      const f = forms[form];
      if (parent < 0) {
        const { node, key } = mnemonic(caption);
        const button = el('button', { type: 'button', id: name, className: 'lp-menu', tabIndex: -1 }, node);
        button.setAttribute('role', 'menuitem');
        button.setAttribute('aria-haspopup', 'menu');
        button.setAttribute('aria-expanded', 'false');
        const list = el('div', { className: 'lp-menulist', hidden: true });
        list.setAttribute('role', 'menu');
        const menu = { button, list, key };
        button.addEventListener('click', () => (f.openMenu === menu ? closeMenus(f, true) : openMenu(f, menu, false)));
        button.addEventListener('pointerenter', () => f.openMenu && f.openMenu !== menu && openMenu(f, menu, false));
        f.bar.append(el('div', { className: 'lp-menuroot', role: 'none' }, button, list));
        f.menus.push(menu);
        f.menuItems[id] = menu;
        return;
      }
      const menu = f.menuItems[parent];
      if (flags & MenuFlag.Separator) {
        menu.list.append(el('div', { className: 'lp-separator', role: 'separator' }));
        return;
      }
      const { node, key } = mnemonic(caption);
      const item = el('button', { type: 'button', id: name, className: 'lp-item', tabIndex: -1 },
        el('span', { className: 'lp-check', textContent: '\u2713' }), el('span', { className: 'lp-caption' }, node),
        el('span', { className: 'lp-shortcut', textContent: shortcut }));
      item.accessKeyLetter = key;
      item.setAttribute('role', flags & MenuFlag.Checked ? 'menuitemcheckbox' : 'menuitem');
      item.addEventListener('click', () => { closeMenus(f, true); send(f.id, '_lopena_menu', id); });
      menu.list.append(item);
      f.menuItems[id] = item;
      if (shortcut) f.shortcuts.set(shortcut, id);
      tk.setMenu(form, id, flags);
    },
    setMenu(form, id, flags) {
      const item = forms[form].menuItems[id];
      if (!item || item.list) return;
      const checked = !!(flags & MenuFlag.Checked);
      item.classList.toggle('lp-checked', checked);
      if (item.getAttribute('role') === 'menuitemcheckbox' || checked) {
        item.setAttribute('role', 'menuitemcheckbox');
        item.setAttribute('aria-checked', String(checked));
      }
      item.disabled = !(flags & MenuFlag.Enabled);
    },
    formReady(form, focus) {
      const f = forms[form];
      if (f.window) { f.place(); f.adopt(); } else if (!f.main) f.root.showModal();
      // A frame's controls stand relative to its outer corner, whatever its legend does.
      for (const node of f.controls)
        if (node && node.kind === Kind.Frame) {
          const a = node.getBoundingClientRect(), b = node.holder.getBoundingClientRect();
          node.holder.style.left = `${(a.left - b.left) / scaleOf(f)}px`;
          node.holder.style.top = `${(a.top - b.top) / scaleOf(f)}px`;
        }
      if (f.main) {
        // A resize, a rotation, a zoom: the window and the dialogs fitted anew.
        addEventListener('resize', fitToViewport);
        visualViewport?.addEventListener('resize', fitToViewport);
        fitToViewport();
        document.addEventListener('pointerdown', (e) => { if (f.openMenu && !f.bar.contains(e.target)) closeMenus(f); });
      } else if (!f.window) {
        fitDialog(f.root);
      }
      const first = f.controls[focus];
      (first?.focusable || first)?.focus();
    },
    // The drawing list in model pixels, drawn in the canvas's own: places rounded to whole pixels.
    draw(form, ops) {
      const f = forms[form];
      if (!f) return;
      const ctx = f.ctx, r = f.ratio, d = (v) => Math.round(v * r), line = Math.max(1, Math.round(r));
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
            drawShape(o(1) === ShapeTarget.Layer ? layerOf(f) : ctx, o(2), ...box(o(3), o(4), o(5), o(6)), o(7), o(8), line);
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
            if (f.layer) {
              const [x, y, w, h] = [o(1), o(2), o(3), o(4)];
              const sx = Math.max(0, x), sy = Math.max(0, y);
              const [X, Y, W, H] = box(sx, sy, Math.min(f.width, x + w) - sx, Math.min(f.height, y + h) - sy);
              if (W > 0 && H > 0) ctx.drawImage(f.layer, X, Y, W, H, X, Y, W, H);
            }
            i += OpLength.Layer;
            break;
          case Op.ClearLayer:
            if (f.layer) f.layerCtx.clearRect(0, 0, f.layer.width, f.layer.height);
            i += OpLength.ClearLayer;
            break;
          default:
            return;
        }
      }
      if (!f.painted) {
        f.painted = true;
        if (f.main) performance.mark('lopena-first-frame');
      }
    },
    requestFrame(form) {
      requestAnimationFrame(() => M._lopena_paint(form));
    },
    // x, y, width: the tip's place in the form's client pixels, chosen by the core over no control.
    refuse(form, id, text, x, y, width) {
      const f = forms[form], node = f.controls[id];
      beep();
      node.focus();
      node.select();
      f.tip?.remove();
      f.tip = el('div', { className: 'lp-tip', id: `${node.id}_tip`, textContent: text, role: 'status' });
      Object.assign(f.tip.style, { left: `${x}px`, top: `${y}px`, width: `${width}px` });
      f.client.append(f.tip);
      node.setAttribute('aria-describedby', f.tip.id);
      const tip = f.tip;
      const drop = () => { tip.remove(); node.removeAttribute('aria-describedby'); };
      node.addEventListener('input', drop, { once: true });
      node.addEventListener('blur', drop, { once: true });
    },
    raise(form) {
      const f = forms[form];
      if (f?.window) f.root.style.zIndex = String(++windowLayer);
      f?.root.focus();
    },
    waitForm(form) {
      const f = forms[form];
      return new Promise((resolve) => (f.closed ? resolve() : (f.onClosed = resolve)));
    },
    closeForm(form) {
      const f = forms[form];
      if (!f || f.closed) return;
      f.closed = true;
      if (f.window) {
        f.watch.disconnect();
        removeEventListener('resize', f.place);
        f.root.remove();
        fitToViewport();
        forms.find((o) => o?.main)?.root.querySelector('button.lp-menu')?.focus();
      } else if (!f.main) {
        for (const w of forms) if (w?.window && !w.closed && f.root.contains(w.root)) host.append(w.root);
        f.root.close();
        f.root.remove();
      }
      f.onClosed?.();
    },
    // fn takes a part of the page down when the program ends: nothing of it stays or comes back.
    whenEnded(fn) {
      if (ended) fn(); else endings.push(fn);
    },
    endProgram(text, button) {
      ended = true;
      for (const id of timers.keys()) tk.stopTimer(id);
      for (const fn of endings.splice(0)) fn();
      window.close();
      host.replaceChildren(el('div', { className: 'lp-ended', role: 'alert' }, el('p', { textContent: text }),
        el('button', { type: 'button', id: 'restart', textContent: button, onclick: () => location.reload() })));
      host.querySelector('#restart').focus();
    },
    async askSave(title, description, pattern, prompt, proposed, save, cancel) {
      if (window.showSaveFilePicker) {
        try {
          const handle = await window.showSaveFilePicker({ suggestedName: proposed,
            types: [{ description, accept: { 'text/plain': [pattern.replace('*', '')] } }] });
          picked.set(handle.name, handle);
          return handle.name;
        } catch (e) {
          if (e.name === 'AbortError') return null;
        }
      }
      const input = el('input', { type: 'text', value: proposed, id: 'fileName' });
      input.addEventListener('keydown', (e) => { if (e.key === 'Enter') { e.preventDefault(); input.closest('.lp-dialog-body').querySelector('.lp-buttons button').click(); } });
      const name = await pageDialog(title, el('label', { className: 'lp-prompt' }, prompt, input),
        [[save, () => input.value], [cancel, () => null]], input);
      return name === null || name === '' ? null : name;
    },
    async writeFile(path, bytes) {
      const handle = picked.get(path);
      picked.delete(path);
      try {
        if (handle) {
          const out = await handle.createWritable();
          await out.write(bytes);
          await out.close();
        } else {
          const url = URL.createObjectURL(new Blob([bytes], { type: 'application/octet-stream' }));
          el('a', { href: url, download: path }).click();
          setTimeout(() => URL.revokeObjectURL(url), 60000);
        }
        return null;
      } catch (e) {
        // Said in Romanian; the browser's own words only as a detail.
        const reason = { NotAllowedError: 'browserul nu a permis scrierea fisierului',
          QuotaExceededError: 'nu mai este loc pentru fisier', NotFoundError: 'dosarul ales nu mai exista',
          NoModificationAllowedError: 'fisierul nu poate fi modificat' }[e?.name] || 'browserul nu a putut scrie fisierul';
        return e?.message ? `${reason} (detaliu: ${e.message})` : reason;
      }
    },
    message(title, text, ok) {
      return pageDialog(title, el('p', { className: 'lp-message', textContent: text }), [[ok, () => true]]);
    },
  };
  M.tk = tk;
  return createModule(M);
}
