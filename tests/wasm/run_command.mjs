// Runs a WASI command module the way a native program runs: its arguments
// passed on, its output on ours, its exit status ours.
import { readFile } from 'node:fs/promises';
import { WASI } from 'node:wasi';

const [modulePath, ...args] = process.argv.slice(2);
const wasi = new WASI({ version: 'preview1', args: [modulePath, ...args], env: {}, returnOnExit: true });
const module = await WebAssembly.compile(await readFile(modulePath));
const instance = await WebAssembly.instantiate(module, { wasi_snapshot_preview1: wasi.wasiImport });
process.exitCode = wasi.start(instance);
