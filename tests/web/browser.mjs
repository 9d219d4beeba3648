// What every browser test shares: Debian's Chromium, the built page and
// element, a static server sending a given Content-Security-Policy, and the
// row count that ends each runner in "N passed, N failed".
import fs from 'node:fs';
import http from 'node:http';
import path from 'node:path';
import { createRequire } from 'node:module';
import { pathToFileURL } from 'node:url';

const { ACPOWER_WEB_PAGE_DIR: pageDir, ACPOWER_WEB_MODULES: modulesDir, ACPOWER_COMPANY_PAGE, ACPOWER_FACTS } = process.env;
export const companyPage = ACPOWER_COMPANY_PAGE;
export const pageFile = path.join(pageDir ?? '', 'acpower.html');
if (!modulesDir || !fs.existsSync(pageFile) || !fs.existsSync(ACPOWER_FACTS ?? '')) {
    console.error(`no ${pageFile}: build the web tree, and run the browser tests through its ctest`);
    process.exit(1);
}
// The form's and the inputs' facts, written by the native build from its tables.
export const facts = JSON.parse(fs.readFileSync(ACPOWER_FACTS, 'utf8'));
// The example room, box by box in the inputs' order: 70 m³ and 3,3 kW on the shady side.
export const exampleRoom = facts.entryBoxes.map((box) => facts.exampleRoom[box]);
const modules = createRequire(path.join(modulesDir, 'package.json'));
export const axeSource = fs.readFileSync(modules.resolve('axe-core/axe.min.js'), 'utf8');

// Russian settings, as the table's expected texts are. Nothing leaves the
// machine: the company's page answers from here, empty.
export async function newContext(browser, options = {}) {
    const context = await browser.newContext({ locale: 'ru-RU', permissions: ['clipboard-read', 'clipboard-write'], ...options });
    // A control that never comes fails its row soon, and the next row goes on.
    context.setDefaultTimeout(5000);
    await context.route(/^https?:\/\/(?!127\.0\.0\.1[:/])/, (route) => route.fulfill({ contentType: 'text/html', body: '' }));
    return context;
}

// Opens a calculator and waits for its engine, which gives the selector its
// entries. `problems` gathers console errors, exceptions and policy
// violations; a test wants none.
export async function open(context, url) {
    const page = await context.newPage();
    const problems = [];
    page.on('console', (m) => m.type() === 'error' && problems.push(`console: ${m.text()}`));
    page.on('pageerror', (e) => problems.push(`exception: ${e.message}`));
    await page.addInitScript(() => document.addEventListener('securitypolicyviolation',
        (e) => console.error(`violation: ${e.violatedDirective} ${e.blockedURI}`), true));
    await page.goto(url);
    await page.locator(`#${facts.selector} option`).first().waitFor({ state: 'attached' }).catch(() => {
        throw new Error(`the engine never gave the selector its entries: ${problems.join('; ') || 'no error reported'}`);
    });
    return { page, problems };
}

// The element in a host page of the given head, served beside the script.
// The host gives it the focus at start, as the single page takes it, and
// fits a phone's screen, as any site does that phones visit.
export const hostPage = (head = '') => '<!doctype html><html lang="ru"><head><meta charset="utf-8">'
    + `<meta name="viewport" content="width=device-width, initial-scale=1"><title>Хост</title>${head}</head>`
    + '<body><main><h1>Расчет</h1><acpower-calculator autofocus></acpower-calculator></main>'
    + '<script src="acpower-calculator.js"></script></body></html>';

const types = { '.js': 'text/javascript', '.wasm': 'application/wasm', '.cur': 'image/x-icon' };

// The built files, and the pages given by path, under one policy.
export function serve(policy, pages = {}) {
    const server = http.createServer((request, response) => {
        const name = new URL(request.url, 'http://x').pathname;
        const file = path.join(pageDir, path.basename(name));
        const body = pages[name] ?? (fs.existsSync(file) ? fs.readFileSync(file) : null);
        const headers = { 'Content-Type': types[path.extname(name)] ?? 'text/html; charset=utf-8' };
        response.writeHead(body === null ? 404 : 200, policy ? { ...headers, 'Content-Security-Policy': policy } : headers).end(body ?? '');
    });
    return new Promise((resolve) => server.listen(0, '127.0.0.1', () => resolve({
        url: `http://127.0.0.1:${server.address().port}`,
        close: () => new Promise((done) => server.close(done)),
    })));
}

// The calculator as a user meets it: the single page from disk, then the
// element in a host page; each in a fresh context.
export async function eachTarget(browser, body, contextOptions = {}) {
    const server = await serve(null, { '/': hostPage() });
    for (const [target, url] of [['page', pathToFileURL(pageFile).href], ['element', `${server.url}/`]]) {
        const context = await newContext(browser, contextOptions);
        await body(target, await open(context, url));
        await context.close();
    }
    await server.close();
}

// The address a new tab was opened for, once it has one: at first it has none.
export async function addressOf(tab) {
    await tab.waitForURL((url) => url.href !== 'about:blank');
    const address = tab.url();
    await tab.close();
    return address;
}

// The id of the control with the keyboard focus, inside the element too.
export const focused = (page) => page.evaluate(() => {
    let control = document.activeElement;
    while (control?.shadowRoot?.activeElement) {
        control = control.shadowRoot.activeElement;
    }
    return control?.id ?? '';
});

export async function typeRoom(page, texts, reach = (box) => box.focus()) {
    for (const [i, text] of texts.entries()) {
        await reach(page.locator(`#${facts.entryBoxes[i]}`));
        await page.keyboard.type(text);
    }
}

export const results = (page) => Promise.all(facts.resultBoxes.map((box) => page.locator(`#${box}`).inputValue()));

const shown = (value) => JSON.stringify(value);
const tally = { passed: 0, failed: 0 };
let current = null;

export function check(what, holds, expected, seen) {
    current.checks++;
    if (!holds) {
        current.failures++;
        console.log(`FAIL ${current.name}: ${what}: expected ${shown(expected)}, seen ${shown(seen)}`);
    }
}

export const checkEqual = (what, expected, seen) => check(what, shown(expected) === shown(seen), expected, seen);

// A row passes when it checked something and all of it held; an error fails
// the row it happened in, and the next row goes on.
export async function row(name, body) {
    current = { name, checks: 0, failures: 0 };
    try {
        await body();
    } catch (error) {
        current.failures++;
        console.log(`FAIL ${name}: ${error.message.split('\n')[0]}`);
    }
    if (current.checks === 0 && current.failures === 0) {
        check('checked nothing', false, 'a check', 'none');
    }
    tally[current.failures === 0 ? 'passed' : 'failed']++;
}

// Runs a runner's rows in Debian's Chromium (no test tool fetches a browser
// of its own) and ends with the count.
export async function main(body) {
    const browser = await modules('playwright-core').chromium.launch({ executablePath: '/usr/bin/chromium' });
    try {
        await body(browser);
    } finally {
        await browser.close();
    }
    console.log(`${tally.passed} passed, ${tally.failed} failed`);
    process.exitCode = tally.failed > 0 || tally.passed === 0 ? 1 : 0;
}
