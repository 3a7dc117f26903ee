// The lab notebook's panel, a window of the page in a tile of its own: the tabs "Tabel", "Grafice", "Istoric" and
// "Rezolvare", each a module of its own. It only lays out what the C++ side
// (notebook/web/NotebookEntryPoints.cpp) hands it: every cell, header, CSV byte, line of the
// solution, axis and marker is the core's. The page imports this module at the notebook's first
// opening.
import { along, el, followModals } from '../../toolkit/web/dom.js';
import { graphPane } from './graph.js';
import { historyPane } from './history.js';
import { panelParts } from './panelParts.js';
import { solutionPane } from './solution.js';
import { stepTable } from './table.js';

const LEAST = [420, 260]; // the least room of the panel beside another window, px
const NAMES = ['Tabel', 'Grafice', 'Istoric', 'Rezolvare'];

// The tabs over the panes, chosen by click, arrows, Home and End; current() the one chosen.
function tabStrip(panes, choose, current) {
  const tabs = NAMES.map((t, i) => {
    const tab = el('button', { type: 'button', textContent: t, id: `tab${t}`, onclick: () => choose(i) });
    tab.setAttribute('role', 'tab');
    tab.setAttribute('aria-controls', `pane${t}`);
    panes[i].pane.id = `pane${t}`;
    panes[i].pane.setAttribute('role', 'tabpanel');
    panes[i].pane.setAttribute('aria-labelledby', tab.id);
    return tab;
  });
  const list = el('div', { className: 'lp-nb-tabs' }, ...tabs);
  list.setAttribute('role', 'tablist');
  list.setAttribute('aria-label', 'Paginile caietului');
  list.addEventListener('keydown', (e) => {
    const to = along(e.key, current(), tabs.length);
    if (to === undefined) return;
    e.preventDefault();
    choose(to);
    tabs[to].focus();
  });
  return { list, tabs };
}

export function makePanel(M, separator) {
  const parts = panelParts(M);
  const table = stepTable(parts), graph = graphPane(parts, separator), history = historyPane(parts), solution = solutionPane(parts);
  const panes = [table, graph, history, solution];
  let current = 0;
  function choose(i) {
    current = i;
    tabs.forEach((t, j) => { t.setAttribute('aria-selected', String(i === j)); t.tabIndex = i === j ? 0 : -1; });
    panes.forEach((p, j) => { p.pane.hidden = i !== j; });
    if (i === 0) table.show();
    if (panes[i].stale?.()) panes[i].build();
  }
  const { list, tabs } = tabStrip(panes, choose, () => current);
  const close = parts.button('\u00d7', () => hide(), 'notebookClose');
  close.setAttribute('aria-label', 'Inchide caietul de laborator');
  const title = el('div', { className: 'lp-nb-title' }, el('h2', { textContent: 'Caiet de laborator' }), close);
  const root = el('section', { className: 'lp-notebook', id: 'notebook', hidden: true }, title, list,
    ...panes.map((p) => p.pane));
  root.setAttribute('aria-label', 'Caiet de laborator');
  // In a modal dialog, first, so that the dialog's own content stays above the panel where they
  // meet; a move, or a dialog taken away with the panel in it, loses the table's scroll.
  const follow = followModals(root, document.body, { first: true, moved: table.restore });
  // The dialog the panel sits in takes none of its keys but Esc, which closes that dialog;
  // outside a dialog, Esc closes the panel, and the main window's menu keys go on to it.
  root.addEventListener('keydown', (e) => {
    if (root.parentNode !== document.body) e.stopPropagation();
    else if (e.key === 'Escape') { e.preventDefault(); hide(); }
  });
  document.body.append(root);
  // Its tile among the page's windows while it is open: any room of at least LEAST.
  const spec = { label: 'Caiet', tile: root, title, flexible: true, size: () => LEAST, place: () => table.render() };
  let open = false;
  // The program's end takes the panel away for good.
  M.tk.whenEnded(() => {
    follow.stop();
    root.remove();
  });

  // A new throw, or the panel opened: every pane anew, the open one at once.
  function renew() {
    table.reset();
    history.build();
    solution.outdate();
    graph.outdate();
  }
  // Opened, or brought forward, the focus on its tab; closed, its room given back and the focus to
  // the window in front.
  function show() {
    follow.adopt();
    if (open) {
      M.tk.windows.forward(spec, true);
    } else {
      open = true;
      root.hidden = false;
      M.tk.windows.add(spec);
      renew();
      choose(current);
      tabs[current].focus();
    }
  }
  function hide() {
    const inside = root.contains(document.activeElement);
    open = false;
    root.hidden = true;
    M.tk.windows.remove(spec, inside);
    parts.calls.nbOpened(0);
  }
  // The core's feed (NotebookFeed): a throw's start and landing at once, its steps gathered four
  // times a second, as on the desktop, so that the page lays out and draws a few steps at once.
  return {
    show,
    started() {
      renew();
      if (panes[current].stale) panes[current].build();
    },
    steps(rows, highest) {
      table.grow(rows, highest, table.rows());
      graph.catchUp();
    },
    landed() {
      table.grow(parts.calls.nbRows(), undefined, Math.max(0, table.rows() - 1));
      graph.catchUp();
    },
    series(active) { history.showSeries(active); },
  };
}
