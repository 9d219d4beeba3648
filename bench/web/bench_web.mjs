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
import { exampleRoom, newContext, pageFile } from '../../tests/web/browser.mjs';

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
// (capture, before the page's handler) and end (bubble, after it). Each is
// also a promise, so the robot waits without polling the page, which would
// add to its busy time.
function recordMarks() {
    const marks = {};
    window.benchMarks = marks;
    let ready = null;
    let result = null;
    window.benchReady = new Promise((resolve) => { ready = resolve; });
    window.benchResult = new Promise((resolve) => { result = resolve; });
    document.addEventListener('focusin', (event) => {
        if (marks.ready === undefined && event.target.id === 'Text1') {
            marks.ready = performance.now();
            ready();
        }
    }, true);
    window.addEventListener('input', () => {
        marks.input ??= performance.now();
    }, true);
    window.addEventListener('input', () => {
        marks.result ??= performance.now();
        marks.text ??= document.getElementById('Text6').value;
        result(marks);
    });
}

// The main thread's busy time in the page so far, from the DevTools
// protocol, which the machine's load moves less than a clock does.
const taskMs = async (cdp) => (await cdp.send('Performance.getMetrics')).metrics
    .find((metric) => metric.name === 'TaskDuration').value * 1000;

async function openMeasured(context, url) {
    const page = await context.newPage();
    const problems = [];
    page.on('console', (m) => m.type() === 'error' && problems.push(`console: ${m.text()}`));
    page.on('pageerror', (e) => problems.push(`exception: ${e.message}`));
    const cdp = await context.newCDPSession(page);
    await cdp.send('Performance.enable');
    await page.goto(url);
    return { page, problems, cdp };
}

// One fresh context a run: navigation, the focus in the first box, one key.
async function firstResult(browser, url) {
    const context = await newContext(browser);
    await context.addInitScript(recordMarks);
    const { page, problems, cdp } = await openMeasured(context, url);
    await page.evaluate(() => window.benchReady);
    await page.keyboard.press('2');
    const marks = await page.evaluate(() => window.benchResult);
    const busy = await taskMs(cdp);
    await context.close();
    if (problems.length > 0 || marks.text === '') {
        throw new Error(`${url}: no result after a key: ${problems.join('; ')}`);
    }
    // The wait for the robot's key is not the page's: ready, then the key's handling.
    return { shown: marks.ready + marks.result - marks.input, raw: marks.result, busy };
}

// Set before the page's script: every callback the page hands to a timer or
// to the next frame is timed when it runs, and its time is added to the
// keystroke during which it was handed over (benchDeferred.key), so that
// work put off is still counted against the key that caused it.
function recordDeferred() {
    const deferred = { key: -1, times: {} };
    window.benchDeferred = deferred;
    const timed = (callback) => {
        const key = deferred.key;
        return (...args) => {
            const start = performance.now();
            try {
                callback(...args);
            } finally {
                deferred.times[key] = (deferred.times[key] ?? 0) + performance.now() - start;
            }
        };
    };
    const setTimeoutOwn = window.setTimeout.bind(window);
    // The robot's own pauses are not the page's work.
    window.benchSetTimeout = setTimeoutOwn;
    const frameOwn = window.requestAnimationFrame.bind(window);
    window.setTimeout = (callback, ...rest) => setTimeoutOwn(typeof callback === 'function' ? timed(callback) : callback, ...rest);
    window.requestAnimationFrame = (callback) => frameOwn(timed(callback));
}

// The example room typed and deleted again, character by character, through
// input events dispatched in the page, each timed around its handling; with
// a pause after each key when `pauseMs` is given, else in one run.
const keystrokes = (page, rounds, pauseMs) => page.evaluate(async ({ room, rounds, pauseMs }) => {
    const times = [];
    const key = async (box, text) => {
        box.value = text;
        window.benchDeferred.key = times.length;
        const start = performance.now();
        box.dispatchEvent(new Event('input', { bubbles: true }));
        times.push(performance.now() - start);
        if (pauseMs > 0) {
            await new Promise((resolve) => window.benchSetTimeout(resolve, pauseMs));
        }
    };
    let results = [];
    for (let round = 0; round < rounds; round++) {
        const boxes = room.map((_, i) => document.getElementById(`Text${i + 1}`));
        for (const [i, box] of boxes.entries()) {
            for (let k = 0; k < room[i].length; k++) {
                await key(box, room[i].slice(0, k + 1));
            }
        }
        results = [document.getElementById('Text6').value, document.getElementById('Text7').value];
        for (const [i, box] of boxes.entries()) {
            for (let k = 0; k < room[i].length; k++) {
                await key(box, room[i].slice(0, room[i].length - k - 1));
            }
        }
    }
    window.benchDeferred.key = -1;
    // What a run of keys left for later has its time to run.
    await new Promise((resolve) => window.benchSetTimeout(resolve, 600));
    const later = times.map((_, i) => window.benchDeferred.times[i] ?? 0);
    const all = times.map((time, i) => time + later[i]);
    return { all, later, results, isolated: crossOriginIsolated };
}, { room: exampleRoom, rounds, pauseMs });

