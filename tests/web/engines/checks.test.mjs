// The page's checks written once and run in one engine (Chromium, Firefox or WebKit) through
// driver.mjs, on real time: every wait is on a condition. Expected texts and bytes are the
// desktop's, as in tests/web/page.test.mjs and notebook.test.mjs.
//   node tests/web/engines/checks.test.mjs chromium|firefox|webkit build/web/lopena.html
import assert from 'node:assert/strict';
import { pathToFileURL } from 'node:url';
import { axeScan } from '../axe.mjs';
import { launch, until } from './driver.mjs';
import { clear, black, defaults, dots, report, results } from '../expected.mjs';
import { version } from '../version.mjs';
import { WINDOWS, coveredIn, shownIn } from '../windows.mjs';

const [engine, file] = process.argv.slice(2);
const url = pathToFileURL(file).href;
// A browser that stops answering fails what it was doing rather than the whole run's time.
const within = (promise, seconds, what) => {
  let timer;
  const stuck = new Promise((_, reject) => { timer = setTimeout(() => reject(new Error(`${what}: no answer in ${seconds} s`)), seconds * 1000); });
  return Promise.race([promise, stuck]).finally(() => clearTimeout(timer));
};
const browser = await within(launch(engine), 60, 'starting the browser')
  .catch((e) => { console.log(`${e.message}; once more`); return within(launch(engine), 60, 'starting the browser'); });
const pages = new Set();

async function open({ query = '?lang=en', width = 1100, height = 560, ...options } = {}) {
  const page = await browser.open(url + query, { width, height, ...options });
  if (!page) return null;
  pages.add(page);
  await page.waitFor("!!window.lopena && !!document.getElementById('cmdFire')");
  return page;
}
// The notebook's panel by its shortcut, its module loaded at the first opening.
const openNotebook = async (page) => { await page.press('Control+L'); await page.waitFor("document.getElementById('notebook')?.hidden === false"); };
const texts = (page, ids) => Promise.all(ids.map((id) => page.text(id)));
const landed = (page) => page.waitFor("document.getElementById('Command1').disabled && document.getElementById('Label7').textContent.endsWith(' m')");
// The scene's backing store as "r,g,b,a" at model coordinates.
const scene = (page, points) => page.evaluate(`(() => { const c = document.getElementById('scene'), r = c.width / c.clientWidth;
  return ${JSON.stringify(points)}.map(([x, y]) => c.getContext('2d').getImageData(Math.floor((x + 0.5) * r), Math.floor((y + 0.5) * r), 1, 1).data.join()); })()`);
// `covered` names the Playwright test file that already makes the same check in Chromium on a
// virtual clock; Chromium then skips it here.
const checks = [];
const check = (name, fn, covered) => checks.push({ name, fn, covered });

// Waits until the scene shows `expected` at `points` (a frame may be due), then compares.
async function sceneIs(page, points, expected, message) {
  await until('the scene', async () => JSON.stringify(await scene(page, points)) === JSON.stringify(expected), 5000).catch(() => {});
  assert.deepEqual(await scene(page, points), expected, message);
}

check('start-up: title, language, idle state, the grid and the border drawn; the menus by keyboard: Alt+V opens at its first item, arrows move, a letter chooses, Esc closes; no error', async () => {
  const page = await open();
  assert.deepEqual(await page.evaluate("[document.title, document.documentElement.lang, document.getElementById('Command1').disabled]"),
    ['Morvak Lopena - Aruncare pe oblica', 'ro', true]);
  assert.deepEqual(await texts(page, results), ['Distanta parcursa', 'Inaltime maxima', 'Timp total', 'Viteza la impact']);
  // Grid line x = 64, border x = 8, background between them.
  await sceneIs(page, [[64, 100], [8, 200], [30, 100], [12, 340]], [black, black, clear, clear]);
  const focused = () => page.evaluate('document.activeElement.id');
  await page.press('Alt+V');
  assert.equal(await focused(), 'mnutraiect');
  await page.press('ArrowDown');
  assert.equal(await focused(), 'mnugrid');
  await page.press('ArrowRight');
  assert.equal(await focused(), 'mnuabout');
  await page.press('ArrowLeft');
  await page.press('g');
  assert.equal(await page.evaluate("document.getElementById('mnugrid').getAttribute('aria-checked')"), 'false');
  await sceneIs(page, [[64, 100], [8, 200]], [clear, black], 'the grid hidden, the border kept');
  await page.press('Alt+F');
  assert.equal(await focused(), 'mnusave');
  await page.press('Escape');
  assert.equal(await page.evaluate("document.getElementById('mnufile').getAttribute('aria-expanded')"), 'false');
  assert.deepEqual(await page.errors(), []);
});

