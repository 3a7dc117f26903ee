// The page side of the web binding: renders the forms of the C++ object model as HTML controls
// and a canvas, and forwards the page's events and the browser's timers to the model. It holds no
// rule of the program: every number, text and decision comes from the C++ side. Module.tk is
// what the C++ side calls (toolkit/web/*.cpp, EM_JS); the page's modules each do one job.
// The page is prepared first and can show the main window before the program runs (prerender.js).
import { entryPoints } from './calls.js';
import { copyText } from './clipboard.js';
import { addControl, applyFlags, setGeometry, setRange, setText } from './controls.js';
import { ask, message } from './dialogs.js';
import { el } from './dom.js';
import { closeForm, draw, formReady, openForm, raiseForm, resizeForm, revealArea } from './forms.js';
import { liveRegion } from './live.js';
import { adopt, prerender } from './prerender.js';
import { addWindow, bringForward, layout, removeWindow } from './windows.js';
import { addMenu, setMenu } from './menus.js';
import { printHtml } from './print.js';
import { askSave, writeFile } from './save.js';
import { pageStorage } from './storage.js';
import { refuse } from './tips.js';

const FALLBACK_LANGUAGE = 'en-US';

// A language tag the browser's Intl knows, else the default's (a "." separator): a browser may
// report anything ("C" under LANG=C.UTF-8), and Intl throws on an invalid tag.
function knownLanguage(tag) {
  try {
    return Intl.NumberFormat.supportedLocalesOf([tag])[0] || FALLBACK_LANGUAGE;
  } catch {
    return FALLBACK_LANGUAGE;
  }
}

// The page and what the C++ side calls, before the program runs; with the calls of the program's
// start recorded at build time, the main window drawn at once.
export function preparePage(host = document.body, recorded = null) {
  const M = {};
  const query = new URLSearchParams(location.search);
  // Asked for when the program first writes a number or a date: the browser's locale data is
  // slow to load, and the window's first frame needs none.
  let known = null;
  const language = () => (known ||= knownLanguage(query.get('lang') || navigator.language || 'ro'));
  const timers = new Map();
  let storage = null;
  const endings = []; // what the page's other parts (the notebook's panel) take down at the end
  let ended = false;
  // What the page's modules share: the program, its entry points, where the page is, the forms
  // by id, the live labels' region, the layer of the window last raised.
  const held = { waiting: false, calls: [] };
  const page = { M, held, calls: entryPoints(M, held), host, forms: [], live: liveRegion(), layer: 30,
    gone: new AbortController(), // the page's own listeners, taken away with a window drawn in vain
    // Calls into C++ with a string argument.
    withString(s, call) {
      if (held.waiting) {
        held.calls.push(() => page.withString(s, call));
        return;
      }
      const p = tk.cstr(s);
      try { call(p); } finally { M._free(p); }
    } };
  const form = (id) => page.forms[id];

  const tk = {
    cstr(s) {
      const n = M.lengthBytesUTF8(s) + 1, p = M._malloc(n);
      M.stringToUTF8(s, p, n);
      return p;
    },
    decimalSeparator() {
      return new Intl.NumberFormat(language()).formatToParts(1.5).find((p) => p.type === 'decimal')?.value || '.';
    },
    generalDate() {
      const now = new Date();
      return `${now.toLocaleDateString(language())} ${now.toLocaleTimeString(language())}`;
    },
    startTimer(id, ms) {
      clearInterval(timers.get(id));
      timers.set(id, setInterval(() => page.calls.timer(id), ms));
    },
    stopTimer(id) {
      clearInterval(timers.get(id));
      timers.delete(id);
    },
    openForm: (id, name, caption, width, height, mode, tall) => openForm(page, id, name, caption, width, height, mode, tall),
    formResized: (f, width, height) => resizeForm(form(f), width, height),
    reveal: (f, ...area) => revealArea(form(f), ...area),
    // c: the control as the model describes it (controls.js, addControl).
    addControl: (c) => addControl(page, form(c.form), c),
    setGeometry: (f, id, x, y, w, h) => setGeometry(form(f), id, x, y, w, h),
    setFlags: (f, id, flags) => applyFlags(form(f), id, flags),
    setText: (f, id, text) => setText(page, form(f), id, text),
    setRange: (f, id, min, max, value) => setRange(form(f), id, min, max, value),
    addMenu: (f, id, parent, name, caption, shortcut, flags) => addMenu(page, form(f), id, parent, name, caption, shortcut, flags),
    setMenu: (f, id, flags) => setMenu(form(f), id, flags),
    formReady: (f, focus) => formReady(page, form(f), focus),
    draw(f, ops) { if (form(f)) draw(form(f), ops); },
    requestFrame(f) { requestAnimationFrame(() => page.calls.paint(f)); },
    refuse: (f, id, text, x, y, width) => refuse(form(f), id, text, x, y, width),
    copy: (f, id, text) => copyText(form(f)?.controls[id], text),
    raise: (f) => raiseForm(page, form(f)),
    waitForm(f) {
      const o = form(f);
      return new Promise((resolve) => (o.closed ? resolve() : (o.onClosed = resolve)));
    },
    closeForm: (f) => closeForm(page, form(f)),
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
    askSave: (...args) => askSave(page, ...args),
    writeFile,
    message: (title, text, ok) => message(page, title, text, ok),
    ask: (title, text, yes, no) => ask(page, title, text, yes, no),
    print: printHtml,
    // Opened when the program first reads or keeps something, not for the first frame.
    get storage() { return (storage ||= pageStorage()); },
    // The page's other windows (the notebook's panel) among the forms' (windows.js, addWindow).
    windows: {
      add: (spec) => addWindow(page, spec),
      remove: (spec, focus) => removeWindow(page, spec, focus),
      forward: (spec, focus) => bringForward(page, spec, focus),
      layout: () => layout(page),
    },
  };
  M.tk = page.tk = tk;
  if (recorded) prerender(page, recorded);
  return page;
}

// Runs the program on the prepared page; the calls the page held meanwhile run once it is ready.
export function startLopena(page, createModule) {
  return createModule(page.M).then((module) => {
    adopt(page);
    page.held.waiting = false;
    for (const call of page.held.calls.splice(0)) call();
    // What is kept and the address's '#' part, only now: the start drew the recorded window.
    page.calls.started();
    const told = () => page.withString(location.hash.slice(1), page.calls.address);
    if (location.hash.length > 1) told();
    window.addEventListener('hashchange', told, { signal: page.gone.signal });
    return module;
  });
}
