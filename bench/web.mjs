// Measures the browser edition in headless Chromium against bare pages, interleaving the runs,
// and prints the median of each figure; `shot` instead renews docs/web.png.
//   node bench/web.mjs build/web/lopena.html RUNS | shot
import { mkdtempSync, statSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';

const { chromium } = await import(new URL('../node_modules/playwright-core/index.mjs', import.meta.url));
const [file, mode = '5'] = process.argv.slice(2);
const url = pathToFileURL(file).href;
const browser = await chromium.launch({ executablePath: '/usr/bin/chromium',
  args: ['--disable-dev-shm-usage', ...(process.getuid() === 0 ? ['--no-sandbox'] : [])] });
const viewport = { width: 1030, height: 530 };

// The baselines: one line of text, and three timers repainting three small patches of a canvas
// at the flight's cadence (100, 10 and 200 ms) with a label each, as the window's do.
const dir = mkdtempSync(join(tmpdir(), 'lopena-bench-'));
const page = (name, body) => {
  const path = join(dir, `${name}.html`);
  writeFileSync(path, `<!DOCTYPE html><html lang="ro"><body>${body}</body></html>`);
  return pathToFileURL(path).href;
};
const bareText = page('text', `<p>Morvak Lopena - Aruncare pe oblica</p>
<script>requestAnimationFrame(() => performance.mark('first-frame'));</script>`);
const bareTimers = page('timers', `<canvas id="c" width="1016" height="352"></canvas><div id="a"></div><div id="b"></div>
<div id="t"></div><script>
const x = document.getElementById('c').getContext('2d'); let n = 0;
const patch = (px, label, text) => { x.clearRect(px, 0, 12, 12); x.fillRect(px + (n % 3), 1, 9, 9);
  document.getElementById(label).textContent = text + n; };
window.run = () => { const ids = [setInterval(() => { ++n; requestAnimationFrame(() => patch(0, 'a', 'X ')); }, 100),
  setInterval(() => requestAnimationFrame(() => patch(20, 'b', 'Y ')), 10),
  setInterval(() => requestAnimationFrame(() => patch(40, 't', 'T ')), 200)];
  setTimeout(() => ids.forEach(clearInterval), 3000); };
</script>`);

const median = (xs) => [...xs].sort((a, b) => a - b)[Math.floor(xs.length / 2)];
// Pages whose CPU is compared all run on Playwright's clock (flowing in real time once the trail
// is filled), so that its timer machinery weighs on each of them alike.
async function fresh(clock = false, size = viewport) {
  const context = await browser.newContext({ viewport: size });
  const p = await context.newPage();
  const cdp = await context.newCDPSession(p);
  await cdp.send('Performance.enable');
  if (clock) await p.clock.install();
  return { context, p, cdp };
}
const metric = async (cdp, name) =>
  (await cdp.send('Performance.getMetrics')).metrics.find((m) => m.name === name).value;

async function firstFrame(address, mark) {
  const { context, p } = await fresh();
  await p.goto(address);
  const t = await p.evaluate((m) => new Promise((resolve) => {
    const poll = () => { const e = performance.getEntriesByName(m)[0]; e ? resolve(e.startTime) : setTimeout(poll, 5); };
    poll();
  }), mark);
  await context.close();
  return t;
}

// Fills the trail to 32,766 dots on screen: slow lobs of about 6,100 ticks each across the scene,
// flown on Playwright's clock, after which the real clock takes over again.
async function fillTrail(p) {
  await p.goto(url);
  await p.waitForSelector('#cmdFire');
  await p.clock.pauseAt(Date.now() + 60000);
  for (const [id, value] of [['txtViteza', '1'], ['txtUnghi', '50'], ['txtgrav', '0.001']]) await p.fill(`#${id}`, value);
  for (let flight = 0; flight < 6; ++flight) {
    await p.click('#cmdFire');
    for (let s = 0; s < 1540; s += 100) await p.clock.runFor(100000);
  }
  for (const [id, value] of [['txtViteza', '50'], ['txtUnghi', '45'], ['txtgrav', '9.806']]) await p.fill(`#${id}`, value);
  await p.clock.resume();
}

// The page's task time from a click on `start` until `stop` is disabled (the landing), and how
// long that took.
async function timed(p, cdp, start, stop) {
  await p.waitForTimeout(500);
  const before = await metric(cdp, 'TaskDuration');
  const took = await p.evaluate(([a, b]) => new Promise((resolve) => {
    const end = document.getElementById(b), t0 = performance.now();
    new MutationObserver(() => end.disabled && resolve(performance.now() - t0)).observe(end, { attributes: true });
    document.getElementById(a).click();
  }), [start, stop]);
  return { cpu: (await metric(cdp, 'TaskDuration')) - before, took };
}

// One default flight.
const flight = (p, cdp) => timed(p, cdp, 'cmdFire', 'Command1');

// A Laborator flight with vectors and the vacuum's ghost (a tennis ball, 20 m/s at 45 degrees,
// 2.7 s), and the time and vx it ended at.
async function labFlight(p, cdp) {
  await p.keyboard.press('Control+Y');
  await p.waitForSelector('#frmLab');
  await p.click('#optLabMediu_2');
  for (const id of ['chkLabVectori', 'chkLabFantoma']) {
    if (!(await p.evaluate((n) => document.querySelector(`#${n} input, input#${n}`).checked, id))) await p.click(`#${id}`);
  }
  const f = await timed(p, cdp, 'cmdLabStart', 'cmdLabPauza');
  return { ...f, shown: await p.evaluate(() => [0, 3].map((i) => document.getElementById(`lblLabLive_${i}`).textContent)) };
}

async function memory(p, cdp) {
  await cdp.send('HeapProfiler.collectGarbage');
  return (await metric(cdp, 'JSHeapUsedSize')) + (await p.evaluate(() => window.lopena.HEAPU8.length));
}

if (mode === 'shot') {
  const { context, p } = await fresh(true);
  await p.goto(`${url}?lang=ro`);
  await p.waitForSelector('#cmdFire');
  await p.clock.pauseAt(Date.now() + 1000);
  await p.click('#cmdFire');
  await p.clock.runFor(2220);
  await p.screenshot({ path: 'docs/web.png' });
  await context.close();
  await browser.close();
  process.exit(0);
}

const runs = Number(mode);
const figures = {};
const add = (name, value) => (figures[name] ??= []).push(value);
for (let i = 0; i < runs; ++i) {
  add('first frame, bare page with one line of text (ms)', await firstFrame(bareText, 'first-frame'));
  add('first frame, Lopena (ms)', await firstFrame(url, 'lopena-first-frame'));

  let s = await fresh(true);
  await s.p.goto(bareTimers);
  const before = await metric(s.cdp, 'TaskDuration');
  await s.p.evaluate(() => new Promise((resolve) => { window.run(); setTimeout(resolve, 3000); }));
  add('CPU, bare page with three timers repainting three patches for 3 s (ms)', 1000 * ((await metric(s.cdp, 'TaskDuration')) - before));
  await s.context.close();

  s = await fresh(true);
  await s.p.goto(url);
  await s.p.waitForSelector('#cmdFire');
  let f = await flight(s.p, s.cdp);
  add('CPU, default flight, no dots (ms)', 1000 * f.cpu);
  add('Start to landing, default flight (ms)', f.took);
  await s.p.click('#cmdClear');
  add('memory, JS heap + WebAssembly, no dots (MB)', (await memory(s.p, s.cdp)) / 2 ** 20);
  await s.context.close();

  // Both flights in one page wide enough for the main window and the Laborator side by side.
  s = await fresh(true, { width: 2000, height: 700 });
  await s.p.goto(url);
  await s.p.waitForSelector('#cmdFire');
  add('CPU, default flight, in a page as wide as both windows (ms)', 1000 * (await flight(s.p, s.cdp)).cpu);
  const lab = await labFlight(s.p, s.cdp);
  add('CPU, Laborator flight with vectors and the ghost, same page (ms)', 1000 * lab.cpu);
  add('Start to landing, Laborator flight (ms)', lab.took);
  if (i === 0) console.log(`(the Laborator's flight ended at ${lab.shown.join(', ')})`);
  await s.context.close();

  s = await fresh(true);
  await fillTrail(s.p);
  f = await flight(s.p, s.cdp);
  add('CPU, default flight, 32,766 dots on screen (ms)', 1000 * f.cpu);
  add('memory, JS heap + WebAssembly, 32,766 dots (MB)', (await memory(s.p, s.cdp)) / 2 ** 20);
  if (i === 0) await s.p.screenshot({ path: join(dir, 'full.png') });
  await s.context.close();
}
await browser.close();
for (const [name, values] of Object.entries(figures)) console.log(`${median(values).toFixed(2).padStart(9)}  ${name}`);
console.log(`${(statSync(file).size / 1024).toFixed(0).padStart(9)}  the file, KB`);
console.log(`(a page with the full trail: ${join(dir, 'full.png')})`);
