// Keyboard only: from the first box, Tab walks the boxes, the selector, the
// results and then the brand halves; Enter on a half opens the company page.
import { addressOf, checkEqual, companyPage, eachTarget, focused, main, row } from './browser.mjs';

const walk = ['Text2', 'Text3', 'Text4', 'Text5', 'Combo1', 'Text6', 'Text7', 'Label55', 'Label56'];

async function enterOpens(page) {
    const [tab] = await Promise.all([page.context().waitForEvent('page'), page.keyboard.press('Enter')]);
    return addressOf(tab);
}

await main((browser) => eachTarget(browser, async (target, { page }) => {
    await row(`${target}: Tab from the first box to the brand`, async () => {
        await page.locator('#Text1').focus();
        const reached = [];
        for (let i = 0; i < walk.length; ++i) {
            await page.keyboard.press('Tab');
            reached.push(await focused(page));
        }
        checkEqual('focus after each Tab', walk, reached);
    });
    await row(`${target}: Enter on ВЕЙМ, then on ОРНИК after Shift+Tab`, async () => {
        checkEqual('ВЕЙМ opens', companyPage, await enterOpens(page));
        await page.keyboard.press('Shift+Tab');
        checkEqual('focus', 'Label55', await focused(page));
        checkEqual('ОРНИК opens', companyPage, await enterOpens(page));
    });
}));