check('a flight: four results at once; paused, no step; resumed, the landing where it would have been, 30 dots where the desktop draws them', async () => {
  const page = await open();
  await page.click('#cmdFire');
  assert.deepEqual(await texts(page, results), defaults);
  await page.waitFor("document.getElementById('Label7').textContent !== 'Coordonata X : 00.00'");
  await page.click('#Command1');
  assert.equal(await page.text('Command1'), 'Reia');
  const paused = await texts(page, ['Label7', 'Label11']);
  // The page's timers go on (ten ticks of any of them) and the ball does not move.
  await page.evaluate(`(() => { window.ticks = 0; const tick = lopena._lopena_timer;
    lopena._lopena_timer = (...a) => { ++window.ticks; return tick(...a); }; return true; })()`);
  await page.waitFor('window.ticks >= 10');
  assert.deepEqual(await texts(page, ['Label7', 'Label11']), paused);
  await page.click('#Command1');
  await landed(page);
  assert.deepEqual(await texts(page, ['Label7', 'Label8']), ['Coordonata X : 254.946 m', 'Coordonata Y : 0,00']);
  const colour = (await scene(page, [dots[0]]))[0];
  assert.ok(/,255$/.test(colour) && colour !== black, colour);
  await sceneIs(page, [...dots, [277, 341], [150, 250]], [...dots.map(() => colour), clear, clear]);
}, 'page.test.mjs');

check('a refusal: gravity 0 is refused, the box selected and explained, nothing launched; About: Ctrl+D and Esc, the Help menu and OK by mouse, modal while the flight goes on', async () => {
  const page = await open();
  await page.fill('#txtgrav', '0');
  await page.click('#cmdFire');
  await page.waitFor("!!document.getElementById('txtgrav_tip')");
  assert.deepEqual(await page.evaluate(`[document.activeElement.id, document.activeElement.selectionStart,
    document.activeElement.selectionEnd, document.getElementById('txtgrav_tip').textContent.length > 10]`), ['txtgrav', 0, 1, true]);
  assert.equal(await page.text('Label3'), 'Distanta parcursa');
  await page.fill('#txtgrav', '9.806');
  await page.click('#cmdFire');
  await page.press('Control+D');
  assert.equal(await page.waitFor("document.getElementById('lblVersion')?.textContent"), `Versiunea ${version}`);
  await landed(page);
  await page.press('Escape');
  await page.waitFor("!document.getElementById('frmAbout')");
  await page.click('#mnuhelp');
  await page.click('#mnuabout');
  assert.equal(await page.waitFor("document.getElementById('lblVersion')?.textContent"), `Versiunea ${version}`);
  await page.click('#cmdOK');
  await page.waitFor("!document.getElementById('frmAbout')");
}, 'page.test.mjs');

check("the report through the page's save prompt: the desktop's bytes downloaded", async () => {
  const page = await open({ query: '?lang=ro' });
  await page.evaluate('window.showSaveFilePicker = undefined');
  await page.click('#cmdFire');
  await page.click('#mnufile');
  await page.click('#mnusave');
  assert.equal(await page.waitFor("document.getElementById('fileName')?.value"), 'raport.txt');
  await page.fill('#fileName', 'lansare.txt');
  await page.click('.lp-page-dialog button');
  const text = (await page.download('lansare.txt')).toString('latin1');
  const date = text.match(/la (\d\d\.\d\d\.\d{4} \d\d:\d\d:\d\d)\r\n/)?.[1];
  assert.equal(text, report(date));
}, 'page.test.mjs');

