// A window's keys: the open menu's first, F10 to the menu bar, Alt and a menu's letter, Ctrl
// shortcuts, Tab round a window of the page, Enter and Esc to the model.
import { Key } from './bridge.mjs';
import { menuKeys, openMenu } from './menus.js';

// Tab stops of a node in their order: a group of options is one stop, at its chosen one.
const tabStops = (node) => [...node.querySelectorAll('button, input, select, [tabindex]')].filter((e) => e.tabIndex >= 0 &&
  !e.disabled && e.checkVisibility() && !(e.type === 'radio' && !e.checked && node.querySelector(`input[name="${e.name}"]:checked`)));

// Tab and Shift+Tab go round a window of the page, as in a window of the desktop: past its
// last stop to its first, never out to the page or another window.
function roundTheWindow(f, e) {
  const stops = tabStops(f.root), at = stops.indexOf(document.activeElement);
  const to = e.shiftKey ? (at <= 0 ? stops.at(-1) : null) : (at === stops.length - 1 ? stops[0] : null);
  if (!to) return;
  e.preventDefault();
  to.focus();
}

function onKey(page, f, e) {
  const m = f.menu;
  if (m.open && menuKeys(f, e)) return;
  if (e.key === 'F10' && f.main && !e.altKey && !e.ctrlKey && !e.shiftKey) {
    e.preventDefault();
    m.returnTo = document.activeElement;
    m.tops[0]?.button.focus();
    return;
  }
  // The letter of the key whatever Alt makes of it on the keyboard's layout.
  const letter = e.code.startsWith('Key') ? e.code.slice(3).toLowerCase() : e.key.toLowerCase();
  if (e.altKey && !e.ctrlKey && letter.length === 1) {
    const menu = m.tops.find((t) => t.key === letter);
    if (menu) { e.preventDefault(); openMenu(f, menu, true); }
    return;
  }
  if (e.ctrlKey && !e.altKey && !e.shiftKey && letter.length === 1) {
    const item = m.shortcuts.get(`Ctrl+${letter.toUpperCase()}`);
    if (item !== undefined) { e.preventDefault(); page.calls.menu(f.id, item); }
    return;
  }
  if (e.key === 'Tab' && f.window && !e.altKey && !e.ctrlKey) {
    roundTheWindow(f, e);
  } else if (e.key === 'Enter' && e.target.tagName !== 'BUTTON') {
    e.preventDefault();
    page.calls.key(f.id, Key.Enter);
  } else if (e.key === 'Escape' && (f.main || f.window)) {
    e.preventDefault();
    page.calls.key(f.id, Key.Escape);
  }
}

export const keyboard = (page, f) => f.root.addEventListener('keydown', (e) => onKey(page, f, e));
