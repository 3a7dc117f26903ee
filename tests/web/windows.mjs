// What the page's and the engines' tests of the windows share: run in the page, as a function or
// as the text of a call.

// Each control of a form (not of a window inside it) a pupil can click whose centre or a point
// 2 px in from either end (a window scaled down is hit-tested within about 1 px) is taken by something else (a label, a frame, a shape, another
// window), as "control under taker". Where a window's tile scrolls, its controls scrolled out of
// the tile are not checked.
export function coveredIn(form) {
  const controls = new Set([...document.getElementById(form).querySelectorAll('button, select, input, .lp-scrollbar, .lp-nb-rows')]
    .map((c) => c.closest('label') || c).filter((c) => c.checkVisibility() && c.closest('.lp-window, .lp-notebook, dialog').id === form));
  const inSight = (c) => { const r = c.getBoundingClientRect(), t = c.closest('.lp-tile')?.getBoundingClientRect() || r;
    return r.left >= t.left && r.right <= t.right && r.top >= t.top && r.bottom <= t.bottom; };
  return [...controls].filter(inSight).flatMap((c) => {
    const r = c.getBoundingClientRect(), y = r.top + r.height / 2;
    return [r.left + 2, r.left + r.width / 2, r.right - 2].map((x) => document.elementFromPoint(x, y))
      .filter((e) => !c.contains(e)).map((e) => `${c.id || c.textContent} under ${e?.id || e?.className || e?.tagName}`);
  });
}

// The windows in sight, by their forms' ids.
export const shownIn = () => [...document.querySelectorAll('.lp-tile:not([hidden])')].map((t) => t.querySelector('.lp-window')?.id || t.id);

// The bar's buttons and the window each shows.
export const WINDOWS = [['Principala', 'frmmain'], ['Laborator', 'frmLab'], ['Caiet', 'notebook']];
