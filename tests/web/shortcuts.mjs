// The page script's own shortcuts, each held to what it stands for: the
// decimal separator looked up for the browser languages met most gives what
// Intl.NumberFormat gives, and the room typed reaches the address, once
// typing pauses and at once when the page is left.
import fs from 'node:fs';
import { pathToFileURL } from 'node:url';
import { check, checkEqual, exampleRoom, main, newContext, open, pageFile, row, typeRoom } from './browser.mjs';

const engineScript = fs.readFileSync(new URL('../../web/page/engine.js', import.meta.url), 'utf8');

// Each tag's separator from the page's lookup, from its fallback, and from Intl.
const separators = (page, extra) => page.evaluate(({ script, extra }) => {
    const { known, decimal, table } = new Function(`${script}
        return { known: acpowerKnownSeparator, decimal: acpowerDecimalSeparator, table: ACPOWER_SEPARATORS };`)();
    const listed = Object.values(table).join(' ').split(' ').filter((tag) => tag !== '');
    const intl = (tag) => new Intl.NumberFormat(tag).formatToParts(1.5).find((p) => p.type === 'decimal').value;
    return [...listed, ...extra].map((tag) => ({ tag, listed: listed.includes(tag), known: known(tag), decimal: decimal(tag), intl: intl(tag) }));
}, { script: engineScript, extra });

const roomAddress = (texts, side) => `#${[...texts, side].join(';')}`;

// A browser without a language's data answers with its own language's
// separator, so the lookup is checked under two that differ.
async function separatorRows(browser, locale) {
    const context = await newContext(browser, { locale });
    const page = await context.newPage();
    await row(`separator under ${locale}: every language the page looks up gives Intl.NumberFormat's`, async () => {
        const seen = await separators(page, []);
        check('languages looked up', seen.length >= 100, '100 or more', seen.length);
        for (const { tag, known, intl } of seen) {
            checkEqual(tag, intl, known);
        }
    });
    // Languages left out, some with a separator neither of the table's.
    await row(`separator under ${locale}: any other language asks Intl.NumberFormat`, async () => {
        for (const { tag, listed, known, decimal, intl } of await separators(page, ['ar-SA', 'fa-IR', 'be-BY', 'km', 'en-150'])) {
            if (!listed) {
                checkEqual(`${tag} looked up`, '', known);
                checkEqual(tag, intl, decimal);
            }
        }
    });
    await context.close();
}

await main(async (browser) => {
    await separatorRows(browser, 'ru-RU');
    await separatorRows(browser, 'en-US');
    const { page: calculator } = await open(await newContext(browser), pathToFileURL(pageFile).href);
    await row('address: the room typed is written once typing pauses', async () => {
        await typeRoom(calculator, exampleRoom);
        const expected = roomAddress(exampleRoom, 'теневую');
        await calculator.waitForFunction((want) => decodeURIComponent(location.hash) === want, expected).catch(() => {});
        checkEqual('address', expected, await calculator.evaluate(() => decodeURIComponent(location.hash)));
    });
    await row('address: a key not yet written is written as the page is left', async () => {
        const seen = await calculator.evaluate(() => {
            const box = document.getElementById('Text5');
            box.value = '10005';
            box.dispatchEvent(new Event('input', { bubbles: true }));
            window.dispatchEvent(new PageTransitionEvent('pagehide'));
            return decodeURIComponent(location.hash);
        });
        checkEqual('address', roomAddress([...exampleRoom.slice(0, 4), '10005'], 'теневую'), seen);
    });
});
