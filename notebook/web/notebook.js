// The lab notebook's panel beside the main window: the tabs "Tabel", "Grafice", "Istoric" and
// "Rezolvare". It only lays out what the C++ side (notebook/web/NotebookEntryPoints.cpp) hands
// it: every cell, header, CSV byte, line of the solution, axis and marker is the core's. uPlot
// (npm, inlined in the page as a module) draws the graphs. The page imports this module at the
// notebook's first opening.
import uPlot from './uPlot.js';
import { AxisField, GraphField, MarkerField, NotebookText, RowField, StepField, StepInfo } from './bridge.mjs';

const SPARE_ROWS = 8; // rendered beyond each edge of the visible rows
const MIN_BESIDE = 420; // the least width of the panel beside the window, px
const MIN_BELOW = 260; // the least height of the panel below it, px
const MIN_NARROW = 200; // the least width of the panel beside the window when below is no room, px
const TITLE_HEIGHT = 26; // the panel's title bar with its close button, px
const CSV = ['Exporta CSV', 'Fisiere CSV (*.csv)', '*.csv'];

const h = (tag, props = {}, ...children) => {
  const e = Object.assign(document.createElement(tag), props);
  e.append(...children);
  return e;
};
const css = (c) => `rgb(${c & 255},${(c >> 8) & 255},${(c >> 16) & 255})`;

