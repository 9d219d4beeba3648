// The page, or the element in a host page, through the behaviour table every
// desktop window runs. The rows come from the C++ table itself (printed by
// behaviour_rows_json); each verb is done as a user does it in Chromium.
// Usage: node behaviour.mjs page|element ROWS_TOOL
import { execFileSync } from 'node:child_process';
import { pathToFileURL } from 'node:url';
import { check, focused, hostPage, main, newContext, open, pageFile, row, serve } from './browser.mjs';

const [target, rowsTool] = process.argv.slice(2);
const rows = JSON.parse(execFileSync(rowsTool, { encoding: 'utf8', maxBuffer: 1 << 26 }));
const boxNames = ['Text1', 'Text2', 'Text3', 'Text4', 'Text5'];

class PageWindow {
    constructor(page) {
        this.page = page;
        this.keys = page.keyboard;
        this.opened = [];
        page.context().on('page', (tab) => this.opened.push(tab));
    }

    control(name) {
        return this.page.locator(`#${name}`);
    }

    async type(box, keys) {
        await this.control(box).focus();
        await this.keys.press('End');
        for (const key of keys) {
            await (key === '\b' ? this.keys.press('Backspace') : key === '\x1a' ? this.keys.press('Control+z') : this.keys.type(key));
        }
    }

    // A program sets a read-only box too; a paste replaces the selected text.
    async set(box, text, paste) {
        const control = this.control(box);
        if (paste) {
            await control.focus();
            await this.keys.press('Control+a');
            await this.page.evaluate((t) => navigator.clipboard.writeText(t), text);
            await this.keys.press('Control+v');
        } else if (await control.evaluate((b) => b.readOnly)) {
            await control.evaluate((b, t) => { b.value = t; }, text);
        } else {
            await control.fill(text);
        }
    }

    // What the browser's context menu does with its Undo.
    async undoFromMenu(box) {
        await this.control(box).focus();
        await this.page.evaluate(() => document.execCommand('undo'));
    }

    // The list opened from the keyboard, the entry highlighted, then Enter.
    async pick(position) {
        await this.control('Combo1').focus();
        await this.keys.press('Alt+ArrowDown');
        await this.keys.press('Home');
        for (let i = 0; i < position; ++i) {
            await this.keys.press('ArrowDown');
        }
        await this.keys.press('Enter');
    }

    async read(what, name) {
        if (what === 'Focus') {
            return focused(this.page);
        }
        const control = this.control(name || 'Text1');
        switch (what) {
        case 'Text':
            return control.evaluate((c) => (c.tagName === 'SELECT' ? c.selectedOptions[0]?.textContent ?? '' : c.value));
        case 'List':
            return control.evaluate((c) => [...c.options].map((o) => o.textContent).join('\n'));
        case 'FromFirstShown':
            return control.evaluate(firstShown);
        case 'Tip':
            return this.page.evaluate(shownFor, { id: 'Notice', without: 'NoticeUndo' });
        case 'Hover':
            await control.hover();
            return (await this.page.evaluate(shownFor, { id: 'Hint' })).replace(`${name}: `, '');
        case 'Pages':
            return this.pages();
        default:
            return `(no such reading: ${what})`;
        }
    }

    // Every page opened so far, once each new tab has its address.
    async pages() {
        await this.page.waitForTimeout(500);
        for (const tab of this.opened.filter((t) => !t.isClosed())) {
            await tab.waitForLoadState('domcontentloaded');
            tab.address = tab.url();
            await tab.close();
        }
        return this.opened.map((tab) => `${tab.address}\n`).join('');
    }
}

// "Box: text" of a shown note or hover text, the undo button's caption left out.
function shownFor({ id, without }) {
    const root = document.querySelector('acpower-calculator')?.shadowRoot ?? document;
    const note = root.getElementById(id);
    if (!note || note.hidden || note.getClientRects().length === 0) {
        return '';
    }
    const button = without ? root.getElementById(without) : null;
    const text = button ? note.innerText.replace(button.innerText, '').trimEnd() : note.innerText;
    return `${note.dataset.box ?? '(under no box)'}: ${text}`;
}

// The box's text from the first character it shows, as the eye finds it.
function firstShown(box) {
    const style = getComputedStyle(box);
    const measure = document.createElement('canvas').getContext('2d');
    measure.font = style.font;
    let first = 0;
    while (first < box.value.length && measure.measureText(box.value.slice(0, first + 1)).width <= box.scrollLeft) {
        ++first;
    }
    return box.value.slice(first);
}

async function runTable(window) {
    let pagesSeen = '';
    const skipped = rows.filter((r) => r.desktopOnly);
    for (const r of rows.filter((r) => !r.desktopOnly)) {
        await row(`behaviour / ${r.name}`, async () => {
            for (const [i, text] of (r.given ?? []).entries()) {
                await window.set(boxNames[i], text, false);
            }
            for (const step of r.steps) {
                let seen = '';
                if (step.do === 'Type' && step.what === 'EachKey') {
                    const each = [];
                    for (const key of step.input) {
                        await window.type(step.control, key);
                        each.push(await window.read('Text', step.control));
                    }
                    seen = each.join('|');
                } else if (step.do === 'Type') {
                    await window.type(step.control, step.input);
                } else if (step.do === 'Set' || step.do === 'Paste') {
                    await window.set(step.control, step.input, step.do === 'Paste');
                } else if (step.do === 'UndoFromMenu') {
                    await window.undoFromMenu(step.control);
                } else if (step.do === 'Pick') {
                    await window.pick(step.position);
                } else if (step.do === 'Click') {
                    await window.control(step.control).click();
                } else if (step.what === 'Results') {
                    seen = `${await window.read('Text', 'Text6')} | ${await window.read('Text', 'Text7')}`;
                } else if (step.what === 'Pages') {
                    const all = await window.read('Pages');
                    seen = all.startsWith(pagesSeen) ? all.slice(pagesSeen.length) : `(pages gone) ${all}`;
                    pagesSeen = all;
                } else if (step.do === 'Read') {
                    seen = await window.read(step.what, step.control);
                } else {
                    throw new Error(`the table has a step the web runner does not know: ${step.do}`);
                }
                if (step.what !== 'None') {
                    const held = step.part ? seen.includes(step.expected) : seen === step.expected;
                    check(`${step.control} ${step.what}`, held, (step.part ? 'a text holding ' : '') + step.expected.slice(0, 300), seen.slice(0, 300));
                }
            }
        });
    }
    console.log(`not for the web: ${skipped.length} rows`);
    for (const r of skipped) {
        console.log(`  ${r.name}: ${r.desktopOnly}`);
    }
}

await main(async (browser) => {
    const context = await newContext(browser);
    const server = target === 'element' ? await serve(null, { '/': hostPage() }) : null;
    const { page, problems } = await open(context, server ? `${server.url}/` : pathToFileURL(pageFile).href);
    await runTable(new PageWindow(page));
    await row('no console error, exception or policy violation', async () => check('problems', problems.length === 0, [], problems));
    await server?.close();
});
