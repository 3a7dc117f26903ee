// The graphs of the current throw, the earlier ones beside it on request. The axes are the
// core's, fitted at launch to the whole computed flight: while they keep still, new steps are
// drawn as new segments onto the chart. The page shows a copy of the chart with its two markers,
// renewed after each drawing: the chart's own canvas, drawn into at every step, would cost the
// browser more on every frame of the flight than all of the chart's drawing.
import uPlot from './uPlot.js';
import { AxisField, GraphField, MarkerField, StepField, StepInfo } from './bridge.mjs';
import { el, rgb } from '../../toolkit/web/dom.js';

// The graphs, each as its fields (GraphField): titles, and the numbers of a step it plots.
function readGraphs({ calls, str }) {
  const graphs = [];
  for (let i = 0, g; (g = str(calls.nbGraph(i))); ++i)
    graphs.push(g.split('\t').map((f, j) => (j < GraphField.XColumn ? f : Number(f))));
  return graphs;
}

// The current throw's markers (MarkerField): name, colour, size, square, the step it marks.
function readMarkers({ calls, str }) {
  const markers = [];
  for (let i = 0, m; (m = str(calls.nbMarker(i))); ++i) {
    const f = m.split('\t');
    markers.push({ name: f[MarkerField.Name], fill: rgb(Number(f[MarkerField.Colour])), size: Number(f[MarkerField.Size]),
      square: f[MarkerField.Square] === '1', step: Number(f[MarkerField.Step]) });
  }
  return markers;
}

