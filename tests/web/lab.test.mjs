// The Laborator in headless Chromium on Playwright's clock: the same numbers as the desktop's for
// the same throws (tests/LabTest.cpp), a window beside the main one or alone, and usable while
// the main window flies or shows About.
//   node tests/web/lab.test.mjs build/web/lopena.html
import assert from 'node:assert/strict';
import { axeScan } from './axe.mjs';
import { barButton, open as openPage, started, test, text, run } from './harness.mjs';

async function open(width = 2000, height = 700) {
  const page = await openPage({ viewport: { width, height } });
  await page.keyboard.press('Control+Y');
  await page.waitForSelector('#frmLab');
  return page;
}
const results = (page) => Promise.all(['lblLabT', 'lblLabD', 'lblLabH', 'lblLabV', 'lblLabImpact'].map((id) => text(page, id)));
async function throwIt(page, boxes, { fly = true } = {}) {
  for (const [id, value] of Object.entries(boxes)) await page.fill(`#${id}`, value);
  await page.click('#cmdLabStart');
  if (fly) await page.clock.runFor(20000);
}

// The throws' numbers in every engine: tests/web/engines/checks.test.mjs.
test('Ctrl+Y opens it beside the main window, once; the default throw lands on time', async () => {
  const page = await open();
  const [main, lab] = await page.evaluate(() => ['frmmain', 'frmLab'].map((id) => document.getElementById(id).getBoundingClientRect().toJSON()));
  assert.ok(lab.left >= main.right, `${lab.left} beside ${main.right}`);
  await page.keyboard.press('Control+Y');
  assert.equal(await page.locator('#frmLab').count(), 1);
  await throwIt(page, {}, { fly: false });
  assert.deepEqual(await results(page), ['T = 2.883 s', 'D = 40.775 m', 'H = 10.194 m', 'V = 20.000 m/s', 'unghi la impact = 45.00\u00b0']);
  await page.clock.runFor(2850);
  assert.ok(await page.locator('#cmdLabPauza').isEnabled(), 'still flying at 2.85 s');
  await page.clock.runFor(100);
  assert.equal(await text(page, 'lblLabLive_0'), 't = 2.883 s');
  assert.equal(await text(page, 'lblLabAxaX_14'), '70');
});

test('a refused box is selected with its reason beside it, inside the window over no control', async () => {
  const page = await open();
  await throwIt(page, { txtLabUnghi: '95' }, { fly: false });
  assert.match(await text(page, 'txtLabUnghi_tip'), /^Unghiul de lansare trebuie/);
  const covered = await page.evaluate(() => {
    const tip = document.getElementById('txtLabUnghi_tip').getBoundingClientRect();
    const lab = document.getElementById('frmLab').getBoundingClientRect();
    const inside = tip.left >= lab.left && tip.right <= lab.right && tip.bottom <= lab.bottom;
    return [inside ? [] : ['frmLab'], ...[...document.querySelectorAll('#frmLab input, #frmLab button')].filter((c) => {
      const r = c.getBoundingClientRect();
      return c.checkVisibility() && r.left < tip.right && tip.left < r.right && r.top < tip.bottom && tip.top < r.bottom;
    }).map((c) => c.id)].flat();
  });
  assert.deepEqual(covered, []);
  assert.equal(await page.evaluate(() => document.activeElement.id), 'txtLabUnghi');
  assert.equal(await text(page, 'lblLabT'), 'T =');
});

test('a prediction thrown by Enter with its errors, then a hit on the target counted from the first throw', async () => {
  const page = await open();
  await page.click('#chkLabPrezice');
  await throwIt(page, {}, { fly: false });
  await page.fill('#txtLabPrezD', '40');
  await page.fill('#txtLabPrezT', '3');
  assert.ok(await page.locator('#cmdLabArunca').evaluate((b) => b.classList.contains('lp-default')));
  await page.press('#txtLabPrezT', 'Enter'); // Enter throws, as "Arunca" does
  await page.clock.runFor(3000);
  assert.deepEqual(await Promise.all([0, 1, 2].map((i) => text(page, `lblLabPrez_${i}`))),
    ['rezultat 40.775, -1.9 %', '', 'rezultat 2.883, +4.1 %']);
  await page.click('#chkLabPrezice');
  await page.click('#chkLabTinta');
  await throwIt(page, { txtLabTintaD: '40', txtLabUnghi: '30' });
  assert.equal(await text(page, 'lblLabTintaRez'), 'Pe langa: cu 4.688 m prea aproape');
  await throwIt(page, { txtLabUnghi: '45' });
  assert.equal(await text(page, 'lblLabTintaRez'), 'Lovit! ***\nPrima lovitura la aruncarea 2');
});

