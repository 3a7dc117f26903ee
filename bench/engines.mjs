// The first frame of the page in Chromium, Firefox and WebKit against a bare page of one line of
// text, through tests/web/engines/driver.mjs: cold (a fresh browser for each load, its launch not
// counted) and warm (a reload in the same tab, right after the first frame and again once the
// program runs); medians of interleaved runs. Where the engine's client can run a script before
// the page's, the WebAssembly's compile and the start of main are timed too.
//   node bench/engines.mjs build/web/lopena.html [RUNS] [engine...]
import { mkdtempSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';
import { launch } from '../tests/web/engines/driver.mjs';

const [file, runs = '5', ...only] = process.argv.slice(2);
const engines = only.length ? only : ['chromium', 'firefox', 'webkit'];
const dir = mkdtempSync(join(tmpdir(), 'lopena-bench-'));
writeFileSync(join(dir, 'text.html'), `<!DOCTYPE html><html lang="ro"><body><p>Morvak Lopena - Aruncare pe oblica</p>
<script>requestAnimationFrame(() => performance.mark('first-frame'));</script></body></html>`);
const bare = pathToFileURL(join(dir, 'text.html')).href;
const page = pathToFileURL(file).href;
const median = (xs) => [...xs].sort((a, b) => a - b)[Math.floor(xs.length / 2)];
const mark = (name) => `(() => { const e = performance.getEntriesByName(${JSON.stringify(name)})[0]; return e ? e.startTime : 0; })()`;
// The WebAssembly's compile, timed from the page's own call (ms from the navigation's start).
const phases = `(() => { const t = (n) => Math.round(performance.getEntriesByName(n)[0]?.startTime ?? -1);
  const n = performance.getEntriesByType('navigation')[0];
  return { 'compile starts': t('compile-start'), 'compile ends': t('compile-end'), 'DOM parsed': Math.round(n.domInteractive) }; })()`;
const timing = `(() => { const compile = WebAssembly.compile;
  WebAssembly.compile = (b) => { performance.mark('compile-start');
    return compile(b).then((m) => { performance.mark('compile-end'); return m; }); }; })();`;

const figures = {};
const add = (name, value) => (figures[name] ??= []).push(value);
for (const engine of engines) {
  let version = engine;
  for (let i = 0; i < Number(runs); ++i) {
    for (const [what, url, name] of [['bare page', bare, 'first-frame'], ['Lopena', page, 'lopena-first-frame']]) {
      const browser = await launch(engine);
      version = browser.version;
      try {
        const p = await browser.open(url, { width: 1100, height: 560, init: what === 'Lopena' ? timing : undefined });
        add(`${version}|${what}, cold`, await p.waitFor(mark(name)));
        if (what === 'Lopena') for (const [k, v] of Object.entries(await p.evaluate(phases))) add(`${version}|  ${k}`, v);
        await p.evaluate('location.reload(), true');
        await p.waitFor(`performance.getEntriesByType('navigation')[0]?.type === 'reload' && ${mark(name)}`);
        add(`${version}|${what}, reload`, await p.evaluate(mark(name)));
        // Reloaded again once the program runs (as a pupil would reload a page in use), rather
        // than while it is being unpacked and compiled; the old page is told apart by a flag.
        if (what === 'Lopena') await p.waitFor('!!window.lopena');
        await p.evaluate('new Promise((done) => setTimeout(done, 1500))');
        await p.evaluate('window.oldPage = true, location.reload(), true');
        await p.waitFor(`!window.oldPage && performance.getEntriesByType('navigation')[0]?.type === 'reload' && ${mark(name)}`);
        add(`${version}|${what}, reload once running`, await p.evaluate(mark(name)));
        await p.close();
      } finally {
        await browser.close();
      }
    }
  }
}
let last = '';
for (const [key, values] of Object.entries(figures)) {
  const [version, name] = key.split('|');
  if (version !== last) console.log((last = version));
  if (values.every((v) => v >= 0)) console.log(`${median(values).toFixed(1).padStart(9)}  ${name} (ms)`);
}
