// The lab notebook's panel of the built page in headless Chromium, on Playwright's paused clock.
// Expected texts and numbers are the desktop's for the same flights (tests/NotebookTest.cpp).
//   node tests/web/notebook.test.mjs build/web/lopena.html
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { axeScan } from './axe.mjs';
import { barButton, open as openPage, test, text, run } from './harness.mjs';

// The default flight's step table as the desktop saves it (checked by tests/LaunchTest.cpp).
const desktopCsv = (name) => [...readFileSync(new URL(`../data/${name}`, import.meta.url))];

// Saves go to window.saved through a stand-in save picker; copies and prints are recorded.
const stubs = () => {
  window.saved = [];
  window.showSaveFilePicker = async (o) => ({ name: o.suggestedName, createWritable: async () => {
    if (window.denied) throw new DOMException('Permission denied', 'NotAllowedError');
    return { write: async (b) => window.saved.push([...b]), close: async () => {} };
  } });
  Object.defineProperty(navigator, 'clipboard', { value: { writeText: async (t) => {
    if (window.denied) throw new DOMException('Write permission denied.', 'NotAllowedError');
    window.copied = t;
  } } });
  window.print = () => { window.printed = document.querySelector('.lp-print').textContent; };
};

// The notebook's module loads at its first opening, outside the page's clock.
const openNotebook = (page) => page.keyboard.press('Control+L').then(() => page.waitForSelector('#notebook'));

const open = async ({ notebook = true, viewport = { width: 1920, height: 1000 }, ...options } = {}) => {
  const page = await openPage({ viewport, init: stubs, ...options });
  if (notebook) await openNotebook(page);
  return page;
};
const fly = async (page, ms = 3000) => { await page.click('#cmdFire'); await page.clock.runFor(ms); };
const saved = async (page, button) => {
  await page.evaluate(() => { window.saved = []; });
  await page.click(button);
  await page.waitForFunction(() => window.saved.length > 0);
  return page.evaluate(() => window.saved[0]);
};
const steps = (page) => page.$$eval('#stepTable .lp-nb-row:not(.lp-nb-head)', (rows) => rows
  .sort((a, b) => a.dataset.row - b.dataset.row).map((r) => [[...r.children].map((c) => c.textContent).join('\t'), r.title]));
const historyRows = (page) => page.$$eval('#historyTable tbody tr', (rows) => rows.map((r) =>
  [...r.children].slice(1, 4).map((c) => c.textContent).join(' ')));

test('Tabel: 30 steps and the landing row in both locales, marks, copy, keys, the CSV bytes of the desktop', async () => {
  for (const [locale, separator, file] of [['en-US', ',', 'zbor-implicit.csv'], ['ro-RO', ';', 'zbor-implicit-ro.csv']]) {
    const page = await open({ locale });
    await fly(page);
    // Each row as the desktop saves it (the CSV's header aside); the highest step and the landing marked.
    const rows = await steps(page), csv = Buffer.from(desktopCsv(file)).toString().trim().split('\r\n').slice(1);
    assert.deepEqual(rows.map(([cells]) => cells), csv.map((line) => line.replaceAll(separator, '\t')), locale);
    assert.deepEqual([rows[0][1], rows[14][1], rows[29][1], rows[30][1]],
      ['', 'Punctul cel mai inalt', 'Pasul aterizarii', 'Aterizarea calculata din formule'], locale);
    assert.deepEqual(await saved(page, '#exportSteps'), desktopCsv(file), locale);
    await page.click('#stepTable [data-row="30"]');
    await page.click('#stepTable [data-row="14"]', { modifiers: ['Control'] });
    const copied = `${['n\tt (s)\tx (m)\ty (m)\tvx (m/s)\tvy (m/s)\tv (m/s)', rows[14][0], rows[30][0]].join('\n')}\n`;
    await page.keyboard.press('Control+C');
    assert.equal(await page.evaluate(() => window.copied), copied);
    await page.evaluate(() => { window.copied = ''; });
    await page.click('#copySteps');
    assert.equal(await page.evaluate(() => window.copied), copied);
    // From row 14: two rows down, then the selection one further; End and Home alone.
    const chosen = () => page.$$eval('#stepTable [aria-selected=true]', (r) => r.map((e) => Number(e.dataset.row)));
    await page.click('#stepTable [data-row="14"]');
    for (const key of ['ArrowDown', 'ArrowDown', 'Shift+ArrowDown']) await page.keyboard.press(key);
    assert.deepEqual(await chosen(), [16, 17], locale);
    await page.keyboard.press('Control+C');
    assert.equal(await page.evaluate(() => window.copied.split('\n').length), 4);
    for (const [key, row] of [['End', 30], ['ArrowDown', 30], ['Home', 0], ['ArrowUp', 0], ['PageDown', 0]]) {
      await page.keyboard.press(key);
      const [only, active] = [await chosen(), await page.getAttribute('#stepTable', 'aria-activedescendant')];
      assert.deepEqual([only.length, only[0] >= row, active], [1, true, `step${only[0]}`], `${locale} ${key}`);
    }
  }
});

