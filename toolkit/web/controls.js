// The controls of a form as HTML elements: made from the model's description, placed, flagged and
// captioned as it says. What the page keeps of each is in a record beside its element.
import { Flag, Kind } from './bridge.mjs';
import { el, mnemonic } from './dom.js';
import { announce } from './live.js';
import { placeThumb, scrollBar } from './scrollbar.js';
import { scaleOf } from './windows.js';

// An element -> its control's record: kind, tab position, what takes the focus, a frame's inner
// box, a check's input, a bar's range, the width the model gave it, whether it is heard live, a
// button's access key.
const records = new WeakMap();
export const controlOf = (node) => records.get(node);

// The program's icon: a thin white cross, outlined in black, on a transparent ground.
export function icon(size) {
  const c = el('canvas', { width: size, height: size });
  const x = c.getContext('2d'), mid = size / 2, arm = 8;
  x.fillStyle = '#000';
  x.fillRect(mid - 2, mid - arm - 1, 3, 2 * arm + 3);
  x.fillRect(mid - arm - 1, mid - 2, 2 * arm + 3, 3);
  x.fillStyle = '#fff';
  x.fillRect(mid - 1, mid - arm, 1, 2 * arm + 1);
  x.fillRect(mid - arm, mid - 1, 2 * arm + 1, 1);
  return c;
}

// The element of a control of kind `c.kind` and what of it takes the focus.
function makeElement(page, f, c, record) {
  const { id, kind, flags, text } = c;
  switch (kind) {
    case Kind.Frame: {
      const node = el('fieldset', {}, el('legend', { textContent: text }), el('div', { className: 'lp-inner' }));
      record.holder = node.lastChild;
      return node;
    }
    case Kind.Label: {
      const node = el('div', { className: 'lp-label', textContent: text });
      node.classList.toggle('lp-auto', !!(flags & Flag.AutoSize));
      node.classList.toggle('lp-wrap', !!(flags & Flag.WordWrap));
      node.classList.toggle('lp-centred', !!(flags & Flag.Centred));
      return node;
    }
    case Kind.TextBox: {
      const node = record.focusable = el('input', { type: 'text', value: text, readOnly: !!(flags & Flag.Locked), spellcheck: false });
      if (c.maxLength > 0) node.maxLength = c.maxLength;
      node.addEventListener('input', () => page.withString(node.value, (p) => page.calls.text(f.id, id, p)));
      return node;
    }
    case Kind.CommandButton: {
      const node = record.focusable = el('button', { type: 'button' });
      caption(node, record, text);
      node.classList.toggle('lp-default', !!(flags & Flag.Default));
      node.addEventListener('click', () => page.calls.click(f.id, id));
      return node;
    }
    case Kind.HScrollBar: {
      const node = record.focusable = el('div', { className: 'lp-scrollbar' }, el('div', { className: 'lp-arrow lp-down' }),
        el('div', { className: 'lp-track' }, el('div', { className: 'lp-thumb' })), el('div', { className: 'lp-arrow lp-up' }));
      node.setAttribute('role', 'scrollbar');
      node.setAttribute('aria-orientation', 'horizontal');
      record.range = { min: 0, max: 0, value: 0 };
      scrollBar(page, f, id, node, record);
      return node;
    }
    case Kind.CheckBox:
    case Kind.OptionButton: {
      const input = record.focusable = record.input = el('input', { type: kind === Kind.CheckBox ? 'checkbox' : 'radio' });
      if (kind === Kind.OptionButton) input.name = `${f.name}_group${c.group}`;
      input.addEventListener(kind === Kind.CheckBox ? 'click' : 'change', () => page.calls.click(f.id, id));
      return el('label', { className: 'lp-option' }, input, el('span', { textContent: text }));
    }
    case Kind.PictureBox:
      return el('div', { className: 'lp-picture' }, icon(32));
    default: // a shape or a line, drawn on the canvas
      return el('div', { className: 'lp-drawn' });
  }
}

