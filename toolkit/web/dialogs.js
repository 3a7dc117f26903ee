// The page's own dialogs (a message, the file-name prompt): each resolves with its answer, null
// on Esc. Its content is in a body of its own, above the notebook's panel when that moves in.
import { el } from './dom.js';
import { fitDialog, onTop } from './windows.js';

// buttons: [caption, () => answer] each; focus: what takes the focus first (an element, or the
// number of a button), else the first button.
export function pageDialog(page, title, body, buttons, focus) {
  return new Promise((resolve) => {
    const done = (value) => { if (d.open) d.close(); d.remove(); resolve(value); };
    const row = el('div', { className: 'lp-buttons' }, ...buttons.map(([caption, value]) =>
      el('button', { type: 'button', textContent: caption, onclick: () => done(value()) })));
    const d = el('dialog', { className: 'lp-page-dialog' },
      el('div', { className: 'lp-dialog-body' }, el('div', { className: 'lp-title' }, title), body, row));
    d.setAttribute('aria-label', title);
    d.addEventListener('cancel', (e) => { e.preventDefault(); done(null); });
    d.addEventListener('close', () => done(null)); // closed by the browser without a cancel
    page.host.append(d);
    onTop(page, d.firstChild);
    d.showModal();
    fitDialog(d);
    const first = typeof focus === 'number' ? row.children[focus] : focus || row.firstChild;
    first.focus();
    focus?.select?.();
  });
}

const said = (text) => el('p', { className: 'lp-message', textContent: text });

export const message = (page, title, text, ok) => pageDialog(page, title, said(text), [[ok, () => true]]);

// A question: true for `yes`; `no` has the focus first, and Esc answers it.
export const ask = (page, title, text, yes, no) =>
  pageDialog(page, title, said(text), [[yes, () => true], [no, () => false]], 1).then((answer) => answer === true);

// A file's name asked on the page, `proposed` first; null when cancelled or left empty.
export async function askFileName(page, title, prompt, proposed, save, cancel) {
  const input = el('input', { type: 'text', value: proposed, id: 'fileName' });
  input.addEventListener('keydown', (e) => {
    if (e.key !== 'Enter') return;
    e.preventDefault();
    input.closest('.lp-dialog-body').querySelector('.lp-buttons button').click();
  });
  const name = await pageDialog(page, title, el('label', { className: 'lp-prompt' }, prompt, input),
    [[save, () => input.value], [cancel, () => null]], input);
  return name === null || name === '' ? null : name;
}
