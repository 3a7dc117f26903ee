// The built page in headless Chromium, opened from disk; time is Playwright's clock, paused, and
// moved only by runFor. Expected numbers and texts are those the desktop shows for the same input.
//   node tests/web/page.test.mjs build/web/lopena.html
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { barButton, browser, open, test, text, run, url } from './harness.mjs';
import { decodePng } from './engines/driver.mjs';
import { clear, black, defaults, dots, report, results } from './expected.mjs';
import { version } from './version.mjs';
import { WINDOWS, coveredIn, shownIn } from './windows.mjs';

const texts = (page, ids) => Promise.all(ids.map((id) => text(page, id)));
// The scene's pixels (device pixel ratio 1) as "r,g,b,a" at model coordinates; the ground is clear.
const pixels = (page, points) => page.evaluate((pts) => {
  const c = document.getElementById('scene').getContext('2d');
  return pts.map(([x, y]) => c.getImageData(x, y, 1, 1).data.join());
}, points);
const landed = (page) => page.locator('#Command1').isDisabled();

test('start-up: title, layout at its pixels, idle state, grid and border drawn', async () => {
  const page = await open();
  assert.equal(await page.title(), 'Morvak Lopena - Aruncare pe oblica');
  assert.equal(await page.getAttribute('html', 'lang'), 'ro');
  const boxes = await page.evaluate(() => {
    const client = document.querySelector('.lp-client').getBoundingClientRect();
    return Object.fromEntries(['Frame1', 'cmdFire', 'txtUnghi', 'hsbViteza', 'Label12', 'Frame4', 'Option1_3', 'Label5']
      .map((id) => { const r = document.getElementById(id).getBoundingClientRect();
        return [id, [r.left - client.left, r.top - client.top, r.width, r.height].map(Math.round)]; }));
  });
  assert.deepEqual(boxes, { Frame1: [8, 360, 417, 121], cmdFire: [280, 376, 65, 33], txtUnghi: [48, 432, 33, 19],
    hsbViteza: [112, 408, 145, 17], Label12: [136, 376, 73, 33], Frame4: [888, 360, 121, 121],
    Option1_3: [896, 400, 97, 17], Label5: [440, 432, boxes.Label5[2], 13] });
  assert.ok(await page.locator('#Command1').isDisabled());
  assert.ok(!(await page.locator('#chkTrail').isVisible()));
  assert.deepEqual(await texts(page, [...results, 'Label11', 'txtRaza']).then((t) => t.slice(0, 5)),
    ['Distanta parcursa', 'Inaltime maxima', 'Timp total', 'Viteza la impact', '0.00 sec']);
  await page.click('#mnuview');
  assert.deepEqual(await page.$$eval('#mnuview + .lp-menulist [role^=menuitem]', (items) =>
    items.map((i) => [i.id, i.getAttribute('aria-checked')])), [['mnutraiect', 'true'], ['mnugrid', 'true'], ['mnucaiet', null], ['mnulab', null], ['mnuprob', null]]);
  // Grid line x = 64, border x = 8, background between them; no ball.
  assert.deepEqual(await pixels(page, [[64, 100], [8, 200], [30, 100], [12, 340]]), [black, black, clear, clear]);
});

