// The history: sortable by any column, a throw repeated by its button or a double click, two rows
// chosen (Ctrl + click, or Space on each) compared under the table.
import { NotebookText } from './bridge.mjs';
import { el, rgb } from '../../toolkit/web/dom.js';
import { CSV } from './panelParts.js';

export function historyPane(parts) {
  const { calls, str } = parts;
  const body = el('tbody');
  const head = el('tr');
  // A grid of rows: one row takes the focus (the arrows move it), Space chooses it or lets it go.
  const grid = el('table', { className: 'lp-nb-history', id: 'historyTable' }, el('thead', {}, head), body);
  grid.setAttribute('role', 'grid');
  grid.setAttribute('aria-multiselectable', 'true');
  grid.setAttribute('aria-label', 'Istoricul aruncarilor');
  const result = el('p', { className: 'lp-nb-compare', id: 'historyComparison' });
  result.setAttribute('aria-live', 'polite');
  let column = 0, descending = false, chosen = -1, focused = 0;
  let selected = []; // the chosen throws (history indices), at most two, the newest last
  const repeat = parts.button('Repeta aruncarea', () => chosen >= 0 && calls.nbRepeat(chosen), 'repeatThrow');
  const series = parts.button('Serie de unghiuri', () => showSeries(calls.nbSeries()), 'angleSeries');
  series.title = 'Lanseaza pe rand la 15, 30, 45, 60 si 75 de grade, cu viteza si gravitatia din fereastra principala';
  const showSeries = (active) => series.setAttribute('aria-pressed', String(!!active));
  showSeries(false);
  // The header, again whenever the Laborator's columns join.
  function buildHead() {
    const headers = parts.text(NotebookText.HistoryHeaders).split('\t');
    if (headers.join('\t') === [...head.children].map((th) => th.textContent).join('\t')) return;
    head.replaceChildren(...headers.map((t, c) =>
      el('th', { textContent: t, onclick: () => { descending = c === column && !descending; column = c; build(); } })));
  }
  // The two chosen rows compared, the upper one first, or how to choose them.
  function compare() {
    const rows = [...body.children].filter((r) => selected.includes(Number(r.dataset.row)));
    const [a, b] = rows.length === 2 ? rows.map((r) => Number(r.dataset.row)) : [-1, -1];
    const text = str(calls.nbCompare(a, b));
    if (result.textContent !== text) result.textContent = text;
  }
  function mark() {
    for (const r of body.children) {
      const i = Number(r.dataset.row);
      r.setAttribute('aria-selected', String(selected.includes(i)));
      r.classList.toggle('lp-selected', selected.includes(i));
      r.tabIndex = r === body.children[focused] ? 0 : -1;
    }
    repeat.disabled = chosen < 0;
    compare();
  }
  // Row `i` of the history chosen alone, or added to the chosen (the oldest of three let go).
  function choose(i, add) {
    if (!add) selected = [i];
    else if (selected.includes(i)) selected = selected.filter((s) => s !== i);
    else selected = [...selected, i].slice(-2);
    chosen = selected.length ? selected.at(-1) : -1;
    mark();
  }
  function build() {
    buildHead();
    const count = calls.nbHistory();
    const order = [...Array(count).keys()].map((i) => [i, calls.nbHistoryKey(i, column)]);
    order.sort((a, b) => (descending ? b[1] - a[1] : a[1] - b[1]) || a[0] - b[0]);
    [...head.children].forEach((th, c) => th.setAttribute('aria-sort', c !== column ? 'none' : descending ? 'descending' : 'ascending'));
    body.replaceChildren(...order.map(([i]) => {
      const [colour, ...cells] = str(calls.nbHistoryRow(i)).split('\t');
      const swatch = el('td', {}, el('span', { className: 'lp-nb-swatch' }));
      swatch.firstChild.style.background = rgb(Number(colour));
      const tr = el('tr', {}, swatch, ...cells.map((t) => el('td', { textContent: t })));
      tr.dataset.row = i;
      tr.title = str(calls.nbThrowName(i)); // named as the graphs' legend names it
      return tr;
    }));
    focused = Math.min(focused, Math.max(0, count - 1));
    mark();
  }
  body.addEventListener('click', (e) => {
    const tr = e.target.closest('tr');
    if (!tr) return;
    focused = [...body.children].indexOf(tr);
    choose(Number(tr.dataset.row), e.ctrlKey || e.metaKey);
  });
  // The row the focus came to, by Tab, by a click or by the arrows, is the one the keys act on.
  body.addEventListener('focusin', (e) => {
    const at = [...body.children].indexOf(e.target.closest('tr'));
    if (at < 0 || at === focused) return;
    focused = at;
    mark();
  });
  body.addEventListener('keydown', (e) => {
    const rows = body.children, n = rows.length;
    if (!n) return;
    const to = { ArrowDown: Math.min(focused + 1, n - 1), ArrowUp: Math.max(focused - 1, 0), Home: 0, End: n - 1 }[e.key];
    if (to !== undefined) {
      focused = to;
      mark();
      rows[to].focus();
    } else if (e.key === ' ') {
      choose(Number(rows[focused].dataset.row), true);
    } else {
      return;
    }
    e.preventDefault();
  });
  body.addEventListener('dblclick', (e) => { const tr = e.target.closest('tr'); if (tr) calls.nbRepeat(Number(tr.dataset.row)); });
  const exportHistory = parts.button('Exporta CSV...', () => parts.save(...CSV, 'istoric.csv', () => parts.bytes(NotebookText.HistoryCsv), ''), 'exportHistory');
  const pane = el('div', { className: 'lp-nb-pane' }, el('div', { className: 'lp-nb-scroll' }, grid), result,
    parts.bar(repeat, series, parts.gap(), exportHistory));
  return { pane, build, showSeries };
}
