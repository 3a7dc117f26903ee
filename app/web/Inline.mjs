// Writes the page: its style, the binding (a classic script, run as it is parsed) with the main
// window's start recorded from the program (Prerender.mjs), and, gzipped into one element, what
// the first frame does not need: the WebAssembly, its JavaScript and the notebook's module.
//   node Inline.mjs template.html program.js binding.js notebook.js out.html style.css ...
import { readFileSync, renameSync, writeFileSync } from 'node:fs';
import { gzipSync } from 'node:zlib';
import { recordStart } from './Prerender.mjs';

const [template, programPath, bindingPath, notebookPath, out, ...styles] = process.argv.slice(2);
const program = readFileSync(programPath, 'utf8');
const embedded = /(wasmBinaryFile=")data:application\/octet-stream;base64,([A-Za-z0-9+/=]+)"/;
const found = program.match(embedded);
if (!found) throw new Error(`${programPath} holds no embedded WebAssembly`);
const wasm = Buffer.from(found[2], 'base64');
const glue = Buffer.from(program.replace(embedded, '$1"'));
const notebook = readFileSync(notebookPath);

// Little-endian lengths of the WebAssembly and of its JavaScript, then the three.
const lengths = Buffer.alloc(8);
lengths.writeUInt32LE(wasm.length, 0);
lengths.writeUInt32LE(glue.length, 4);
const packed = gzipSync(Buffer.concat([lengths, wasm, glue, notebook]), { level: 9 }).toString('base64');

// Nothing inlined may end its element early.
const inert = (text) => text.replaceAll('</script', '<\\/script');
const start = JSON.stringify(JSON.stringify(await recordStart(program)).replaceAll('<', '\\u003c'));
const parts = {
  '@CSS@': styles.map((s) => readFileSync(s, 'utf8')).join('\n'),
  '@BINDING@': inert(readFileSync(bindingPath, 'utf8')),
  '@START@': start,
  '@PROGRAM@': packed,
};
const page = readFileSync(template, 'utf8').replace(/@[A-Z]+@/g, (key) => {
  if (!(key in parts)) throw new Error(`${template}: no part ${key}`);
  return parts[key];
});
writeFileSync(`${out}.tmp`, page);
renameSync(`${out}.tmp`, out);
