// "Probleme" in headless Chromium on Playwright's clock: opened by its shortcut, pupil 7 of 9B
// gets the desktop's numbers (tests/ProblemsTest.cpp), a right answer is "Corect", "Vezi in
// Laborator" flies the exercise, the answers come back after a reload (or live in memory where
// the browser keeps nothing), and the worksheet and the key print a page per pupil.
//   node tests/web/problems.test.mjs build/web/lopena.html
import assert from 'node:assert/strict';
import { axeScan } from './axe.mjs';
import { browser, url, test, run } from './harness.mjs';

// window.print records what the print view holds: its lines, its pages' breaks, the title.
const printStub = () => {
  window.print = () => {
    const view = document.querySelector('body > .lp-print');
    window.printed = { text: [...view.children].map((e) => e.textContent).join('\n'), title: document.title,
      breaks: [...view.querySelectorAll('h2')].map((h) => getComputedStyle(h).breakBefore) };
  };
};

async function open({ init } = {}) {
  const context = await browser.newContext({ viewport: { width: 2000, height: 800 }, locale: 'en-US', timezoneId: 'UTC' });
  await context.addInitScript(printStub);
  if (init) await context.addInitScript(init);
  const page = await context.newPage();
  page.errors = [];
  page.on('pageerror', (e) => page.errors.push(e.message));
  await page.clock.install({ time: Date.UTC(2026, 11, 7, 22, 30, 0) });
  await page.goto(url);
  await openProblems(page);
  return page;
}
async function openProblems(page) {
  await page.waitForSelector('#cmdFire');
  await page.keyboard.press('Control+E');
  await page.waitForSelector('#frmProbleme');
}
const text = (page, id) => page.locator(`#${id}`).textContent();
const verdicts = (page) => Promise.all([0, 1, 2].map((i) => text(page, `lblProbVerdict_${i}`)));
const clean = async (page) => assert.deepEqual(await axeScan((s) => page.evaluate(s)), []);

// Pupil 7 of 9B: the first answer right, the second 3 % over 0.5474 m, with a comma.
async function answer(page) {
  await page.fill('#txtProbClasa', '9b');
  await page.fill('#txtProbElev', '7');
  await page.fill('#txtProbRaspuns_0', '0.391');
  await page.fill('#txtProbRaspuns_1', '0,5638');
  await page.click('#cmdProbVerifica');
}

test('Ctrl+E opens it in the window bar; pupil 7 of 9B is judged and sees the throw in the Laborator; clean for axe', async () => {
  const page = await open();
  assert.ok(await page.getByRole('navigation', { name: 'Ferestre' }).getByRole('button', { name: 'Probleme', exact: true }).count());
  await page.fill('#txtProbClasa', '9b');
  await page.fill('#txtProbElev', '7');
  assert.match(await text(page, 'lblProbEnunt'), /^O bila se rostogoleste pe o masa inalta de 0\.75 m .* de 1\.4 m\/s\./);
  await answer(page);
  assert.deepEqual(await verdicts(page), ['Corect', 'Aproape: 3.0 %', '']);
  await clean(page);
  // Alt and a button's underlined letter press it: "Re&zolvare".
  assert.equal(await page.getAttribute('#cmdProbRezolvare', 'aria-keyshortcuts'), 'Alt+Z');
  await page.keyboard.press('Alt+Z');
  assert.match(await text(page, 'lblProbRezolvare_0'), /^Date: /);
  await page.click('#cmdProbLaborator');
  await page.waitForSelector('#frmLab');
  assert.equal(await text(page, 'lblLabT'), 'T = 0.391 s');
  assert.ok(await page.locator('#cmdLabPauza').isEnabled(), 'flying');
});

test('the answers and verdicts come back after a reload; Sterge progresul asks first, then forgets them', async () => {
  const page = await open();
  await answer(page);
  await page.reload();
  await openProblems(page);
  assert.equal(await page.inputValue('#txtProbElev'), '7');
  assert.equal(await page.inputValue('#txtProbRaspuns_1'), '0,5638');
  assert.deepEqual(await verdicts(page), ['Corect', 'Aproape: 3.0 %', '']);
  for (const [button, kept] of [['Nu', '0.391'], ['Da', '']]) {
    await page.click('#cmdProbSterge');
    await page.click(`.lp-page-dialog button:text-is("${button}")`);
    await page.waitForFunction(() => !document.querySelector('.lp-page-dialog'));
    assert.equal(await page.inputValue('#txtProbRaspuns_0'), kept);
  }
  await page.reload();
  await openProblems(page);
  assert.deepEqual([await page.inputValue('#txtProbRaspuns_0'), ...await verdicts(page)], ['', '', '', '']);
});

test('a browser whose storage throws at every touch: the window works from memory, silently', async () => {
  const page = await open({ init: () => Object.defineProperty(window, 'localStorage', {
    get() { throw new DOMException('The operation is insecure.', 'SecurityError'); } }) });
  await answer(page);
  assert.deepEqual(await verdicts(page), ['Corect', 'Aproape: 3.0 %', '']);
  assert.deepEqual(page.errors, []);
});

test('Fisa de lucru for pupils 1 to 3 prints a page each with its own numbers; Barem the answers, then the solutions', async () => {
  const page = await open();
  await page.fill('#txtProbElev', '2');
  const second = await text(page, 'lblProbEnunt');
  await page.click('#cmdProbFisa');
  await page.waitForSelector('#frmFisa');
  assert.equal(await page.inputValue('#txtFisaClasa'), '9B');
  assert.ok(await page.isChecked('#chkFisaExercitiu_0 input'), 'the exercise shown');
  await clean(page);
  await page.fill('#txtFisaElevi', '3');
  await page.keyboard.press('Enter');
  await page.waitForFunction(() => window.printed);
  let printed = await page.evaluate(() => window.printed);
  assert.deepEqual(printed.breaks, ['auto', 'page', 'page'], 'one page per pupil');
  assert.equal(printed.title, 'Fisa de lucru - clasa 9B');
  assert.ok(printed.text.includes('Fisa de lucru - clasa 9B, elevul 2\nNumele: '), printed.text);
  assert.ok(printed.text.includes(second), 'pupil 2 has the numbers the window shows them');
  await page.evaluate(() => { window.printed = null; });
  await page.click('#cmdProbBarem');
  await page.waitForSelector('#frmFisa');
  await page.click('#cmdFisaOK');
  await page.waitForFunction(() => window.printed);
  printed = await page.evaluate(() => window.printed);
  assert.equal(printed.breaks.length, 2);
  assert.match(printed.text, /^Barem - clasa 9B, elevii 1-3\n.*\nElevul 3\n1a: t = .*\nDate: /s);
});

await run();
