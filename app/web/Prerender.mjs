// Records what the program's start asks of the page: the calls that build the main window and
// the drawing of its first frame. The page plays them before the program runs (the binding's
// prerender.js), so the window shows while the program is still unpacked and compiled.
import vm from 'node:vm';
import { BUILDING as building } from '../../toolkit/web/prerender.js';

const BUILDING = new Set(building);

// program: the page's JavaScript with its WebAssembly embedded (Emscripten's single file).
export async function recordStart(program, entryPaint = '_lopena_paint') {
  const context = vm.createContext({ console, WebAssembly, TextDecoder, performance,
    atob: (s) => Buffer.from(s, 'base64').toString('latin1') });
  vm.runInContext(program, context);
  const calls = [], frames = new Set(), M = {};
  M.tk = new Proxy({}, {
    get(_, name) {
      if (name === 'cstr') return (s) => { const n = M.lengthBytesUTF8(s) + 1, p = M._malloc(n); M.stringToUTF8(s, p, n); return p; };
      if (name === 'decimalSeparator') return () => ','; // the start writes no number: checked on the page
      if (name === 'requestFrame') return (form) => frames.add(form);
      if (name === 'draw') return (form, ops) => calls.push(['draw', form, Array.from(ops)]);
      if (BUILDING.has(name)) return (...args) => calls.push([name, ...args]);
      return () => undefined; // timers: the page's own, once the program runs
    },
  });
  const module = await context.createLopena(M);
  for (const form of frames) module[entryPaint](form);
  if (!calls.some(([name]) => name === 'formReady') || !calls.some(([name]) => name === 'draw')) {
    throw new Error('the program\'s start built no window or drew no frame');
  }
  return calls;
}
