// Writes the page's module of what it shares with the C++ side: every `enum class` of the headers
// given, as a frozen object of the same name and enumerators, and the table `Entry` of the C
// functions the sources given define for the page (EMSCRIPTEN_KEEPALIVE lopena_<name>), by name.
//   node GenerateBridge.mjs out.mjs header.h [header.h:Enum ...] [source.cpp ...]
// A header given as path:Enum gives that enum alone. An enumerator it cannot read stops the build:
// skipping one would shift every later value and the page would disagree with the C++ silently.
import { readFileSync, renameSync, writeFileSync } from 'node:fs';

// An integer literal as C++ writes it (decimal, 0x, 0b, octal, digit separators, u/l suffixes),
// optionally negated, or `a << b` of two such literals; undefined for anything else.
function valueOf(expression) {
  const literal = (text) => {
    const m = text.trim().match(/^(-?)\s*(0[xX][0-9a-fA-F']+|0[bB][01']+|0[0-7']*|[1-9][0-9']*)[uUlL]*$/);
    if (!m) return undefined;
    const digits = m[2].replaceAll("'", '');
    const value = /^0[0-7]+$/.test(digits) ? parseInt(digits, 8) : Number(digits);
    return m[1] ? -value : value;
  };
  const shift = expression.match(/^\(?\s*([^<()]+?)\s*<<\s*([^<()]+?)\s*\)?$/);
  if (!shift) return literal(expression);
  const [base, by] = [literal(shift[1]), literal(shift[2])];
  return base === undefined || by === undefined ? undefined : base * 2 ** by;
}

export function enumsOf(text, only, where = 'header') {
  const found = [];
  for (const [, name, body] of text.matchAll(/enum class (\w+)[^{;]*\{([^}]*)\}/g)) {
    if (only && name !== only) continue;
    let next = 0;
    const values = {};
    const plain = body.replace(/\/\/.*$/gm, '').replace(/\/\*[\s\S]*?\*\//g, '');
    const items = plain.split(',').map((item) => item.trim());
    if (items.at(-1) === '') items.pop(); // the trailing comma
    for (const item of items) {
      const m = item.match(/^([A-Za-z_]\w*)\s*(?:=\s*([\s\S]+))?$/);
      const value = m && (m[2] === undefined ? next : valueOf(m[2]));
      if (!m || !Number.isSafeInteger(value) || m[1] in values)
        throw new Error(`${where}: enum class ${name}: cannot read the enumerator "${item}"`);
      values[m[1]] = value;
      next = value + 1;
    }
    found.push([name, values]);
  }
  return found;
}

// The entry points a source defines for the page, as [name, C symbol]: lopena_nb_fit_graph is
// nbFitGraph, called as the program's export _lopena_nb_fit_graph.
export function entriesOf(text) {
  return [...text.matchAll(/EMSCRIPTEN_KEEPALIVE\s[^(;{}]*?\blopena_(\w+)\s*\(/g)].map(([, name]) =>
    [name.replace(/_(\w)/g, (_, c) => c.toUpperCase()), `_lopena_${name}`]);
}

const [out, ...inputs] = process.argv.slice(2);
if (out) {
  let js = '// Generated at build time from the C++ sources by app/web/GenerateBridge.mjs: do not edit.\n';
  const sources = inputs.filter((p) => p.endsWith('.cpp')), headers = inputs.filter((p) => !p.endsWith('.cpp'));
  const entries = sources.flatMap((path) => entriesOf(readFileSync(path, 'utf8')));
  if (sources.length) {
    if (!entries.length || new Set(entries.map(([n]) => n)).size !== entries.length)
      throw new Error(`no entry point, or one twice, in ${sources.join(' ')}`);
    js += `export const Entry = Object.freeze(${JSON.stringify(Object.fromEntries(entries))});\n`;
  }
  for (const header of headers) {
    const [path, only] = header.split(':');
    const enums = enumsOf(readFileSync(path, 'utf8'), only, path);
    if (!enums.length) throw new Error(`no enum in ${header}`);
    for (const [name, values] of enums) js += `export const ${name} = Object.freeze(${JSON.stringify(values)});\n`;
  }
  writeFileSync(`${out}.tmp`, js);
  renameSync(`${out}.tmp`, out);
}