check("a dialog with the notebook open: the panel usable in it, back in place after; the notebook's four tabs after the flight", async () => {
  const page = await open({ width: 1920, height: 1000 });
  await openNotebook(page);
  await page.click('#cmdFire');
  await page.press('Control+D');
  await page.waitFor("!!document.getElementById('lblVersion')");
  await page.click('#tabIstoric');
  assert.equal(await page.evaluate("document.getElementById('tabIstoric').getAttribute('aria-selected')"), 'true');
  await page.click('#cmdOK');
  await page.waitFor("!document.getElementById('frmAbout') && document.getElementById('notebook').parentNode === document.body");
  await landed(page);
  const expected = {
    Tabel: ["[...document.querySelectorAll('#stepTable .lp-nb-row:not(.lp-nb-head)')].find((r) => r.dataset.row === '30')?.textContent",
      'aterizare (calculat)7.21254.9460.00035.355-35.35550.000'],
    // The axes, and the curve in colour on the chart shown.
    Grafice: [`document.getElementById('chartView').getAttribute('aria-label') + ' ' + (() => {
      const c = document.querySelector('#chartView .lp-nb-shown'), d = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
      let n = 0; for (let i = 0; i < d.length; i += 4) n += Math.max(d[i], d[i + 1], d[i + 2]) - Math.min(d[i], d[i + 1], d[i + 2]) > 60;
      return n > 200; })()`, 'Traiectoria y(x): x (m) de la 0 la 300, y (m) de la -20 la 80 true'],
    Istoric: ["[...document.querySelectorAll('#historyTable tbody tr')].map((r) => [...r.children].slice(1, 4).map((c) => c.textContent).join(' ')).join()",
      '50.000 45.00 9.806'],
    Rezolvare: ["/[=≈] 254.946 m/.test(document.getElementById('solution').textContent) && 'rezolvare'", 'rezolvare'],
  };
  for (const [tab, [source, value]] of Object.entries(expected)) {
    await page.click(`#tab${tab}`);
    assert.equal(await page.evaluate(`document.getElementById('tab${tab}').getAttribute('aria-selected')`), 'true');
    await page.waitFor(`(${source}) === ${JSON.stringify(value)}`).catch(async () =>
      assert.equal(await page.evaluate(source), value, tab));
  }
}, 'notebook.test.mjs');

check('the "C" language: the page starts and the results show', async () => {
  const page = await open({ query: '', lang: 'C' });
  assert.equal(await page.evaluate('navigator.language'), 'C');
  await page.click('#cmdFire');
  assert.match(await page.text('Label5'), /^Timp total: 7[.,]21 s$/);
  assert.deepEqual(await page.errors(), []);
});

check('a phone upright and sideways: the window fits and scales, a tap launches', async (skip) => {
  for (const [width, height] of [[412, 915], [915, 412]]) {
    const page = await open({ width, height, mobile: 2.625 });
    if (!page) return skip('no phone emulation');
    const [box, ratio] = await page.evaluate(`(() => { const r = document.getElementById('frmmain').getBoundingClientRect(),
      c = document.getElementById('scene'); return [[r.left, r.top, r.width, r.height], c.width / c.getBoundingClientRect().width]; })()`);
    assert.ok(box[0] >= 0 && box[1] >= 0 && box[0] + box[2] <= width + 0.5 && box[1] + box[3] <= height + 0.5 &&
      Math.abs(box[2] / box[3] - 1018 / 514) < 0.01, `${width}x${height}: ${box}`);
    // One pixel of the canvas to one of the screen, whatever the window's scale.
    assert.ok(Math.abs(ratio - 2.625) < 0.01, `the scene at the device resolution: ${ratio}`);
    await page.tap('#cmdFire');
    assert.equal(await page.text('Label3'), defaults[0]);
  }
});

check('a scaled-down window: it fits, and every grid line shows on the screen', async () => {
  const [width, height] = [683, 384];
  const page = await open({ width, height });
  // The grid's lines from the scene itself: columns dark on row 100, rows dark on column 30.
  const grid = await page.waitFor(`(() => { const c = document.getElementById('scene'), r = c.width / c.clientWidth,
    d = c.getContext('2d'), dark = (x, y) => d.getImageData(Math.floor(x * r), Math.floor(y * r), 1, 1).data[3] === 255;
    const xs = [], ys = [];
    for (let x = 12; x < c.clientWidth - 4; ++x) if (dark(x + 0.5, 100.5)) xs.push(x);
    for (let y = 4; y < 330; ++y) if (dark(30.5, y + 0.5)) ys.push(y);
    const b = c.getBoundingClientRect();
    return xs.length > 10 && { xs, ys, left: b.left, top: b.top, scale: b.width / c.clientWidth }; })()`);
  assert.ok(grid.scale < 0.75, `scale ${grid.scale}`);
  const shot = await page.pixels();
  const k = shot.width / width;
  const grey = (x, y) => shot.at(Math.round(x), Math.round(y)).reduce((a, b) => a + b) / 3;
  // The darkest screen pixel across each line (±1 px of where it falls), then the background midway.
  const faint = [];
  for (const [line, x, y, dx, dy] of [...grid.xs.map((x) => [`x ${x}`, x + 0.5, 100.5, 1, 0]), ...grid.ys.map((y) => [`y ${y}`, 30.5, y + 0.5, 0, 1])]) {
    const sx = (grid.left + x * grid.scale) * k, sy = (grid.top + y * grid.scale) * k;
    if (Math.min(...[-1, 0, 1].map((d) => grey(sx + d * dx, sy + d * dy))) > 160) faint.push(line);
  }
  assert.ok(grey((grid.left + 30 * grid.scale) * k, (grid.top + 128 * grid.scale) * k) > 200, 'the background is light');
  assert.deepEqual(faint, [], `grid lines too faint at ${grid.scale.toFixed(3)}`);
});

