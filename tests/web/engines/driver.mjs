// One small interface over the three browser engines the page is checked in, each through the
// client that can drive Debian's build of it: Chromium (playwright-core), Firefox ESR
// (puppeteer-core over WebDriver BiDi) and WebKitGTK's MiniBrowser (selenium-webdriver and
// WebKitWebDriver, under an Xvfb of our own). None has a virtual clock here: wait on conditions.
//   const b = await launch('firefox'); const p = await b.open(url, { width, height, lang });
import { spawn } from 'node:child_process';
import { mkdtempSync, readdirSync, readFileSync, rmSync, statSync } from 'node:fs';
import { createServer } from 'node:net';
import { tmpdir } from 'node:os';
import { basename, join } from 'node:path';
import { inflateSync } from 'node:zlib';

const modules = new URL('../../../node_modules/', import.meta.url);
const load = async (path) => import(new URL(path, modules));
export const MINIBROWSER = '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser';

// Sets navigator.language(s) where the engine cannot be told its language per page.
const languageScript = (lang) => `Object.defineProperty(Navigator.prototype, 'language', { get: () => ${JSON.stringify(lang)} });
Object.defineProperty(Navigator.prototype, 'languages', { get: () => [${JSON.stringify(lang)}] });`;
// The page's uncaught errors, for the engine whose client hears no console.
const errorScript = `(() => { if (window.pageErrors) return true; window.pageErrors = [];
  addEventListener('error', (e) => pageErrors.push(String(e.message)));
  addEventListener('unhandledrejection', (e) => pageErrors.push(String(e.reason))); return true; })()`;

const temp = (what) => mkdtempSync(join(tmpdir(), `lopena-${what}-`));
const freePort = () => new Promise((resolve, reject) => {
  const s = createServer().listen(0, '127.0.0.1', () => { const { port } = s.address(); s.close(() => resolve(port)); });
  s.on('error', reject);
});
export const until = async (what, test, ms = 15000) => {
  for (const end = Date.now() + ms; ;) {
    const v = await test();
    if (v) return v;
    if (Date.now() > end) throw new Error(`timed out waiting for ${what}`);
    await new Promise((r) => setTimeout(r, 50));
  }
};
// A finished file under dir (a browser writes a partial file first, under another name).
const finished = (dir, name) => readdirSync(dir, { recursive: true }).map((p) => join(dir, p))
  .find((p) => basename(p) === name && statSync(p).isFile() && statSync(p).size > 0);

// The engine-neutral page: every action goes through the few primitives each engine supplies.
class Page {
  constructor(p) { Object.assign(this, p); }
  // Polls until `source` is truthy; a page between two documents (a reload) answers nothing yet.
  async waitFor(source, ms) {
    return until(source, () => this.evaluate(source).catch(() => false), ms);
  }
  text(id) { return this.evaluate(`document.getElementById(${JSON.stringify(id)})?.textContent ?? null`); }
  // The centre of an element in the viewport's CSS pixels, after any scaling of the window.
  async centre(selector) {
    const at = await this.evaluate(`(() => { const e = document.querySelector(${JSON.stringify(selector)});
      if (!e) return null; e.scrollIntoView({ block: 'nearest' }); const r = e.getBoundingClientRect();
      return [Math.round(r.left + r.width / 2), Math.round(r.top + r.height / 2)]; })()`);
    if (!at) throw new Error(`no ${selector} in the page`);
    return at;
  }
  async click(selector) { await this.clickAt(...(await this.centre(selector))); }
  async tap(selector) { await this.tapAt(...(await this.centre(selector))); }
  // Replaces a text box's content as typing would.
  async fill(selector, text) {
    await this.click(selector);
    await this.evaluate(`document.querySelector(${JSON.stringify(selector)}).select()`);
    await (text === '' ? this.press('Backspace') : this.type(text));
  }
  async download(name) {
    const path = await until(`the download ${name}`, () => finished(this.downloads, name));
    return readFileSync(path);
  }
  // The viewport as RGBA pixels at the device's resolution: { width, height, at(x, y) }.
  async pixels() { return decodePng(await this.screenshot()); }
}

// A page of Playwright or puppeteer, which share the calls but for the keys, opened at `url`.
async function pageOf(page, context, downloads, url, press) {
  const errors = [];
  page.on('pageerror', (e) => errors.push(e.message));
  await page.goto(url);
  return new Page({ downloads, errors: async () => errors, press,
    evaluate: (s) => page.evaluate(s),
    clickAt: (x, y) => page.mouse.click(x, y),
    tapAt: (x, y) => page.touchscreen.tap(x, y),
    type: (text) => page.keyboard.type(text),
    screenshot: async () => Buffer.from(await page.screenshot()),
    close: async () => { await context.close(); rmSync(downloads, { recursive: true, force: true }); } });
}

