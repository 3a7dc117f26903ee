// Joins ES modules of the page into one module's text, so that the page starts without fetching
// module after module: each module becomes a function's scope, run once, after the modules it
// imports, its exports the function's result; the entry's exports are the bundle's, or, with
// --global=NAME, the members of one constant of a classic script (which runs as it is parsed).
//   node Bundle.mjs [--global=NAME] out.js entry.js module.js ... [name=path ...] [name=script.js:variable ...]
// A module is known by its file's name (or the name given), whatever folder an import names it
// in; a plain script given as script.js:variable is a module whose default export is that
// variable. An import or export of a form not read here stops the build.
import { readFileSync, renameSync, writeFileSync } from 'node:fs';
import { basename } from 'node:path';

const IMPORT = /^import\s+(\{[^}]*\}|\w+)\s+from\s+'([^']+)';?[ \t]*$/gm;
const EXPORT = /^export\s+((?:async\s+)?function\*?|const|let|class)\s+(\w+)/gm;
const DEFAULT = /^export\s+default\s+(\w+);?[ \t]*$/m;

const scope = (name) => `$${name.replace(/\W/g, '_')}`;

// A module as the body of its function: imports read from the scopes of the modules named.
export function wrap(name, text) {
  const deps = [];
  let body = text.replace(IMPORT, (_, what, from) => {
    const dep = basename(from);
    deps.push(dep);
    const names = what.startsWith('{') ? what.replace(/\s+as\s+/g, ': ') : `{ default: ${what} }`;
    return `const ${names} = ${scope(dep)};`;
  });
  const exported = [...body.matchAll(EXPORT)].map((m) => m[2]);
  body = body.replace(EXPORT, '$1 $2');
  const fallback = body.match(DEFAULT);
  if (fallback) {
    body = body.replace(DEFAULT, '');
    exported.push(`default: ${fallback[1]}`);
  }
  if (/^\s*(import|export)\b/m.test(body)) throw new Error(`${name}: an import or export the bundle cannot read`);
  return { deps, code: `const ${scope(name)} = (() => {\n${body}\nreturn { ${exported.join(', ')} };\n})();\n` };
}

// The modules in an order where each comes after those it imports; the entry's exports last.
export function bundle(entry, sources, global = null) {
  const done = new Set(), parts = [];
  const visit = (name, path) => {
    if (done.has(name)) return;
    if (path.includes(name)) throw new Error(`the page's modules import each other: ${[...path, name].join(' -> ')}`);
    if (!sources.has(name)) throw new Error(`no module ${name} for ${path.at(-1)}`);
    const { deps, code } = wrap(name, sources.get(name));
    for (const dep of deps) visit(dep, [...path, name]);
    done.add(name);
    parts.push(code);
  };
  visit(entry, []);
  if (global) return `const ${global} = (() => {\n'use strict';\n${parts.join('')}return ${scope(entry)};\n})();\n`;
  const { code } = wrap(entry, sources.get(entry));
  const names = [...code.matchAll(/^return \{ (.*) \};$/gm)].at(-1)[1];
  return `${parts.join('')}export const { ${names} } = ${scope(entry)};\n`;
}

const args = process.argv.slice(2);
const global = args[0]?.startsWith('--global=') ? args.shift().slice('--global='.length) : null;
const [out, entry, ...files] = args;
if (out) {
  const sources = new Map(files.map((f) => {
    const [, name, path, variable] = f.match(/^(?:([^=/]+)=)?([^:]+)(?::(\w+))?$/);
    const text = readFileSync(path, 'utf8');
    return [name || basename(path), variable ? `${text}\nexport default ${variable};\n` : text];
  }));
  writeFileSync(`${out}.tmp`, bundle(basename(entry), sources, global));
  renameSync(`${out}.tmp`, out);
}
