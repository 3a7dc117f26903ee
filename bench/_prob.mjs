const { chromium } = await import(new URL('../node_modules/playwright-core/index.mjs', import.meta.url));
const browser = await chromium.launch({ executablePath: '/usr/bin/chromium', args: ['--no-sandbox', '--disable-dev-shm-usage'] });
for (const [name, width, height, phone] of [['prob-1920', 1920, 1080], ['prob-phone', 390, 844, true]]) {
  const page = await browser.newPage({ viewport: { width, height }, locale: 'ro-RO', ...(phone && { isMobile: true, hasTouch: true, deviceScaleFactor: 2 }) });
  await page.clock.install();
  await page.goto(`file://${process.cwd()}/build/web/lopena.html`);
  await page.waitForSelector('#cmdFire');
  await page.keyboard.press('Control+E');
  await page.waitForSelector('#frmProbleme');
  await page.fill('#txtProbClasa', '9B');
  await page.fill('#txtProbElev', '7');
  await page.click('#cmdProbVerifica');
  await page.click('#cmdProbRezolvare');
  await page.clock.runFor(500);
  await page.screenshot({ path: `/tmp/shots/${name}.png` });
  await page.close();
}
await browser.close();
