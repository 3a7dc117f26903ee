// The main window's first frame before the program runs. The calls the program's start makes to
// the page were recorded at build time by the program itself (app/web/Prerender.mjs); they are
// played here through the page's own functions, so the window and its scene are the program's
// to the pixel. Until the program is ready the page holds the pupil's clicks and keys (calls.js)
// and the program's own building calls; then, when the program built the same window, it takes
// over the one drawn and runs what was held. A start that differs builds the window anew.
import { liveRegion } from './live.js';

// The calls that build a window; the rest (timers, frames, drawing) reach the page as they come.
// The recorder at build time (app/web/Prerender.mjs) keeps these too.
export const BUILDING = ['openForm', 'addControl', 'setGeometry', 'setFlags', 'setText', 'setRange', 'addMenu', 'setMenu', 'formReady'];
const starts = new WeakMap(); // page -> { expected, heard, own, drawn }

export function prerender(page, recorded) {
  const before = new Set(page.host.childNodes);
  const drawn = () => [...page.host.childNodes].filter((n) => !before.has(n));
  try {
    for (const [name, ...args] of recorded) {
      if (name === 'draw') page.tk.draw(args[0], Float32Array.from(args[1]));
      else page.tk[name](...args);
    }
  } catch (e) {
    console.error(e); // the program builds its window itself
    clear(page, drawn());
    return;
  }
  const start = { expected: recorded.filter(([name]) => name !== 'draw'), heard: [], own: {}, drawn: drawn() };
  for (const name of BUILDING) {
    start.own[name] = page.tk[name];
    page.tk[name] = (...args) => start.heard.push([name, ...args]);
  }
  starts.set(page, start);
  page.held.waiting = true;
}

// Once the program's start has run: its window is the one drawn, or built now in its place.
export function adopt(page) {
  const start = starts.get(page);
  if (!start) return;
  starts.delete(page);
  Object.assign(page.tk, start.own);
  if (JSON.stringify(start.heard) === JSON.stringify(start.expected)) return;
  console.warn('Lopena: the window drawn before the program differs from its own; built anew');
  clear(page, start.drawn);
  page.held.calls.length = 0; // clicks and keys on a window that is gone
  for (const [name, ...args] of start.heard) page.tk[name](...args);
}

// The page as before anything was drawn.
function clear(page, drawn) {
  page.gone.abort();
  for (const node of drawn) node.remove();
  Object.assign(page, { forms: [], tiles: undefined, live: liveRegion(), layer: 30, gone: new AbortController() });
}
