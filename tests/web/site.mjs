// The site folder served from 127.0.0.1 as a host would: installable by the
// browser's own account, computing offline once visited, and replaced whole
// by the next build's worker.
// Usage: node site.mjs SITE_FOLDER SECOND_BUILD_SITE_FOLDER
import crypto from 'node:crypto';
import fs from 'node:fs';
import http from 'node:http';
import os from 'node:os';
import path from 'node:path';
import { createRequire } from 'node:module';
import { check, checkEqual, exampleRoom, main, results, row, typeRoom } from './browser.mjs';

const [first, second] = process.argv.slice(2);
const { chromium } = createRequire(path.join(process.env.ACPOWER_WEB_MODULES, 'package.json'))('playwright-core');
const types = { '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.png': 'image/png', '.webmanifest': 'application/manifest+json' };
const cacheOf = (folder) => `acpower-${crypto.createHash('sha256').update(fs.readFileSync(path.join(folder, 'index.html'))).digest('hex')}`;

// Serves one folder, which the test may swap for another, as a new release.
function serveFolder() {
    const site = { folder: first };
    const server = http.createServer((request, response) => {
        const name = new URL(request.url, 'http://x').pathname.replace(/^\/$/, '/index.html');
        const file = path.join(site.folder, path.basename(name));
        const found = fs.existsSync(file);
        response.writeHead(found ? 200 : 404, { 'Content-Type': types[path.extname(file)] ?? 'text/plain', 'Cache-Control': 'no-cache' });
        response.end(found ? fs.readFileSync(file) : '');
    });
    return new Promise((resolve) => server.listen(0, '127.0.0.1', () => resolve(Object.assign(site, {
        url: `http://127.0.0.1:${server.address().port}/`,
        close: () => new Promise((done) => server.close(done)),
    }))));
}

// Until the new worker alone is active, controls the page and keeps its
// cache: polled here, since a page function's promise is not awaited by a wait.
async function until(page, holds, arg) {
    for (let tries = 0; tries < 100; tries++) {
        if (await page.evaluate(holds, arg)) {
            return;
        }
        await page.waitForTimeout(100);
    }
    throw new Error('the new worker never took over alone');
}

const ready = (page) => page.locator('.acpower[data-ready]').waitFor({ state: 'attached' });
const controlled = (page) => page.evaluate(async () => {
    await navigator.serviceWorker.ready;
    return caches.keys();
});

await main(async () => {
    const site = await serveFolder();
    // An installation needs a profile of its own: no incognito context.
    const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'acpower-site-'));
    const context = await chromium.launchPersistentContext(profile, { executablePath: '/usr/bin/chromium', locale: 'ru-RU' });
    context.setDefaultTimeout(10000);
    const page = context.pages()[0] ?? await context.newPage();
    try {
        await page.goto(site.url);
        await ready(page);
        await row('installable: the browser reports no installability error', async () => {
            const cdp = await context.newCDPSession(page);
            const { installabilityErrors } = await cdp.send('Page.getInstallabilityErrors');
            checkEqual('errors', [], installabilityErrors.map((e) => e.errorId));
        });
        await row('the worker keeps the site under the page\'s SHA-256', async () => {
            checkEqual('caches', [cacheOf(first)], await controlled(page));
        });
        await row('offline, a reload still computes the example room', async () => {
            await context.setOffline(true);
            await page.reload();
            await ready(page);
            await typeRoom(page, exampleRoom);
            checkEqual('results', ['70', '3,3'], await results(page));
            await context.setOffline(false);
        });
        await row('the next build\'s worker replaces the cache and the page', async () => {
            site.folder = second;
            await page.evaluate(async () => (await navigator.serviceWorker.ready).update());
            await until(page, async (name) => {
                const registration = await navigator.serviceWorker.getRegistration();
                const settled = !registration.installing && !registration.waiting && registration.active?.state === 'activated';
                return settled && navigator.serviceWorker.controller === registration.active && (await caches.keys()).join() === name;
            }, cacheOf(second));
            await page.reload();
            await ready(page);
            const served = await page.evaluate(() => document.querySelector('style').textContent.includes('.acpower-next{}'));
            check('the new page served', served, true, served);
            checkEqual('caches', [cacheOf(second)], await controlled(page));
        });
    } finally {
        await context.close();
        await site.close();
        fs.rmSync(profile, { recursive: true, force: true });
    }
});