const percentile = (values, share) => [...values].sort((a, b) => a - b)[Math.floor(values.length * share)];

async function keystrokeFigures(browser, name, url, rounds, pauseMs) {
    const context = await newContext(browser);
    await context.addInitScript(recordDeferred);
    const { page, cdp } = await openMeasured(context, url);
    await page.locator('#Combo1 option').first().waitFor({ state: 'attached' });
    const before = await taskMs(cdp);
    const { all, later, results, isolated } = await keystrokes(page, rounds, pauseMs);
    const busy = (await taskMs(cdp)) - before;
    await context.close();
    console.log(`  ${name.padEnd(13)} median ${ms(median(all))}, 90th percentile ${ms(percentile(all, 0.9))}`
        + ` (put off: median ${ms(median(later))}, 90th percentile ${ms(percentile(later, 0.9))})`
        + ` over ${all.length} keystrokes; main-thread task time ${ms(busy / all.length)} a key`
        + ` (example room gave ${results.join(' and ')}; timer ${isolated ? 'isolated' : 'coarse'})`);
}

async function firstResults(browser, pages, runs) {
    console.log(`\nNavigation to the first result after a typed key, medians of ${runs} runs each, alternated:`);
    const seen = Object.fromEntries(Object.keys(pages).map((name) => [name, []]));
    for (let run = 0; run < runs; run++) {
        const order = run % 2 === 0 ? Object.keys(pages) : Object.keys(pages).reverse();
        for (const name of order) {
            seen[name].push(await firstResult(browser, pages[name]));
        }
    }
    const first = {};
    const busy = {};
    for (const [name, times] of Object.entries(seen)) {
        first[name] = median(times.map((t) => t.shown));
        busy[name] = median(times.map((t) => t.busy));
        console.log(`  ${name.padEnd(13)} ${ms(first[name])}, main-thread task time ${ms(busy[name])}`
            + ` (with the robot's wait for the focus before its key: ${ms(median(times.map((t) => t.raw)))})`);
    }
    const ratio = (of) => (of['acpower.html'] / of['bare page']).toFixed(3);
    console.log(`  ratio         ${ratio(first)}, task time ${ratio(busy)} (target 1.10 at most)`);
}

const product = fs.readFileSync(pageFile, 'utf8');
const html = Buffer.byteLength(product);
const gzipped = zlib.gzipSync(product, { level: 9 }).length;
console.log(`acpower.html gzipped (zlib, level 9): ${gzipped} bytes, ${kib(gzipped)} of ${html}`);

const server = await serve({ '/acpower.html': product, '/bare.html': barePage(product) });
const pages = { 'acpower.html': `${server.url}/acpower.html`, 'bare page': `${server.url}/bare.html` };
// Chromium's own headless mode, no X server; its limit on history updates
// off, so that a page that writes its address on every key can be measured.
const browser = await modules('playwright-core').chromium.launch({
    executablePath: '/usr/bin/chromium', args: ['--disable-ipc-flooding-protection'] });
try {
    if (runs > 0) {
        await firstResults(browser, pages, runs);
    }
    console.log('\nOne keystroke, input event to the result text and what it left for later, timed in the page,'
        + '\nkeys in one run (the example room typed and deleted 200 times):');
    for (const [name, url] of Object.entries(pages)) {
        await keystrokeFigures(browser, name, url, 200, 0);
    }
    console.log('each key followed by a pause of 400 ms (the room typed and deleted twice):');
    for (const [name, url] of Object.entries(pages)) {
        await keystrokeFigures(browser, name, url, 2, 400);
    }
} finally {
    await browser.close();
    await server.close();
}
