// The page, or the element in a host page, through the behaviour table every
// desktop window runs. The rows come from the C++ table itself (printed by
// behaviour_rows_json); each verb is done as a user does it in Chromium.
// Usage: node behaviour.mjs page|element ROWS_TOOL
import { execFileSync } from 'node:child_process';
import { pathToFileURL } from 'node:url';
import { addressOf, check, facts, focused, hostPage, main, newContext, open, pageFile, row, serve } from './browser.mjs';

const [target, rowsTool] = process.argv.slice(2);
const rows = JSON.parse(execFileSync(rowsTool, { encoding: 'utf8', maxBuffer: 1 << 26 }));

// "Box: text" of the shown note or hover text, the undo button's caption left out.
function shownFor({ id, without }) {
    const root = document.querySelector('acpower-calculator')?.shadowRoot ?? document;
    const note = root.getElementById(id);
    if (!note || note.hidden || note.getClientRects().length === 0) {
        return '';
    }
    const button = without && root.getElementById(without);
    return `${note.dataset.box}: ${button ? note.innerText.replace(button.innerText, '').trimEnd() : note.innerText}`;
}

// The box's text from the first character it shows, as the eye finds it.
function firstShown(box) {
    const measure = document.createElement('canvas').getContext('2d');
    measure.font = getComputedStyle(box).font;
    let first = 0;
    while (first < box.value.length && measure.measureText(box.value.slice(0, first + 1)).width <= box.scrollLeft) {
        ++first;
    }
    return box.value.slice(first);
}

function verbsFor(page, control) {
    const keys = page.keyboard;
    const special = { '\b': 'Backspace', '\x1a': 'Control+z' };
    return {
        async Type(box, text) {
            await control(box).focus();
            await keys.press('End');
            for (const key of text) {
                await (special[key] ? keys.press(special[key]) : keys.type(key));
            }
        },
        // As the program sets a box: no edit the browser's undo could take
        // back, then the change the page hears.
        Set: (box, text) => control(box).evaluate((b, t) => {
            b.value = t;
            b.dispatchEvent(new Event('input', { bubbles: true }));
        }, text),
        async Paste(box, text) {
            await control(box).focus();
            await keys.press('Control+a');
            await page.evaluate((t) => navigator.clipboard.writeText(t), text);
            await keys.press('Control+v');
        },
        // What the browser's context menu does with its Undo.
        async UndoFromMenu(box) {
            await control(box).focus();
            await page.evaluate(() => document.execCommand('undo'));
        },
        // The list opened from the keyboard, the entry highlighted, then Enter.
        async Pick(_, __, position) {
            await control(facts.selector).focus();
            await keys.press('Alt+ArrowDown');
            await keys.press('Home');
            for (let i = 0; i < position; ++i) {
                await keys.press('ArrowDown');
            }
            await keys.press('Enter');
        },
        Click: (name) => control(name).click(),
    };
}

function readingsFor(page, control) {
    const opened = [];
    page.context().on('page', (tab) => opened.push(tab));
    return {
        Text: (name) => control(name).evaluate((c) => (c.tagName === 'SELECT' ? c.selectedOptions[0]?.textContent ?? '' : c.value)),
        List: (name) => control(name).evaluate((c) => [...c.options].map((o) => o.textContent).join('\n')),
        FromFirstShown: (name) => control(name).evaluate(firstShown),
        Tip: () => page.evaluate(shownFor, { id: 'Notice', without: 'NoticeUndo' }),
        // The mouse comes from outside the form, as it leaves another box.
        async Hover(name) {
            await page.mouse.move(0, 0);
            await control(name).hover();
            return (await page.evaluate(shownFor, { id: 'Hint' })).replace(`${name}: `, '');
        },
        Focus: () => focused(page),
        // Every page opened so far, each new tab once it has its address.
        async Pages() {
            await page.waitForTimeout(500);
            for (const tab of opened.filter((t) => !t.isClosed())) {
                tab.address = await addressOf(tab);
            }
            return opened.map((tab) => `${tab.address}\n`).join('');
        },
    };
}

function adapter(page) {
    const control = (name) => page.locator(`#${name}`);
    return { verbs: verbsFor(page, control), readings: readingsFor(page, control) };
}

// The rows come as single deeds and readings (PlainRows in the C++ table),
// so that this runner only does and reads, as a window's adapter does.
async function runTable({ verbs, readings }) {
    for (const r of rows.filter((r) => !r.desktopOnly)) {
        await row(`behaviour / ${r.name}`, async () => {
            for (const step of r.steps) {
                if (step.do !== 'Read') {
                    await verbs[step.do](step.control, step.input, step.position);
                }
                if (step.what !== 'None') {
                    const seen = await (readings[step.what]?.(step.control) ?? `(no such reading: ${step.what})`);
                    const held = step.part ? seen.includes(step.expected) : seen === step.expected;
                    check(`${step.control} ${step.what}`, held, (step.part ? 'a text holding ' : '') + step.expected.slice(0, 300), seen.slice(0, 300));
                }
            }
        });
    }
    const desktopOnly = rows.filter((r) => r.desktopOnly);
    console.log(`not for the web: ${desktopOnly.length} rows`);
    desktopOnly.forEach((r) => console.log(`  ${r.name}: ${r.desktopOnly}`));
}

await main(async (browser) => {
    const server = target === 'element' ? await serve(null, { '/': hostPage() }) : null;
    const { page, problems } = await open(await newContext(browser), server ? `${server.url}/` : pathToFileURL(pageFile).href);
    await runTable(adapter(page));
    await row('no console error, exception or policy violation', async () => check('problems', problems.length === 0, [], problems));
    await server?.close();
});
