// The program's functions the page calls, by the names of the generated table Entry (from the
// C++ entry points themselves): calls.click(form, id) is _lopena_click. Each is looked up when
// called, so that a wrapper put on the module's export (a test counting ticks) is the one called.
// While `held.waiting` (the program not yet running under a window drawn before it), a call
// waits in `held.calls`, in its order, and runs when the program is ready.
import { Entry } from './bridge.mjs';

export function entryPoints(M, held = null) {
  const calls = {};
  for (const [name, symbol] of Object.entries(Entry)) {
    calls[name] = (...args) => {
      if (!held?.waiting) return M[symbol](...args);
      held.calls.push(() => M[symbol](...args));
      return undefined;
    };
  }
  return Object.freeze(calls);
}