// A slow lob that never comes down within the log: 32,766 steps, of which the page holds only
// those in sight; the keys reach either end.
test('Tabel: 32,766 steps in a virtualised list', async () => {
  const page = await open({ notebook: false });
  for (const [id, value] of [['txtViteza', '1'], ['txtUnghi', '89'], ['txtgrav', '0.0001']]) await page.fill(`#${id}`, value);
  await page.click('#cmdFire');
  for (let t = 0; t < 3280000; t += 200000) await page.clock.runFor(200000);
  await openNotebook(page);
  const inPage = () => page.$$eval('#stepTable .lp-nb-row:not(.lp-nb-head)', (r) => r.map((e) => Number(e.dataset.row)));
  assert.equal(await page.evaluate(() => window.lopena._lopena_nb_rows()), 32766);
  const atEnd = await inPage();
  assert.ok(atEnd.length < 100 && atEnd.includes(32765), `${atEnd.length} rows in the page`);
  await page.click('#stepTable');
  await page.keyboard.press('Home');
  await page.clock.runFor(50);
  const atStart = await inPage();
  assert.ok(atStart.length < 100 && atStart.includes(0) && !atStart.includes(32765));
  assert.match(await page.textContent('#stepTable [data-row="0"]'), /^00\.00/);
  await page.keyboard.press('End');
  await page.clock.runFor(50);
  assert.match(await page.textContent('#stepTable [data-row="32765"]'), /^32765/);
});