test('in vacuum the boxes of k, m, d and Cd look disabled: their text and ground unlike an enabled box', async () => {
  const page = await open();
  const looks = await page.evaluate(() => Object.fromEntries(['txtLabViteza', 'txtLabK', 'txtLabMasa', 'txtLabDiametru', 'txtLabCd']
    .map((id) => { const s = getComputedStyle(document.getElementById(id)); return [id, [s.color, s.backgroundColor]]; })));
  const [text, ground] = looks.txtLabViteza;
  for (const id of ['txtLabK', 'txtLabMasa', 'txtLabDiametru', 'txtLabCd'])
    assert.ok(looks[id][0] !== text && looks[id][1] !== ground, `${id} ${looks[id]} beside ${looks.txtLabViteza}`);
});

test('Tab and Shift+Tab go round the visible controls of the Laborator only; Esc closes it and leaves the notebook', async () => {
  const page = await open();
  await page.focus('#cmdFire');
  await page.keyboard.press('Control+L');
  await page.waitForSelector('#notebook');
  for (const key of ['Tab', 'Shift+Tab']) {
    await page.click('#txtLabViteza');
    const stops = [];
    do {
      await page.keyboard.press(key);
      stops.push(await page.evaluate(() => { const a = document.activeElement;
        return `${a.closest('[id]')?.id || a.tagName}${a.closest('#frmLab') && a.checkVisibility() ? '' : ' outside'}`; }));
    } while (stops.length < 40 && stops.at(-1) !== 'txtLabViteza');
    assert.deepEqual(stops.filter((s) => s.endsWith(' outside')), [], `${key}: ${stops}`);
    assert.equal(stops.at(-1), 'txtLabViteza', `${key}: ${stops}`);
  }
  await page.keyboard.press('Escape');
  assert.equal(await page.locator('#frmLab').count(), 0);
  assert.ok(await page.locator('#notebook').isVisible());
});

test('on a narrow page it shows alone, the bar leads to the main window and back, its close button gives the room back; usable while About is open', async () => {
  const page = await open(1100, 560);
  const shown = () => page.$$eval('.lp-tile:not([hidden]) .lp-window', (w) => w.map((e) => e.id));
  const bar = (label) => barButton(page, label);
  assert.deepEqual(await shown(), ['frmLab']);
  await bar('Principala').click();
  assert.deepEqual([await shown(), await bar('Principala').getAttribute('aria-pressed')], [['frmmain'], 'true']);
  await page.keyboard.press('Alt+V'); // the main window's menus from it, then from the Laborator
  await page.keyboard.press('Escape');
  await bar('Laborator').click();
  await page.keyboard.press('Alt+V');
  assert.deepEqual([await shown(), await page.getAttribute('#mnuview', 'aria-expanded')], [['frmmain'], 'true']);
  await page.keyboard.press('Escape');
  await bar('Laborator').click();
  await page.click('#frmLab_close');
  assert.equal(await page.locator('#frmLab').count(), 0);
  await page.click('#cmdFire');
  assert.ok(await page.locator('#Command1').isEnabled());
  await page.keyboard.press('Control+Y');
  await page.evaluate(() => document.getElementById('mnuabout').click());
  await page.waitForSelector('#frmAbout');
  await page.click('#cmdLabStart');
  assert.equal(await text(page, 'lblLabT'), 'T = 2.883 s');
});

test('the save prompt over the Laborator: its buttons above the window by mouse, Esc from inside the Laborator closes it', async () => {
  for (const [width, height] of [[844, 390], [1920, 1080]]) {
    const page = await open(width, height);
    const prompt = page.locator('.lp-page-dialog');
    for (const close of ['mouse', 'Escape']) {
      await page.evaluate(() => { window.showSaveFilePicker = undefined; document.getElementById('mnusave').click(); });
      await page.waitForSelector('#fileName');
      if (close === 'mouse') await prompt.getByRole('button', { name: 'Anuleaza' }).click({ timeout: 2000 });
      else { await page.focus('#txtLabViteza'); await page.keyboard.press('Escape'); }
      assert.deepEqual([await prompt.count(), await page.locator('#frmLab').count()], [0, 1], `${width}x${height} ${close}`);
    }
  }
});

// As tests/LabTest.cpp (LabDrops, LabEnergies): 10 m/s level from 20 m and the ball dropped
// beside it at 0.380 m after 2 s, both down at 2.1 s; a tennis ball's E = 0.057 (50 + 9.81 20) J.
test('a lesson: the ball dropped beside a level throw lands on its tick, the energy drawn in its bars, the top kept', async () => {
  const page = await open(1100, 720); // alone, at 1:1
  for (const id of ['chkLabVectori', 'chkLabEnergie', 'chkLabCadere']) await page.click(`#${id}`);
  assert.deepEqual([await page.inputValue('#txtLabUnghi'), await page.inputValue('#txtLabInaltime')], ['0', '20']);
  await throwIt(page, { txtLabViteza: '10' }, { fly: false });
  const shown = () => Promise.all(['lblLabLive_2', 'lblLabLiveCadere', 'lblLabLiveVarf', 'lblLabEnergie_2'].map((id) => text(page, id)));
  await page.clock.runFor(2000);
  assert.deepEqual(await shown(), ['y = 0.380 m', 'y cadere = 0.380 m', 'varf: vy = 0, v = vx = 10.000 m/s', 'E = 14.033 J']);
  await page.clock.runFor(100);
  assert.deepEqual((await shown()).slice(0, 2), ['y = 0.000 m', 'y cadere = 0.000 m']);
  // Landed: the kinetic bar whole (656 + 9, down to 8 + 340), the potential one empty; the
  // dropped ball grey at the launch point. A frame later, drawn.
  await page.clock.runFor(100);
  const pixels = await page.evaluate(() => { const c = document.getElementById('frmLab_scene').getContext('2d');
    return [[670, 345], [694, 345], [62, 412]].map(([x, y]) => c.getImageData(x, y, 1, 1).data.join()); });
  assert.deepEqual([pixels[0], pixels[1] !== '38,120,200,255', pixels[2]], ['214,96,32,255', true, '150,150,150,255']);
});