test('a launch: four results at once, the live coordinates and the clock in the desktop sequence, pause and resume, landing on tick 30 with 30 dots where the desktop draws them', async () => {
  const page = await open();
  await page.click('#cmdFire');
  assert.deepEqual(await texts(page, results), defaults);
  const seen = [];
  for (let i = 0; i < 3; ++i) {
    await page.clock.runFor(200);
    seen.push(await texts(page, ['Label7', 'Label8', 'Label11']));
  }
  assert.deepEqual(seen, [['Coordonata X : 08.84', 'Coordonata Y : 08.53', '6.71096038818359 sec'],
    ['Coordonata X : 26.52', 'Coordonata Y : 23.76', '6.21096038818359 sec'],
    ['Coordonata X : 44.19', 'Coordonata Y : 36.53', '5.71096038818359 sec']]);
  await page.click('#Command1');
  assert.equal(await text(page, 'Command1'), 'Reia');
  await page.clock.runFor(5000);
  assert.deepEqual(await texts(page, ['Label7', 'Label11']), ['Coordonata X : 44.19', '5.71096038818359 sec']);
  await page.click('#Command1');
  await page.clock.runFor(2300); // tick 29
  assert.ok(!(await landed(page)));
  await page.clock.runFor(100);
  assert.ok(await landed(page));
  assert.deepEqual(await texts(page, ['Label7', 'Label8']), ['Coordonata X : 254.946 m', 'Coordonata Y : 0,00']);
  await page.clock.runFor(20); // the next frame
  const centres = await pixels(page, dots);
  assert.ok(centres.every((c) => c === centres[0]) && /,255$/.test(centres[0]) && centres[0] !== black, centres.join(' '));
  assert.deepEqual(await pixels(page, [[277, 341], [150, 250]]), [clear, clear]);
  await page.clock.runFor(230); // a screen reader hears the labels at most 4 times a second
  assert.match(await page.locator('[aria-live=polite]').textContent(), /Coordonata X : 254.946 m/);
});

test('inputs: corrections nest as on the desktop, the angle takes 3 characters, a refusal beeps and explains', async () => {
  const page = await open({ init: () => { window.beeps = 0; window.AudioContext = class {
    createOscillator() { ++window.beeps; return { frequency: {}, connect: (g) => g, start() {}, stop() {} }; }
    createGain() { return { gain: {}, connect: () => {} }; } }; } });
  for (const [box, typed, shown] of [['txtUnghi', '91', '90'], ['txtUnghi', '0', '1'], ['txtUnghi', '', '1'],
    ['txtUnghi', '1e3', '90'], ['txtViteza', '-', '1'], ['txtViteza', '2,5', '2,5'], ['txtViteza', '0,5', '1'],
    ['txtViteza', '1000', '1000']]) {
    await page.fill(`#${box}`, typed);
    assert.equal(await page.inputValue(`#${box}`), shown, `${box} ${typed}`);
  }
  await page.locator('#txtUnghi').selectText();
  await page.keyboard.type('1.55');
  assert.equal(await page.inputValue('#txtUnghi'), '1.5');
  await page.click('#hsbViteza .lp-arrow.lp-down');
  assert.equal(await page.inputValue('#txtViteza'), ' 49');
  await page.click('#HSBRaza .lp-arrow.lp-up');
  assert.equal(await page.inputValue('#txtRaza'), ' 10');
  await page.fill('#txtgrav', '0');
  await page.click('#cmdFire');
  assert.equal(await page.evaluate(() => window.beeps), 1);
  assert.equal(await page.evaluate(() => [document.activeElement.id, document.activeElement.selectionStart,
    document.activeElement.selectionEnd].join()), 'txtgrav,0,1');
  assert.ok((await page.locator('#txtgrav_tip').textContent()).length > 10);
  assert.equal(await text(page, 'Label3'), 'Distanta parcursa');
});

test('whatever starts a handler (a shortcut, an access key, a click), its menu mark and the scene show its effect in the next frame', async () => {
  for (const how of [['Control+G'], ['Alt+V', 'g'], ['#mnuview', '#mnugrid']]) {
    const page = await open();
    for (const step of how) await (step.startsWith('#') ? page.click(step) : page.keyboard.press(step));
    await page.clock.runFor(20);
    assert.equal(await page.getAttribute('#mnugrid', 'aria-checked'), 'false', how.join(' '));
    assert.deepEqual(await pixels(page, [[64, 100], [8, 200]]), [clear, black], how.join(' '));
  }
});

