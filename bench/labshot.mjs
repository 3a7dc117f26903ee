// docs/lab-web.png: the page with the Laborator beside the main window, 1.4 s into a tennis ball's
// throw in air with its vectors and vacuum ghost, over a throw from 20 m, in headless Chromium.
//   node bench/labshot.mjs build/web/lopena.html docs/lab-web.png
const { chromium } = await import(new URL('../node_modules/playwright-core/index.mjs', import.meta.url));
const [page_, out] = process.argv.slice(2);
const browser = await chromium.launch({ executablePath: '/usr/bin/chromium',
  args: ['--disable-dev-shm-usage', ...(process.getuid() === 0 ? ['--no-sandbox'] : [])] });
const page = await browser.newPage({ viewport: { width: 1940, height: 640 }, locale: 'ro-RO' });
await page.clock.install();
await page.goto(`file://${process.cwd()}/${page_}`);
await page.waitForSelector('#cmdFire');
await page.keyboard.press('Control+Y');
await page.waitForSelector('#frmLab');
const set = async (boxes) => { for (const [id, v] of Object.entries(boxes)) await page.fill(`#${id}`, v); };
await set({ txtLabViteza: '10', txtLabUnghi: '0', txtLabInaltime: '20' });
await page.click('#cmdLabStart');
await page.clock.runFor(2500);
await page.click('#cmdFire');
await set({ txtLabViteza: '25', txtLabUnghi: '40', txtLabInaltime: '0' });
await page.click('#optLabMediu_2');
await page.click('#chkLabVectori');
await page.click('#chkLabFantoma');
await page.click('#cmdLabStart');
await page.clock.runFor(1400);
await page.screenshot({ path: out });
await browser.close();
