// The lab notebook's panel beside the main window: the tabs "Tabel", "Grafice", "Istoric" and
// "Rezolvare". It only lays out what the C++ side (notebook/web/WebNotebook) hands it: every
// cell, CSV byte and line of the solution is the core's. uPlot (npm, inlined before this script)
// draws the graphs.

const ROW_HEIGHT = 18; // px, a row of the step table
const SPARE_ROWS = 8; // rendered beyond each edge of the visible rows
const MAX_POINTS = 1024; // a curve holds at most this many points, as on the desktop
const GATHER_MS = 250; // steps reach the graph at most this often
const MIN_BESIDE = 420; // the least width of the panel beside the window, px
const MIN_BELOW = 260; // the least height of the panel below it, px
const CSV = ['Exporta CSV', 'Fisiere CSV (*.csv)', '*.csv'];
// A graph: its title, axis titles and the numbers of a step it plots (t, x, y, vx, vy, v).
const GRAPHS = [['Traiectoria y(x)', 'x (m)', 'y (m)', 1, 2], ['Distanta x(t)', 't (s)', 'x (m)', 0, 1],
  ['Inaltimea y(t)', 't (s)', 'y (m)', 0, 2], ['Viteza verticala vy(t)', 't (s)', 'vy (m/s)', 0, 4]];

const h = (tag, props = {}, ...children) => {
  const e = Object.assign(document.createElement(tag), props);
  e.append(...children);
  return e;
};
const css = (c) => `rgb(${c & 255},${(c >> 8) & 255},${(c >> 16) & 255})`;
const two = (n) => String(n).padStart(2, '0');

