// The worked solution as the core writes it, printed (and so saved as PDF) on an A4 page.
import { NotebookText } from './bridge.mjs';
import { el } from '../../toolkit/web/dom.js';
import { printHtml } from '../../toolkit/web/print.js';

export function solutionPane(parts) {
  const { text } = parts;
  const view = el('div', { className: 'lp-nb-solution', id: 'solution' });
  view.setAttribute('aria-label', 'Rezolvarea aruncarii curente');
  let stale = true;
  function build() {
    stale = false;
    const html = text(NotebookText.Solution);
    if (html) view.innerHTML = html; else view.textContent = text(NotebookText.NoSolution);
    savePdf.disabled = !html;
  }
  const savePdf = parts.button('Salveaza PDF...',
    () => printHtml(text(NotebookText.PrintTitle), text(NotebookText.PrintPage)), 'savePdf');
  const pane = el('div', { className: 'lp-nb-pane' }, view, parts.bar(parts.gap(), savePdf));
  return { pane, build, stale: () => stale, outdate: () => { stale = true; } };
}
