// The lab notebook's panel beside the main window: the tabs "Tabel", "Grafice", "Istoric" and
// "Rezolvare", each a module of its own. It only lays out what the C++ side
// (notebook/web/NotebookEntryPoints.cpp) hands it: every cell, header, CSV byte, line of the
// solution, axis and marker is the core's. The page imports this module at the notebook's first
// opening.
import { along, el, followModals, viewport } from '../../toolkit/web/dom.js';
import { graphPane } from './graph.js';
import { historyPane } from './history.js';
import { panelParts } from './panelParts.js';
import { solutionPane } from './solution.js';
import { stepTable } from './table.js';

const MIN_BESIDE = 420; // the least width of the panel beside the window, px
const MIN_BELOW = 260; // the least height of the panel below it, px
const MIN_NARROW = 200; // the least width of the panel beside the window when below is no room, px
const TITLE_HEIGHT = 26; // the panel's title bar with its close button, px
const NAMES = ['Tabel', 'Grafice', 'Istoric', 'Rezolvare'];

// Beside the window when there is room, else below it, over its lower part if need be; in a
// viewport too short for that, below Start, its title bar in sight.
function place(root) {
  const w = document.querySelector('.lp-window')?.getBoundingClientRect();
  if (!w) return;
  const [vw, vh] = viewport();
  const right = vw - w.right - 8, below = vh - w.bottom - 4;
  const start = document.getElementById('cmdFire')?.getBoundingClientRect().bottom ?? 0;
  let top = Math.min(w.bottom + 4, vh - MIN_BELOW);
  if (top < 0) top = Math.max(0, Math.min(vh - TITLE_HEIGHT, start + 4)); // a viewport too short
  const box = right >= MIN_BESIDE || (below < MIN_BELOW && right >= MIN_NARROW) ? [w.right + 8, 0, right, vh]
    : [0, top, vw, vh - top];
  Object.assign(root.style, { left: `${box[0]}px`, top: `${box[1]}px`, width: `${box[2]}px`, height: `${box[3]}px` });
}

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
  const root = el('section', { className: 'lp-notebook', id: 'notebook', hidden: true },
    el('div', { className: 'lp-nb-title' }, el('h2', { textContent: 'Caiet de laborator' }), close), list,
    ...panes.map((p) => p.pane));
  root.setAttribute('aria-label', 'Caiet de laborator');
  // In a modal dialog, first, so that the dialog's own content stays above the panel where they
  // meet; a move, or a dialog taken away with the panel in it, loses the table's scroll.
  const follow = followModals(root, document.body, { first: true, moved: table.restore });
  // The dialog the panel sits in takes none of its keys but Esc, which closes that dialog;
  // outside a dialog, Esc closes the panel.
  root.addEventListener('keydown', (e) => {
    e.stopPropagation();
    if (e.key === 'Escape' && root.parentNode === document.body) { e.preventDefault(); hide(); }
  });
  const resized = () => { if (!root.hidden) { place(root); table.render(); } };
  addEventListener('resize', resized);
  visualViewport?.addEventListener('resize', resized);
  document.body.append(root);
  // The program's end takes the panel away for good.
  M.tk.whenEnded(() => {
    follow.stop();
    removeEventListener('resize', resized);
    visualViewport?.removeEventListener('resize', resized);
    root.remove();
  });

  let returnTo = null; // what had the focus when the panel opened
  // A new throw, or the panel opened: every pane anew, the open one at once.
  function renew() {
    table.reset();
    history.build();
    solution.outdate();
    graph.outdate();
  }
  function show() {
    if (root.hidden) returnTo = document.activeElement;
    root.hidden = false;
    follow.adopt();
    place(root);
    renew();
    choose(current);
  }
  function hide() {
    const inside = root.contains(document.activeElement);
    root.hidden = true;
    if (inside) returnTo?.focus?.();
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
