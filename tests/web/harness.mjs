// What both browser test files share: Debian's Chromium through playwright-core, the page given on
// the command line, and a runner that prints each test and exits non-zero if any failed.
import { pathToFileURL } from 'node:url';

const { chromium } = await import(new URL('../../node_modules/playwright-core/index.mjs', import.meta.url));
export const url = pathToFileURL(process.argv[2]).href;
export const browser = await chromium.launch({ executablePath: '/usr/bin/chromium',
  args: ['--disable-dev-shm-usage', ...(process.getuid() === 0 ? ['--no-sandbox'] : [])] });
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
