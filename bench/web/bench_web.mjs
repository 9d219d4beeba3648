// The web edition's figures: the page's size gzipped (bench.sh prints the
// files' own sizes beside their budgets); navigation
// to the first result after a typed key, against a bare page with the same
// controls whose formula is plain JavaScript; and one keystroke from its
// input event to the result text. Run by bench.sh once the web tree is built
// and its npm fixture has installed playwright-core.
//   node bench_web.mjs [runs]
import crypto from 'node:crypto';
import fs from 'node:fs';
import http from 'node:http';
import path from 'node:path';
import zlib from 'node:zlib';
import { createRequire } from 'node:module';
import { exampleRoom, newContext, open, pageFile } from '../../tests/web/browser.mjs';

const [runsText = '41'] = process.argv.slice(2);
const runs = Number(runsText);
const modules = createRequire(path.join(process.env.ACPOWER_WEB_MODULES, 'package.json'));

const kib = (bytes) => `${(bytes / 1024).toFixed(1)} KiB`;
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const ms = (value) => `${value.toFixed(3)} ms`;

// The yardstick's whole logic: the selector's entries, the formula, and the
// first box taking the focus. No entry rule, no notices, no hover texts.
function bareCalculator() {
    const box = (n) => document.getElementById(`Text${n}`);
    const selector = document.getElementById('Combo1');
    const sides = [['солнечную', 40], ['теневую', 30]];
    for (const [text] of sides) {
        selector.append(new Option(text));
    }
    selector.selectedIndex = 1;
    const read = (n) => Number(box(n).value.replace(',', '.')) || 0;
    const shown = (x) => String(Math.round(x * 1e4) / 1e4).replace('.', ',');
    const compute = () => {
        const volume = read(1) * read(2);
        const power = (volume * sides[selector.selectedIndex][1] + read(3) * 100 + read(4) * 300 + read(5) * 0.3) / 1000;
        box(6).value = shown(volume);
        box(7).value = volume > 0 ? shown(power) : '';
    };
    for (let n = 1; n <= 5; n++) {
        box(n).addEventListener('input', compute);
    }
    selector.addEventListener('change', compute);
    box(1).focus();
}

// The product page with its script swapped for the yardstick's, under the
// same policy with that script's hash: same markup, styles and icon.
function barePage(product) {
    const script = `(${bareCalculator})();`;
    const hash = `'sha256-${crypto.createHash('sha256').update(script).digest('base64')}'`;
    return product.replace(/<script>[\s\S]*<\/script>/, () => `<script>${script}</script>`)
        .replace(/script-src 'sha256-[^']+'/, `script-src ${hash}`);
}

// Cross-origin isolation gives performance.now() microseconds instead of
// the tenth of a millisecond an ordinary page gets.
function serve(pages) {
    const headers = { 'Content-Type': 'text/html; charset=utf-8', 'Cross-Origin-Opener-Policy': 'same-origin',
        'Cross-Origin-Embedder-Policy': 'require-corp' };
    const server = http.createServer((request, response) => {
        const body = pages[request.url];
        response.writeHead(body ? 200 : 404, headers).end(body ?? '');
    });
    return new Promise((resolve) => server.listen(0, '127.0.0.1', () => resolve({
        url: `http://127.0.0.1:${server.address().port}`,
        close: () => new Promise((done) => server.close(done)),
    })));
}

// Set in every document before its own script runs: when the first box took
// the focus (the page is ready for a key), and the first input event's start
// (capture, before the page's handler) and end (bubble, after it).
function recordMarks() {
    const marks = {};
    window.benchMarks = marks;
    document.addEventListener('focusin', (event) => {
        marks.ready ??= event.target.id === 'Text1' ? performance.now() : undefined;
    }, true);
    window.addEventListener('input', () => {
        marks.input ??= performance.now();
    }, true);
    window.addEventListener('input', () => {
        marks.result ??= performance.now();
        marks.text ??= document.getElementById('Text6').value;
    });
}

