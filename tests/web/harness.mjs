// What the Playwright test files share: Debian's Chromium through playwright-core, the page given on
// the command line, and a runner that prints each test and exits non-zero if any failed.
import { pathToFileURL } from 'node:url';

const { chromium } = await import(new URL('../../node_modules/playwright-core/index.mjs', import.meta.url));
export const url = pathToFileURL(process.argv[2]).href;
export const browser = await chromium.launch({ executablePath: '/usr/bin/chromium',
  args: ['--disable-dev-shm-usage', ...(process.getuid() === 0 ? ['--no-sandbox'] : [])] });

// A page in a context of its own (1100 x 560, en-US and UTC unless told), on Playwright's clock
// paused at 22:30 UTC on 7 December 2026 and moved 1 s past the start-up.
export async function open({ query = '', init, ...options } = {}) {
  const context = await browser.newContext({ viewport: { width: 1100, height: 560 }, locale: 'en-US',
    timezoneId: 'UTC', ...options });
  if (init) await context.addInitScript(init);
  const page = await context.newPage();
  await page.clock.install({ time: Date.UTC(2026, 11, 7, 22, 29) });
  await page.clock.pauseAt(Date.UTC(2026, 11, 7, 22, 30));
  await page.goto(url + query);
  await started(page);
  await page.clock.runFor(1000);
  return page;
}
// The window shows before the program runs, which starts after the window's first frame: the
// paused clock moved on past that frame, then the program's start awaited.
export async function started(page) {
  await page.clock.runFor(20);
  await page.waitForFunction(() => window.lopena);
}
export const text = (page, id) => page.locator(`#${id}`).textContent();
// A button of the windows' bar.
export const barButton = (page, label) => page.getByRole('navigation', { name: 'Ferestre' })
  .getByRole('button', { name: label, exact: true });

const tests = [];
// TEST_FILTER=text runs only the tests whose names hold that text.
export const test = (name, fn) => name.includes(process.env.TEST_FILTER || '') && tests.push({ name, fn });

export async function run() {
  let failed = 0;
  for (const { name, fn } of tests) {
    try {
      await fn();
      console.log(`ok   ${name}`);
    } catch (e) {
      ++failed;
      console.log(`FAIL ${name}\n${e.stack}`);
    }
  }
  await browser.close();
  console.log(`${tests.length - failed}/${tests.length} passed`);
  process.exit(failed ? 1 : 0);
}
