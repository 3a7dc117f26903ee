// The program's functions the page calls, by the names of the generated table Entry (from the
// C++ entry points themselves): calls.click(form, id) is _lopena_click. Each is looked up when
// called, so that a wrapper put on the module's export (a test counting ticks) is the one called.
import { Entry } from './bridge.mjs';

export function entryPoints(M) {
  const calls = {};
  for (const [name, symbol] of Object.entries(Entry)) calls[name] = (...args) => M[symbol](...args);
  return Object.freeze(calls);
}
