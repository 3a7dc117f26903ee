// The tips of a window: the probe (the pointer resting on, or a finger touching, a scene item
// shows its tooltip) and the tip beside an entry the model refused.
import { el } from './dom.js';
import { beep } from './sound.js';
import { scaleOf } from './windows.js';

export function probe(page, f) {
  let due = null;
  const tip = el('div', { className: 'lp-tip', id: 'probe', hidden: true });
  tip.setAttribute('role', 'tooltip');
  const look = () => {
    if (page.held.waiting) return void (due = null); // nothing to ask before the program runs
    const r = f.canvas.getBoundingClientRect();
    const x = (due.clientX - r.left) / scaleOf(f), y = (due.clientY - r.top) / scaleOf(f);
    due = null;
    tip.textContent = page.M.UTF8ToString(page.calls.tip(f.id, Math.floor(x), Math.floor(y)));
    tip.hidden = !tip.textContent;
    Object.assign(tip.style, { left: `${Math.min(x + 12, f.width - 180)}px`, top: `${Math.max(0, y - 80)}px` });
  };
  const ask = (e) => { if (!due) requestAnimationFrame(look); due = e; };
  f.canvas.addEventListener('pointermove', ask);
  f.canvas.addEventListener('pointerdown', ask);
  f.canvas.addEventListener('pointerleave', () => { tip.hidden = true; });
  f.client.append(tip);
}

// x, y, width: the tip's place in the form's client pixels, chosen by the core over no control.
export function refuse(f, id, text, x, y, width) {
  const node = f.controls[id];
  beep();
  node.focus();
  node.select();
  f.tip?.remove();
  const tip = f.tip = el('div', { className: 'lp-tip', id: `${node.id}_tip`, textContent: text, role: 'status' });
  Object.assign(tip.style, { left: `${x}px`, top: `${y}px`, width: `${width}px` });
  f.client.append(tip);
  node.setAttribute('aria-describedby', tip.id);
  const drop = () => { tip.remove(); node.removeAttribute('aria-describedby'); };
  node.addEventListener('input', drop, { once: true });
  node.addEventListener('blur', drop, { once: true });
}
