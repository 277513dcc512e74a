// The page's editing commands end to end in headless Chromium, as a user
// drives them: the type bar, the settings dialogs, the channel clipboard,
// channel lists, the licence, comparison and channel plans.
//   ORIN_WEB_DIST=build-web/dist node --test web/tests/features.test.mjs
import assert from 'node:assert/strict';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import test from 'node:test';
import { chromium } from 'playwright-core';
import { Serve } from '../tools/serve.mjs';

const dist = path.resolve(process.env.ORIN_WEB_DIST ?? 'build-web/dist');
const chromiumPath = process.env.CHROMIUM ?? '/usr/bin/chromium';
const work = fs.mkdtempSync(path.join(os.tmpdir(), 'orin-web-features-'));

test('the type bar, the settings dialogs and the channel commands work as in the window', async (t) => {
    const server = await Serve(dist, 0);
    const browser = await chromium.launch({ executablePath: chromiumPath, args: ['--no-sandbox'] });
    const context = await browser.newContext({ viewport: { width: 1280, height: 800 } });
    await context.grantPermissions(['clipboard-read', 'clipboard-write']);
    const page = await context.newPage();
    t.after(async () => {
        await browser.close();
        server.close();
    });
    const errors = [];
    page.on('pageerror', (e) => errors.push(e.message));
    page.on('console', (m) => { if (m.type() === 'error') errors.push(m.text()); });
    await page.goto(`http://127.0.0.1:${server.address().port}/`);
    await page.waitForFunction(() => window.orinReady === true);

    const cell = (row, col) => page.locator(`#grid-body tr:nth-child(${row}) td:nth-of-type(${col})`);
    const message = async () => {
        await page.waitForSelector('#message[open]');
        const text = await page.locator('#message-text').textContent();
        await page.locator('#message-buttons button').first().click();
        return text;
    };
    const typeCell = async (row, col, text) => {
        await cell(row, col).click();
        await page.keyboard.type(text);
        await page.keyboard.press('Enter');
    };
    const undoName = () => page.locator('#cmd-undo').textContent();

    await test('the band edges: typed edges mark the channels outside them, refused ones come back', async () => {
        await typeCell(1, 1, '435');
        const lower = page.getByRole('textbox', { name: 'Field (lower edge)' });
        const upper = page.getByRole('textbox', { name: 'Field (upper edge)' });
        // Each box is taken when it is left, with what the other one shows.
        for (const [box, typed, shown, outside, said] of [
            [upper, '434', ['400', '434'], true, null],
            [lower, '430', ['430', '434'], true, null],
            [lower, '440', ['430', '434'], true, /band edges are whole MHz/],
            [upper, ' 480 ', ['430', '480'], false, null],
            [upper, '600', ['430', '480'], false, /band edges are whole MHz/],
        ]) {
            await box.fill(typed);
            await box.press('Tab');
            if (said) assert.match(await message(), said);
            assert.deepEqual([await lower.inputValue(), await upper.inputValue()], shown, typed);
            assert.equal(await cell(1, 1).evaluate((td) => td.classList.contains('outside')), outside, typed);
        }
        assert.equal(await undoName(), 'Undo Edit Band Edges');
        // A typed frequency is checked against the edges the bar shows.
        await upper.fill('434');
        await upper.press('Tab');
        await typeCell(2, 1, '435');
        assert.match(await message(), /Out Of Range/);
        await page.keyboard.press('Escape');
        assert.equal(await cell(2, 1).textContent(), '');
    });

    await test('"Manul Setting" and the Type list are one undo step each', async () => {
        await page.getByRole('combobox', { name: 'Manul Setting' }).selectOption({ index: 1 });
        assert.equal(await undoName(), 'Undo Edit Type Setting');
        await page.getByRole('button', { name: /^Undo/ }).click();
        assert.equal(await page.getByRole('combobox', { name: 'Manul Setting' }).inputValue(), 'Open');
    });

    await test('Optional Features and Side Key: OK without a change changes nothing, a change is one step', async () => {
        for (const [button, list, pick] of [
            ['Optional Features', 'Squelch Level', '3'],
            ['Side Key', 'Side Key1, Short Press', null],
        ]) {
            const before = await undoName();
            await page.getByRole('button', { name: button, exact: true }).click();
            await page.getByRole('button', { name: 'OK' }).click();
            assert.equal(await undoName(), before, `${button}: OK without a change`);
            await page.getByRole('button', { name: button, exact: true }).click();
            const control = page.getByRole('combobox', { name: list });
            const value = pick ?? await control.locator('option').nth(2).textContent();
            await control.selectOption(value);
            await page.keyboard.press('Escape');
            assert.equal(await undoName(), before, `${button}: Escape keeps the image`);
            await page.getByRole('button', { name: button, exact: true }).click();
            await control.selectOption(value);
            await page.keyboard.press('Enter');
            assert.equal(await undoName(), `Undo ${button}`);
            await page.getByRole('button', { name: button, exact: true }).click();
            assert.equal(await control.inputValue(), value, `${button} shows what OK wrote`);
            await page.keyboard.press('Escape');
        }
        await page.getByRole('button', { name: 'Optional Features' }).click();
        const id = page.getByRole('textbox', { name: 'ID', exact: true });
        await id.fill('');
        await id.pressSequentially('ab-1*c');
        assert.equal(await id.inputValue(), 'AB1C', 'the ID takes letters and digits, upper case');
        await page.keyboard.press('Escape');
    });

    assert.deepEqual(errors, [], 'no error in the console');
});
