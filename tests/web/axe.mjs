// An axe-core scan of the page for any browser driver: `evaluate` runs a JavaScript text in the
// page and resolves with its (JSON) result. Returns the violations as "rule: target, ..." lines,
// but those of the rules the page breaks on purpose (docs/accessibility.md).
import { readFileSync } from 'node:fs';

const source = readFileSync(new URL('../../node_modules/axe-core/axe.min.js', import.meta.url), 'utf8');
const TAGS = ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa', 'best-practice'];

// The window's text boxes (19 px) and scroll bars (17 px) keep the desktop's sizes and places.
export const KEPT_RULES = ['target-size'];

export async function axeScan(evaluate, { except = KEPT_RULES } = {}) {
  await evaluate(`(() => { if (!window.axe) (0, eval)(${JSON.stringify(source)}); return true; })()`);
  return evaluate(`axe.run(document, { runOnly: { type: 'tag', values: ${JSON.stringify(TAGS)} } })
    .then((r) => r.violations.filter((v) => !${JSON.stringify(except)}.includes(v.id))
      .map((v) => v.id + ': ' + v.nodes.map((n) => n.target.join(' ')).join(', ')))`);
}
