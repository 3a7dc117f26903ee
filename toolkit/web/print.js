// Printing a document of the program (the notebook's solution, a worksheet): its HTML in a view
// that only print shows (binding.css: alone, on A4), the document's title as the page's while the
// browser's print dialog, which also saves PDF, is open. The view goes once printing is done; a
// browser whose print() returns at once still prints it.
import { el } from './dom.js';

export function printHtml(title, html) {
  document.querySelector('body > .lp-print')?.remove();
  const view = el('div', { className: 'lp-print' });
  view.innerHTML = html;
  document.body.append(view);
  const before = document.title;
  document.title = title;
  addEventListener('afterprint', () => {
    document.title = before;
    view.remove();
  }, { once: true });
  window.print();
}
