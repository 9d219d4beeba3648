// Keyboard only: from the first box, Tab walks the boxes, the selector, the
// results (each bringing up its hover text, as the box's description) and
// then the brand halves; Enter on a half opens the company page.
import { addressOf, checkEqual, companyPage, eachTarget, exampleRoom, facts, focused, main, row, typeRoom } from './browser.mjs';

const [first, ...rest] = facts.keyboardOrder;
const walk = rest.map((name) => (facts.resultBoxes.includes(name) ? `${name} described by ${name}` : name));
const [firstLink] = rest.filter((name) => facts.controls.some((c) => c.name === name && c.link));

// The shown hover text's box, if the focused control names it as its description.
const hint = (page) => page.evaluate(() => {
    const root = document.querySelector('acpower-calculator')?.shadowRoot ?? document;
    const shown = root.getElementById('Hint');
    const describes = root.activeElement?.getAttribute('aria-describedby') === 'Hint';
    return shown && !shown.hidden && describes ? ` described by ${shown.dataset.box}` : '';
});

async function enterOpens(page) {
    const [tab] = await Promise.all([page.context().waitForEvent('page'), page.keyboard.press('Enter')]);
    return addressOf(tab);
}

await main((browser) => eachTarget(browser, async (target, { page }) => {
    await row(`${target}: Tab from the first box to the brand`, async () => {
        await typeRoom(page, exampleRoom);
        await page.locator(`#${first}`).focus();
        const reached = [];
        for (let i = 0; i < walk.length; ++i) {
            await page.keyboard.press('Tab');
            reached.push(await focused(page) + await hint(page));
        }
        checkEqual('focus after each Tab', walk, reached);
    });
    await row(`${target}: Enter on ВЕЙМ, then on ОРНИК after Shift+Tab`, async () => {
        checkEqual('ВЕЙМ opens', companyPage, await enterOpens(page));
        await page.keyboard.press('Shift+Tab');
        checkEqual('focus', firstLink, await focused(page));
        checkEqual('ОРНИК opens', companyPage, await enterOpens(page));
    });
}));