test('a Romanian browser shows a decimal comma; ?lang=en overrides it; any other language starts with "."', async () => {
  const saysC = () => Object.defineProperty(Navigator.prototype, 'language', { get: () => 'C' }); // WebKitGTK under LANG=C.UTF-8
  for (const [locale, query, time, init] of [['ro-RO', '', 'Timp total: 7,21 s'], ['ro-RO', '?lang=en', 'Timp total: 7.21 s'],
    ['en-US', '?lang=ro', 'Timp total: 7,21 s'], ['ro-RO', '?lang=', 'Timp total: 7,21 s'],
    ['en-US', '', 'Timp total: 7.21 s', saysC], ['ro-RO', '?lang=C', 'Timp total: 7.21 s'],
    ['ro-RO', '?lang=!!', 'Timp total: 7.21 s'], ['ro-RO', '?lang=xx-Zzzz', 'Timp total: 7.21 s']]) {
    const page = await open({ locale, query, init }).catch((e) => assert.fail(`${locale}${query} ${e.message}`));
    await page.click('#cmdFire');
    assert.equal(await text(page, 'Label5'), time, `${locale}${query}`);
    assert.match(await page.evaluate(() => window.lopena.tk.generalDate()), /2026/);
  }
});

test("the report's bytes through the save picker, through a download, and nothing on cancel", async () => {
  const picker = () => { window.saved = []; window.showSaveFilePicker = async (o) => {
    if (window.cancel) throw new DOMException('cancelled', 'AbortError');
    window.asked = o.suggestedName;
    return { name: 'raport.txt', createWritable: async () => {
      if (window.full) throw new Error('disc plin');
      return { write: async (b) => window.saved.push(...b), close: async () => {} };
    } };
  }; };
  const save = async (page) => { await page.click('#mnufile'); await page.click('#mnusave'); };
  let page = await open({ locale: 'ro-RO', init: picker });
  await page.click('#cmdFire');
  await page.clock.runFor(3000);
  await page.evaluate(() => { window.cancel = true; });
  await save(page);
  await page.evaluate(() => { window.cancel = false; });
  await save(page);
  await page.waitForFunction(() => window.saved.length > 0);
  assert.equal(await page.evaluate(() => window.asked), 'raport.txt');
  assert.equal(Buffer.from(await page.evaluate(() => window.saved)).toString('latin1'), report('07.12.2026 22:30:04'));
  await page.evaluate(() => { window.full = true; });
  await save(page);
  assert.match(await page.locator('.lp-page-dialog .lp-message').textContent(),
    /^Raportul nu a putut fi salvat[^]*raport.txt[^]*browserul nu a putut scrie fisierul \(detaliu: disc plin\)/);
  await page.click('.lp-page-dialog button');

  page = await open({ locale: 'ro-RO', init: () => { window.showSaveFilePicker = undefined; } });
  await page.click('#cmdFire');
  await save(page);
  assert.equal(await page.inputValue('#fileName'), 'raport.txt');
  await page.fill('#fileName', 'lansare');
  const [download] = await Promise.all([page.waitForEvent('download'), page.click('.lp-page-dialog button >> nth=0')]);
  assert.equal(download.suggestedFilename(), 'lansare');
  assert.equal(readFileSync(await download.path(), 'latin1'), report('07.12.2026 22:30:01'));
});

test("About is modal: the window takes no input while the flight goes on; Enter and Esc close it", async () => {
  const page = await open();
  await page.click('#cmdFire');
  await page.keyboard.press('Control+D');
  assert.equal(await text(page, 'lblVersion'), `Versiunea ${version}`);
  await page.evaluate(() => { document.getElementById('cmdClear').click(); document.getElementById('mnugrid').click(); });
  await page.clock.runFor(3000);
  assert.ok(await landed(page));
  // Neither the grid switch nor the clear reached the window.
  assert.deepEqual(await pixels(page, [[64, 100], [92, 285]]).then((p) => p.map((c) => c.endsWith(',255'))), [true, true]);
  await page.keyboard.press('Escape');
  assert.equal(await page.locator('#frmAbout').count(), 0);
  await page.click('#mnuhelp');
  await page.click('#mnuabout');
  assert.equal(await text(page, 'lblVersion'), `Versiunea ${version}`);
  await page.keyboard.press('Enter');
  assert.equal(await page.locator('#frmAbout').count(), 0);
});