// A code of the Laborator (written by the desktop's codec): 12.5 m/s at 30 degrees from 20 m on the
// Moon, in air with k = 0.2 /s, the vectors on, a target at 18.5 m.
const CODE = 'L1-ASESpfMPIPGmLwovCgV_CgZ_ClXxil9vV7pLnQ';
const START = 'L1-AAAg9F8PmoHwofCgV_CgZ_ClXzD2_5uq-F0'; // the Laborator's start
const ticked = (page, ids) => page.evaluate((list) => list.map((id) => {
  const n = document.getElementById(id);
  return (n.matches('input') ? n : n.querySelector('input')).checked;
}), ids);
const values = (page, ids) => Promise.all(ids.map((id) => page.inputValue(`#${id}`)));

test('a code after # opens the Laborator set up; Cod... shows it and its link, clean for axe, and opens a pasted one; a refused code is told', async () => {
  const page = await openPage({ viewport: { width: 2000, height: 700 }, query: `#${CODE}` });
  await page.waitForSelector('#frmLab');
  assert.deepEqual(await values(page, ['txtLabViteza', 'txtLabUnghi', 'txtLabInaltime', 'txtLabGrav', 'txtLabK', 'txtLabTintaD']),
    ['12.5', '30', '20', '1.62', '0.2', '18.5']);
  assert.deepEqual(await ticked(page, ['optLabMediu_1', 'chkLabTinta', 'chkLabVectori', 'chkLabFantoma']), [true, true, true, false]);
  assert.equal(await text(page, 'lblLabRunda'), 'Runda: 0 aruncari, 0 stele');
  await page.click('#cmdLabCod');
  await page.waitForSelector('#frmLabCod');
  const address = await page.evaluate(() => location.href.split('#')[0]);
  assert.deepEqual(await values(page, ['txtLabCod', 'txtLabCodLegatura']), [CODE, `${address}#${CODE}`]);
  await page.clock.resume(); // axe waits on timers
  assert.deepEqual(await axeScan((s) => page.evaluate(s)), []);
  await page.click('#cmdLabCodCopiaza'); // copied, or at least selected for Ctrl+C
  assert.deepEqual(await page.evaluate(() => { const a = document.activeElement; return [a.id, a.selectionEnd - a.selectionStart]; }),
    ['txtLabCod', CODE.length]);
  await page.fill('#txtLabCod', CODE.slice(0, -2));
  await page.click('#cmdLabCodDeschide');
  assert.equal(await text(page, 'lblLabCodMesaj'), 'Codul nu este valid: este incomplet sau schimbat. Copiati-l din nou, intreg.');
  await page.fill('#txtLabCod', START);
  await page.click('#cmdLabCodDeschide');
  await page.waitForSelector('#frmLabCod', { state: 'detached' });
  assert.deepEqual(await values(page, ['txtLabViteza', 'txtLabGrav']), ['20', '9.81']);
  await page.evaluate(() => { location.hash = '#L9-AAAA'; });
  await page.waitForSelector('.lp-page-dialog');
  assert.match(await page.locator('.lp-page-dialog').textContent(), /Codul nu este valid: a fost facut de o alta versiune a programului\./);
  assert.deepEqual(await values(page, ['txtLabViteza', 'txtLabGrav']), ['20', '9.81']);
});

test('the boxes of the main window and of the Laborator come back after a reload; "Runda noua" puts the target within reach', async () => {
  const page = await open();
  await page.fill('#txtViteza', '33');
  await page.click('#cmdLabRunda'); // 20 m/s in vacuum: 40.775 m at best
  const centre = Number(await page.inputValue('#txtLabTintaD'));
  assert.ok(centre >= 0.3 * 40.775 && centre <= 0.95 * 40.775, `${centre} within 30 % to 95 % of 40.775 m`);
  await page.fill('#txtLabUnghi', '60');
  await page.click('#optLabMediu_2');
  await page.reload();
  await started(page);
  assert.equal(await page.inputValue('#txtViteza'), '33');
  await page.keyboard.press('Control+Y');
  await page.waitForSelector('#frmLab');
  assert.deepEqual(await values(page, ['txtLabUnghi', 'txtLabTintaD']), ['60', String(centre)]);
  assert.deepEqual(await ticked(page, ['optLabMediu_2', 'chkLabTinta']), [true, true]);
});

await run();
