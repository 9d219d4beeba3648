// The page script's own work, under Node with the engine as built: texts
// moved in and out of the module's memory whole, each calculator apart, and
// the room's trip through the address. The rules themselves are the
// engine's, tested where it is.
// Usage: node page_script.mjs acpower.wasm web/page facts.json
import fs from 'node:fs';
import path from 'node:path';
import vm from 'node:vm';

const [wasmFile, scriptDir, factsFile] = process.argv.slice(2);
const facts = JSON.parse(fs.readFileSync(factsFile, 'utf8'));
for (const part of ['engine.js', 'address.js']) {
    vm.runInThisContext(fs.readFileSync(path.join(scriptDir, part), 'utf8'), { filename: part });
}

let passed = 0;
let failed = 0;
function row(name, checks) {
    const wrong = checks.filter(([, seen, expected]) => JSON.stringify(seen) !== JSON.stringify(expected));
    wrong.forEach(([what, seen, expected]) => console.log(`FAIL ${name}: ${what}: expected ${JSON.stringify(expected)}, seen ${JSON.stringify(seen)}`));
    wrong.length === 0 && checks.length > 0 ? ++passed : ++failed;
}

const bytes = new Uint8Array(fs.readFileSync(wasmFile));
const engine = await acpowerLoadEngine(bytes);
const room = (separator, texts, calculator = engine) => {
    const id = calculator.create(separator);
    let last = null;
    texts.forEach((text, field) => {
        last = calculator.entry(id, field, text);
    });
    return { id, last };
};

{
    const short = room(',', ['25', '2,8', '3']);
    const long = room(',', [' '.repeat(300000) + '25', '2,8', '3']);
    row('a long paste reaches the engine whole', [['results', long.last.results, short.last.results], ['cleared', long.last.clear, false]]);
}
{
    const typed = '2,8ж😀';
    const { last } = room(',', [typed]);
    row('a refused text comes back as typed, Cyrillic and past the BMP', [
        ['cleared', last.clear, true],
        ['quoted', last.notice.includes(`«${typed}»`), true],
        ['fields', [last.restorable, ...last.results].length, 3],
    ]);
}
{
    const comma = room(',', ['2,5', '1']).last.results[0];
    const point = room('.', ['2,5', '1']).last.results[0];
    row('results take the separator the page passes', [['comma', comma.includes(','), true], ['point', point, comma.replace(',', '.')]]);
}
{
    const first = room(',', ['25', '2,8']);
    const second = room(',', ['', '3']);
    const alone = room(',', ['', '3']);
    row('each calculator keeps its own room', [
        ['second', second.last.results, alone.last.results],
        ['first', first.last.results === second.last.results, false],
    ]);
    [first, second, alone].forEach((r) => engine.remove(r.id));
}
{
    const sides = [];
    for (let i = 0; engine.side(i) !== ''; ++i) {
        sides.push(engine.side(i));
    }
    const id = engine.create(',');
    const shown = engine.shady(id);
    const before = engine.hint(id, 1);
    const picked = engine.pick(id, shown);
    const beyond = engine.pick(id, sides.length);
    engine.entry(id, 0, '25');
    const results = engine.entry(id, 1, '2,8').results;
    row('the list, the start and the hover texts', [
        ['a side shown', shown < sides.length && sides.length > 1, true],
        ['pick replies two texts', picked.length, 2],
        ['a side past the list changes nothing', beyond, picked],
        ['no hover text before a result', before, ''],
        ['the power in its hover text', engine.hint(id, 1).includes(results[1]), true],
    ]);
}

{
    // A touch screen's calculator: its notice names the button, no key; one
    // beside it keeps the key, and a box with nothing to bring back names neither.
    const emptied = (touch, texts) => {
        const id = engine.create(',');
        if (touch) {
            engine.touch(id);
        }
        let last = null;
        texts.forEach((text) => (last = engine.entry(id, 1, text)));
        engine.remove(id);
        return last.notice;
    };
    const cases = [
        ['touch, a number to bring back', true, ['2,8', '2,8x'], '«2,8x» — не число; поле очищено; кнопка «Вернуть» ниже вернет «2,8»'],
        ['keys, a number to bring back', false, ['2,8', '2,8x'], '«2,8x» — не число; поле очищено; Ctrl+Z — вернуть «2,8»'],
        ['touch, nothing to bring back', true, ['x'], '«x» — не число; поле очищено'],
    ];
    row('the notice after an emptying names what brings the number back', cases.map(([what, touch, texts, notice]) => [what, emptied(touch, texts), notice]));
}

{
    // Older Chromium compiles nothing over 4 KB on the page's own thread.
    const Module = WebAssembly.Module;
    WebAssembly.Module = Object.assign(function refuse() {
        throw new RangeError('too large for this thread');
    }, { imports: Module.imports });
    const refused = await acpowerLoadEngine(bytes).finally(() => (WebAssembly.Module = Module));
    const example = facts.entryBoxes.map((box) => facts.exampleRoom[box]);
    row('a browser that will not compile at once gets the engine all the same', [
        ['results', room(',', example, refused).last.results, room(',', example).last.results],
    ]);
}

const rooms = [
    ['25', '2,8', '3', '2', '1000', 'солнечную'],
    ['1 000', '', '-2', '+3', '2.5', 'теневую'],
    ['a;b', '50%', '#1', ' 7 ', '%E0', ''],
];
for (const texts of rooms) {
    const hash = '#' + texts.map(acpowerAddressPart).join(';');
    row(`the address keeps ${JSON.stringify(texts)}`, [['room', acpowerRoomOf(hash), texts]]);
}
row('the address reads as typed', [
    ['commas', acpowerAddressPart('2,8'), '2,8'],
    ['a broken escape stays', acpowerRoomOf('#%E0%A4%A;25'), ['%E0%A4%A', '25']],
]);

console.log(`${passed} passed, ${failed} failed`);
process.exitCode = failed === 0 ? 0 : 1;
