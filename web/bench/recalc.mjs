// Time per batch line, WebAssembly under node against native, in one run:
// both tools read the same generated lines; each line is a fresh window,
// its options applied as user actions (every one recalculates) and the
// results written. The start-up of each tool (an empty input) is taken off.
// Prints the medians of the repetitions and their ratio.
//
//   node bench/recalc.mjs [lines=20000] [repetitions=7]
import { spawnSync } from 'node:child_process';

import { configurations } from '../tests/lib/configurations.mjs';
import { nativeCalc, wasmCalc } from '../tests/lib/tools.mjs';

const count = Number(process.argv[2] || 20000);
const repetitions = Number(process.argv[3] || 7);
const input = `${configurations(count, 1).join('\n')}\n`;

function seconds(argv, stdin) {
  const [program, ...args] = argv;
  const start = process.hrtime.bigint();
  const r = spawnSync(program, args, { input: stdin, maxBuffer: 1 << 30 });
  if (r.error) throw r.error;
  return Number(process.hrtime.bigint() - start) / 1e9;
}

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

const tools = { native: [nativeCalc, '--batch'], wasm: [process.execPath, wasmCalc, '--batch'] };
const perLine = { native: [], wasm: [] };
// Interleaved, so that both see the same machine load.
for (let i = 0; i < repetitions; i++) {
  for (const [name, argv] of Object.entries(tools)) {
    const empty = seconds(argv, '');
    const full = seconds(argv, input);
    perLine[name].push(((full - empty) / count) * 1e6);
  }
}
const native = median(perLine.native);
const wasm = median(perLine.wasm);
console.log(`${count} lines, ${repetitions} repetitions, median time per line:`);
console.log(`  native ${native.toFixed(2)} us   wasm (node ${process.version}) ${wasm.toFixed(2)} us   ratio ${(wasm / native).toFixed(2)}`);