// c: the control as the model describes it (form, id, kind, name, container, x, y, w, h, flags,
// text, description, tab, group, maxLength).
export function addControl(page, f, c) {
  const record = { kind: c.kind, order: c.tab, focusable: null, input: null, holder: null, range: null,
    width: c.w, live: !!(c.flags & Flag.Live) };
  const node = makeElement(page, f, c, record), { focusable } = record;
  records.set(node, record);
  node.id = c.name;
  if (focusable) focusable.tabIndex = c.tab < 0 ? -1 : 0;
  if (c.description) {
    // Captions name their control; the explanation describes it. Boxes and bars have no caption.
    if (c.kind === Kind.TextBox || c.kind === Kind.HScrollBar) focusable.setAttribute('aria-label', c.description);
    else (focusable || node).setAttribute('aria-description', c.description);
  }
  f.controls[c.id] = node;
  // In the tab order among its siblings: the page's order is the keyboard's.
  const parent = c.container >= 0 ? controlOf(f.controls[c.container]).holder : f.client;
  parent.insertBefore(node, [...parent.children].find((n) => controlOf(n)?.order > c.tab) || null);
  setGeometry(f, c.id, c.x, c.y, c.w, c.h);
  applyFlags(f, c.id, c.flags);
}

export function setGeometry(f, id, x, y, w, h) {
  const node = f.controls[id], record = controlOf(node);
  Object.assign(node.style, { left: `${x}px`, top: `${y}px`, height: `${h}px` });
  record.width = w;
  if (!node.classList.contains('lp-auto')) node.style.width = `${w}px`;
  if (record.range) placeThumb(node, record);
}

export function applyFlags(f, id, flags) {
  const node = f.controls[id], { focusable, input } = controlOf(node);
  node.hidden = !(flags & Flag.Visible);
  const enabled = !!(flags & Flag.Enabled);
  if (focusable) {
    focusable.disabled = !enabled;
    focusable.setAttribute('aria-disabled', String(!enabled));
  }
  node.classList.toggle('lp-disabled', !enabled);
  if (input) input.checked = !!(flags & Flag.Checked);
  if (node.tagName === 'BUTTON') node.classList.toggle('lp-default', !!(flags & Flag.Default));
}

export function setText(page, f, id, text) {
  const node = f.controls[id], record = controlOf(node);
  if (record.kind === Kind.TextBox) {
    if (node.value !== text) node.value = text;
  } else if (record.kind === Kind.Frame) {
    node.firstChild.textContent = text;
  } else if (record.input) {
    node.lastChild.textContent = text;
  } else if (record.kind === Kind.CommandButton) {
    caption(node, record, text);
  } else {
    node.textContent = text;
    if (record.live) announce(page, f, id, text);
  }
}

// A button's caption, its access key ("&Barem...": Alt+B) underlined and told to screen readers.
function caption(node, record, text) {
  const { node: shown, key } = mnemonic(text);
  node.replaceChildren(shown);
  record.key = key;
  if (key) node.setAttribute('aria-keyshortcuts', `Alt+${key.toUpperCase()}`);
  else node.removeAttribute('aria-keyshortcuts');
}

// Alt and the access key of a button of form f that can be pressed now presses it; true if one did.
export function pressAccessKey(f, key) {
  const node = f.controls.find((n) => n && controlOf(n).key === key && !n.disabled && n.checkVisibility());
  node?.click();
  return !!node;
}

export function setRange(f, id, min, max, value) {
  const node = f.controls[id], record = controlOf(node);
  record.range = { min, max, value };
  placeThumb(node, record);
}

// A frame's controls stand relative to its outer corner, whatever its legend does.
// All are measured before any moves, so that the browser lays the page out once.
export function alignFrames(f) {
  const moves = [];
  for (const node of f.controls) {
    const holder = node && controlOf(node).holder;
    if (!holder) continue;
    const a = node.getBoundingClientRect(), b = holder.getBoundingClientRect();
    moves.push([holder, (a.left - b.left) / scaleOf(f), (a.top - b.top) / scaleOf(f)]);
  }
  for (const [holder, left, top] of moves) Object.assign(holder.style, { left: `${left}px`, top: `${top}px` });
}

// What of a control takes the focus.
export const focusOf = (node) => node && (controlOf(node)?.focusable || node);