test('keyboard only: tab order by tab index, arrows on a scroll bar, Enter launches, the menu bar', async () => {
  const page = await open();
  const order = [await page.evaluate(() => document.activeElement.id)];
  for (let i = 0; i < 9; ++i) {
    await page.keyboard.press('Tab');
    order.push(await page.evaluate(() => document.activeElement.closest('[id]').id));
  }
  assert.deepEqual(order, ['txtUnghi', 'txtViteza', 'cmdFire', 'hsbViteza', 'hsbUnghi', 'cmdClear', 'txtgrav',
    'txtRaza', 'HSBRaza', 'Option1_3']);
  await page.focus('#hsbUnghi');
  await page.keyboard.press('ArrowRight');
  assert.equal(await page.inputValue('#txtUnghi'), ' 46');
  await page.keyboard.press('Enter');
  assert.equal(await text(page, 'Label3'), 'Distanta parcursa : 254.791 m');
  // The menu bar: F10, arrows between the menus, Down into one, Esc back to the window.
  const focused = () => page.evaluate(() => document.activeElement.id);
  const seen = [];
  for (const key of ['F10', 'ArrowRight', 'ArrowRight', 'ArrowRight', 'ArrowLeft', 'ArrowDown', 'Escape', 'Escape']) {
    await page.keyboard.press(key);
    seen.push(await focused());
  }
  assert.deepEqual(seen, ['mnufile', 'mnuview', 'mnuhelp', 'mnufile', 'mnuhelp', 'mnuabout', 'mnuhelp', 'hsbUnghi']);
});

test('a small viewport scales the window as a whole; touch launches; the scene drawn pixel for pixel', async () => {
  const page = await open({ viewport: { width: 683, height: 384 }, hasTouch: true });
  const r = await page.locator('#frmmain').boundingBox();
  assert.ok(r.width <= 683 && r.height <= 384 && Math.abs(r.width / r.height - 1018 / 514) < 0.01, JSON.stringify(r));
  // The grid's lines on the screen: pure black on the window's grey, none of them resampled.
  const scene = await page.locator('#scene').boundingBox();
  const png = decodePng(await page.screenshot({ clip: { x: Math.ceil(scene.x) + 2, y: scene.y + 60, width: Math.floor(scene.width) - 4, height: 1 } }));
  const row = Array.from({ length: png.width }, (_, x) => png.at(x, 0)[0]);
  assert.deepEqual([...new Set(row)].sort((a, b) => a - b), [0, 240]);
  assert.ok(row.filter((v) => v === 0).length >= 15, row.join());
  await page.tap('#cmdFire');
  assert.equal(await text(page, 'Label3'), defaults[0]);
});

// Inside the viewport as the pupil sees it, whole.
const inside = (page, id) => page.evaluate((id) => {
  const r = document.getElementById(id).getBoundingClientRect(), v = document.documentElement;
  return r.left >= -0.5 && r.top >= -0.5 && r.right <= v.clientWidth + 0.5 && r.bottom <= v.clientHeight + 0.5;
}, id);

test('phones either way up, a rotation, a narrowing: the window and About fit the viewport, the menu bar in reach', async () => {
  for (const [width, height, then] of [[390, 844], [844, 390], [800, 500], [390, 844, [844, 390]], [1100, 560, [320, 240]]]) {
    const page = await open({ viewport: { width, height }, isMobile: width < 1000, hasTouch: true });
    await page.keyboard.press('Control+D'); // About laid out at the first size
    if (then) { // a new size, taken at the browser's next real frame (a screenshot waits for one)
      await page.setViewportSize({ width: then[0], height: then[1] });
      await page.screenshot({ clip: { x: 0, y: 0, width: 1, height: 1 } });
    }
    const where = `${width}x${height} ${then || ''}`;
    for (const id of ['frmmain', 'mnufile', 'Label6', 'Frame4', 'frmAbout', 'cmdOK']) assert.ok(await inside(page, id), `${where} ${id}`);
    await page.tap('#cmdOK');
    assert.equal(await page.locator('#frmAbout').count(), 0, where);
  }
});

const coveredControls = (page, form) => page.evaluate(coveredIn, form);

