// The page's numbers come from the C++ headers: every enumerator is read right, or the build stops.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { entriesOf, enumsOf } from '../../app/web/GenerateBridge.mjs';

const read = (body) => enumsOf(`enum class E : int {\n${body}\n};`)[0][1];
const readable = [
  ['A = 1,\n  Enabled = 0x2, // two\n  AutoSize = 4, Wrap,\n  Centred = 1 << 4,\n  Default,',
    { A: 1, Enabled: 2, AutoSize: 4, Wrap: 5, Centred: 16, Default: 17 }],
  ["Zero,\n  Neg = -3,\n  Next,\n  Big = 1'000u,\n  Bin = 0b101, /* five */ Oct = 010", { Zero: 0, Neg: -3, Next: -2, Big: 1000, Bin: 5, Oct: 8 }],
];
for (const [body, values] of readable) assert.deepEqual(read(body), values);

const unreadable = ['A = SOME_MACRO,', 'A = 1 + 2,', 'A,\n  A,', '1A,', 'A = ,', 'A B,', 'A = 1,,'];
for (const body of unreadable) assert.throws(() => read(body), /cannot read the enumerator/, body);

// The headers the page is built from read whole, with the values the C++ gives them.
const bridge = Object.fromEntries(enumsOf(readFileSync(new URL('../../toolkit/web/PageBridge.h', import.meta.url), 'utf8')));
assert.equal(bridge.Flag.Checked, 512);
assert.equal(bridge.Scroll.Max, 6);
assert.equal(bridge.OpLength.ClearLayer, 1);
// The page's table of entry points: what is exported for it, a signature over two lines too,
// named as the page calls it.
assert.deepEqual(entriesOf(`EMSCRIPTEN_KEEPALIVE void lopena_click(int form) {}
EMSCRIPTEN_KEEPALIVE const double* lopena_nb_fit_graph(
    int graph) {}
void lopena_unexported(int) {}`), [['click', '_lopena_click'], ['nbFitGraph', '_lopena_nb_fit_graph']]);
console.log(`bridge: ${readable.length + unreadable.length + 1} cases passed`);
