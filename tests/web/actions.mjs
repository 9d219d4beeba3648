// The buttons under the calculator: the account copied with the link that
// brings the room back, shared, and printed on one A4 page with every item
// of the account, the date and the link.
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { pathToFileURL } from 'node:url';
import { check, checkEqual, exampleRoom, facts, main, newContext, open, pageFile, row, serve, typeRoom } from './browser.mjs';

const pageUrl = pathToFileURL(pageFile).href;
const roomLink = (page) => `${page}#25;2,8;3;2;1000;${encodeURIComponent('теневую')}`;
const withLink = (link) => `${facts.exampleAccount}Ссылка на расчёт: ${link}\n`;
const clipboard = (page) => page.evaluate(() => navigator.clipboard.readText());
const host = (attributes) => '<!doctype html><html lang="ru"><head><meta charset="utf-8"><title>Хост</title></head>'
    + `<body><main><acpower-calculator ${attributes}></acpower-calculator></main>`
    + '<script src="acpower-calculator.js"></script></body></html>';
const noShareSheet = () => delete Navigator.prototype.share;
const shareSheet = () => {
    Navigator.prototype.share = async (data) => {
        window.shared = data;
    };
};

// The example room typed, then the button pressed; what the clipboard or the
// share sheet got.
async function pressed(browser, url, button, before = noShareSheet) {
    const context = await newContext(browser);
    await context.addInitScript(before);
    const { page, problems } = await open(context, url);
    await typeRoom(page, exampleRoom);
    await page.getByRole('button', { name: button }).click();
    await page.getByRole('status').filter({ hasText: /./ }).waitFor().catch(() => {});
    const seen = { copied: await clipboard(page), shared: await page.evaluate(() => window.shared ?? null), problems };
    await context.close();
    return seen;
}

async function printed(browser) {
    const context = await newContext(browser);
    const sheet = await context.newPage();
    // Pinned before the page loads, so that its date is the one printed.
    await sheet.clock.setFixedTime(new Date('2026-03-02T12:00:00'));
    await sheet.goto(pageUrl);
    await sheet.locator(`#${facts.selector} option`).first().waitFor({ state: 'attached' });
    await typeRoom(sheet, exampleRoom);
    const file = path.join(fs.mkdtempSync(path.join(os.tmpdir(), 'acpower-print-')), 'room.pdf');
    await sheet.pdf({ path: file, format: 'A4', preferCSSPageSize: true });
    await context.close();
    const pages = Number(/Pages:\s+(\d+)/.exec(execFileSync('pdfinfo', [file], { encoding: 'utf8' }))?.[1]);
    return { pages, text: execFileSync('pdftotext', ['-layout', file, '-'], { encoding: 'utf8' }) };
}

await main(async (browser) => {
    const server = await serve(null, {
        '/plain': host(''),
        '/linked': host('page="https://example.ru/acpower.html"'),
        '/plain-http': host('page="http://example.ru/acpower.html"'),
        '/hidden': host('actions="none"'),
    });
    await row('the page copies the account with its link', async () => {
        checkEqual('clipboard', withLink(roomLink(pageUrl)), (await pressed(browser, pageUrl, 'Скопировать расчёт')).copied);
    });
    await row('without a share sheet the page shares by copying its link', async () => {
        checkEqual('clipboard', roomLink(pageUrl), (await pressed(browser, pageUrl, 'Поделиться')).copied);
    });
    await row('a share sheet gets the account and the link', async () => {
        const { shared } = await pressed(browser, pageUrl, 'Поделиться', shareSheet);
        const title = facts.exampleAccount.split('\n')[0];
        checkEqual('shared', { title, text: facts.exampleAccount, url: roomLink(pageUrl) }, shared);
    });
    await row('the element without a page of its host copies the account alone', async () => {
        checkEqual('clipboard', facts.exampleAccount, (await pressed(browser, `${server.url}/plain`, 'Скопировать расчёт')).copied);
        checkEqual('shared by copying', facts.exampleAccount, (await pressed(browser, `${server.url}/plain`, 'Поделиться')).copied);
        checkEqual('an http page is no link', facts.exampleAccount, (await pressed(browser, `${server.url}/plain-http`, 'Скопировать расчёт')).copied);
    });
    await row('the element with page="https://…" adds the link', async () => {
        const link = roomLink('https://example.ru/acpower.html');
        checkEqual('clipboard', withLink(link), (await pressed(browser, `${server.url}/linked`, 'Скопировать расчёт')).copied);
    });
    await row('actions="none" hides the buttons', async () => {
        const context = await newContext(browser);
        const { page } = await open(context, `${server.url}/hidden`);
        checkEqual('buttons', 0, await page.getByRole('button', { name: 'Скопировать расчёт' }).count());
        await context.close();
    });
    await server.close();
    await row('the printed room: one A4 page with every item, the date and the link', async () => {
        const { pages, text } = await printed(browser);
        const squeezed = (words) => words.replace(/\s+/g, '');
        const seen = squeezed(text);
        checkEqual('pages', 1, pages);
        const items = facts.exampleAccount.trim().split('\n').flatMap((line) => line.split(': '));
        const brand = facts.controls.filter((control) => control.link).map((control) => control.caption).join(' ');
        for (const item of [brand, ...items, 'Дата расчёта: 02.03.2026', `Ссылка на расчёт: ${decodeURI(roomLink(pageUrl))}`]) {
            check(`printed "${item}"`, seen.includes(squeezed(item)), item, text);
        }
        check('no buttons printed', !seen.includes(squeezed('Скопировать расчёт')), 'no button', text);
    });
});