// One fresh context a run: navigation, the focus in the first box, one key.
async function firstResult(browser, url) {
    const context = await newContext(browser);
    await context.addInitScript(recordMarks);
    const { page, problems } = await open(context, url);
    await page.waitForFunction(() => window.benchMarks.ready !== undefined);
    await page.keyboard.press('2');
    const marks = await (await page.waitForFunction(() => window.benchMarks.text !== undefined && window.benchMarks)).jsonValue();
    await context.close();
    if (problems.length > 0 || marks.text === '') {
        throw new Error(`${url}: no result after a key: ${problems.join('; ')}`);
    }
    // The wait for the robot's key is not the page's: ready, then the key's handling.
    return { shown: marks.ready + marks.result - marks.input, raw: marks.result };
}

// The example room typed and deleted again, character by character, through
// input events dispatched in the page, each timed around its handling.
const keystrokes = (page, rounds) => page.evaluate(({ room, rounds }) => {
    const times = [];
    const key = (box, text) => {
        box.value = text;
        const start = performance.now();
        box.dispatchEvent(new Event('input', { bubbles: true }));
        times.push(performance.now() - start);
    };
    let results = [];
    for (let round = 0; round < rounds; round++) {
        const boxes = room.map((_, i) => document.getElementById(`Text${i + 1}`));
        boxes.forEach((box, i) => [...room[i]].forEach((_, k) => key(box, room[i].slice(0, k + 1))));
        results = [document.getElementById('Text6').value, document.getElementById('Text7').value];
        boxes.forEach((box, i) => [...room[i]].forEach((_, k) => key(box, room[i].slice(0, room[i].length - k - 1))));
    }
    return { times, results, isolated: crossOriginIsolated };
}, { room: exampleRoom, rounds });

const product = fs.readFileSync(pageFile, 'utf8');
const html = Buffer.byteLength(product);
const gzipped = zlib.gzipSync(product, { level: 9 }).length;
console.log(`acpower.html gzipped (zlib, level 9): ${gzipped} bytes, ${kib(gzipped)} of ${html}`);

const server = await serve({ '/acpower.html': product, '/bare.html': barePage(product) });
const pages = { 'acpower.html': `${server.url}/acpower.html`, 'bare page': `${server.url}/bare.html` };
// Chromium's own headless mode, no X server; its limit on history updates
// off, since the page writes the room into its address on every keystroke.
const browser = await modules('playwright-core').chromium.launch({
    executablePath: '/usr/bin/chromium', args: ['--disable-ipc-flooding-protection'] });
try {
    console.log(`\nNavigation to the first result after a typed key, medians of ${runs} runs each, alternated:`);
    const seen = Object.fromEntries(Object.keys(pages).map((name) => [name, []]));
    for (let run = 0; run < runs; run++) {
        const order = run % 2 === 0 ? Object.keys(pages) : Object.keys(pages).reverse();
        for (const name of order) {
            seen[name].push(await firstResult(browser, pages[name]));
        }
    }
    const first = {};
    for (const [name, times] of Object.entries(seen)) {
        first[name] = median(times.map((t) => t.shown));
        console.log(`  ${name.padEnd(13)} ${ms(first[name])} (with the robot's wait for the focus before its key: ${ms(median(times.map((t) => t.raw)))})`);
    }
    console.log(`  ratio         ${(first['acpower.html'] / first['bare page']).toFixed(3)} (target 1.10 at most)`);

    console.log('\nOne keystroke, input event to the result text, timed in the page:');
    for (const [name, url] of Object.entries(pages)) {
        const context = await newContext(browser);
        const { page } = await open(context, url);
        const { times, results, isolated } = await keystrokes(page, 200);
        await context.close();
        const sorted = [...times].sort((a, b) => a - b);
        console.log(`  ${name.padEnd(13)} median ${ms(median(times))}, 90th percentile ${ms(sorted[Math.floor(sorted.length * 0.9)])}`
            + ` over ${times.length} keystrokes (example room gave ${results.join(' and ')}; timer ${isolated ? 'isolated' : 'coarse'})`);
    }
} finally {
    await browser.close();
    await server.close();
}