export function makePanel(M, separator) {
  // A row of the step table, px, as notebook.css has it.
  const ROW_HEIGHT = parseFloat(getComputedStyle(document.documentElement).getPropertyValue('--lp-row'));
  const str = (p) => M.UTF8ToString(p);
  const text = (what) => str(M._lopena_nb_text(what, 0, 0));
  // A text of the core as its exact bytes.
  const bytes = (what) => {
    const p = M._lopena_nb_text(what, 0, 0);
    return M.HEAPU8.slice(p, p + M._lopena_nb_size());
  };
  // The graphs, each as its fields (GraphField): titles, and the numbers of a step it plots.
  const GRAPHS = [];
  for (let i = 0, g; (g = str(M._lopena_nb_graph(i))); ++i)
    GRAPHS.push(g.split('\t').map((f, j) => (j < GraphField.XColumn ? f : Number(f))));
  // The current throw's markers (MarkerField): name, colour, size, square, the step it marks.
  const MARKERS = [];
  for (let i = 0, m; (m = str(M._lopena_nb_marker(i))); ++i) {
    const f = m.split('\t');
    MARKERS.push({ name: f[MarkerField.Name], fill: css(Number(f[MarkerField.Colour])), size: Number(f[MarkerField.Size]),
      square: f[MarkerField.Square] === '1', step: Number(f[MarkerField.Step]) });
  }
  const button = (textContent, onclick, id) => h('button', { type: 'button', textContent, onclick, id });
  const bar = (...items) => h('div', { className: 'lp-nb-buttons' }, ...items);

  const tell = (title, text) => M.tk.message(title, text, 'OK');
  async function save(title, description, pattern, proposed, make, unmade) {
    const name = await M.tk.askSave(title, description, pattern, 'Numele fisierului:', proposed, 'Salveaza', 'Anuleaza');
    if (name === null) return;
    let made;
    try { made = await make(); } catch { await tell(title, unmade); return; }
    const failure = await M.tk.writeFile(name, made);
    if (failure !== null) {
      const [p, q] = [M.tk.cstr(name), M.tk.cstr(failure)];
      try { await M.tk.message(title, str(M._lopena_nb_save_failure(p, q)), 'OK'); } finally { M._free(p); M._free(q); }
    }
  }

  // The step table: a virtualised grid, rows appended as they come, only those in sight built.
  // Its columns fit the widest text seen in them; what does not fit scrolls sideways, header too.
  const table = (() => {
    const cell = (textContent, role) => { const c = h('span', { textContent }); c.setAttribute('role', role); return c; };
    // The columns the core gives the current throw (a throw in air has two more).
    let titles = [];
    const head = h('div', { className: 'lp-nb-row lp-nb-head' });
    const spacer = h('div', { className: 'lp-nb-spacer' });
    const view = h('div', { className: 'lp-nb-rows', id: 'stepTable', tabIndex: 0 }, head, spacer);
    view.setAttribute('aria-label', 'Tabelul pasilor aruncarii curente');
    view.setAttribute('role', 'grid');
    view.setAttribute('aria-multiselectable', 'true');
    head.setAttribute('role', 'row');
    head.setAttribute('aria-rowindex', 1);
    const shown = new Map(); // row index -> element
    const selected = new Set();
    let rows = 0, highest = -1, anchor = -1, cursor = -1, following = true;
    // The columns' widths in px, grown to each text measured in its row's font (6 px padding each side).
    const ruler = h('canvas').getContext('2d');
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
      const fields = str(M._lopena_nb_row(i)).split('\t');
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
        const node = h('div', { className: 'lp-nb-row', id: `step${i}` });
        node.style.top = `${(i + 1) * ROW_HEIGHT}px`;
        node.dataset.row = i;
        node.setAttribute('role', 'row');
        node.setAttribute('aria-rowindex', i + 2);
        fill(node, i);
        shown.set(i, node);
        view.append(node);
      }
    }
    // The last row in sight, below the header.
    // The last row in sight, below the header; the view scrolled there after its rows are in.
    const follow = () => { top = Math.max(0, (rows + 1) * ROW_HEIGHT - height); };
    function refresh(i) { if (shown.has(i)) fill(shown.get(i), i); }
    // Rows from `from` on changed or came, and the highest step moved to `top`.
    function grow(count, top, from) {
      for (const [i] of shown) if (i >= from) refresh(i);
      rows = count;
      if (top !== undefined && top !== highest) { const old = highest; highest = top; refresh(old); refresh(top); }
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
      titles = text(NotebookText.StepHeaders).split('\t');
      head.replaceChildren(...titles.map((t) => cell(t, 'columnheader')));
      view.setAttribute('aria-colcount', titles.length);
      fit(titles, '');
      selected.clear();
      rows = 0;
      highest = -1;
      anchor = cursor = -1;
      view.removeAttribute('aria-activedescendant');
      following = true;
      grow(M._lopena_nb_rows(), undefined, 0);
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
      try { return str(M._lopena_nb_text(NotebookText.CopiedRows, p, chosen.length)); } finally { M._free(p); }
    }
    // A refused clipboard (no permission, no focus, none at all) is told, not left unseen.
    const copyRows = () => {
      const t = copied();
      if (t) Promise.resolve().then(() => navigator.clipboard.writeText(t)).catch(() => tell('Copiaza',
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
    const copy = button('Copiaza', copyRows, 'copySteps');
    const exportSteps = button('Exporta CSV...', () => save(...CSV, 'zbor.csv', () => bytes(NotebookText.StepsCsv), ''), 'exportSteps');
    const pane = h('div', { className: 'lp-nb-pane' }, view, bar(copy, h('span', { className: 'lp-nb-gap' }), exportSteps));
    const show = settle;
    const restore = () => { view.scrollTop = top; };
    return { pane, grow, reset, render, show, restore, rows: () => rows };
  })();

  // The history: sortable by any column, a throw repeated by its button or a double click.
  const history = (() => {
    const headers = text(NotebookText.HistoryHeaders).split('\t');
    const body = h('tbody');
    const head = h('tr');
    const grid = h('table', { className: 'lp-nb-history', id: 'historyTable' }, h('thead', {}, head), body);
    let column = 0, descending = false, chosen = -1;
    const repeat = button('Repeta aruncarea', () => chosen >= 0 && M._lopena_nb_repeat(chosen), 'repeatThrow');
    const series = button('Serie de unghiuri', () => showSeries(M._lopena_nb_series()), 'angleSeries');
    series.title = 'Lanseaza pe rand la 15, 30, 45, 60 si 75 de grade, cu viteza si gravitatia din fereastra principala';
    const showSeries = (active) => series.setAttribute('aria-pressed', String(!!active));
    showSeries(false);
    headers.forEach((t, c) => {
      const th = h('th', { textContent: t, onclick: () => { descending = c === column && !descending; column = c; build(); } });
      head.append(th);
    });
    function build() {
      const count = M._lopena_nb_history();
      const order = [...Array(count).keys()].map((i) => [i, M._lopena_nb_history_key(i, column)]);
      order.sort((a, b) => (descending ? b[1] - a[1] : a[1] - b[1]) || a[0] - b[0]);
      [...head.children].forEach((th, c) => th.setAttribute('aria-sort', c !== column ? 'none' : descending ? 'descending' : 'ascending'));
      body.replaceChildren(...order.map(([i]) => {
        const [colour, ...cells] = str(M._lopena_nb_history_row(i)).split('\t');
        const swatch = h('td', {}, h('span', { className: 'lp-nb-swatch' }));
        swatch.firstChild.style.background = css(Number(colour));
        const tr = h('tr', {}, swatch, ...cells.map((t) => h('td', { textContent: t })));
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
    body.addEventListener('dblclick', (e) => { const tr = e.target.closest('tr'); if (tr) M._lopena_nb_repeat(Number(tr.dataset.row)); });
    const exportHistory = button('Exporta CSV...', () => save(...CSV, 'istoric.csv', () => bytes(NotebookText.HistoryCsv), ''), 'exportHistory');
    const pane = h('div', { className: 'lp-nb-pane' }, h('div', { className: 'lp-nb-scroll' }, grid),
      bar(repeat, series, h('span', { className: 'lp-nb-gap' }), exportHistory));
    return { pane, build, showSeries };
  })();

  // The worked solution as the core writes it, printed (and so saved as PDF) on an A4 page.
  const solution = (() => {
    const view = h('div', { className: 'lp-nb-solution', id: 'solution' });
    view.setAttribute('aria-label', 'Rezolvarea aruncarii curente');
    let stale = true;
    function build() {
      stale = false;
      const html = text(NotebookText.Solution);
      if (html) view.innerHTML = html; else view.textContent = text(NotebookText.NoSolution);
      savePdf.disabled = !html;
    }
    const savePdf = button('Salveaza PDF...', () => {
      const page = h('div', { className: 'lp-nb-print' });
      page.innerHTML = text(NotebookText.PrintPage);
      document.body.append(page);
      const title = document.title;
      document.title = text(NotebookText.PrintTitle);
      window.print();
      document.title = title;
      page.remove();
    }, 'savePdf');
    const pane = h('div', { className: 'lp-nb-pane' }, view, bar(h('span', { className: 'lp-nb-gap' }), savePdf));
    return { pane, build, stale: () => stale, outdate: () => { stale = true; } };
  })();

  // The graphs of the current throw, the earlier ones beside it on request. The axes are the
  // core's, fitted at launch to the whole computed flight: while they keep still, new steps are
  // drawn as new segments onto the chart. The page shows a copy of the chart with its two markers,
  // renewed after each drawing: the chart's own canvas, drawn into at every step, would cost the
  // browser more on every frame of the flight than all of the chart's drawing.
  const graph = (() => {
    const choice = h('select', { id: 'graphChoice' }, ...GRAPHS.map(([t], i) => h('option', { value: i, textContent: t })));
    choice.setAttribute('aria-label', 'Graficul afisat');
    const compare = h('input', { type: 'checkbox', id: 'compareThrows' });
    const holder = h('div', { className: 'lp-nb-chart', id: 'chartView' });
    holder.setAttribute('role', 'img');
    const shown = h('canvas', { className: 'lp-nb-shown' }); // the chart as the pupil sees it
    let plot = null, stale = true, shape = null, axes = [];
    let taken = 0, drawn = 0, stride = 1; // steps in the axes, steps in the curve, its stride
    const fmt = (v) => String(+v.toPrecision(6)).replace('.', separator);
    // The axes as the core fitted them, also told to a screen reader, as the chart is an image.
    function readAxes() {
      const at = M._lopena_nb_axes() >> 3;
      axes = [...M.HEAPF64.subarray(at, at + AxisField.Count)];
      const g = shape.g;
      holder.setAttribute('aria-label', `${g[GraphField.Title]}: ${g[GraphField.XTitle]} de la ${fmt(axes[AxisField.XLow])} la ` +
        `${fmt(axes[AxisField.XHigh])}, ${g[GraphField.YTitle]} de la ${fmt(axes[AxisField.YLow])} la ${fmt(axes[AxisField.YHigh])}`);
    }
    // A tick on each multiple of the axis' step; k: the axis' low (AxisField.XLow or YLow).
    const splits = (k) => () => {
      const [low, high, step] = axes.slice(k, k + 3);
      return Array.from({ length: Math.round((high - low) / step) + 1 }, (_, i) => low + i * step);
    };
    const info = (index, what) => M._lopena_nb_step_info(index, what);
    const value = (index, step, column) => M.HEAPF64[(M._lopena_nb_steps(index) >> 3) + StepField.Count * step + column];
    // The steps of a throw a curve of the chosen graph holds from `from` on, as [xs, ys] (the core's sampling).
    function points(index, every, withLast, from = 0) {
      const at = M._lopena_nb_curve(index, shape.graph, every, withLast ? 1 : 0, from) >> 3, n = M.HEAPF64[at];
      const xs = [], ys = [];
      for (let i = 0; i < n; ++i) { xs.push(M.HEAPF64[at + 1 + 2 * i]); ys.push(M.HEAPF64[at + 2 + 2 * i]); }
      return [xs, ys];
    }
    const landed = () => info(shape.current, StepInfo.Landing) >= 0;
    function data() {
      const { current, earlier } = shape;
      const n = info(current, StepInfo.Steps);
      stride = M._lopena_nb_stride(n);
      drawn = n;
      return [null, ...earlier.map((i) => points(i, M._lopena_nb_stride(info(i, StepInfo.Steps)), true)),
        points(current, stride, landed()), ...MARKERS.map(() => [[], []])];
    }
    // The markers onto `c` over the chart: a disc on the highest step, a square on the landing.
    function drawMarks(c) {
      const { g, current } = shape, b = plot.bbox;
      c.save();
      c.beginPath();
      c.rect(b.left, b.top, b.width, b.height);
      c.clip();
      for (const { step: what, fill, size, square } of MARKERS) {
        const step = info(current, what);
        if (step < 0) continue;
        const x = plot.valToPos(value(current, step, g[GraphField.XColumn]), 'x', true);
        const y = plot.valToPos(value(current, step, g[GraphField.YColumn]), 'y', true);
        const r = (size / 2) * devicePixelRatio;
        c.beginPath();
        if (square) c.rect(x - r, y - r, 2 * r, 2 * r); else c.arc(x, y, r, 0, 2 * Math.PI);
        c.fillStyle = fill;
        c.fill();
      }
      c.restore();
    }
    // The chart and its markers copied onto the canvas shown: one copy of the chart's pixels, no
    // buffer allocated or handed over per drawing.
    function present() {
      const src = plot.ctx.canvas, { width, height } = src;
      if (shown.width !== width || shown.height !== height) Object.assign(shown, { width, height });
      const c = shown.getContext('2d');
      c.globalCompositeOperation = 'copy';
      c.drawImage(src, 0, 0);
      c.globalCompositeOperation = 'source-over';
      drawMarks(c);
    }
    const line = (label, stroke, width) => ({ label, stroke, width, paths: uPlot.paths.linear(), points: { show: false },
      facets: [{ scale: 'x', auto: false }, { scale: 'y', auto: false }] });
    // A marker's entry in the legend; the marker itself is on its own layer.
    const legendOnly = (label, fill) => ({ label, stroke: fill, fill, width: 1, points: { show: false },
      facets: [{ scale: 'x', auto: false }, { scale: 'y', auto: false }], paths: () => ({ stroke: new Path2D(), fill: new Path2D() }) });
    function build() {
      stale = false;
      const graph = Number(choice.value), g = GRAPHS[graph];
      const count = M._lopena_nb_history(), current = count - 1;
      const earlier = compare.checked ? [...Array(Math.max(0, current)).keys()] : [];
      const size = [Math.max(200, holder.clientWidth), Math.max(160, holder.clientHeight - 110)];
      // The same graph of a new throw alone: the chart stays, only its curve is new.
      const same = plot && current >= 0 && shape.g === g && !earlier.length && !shape.earlier.length && `${size}` === shape.size;
      shape = { g, graph, current, earlier, colour: css(info(current, StepInfo.Colour)), size: `${size}` };
      if (!same) {
        plot?.destroy();
        plot = null;
        holder.replaceChildren();
      }
      if (current < 0) return;
      M._lopena_nb_fit_graph(graph, earlier.length ? 1 : 0, -1);
      taken = info(current, StepInfo.Steps);
      readAxes();
      const name = (i) => str(M._lopena_nb_throw_name(i));
      if (same) {
        plot.delSeries(1);
        plot.addSeries(line(name(current), shape.colour, 2.5), 1);
        redraw();
        return;
      }
      const opts = { mode: 2, title: g[GraphField.Title], width: size[0], height: size[1],
        legend: { live: false }, cursor: { show: false, drag: { x: false, y: false }, points: { show: false } },
        scales: { x: { time: false, auto: false, range: () => [axes[AxisField.XLow], axes[AxisField.XHigh]] },
          y: { auto: false, range: () => [axes[AxisField.YLow], axes[AxisField.YHigh]] } },
        axes: [{ label: g[GraphField.XTitle], splits: splits(AxisField.XLow), values: (u, v) => v.map(fmt) },
          { label: g[GraphField.YTitle], splits: splits(AxisField.YLow), values: (u, v) => v.map(fmt) }],
        series: [{}, ...earlier.map((i) => line(name(i), css(info(i, StepInfo.Colour)), 1.5)),
          line(name(current), shape.colour, 2.5), ...MARKERS.map((m) => legendOnly(m.name, m.fill))],
        hooks: { draw: [() => present()] } };
      plot = new uPlot(opts, data(), holder);
      plot.ctx.canvas.after(shown);
      showLanding();
    }
    // The landing's legend entry stands only once there is a landing to mark.
    const showLanding = () => { const rows = plot.root.querySelectorAll('.u-legend .u-series'); if (rows.length) rows[rows.length - 1].hidden = !landed(); };
    // The chart drawn whole, on the axes as they are now.
    function redraw() {
      showLanding();
      plot.batch(() => {
        plot.setData(data(), false);
        plot.setScale('x', { min: axes[AxisField.XLow], max: axes[AxisField.XHigh] });
        plot.setScale('y', { min: axes[AxisField.YLow], max: axes[AxisField.YHigh] });
      });
    }
    // The steps that came since the last drawing.
    function catchUp() {
      if (!plot || stale) return;
      showLanding();
      const { current } = shape, n = info(current, StepInfo.Steps);
      const moved = M._lopena_nb_fit_graph(0, 0, taken) === 1;
      taken = n;
      if (moved) readAxes();
      // New axes, a curve over its points or a landing between sampled steps: drawn whole.
      if (moved || M._lopena_nb_stride(n) !== stride || (landed() && (n - 1) % stride)) { redraw(); return; }
      const [xs, ys] = plot.data[shape.earlier.length + 1];
      const [nx, ny] = points(current, stride, false, drawn);
      drawn = n;
      if (nx.length) {
        const c = plot.ctx, b = plot.bbox;
        c.save();
        c.beginPath();
        c.rect(b.left, b.top, b.width, b.height);
        c.clip();
        c.strokeStyle = shape.colour;
        c.lineWidth = 2.5 * devicePixelRatio;
        c.lineJoin = 'round';
        c.beginPath();
        if (xs.length) c.moveTo(plot.valToPos(xs.at(-1), 'x', true), plot.valToPos(ys.at(-1), 'y', true));
        nx.forEach((x, i) => c.lineTo(plot.valToPos(x, 'x', true), plot.valToPos(ny[i], 'y', true)));
        c.stroke();
        c.restore();
        xs.push(...nx); // the chart's own data, for when it draws itself anew
        ys.push(...ny);
      }
      present();
    }
    choice.addEventListener('change', build);
    compare.addEventListener('change', build);
    const saveImage = button('Salveaza imagine...', () => save('Salveaza imagine', 'Imagini PNG (*.png)', '*.png', 'grafic.png', image,
      'Imaginea graficului nu a putut fi creata: browserul nu a dat imaginea PNG. Nimic nu a fost salvat.'), 'saveImage');
    // The chart as the pupil sees it: title, plot and legend on white.
    function image() {
      const src = plot?.ctx.canvas;
      const c = h('canvas', { width: src ? src.width : 300, height: (src ? src.height : 150) + 56 });
      const x = c.getContext('2d');
      x.fillStyle = '#fff';
      x.fillRect(0, 0, c.width, c.height);
      x.fillStyle = '#000';
      x.font = 'bold 14px sans-serif';
      x.textAlign = 'center';
      if (plot) {
        x.fillText(shape.g[GraphField.Title], c.width / 2, 20);
        x.drawImage(src, 0, 28);
        x.save();
        x.translate(0, 28);
        drawMarks(x);
        x.restore();
        x.font = '12px sans-serif';
        x.textAlign = 'left';
        let left = 10;
        for (const s of plot.series.slice(1)) {
          x.fillStyle = s._stroke || s.stroke?.() || '#000';
          x.fillRect(left, c.height - 18, 12, 8);
          x.fillStyle = '#000';
          x.fillText(s.label, left + 16, c.height - 10);
          left += 28 + x.measureText(s.label).width;
        }
      }
      // No PNG from the browser (a canvas too large, memory short): a failure, never a wait.
      return new Promise((resolve, reject) => c.toBlob((b) => (b ? b.arrayBuffer().then((a) => resolve(new Uint8Array(a)), reject)
        : reject(new Error('no PNG'))), 'image/png'));
    }
    const options = h('div', { className: 'lp-nb-buttons' }, choice,
      h('label', {}, compare, ' Compara cu aruncarile anterioare'), h('span', { className: 'lp-nb-gap' }), saveImage);
    const pane = h('div', { className: 'lp-nb-pane' }, options, holder);
    return { pane, build, catchUp, stale: () => stale, outdate: () => { stale = true; } };
  })();

  // The panel, its tabs and its place beside the window (below it on a narrow screen).
  const names = ['Tabel', 'Grafice', 'Istoric', 'Rezolvare'];
  const panes = [table, graph, history, solution];
  const tabs = names.map((t, i) => {
    const tab = h('button', { type: 'button', textContent: t, id: `tab${t}`, onclick: () => choose(i) });
    tab.setAttribute('role', 'tab');
    tab.setAttribute('aria-controls', `pane${t}`);
    Object.assign(panes[i].pane, { id: `pane${t}` });
    panes[i].pane.setAttribute('role', 'tabpanel');
    panes[i].pane.setAttribute('aria-labelledby', tab.id);
    return tab;
  });
  const tabList = h('div', { className: 'lp-nb-tabs' }, ...tabs);
  tabList.setAttribute('role', 'tablist');
  tabList.setAttribute('aria-label', 'Paginile caietului');
  // The keys of tabs: arrows, Home and End choose and focus another.
  tabList.addEventListener('keydown', (e) => {
    const n = tabs.length, to = { ArrowRight: current + 1, ArrowLeft: current + n - 1, Home: 0, End: n - 1 }[e.key];
    if (to === undefined) return;
    e.preventDefault();
    choose(to % n);
    tabs[to % n].focus();
  });
  const close = button('\u00d7', () => hide(), 'notebookClose');
  close.setAttribute('aria-label', 'Inchide caietul de laborator');
  const root = h('section', { className: 'lp-notebook', id: 'notebook', hidden: true },
    h('div', { className: 'lp-nb-title' }, h('h2', { textContent: 'Caiet de laborator' }), close), tabList,
    ...panes.map((p) => p.pane));
  root.setAttribute('aria-label', 'Caiet de laborator');
  let current = 0;
  function choose(i) {
    current = i;
    tabs.forEach((t, j) => { t.setAttribute('aria-selected', String(i === j)); t.tabIndex = i === j ? 0 : -1; });
    panes.forEach((p, j) => { p.pane.hidden = i !== j; });
    if (i === 0) table.show();
    if (panes[i].stale?.()) panes[i].build();
  }
  // Beside the window when there is room, else below it, over its lower part if need be; in a
  // viewport too short for that, below Start, its title bar in sight.
  function place() {
    const w = document.querySelector('.lp-window')?.getBoundingClientRect();
    if (!w) return;
    const [vw, vh] = [document.documentElement.clientWidth, document.documentElement.clientHeight];
    const right = vw - w.right - 8, below = vh - w.bottom - 4;
    const start = document.getElementById('cmdFire')?.getBoundingClientRect().bottom ?? 0;
    let top = Math.min(w.bottom + 4, vh - MIN_BELOW);
    if (top < 0) top = Math.max(0, Math.min(vh - TITLE_HEIGHT, start + 4)); // a viewport too short
    const box = right >= MIN_BESIDE || (below < MIN_BELOW && right >= MIN_NARROW) ? [w.right + 8, 0, right, vh]
      : [0, top, vw, vh - top];
    Object.assign(root.style, { left: `${box[0]}px`, top: `${box[1]}px`, width: `${box[2]}px`, height: `${box[3]}px` });
  }
  // A modal dialog of the page makes everything outside it inert: the panel goes into the
  // topmost one while it is open, and comes back after, so that it stays usable.
  function adopt() {
    const home = [...document.querySelectorAll('dialog')].filter((d) => d.open && d.matches(':modal')).pop() || document.body;
    if (root.parentNode === home) return;
    // First in a dialog, so that the dialog's own content stays above the panel where they meet.
    if (home === document.body) home.append(root); else home.prepend(root);
    table.restore(); // a move, or a dialog taken away with the panel in it, loses the scroll
  }
  const watch = new MutationObserver(adopt);
  watch.observe(document.body, { childList: true });
  // The dialog the panel sits in takes none of its keys but Esc, which closes that dialog;
  // outside a dialog, Esc closes the panel.
  root.addEventListener('keydown', (e) => {
    e.stopPropagation();
    if (e.key === 'Escape' && root.parentNode === document.body) { e.preventDefault(); hide(); }
  });
  const resized = () => { if (!root.hidden) { place(); table.render(); } };
  addEventListener('resize', resized);
  visualViewport?.addEventListener('resize', resized);
  document.body.append(root);
  // The program's end takes the panel away for good.
  M.tk.whenEnded(() => {
    watch.disconnect();
    removeEventListener('resize', resized);
    visualViewport?.removeEventListener('resize', resized);
    root.remove();
  });

  let returnTo = null; // what had the focus when the panel opened
  function show() {
    if (root.hidden) returnTo = document.activeElement;
    root.hidden = false;
    adopt();
    place();
    table.reset();
    history.build();
    solution.outdate();
    graph.outdate();
    choose(current);
  }
  function hide() {
    const inside = root.contains(document.activeElement);
    root.hidden = true;
    if (inside) returnTo?.focus?.();
    M._lopena_nb_opened(0);
  }
  // The core's feed (NotebookFeed): a throw's start and landing at once, its steps gathered four
  // times a second, as on the desktop, so that the page lays out and draws a few steps at once.
  return {
    show,
    started() {
      table.reset();
      history.build();
      solution.outdate();
      graph.outdate();
      if (current === 3 || current === 1) panes[current].build();
    },
    steps(rows, highest) {
      table.grow(rows, highest, table.rows());
      graph.catchUp();
    },
    landed() {
      table.grow(M._lopena_nb_rows(), undefined, Math.max(0, table.rows() - 1));
      graph.catchUp();
    },
    series(active) { history.showSeries(active); },
  };
}