test('no label, frame or shape takes a click meant for a control under or beside it, in every form', async () => {
  const page = await open({ viewport: { width: 2000, height: 900 } });
  const covered = await coveredControls(page, 'frmmain');
  // Each form checked as it opens, on top; the notebook on each of its tabs.
  for (const [form, key, tabs = [null]] of [['notebook', 'Control+L', ['Tabel', 'Grafice', 'Istoric', 'Rezolvare']],
    ['frmLab', 'Control+Y'], ['frmAbout', 'Control+D']]) {
    await page.focus('#cmdFire');
    await page.keyboard.press(key);
    await page.waitForSelector(`#${form}`);
    for (const tab of tabs) {
      if (tab) await page.click(`#tab${tab}`);
      covered.push(...await coveredControls(page, form));
    }
  }
  assert.deepEqual(covered, []);
});

const shownWindows = (page) => page.evaluate(shownIn);
const SCREENS = [[1920, 1080, 3], [1536, 864, 3], [1366, 768], [1280, 800], [1024, 768], [768, 1024], [390, 844, 1, true], [844, 390, 1, true]];

test('on every screen the three windows, each opened by its shortcut from the window with the focus, cover no control; the bar shows each', async () => {
  const covered = [];
  for (const [i, [width, height, together = 1, phone]] of SCREENS.entries()) {
    const page = await open({ viewport: { width, height }, ...(phone && { isMobile: true, hasTouch: true, deviceScaleFactor: 3 }) });
    const where = `${width}x${height}`;
    await page.focus('#cmdFire');
    for (const [key, form] of i % 2 ? [['Control+Y', 'frmLab'], ['Control+L', 'notebook']] : [['Control+L', 'notebook'], ['Control+Y', 'frmLab']]) {
      await page.keyboard.press(key);
      await page.waitForSelector(`#${form}`);
      assert.ok(await page.evaluate((form) => document.activeElement.closest(`#${form}`), form), `${where}: the focus in ${form}`);
    }
    assert.ok((await shownWindows(page)).length >= together, `${where}: ${await shownWindows(page)}`);
    const bar = page.getByRole('navigation', { name: 'Ferestre' });
    for (const [label, form] of WINDOWS) {
      const button = bar.getByRole('button', { name: label, exact: true });
      await (phone ? button.tap() : button.click());
      assert.equal(await button.getAttribute('aria-pressed'), 'true', `${where} ${label}`);
      assert.ok((await shownWindows(page)).includes(form) && await page.evaluate((form) => document.activeElement.closest(`#${form}`), form), `${where} ${label}`);
      for (const shown of await shownWindows(page)) covered.push(...(await coveredControls(page, shown)).map((c) => `${where} ${c}`));
    }
    if (!phone) continue;
    // The phone's Laborator: its text at least 11 px; upright, in its tall layout, as wide as the
    // phone and every button, box and check at least 24 x 24 px; sideways its buttons 23 px high.
    await bar.getByRole('button', { name: 'Laborator', exact: true }).tap();
    const upright = height > width;
    const [text, targets, right] = await page.evaluate((upright) => {
      const lab = document.getElementById('frmLab'), scale = lab.getBoundingClientRect().width / lab.offsetWidth;
      return [parseFloat(getComputedStyle(document.getElementById('lblLabT')).fontSize) * scale,
        [...lab.querySelectorAll(upright ? 'button, input[type=text], label.lp-option' : 'button')].filter((b) => b.checkVisibility())
          .map((b) => b.getBoundingClientRect()).map((r) => Math.min(r.width, r.height)), lab.getBoundingClientRect().right];
    }, upright);
    assert.ok(text >= 11 && Math.min(...targets) >= (upright ? 24 : 23) && (!upright || right <= width), `${where}: ${text} px, ${targets}, ${right}`);
  }
  assert.deepEqual(covered, []);
});

