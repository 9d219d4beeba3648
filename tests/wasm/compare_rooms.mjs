// Replays the native engine's rooms (room_texts.cpp) on acpower.wasm through
// its exports, loaded as a page loads it (the page's engine.js: its compile
// and its WASI stubs), and stops at the first text that differs:
//   node compare_rooms.mjs acpower.wasm room_texts web/page/engine.js
import { spawn } from 'node:child_process';
import { readFile } from 'node:fs/promises';
import { createInterface } from 'node:readline';
import vm from 'node:vm';

const [wasmPath, nativeRooms, pageEngine] = process.argv.slice(2);
vm.runInThisContext(await readFile(pageEngine, 'utf8'), { filename: pageEngine });
let memory = null;
const instance = await acpowerInstance(await readFile(wasmPath), (module) => acpowerSystemStubs(module, () => memory));
const engine = instance.exports;
memory = engine.memory;
engine._initialize();

const decoder = new TextDecoder('utf-16le');
const read = (reply) => decoder.decode(new Uint16Array(engine.memory.buffer, reply, engine.acpower_reply_units()));
const hints = (id) => [read(engine.acpower_hint(id, 0)), read(engine.acpower_hint(id, 1))];
function write(text) {
  // The call may grow the memory, which detaches any view made before it.
  const input = engine.acpower_input(text.length);
  const units = new Uint16Array(engine.memory.buffer, input, text.length);
  for (let i = 0; i < text.length; ++i) {
    units[i] = text.charCodeAt(i);
  }
}

// The calculators made so far, by the slot the native rooms give them.
const ids = [];
const steps = {
  side: (slot, index) => [read(engine.acpower_side(index))],
  new: (slot, separator) => {
    ids[slot] = engine.acpower_new(separator);
    return ids.indexOf(ids[slot]) === slot && ids[slot] > 0 ? null : [`id ${ids[slot]}`];
  },
  shady: (slot) => [engine.acpower_shady(ids[slot])],
  entry: (slot, field, text) => {
    write(text);
    return [...read(engine.acpower_entry(ids[slot], field, text.length)).split('\u001f'), ...hints(ids[slot])];
  },
  pick: (slot, index) => [...read(engine.acpower_pick(ids[slot], index)).split('\u001f'), ...hints(ids[slot])],
  delete: (slot) => engine.acpower_delete(ids[slot]) ?? null,
};

const native = spawn(nativeRooms, { stdio: ['ignore', 'pipe', 'inherit'] });
const finished = new Promise((resolve) => native.on('close', resolve));
let lines = 0;
let rooms = 0;
for await (const line of createInterface({ input: native.stdout })) {
  ++lines;
  const [op, ...rest] = JSON.parse(line);
  const expected = JSON.stringify(rest.pop());
  const seen = JSON.stringify(steps[op](...rest));
  if (seen !== expected) {
    console.log(`line ${lines} differs: ${JSON.stringify([op, ...rest])}\n  native: ${expected}\n  wasm:   ${seen}`);
    native.kill();
    process.exit(1);
  }
  rooms += op === 'new' ? 1 : 0;
}
const status = await finished;
if (status !== 0 || rooms === 0) {
  console.log(`the native rooms ended with status ${status} after ${rooms} rooms`);
  process.exit(1);
}
console.log(`${rooms} rooms, ${lines} steps: every text the same as the native engine's`);
