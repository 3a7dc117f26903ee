// Writes the page's module of the numbers it shares with the C++ side: every `enum class` of the
// headers given, as a frozen object of the same name and enumerators.
//   node GenerateBridge.mjs out.mjs header.h [header.h:Enum ...]
// A header given as path:Enum gives that enum alone.
import { readFileSync, renameSync, writeFileSync } from 'node:fs';

function enumsOf(text, only) {
  const found = [];
  for (const [, name, body] of text.matchAll(/enum class (\w+)[^{]*\{([^}]*)\}/g)) {
    if (only && name !== only) continue;
    let next = 0;
    const values = {};
    for (const line of body.split('\n')) {
      const m = line.replace(/\/\/.*/, '').match(/^\s*(\w+)\s*(?:=\s*(-?\d+))?\s*,?\s*$/);
      if (!m) continue;
      values[m[1]] = next = m[2] !== undefined ? Number(m[2]) : next;
      ++next;
    }
    found.push([name, values]);
  }
  return found;
}

const [out, ...headers] = process.argv.slice(2);
if (out) {
  let js = '// Generated at build time from the C++ headers by app/web/GenerateBridge.mjs: do not edit.\n';
  for (const header of headers) {
    const [path, only] = header.split(':');
    const enums = enumsOf(readFileSync(path, 'utf8'), only);
    if (!enums.length) throw new Error(`no enum in ${header}`);
    for (const [name, values] of enums) js += `export const ${name} = Object.freeze(${JSON.stringify(values)});\n`;
  }
  writeFileSync(`${out}.tmp`, js);
  renameSync(`${out}.tmp`, out);
}