async function chromium() {
  const { chromium: engine } = await load('playwright-core/index.mjs');
  const browser = await engine.launch({ executablePath: '/usr/bin/chromium',
    args: ['--disable-dev-shm-usage', ...(process.getuid() === 0 ? ['--no-sandbox'] : [])] });
  return {
    version: `Chromium ${browser.version()}`,
    async open(url, { width, height, lang, mobile, init }) {
      const downloads = temp('downloads');
      const context = await browser.newContext({ viewport: { width, height }, acceptDownloads: true,
        ...(mobile ? { deviceScaleFactor: mobile, isMobile: true, hasTouch: true } : {}),
        ...(lang && lang !== 'C' ? { locale: lang } : {}) });
      if (lang === 'C') await context.addInitScript(languageScript(lang));
      if (init) await context.addInitScript(init);
      const page = await context.newPage();
      page.on('download', async (d) => d.saveAs(join(downloads, d.suggestedFilename())));
      return pageOf(page, context, downloads, url, (keys) => page.keyboard.press(keys));
    },
    close: () => browser.close(),
  };
}

async function firefox() {
  const { default: puppeteer } = await load('puppeteer-core/lib/esm/puppeteer/puppeteer-core.js');
  const browser = await puppeteer.launch({ browser: 'firefox', protocol: 'webDriverBiDi',
    executablePath: '/usr/bin/firefox-esr', headless: true });
  // Playwright's key names, which puppeteer shares but for a single letter after a modifier.
  const press = async (page, keys) => {
    const parts = keys.split('+');
    const key = parts.pop();
    for (const m of parts) await page.keyboard.down(m);
    await page.keyboard.press(parts.length && key.length === 1 ? key.toLowerCase() : key);
    for (const m of parts.reverse()) await page.keyboard.up(m);
  };
  return {
    version: `Firefox ${(await browser.version()).replace(/^firefox\//i, '')}`,
    async open(url, { width, height, lang, mobile, init }) {
      const downloads = temp('downloads');
      const context = await browser.createBrowserContext({ downloadBehavior: { policy: 'allow', downloadPath: downloads } });
      const page = await context.newPage();
      await page.setViewport({ width, height, deviceScaleFactor: mobile || 1, hasTouch: !!mobile });
      if (lang) await page.evaluateOnNewDocument(languageScript(lang));
      if (init) await page.evaluateOnNewDocument(init);
      return pageOf(page, context, downloads, url, (keys) => press(page, keys));
    },
    close: () => browser.close(),
  };
}

