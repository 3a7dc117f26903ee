// docs/web-1920.png, docs/web-1366.png, docs/web-phone.png: the page with the main window, the
// Laborator and the notebook open, 1.4 s into a throw in air, at 1920 x 1080, at 1366 x 768 and on
// a phone upright (the Laborator shown in its tall layout), in headless Chromium; then
// docs/web-lab-series.png and docs/web-lab-compare.png (below).
//   node bench/windowshots.mjs build/web/lopena.html docs
const { chromium } = await import(new URL('../node_modules/playwright-core/index.mjs', import.meta.url));
const [file, out] = process.argv.slice(2);
const browser = await chromium.launch({ executablePath: '/usr/bin/chromium',
  args: ['--disable-dev-shm-usage', ...(process.getuid() === 0 ? ['--no-sandbox'] : [])] });

// The page on the virtual clock, after `before` (the main window's own doings), with the notebook
// and the Laborator open; `shoot` sets the Laborator up, then the picture is taken.
async function picture(name, [width, height, phone], shoot, before = async () => {}) {
  const page = await browser.newPage({ viewport: { width, height }, locale: 'ro-RO',
    ...(phone && { isMobile: true, hasTouch: true, deviceScaleFactor: 3 }) });
  await page.clock.install();
  await page.goto(`file://${process.cwd()}/${file}`);
  await page.waitForSelector('#cmdFire');
  await before(page);
  await page.keyboard.press('Control+L');
  await page.waitForSelector('#notebook');
  await page.keyboard.press('Control+Y');
  await page.waitForSelector('#frmLab');
  await shoot(page);
  await page.screenshot({ path: `${out}/${name}.png` });
  await page.close();
}
const fill = async (page, boxes) => { for (const [id, v] of boxes) await page.fill(`#${id}`, v); };

for (const [name, ...size] of [['web-1920', 1920, 1080], ['web-1366', 1366, 768], ['web-phone', 390, 844, true]]) {
  await picture(name, size, async (page) => {
    await fill(page, [['txtLabViteza', '25'], ['txtLabUnghi', '40']]);
    for (const id of ['optLabMediu_2', 'chkLabVectori', 'chkLabFantoma', 'cmdLabStart']) await page.click(`#${id}`);
    await page.clock.runFor(1400);
  }, async (page) => {
    await page.evaluate(() => document.getElementById('cmdFire').click());
    await page.clock.runFor(8000);
  });
}

// docs/web-lab-series.png: a series of angles from 10 m with its trails, D(unghi) in the notebook,
// and the set-up's code open, at 1920 x 1080.
await picture('web-lab-series', [1920, 1080], async (page) => {
  await page.fill('#txtLabInaltime', '10');
  await page.click('#cmdLabSerie');
  await page.clock.runFor(60000);
  await page.click('#tabGrafice');
  await page.selectOption('#graphChoice', { label: 'Distanta D(unghi) a seriei' });
  await page.click('#cmdLabCod');
  await page.clock.runFor(500);
});

// docs/web-lab-compare.png: the tennis ball at 30 m/s and 30 degrees in vacuum, then in air, at a
// target in a round, and the notebook's history comparing the two, at 1366 x 768.
await picture('web-lab-compare', [1366, 768], async (page) => {
  await fill(page, [['txtLabViteza', '30'], ['txtLabUnghi', '30'], ['txtLabTintaD', '40']]);
  await page.click('#chkLabTinta');
  for (const medium of ['optLabMediu_0', 'optLabMediu_2']) {
    await page.click(`#${medium}`);
    await page.click('#cmdLabStart');
    await page.clock.runFor(10000);
  }
  await page.click('#tabIstoric');
  await page.locator('#historyTable tbody tr').nth(0).focus();
  for (const key of ['Space', 'ArrowDown', 'Space']) await page.keyboard.press(key);
});
await browser.close();
