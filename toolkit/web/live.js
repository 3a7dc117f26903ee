// The live labels heard by a screen reader: the latest text of each, read together at most four
// times a second.
import { el } from './dom.js';

const LIVE_SPACING_MS = 250;

export function liveRegion() {
  const region = el('div', { className: 'lp-sr-only' });
  region.setAttribute('aria-live', 'polite');
  return { region, texts: new Map(), due: false, last: -1e9 };
}

export function announce(page, f, id, text) {
  const { live } = page;
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
