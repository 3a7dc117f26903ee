// Tiles for the page's windows, side by side and never over one another: the windows in columns
// of stacks, or in rows of rows, each fixed window at one scale, a flexible one (the notebook)
// taking the room left. A pure function of sizes; windows.js shows what it finds.

export const GAP = 6; // between two tiles, px

// Every order of the items.
const orders = (n) => (n <= 1 ? [[...Array(n).keys()]]
  : orders(n - 1).flatMap((o) => [...Array(n).keys()].map((at) => [...o.slice(0, at), n - 1, ...o.slice(at)])));

// Every cut of a sequence of n into runs, as run lengths.
const cuts = (n) => (n === 0 ? [[]] : [...Array(n).keys()].flatMap((k) => cuts(n - k - 1).map((c) => [k + 1, ...c])));

// items: { w, h } at scale 1, a flexible one with flex: its least size; room [W, H].
// Lines (columns, or rows when across) of runs; at scale s: each line as thick as its thickest
// item, the items of a line one after another along it.
function fits(lines, items, s, [W, H], across) {
  const size = (i) => { const it = items[i], k = it.flex ? 1 : s; return across ? [it.h * k, it.w * k] : [it.w * k, it.h * k]; };
  const [thick, long] = across ? [H, W] : [W, H];
  let total = GAP * (lines.length - 1);
  for (const line of lines) {
    total += Math.max(...line.map((i) => size(i)[0]));
    if (line.reduce((a, i) => a + size(i)[1], GAP * (line.length - 1)) > long) return false;
  }
  return total <= thick;
}

// The tiles of one arrangement at scale s: the flexible item's line and the flexible item in it
// take what is left; without one, the whole is centred across the lines.
function tiles(lines, items, s, [W, H], across) {
  const k = (i) => (items[i].flex ? 1 : s);
  const dims = (i) => (across ? [items[i].h * k(i), items[i].w * k(i)] : [items[i].w * k(i), items[i].h * k(i)]);
  const [thick, long] = across ? [H, W] : [W, H];
  const widths = lines.map((line) => Math.max(...line.map((i) => dims(i)[0])));
  const spare = thick - widths.reduce((a, b) => a + b, GAP * (lines.length - 1));
  const flexLine = lines.findIndex((line) => line.some((i) => items[i].flex));
  if (flexLine >= 0) widths[flexLine] += spare;
  const out = [];
  let at = flexLine >= 0 || across ? 0 : Math.max(0, spare / 2);
  lines.forEach((line, c) => {
    const free = long - line.reduce((a, i) => a + dims(i)[1], GAP * (line.length - 1));
    let along = 0;
    for (const i of line) {
      const length = dims(i)[1] + (items[i].flex ? free : 0);
      out[i] = across ? [along, at, length, widths[c]] : [at, along, widths[c], length];
      along += length + GAP;
    }
    at += widths[c] + GAP;
  });
  return out;
}

// Pairs of items out of their given order: the first (the main window) stays first, top left.
const inversions = (order) => order.reduce((a, x, i) => a + order.slice(i + 1).filter((y) => y < x).length, 0);

// The best arrangement of the items in the room, scale at most `most`: the largest scale, then
// the items nearest their given order, then the most room for a flexible item. { scale, rects: [x, y, w, h] by item }.
export function arrange(items, room, most = 1) {
  let best = null;
  for (const order of orders(items.length)) {
    for (const cut of cuts(items.length)) {
      let from = 0;
      const lines = cut.map((n) => order.slice(from, from += n));
      for (const across of [false, true]) {
        if (!fits(lines, items, 0, room, across)) continue;
        let [lo, hi] = [0, most];
        if (fits(lines, items, hi, room, across)) lo = hi;
        for (let step = 0; step < 30 && lo < hi; ++step) {
          const mid = (lo + hi) / 2;
          if (fits(lines, items, mid, room, across)) lo = mid; else hi = mid;
        }
        const rects = tiles(lines, items, lo, room, across);
        const flexArea = rects.reduce((a, r, i) => a + (items[i].flex ? r[2] * r[3] : 0), 0);
        const score = Math.round(lo * 100) * 1e12 - inversions(order) * 1e9 + flexArea;
        if (!best || score > best.score) best = { score, scale: lo, rects };
      }
    }
  }
  return best && { scale: best.scale, rects: best.rects };
}
