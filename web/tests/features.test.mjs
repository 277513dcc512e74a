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
    // No file pickers in a headless browser: the chooser and the download.
    await page.addInitScript(() => {
        window.showSaveFilePicker = undefined;
        window.showOpenFilePicker = undefined;
    });
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
    // A command of the menu bar, as a user chooses it: the menu, then the item.
    const choose = async (menu, item) => {
        await page.getByRole('menuitem', { name: menu, exact: true }).click();
        await page.getByRole('menuitem', { name: item, exact: true }).click();
    };

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
        await upper.fill('480');
        await upper.press('Tab');
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
            await choose('Program', button);
            await page.getByRole('button', { name: 'OK' }).click();
            assert.equal(await undoName(), before, `${button}: OK without a change`);
            await choose('Program', button);
            const control = page.getByRole('combobox', { name: list });
            const value = pick ?? await control.locator('option').nth(2).textContent();
            await control.selectOption(value);
            await page.keyboard.press('Escape');
            assert.equal(await undoName(), before, `${button}: Escape keeps the image`);
            await choose('Program', button);
            await control.selectOption(value);
            await page.keyboard.press('Enter');
            assert.equal(await undoName(), `Undo ${button}`);
            await choose('Program', button);
            assert.equal(await control.inputValue(), value, `${button} shows what OK wrote`);
            await page.keyboard.press('Escape');
        }
        await choose('Program', 'Optional Features');
        const id = page.getByRole('textbox', { name: 'ID', exact: true });
        await id.fill('');
        await id.pressSequentially('ab-1*c');
        assert.equal(await id.inputValue(), 'AB1C', 'the ID takes letters and digits, upper case');
        await page.keyboard.press('Escape');
    });

    await test('Ctrl+C/X/V carry whole channels; a paste that cannot be taken changes nothing', async () => {
        await typeCell(5, 1, '446.1');
        await typeCell(6, 1, '446.2');
        const head = (row) => page.locator(`#grid-body tr:nth-child(${row}) th`);
        await head(5).click();
        await page.waitForFunction(() => document.activeElement?.dataset.row === '5');
        await page.keyboard.press('Shift+ArrowDown');
        await page.waitForFunction(() => document.querySelectorAll('#grid-body tr[aria-selected=true]').length === 2,
            null, { timeout: 5000 });
        await page.keyboard.press('Control+c');
        await head(10).click();
        await page.keyboard.press('Control+v');
        assert.deepEqual([await cell(10, 1).textContent(), await cell(11, 1).textContent()], ['446.10000', '446.20000']);
        assert.equal(await undoName(), 'Undo Paste Channels');
        await page.keyboard.press('Control+x');
        assert.deepEqual([await cell(10, 1).textContent(), await cell(11, 1).textContent()], ['', '']);
        assert.equal(await undoName(), 'Undo Cut Channels');
        const copied = await page.evaluate(() => navigator.clipboard.readText());
        assert.match(copied, /^10\t446\.10000\t446\.10000\t/m, 'the window\'s clipboard text');
        // Text from elsewhere goes through the import's checks.
        for (const [row, text, said] of [
            [10, '1\t999\t999\tOFF\tOFF\tWide\tYes\tHigh\tOFF\tOFF\tOFF\tOFF\tOFF\t\n', /Nothing was pasted/],
            [128, copied, /would run past channel 128/],
            [10, 'nothing here', /Nothing was pasted|holds no channels/],
        ]) {
            await page.evaluate((t) => navigator.clipboard.writeText(t), text);
            await head(row).click();
            const undo = await undoName();
            await choose('Edit', 'Paste');
            assert.match(await message(), said);
            assert.equal(await undoName(), undo, 'nothing changed');
        }
    });

    await test('Insert, Delete, Clear, Move and Sort work on the selected channels as the Edit menu does, each one undo step', async () => {
        const rx = async (rows) => Promise.all(rows.map((r) => cell(r, 1).textContent()));
        const head = (row) => page.locator(`#grid-body tr:nth-child(${row}) th`);
        await typeCell(20, 1, '446.3');
        await typeCell(21, 1, '446.2');
        await typeCell(22, 1, '446.1');
        const steps = [
            ['Move Up', 'Move Channels Up', [19, 20, 21, 22], ['', '446.20000', '446.30000', '446.10000']],
            ['Move Down', 'Move Channels Down', [19, 20, 21, 22], ['', '446.30000', '446.10000', '446.20000']],
            ['Insert Empty Channel', 'Insert Empty Channel', [20, 21, 22, 23], ['446.30000', '', '446.20000', '446.10000']],
            ['Delete Channel', 'Delete Channels', [20, 21, 22, 23], ['446.30000', '446.10000', '', '']],
            ['Clear', 'Clear Channels', [20, 21, 22, 23], ['446.30000', '', '446.10000', '']],
        ];
        for (const [button, step, rows, after] of steps) {
            await head(21).click();
            await choose('Edit', button);
            assert.deepEqual(await rx(rows), after, button);
            assert.equal(await undoName(), `Undo ${step}`);
            await page.keyboard.press('Control+z');
        }
        // Ctrl+Shift+Down moves the selected rows; Sort takes the selection.
        await head(20).click();
        await page.keyboard.press('Shift+ArrowDown');
        await page.keyboard.press('Shift+ArrowDown');
        await page.waitForFunction(() => document.querySelectorAll('#grid-body tr[aria-selected=true]').length === 3);
        await choose('Edit', 'Sort By Rx Frequency');
        assert.deepEqual(await rx([20, 21, 22]), ['446.10000', '446.20000', '446.30000']);
        await page.keyboard.press('Control+Shift+ArrowDown');
        assert.deepEqual(await rx([20, 21, 22, 23]), ['', '446.10000', '446.20000', '446.30000']);
        for (let i = 0; i < 2; ++i) await page.keyboard.press('Control+z');
        // An insert that would push a channel out of 128 is refused with the window's message.
        await typeCell(127, 1, '446.4');
        await typeCell(128, 1, '446.5');
        await head(127).click();
        const undo = await undoName();
        await choose('Edit', 'Insert Empty Channel');
        assert.match(await message(), /No channel below is empty/);
        assert.equal(await undoName(), undo);
        // The five typed channels go again: the tests after this one start from an empty 20-22.
        for (let i = 0; i < 5; ++i) await page.keyboard.press('Control+z');
        assert.deepEqual(await rx([20, 21, 22, 127, 128]), ['', '', '', '', '']);
    });

    await test('Export Channels... writes our CSV; Import Channels... previews a CHIRP file and takes its good rows', async () => {
        await choose('File', 'Export Channels...');
        await page.getByRole('radio', { name: 'Orin CSV (*.csv)' }).check();
        const [download] = await Promise.all([page.waitForEvent('download'), page.getByRole('button', { name: 'OK' }).click()]);
        const exported = path.join(work, 'exported.csv');
        await download.saveAs(exported);
        assert.match(fs.readFileSync(exported, 'utf8'), /^5,446\.10000,446\.10000,/m);

        const chirp = path.join(work, 'chirp.csv');
        fs.writeFileSync(chirp, [
            'Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,Mode,TStep,Skip,Comment',
            '1,PMR1,446.006250,,0.000000,,88.5,88.5,023,NN,NFM,12.5,,',
            '2,AIR,446.100000,,0.000000,,88.5,88.5,023,NN,AM,12.5,,',
            '3,PMR3,446.031250,,0.000000,,88.5,88.5,023,NN,NFM,12.5,,',
        ].join('\r\n'));
        const [chooser] = await Promise.all([page.waitForEvent('filechooser'), choose('File', 'Import Channels...')]);
        await chooser.setFiles(chirp);
        await page.waitForSelector('#import-dialog[open]');
        assert.match(await page.locator('#import-dialog').textContent(), /Rows into channels: 2; rows not imported: 1\./);
        assert.match(await page.locator('#import-dialog tr.skipped').textContent(), /skipped/);
        await page.getByRole('spinbutton', { name: 'Start channel' }).fill('40');
        await page.getByRole('spinbutton', { name: 'Start channel' }).press('Tab');
        await page.getByRole('button', { name: 'Import', exact: true }).click();
        assert.deepEqual([await cell(40, 1).textContent(), await cell(41, 1).textContent()], ['446.00625', '446.03125']);
        assert.equal(await undoName(), 'Undo Import Channels');

        fs.writeFileSync(chirp, 'Location,Name,Frequency,Location\r\n1,A,446.00625,1\r\n');
        const [again] = await Promise.all([page.waitForEvent('filechooser'), choose('File', 'Import Channels...')]);
        await again.setFiles(chirp);
        assert.match(await message(), /chirp\.csv cannot be imported: /);
    });

    await test('Insert Channel Plan... fills the empty channels from the current one, and asks when not all fit', async () => {
        await cell(60, 1).click();
        await choose('Edit', 'Insert Channel Plan...');
        await page.keyboard.press('Enter');
        assert.equal(await cell(60, 1).textContent(), '446.00625');
        assert.equal(await cell(75, 1).textContent(), '446.19375');
        assert.equal(await undoName(), 'Undo Insert Channel Plan');
        await cell(120, 1).click();
        await choose('Edit', 'Insert Channel Plan...');
        await page.keyboard.press('Enter');
        await page.waitForSelector('#message[open]');
        assert.match(await page.locator('#message-text').textContent(), /Only 9 of the 16 channels of PMR446 fit.*Insert these 9\?/s);
        await page.getByRole('button', { name: 'No' }).click();
        assert.equal(await cell(120, 1).textContent(), '');
    });

    await test('the licence: the check lists and repairs the channels outside it, and a write asks first', async () => {
        await choose('Program', 'Check Channels Against Licence...');
        await page.getByRole('combobox', { name: 'Licence' }).selectOption('pmr446');
        const outside = page.getByRole('listbox', { name: 'Channels outside the licence' });
        assert.match(await outside.textContent(), /CH 5: Tx 446\.10000 MHz is not a channel of PMR446/);
        const receiveOnly = page.getByRole('button', { name: 'Make these receive only' });
        assert.equal(await receiveOnly.isDisabled(), true, 'nothing selected, nothing to do');
        await outside.selectOption({ label: await outside.locator('option', { hasText: 'CH 5: Tx' }).textContent() });
        await receiveOnly.click();
        assert.doesNotMatch(await outside.textContent(), /CH 5: Tx/);
        await page.keyboard.press('Escape');
        assert.equal(await cell(5, 2).textContent(), '', 'channel 5 receives only');
        assert.equal(await undoName(), 'Undo Make Receive Only');

        const lower = page.getByRole('textbox', { name: 'Field (lower edge)' });
        for (const [edge, said, answer] of [
            ['400', /2 channels would transmit outside PMR446: 1, 6\./, 'Cancel'],
            ['436', /channels 1\. The radio may not use them\.\nWrite to the radio anyway\?/, 'No'],
        ]) {
            await lower.fill(edge);
            await lower.press('Tab');
            await page.getByRole('button', { name: 'Write To Radio' }).click();
            await page.waitForSelector('#message[open]');
            assert.match(await page.locator('#message-text').textContent(), said);
            if (answer === 'Cancel') assert.equal(await page.getByRole('button', { name: 'Write anyway' }).count(), 1);
            await page.getByRole('button', { name: answer }).click();
            assert.equal(await page.locator('#progress[open]').count(), 0, 'nothing was written');
        }
        await lower.fill('400');
        await lower.press('Tab');
    });

    await test('Compare With File... lists what differs from a file; a broken file is refused', async () => {
        const [download] = await Promise.all([page.waitForEvent('download'), page.getByRole('button', { name: 'Save', exact: true }).click()]);
        const saved = path.join(work, 'saved.sin');
        await download.saveAs(saved);
        await typeCell(90, 1, '446.5');
        const broken = path.join(work, 'broken.sin');
        fs.writeFileSync(broken, Buffer.alloc(100));
        const copy = path.join(work, 'copy.sin');
        fs.copyFileSync(saved, copy);
        // Two files chosen together are compared with each other.
        for (const [files, said] of [
            [saved, /1 channel differs.*channel 90: 446\.50000.*-> empty/s],
            [broken, /holds 100 bytes/],
            [[saved, copy], /saved\.sin, against copy\.sin\.\s+No differences/],
            [[saved, broken], /holds 100 bytes/],
        ]) {
            const undo = await undoName();
            const [chooser] = await Promise.all([page.waitForEvent('filechooser'), choose('File', 'Compare With File...')]);
            await chooser.setFiles(files);
            assert.equal(await undoName(), undo, 'the channel data stays');
            if (String(files).includes('broken')) {
                assert.match(await message(), said);
            } else {
                await page.waitForSelector('#compare-dialog[open]');
                assert.match(await page.locator('#compare-dialog').innerText(), said);
                await page.keyboard.press('Escape');
            }
        }
    });

    await test('Compare With Radio... reads the radio and lists what differs; the channel data stays', async () => {
        const undo = await undoName();
        await choose('Program', 'Compare With Radio...');
        await page.waitForSelector('#compare-dialog[open]', { timeout: 120000 });
        assert.match(await page.locator('#compare-dialog').innerText(), /against what the radio holds\.\s+\d+ channels\b.*differ\s+channel 1: Rx Frequency: 435\.00000 -> /);
        await page.keyboard.press('Escape');
        assert.equal(await undoName(), undo);
        assert.equal(await cell(90, 1).textContent(), '446.50000');
    });

    await test('in Chinese the commands, dialogs and messages are the window\'s Chinese', async () => {
        await page.getByRole('button', { name: 'Switch to Chinese' }).click();
        for (const [menu, item, dialog, said] of [
            ['编程', '可选功能', '#features-dialog', /功能设置[\s\S]*静噪等级/],
            ['编程', '侧键设置', '#sidekey-dialog', /侧键1[\s\S]*短按/],
            ['编程', '按执照检查频道...', '#licence-dialog', /执照：[\s\S]*频道 6：发射频率 446\.20000 MHz/],
            ['编辑', '插入频道方案...', '#plan-dialog', /PMR446（欧洲）：16 个频道/],
        ]) {
            await choose(menu, item);
            await page.waitForSelector(`${dialog}[open]`);
            assert.match(await page.locator(dialog).innerText(), said);
            await page.keyboard.press('Escape');
        }
        const upper = page.getByRole('textbox', { name: '项目 (上限)' });
        await upper.fill('600');
        await upper.press('Tab');
        assert.match(await message(), /频段边界须为67至521之间的整数MHz/);
        await page.locator('#grid-body tr:nth-child(5) th').click();
        await page.evaluate(() => navigator.clipboard.writeText('x'));
        await choose('编辑', '粘贴');
        assert.match(await message(), /未粘贴任何内容/);
    });

    assert.deepEqual(errors, [], 'no error in the console');
});
