// The history: sortable by any column, a throw repeated by its button or a double click.
import { NotebookText } from './bridge.mjs';
import { el, rgb } from '../../toolkit/web/dom.js';
import { CSV } from './panelParts.js';

export function historyPane(parts) {
  const { calls, str } = parts;
  const body = el('tbody');
  const head = el('tr');
  const grid = el('table', { className: 'lp-nb-history', id: 'historyTable' }, el('thead', {}, head), body);
  let column = 0, descending = false, chosen = -1;
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
      tr.classList.toggle('lp-selected', i === chosen);
      return tr;
    }));
    repeat.disabled = chosen < 0;
  }
  body.addEventListener('click', (e) => {
    const tr = e.target.closest('tr');
    if (!tr) return;
    chosen = Number(tr.dataset.row);
    for (const r of body.children) r.classList.toggle('lp-selected', r === tr);
    repeat.disabled = false;
  });
  body.addEventListener('dblclick', (e) => { const tr = e.target.closest('tr'); if (tr) calls.nbRepeat(Number(tr.dataset.row)); });
  const exportHistory = parts.button('Exporta CSV...', () => parts.save(...CSV, 'istoric.csv', () => parts.bytes(NotebookText.HistoryCsv), ''), 'exportHistory');
  const pane = el('div', { className: 'lp-nb-pane' }, el('div', { className: 'lp-nb-scroll' }, grid),
    parts.bar(repeat, series, parts.gap(), exportHistory));
  return { pane, build, showSeries };
}
