// A phone: 360 × 640 CSS px, touch, no hover. The controls stack in one
// column that fits the screen, big enough to read and to hit; the example
// room typed by tap and keys computes; an address with the room reproduces it.
import { pathToFileURL } from 'node:url';
import { checkEqual, check, eachTarget, exampleRoom, facts, main, newContext, open, pageFile, results, row, typeRoom } from './browser.mjs';

const [, height] = facts.entryBoxes;
const phone = { viewport: { width: 360, height: 640 }, hasTouch: true, isMobile: true };

// Every control and caption: its box on the screen and its text size.
const measured = (page) => page.evaluate(() => {
    const root = document.querySelector('acpower-calculator')?.shadowRoot ?? document;
    return [...root.querySelectorAll('.acpower [id]')].filter((c) => c.getClientRects().length > 0).map((c) => {
        const box = c.getBoundingClientRect();
        return { id: c.id, tag: c.tagName, left: box.left, right: box.right, width: box.width, height: box.height,
            font: parseFloat(getComputedStyle(c).fontSize), inputmode: c.getAttribute('inputmode') };
    });
});

await main(async (browser) => {
    await eachTarget(browser, async (target, { page }) => {
        await row(`${target}: one column inside the screen, 16 px text, 44 px targets`, async () => {
            const controls = await measured(page);
            checkEqual('sideways scroll', 0, await page.evaluate(() => document.documentElement.scrollWidth - innerWidth));
            check('controls found', controls.length >= 20, '20 or more', controls.length);
            for (const c of controls) {
                check(`${c.id} inside the screen`, c.left >= 0 && c.right <= 360, '0…360', [c.left, c.right]);
                check(`${c.id} text size`, c.font >= 16, '16 px or more', c.font);
                if (['INPUT', 'SELECT', 'A', 'BUTTON'].includes(c.tag)) {
                    check(`${c.id} target`, c.width >= 44 && c.height >= 44, '44 × 44 or more', [c.width, c.height]);
                }
            }
            const decimal = controls.filter((c) => c.inputmode === 'decimal').map((c) => c.id);
            checkEqual('decimal keypad', facts.entryBoxes, decimal);
        });
        await row(`${target}: the example room typed by tap and keys`, async () => {
            await typeRoom(page, exampleRoom, (box) => box.tap());
            checkEqual('results', ['70', '3,3'], await results(page));
            checkEqual('class line', 'Подойдет сплит-система класса 12 (3,52 кВт).', (await page.locator('#PowerClass').innerText()).trim());
        });
        await row(`${target}: the notice's button brings the number back`, async () => {
            await page.locator(`#${height}`).tap();
            await page.keyboard.type('x');
            checkEqual('button', 'Вернуть «2,8»', await page.locator('#NoticeUndo').innerText());
            const button = await page.locator('#NoticeUndo').boundingBox();
            check('button target', button.width >= 44 && button.height >= 44, '44 × 44 or more', button);
            await page.locator('#NoticeUndo').tap();
            checkEqual('box', '2,8', await page.locator(`#${height}`).inputValue());
            checkEqual('results', ['70', '3,3'], await results(page));
        });
    }, phone);
    await row('page: an address with the room reproduces it', async () => {
        const context = await newContext(browser, phone);
        const { page } = await open(context, `${pathToFileURL(pageFile).href}#${[...exampleRoom, 'солнечную'].join(';')}`);
        checkEqual('boxes', exampleRoom, await Promise.all(facts.entryBoxes.map((box) => page.locator(`#${box}`).inputValue())));
        checkEqual('side', 'солнечную', await page.locator(`#${facts.selector} option:checked`).innerText());
        checkEqual('results', ['70', '4'], await results(page));
        await context.close();
    });
});
