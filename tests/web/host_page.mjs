// The element among foreign styles and strict policies, and the single page
// under its own policy: the layout and results of a plain host, no reported
// violation, no console error.
import { pathToFileURL } from 'node:url';
import { check, checkEqual, exampleRoom, hostPage, main, newContext, open, pageFile, results, row, serve, typeRoom } from './browser.mjs';

const hostile = '<style>* { all: unset } html { font-size: 40px }</style>';
const policies = ["script-src 'self' 'wasm-unsafe-eval'", "default-src 'self'; script-src 'self' 'wasm-unsafe-eval'"];

// Each shown control's rectangle from the element's corner, and the results.
async function seen(browser, url) {
    const context = await newContext(browser);
    const { page, problems } = await open(context, url);
    await typeRoom(page, exampleRoom);
    const layout = await page.evaluate(() => {
        const element = document.querySelector('acpower-calculator');
        // From the form's corner: a host's margins move the form, centred in
        // the element, but must not change it.
        const corner = element.shadowRoot.querySelector('.acpower-form').getBoundingClientRect();
        return [...element.shadowRoot.querySelectorAll('[id]')].filter((c) => c.getClientRects().length > 0).map((c) => {
            const box = c.getBoundingClientRect();
            return `${c.id} ${Math.round(box.left - corner.left)},${Math.round(box.top - corner.top)} ${Math.round(box.width)}×${Math.round(box.height)}`;
        });
    });
    const outcome = { layout, results: await results(page), problems };
    await context.close();
    return outcome;
}

await main(async (browser) => {
    const server = await serve(null, { '/plain': hostPage(), '/hostile': hostPage(hostile) });
    const plain = await seen(browser, `${server.url}/plain`);
    await row('the element in a hostile host: layout and results of a plain one', async () => {
        const foreign = await seen(browser, `${server.url}/hostile`);
        check('controls found', plain.layout.length >= 20, '20 or more', plain.layout.length);
        checkEqual('layout', plain.layout, foreign.layout);
        checkEqual('results', ['70', '3,3'], foreign.results);
    });
    await server.close();
    for (const policy of policies) {
        await row(`the element under ${policy}`, async () => {
            const strict = await serve(policy, { '/': hostPage() });
            const { results: shown, problems } = await seen(browser, `${strict.url}/`);
            await strict.close();
            checkEqual('results', ['70', '3,3'], shown);
            checkEqual('violations and errors', [], problems);
        });
    }
    const single = await serve(null);
    for (const url of [`${single.url}/acpower.html`, pathToFileURL(pageFile).href]) {
        await row(`the single page under its own policy, from ${url.split(':')[0]}`, async () => {
            const context = await newContext(browser);
            const { page, problems } = await open(context, url);
            const policy = await page.locator('meta[http-equiv="Content-Security-Policy"]').getAttribute('content');
            check('its policy', /'wasm-unsafe-eval'/.test(policy) && !/unsafe-inline|'unsafe-eval'/.test(policy), 'hashes and wasm only', policy);
            await typeRoom(page, exampleRoom);
            checkEqual('results', ['70', '3,3'], await results(page));
            checkEqual('violations and errors', [], problems);
            await context.close();
        });
    }
    await single.close();
});