test('Istoric: a row per accepted launch and none for a refused one, repeat by button and double click, sort, CSV', async () => {
  const page = await open();
  await page.click('#tabIstoric');
  await fly(page);
  await page.fill('#txtgrav', '0');
  await page.click('#cmdFire');
  await page.fill('#txtgrav', '3.71');
  await page.fill('#txtUnghi', '30');
  await fly(page);
  assert.deepEqual(await historyRows(page), ['50.000 45.00 9.806', '50.000 30.00 3.710']);
  await page.click('#historyTable tbody tr >> nth=0');
  await page.click('#repeatThrow');
  await page.clock.runFor(3000);
  await page.dblclick('#historyTable tbody tr >> nth=1');
  await page.click('#historyTable th >> nth=2');
  await page.click('#historyTable th >> nth=2');
  assert.deepEqual(await historyRows(page), ['50.000 45.00 9.806', '50.000 45.00 9.806', '50.000 30.00 3.710', '50.000 30.00 3.710']);
  const csv = Buffer.from(await saved(page, '#exportHistory')).toString('utf8').split('\r\n');
  assert.deepEqual([csv.length, csv[0], csv[2].replace(/^#[0-9a-f]{6},/, '')], [6, 'Culoare,v0 (m/s),Unghi (grade),g (m/s2),T (s),D (m),H (m),V (m/s)',
    '50.000,30.00,3.710,13.477,583.575,84.232,50.000']);
  // A fact of a throw the core does not know is refused, not answered with another (its number, 4).
  assert.deepEqual(await page.evaluate(() => [4, 99, -1].map((what) => window.lopena._lopena_nb_step_info(0, what))), [1, -1, -1]);
  // A Laborator throw from a 45 m cliff brings its columns, empty in the main window's rows.
  await page.keyboard.press('Control+Y');
  await page.fill('#txtLabInaltime', '45');
  await page.click('#cmdLabStart');
  await page.clock.runFor(8000);
  const cells = await page.$$eval('#historyTable tr', (rows) => rows.map((r) => [...r.children].slice(8).map((c) => c.textContent).join('|')));
  assert.deepEqual(cells, ['h0 (m)|Mediu|Eroare D (%)|Eroare H (%)|Eroare T (%)', '||||', '||||', '45.000|Vid|||', '||||', '||||']);
});

test('Serie de unghiuri: five angles, each when the previous one lands', async () => {
  const page = await open();
  await page.click('#tabIstoric');
  await page.click('#angleSeries');
  assert.equal(await page.getAttribute('#angleSeries', 'aria-pressed'), 'true');
  await page.clock.runFor(16000);
  assert.deepEqual(await historyRows(page), ['50.000 15.00 9.806', '50.000 30.00 9.806', '50.000 45.00 9.806', '50.000 60.00 9.806', '50.000 75.00 9.806']);
  assert.equal(await page.getAttribute('#angleSeries', 'aria-pressed'), 'false');
});

test('the Laborator\'s series: 13 throws, D(unghi) with the best angle; Istoric compares two rows chosen by keyboard; clean for axe', async () => {
  const page = await open();
  await page.keyboard.press('Control+Y');
  await page.waitForSelector('#frmLab');
  await page.fill('#txtLabInaltime', '10');
  await page.click('#cmdLabSerie');
  assert.equal(await text(page, 'cmdLabSerie'), 'Opreste seria');
  await page.clock.runFor(60000);
  assert.equal(await text(page, 'cmdLabSerie'), 'Serie de unghiuri');
  await page.click('#tabGrafice');
  await page.selectOption('#graphChoice', { label: 'Distanta D(unghi) a seriei' });
  const best = 'unghi optim 39.32\u00b0, D = 49.780 m'; // 20 m/s from 10 m in vacuum, as tests/LabSeriesTest.cpp
  assert.equal(await page.getAttribute('#chartView', 'aria-label'), `Distanta D(unghi) a seriei: 13 aruncari, D(unghi): 20 m/s, h0 10 m, vid; ${best}`);
  assert.deepEqual(await page.$$eval('#chartView .u-legend .u-label', (l) => l.map((e) => e.textContent)), ['D(unghi): 20 m/s, h0 10 m, vid', best]);

  // The tennis ball in air after the same throw in vacuum: 30 m/s, 30 degrees, from 0 m.
  await page.fill('#txtLabInaltime', '0');
  await page.fill('#txtLabViteza', '30');
  await page.fill('#txtLabUnghi', '30');
  await page.click('#cmdLabStart');
  await page.clock.runFor(10000);
  await page.click('#optLabMediu_2');
  await page.click('#cmdLabStart');
  await page.clock.runFor(10000);
  await page.click('#tabIstoric');
  const said = () => page.textContent('#historyComparison');
  assert.match(await said(), /^Alegeti doua randuri/);
  await page.click('#historyTable th >> nth=0'); // by launch, the newest first
  await page.locator('#historyTable tbody tr').nth(1).focus();
  await page.keyboard.press('Space');
  await page.keyboard.press('ArrowUp');
  await page.keyboard.press('Space');
  assert.deepEqual(await page.$$eval('#historyTable tbody tr', (rows) => rows.slice(0, 3).map((r) => r.getAttribute('aria-selected'))), ['true', 'true', 'false']);
  // The upper row is the air's: the vacuum's in per cent of it.
  assert.match(await said(), /^Diferente \(rand 2 fata de rand 1, in % din rand 1\): \u0394D = \+39\.6 m \(\+99\.4 %\)/);
  await page.click('#historyTable th >> nth=0');
  assert.match(await said(), /^Diferente \(rand 2 fata de rand 1, in % din rand 1\): \u0394D = -39\.6 m \(-49\.8 %\), \u0394H = /);
  assert.equal(await page.getAttribute('#historyComparison', 'aria-live'), 'polite');
  // axe waits on timers of its own: the page's clock runs for the scans, nothing flying.
  await page.clock.resume();
  const clean = async (where) => { const found = await axeScan((s) => page.evaluate(s)); assert.deepEqual(found, [], `${where}\n${found.join('\n')}`); };
  await clean('Istoric, two rows compared');
  await page.click('#tabGrafice');
  await clean('Grafice, D(unghi)');
});

// axe's scans of each tab after a flight: tests/web/engines/checks.test.mjs, in every engine.
test('Rezolvare: the four results equal the result labels; printed with its heading; arrows move between the tabs', async () => {
  const page = await open({ locale: 'ro-RO' });
  await page.click('#tabRezolvare');
  assert.equal(await page.textContent('#solution'), 'Apasati Start pentru a vedea rezolvarea.');
  await page.fill('#txtUnghi', '1.1');
  await fly(page, 100);
  const solution = await page.innerText('#solution');
  for (const [label, unit] of [['Label3', 'm'], ['Label4', 'm'], ['Label5', 's'], ['Label6', 'm/s']]) {
    const number = (await page.textContent(`#${label}`)).match(/(-?[\d,]+)( m| s)?$/)[1];
    assert.match(solution, new RegExp(`[=≈] ${number} ${unit}(?![\\d/])`), label);
  }
  await page.click('#savePdf');
  assert.match(await page.evaluate(() => window.printed), /^Aruncare pe oblica - rezolvareData: 07\.12\.2026 22:30Aruncarea 1: v0 = 50 m\/s, unghiul = 1,1 grade, g = 9,806 m\/s2Date/);
  await page.click('#tabRezolvare');
  const chosen = [];
  for (const key of ['ArrowRight', 'ArrowRight', 'Home', 'ArrowLeft', 'End']) {
    await page.keyboard.press(key);
    chosen.push(await page.evaluate(() => [document.activeElement.id, document.querySelector('[role=tabpanel]:not([hidden])').id].join()));
  }
  assert.deepEqual(chosen, ['tabTabel,paneTabel', 'tabGrafice,paneGrafice', 'tabTabel,paneTabel', 'tabRezolvare,paneRezolvare',
    'tabRezolvare,paneRezolvare']);
});

test('Grafice: axes fixed at launch to the whole flight; the throws in their colours and the markers; the image as PNG; the probe on a dot; a chart without a PNG and a refused copy told in Romanian', async () => {
  const page = await open({ viewport: { width: 1100, height: 900 } });
  await page.click('#tabGrafice');
  const axes = 'Traiectoria y(x): x (m) de la 0 la 300, y (m) de la -20 la 80'; // as tests/NotebookTest.cpp
  for (const ms of [1000, 2000]) {
    await fly(page, ms);
    assert.equal(await page.getAttribute('#chartView', 'aria-label'), axes, `${ms} ms into the flight`);
  }
  await page.clock.runFor(3000);
  assert.equal(await page.getAttribute('#chartView', 'aria-label'), axes);
  await page.check('#compareThrows');
  assert.deepEqual(await page.$$eval('#chartView .u-legend .u-label', (l) => l.map((e) => e.textContent)),
    ['50 m/s, 45\u00b0', '50 m/s, 45\u00b0', 'Punctul cel mai inalt', 'Aterizare']);
  assert.deepEqual((await saved(page, '#saveImage')).slice(0, 4), [137, 80, 78, 71]);
  await page.hover('#scene', { position: { x: 136, y: 276 } });
  await page.clock.runFor(20);
  assert.equal(await page.textContent('#probe'), 'Aruncarea 2, pasul 14\nt = 3.50 s\nx = 123.744 m\ny = 63.682 m\nvx = 35.355 m/s\nvy = 1.034 m/s');
  await page.evaluate(() => { window.denied = true; HTMLCanvasElement.prototype.toBlob = (done) => done(null); });
  for (const [tab, button, said] of [['Tabel', '#copySteps', /^Randurile alese nu au putut fi copiate/],
    ['Grafice', '#saveImage', /^Imaginea graficului nu a putut fi creata/]]) {
    await page.click(`#tab${tab}`);
    if (tab === 'Tabel') await page.click('#stepTable [data-row="30"]');
    await page.click(button);
    assert.match(await page.locator('.lp-page-dialog .lp-message').textContent(), said);
    await page.click('.lp-page-dialog .lp-buttons button');
  }
});

test('the panel: beside a wide window, never over it, alone on a phone; usable while About is open, the table kept in place', async () => {
  for (const [viewport, both] of [[{ width: 1920, height: 1000 }, true], [{ width: 412, height: 860 }, false]]) {
    const page = await open({ viewport, notebook: false });
    await page.click('#mnuview');
    await page.click('#mnucaiet');
    await page.waitForSelector('#notebook');
    const [panel, window] = await Promise.all(['#notebook', '#frmmain'].map((w) => page.locator(w).boundingBox()));
    const apart = !window || panel.x >= window.x + window.width || panel.y >= window.y + window.height;
    assert.ok(apart && !window === !both && panel.x + panel.width <= viewport.width && panel.y + panel.height <= viewport.height,
      JSON.stringify([panel, window]));
    if (!both) await barButton(page, 'Principala').click();
    await page.fill('#txtViteza', '100');
    await fly(page, 6000);
    if (!both) await barButton(page, 'Caiet').click();
    await page.keyboard.press('Control+D'); // from the panel, as from the window
    await page.click('#tabIstoric');
    assert.equal(await page.getAttribute('#tabIstoric', 'aria-selected'), 'true');
    await page.click('#tabTabel');
    await page.click('#cmdOK');
    const last = await page.evaluate(() => window.lopena._lopena_nb_rows() - 1);
    assert.ok(await page.locator(`#stepTable [data-row="${last}"]`).isVisible(), `row ${last} in sight`);
    await page.click('#notebookClose');
    assert.ok(!(await page.locator('#notebook').isVisible()));
  }
});

test('Tabel: each column as wide as its widest text, in a wide view whole, on a phone scrolled sideways with its header', async () => {
  for (const [width, height, whole] of [[1920, 1000, true], [390, 844, false]]) {
    const page = await open({ viewport: { width, height } });
    await page.evaluate(() => document.getElementById('cmdFire').click());
    await page.clock.runFor(3000);
    const look = () => page.$eval('#stepTable', (view) => {
      const cells = [...view.querySelectorAll('[role=gridcell], [role=columnheader]')];
      const last = (row) => Math.round(row.lastChild.getBoundingClientRect().right);
      return { cut: cells.filter((c) => c.scrollWidth > c.clientWidth).map((c) => c.textContent), scrolls: view.scrollWidth > view.clientWidth,
        right: Math.round(view.getBoundingClientRect().right), head: last(view.querySelector('.lp-nb-head')), row: last(view.querySelector('[data-row="30"]')) };
    });
    const at = await look();
    assert.deepEqual([at.cut, at.scrolls, at.head <= at.right], [[], !whole, whole], JSON.stringify(at));
    await page.$eval('#stepTable', (v) => { v.scrollLeft = v.scrollWidth; });
    const end = await look();
    assert.ok(end.head <= end.right && end.head === end.row, JSON.stringify(end));
  }
});

test('a dialog of the page over the panel: its buttons reached by mouse, Esc from the table closes it', async () => {
  for (const [width, height] of [[1100, 560], [683, 384], [412, 860]]) {
    const page = await open({ viewport: { width, height } });
    await page.evaluate(() => { document.getElementById('cmdFire').click(); window.denied = true; });
    for (const close of ['mouse', 'Escape']) {
      await page.click('#exportSteps');
      assert.match(await page.locator('.lp-page-dialog .lp-message').textContent(), /^Fisierul nu a putut fi salvat:\nzbor.csv\n\nMotiv: browserul nu a permis scrierea fisierului \(detaliu: Permission denied\)/);
      if (close === 'mouse') await page.click('.lp-page-dialog .lp-buttons button');
      else { await page.focus('#stepTable'); await page.keyboard.press('Escape'); }
      assert.equal(await page.locator('.lp-page-dialog').count(), 0, `${width}x${height} ${close}`);
    }
    await page.evaluate(() => { window.showSaveFilePicker = undefined; });
    await page.click('#exportSteps');
    await page.click('.lp-page-dialog .lp-buttons button >> text=Anuleaza');
    assert.equal(await page.locator('.lp-page-dialog').count(), 0, `${width}x${height} prompt`);
  }
});

test('a viewport too small for two: the panel alone, its close button in sight, the bar leads to Start, Esc closes it', async () => {
  for (const [width, height] of [[830, 209], [320, 240]]) {
    const page = await open({ viewport: { width, height } });
    const where = `${width}x${height}`;
    await page.click('#notebookClose');
    assert.ok(!(await page.locator('#notebook').isVisible()), where);
    await page.keyboard.press('Control+L');
    await barButton(page, 'Principala').click();
    await page.click('#cmdFire');
    await barButton(page, 'Caiet').click();
    assert.match(await page.textContent('#Label3'), /: 254/, where);
    await page.click('#tabIstoric');
    await page.keyboard.press('Escape');
    assert.ok(!(await page.locator('#notebook').isVisible()), where);
  }
});

await run();