// WebKit: one Xvfb for the run; a WebKitWebDriver per language (MiniBrowser takes navigator.language
// from LANG), each with a temporary HOME where MiniBrowser saves downloads; a session per page.
async function webkit() {
  const { Builder, Key, Origin } = await load('selenium-webdriver/index.js');
  const children = [];
  // Nothing they print is kept: an unread pipe that fills would stop the server, and the run with it.
  const started = (command, args, env, stdio = ['ignore', 'ignore', 'ignore']) => {
    const child = spawn(command, args, { env: { ...process.env, ...env }, stdio });
    children.push(child);
    return child;
  };
  // Xvfb names its display on fd 3. A screen smaller than any window opened at (0, 0), so that the
  // pointer, which starts at its centre, is over the window and the keyboard focus follows it.
  const xvfb = started('Xvfb', ['-displayfd', '3', '-screen', '0', '640x360x24', '-nolisten', 'tcp'], {},
    ['ignore', 'ignore', 'ignore', 'pipe']);
  const display = await new Promise((resolve, reject) => {
    xvfb.stdio[3].on('data', (d) => resolve(`:${String(d).trim()}`));
    xvfb.on('exit', (code) => reject(new Error(`Xvfb ended (${code})`)));
  });
  const servers = new Map();
  async function server(lang) {
    if (!servers.has(lang)) {
      const port = await freePort(), home = temp('home');
      started('WebKitWebDriver', [`--port=${port}`], { DISPLAY: display, HOME: home, LANG: lang, LC_ALL: '' });
      await until('WebKitWebDriver', () => fetch(`http://127.0.0.1:${port}/status`).then((r) => r.ok, () => false));
      servers.set(lang, { address: `http://127.0.0.1:${port}`, home });
    }
    return servers.get(lang);
  }
  const LANGS = { 'ro-RO': 'ro_RO.UTF-8', 'en-US': 'en_US.UTF-8', C: 'C.UTF-8' };
  const KEYS = { Control: Key.CONTROL, Alt: Key.ALT, Shift: Key.SHIFT, Escape: Key.ESCAPE, Enter: Key.ENTER,
    Tab: Key.TAB, Backspace: Key.BACK_SPACE, ArrowDown: Key.ARROW_DOWN, ArrowUp: Key.ARROW_UP,
    ArrowLeft: Key.ARROW_LEFT, ArrowRight: Key.ARROW_RIGHT, Home: Key.HOME, End: Key.END };
  const key = (name) => KEYS[name] ?? name.toLowerCase();
  let version = 'WebKitGTK';
  const stop = () => { close(); process.exit(1); };
  const close = () => {
    process.off('exit', close);
    for (const signal of ['SIGINT', 'SIGTERM']) process.off(signal, stop);
    for (const c of children.reverse()) c.kill();
    for (const { home } of servers.values()) rmSync(home, { recursive: true, force: true });
    servers.clear();
  };
  // Killed or failed, the run leaves no server behind (MiniBrowser ends with its display).
  process.on('exit', close);
  for (const signal of ['SIGINT', 'SIGTERM']) process.once(signal, stop);
  try {
    const probe = await new Builder().usingServer((await server('en-US')).address).withCapabilities(caps()).build();
    version = `WebKitGTK ${(await probe.getCapabilities()).get('browserVersion')}`;
    await probe.quit();
  } catch (e) { close(); throw e; }
  function caps() {
    return { browserName: 'MiniBrowser', 'webkitgtk:browserOptions': { binary: MINIBROWSER, args: ['--automation'] } };
  }
  return {
    version,
    async open(url, { width, height, lang = 'en-US', mobile }) {
      if (mobile) return null;
      const { address, home } = await server(LANGS[lang] ?? lang);
      const driver = await new Builder().usingServer(address).withCapabilities(caps()).build();
      const evaluate = (s) => driver.executeScript(`return (${s});`);
      try {
        // The outer window such that the viewport has the size asked for.
        await driver.manage().window().setRect({ x: 0, y: 0, width, height });
        const [w, h] = await evaluate('[innerWidth, innerHeight]');
        if (w !== width || h !== height)
          await driver.manage().window().setRect({ x: 0, y: 0, width: 2 * width - w, height: 2 * height - h });
        await driver.get(url);
        await evaluate(errorScript);
      } catch (e) { await driver.quit(); throw e; }
      const actions = () => driver.actions({ async: true });
      return new Page({ downloads: home, errors: () => evaluate('window.pageErrors || []'),
        evaluate,
        clickAt: (x, y) => actions().move({ origin: Origin.VIEWPORT, x, y }).press().release().perform(),
        tapAt: () => { throw new Error('no touch in WebKitWebDriver'); },
        async press(keys) {
          const parts = keys.split('+').map(key), last = parts.pop();
          let a = actions();
          for (const m of parts) a = a.keyDown(m);
          a = a.keyDown(last).keyUp(last);
          for (const m of parts.reverse()) a = a.keyUp(m);
          await a.perform();
        },
        type: (text) => actions().sendKeys(text).perform(),
        screenshot: async () => Buffer.from(await driver.takeScreenshot(), 'base64'),
        close: () => driver.quit() });
    },
    async close() { close(); },
  };
}

export const ENGINES = { chromium, firefox, webkit };
export const launch = (name) => ENGINES[name]();

// A PNG as browsers' screenshots write it (8 bits, RGB or RGBA, not interlaced) to its pixels.
export function decodePng(png) {
  let at = 8, width = 0, height = 0, channels = 4;
  const data = [];
  while (at < png.length) {
    const length = png.readUInt32BE(at), type = png.toString('latin1', at + 4, at + 8);
    const body = png.subarray(at + 8, at + 8 + length);
    if (type === 'IHDR') {
      [width, height] = [body.readUInt32BE(0), body.readUInt32BE(4)];
      channels = { 2: 3, 6: 4 }[body[9]];
      if (body[8] !== 8 || !channels || body[12]) throw new Error('an unexpected PNG format');
    } else if (type === 'IDAT') data.push(body);
    at += 12 + length;
  }
  const raw = inflateSync(Buffer.concat(data)), stride = width * channels;
  const out = Buffer.alloc(height * stride);
  for (let y = 0; y < height; ++y) {
    const filter = raw[y * (stride + 1)], line = raw.subarray(y * (stride + 1) + 1, (y + 1) * (stride + 1));
    for (let i = 0; i < stride; ++i) {
      const a = i >= channels ? out[y * stride + i - channels] : 0, b = y ? out[(y - 1) * stride + i] : 0;
      const c = i >= channels && y ? out[(y - 1) * stride + i - channels] : 0;
      const p = a + b - c, pa = Math.abs(p - a), pb = Math.abs(p - b), pc = Math.abs(p - c);
      const predicted = [0, a, b, (a + b) >> 1, pa <= pb && pa <= pc ? a : pb <= pc ? b : c][filter];
      out[y * stride + i] = (line[i] + predicted) & 255;
    }
  }
  return { width, height, at: (x, y) => [...out.subarray((y * width + x) * channels, (y * width + x) * channels + 3)] };
}
