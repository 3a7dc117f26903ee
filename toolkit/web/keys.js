// A window's keys: the open menu's first, F10 to the menu bar, Alt and a button's or a menu's letter, Ctrl
// shortcuts, Tab round a window of the page, Enter and Esc to the model. The main window's menu
// keys work from every window, but while a modal dialog (About) waits.
import { Key } from './bridge.mjs';
import { pressAccessKey } from './controls.js';
import { menuKeys, openMenu } from './menus.js';
import { bringForward, mainForm } from './windows.js';

const taken = new WeakSet(); // the key events a form has seen: the innermost form's only

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

// The letter of the key whatever Alt makes of it on the keyboard's layout.
const letterOf = (e) => (e.code.startsWith('Key') ? e.code.slice(3).toLowerCase() : e.key.toLowerCase());

// Alt and a menu's letter, or a Ctrl shortcut, of form f; true when it took the key.
function menuLetters(page, f, e) {
  const m = f.menu, letter = letterOf(e);
  if (e.altKey && !e.ctrlKey && letter.length === 1) {
    const menu = m.tops.find((t) => t.key === letter);
    if (!menu) return false;
    e.preventDefault();
    if (f.win) bringForward(page, f.win);
    openMenu(f, menu, true);
    return true;
  }
  if (e.ctrlKey && !e.altKey && !e.shiftKey && letter.length === 1) {
    const item = m.shortcuts.get(`Ctrl+${letter.toUpperCase()}`);
    if (item === undefined) return false;
    e.preventDefault();
    page.calls.menu(f.id, item);
    return true;
  }
  return false;
}

// A key of another window, or of none, that the main window's menus know.
function toMain(page, e) {
  const main = mainForm(page);
  if (!main || main.closed || document.querySelector('dialog:modal')) return false;
  return menuLetters(page, main, e);
}

function onKey(page, f, e) {
  if (taken.has(e)) return;
  taken.add(e);
  const m = f.menu;
  if (m.open && menuKeys(f, e)) return;
  if (e.key === 'F10' && f.main && !e.altKey && !e.ctrlKey && !e.shiftKey) {
    e.preventDefault();
    m.returnTo = document.activeElement;
    m.tops[0]?.button.focus();
    return;
  }
  if (e.altKey !== e.ctrlKey && letterOf(e).length === 1) {
    if (e.altKey && pressAccessKey(f, letterOf(e))) return e.preventDefault();
    if (!menuLetters(page, f, e) && !f.main && !f.root.closest('dialog')) toMain(page, e);
    return;
  }
  if (e.key === 'Tab' && f.window && !e.altKey && !e.ctrlKey) {
    roundTheWindow(f, e);
  } else if (e.key === 'Enter' && e.target.tagName !== 'BUTTON') {
    e.preventDefault();
    page.calls.key(f.id, Key.Enter);
  } else if (e.key === 'Escape' && (f.main || (f.window && !f.root.closest('dialog')))) {
    // A window inside a modal dialog leaves Esc to the dialog.
    e.preventDefault();
    page.calls.key(f.id, Key.Escape);
  }
}

export const keyboard = (page, f) => f.root.addEventListener('keydown', (e) => onKey(page, f, e));

// Keys outside every form (the notebook, the bar, the page) reach the main window's menus.
export const pageKeys = (page) => document.addEventListener('keydown', (e) => {
  if (!taken.has(e) && !e.defaultPrevented) toMain(page, e);
}, { signal: page.gone.signal });
