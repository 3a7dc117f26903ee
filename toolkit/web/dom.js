// What the page's modules share: building elements, colours, the viewport, the arrow keys along a
// row of items, and the move into a modal dialog that keeps a part of the page usable.

// An element with its properties and children.
export const el = (tag, props = {}, ...children) => {
  const e = Object.assign(document.createElement(tag), props);
  e.append(...children);
  return e;
};

// A caption's access key: the letter after "&", shown underlined; key '' for none.
export function mnemonic(caption) {
  const at = caption.indexOf('&');
  if (at < 0 || at + 1 >= caption.length) return { node: document.createTextNode(caption), key: '' };
  const span = el('span', {}, caption.slice(0, at), el('u', {}, caption[at + 1]), caption.slice(at + 2));
  return { node: span, key: caption[at + 1].toLowerCase() };
}

// A colour of the core (red + 256 green + 65536 blue) as CSS.
export const rgb = (c) => `rgb(${c & 255},${(c >> 8) & 255},${(c >> 16) & 255})`;

// The viewport the page lays out in, without its scroll bars: on a phone innerWidth follows the
// content's width, this does not.
export const viewport = () => [document.documentElement.clientWidth, document.documentElement.clientHeight];

// A length the style sheets set on the root, px: read from their rules, so that asking for it
// makes the browser compute no style while the page is being built.
export const cssPx = (name) => {
  for (const sheet of document.styleSheets) {
    for (const rule of sheet.cssRules) {
      const value = rule.selectorText === ':root' && rule.style.getPropertyValue(name);
      if (value) return parseFloat(value);
    }
  }
  return parseFloat(getComputedStyle(document.documentElement).getPropertyValue(name));
};

// The item Right, Left, Home or End moves to from item `at` of `n` in a row (menus, tabs),
// round at the ends; undefined for another key.
export const along = (key, at, n) => ({ ArrowRight: (at + 1) % n, ArrowLeft: (at + n - 1) % n, Home: 0, End: n - 1 })[key];

// A modal dialog makes the rest of the page inert: `node` goes into the topmost open one while it
// is open, so that it stays usable, and comes back to `host` after. `first`: before the dialog's
// own content, which then stays above it where they meet; `moved` runs after each move.
export function followModals(node, host, { first = false, moved = () => {} } = {}) {
  const adopt = () => {
    const home = [...document.querySelectorAll('dialog')].filter((d) => d.open && d.matches(':modal')).pop() || host;
    if (node.parentNode === home) return;
    if (first && home !== host) home.prepend(node); else home.append(node);
    moved();
  };
  const watch = new MutationObserver(adopt);
  watch.observe(host, { childList: true });
  return { adopt, stop: () => watch.disconnect() };
}

// Sizes the style sheet (binding.css) and the script share, px: read once, at first use.
let shared = null;
export const sizes = () => (shared ||= { menuBar: cssPx('--lp-menu-bar'), scrollBox: cssPx('--lp-scroll-box') });
