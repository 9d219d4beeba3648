// The calculator fits what holds it: the element in containers of several
// widths on a desktop screen, the single page on a desktop screen, and
// phones with and without their keyboard up.
import { check, checkEqual, exampleRoom, main, newContext, open, row, serve, typeRoom } from './browser.mjs';

const desktop = { viewport: { width: 1280, height: 800 } };
// Width of the container, and the layout it must get on a 1280 px screen.
const containers = [[320, 'column'], [480, 'column'], [759, 'column'], [760, 'form'], [1000, 'form'], [1280, 'form']];
const phones = [{ width: 360, height: 640 }, { width: 360, height: 340 }];
const boxes = ['Text1', 'Text2', 'Text3', 'Text4', 'Text5', 'Combo1'];

const hostIn = (width) => '<!doctype html><html lang="ru"><head><meta charset="utf-8"><title>Хост</title>'
    + `<style>body{margin:0}aside{width:${width}px}</style></head><body><aside><acpower-calculator></acpower-calculator>`
    + '</aside><script src="acpower-calculator.js"></script></body></html>';

// Every shown control's box, its text's width against its own, its text
// size, and the box of what holds them.
const measure = (page) => page.evaluate(() => {
    const element = document.querySelector('acpower-calculator');
    const root = element?.shadowRoot ?? document;
    const rect = (c) => { const r = c.getBoundingClientRect(); return { left: r.left, top: r.top, right: r.right, bottom: r.bottom }; };
    const controls = [...root.querySelectorAll('.acpower-form [id]')].filter((c) => c.getClientRects().length > 0 && c.id !== 'Hint' && c.id !== 'Notice');
    return {
        outer: rect(element ?? root.querySelector('.acpower')),
        notice: rect(root.getElementById('Notice')),
        hint: rect(root.getElementById('Hint')),
        controls: controls.map((c) => ({ id: c.id, caption: c.classList.contains('acpower-caption'), ...rect(c),
            fits: c.scrollWidth <= c.clientWidth + 1, font: parseFloat(getComputedStyle(c).fontSize) })),
        sideways: document.scrollingElement.scrollWidth - innerWidth,
    };
});

const find = (seen, id) => seen.controls.find((c) => c.id === id);
// One column puts a caption above its box; the form puts it left of it.
const layoutOf = (seen) => (find(seen, 'Label2').bottom <= find(seen, 'Text1').top + 1 ? 'column' : 'form');
const overlap = (a, b) => a.left < b.right - 1 && b.left < a.right - 1 && a.top < b.bottom - 1 && b.top < a.bottom - 1;
const inside = (inner, outer) => inner.left >= outer.left - 1 && inner.right <= outer.right + 1
    && inner.top >= outer.top - 1 && inner.bottom <= outer.bottom + 1;

function checkFits(seen) {
    checkEqual('sideways scroll', 0, Math.max(0, seen.sideways));
    for (const c of seen.controls) {
        check(`${c.id} inside the calculator`, inside(c, seen.outer), seen.outer, c);
        check(`${c.id} text not cut`, c.fits, 'fits', 'cut');
        check(`${c.id} not squashed`, c.right - c.left >= 16 && c.bottom - c.top >= 14, '16 × 14 or more', c);
    }
}

async function checkResultsShown(page, what) {
    const shown = await page.evaluate(() => ['Text6', 'Text7'].map((id) => {
        const root = document.querySelector('acpower-calculator')?.shadowRoot ?? document;
        const box = root.getElementById(id).getBoundingClientRect();
        const x = (box.left + box.right) / 2;
        const y = (box.top + box.bottom) / 2;
        return box.top >= 0 && box.bottom <= innerHeight && root.elementFromPoint(x, y)?.id === id;
    }));
    checkEqual(`${what}: both results in view, uncovered`, [true, true], shown);
}

await main(async (browser) => {
    const server = await serve(null, Object.fromEntries(containers.map(([w]) => [`/in${w}`, hostIn(w)])));
    for (const [width, layout] of containers) {
        await row(`the element in a ${width} px container: ${layout}, every control inside and whole`, async () => {
            const context = await newContext(browser, desktop);
            const { page } = await open(context, `${server.url}/in${width}`);
            await typeRoom(page, exampleRoom);
            const seen = await measure(page);
            checkEqual('layout', layout, layoutOf(seen));
            checkFits(seen);
            await context.close();
        });
    }
    await row('the single page on a desktop screen: a visible title, the form centred, 14 px captions', async () => {
        const context = await newContext(browser, desktop);
        const { page } = await open(context, `${server.url}/acpower.html`);
        const title = await page.locator('h1').boundingBox();
        check('title shown', title && title.width > 300 && title.height >= 20 && title.y >= 0, 'a line of text', title);
        const form = await page.locator('.acpower-form').boundingBox();
        check('form centred', Math.abs(form.x - (1280 - form.x - form.width)) <= 2, 'equal margins', form);
        const seen = await measure(page);
        checkEqual('layout', 'form', layoutOf(seen));
        const small = seen.controls.filter((c) => c.caption && c.font < 14).map((c) => c.id);
        checkEqual('captions under 14 px', [], small);
        checkFits(seen);
        await context.close();
    });
    // The form's layout at its smallest and largest: a note and the power's
    // explanation lie over no control.
    for (const width of [760, 1280]) {
        await row(`the element in a ${width} px container: the notice and the explanation cover nothing`, async () => {
            const context = await newContext(browser, desktop);
            const { page } = await open(context, `${server.url}/in${width}`);
            await typeRoom(page, exampleRoom);
            await page.keyboard.press('x');
            await page.locator('#Text7').hover();
            const seen = await measure(page);
            const under = (note) => seen.controls.filter((c) => overlap(c, seen[note])).map((c) => c.id);
            check('notice shown', seen.notice.bottom > seen.notice.top, 'a box', seen.notice);
            checkEqual('controls under the notice', [], under('notice'));
            checkEqual('controls under the explanation', [], under('hint'));
            await context.close();
        });
    }
    for (const viewport of phones) {
        await row(`a ${viewport.width} × ${viewport.height} phone: results in view from every box, the notice covers nothing`, async () => {
            const context = await newContext(browser, { viewport, hasTouch: true, isMobile: true });
            const { page } = await open(context, `${server.url}/acpower.html`);
            await typeRoom(page, exampleRoom, (box) => box.tap());
            for (const box of boxes) {
                await page.locator(`#${box}`).focus();
                await checkResultsShown(page, box);
            }
            await page.locator('#Text2').tap();
            await page.keyboard.press('End');
            await page.keyboard.type('x');
            const seen = await measure(page);
            const covered = seen.controls.filter((c) => overlap(c, seen.notice) && c.id !== 'NoticeUndo');
            checkEqual('controls under the notice', [], covered.map((c) => c.id));
            const text = await page.locator('#Notice').innerText();
            check('the notice names the button, no key', /«Вернуть»/.test(text) && !/Ctrl|⌘/.test(text), '«Вернуть», no key', text);
            await context.close();
        });
    }
    await server.close();
});
