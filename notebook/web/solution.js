// The worked solution as the core writes it, printed (and so saved as PDF) on an A4 page.
import { NotebookText } from './bridge.mjs';
import { el } from '../../toolkit/web/dom.js';

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
  const savePdf = parts.button('Salveaza PDF...', () => {
    const page = el('div', { className: 'lp-nb-print' });
    page.innerHTML = text(NotebookText.PrintPage);
    document.body.append(page);
    const title = document.title;
    document.title = text(NotebookText.PrintTitle);
    window.print();
    document.title = title;
    page.remove();
  }, 'savePdf');
  const pane = el('div', { className: 'lp-nb-pane' }, view, parts.bar(parts.gap(), savePdf));
  return { pane, build, stale: () => stale, outdate: () => { stale = true; } };
}
