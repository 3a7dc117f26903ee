// The step table: a virtualised grid, rows appended as they come, only those in sight built.
// Its columns fit the widest text seen in them; what does not fit scrolls sideways, header too.
import { NotebookText, RowField } from './bridge.mjs';
import { cssPx, el } from '../../toolkit/web/dom.js';
import { CSV } from './panelParts.js';

const SPARE_ROWS = 8; // rendered beyond each edge of the visible rows

export function stepTable(parts) {
  const { M, calls, str, text } = parts;
  const ROW_HEIGHT = cssPx('--lp-row'); // a row, px, as notebook.css has it
  const cell = (textContent, role) => { const c = el('span', { textContent }); c.setAttribute('role', role); return c; };
  const head = el('div', { className: 'lp-nb-row lp-nb-head' });
  const spacer = el('div', { className: 'lp-nb-spacer' });
  const view = el('div', { className: 'lp-nb-rows', id: 'stepTable', tabIndex: 0 }, head, spacer);
  view.setAttribute('aria-label', 'Tabelul pasilor aruncarii curente');
  view.setAttribute('role', 'grid');
  view.setAttribute('aria-multiselectable', 'true');
  head.setAttribute('role', 'row');
  head.setAttribute('aria-rowindex', 1);
  const shown = new Map(); // row index -> element
  const selected = new Set();
  let rows = 0, highest = -1, anchor = -1, cursor = -1, following = true;
  // The columns' widths in px, grown to each text measured in its row's font (6 px padding each side).
  const ruler = el('canvas').getContext('2d');
  let widths = [], font = '';
  function fit(texts, style) {
    if (!font) {
      if (!view.isConnected) return;
      font = getComputedStyle(view).font;
    }
    ruler.font = `${style} ${font}`;
    let wider = false;
    texts.forEach((t, c) => {
      const w = Math.ceil(ruler.measureText(t).width) + 12;
      if (!(widths[c] >= w)) { widths[c] = w; wider = true; }
    });
    if (wider) view.style.setProperty('--lp-nb-columns', widths.map((w) => `${w}px`).join(' '));
  }

  function fill(node, i) {
    const fields = str(calls.nbRow(i)).split('\t');
    const marked = fields[RowField.Mark], closing = fields[RowField.Closing] === '1', cells = fields.slice(RowField.Cells);
    node.replaceChildren(...cells.map((t) => cell(t, 'gridcell')));
    node.title = marked;
    node.classList.toggle('lp-marked', marked !== '');
    node.classList.toggle('lp-closing', closing);
    fit(cells, `${closing ? 'italic' : ''} ${marked !== '' ? 'bold' : ''}`);
    mark(node, i);
  }
  function mark(node, i) {
    node.classList.toggle('lp-selected', selected.has(i));
    node.setAttribute('aria-selected', String(selected.has(i)));
  }
  // From the view's scroll position and height as last known: no layout is asked for here.
  let top = 0, height = 0;
  function render() {
    const first = Math.max(0, Math.floor(top / ROW_HEIGHT) - SPARE_ROWS);
    const last = Math.min(rows - 1, Math.ceil((top + height) / ROW_HEIGHT) + SPARE_ROWS);
    for (const [i, node] of shown) if (i < first || i > last) { node.remove(); shown.delete(i); }
    for (let i = first; i <= last; ++i) {
      if (shown.has(i)) continue;
      const node = el('div', { className: 'lp-nb-row', id: `step${i}` });
      node.style.top = `${(i + 1) * ROW_HEIGHT}px`;
      node.dataset.row = i;
      node.setAttribute('role', 'row');
      node.setAttribute('aria-rowindex', i + 2);
      fill(node, i);
      shown.set(i, node);
      view.append(node);
    }
  }
  // The last row in sight, below the header; the view scrolled there after its rows are in.
  const follow = () => { top = Math.max(0, (rows + 1) * ROW_HEIGHT - height); };
  function refresh(i) { if (shown.has(i)) fill(shown.get(i), i); }
  // Rows from `from` on changed or came, and the highest step moved to `top`.
  function grow(count, topStep, from) {
    for (const [i] of shown) if (i >= from) refresh(i);
    rows = count;
    if (topStep !== undefined && topStep !== highest) { const old = highest; highest = topStep; refresh(old); refresh(topStep); }
    spacer.style.height = `${(rows + 1) * ROW_HEIGHT}px`;
    view.setAttribute('aria-rowcount', rows + 1);
    if (!pane.hidden) settle(); // else laid out when its tab is chosen
  }
  // The rows in sight put in, the view at the last row if it follows the flight.
  function settle() {
    if (following) follow();
    render();
    if (following) view.scrollTop = top;
  }
  function reset() {
    for (const node of shown.values()) node.remove();
    shown.clear();
    widths = [];
    font = '';
    const titles = text(NotebookText.StepHeaders).split('\t'); // a throw in air has two more columns
    head.replaceChildren(...titles.map((t) => cell(t, 'columnheader')));
    view.setAttribute('aria-colcount', titles.length);
    fit(titles, '');
    selected.clear();
    rows = 0;
    highest = -1;
    anchor = cursor = -1;
    view.removeAttribute('aria-activedescendant');
    following = true;
    grow(calls.nbRows(), undefined, 0);
  }
  view.addEventListener('scroll', () => {
    if (view.scrollTop === top) return; // where the table put itself
    top = view.scrollTop;
    following = top + height >= (rows + 1) * ROW_HEIGHT - 2;
    render();
  });
  new ResizeObserver(() => { height = view.clientHeight; settle(); }).observe(view);
  const paintSelection = () => { for (const [j, node] of shown) mark(node, j); };
  // Row `i` becomes the current one, alone or (extending) with the rows from the anchor to it.
  function select(i, { extend = false, toggle = false } = {}) {
    if (!toggle) selected.clear();
    if (extend && anchor >= 0) for (let j = Math.min(anchor, i); j <= Math.max(anchor, i); ++j) selected.add(j);
    else if (toggle && selected.has(i)) selected.delete(i);
    else selected.add(i);
    if (!extend) anchor = i;
    cursor = i;
    view.setAttribute('aria-activedescendant', `step${i}`);
  }
  view.addEventListener('click', (e) => {
    const i = Number(e.target.closest('[data-row]')?.dataset.row ?? -1);
    if (i < 0) return;
    select(i, { extend: e.shiftKey, toggle: !e.shiftKey && (e.ctrlKey || e.metaKey) });
    paintSelection();
  });
  // The keys of a list: arrows, Page Up and Down, Home and End move the current row, with
  // Shift the selection reaches it; the row is scrolled into sight below the header.
  function moveTo(i, extend) {
    if (!rows) return;
    i = Math.max(0, Math.min(rows - 1, i));
    select(i, { extend });
    if (i * ROW_HEIGHT < top) top = i * ROW_HEIGHT;
    else if ((i + 2) * ROW_HEIGHT > top + height) top = (i + 2) * ROW_HEIGHT - height;
    following = top + height >= (rows + 1) * ROW_HEIGHT - 2;
    view.scrollTop = top;
    render();
    paintSelection();
  }
  // The selected rows, in the table's order, with a header, tab-separated.
  function copied() {
    const chosen = [...selected].sort((a, b) => a - b);
    if (!chosen.length) return '';
    const p = M._malloc(4 * chosen.length);
    M.HEAP32.set(chosen, p >> 2);
    try { return str(calls.nbText(NotebookText.CopiedRows, p, chosen.length)); } finally { M._free(p); }
  }
  // A refused clipboard (no permission, no focus, none at all) is told, not left unseen.
  const copyRows = () => {
    const t = copied();
    if (t) Promise.resolve().then(() => navigator.clipboard.writeText(t)).catch(() => parts.tell('Copiaza',
      'Randurile alese nu au putut fi copiate: browserul nu a permis scrierea in clipboard.'));
  };
  view.addEventListener('keydown', (e) => {
    if ((e.ctrlKey || e.metaKey) && !e.altKey && e.code === 'KeyC') { e.preventDefault(); copyRows(); return; }
    const page = Math.max(1, Math.floor(height / ROW_HEIGHT) - 1);
    const to = { ArrowDown: cursor + 1, ArrowUp: cursor - 1, PageDown: cursor + page, PageUp: cursor - page,
      Home: 0, End: rows - 1 }[e.key];
    if (to === undefined || e.altKey) return;
    e.preventDefault();
    moveTo(cursor < 0 && e.key.startsWith('Arrow') ? 0 : to, e.shiftKey);
  });
  const copy = parts.button('Copiaza', copyRows, 'copySteps');
  const exportSteps = parts.button('Exporta CSV...', () => parts.save(...CSV, 'zbor.csv', () => parts.bytes(NotebookText.StepsCsv), ''), 'exportSteps');
  const pane = el('div', { className: 'lp-nb-pane' }, view, parts.bar(copy, parts.gap(), exportSteps));
  const restore = () => { view.scrollTop = top; };
  return { pane, grow, reset, render, show: settle, restore, rows: () => rows };
}
