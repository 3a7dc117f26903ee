// Menus: the bar's menus open by click, Alt and their access key; items by click, Enter or their
// access key; Ctrl shortcuts from anywhere in the window. A form's menus are its record `menu`:
// the bar, its menus in order (tops), every menu and item by id, shortcuts, the menu open.
import { MenuFlag } from './bridge.mjs';
import { along, el, mnemonic } from './dom.js';
import { controlOf } from './controls.js';

const letters = new WeakMap(); // an item -> its access key

export const menuState = (bar) => ({ bar, tops: [], items: [], shortcuts: new Map(), open: null, fromBar: false, returnTo: null });

// fromBar: opened from the focused menu bar, to which Esc goes back.
export function openMenu(f, menu, focusFirst, fromBar = false) {
  const m = f.menu;
  closeMenus(f);
  m.open = menu;
  m.fromBar = fromBar;
  m.returnTo ||= document.activeElement;
  menu.button.setAttribute('aria-expanded', 'true');
  menu.list.hidden = false;
  if (focusFirst) menu.list.querySelector('[role^=menuitem]')?.focus();
}

export function closeMenus(f, restore) {
  const m = f.menu;
  if (!m.open) return;
  m.open.button.setAttribute('aria-expanded', 'false');
  m.open.list.hidden = true;
  m.open = null;
  if (restore && m.returnTo) m.returnTo.focus?.();
  if (restore) m.returnTo = null;
}

// The keys of the open menu; true when it took the key.
export function menuKeys(f, e) {
  const { open: menu, tops, fromBar } = f.menu;
  const items = [...menu.list.querySelectorAll('[role^=menuitem]')];
  const at = items.indexOf(document.activeElement);
  if (e.key === 'ArrowDown' || e.key === 'ArrowUp') {
    items[(at + (e.key === 'ArrowDown' ? 1 : items.length - 1)) % items.length]?.focus();
  } else if (e.key === 'ArrowRight' || e.key === 'ArrowLeft') {
    openMenu(f, tops[along(e.key, tops.indexOf(menu), tops.length)], true, fromBar);
  } else if (e.key === 'Escape' && fromBar) {
    closeMenus(f);
    menu.button.focus();
  } else if (e.key === 'Escape') {
    closeMenus(f, true);
  } else if (e.key.length === 1 && !e.ctrlKey && !e.altKey) {
    items.find((i) => letters.get(i) === e.key.toLowerCase())?.click();
  } else {
    return false;
  }
  e.preventDefault();
  return true;
}

// The menu bar's own keys, its menus closed: arrows between the menus, Down or Enter opens one,
// Esc goes back to the window.
export function barKeys(f, e) {
  const m = f.menu, at = m.tops.findIndex((t) => t.button === e.target);
  if (m.open || at < 0) return;
  const to = along(e.key, at, m.tops.length);
  if (to !== undefined) m.tops[to].button.focus();
  else if (['ArrowDown', 'Enter', ' '].includes(e.key)) openMenu(f, m.tops[at], true, true);
  else if (e.key === 'Escape') { (m.returnTo || f.controls.find((c) => c && controlOf(c).focusable))?.focus?.(); m.returnTo = null; }
  else return;
  e.preventDefault();
  e.stopPropagation();
}

function addTop(f, id, name, caption) {
  const { node, key } = mnemonic(caption);
  const button = el('button', { type: 'button', id: name, className: 'lp-menu', tabIndex: -1 }, node);
  button.setAttribute('role', 'menuitem');
  button.setAttribute('aria-haspopup', 'menu');
  button.setAttribute('aria-expanded', 'false');
  const list = el('div', { className: 'lp-menulist', hidden: true });
  list.setAttribute('role', 'menu');
  const menu = { button, list, key };
  button.addEventListener('click', () => (f.menu.open === menu ? closeMenus(f, true) : openMenu(f, menu, false)));
  button.addEventListener('pointerenter', () => f.menu.open && f.menu.open !== menu && openMenu(f, menu, false));
  f.menu.bar.append(el('div', { className: 'lp-menuroot', role: 'none' }, button, list));
  f.menu.tops.push(menu);
  f.menu.items[id] = menu;
}

export function addMenu(page, f, id, parent, name, caption, shortcut, flags) {
  if (parent < 0) return addTop(f, id, name, caption);
  const { list } = f.menu.items[parent];
  if (flags & MenuFlag.Separator) return list.append(el('div', { className: 'lp-separator', role: 'separator' }));
  const { node, key } = mnemonic(caption);
  const button = el('button', { type: 'button', id: name, className: 'lp-item', tabIndex: -1 },
    el('span', { className: 'lp-check', textContent: '\u2713' }), el('span', { className: 'lp-caption' }, node),
    el('span', { className: 'lp-shortcut', textContent: shortcut }));
  letters.set(button, key);
  button.setAttribute('role', flags & MenuFlag.Checked ? 'menuitemcheckbox' : 'menuitem');
  button.addEventListener('click', () => { closeMenus(f, true); page.calls.menu(f.id, id); });
  list.append(button);
  f.menu.items[id] = { button };
  if (shortcut) f.menu.shortcuts.set(shortcut, id);
  setMenu(f, id, flags);
}

export function setMenu(f, id, flags) {
  const entry = f.menu.items[id];
  if (!entry || entry.list) return;
  const item = entry.button, checked = !!(flags & MenuFlag.Checked);
  item.classList.toggle('lp-checked', checked);
  if (item.getAttribute('role') === 'menuitemcheckbox' || checked) {
    item.setAttribute('role', 'menuitemcheckbox');
    item.setAttribute('aria-checked', String(checked));
  }
  item.disabled = !(flags & MenuFlag.Enabled);
}