// separator: the decimal separator of the axes' numbers.
export function graphPane(parts, separator) {
  const { M, calls, str } = parts;
  const GRAPHS = readGraphs(parts), MARKERS = readMarkers(parts);
  const SERIES = GRAPHS.length; // the last choice: D(alpha) of the last series of angles
  const seriesTexts = () => str(calls.nbSeriesTexts()).split('\t');
  const choice = el('select', { id: 'graphChoice' }, ...GRAPHS.map(([t], i) => el('option', { value: i, textContent: t })),
    el('option', { value: SERIES, textContent: seriesTexts()[0] }));
  choice.setAttribute('aria-label', 'Graficul afisat');
  const compare = el('input', { type: 'checkbox', id: 'compareThrows' });
  const holder = el('div', { className: 'lp-nb-chart', id: 'chartView' });
  holder.setAttribute('role', 'img');
  const shown = el('canvas', { className: 'lp-nb-shown' }); // the chart as the pupil sees it
  let plot = null, stale = true, shape = null, axes = [];
  let taken = 0, drawn = 0, stride = 1; // steps in the axes, steps in the curve, its stride
  const fmt = (v) => String(+v.toPrecision(6)).replace('.', separator);
  // The axes as the core fitted them, also told to a screen reader, as the chart is an image.
  function readAxes() {
    const at = calls.nbAxes() >> 3;
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
  const info = (index, what) => calls.nbStepInfo(index, what);
  const value = (index, step, column) => M.HEAPF64[(calls.nbSteps(index) >> 3) + StepField.Count * step + column];
  // The steps of a throw a curve of the chosen graph holds from `from` on, as [xs, ys] (the core's sampling).
  function points(index, every, withLast, from = 0) {
    const at = calls.nbCurve(index, shape.graph, every, withLast ? 1 : 0, from) >> 3, n = M.HEAPF64[at];
    const xs = [], ys = [];
    for (let i = 0; i < n; ++i) { xs.push(M.HEAPF64[at + 1 + 2 * i]); ys.push(M.HEAPF64[at + 2 + 2 * i]); }
    return [xs, ys];
  }
  const landed = () => info(shape.current, StepInfo.Landing) >= 0;
  function data() {
    const { current, earlier } = shape;
    const n = info(current, StepInfo.Steps);
    stride = calls.nbStride(n);
    drawn = n;
    return [null, ...earlier.map((i) => points(i, calls.nbStride(info(i, StepInfo.Steps)), true)),
      points(current, stride, landed()), ...MARKERS.map(() => [[], []])];
  }
  // The markers onto `c` over the chart: a disc on the highest step, a square on the landing.
  function drawMarks(c) {
    const { g, current } = shape, b = plot.bbox;
    c.save();
    c.beginPath();
    c.rect(b.left, b.top, b.width, b.height);
    c.clip();
    if (shape.series) { seriesDots(c); c.restore(); return; }
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
  // D(alpha)'s points as discs, then the best angle's larger one.
  function seriesDots(c) {
    for (const [k, r, fill] of [[1, 3.5, shape.colour], [2, 5.5, shape.bestColour]]) {
      const [xs, ys] = plot.data[k];
      c.fillStyle = fill;
      xs.forEach((x, i) => {
        c.beginPath();
        c.arc(plot.valToPos(x, 'x', true), plot.valToPos(ys[i], 'y', true), r * devicePixelRatio, 0, 2 * Math.PI);
        c.fill();
      });
    }
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
  // D(alpha) of the last series: its points joined, the best angle marked, drawn whole each time.
  function buildSeries(size) {
    plot?.destroy();
    holder.replaceChildren();
    const [title, xTitle, yTitle, name, bestName, lineColour, bestColour] = seriesTexts();
    const H = M.HEAPF64, at = calls.nbSeriesPoints() >> 3, n = H[at];
    axes = [...H.subarray(at + 3, at + 3 + AxisField.Count)];
    const xs = [], ys = [];
    for (let i = 0; i < n; ++i) { xs.push(H[at + 9 + 2 * i]); ys.push(H[at + 10 + 2 * i]); }
    const best = H[at + 2] >= 0 && n ? [[H[at + 1]], [H[at + 2]]] : [[], []];
    shape = { series: true, g: [title, xTitle, yTitle], graph: SERIES, current: calls.nbHistory() - 1, earlier: [], size: `${size}`,
      colour: rgb(Number(lineColour)), bestColour: rgb(Number(bestColour)) };
    holder.setAttribute('aria-label', n ? `${title}: ${n} aruncari, ${name}; ${bestName}` : `${title}: nicio serie de unghiuri inca`);
    plot = new uPlot({ mode: 2, title, width: size[0], height: size[1], legend: { live: false },
      cursor: { show: false, drag: { x: false, y: false }, points: { show: false } },
      scales: { x: { time: false, auto: false, range: () => [axes[AxisField.XLow], axes[AxisField.XHigh]] },
        y: { auto: false, range: () => [axes[AxisField.YLow], axes[AxisField.YHigh]] } },
      axes: [{ label: xTitle, splits: splits(AxisField.XLow), values: (u, v) => v.map(fmt) },
        { label: yTitle, splits: splits(AxisField.YLow), values: (u, v) => v.map(fmt) }],
      series: [{}, line(name, shape.colour, 2), legendOnly(bestName, shape.bestColour)],
      hooks: { draw: [() => present()] } }, [null, [xs, ys], best], holder);
    plot.ctx.canvas.after(shown);
    // No series yet: no empty entries in the legend.
    for (const row of plot.root.querySelectorAll('.u-legend .u-series')) row.hidden = !n;
  }
  function build() {
    stale = false;
    const size = [Math.max(200, holder.clientWidth), Math.max(160, holder.clientHeight - 110)];
    if (Number(choice.value) === SERIES) { buildSeries(size); return; }
    const graph = Number(choice.value), g = GRAPHS[graph];
    const count = calls.nbHistory(), current = count - 1;
    const earlier = compare.checked ? [...Array(Math.max(0, current)).keys()] : [];
    // The same graph of a new throw alone: the chart stays, only its curve is new.
    const same = plot && current >= 0 && !shape.series && shape.g === g && !earlier.length && !shape.earlier.length && `${size}` === shape.size;
    shape = { g, graph, current, earlier, colour: rgb(info(current, StepInfo.Colour)), size: `${size}` };
    if (!same) {
      plot?.destroy();
      plot = null;
      holder.replaceChildren();
    }
    if (current < 0) return;
    calls.nbFitGraph(graph, earlier.length ? 1 : 0);
    taken = info(current, StepInfo.Steps);
    readAxes();
    const name = (i) => str(calls.nbThrowName(i));
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
      series: [{}, ...earlier.map((i) => line(name(i), rgb(info(i, StepInfo.Colour)), 1.5)),
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
    // D(alpha) takes in the current throw once it is down.
    if (shape.series) { if (landed() && shape.landedThrow !== shape.current) { build(); shape.landedThrow = shape.current; } return; }
    showLanding();
    const { current } = shape, n = info(current, StepInfo.Steps);
    const moved = calls.nbGrowGraph(taken) === 1;
    taken = n;
    if (moved) readAxes();
    // New axes, a curve over its points or a landing between sampled steps: drawn whole.
    if (moved || calls.nbStride(n) !== stride || (landed() && (n - 1) % stride)) { redraw(); return; }
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
  const saveImage = parts.button('Salveaza imagine...', () => parts.save('Salveaza imagine', 'Imagini PNG (*.png)', '*.png', 'grafic.png', image,
    'Imaginea graficului nu a putut fi creata: browserul nu a dat imaginea PNG. Nimic nu a fost salvat.'), 'saveImage');
  // The chart as the pupil sees it: title, plot and legend on white.
  function image() {
    const src = plot?.ctx.canvas;
    const c = el('canvas', { width: src ? src.width : 300, height: (src ? src.height : 150) + 56 });
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
  const options = el('div', { className: 'lp-nb-buttons' }, choice,
    el('label', {}, compare, ' Compara cu aruncarile anterioare'), el('span', { className: 'lp-nb-gap' }), saveImage);
  const pane = el('div', { className: 'lp-nb-pane' }, options, holder);
  return { pane, build, catchUp, stale: () => stale, outdate: () => { stale = true; } };
}
