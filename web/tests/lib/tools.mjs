// Where the tests find the two builds of tarnvik-calc.
import { join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';

const repository = resolve(fileURLToPath(new URL('.', import.meta.url)), '../../..');

// The native tool of the release preset, and the WebAssembly one of the web preset.
export const nativeCalc = resolve(
  process.env.TARNVIK_NATIVE_CALC || join(repository, 'build/release/src/cli/tarnvik-calc'),
);
export const wasmCalc = resolve(process.env.TARNVIK_WASM_CALC || join(repository, 'build/web/src/cli/tarnvik-calc.js'));
