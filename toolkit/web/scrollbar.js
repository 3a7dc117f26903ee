// The horizontal scroll bar: arrows, track and thumb, each asking the model for its step; only the
// end of a drag is a change, as on the desktop. Its range and width are the control's record's.
import { Scroll } from './bridge.mjs';
import { sizes } from './dom.js';
import { scaleOf } from './windows.js';

const KEYS = { ArrowLeft: Scroll.SmallDown, ArrowUp: Scroll.SmallDown, ArrowRight: Scroll.SmallUp, ArrowDown: Scroll.SmallUp,
  PageUp: Scroll.LargeDown, PageDown: Scroll.LargeUp, Home: Scroll.Min, End: Scroll.Max };

// From the bar's own width, without asking the page for its layout (arrows and thumb are
// --lp-scroll-box wide, as the style sheet has them).
const room = (control) => Math.max(0, control.width - 3 * sizes().scrollBox);

export function placeThumb(node, control) {
  const r = control.range, thumb = node.children[1].firstChild;
  thumb.style.left = `${r.max > r.min ? ((r.value - r.min) / (r.max - r.min)) * room(control) : 0}px`;
  node.setAttribute('aria-valuemin', r.min);
  node.setAttribute('aria-valuemax', r.max);
  node.setAttribute('aria-valuenow', r.value);
}

export function scrollBar(page, f, id, node, control) {
  const [down, track, up] = node.children;
  const thumb = track.firstChild;
  const ask = (action, value = 0) => page.calls.scroll(f.id, id, action, value);
  const press = (part, action) => part.addEventListener('pointerdown', (e) => { e.preventDefault(); node.focus(); ask(action()); });
  press(down, () => Scroll.SmallDown);
  press(up, () => Scroll.SmallUp);
  track.addEventListener('pointerdown', (e) => {
    if (e.target === thumb) return;
    e.preventDefault();
    node.focus();
    ask(e.clientX < thumb.getBoundingClientRect().left ? Scroll.LargeDown : Scroll.LargeUp);
  });
  thumb.addEventListener('pointerdown', (e) => {
    e.preventDefault();
    node.focus();
    thumb.setPointerCapture(e.pointerId);
    const start = e.clientX, left = thumb.offsetLeft, space = room(control);
    const at = (ev) => Math.min(space, Math.max(0, left + (ev.clientX - start) / scaleOf(f)));
    thumb.onpointermove = (ev) => { thumb.style.left = `${at(ev)}px`; };
    thumb.onpointerup = (ev) => {
      thumb.onpointermove = thumb.onpointerup = null;
      const r = control.range;
      ask(Scroll.Set, r.min + Math.round((at(ev) / Math.max(1, space)) * (r.max - r.min)));
      placeThumb(node, control);
    };
  });
  node.addEventListener('keydown', (e) => {
    const action = KEYS[e.key];
    if (action === undefined) return;
    e.preventDefault();
    ask(action);
  });
}
