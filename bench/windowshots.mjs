// docs/web-1920.png, docs/web-1366.png, docs/web-phone.png: the page with the main window, the
// Laborator and the notebook open, 1.4 s into a throw in air, at 1920 x 1080, at 1366 x 768 and on
// a phone upright (the Laborator shown in its tall layout), in headless Chromium; then
// docs/web-lab-series.png and docs/web-lab-compare.png (below).
//   node bench/windowshots.mjs build/web/lopena.html docs
const { chromium } = await import(new URL('../node_modules/playwright-core/index.mjs', import.meta.url));
const [file, out] = process.argv.slice(2);
const browser = await chromium.launch({ executablePath: '/usr/bin/chromium',
  args: ['--disable-dev-shm-usage', ...(process.getuid() === 0 ? ['--no-sandbox'] : [])] });
for (const [name, width, height, phone] of [['web-1920', 1920, 1080], ['web-1366', 1366, 768], ['web-phone', 390, 844, true]]) {
  const page = await browser.newPage({ viewport: { width, height }, locale: 'ro-RO',
    ...(phone && { isMobile: true, hasTouch: true, deviceScaleFactor: 3 }) });
  await page.clock.install();
  await page.goto(`file://${process.cwd()}/${file}`);
  await page.waitForSelector('#cmdFire');
  await page.evaluate(() => document.getElementById('cmdFire').click());
  await page.clock.runFor(8000);
  await page.keyboard.press('Control+L');
  await page.waitForSelector('#notebook');
  await page.keyboard.press('Control+Y');
  await page.waitForSelector('#frmLab');
  for (const [id, v] of [['txtLabViteza', '25'], ['txtLabUnghi', '40']]) await page.fill(`#${id}`, v);
  for (const id of ['optLabMediu_2', 'chkLabVectori', 'chkLabFantoma', 'cmdLabStart']) await page.click(`#${id}`);
  await page.clock.runFor(1400);
  await page.screenshot({ path: `${out}/${name}.png` });
  await page.close();
}


// docs/web-lab-series.png: a series of angles from 10 m with its trails, D(unghi) in the notebook,
// and the set-up's code open, at 1920 x 1080.
{
  const page = await browser.newPage({ viewport: { width: 1920, height: 1080 }, locale: 'ro-RO' });
  await page.clock.install();
  await page.goto(`file://${process.cwd()}/${file}`);
  await page.waitForSelector('#cmdFire');
  await page.keyboard.press('Control+L');
  await page.waitForSelector('#notebook');
  await page.keyboard.press('Control+Y');
  await page.waitForSelector('#frmLab');
  await page.fill('#txtLabInaltime', '10');
  await page.click('#cmdLabSerie');
  await page.clock.runFor(60000);
  await page.click('#tabGrafice');
  await page.selectOption('#graphChoice', { label: 'Distanta D(unghi) a seriei' });
  await page.click('#cmdLabCod');
  await page.clock.runFor(500);
  await page.screenshot({ path: `${out}/web-lab-series.png` });
  await page.close();
}

// docs/web-lab-compare.png: the tennis ball at 30 m/s and 30 degrees in vacuum, then in air, at a
// target in a round, and the notebook's history comparing the two, at 1366 x 768.
{
  const page = await browser.newPage({ viewport: { width: 1366, height: 768 }, locale: 'ro-RO' });
  await page.clock.install();
  await page.goto(`file://${process.cwd()}/${file}`);
  await page.waitForSelector('#cmdFire');
  await page.keyboard.press('Control+L');
  await page.waitForSelector('#notebook');
  await page.keyboard.press('Control+Y');
  await page.waitForSelector('#frmLab');
  for (const [id, v] of [['txtLabViteza', '30'], ['txtLabUnghi', '30'], ['txtLabTintaD', '40']]) await page.fill(`#${id}`, v);
  await page.click('#chkLabTinta');
  await page.click('#cmdLabStart');
  await page.clock.runFor(10000);
  await page.click('#optLabMediu_2');
  await page.click('#cmdLabStart');
  await page.clock.runFor(10000);
  await page.click('#tabIstoric');
  await page.locator('#historyTable tbody tr').nth(0).focus();
  await page.keyboard.press('Space');
  await page.keyboard.press('ArrowDown');
  await page.keyboard.press('Space');
  await page.screenshot({ path: `${out}/web-lab-compare.png` });
  await page.close();
}
await browser.close();