check('axe: at start-up, in a flight, with About open, with the save prompt open, on the notebook\'s tabs', async () => {
  const page = await open({ width: 1920, height: 1000 });
  const scans = {};
  const scan = async (state) => { scans[state] = await axeScan((s) => page.evaluate(s)); };
  await scan('start-up');
  await page.click('#cmdFire');
  await scan('a flight');
  await page.press('Control+D');
  await page.waitFor("!!document.getElementById('lblVersion')");
  await scan('About open');
  await page.press('Escape');
  await page.evaluate('window.showSaveFilePicker = undefined');
  await page.click('#mnufile');
  await page.click('#mnusave');
  await page.waitFor("!!document.getElementById('fileName')");
  await scan('the save prompt open');
  await page.press('Escape');
  await landed(page);
  await openNotebook(page);
  for (const tab of ['Tabel', 'Grafice', 'Istoric', 'Rezolvare']) {
    await page.click(`#tab${tab}`);
    await scan(`the notebook on ${tab}`);
  }
  const found = Object.entries(scans).filter(([, v]) => v.length).map(([state, v]) => `${state}:\n  ${v.join('\n  ')}`);
  assert.deepEqual(found, [], found.join('\n'));
});

check('the Laborator: Ctrl+Y, a throw from the ground, a horizontal one from 20 m and one at -30 degrees from a cliff as on the desktop, clean for axe', async () => {
  const page = await open({ width: 1920, height: 1000 });
  await page.press('Control+Y');
  await page.waitFor("!!document.getElementById('cmdLabStart')");
  const lab = ['lblLabT', 'lblLabD', 'lblLabH', 'lblLabV', 'lblLabImpact'];
  for (const [speed, angle, height, expected] of [
    ['20', '45', '0', ['T = 2.883 s', 'D = 40.775 m', 'H = 10.194 m', 'V = 20.000 m/s', 'unghi la impact = 45.00\u00b0']],
    ['10', '0', '20', ['T = 2.019 s', 'D = 20.193 m', 'H = 20.000 m', 'V = 22.190 m/s', 'unghi la impact = 63.21\u00b0']],
    ['15', '-30', '30', ['T = 1.824 s', 'D = 23.695 m', 'H = 30.000 m', 'V = 28.524 m/s', 'unghi la impact = 62.91\u00b0']]]) {
    for (const [id, value] of [['txtLabViteza', speed], ['txtLabUnghi', angle], ['txtLabInaltime', height]]) await page.fill(`#${id}`, value);
    await page.click('#cmdLabStart');
    assert.deepEqual(await texts(page, lab), expected);
  }
  await page.click('#optLabMediu_2');
  await page.click('#chkLabFantoma');
  await page.click('#cmdLabStart');
  assert.equal(await page.text('lblLabVid_1'), 'in vid: D = 23.695 m');
  const found = await axeScan((src) => page.evaluate(src));
  assert.deepEqual(found, [], found.join('\n'));
});

check('Probleme: Ctrl+E, pupil 7 of 9B judged as on the desktop, clean for axe, the answers back after a reload, the exercise flown in the Laborator', async () => {
  const page = await open({ width: 1920, height: 1000 });
  await page.press('Control+E');
  await page.waitFor("!!document.getElementById('frmProbleme')");
  await page.fill('#txtProbClasa', '9b');
  await page.fill('#txtProbElev', '7');
  assert.match(await page.text('lblProbEnunt'), /^O bila se rostogoleste pe o masa inalta de 0\.75 m /);
  await page.fill('#txtProbRaspuns_0', '0.391');
  await page.fill('#txtProbRaspuns_1', '0,5638');
  await page.click('#cmdProbVerifica');
  const judged = ['Corect', 'Aproape: 3.0 %'];
  assert.deepEqual(await texts(page, ['lblProbVerdict_0', 'lblProbVerdict_1']), judged);
  const found = await axeScan((src) => page.evaluate(src));
  assert.deepEqual(found, [], found.join('\n'));
  await page.evaluate('(setTimeout(() => location.reload()), true)');
  await page.waitFor("!document.getElementById('frmProbleme') && !!document.getElementById('cmdFire')");
  await page.press('Control+E');
  await page.waitFor(`document.getElementById('txtProbRaspuns_1')?.value === '0,5638' &&
    document.getElementById('lblProbVerdict_1').textContent === ${JSON.stringify(judged[1])}`);
  await page.click('#cmdProbLaborator');
  await page.waitFor("document.getElementById('lblLabT')?.textContent === 'T = 0.391 s'");
  assert.deepEqual(await page.errors(), []);
}, 'problems.test.mjs');