function makePanel(M, separator) {
  const str = (p) => M.UTF8ToString(p);
  // A text of the core as its exact bytes.
  const bytes = (what) => {
    const p = M._lopena_nb_text(what, 0, 0);
    return M.HEAPU8.slice(p, p + M._lopena_nb_size());
  };
  const button = (textContent, onclick, id) => h('button', { type: 'button', textContent, onclick, id });
  const bar = (...items) => h('div', { className: 'nb-buttons' }, ...items);

  async function save(title, description, pattern, proposed, make) {
    const name = await M.tk.askSave(title, description, pattern, 'Numele fisierului:', proposed, 'Salveaza', 'Anuleaza');
    if (name === null) return;
    const failure = await M.tk.writeFile(name, await make());
    if (failure !== null) {
      await M.tk.message(title, `Fisierul nu a putut fi salvat:\n${name}\n\nMotiv: ${failure}\n\n` +
        'Fisierul existent, daca exista, a ramas neschimbat.', 'OK');
    }
  }

  // The step table: a virtualised list, rows appended as they come, only those in sight built.
  const table = (() => {
    const head = h('div', { className: 'nb-row nb-head' },
      ...['n', 't (s)', 'x (m)', 'y (m)', 'vx (m/s)', 'vy (m/s)', 'v (m/s)'].map((t) => h('span', { textContent: t })));
    const spacer = h('div', { className: 'nb-spacer' });
    const view = h('div', { className: 'nb-rows', id: 'stepTable', tabIndex: 0 }, head, spacer);
    view.setAttribute('aria-label', 'Tabelul pasilor aruncarii curente');
    view.setAttribute('role', 'grid');
    const shown = new Map(); // row index -> element
    const selected = new Set();
    let rows = 0, highest = -1, anchor = -1, following = true;

    function fill(node, i) {
      const fields = str(M._lopena_nb_row(i)).split('\t');
      node.replaceChildren(...fields.slice(0, 7).map((t) => h('span', { textContent: t })));
      node.title = fields[7];
      node.classList.toggle('marked', fields[7] !== '');
      node.classList.toggle('closing', fields[8] === '1');
      node.classList.toggle('selected', selected.has(i));
    }
    // From the view's scroll position and height as last known: no layout is asked for here.
    let top = 0, height = 0;
    function render() {
      const first = Math.max(0, Math.floor(top / ROW_HEIGHT) - SPARE_ROWS);
      const last = Math.min(rows - 1, Math.ceil((top + height) / ROW_HEIGHT) + SPARE_ROWS);
      for (const [i, node] of shown) if (i < first || i > last) { node.remove(); shown.delete(i); }
      for (let i = first; i <= last; ++i) {
        if (shown.has(i)) continue;
        const node = h('div', { className: 'nb-row' });
        node.style.top = `${(i + 1) * ROW_HEIGHT}px`;
        node.dataset.row = i;
        fill(node, i);
        shown.set(i, node);
        view.append(node);
      }
    }
    // The last row in sight, below the header.
    const follow = () => { top = Math.max(0, (rows + 1) * ROW_HEIGHT - height); view.scrollTop = top; };
    function refresh(i) { if (shown.has(i)) fill(shown.get(i), i); }
    // Rows from `from` on changed or came; the others stay as they are.
    function grow(count, top, from) {
      for (const [i] of shown) if (i >= from) refresh(i);
      rows = count;
      if (top !== undefined && top !== highest) { const old = highest; highest = top; refresh(old); refresh(top); }
      spacer.style.height = `${(rows + 1) * ROW_HEIGHT}px`;
      if (pane.hidden) return; // laid out when its tab is chosen
      if (following) follow();
      render();
    }
    function reset() {
      for (const node of shown.values()) node.remove();
      shown.clear();
      selected.clear();
      rows = 0;
      highest = -1;
      following = true;
      grow(M._lopena_nb_rows(), undefined, 0);
    }
    view.addEventListener('scroll', () => {
      if (view.scrollTop === top) return; // where the table put itself
      top = view.scrollTop;
      following = top + height >= (rows + 1) * ROW_HEIGHT - 2;
      render();
    });
    new ResizeObserver(() => { height = view.clientHeight; if (following) follow(); render(); }).observe(view);
    view.addEventListener('click', (e) => {
      const i = Number(e.target.closest('[data-row]')?.dataset.row ?? -1);
      if (i < 0) return;
      if (!e.ctrlKey && !e.metaKey) selected.clear();
      if (e.shiftKey && anchor >= 0) for (let j = Math.min(anchor, i); j <= Math.max(anchor, i); ++j) selected.add(j);
      else if (selected.has(i) && (e.ctrlKey || e.metaKey)) selected.delete(i);
      else selected.add(i);
      if (!e.shiftKey) anchor = i;
      for (const [j, node] of shown) node.classList.toggle('selected', selected.has(j));
    });
    // The selected rows, in the table's order, with a header, tab-separated.
    function copied() {
      const chosen = [...selected].sort((a, b) => a - b);
      if (!chosen.length) return '';
      const p = M._malloc(4 * chosen.length);
      M.HEAP32.set(chosen, p >> 2);
      try { return str(M._lopena_nb_text(0, p, chosen.length)); } finally { M._free(p); }
    }
    const copyRows = () => { const t = copied(); if (t) navigator.clipboard.writeText(t); };
    view.addEventListener('keydown', (e) => {
      if ((e.ctrlKey || e.metaKey) && !e.altKey && e.code === 'KeyC') { e.preventDefault(); copyRows(); }
    });
    const copy = button('Copiaza', copyRows, 'copySteps');
    const exportSteps = button('Exporta CSV...', () => save(...CSV, 'zbor.csv', () => bytes(1)), 'exportSteps');
    const pane = h('div', { className: 'nb-pane' }, view, bar(copy, h('span', { className: 'nb-gap' }), exportSteps));
    const show = () => { if (following) follow(); render(); };
    const restore = () => { view.scrollTop = top; };
    return { pane, grow, reset, render, show, restore, rows: () => rows };
  })();

  // The history: sortable by any column, a throw repeated by its button or a double click.
  const history = (() => {
    const headers = ['Culoare', 'v0 (m/s)', 'Unghi (grade)', 'g (m/s2)', 'T (s)', 'D (m)', 'H (m)', 'V (m/s)'];
    const body = h('tbody');
    const head = h('tr');
    const grid = h('table', { className: 'nb-history', id: 'historyTable' }, h('thead', {}, head), body);
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
        const swatch = h('td', {}, h('span', { className: 'nb-swatch' }));
        swatch.firstChild.style.background = css(Number(colour));
        const tr = h('tr', {}, swatch, ...cells.map((t) => h('td', { textContent: t })));
        tr.dataset.row = i;
        tr.classList.toggle('selected', i === chosen);
        return tr;
      }));
      repeat.disabled = chosen < 0;
    }
    body.addEventListener('click', (e) => {
      const tr = e.target.closest('tr');
      if (!tr) return;
      chosen = Number(tr.dataset.row);
      for (const r of body.children) r.classList.toggle('selected', r === tr);
      repeat.disabled = false;
    });
    body.addEventListener('dblclick', (e) => { const tr = e.target.closest('tr'); if (tr) M._lopena_nb_repeat(Number(tr.dataset.row)); });
    const exportHistory = button('Exporta CSV...', () => save(...CSV, 'istoric.csv', () => bytes(2)), 'exportHistory');
    const pane = h('div', { className: 'nb-pane' }, h('div', { className: 'nb-scroll' }, grid),
      bar(repeat, series, h('span', { className: 'nb-gap' }), exportHistory));
    return { pane, build, showSeries };
  })();

  // The worked solution as the core writes it, printed (and so saved as PDF) on an A4 page.
  const solution = (() => {
    const view = h('div', { className: 'nb-solution', id: 'solution' });
    view.setAttribute('aria-label', 'Rezolvarea aruncarii curente');
    let stale = true;
    function build() {
      stale = false;
      const html = str(M._lopena_nb_text(3, 0, 0));
      if (html) view.innerHTML = html; else view.textContent = 'Apasati Start pentru a vedea rezolvarea.';
      savePdf.disabled = !html;
    }
    const savePdf = button('Salveaza PDF...', () => {
      const now = new Date();
      const page = h('div', { className: 'nb-print' });
      page.innerHTML = `<h2>Aruncare pe oblica - rezolvare</h2><p>Data: ${two(now.getDate())}.${two(now.getMonth() + 1)}.` +
        `${now.getFullYear()} ${two(now.getHours())}:${two(now.getMinutes())}</p>${str(M._lopena_nb_text(4, 0, 0))}<hr>` +
        str(M._lopena_nb_text(3, 0, 0));
      document.body.append(page);
      const title = document.title;
      document.title = 'Aruncare pe oblica - rezolvare';
      window.print();
      document.title = title;
      page.remove();
    }, 'savePdf');
    const pane = h('div', { className: 'nb-pane' }, view, bar(h('span', { className: 'nb-gap' }), savePdf));
    return { pane, build, stale: () => stale, outdate: () => { stale = true; } };
  })();

  // The graphs of the current throw, the earlier ones beside it on request.
  const graph = (() => {
    const choice = h('select', { id: 'graphChoice' }, ...GRAPHS.map(([t], i) => h('option', { value: i, textContent: t })));
    choice.setAttribute('aria-label', 'Graficul afisat');
    const compare = h('input', { type: 'checkbox', id: 'compareThrows' });
    const holder = h('div', { className: 'nb-chart', id: 'chartView' });
    let plot = null, stale = true, due = false;
    const fmt = (v) => String(+v.toPrecision(6)).replace('.', separator);
    // Every stride-th step of a throw (and its last) as [xs, ys] of the chosen graph.
    function points(index, [, , , gx, gy], withLast) {
      const n = M._lopena_nb_step_info(index, 0);
      if (n <= 0) return [[], []];
      const at = M._lopena_nb_steps(index) >> 3, steps = M.HEAPF64;
      let stride = 1;
      while (Math.ceil(n / stride) > MAX_POINTS) stride *= 2;
      const xs = [], ys = [];
      for (let i = 0; i < n; i += stride) { xs.push(steps[at + 6 * i + gx]); ys.push(steps[at + 6 * i + gy]); }
      if (withLast && (n - 1) % stride) { xs.push(steps[at + 6 * (n - 1) + gx]); ys.push(steps[at + 6 * (n - 1) + gy]); }
      return [xs, ys];
    }
    function marker(index, what, g) {
      const step = M._lopena_nb_step_info(index, what);
      if (step < 0) return [[], []];
      const at = (M._lopena_nb_steps(index) >> 3) + 6 * step;
      return [[M.HEAPF64[at + g[3]]], [M.HEAPF64[at + g[4]]]];
    }
    function data(g, current, earlier) {
      return [null, ...earlier.map((i) => points(i, g, true)), points(current, g, M._lopena_nb_step_info(current, 2) >= 0),
        marker(current, 1, g), marker(current, 2, g)];
    }
    const line = (label, stroke, width) => ({ label, stroke, width, paths: uPlot.paths.linear(), points: { show: false },
      facets: [{ scale: 'x', auto: true }, { scale: 'y', auto: true }] });
    // A marker of one step: a disc, or a square for the landing.
    const dot = (label, fill, size, square) => ({ label, stroke: fill, fill, width: 1, points: { show: false },
      facets: [{ scale: 'x', auto: true }, { scale: 'y', auto: true }],
      paths: (u, i) => {
        const [xs, ys] = u.data[i], p = new Path2D(), r = (size / 2) * devicePixelRatio;
        if (xs.length) {
          const x = u.valToPos(xs[0], 'x', true), y = u.valToPos(ys[0], 'y', true);
          if (square) p.rect(x - r, y - r, 2 * r, 2 * r); else p.arc(x, y, r, 0, 2 * Math.PI);
        }
        return { stroke: p, fill: p };
      } });
    let shape = null;
    function build() {
      stale = false;
      const g = GRAPHS[choice.value];
      const count = M._lopena_nb_history(), current = count - 1;
      const earlier = compare.checked ? [...Array(Math.max(0, current)).keys()] : [];
      shape = { g, current, earlier };
      plot?.destroy();
      holder.replaceChildren();
      if (current < 0) return;
      const name = (i) => `Aruncarea ${M._lopena_nb_step_info(i, 4)}`;
      const opts = { mode: 2, title: g[0], width: Math.max(200, holder.clientWidth), height: Math.max(160, holder.clientHeight - 110),
        legend: { live: false }, cursor: { drag: { x: false, y: false }, points: { show: false } },
        scales: { x: { time: false }, y: {} },
        axes: [{ label: g[1], values: (u, v) => v.map(fmt) }, { label: g[2], values: (u, v) => v.map(fmt) }],
        series: [{}, ...earlier.map((i) => line(name(i), css(M._lopena_nb_step_info(i, 3)), 1.5)),
          line(name(current), css(M._lopena_nb_step_info(current, 3)), 2.5),
          dot('Punctul cel mai inalt', '#d02020', 11), dot('Aterizare', '#2040c0', 10, true)] };
      plot = new uPlot(opts, data(g, current, earlier), holder);
    }
    // The current curve again from its steps, gathered four times a second as on the desktop:
    // each drawing redraws the whole chart.
    function update() {
      if (due || stale) return;
      due = true;
      setTimeout(() => {
        due = false;
        if (plot && shape && !stale) plot.setData(data(shape.g, shape.current, shape.earlier));
      }, GATHER_MS);
    }
    choice.addEventListener('change', build);
    compare.addEventListener('change', build);
    const saveImage = button('Salveaza imagine...', () => save('Salveaza imagine', 'Imagini PNG (*.png)', '*.png', 'grafic.png', image), 'saveImage');
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
        x.fillText(shape.g[0], c.width / 2, 20);
        x.drawImage(src, 0, 28);
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
      return new Promise((resolve) => c.toBlob(async (b) => resolve(new Uint8Array(await b.arrayBuffer())), 'image/png'));
    }
    const options = h('div', { className: 'nb-buttons' }, choice,
      h('label', {}, compare, ' Compara cu aruncarile anterioare'), h('span', { className: 'nb-gap' }), saveImage);
    const pane = h('div', { className: 'nb-pane' }, options, holder);
    return { pane, build, update, stale: () => stale, outdate: () => { stale = true; } };
  })();

  // The panel, its tabs and its place beside the window (below it on a narrow screen).
  const names = ['Tabel', 'Grafice', 'Istoric', 'Rezolvare'];
  const panes = [table, graph, history, solution];
  const tabs = names.map((t, i) => {
    const tab = h('button', { type: 'button', textContent: t, id: `tab${t}`, onclick: () => choose(i) });
    tab.setAttribute('role', 'tab');
    return tab;
  });
  const tabList = h('div', { className: 'nb-tabs' }, ...tabs);
  tabList.setAttribute('role', 'tablist');
  const close = button('\u00d7', () => hide(), 'notebookClose');
  close.setAttribute('aria-label', 'Inchide caietul de laborator');
  const root = h('section', { className: 'notebook', id: 'notebook', hidden: true },
    h('div', { className: 'nb-title' }, h('span', { textContent: 'Caiet de laborator' }), close), tabList,
    ...panes.map((p) => p.pane));
  root.setAttribute('aria-label', 'Caiet de laborator');
  let current = 0;
  function choose(i) {
    current = i;
    tabs.forEach((t, j) => t.setAttribute('aria-selected', String(i === j)));
    panes.forEach((p, j) => { p.pane.hidden = i !== j; });
    if (i === 0) table.show();
    if (panes[i].stale?.()) panes[i].build();
  }
  function place() {
    const w = document.querySelector('.window')?.getBoundingClientRect();
    if (!w) return;
    const right = innerWidth - w.right - 8;
    const box = right >= MIN_BESIDE ? [w.right + 8, 0, right, innerHeight]
      : [0, Math.min(w.bottom + 4, innerHeight - MIN_BELOW), innerWidth, Math.max(MIN_BELOW, innerHeight - w.bottom - 4)];
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
  new MutationObserver(adopt).observe(document.body, { childList: true });
  // The dialog the panel sits in takes none of its keys.
  root.addEventListener('keydown', (e) => { e.stopPropagation(); if (e.key === 'Escape') e.preventDefault(); });
  addEventListener('resize', () => { if (!root.hidden) { place(); table.render(); } });
  document.body.append(root);

  function show() {
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
    root.hidden = true;
    M._lopena_nb_opened(0);
  }
  return {
    show,
    started() {
      table.reset();
      history.build();
      solution.outdate();
      graph.outdate();
      if (current === 3 || current === 1) panes[current].build();
    },
    step(rows, highest) {
      table.grow(rows, highest, table.rows());
      graph.update();
    },
    landed() {
      const rows = M._lopena_nb_rows();
      table.grow(rows, undefined, Math.max(0, table.rows() - 1));
      graph.update();
    },
    series(active) { history.showSeries(active); },
  };
}

window.lopenaNotebook = (M, separator) => { (M.notebook ||= makePanel(M, separator)).show(); };
