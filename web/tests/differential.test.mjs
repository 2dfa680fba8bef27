// The command line compiled to WebAssembly under node against the native
// one: many thousands of generated window configurations through --batch,
// whose outputs (every result text, every error) must be the same bytes.
import assert from 'node:assert/strict';
import { test } from 'node:test';

import { configurations, run } from './lib/configurations.mjs';
import { nativeCalc, wasmCalc } from './lib/tools.mjs';

const COUNT = Number(process.env.TARNVIK_DIFFERENTIAL_COUNT || 20000);
const SEED = Number(process.env.TARNVIK_DIFFERENTIAL_SEED || 20240611);

test(`native and WebAssembly tarnvik-calc print the same bytes for ${COUNT} configurations`, (t) => {
  const lines = configurations(COUNT, SEED);
  const input = `${lines.join('\n')}\n`;

  const native = run([nativeCalc, '--batch'], input);
  const wasm = run([process.execPath, wasmCalc, '--batch'], input);

  const nativeOut = native.stdout.split('\n');
  const wasmOut = wasm.stdout.split('\n');
  assert.equal(nativeOut.length, lines.length + 1, 'native: one output line per input line');
  for (let i = 0; i < lines.length; i++) {
    assert.equal(wasmOut[i], nativeOut[i], `line ${i + 1}: ${lines[i]}`);
  }
  assert.equal(wasm.stdout, native.stdout);
  assert.equal(wasm.stderr, native.stderr);
  assert.equal(wasm.status, native.status);

  const errors = nativeOut.filter((l) => l.startsWith('{"error"')).length;
  t.diagnostic(`${lines.length} configurations (seed ${SEED}), ${errors} of them error lines, identical`);
});