check('a Laborator code after # opens it set up; the boxes of both windows come back after a reload', async () => {
  const code = 'L1-ASESpfMPIPGmLwovCgV_CgZ_ClXxil9vV7pLnQ'; // 12.5 m/s at 30 degrees from 20 m on the Moon (lab.test.mjs)
  const page = await open({ query: `?lang=en#${code}`, width: 1920, height: 1000 });
  const boxes = "['txtViteza', 'txtLabViteza', 'txtLabUnghi', 'txtLabGrav'].map((id) => document.getElementById(id)?.value).join()";
  await page.waitFor(`${boxes} === '50,12.5,30,1.62'`);
  await page.fill('#txtViteza', '33');
  await page.fill('#txtLabUnghi', '60');
  await page.evaluate("(setTimeout(() => { location.href = location.href.split('#')[0]; }), true)");
  await page.waitFor("!document.getElementById('frmLab') && document.getElementById('txtViteza')?.value === '33'");
  await page.press('Control+Y');
  await page.waitFor(`${boxes} === '33,12.5,60,1.62'`);
  assert.deepEqual(await page.errors(), []);
}, 'lab.test.mjs');

check('a click at the left end of the speed box, under its caption, goes to the box; Esc closes the Laborator', async () => {
  const page = await open({ width: 1920, height: 1000 });
  await page.clickAt(...await page.evaluate("(() => { const r = document.getElementById('txtViteza').getBoundingClientRect(); return [Math.ceil(r.left) + 2, Math.round(r.top + r.height / 2)]; })()"));
  assert.equal(await page.evaluate('document.activeElement.id'), 'txtViteza');
  for (const key of ['Control+Y', 'Escape', 'Control+Y']) {
    await page.press(key);
    await page.waitFor(`!!document.getElementById('frmLab') === ${key !== 'Escape'}`);
  }
}, 'page.test.mjs and lab.test.mjs');

check('1366 x 768: the three windows, each opened by its shortcut from the window with the focus, cover no control; the bar shows each', async () => {
  const page = await open({ width: 1366, height: 768 });
  await page.evaluate("document.getElementById('cmdFire').focus()");
  for (const [key, form] of [['Control+L', 'notebook'], ['Control+Y', 'frmLab']]) {
    await page.press(key);
    await page.waitFor(`!!document.activeElement.closest('#${form}')`);
  }
  const covered = [];
  for (const [label, form] of WINDOWS) {
    await page.click(`#window_${label}`);
    await page.waitFor(`document.getElementById('window_${label}').getAttribute('aria-pressed') === 'true' && !!document.activeElement.closest('#${form}')`);
    for (const shown of await page.evaluate(`(${shownIn})()`)) covered.push(...await page.evaluate(`(${coveredIn})(${JSON.stringify(shown)})`));
  }
  assert.deepEqual(covered, []);
  const found = await axeScan((src) => page.evaluate(src));
  assert.deepEqual(found, [], found.join('\n'));
});

async function run() {
  let failed = 0, skipped = 0;
  try {
    for (const { name, fn, covered } of checks) {
      let why = engine === 'chromium' && covered ? `made in Chromium by ${covered}` : null;
      try {
        if (!why) await within(fn((reason) => { why = reason; }), 120, name);
        console.log(why ? `skip ${name} (${why})` : `ok   ${name}`);
        if (why) ++skipped;
      } catch (e) {
        ++failed;
        console.log(`FAIL ${name}\n${e.stack}`);
      } finally {
        for (const page of pages) await page.close().catch(() => {});
        pages.clear();
      }
    }
  } finally {
    await within(browser.close(), 30, 'closing the browser').catch((e) => console.log(e.message));
  }
  console.log(`${browser.version}: ${checks.length - failed - skipped} passed, ${failed} failed, ${skipped} skipped`);
  process.exit(failed ? 1 : 0);
}
await run();
