// Measures the lab notebook's panel in headless Chromium, medians of interleaved runs: the CPU of
// a default flight with the panel open on each tab against closed, and what one step costs the
// open table or graph at 30 and at 32,166 steps: the time in the ticks' handlers, the frame
// callbacks and the timeouts per tick, the panel open minus closed (the rest of a frame, style,
// layout and paint, is the browser's and is in the flight's CPU).
//   node bench/notebook.mjs build/web/lopena.html RUNS | shot   (shot renews docs/web-notebook-*.png)
import { statSync } from 'node:fs';
import { pathToFileURL } from 'node:url';

const { chromium } = await import(new URL('../node_modules/playwright-core/index.mjs', import.meta.url));
const [file, runs = '3', ...only] = process.argv.slice(2); // only: the tabs to measure, all by default
const url = pathToFileURL(file).href;
const browser = await chromium.launch({ executablePath: '/usr/bin/chromium',
  args: ['--disable-dev-shm-usage', ...(process.getuid() === 0 ? ['--no-sandbox'] : [])] });
const viewport = { width: 1920, height: 1000 };
const shotViewport = { width: 1900, height: 545 }; // the panel beside the window
const allTabs = ['Tabel', 'Grafice', 'Istoric', 'Rezolvare'];
const tabs = only.length ? only : allTabs;
const median = (xs) => [...xs].sort((a, b) => a - b)[Math.floor(xs.length / 2)];

async function fresh(size = viewport) {
  const context = await browser.newContext({ viewport: size });
  // The clock to come fakes performance.now(): the measurements keep the real one.
  await context.addInitScript(() => { window.realNow = performance.now.bind(performance); });
  const p = await context.newPage();
  const cdp = await context.newCDPSession(p);
  await cdp.send('Performance.enable');
  await p.clock.install();
  await p.goto(url);
  await p.waitForSelector('#cmdFire');
  return { context, p, cdp };
}
const task = async (cdp) => (await cdp.send('Performance.getMetrics')).metrics.find((m) => m.name === 'TaskDuration').value;
const openOn = async (p, tab) => { await p.keyboard.press('Control+L'); await p.click(`#tab${tab}`); };

// The task time of one default flight in real time, Start to landing.
async function flight(tab) {
  const { context, p, cdp } = await fresh();
  if (tab) await openOn(p, tab);
  await p.waitForTimeout(500);
  const before = await task(cdp);
  await p.evaluate(() => new Promise((resolve) => {
    const stop = document.getElementById('Command1');
    new MutationObserver(() => stop.disabled && resolve()).observe(stop, { attributes: true });
    document.getElementById('cmdFire').click();
  }));
  const cpu = 1000 * ((await task(cdp)) - before);
  await context.close();
  return cpu;
}

// Time in the ticks (C++ and the panel's script), frame callbacks and timeouts per tick, ms.
async function perTick(p, ticks) {
  await p.evaluate(() => {
    window.spent = 0;
    const timed = (f) => (...a) => { const t0 = window.realNow(); try { return f(...a); } finally { window.spent += window.realNow() - t0; } };
    if (!window.timedTick) {
      window.timedTick = true;
      window.lopena._lopena_timer = timed(window.lopena._lopena_timer);
      const raf = window.requestAnimationFrame, later = window.setTimeout;
      window.requestAnimationFrame = (cb) => raf(timed(cb));
      window.setTimeout = (cb, ms) => later(timed(cb), ms);
    }
  });
  await p.clock.runFor(100 * ticks);
  return (await p.evaluate(() => window.spent)) / ticks;
}

// A step at 30 (the default flight's steps 5 to 15 closed, 25 to 35 open: the landing at 29 and its
// drawing fall in the open ones) and at 32,166 (a slow lob that never comes down within the log),
// with the panel closed and then open on `tab`.
async function stepCost(tab, long) {
  const { context, p } = await fresh();
  await p.clock.pauseAt(Date.now() + 60000);
  if (long) for (const [id, value] of [['txtViteza', '1'], ['txtUnghi', '89'], ['txtgrav', '0.0001']]) await p.fill(`#${id}`, value);
  await p.click('#cmdFire');
  if (long) for (let t = 0; t < 3206600; t += 100000) await p.clock.runFor(Math.min(100000, 3206600 - t));
  else await p.clock.runFor(500);
  const closed = await perTick(p, long ? 50 : 10);
  await openOn(p, tab);
  await p.clock.runFor(1000);
  const first = await perTick(p, long ? 50 : 10);
  const open = long ? await perTick(p, 50) : first;
  const steps = await p.evaluate(() => `${window.lopena._lopena_nb_rows()} rows, ${document.querySelectorAll('#stepTable .lp-nb-row').length} of them in the page`);
  await context.close();
  return { cost: open - closed, first: first - closed, steps };
}

if (runs === 'shot') {
  // Three throws, the last at 60 degrees, the panel beside the window on each tab.
  const { context, p } = await fresh(shotViewport);
  await p.goto(`${url}?lang=ro`);
  await p.waitForSelector('#cmdFire');
  await p.clock.pauseAt(Date.now() + 1000);
  await p.keyboard.press('Control+L');
  for (const angle of ['30', '45', '60']) {
    await p.fill('#txtUnghi', angle);
    await p.click('#cmdFire');
    await p.clock.runFor(4000);
  }
  for (const tab of allTabs) {
    await p.click(`#tab${tab}`);
    if (tab === 'Grafice' && !(await p.isChecked('#compareThrows'))) await p.check('#compareThrows');
    await p.clock.runFor(50);
    await p.screenshot({ path: `docs/web-notebook-${tab.toLowerCase()}.png` });
  }
  await context.close();
  await browser.close();
  process.exit(0);
}

const figures = {};
const add = (name, value) => (figures[name] ??= []).push(value);
for (let i = 0; i < Number(runs); ++i) {
  add('CPU, default flight, panel closed (ms)', await flight(null));
  for (const tab of tabs) add(`CPU, default flight, panel open on ${tab} (ms)`, await flight(tab));
  for (const tab of ['Tabel', 'Grafice'].filter((t) => tabs.includes(t)))
    for (const long of [false, true]) {
      const { cost, first, steps } = await stepCost(tab, long);
      add(`a step reaching the open ${tab}, ${long ? 32166 : 30} steps (ms; at the end ${steps})`, cost);
      if (long) add(`  the same, the first 50 steps after opening the panel (ms)`, first);
    }
}
await browser.close();
const closed = median(figures['CPU, default flight, panel closed (ms)']);
for (const [name, values] of Object.entries(figures)) {
  const m = median(values);
  console.log(`${m.toFixed(3).padStart(9)}  ${name}${name.includes('panel open') ? `  ratio ${(m / closed).toFixed(2)}` : ''}`);
}
console.log(`${(statSync(file).size / 1024).toFixed(0).padStart(9)}  the file with the notebook, KB`);
