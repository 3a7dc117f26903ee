// "Probleme" in headless Chromium on Playwright's clock: opened by its shortcut, pupil 7 of 9B
// gets the desktop's numbers (tests/ProblemsTest.cpp), a right answer is "Corect", and
// "Vezi in Laborator" flies the exercise.
//   node tests/web/problems.test.mjs build/web/lopena.html
import assert from 'node:assert/strict';
import { browser, url, test, run } from './harness.mjs';

async function open() {
  const context = await browser.newContext({ viewport: { width: 2000, height: 800 }, locale: 'en-US', timezoneId: 'UTC' });
  const page = await context.newPage();
  await page.clock.install({ time: Date.UTC(2026, 11, 7, 22, 30, 0) });
  await page.goto(url);
  await page.waitForSelector('#cmdFire');
  await page.keyboard.press('Control+E');
  await page.waitForSelector('#frmProbleme');
  return page;
}
const text = (page, id) => page.locator(`#${id}`).textContent();

test('Ctrl+E opens it in the window bar; pupil 7 of 9B is judged and sees the throw in the Laborator', async () => {
  const page = await open();
  assert.ok(await page.getByRole('navigation', { name: 'Ferestre' }).getByRole('button', { name: 'Probleme', exact: true }).count());
  await page.fill('#txtProbClasa', '9b');
  await page.fill('#txtProbElev', '7');
  assert.match(await text(page, 'lblProbEnunt'), /^O bila se rostogoleste pe o masa inalta de 0\.75 m .* de 1\.4 m\/s\./);
  await page.fill('#txtProbRaspuns_0', '0.391');
  await page.fill('#txtProbRaspuns_1', '0,5638'); // 3 % over 0.5474 m, with a comma
  await page.click('#cmdProbVerifica');
  assert.deepEqual(await Promise.all([0, 1, 2].map((i) => text(page, `lblProbVerdict_${i}`))), ['Corect', 'Aproape: 3.0 %', '']);
  await page.click('#cmdProbLaborator');
  await page.waitForSelector('#frmLab');
  assert.equal(await text(page, 'lblLabT'), 'T = 0.391 s');
  assert.ok(await page.locator('#cmdLabPauza').isEnabled(), 'flying');
});

await run();
