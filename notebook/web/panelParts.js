// What the notebook's panes share: the core's answers (texts, their bytes), buttons, and the
// page's messages and saving.
import { entryPoints } from '../../toolkit/web/calls.js';
import { el } from '../../toolkit/web/dom.js';

export const CSV = ['Exporta CSV', 'Fisiere CSV (*.csv)', '*.csv'];

export function panelParts(M) {
  const calls = entryPoints(M);
  const str = (p) => M.UTF8ToString(p);
  const tell = (title, text) => M.tk.message(title, text, 'OK');
  return {
    M, calls, str, tell,
    text: (what) => str(calls.nbText(what, 0, 0)),
    // A text of the core as its exact bytes.
    bytes(what) {
      const p = calls.nbText(what, 0, 0);
      return M.HEAPU8.slice(p, p + calls.nbSize());
    },
    button: (textContent, onclick, id) => el('button', { type: 'button', textContent, onclick, id }),
    bar: (...items) => el('div', { className: 'lp-nb-buttons' }, ...items),
    gap: () => el('span', { className: 'lp-nb-gap' }),
    // A file made by `make` saved under a name the pupil gives; `unmade` told if it cannot be made.
    async save(title, description, pattern, proposed, make, unmade) {
      const name = await M.tk.askSave(title, description, pattern, 'Numele fisierului:', proposed, 'Salveaza', 'Anuleaza');
      if (name === null) return;
      let made;
      try { made = await make(); } catch { await tell(title, unmade); return; }
      const failure = await M.tk.writeFile(name, made);
      if (failure !== null) {
        const [p, q] = [M.tk.cstr(name), M.tk.cstr(failure)];
        try { await M.tk.message(title, str(calls.nbSaveFailure(p, q)), 'OK'); } finally { M._free(p); M._free(q); }
      }
    },
  };
}
