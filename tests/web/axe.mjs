// An axe-core scan of the page for any browser driver: `evaluate` runs a JavaScript text in the
// page and resolves with its (JSON) result. Resolves with the violations as "rule: targets" lines.
import { readFileSync } from 'node:fs';

const source = readFileSync(new URL('../../node_modules/axe-core/axe.min.js', import.meta.url), 'utf8');
const TAGS = ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa', 'best-practice'];

export async function axeScan(evaluate) {
  await evaluate(`(() => { if (!window.axe) (0, eval)(${JSON.stringify(source)}); return true; })()`);
  return evaluate(`axe.run(document, { runOnly: { type: 'tag', values: ${JSON.stringify(TAGS)} } })
    .then((r) => r.violations.map((v) => v.id + ': ' + v.nodes.map((n) => n.target.join(' ')).join(', ')))`);
}