test('Mareste and a double click on a title fill the page with a window, above 1:1 on a projector; again gives the room back', async () => {
  const page = await open({ viewport: { width: 2560, height: 1440 } });
  await page.keyboard.press('Control+Y');
  await page.waitForSelector('#frmLab');
  const grow = page.getByRole('button', { name: 'Mareste' });
  await grow.click();
  const box = await page.locator('#frmLab').boundingBox();
  assert.deepEqual([await shownWindows(page), await grow.getAttribute('aria-pressed'), box.height > 1300], [['frmLab'], 'true', true]);
  await barButton(page, 'Principala').click();
  assert.ok((await page.locator('#frmmain').boundingBox()).width > 2500);
  await grow.click();
  assert.deepEqual(await shownWindows(page), ['frmmain', 'frmLab']);
  await page.dblclick('#frmLab .lp-title span');
  assert.deepEqual(await shownWindows(page), ['frmLab']);
  await page.click('#frmLab_close');
  assert.deepEqual([await shownWindows(page), await page.locator('nav').isVisible()], [['frmmain'], false]);
});

test('Iesire closes every window: the Laborator and the notebook too; only the end and its button remain, and it starts again', async () => {
  const page = await open({ viewport: { width: 2000, height: 900 } });
  for (const [key, form] of [['Control+L', 'notebook'], ['Control+Y', 'frmLab'], ['Control+I']]) {
    await page.focus('#cmdFire');
    await page.keyboard.press(key);
    if (form) await page.waitForSelector(`#${form}`);
  }
  await page.clock.runFor(1000);
  assert.deepEqual(await page.evaluate(() => [...document.body.querySelectorAll('*')].filter((e) => e.checkVisibility() &&
    !e.children.length).map((e) => e.textContent)), ['Programul s-a incheiat.', 'Porneste din nou']);
  await page.click('#restart');
  await page.waitForSelector('#cmdFire');
  assert.equal(await page.locator('#frmLab, #notebook').count(), 0);
});

// The program's WebAssembly held until release(): the page shows only the window drawn before it.
const held = (tamper = '') => async () => {
  const context = await browser.newContext({ viewport: { width: 1100, height: 560 } });
  await context.addInitScript(`(() => { const compile = WebAssembly.compile, parse = JSON.parse;
    let go; const gate = new Promise((r) => (go = r)); window.release = go;
    WebAssembly.compile = (b) => gate.then(() => compile(b));
    JSON.parse = (t) => { const calls = parse(t); JSON.parse = parse; ${tamper}; return calls; }; })()`);
  const page = await context.newPage();
  await page.clock.install({ time: Date.UTC(2026, 11, 7, 22, 29) });
  await page.goto(url);
  const scene = () => page.evaluate(() => document.getElementById('scene').toDataURL());
  return { page, scene, ready: async () => { await page.evaluate(() => window.release());
    await page.waitForFunction(() => window.lopena); await page.clock.runFor(100); } };
};

test('the window shows before the program runs: the same pixels after, and what the pupil typed and clicked meanwhile done', async () => {
  const first = await held()();
  const drawn = await first.scene();
  await first.ready();
  assert.equal(await first.scene(), drawn);
  const { page, ready } = await held()();
  await page.fill('#txtViteza', '30');
  await page.click('#cmdFire');
  assert.equal(await page.evaluate(() => window.lopena), undefined);
  await ready();
  await page.clock.runFor(5000);
  assert.equal(await text(page, 'Label3'), `Distanta parcursa : ${(900 / 9.806).toFixed(3)} m`);
});

test('a start unlike the one drawn before builds the window anew, whole and working', async () => {
  const { page, ready } = await held("calls.find((c) => c[1]?.name === 'cmdFire')[1].text = 'X'")();
  assert.equal(await text(page, 'cmdFire'), 'X');
  await ready();
  assert.deepEqual(await page.evaluate(() => [document.querySelectorAll('#cmdFire, .lp-window, canvas#scene').length,
    document.getElementById('cmdFire').textContent]), [3, 'Start']);
  await page.keyboard.press('Control+L');
  await page.waitForSelector('#notebook');
});

test('a program that cannot start says so in Romanian', async () => {
  const context = await browser.newContext();
  await context.addInitScript(() => { WebAssembly.compile = () => Promise.reject(new TypeError('out of memory')); });
  const page = await context.newPage();
  await page.goto(url);
  assert.match(await page.locator('[role=alert]').innerText(), /^Lopena nu a putut porni\.\s+Browserul nu a putut incarca programul[^]*Detaliu: out of memory$/);
});

await run();
