// The page end to end in headless Chromium (Debian's), driven by
// playwright-core, its serial port bridged to `orinctl simulate`: read, edit,
// a refused value, save, write with verify, Chinese, an offline reload that
// offers the kept document back.
//   ORIN_WEB_DIST=build-web/dist ORINCTL=build/bin/orinctl node --test web/tests/page.test.mjs
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import test from 'node:test';
import { chromium } from 'playwright-core';
import { Serve } from '../tools/serve.mjs';
import { BridgeSerial, StartSimulatedRadio } from './bridge.mjs';

const dist = path.resolve(process.env.ORIN_WEB_DIST ?? 'build-web/dist');
const orinctl = process.env.ORINCTL ?? path.resolve('build/bin/orinctl');
const chromiumPath = process.env.CHROMIUM ?? '/usr/bin/chromium';
const work = fs.mkdtempSync(path.join(os.tmpdir(), 'orin-web-'));

test('the page reads, edits, refuses, saves, writes and verifies, speaks Chinese and works offline', async (t) => {
    const server = await Serve(dist, 0);
    const url = `http://127.0.0.1:${server.address().port}/`;
    const radioFile = path.join(work, 'radio-after-write.sin');
    const radio = await StartSimulatedRadio(orinctl, ['--save-to', radioFile]);
    const browser = await chromium.launch({ executablePath: chromiumPath, args: ['--no-sandbox'] });
    const context = await browser.newContext({ acceptDownloads: true, viewport: { width: 1280, height: 800 } });
    const page = await context.newPage();
    t.after(async () => {
        await browser.close();
        radio.stop();
        server.close();
    });
    const errors = [];
    page.on('pageerror', (e) => errors.push(e.message));
    page.on('console', (m) => { if (m.type() === 'error') errors.push(m.text()); });
    const bridge = await BridgeSerial(page, server, radio.device);
    t.after(bridge.close);
    // No file pickers in a headless browser: the chooser and the download.
    await page.addInitScript(() => {
        window.showSaveFilePicker = undefined;
        window.showOpenFilePicker = undefined;
    });

    await page.goto(url);
    await page.waitForFunction(() => window.orinReady === true);
    const shownAt = await page.evaluate(() => performance.getEntriesByName('grid-shown')[0].startTime);
    console.log(`grid shown ${shownAt.toFixed(0)} ms after navigation`);
    const cell = (row, col) => page.locator(`#grid-body tr:nth-child(${row}) td:nth-of-type(${col})`);
    const dialogText = async () => {
        await page.waitForSelector('#message[open]');
        return page.locator('#message-text').textContent();
    };
    const pressOk = async () => {
        await page.locator('#message-buttons button').first().click();
        await page.waitForSelector('#message:not([open])', { state: 'attached' });
    };

    await test('the grid: 128 rows of 14 columns, the window\'s titles', async () => {
        assert.equal(await page.locator('#grid-body tr[role=row]').count(), 128);
        assert.equal(await page.locator('#grid-head th[role=columnheader]').count(), 14);
        assert.equal(await page.locator('#grid-head th').nth(1).textContent(), 'Rx Frequency');
        assert.equal(await page.getByRole('button', { name: 'Read From Radio' }).count(), 1);
    });

    await test('the menu bar from the keyboard: F10 or Alt+letter, arrows, Enter, Escape back to the grid', async () => {
        await cell(3, 1).click();
        const where = () => page.evaluate(() => {
            const open = document.querySelector('#menubar [aria-expanded=true]');
            const at = document.activeElement;
            const focus = at.closest('#menubar') ? at.firstChild.textContent : at.dataset.row ?? at.id;
            return `${open ? open.textContent : '-'} / ${focus}`;
        });
        for (const [key, after] of [
            ['F10', '- / File'],
            ['ArrowRight', '- / Edit'],
            ['ArrowDown', 'Edit / Cut'], // nothing to undo or redo yet
            ['ArrowUp', 'Edit / Insert Channel Plan...'],
            ['ArrowRight', 'Program / Read From Radio'],
            ['End', 'Program / Check Connection...'],
            ['Escape', '- / Program'],
            ['Escape', '- / 3'],
            ['Alt+E', 'Edit / Cut'],
            ['ArrowLeft', 'File / New'],
            ['Tab', '- / cmd-new'], // out of the bar, to the toolbar
        ]) {
            await page.keyboard.press(key);
            assert.equal(await where(), after, key);
        }
        // An item runs its command and gives the focus back to the grid.
        await cell(3, 1).click();
        await page.keyboard.type('446.1');
        await page.keyboard.press('Enter');
        await cell(3, 1).click();
        await page.keyboard.press('Alt+E');
        for (let i = 0; i < 5; ++i) await page.keyboard.press('ArrowDown'); // from Undo
        assert.equal(await where(), 'Edit / Insert Empty Channel');
        await page.keyboard.press('Enter');
        assert.equal(await where(), '- / 3');
        assert.equal(await page.locator('#cmd-undo').textContent(), 'Undo Insert Empty Channel');
        assert.equal(await cell(4, 1).textContent(), '446.10000');
        await page.keyboard.press('Control+z');
        await page.keyboard.press('Control+z');
        // A screen reader hears the window's text; the key is told apart.
        await page.keyboard.press('Alt+E');
        const paste = page.getByRole('menuitem', { name: 'Paste', exact: true });
        assert.equal(await paste.getAttribute('aria-keyshortcuts'), 'Control+V');
        await page.keyboard.press('Escape');
        await page.keyboard.press('Escape');
    });

    await test('Read From Radio brings the radio\'s channels into the grid', async () => {
        await page.selectOption('#port', '0');
        // Every text the progress dialog shows, as it shows it.
        await page.evaluate(() => {
            window.shown = [];
            const watch = (id) => new MutationObserver(() => window.shown.push([id, document.getElementById(id).textContent]))
                .observe(document.getElementById(id), { childList: true, characterData: true, subtree: true });
            watch('progress-status');
            watch('progress-line');
        });
        await page.getByRole('button', { name: 'Read From Radio' }).click();
        await page.waitForFunction(() => /Read 397 blocks/.test(document.getElementById('status').textContent),
            null, { timeout: 180000 });
        assert.notEqual(await cell(1, 1).textContent(), '');
        const shown = await page.evaluate(() => window.shown);
        const blocks = shown.filter(([id]) => id === 'progress-line').map(([, text]) => {
            assert.match(text, /^Block \d+ of 397, \d+%(, about \d+ s left)?$/);
            return Number(text.split(' ')[1]);
        });
        assert.deepEqual(blocks, [...blocks].sort((a, b) => a - b), 'the blocks go forward');
        assert.equal(blocks.at(-1), 397);
        assert.deepEqual(shown.filter(([id, text]) => id === 'progress-status' && /^\d+$/.test(text)), [],
            'the block number is told in words, not as a bare number above the bar');
        console.log(await page.locator('#status').textContent());
    });

    await test('a typed cell commits through the rules; a refused value keeps the old one', async () => {
        // The time from Enter to the changed row in the grid, over a few cells.
        const times = [];
        for (const [row, text] of [[24, '446.3'], [25, '446.4'], [26, '446.5'], [20, '446.1']]) {
            await cell(row, 1).click();
            await page.keyboard.type(text);
            times.push(await page.evaluate(() => {
                const input = document.querySelector('#grid td.editing input');
                const start = performance.now();
                input.dispatchEvent(new KeyboardEvent('keydown', { key: 'Enter', bubbles: true }));
                return performance.now() - start;
            }));
        }
        console.log(`typed cell committed in ${times.map((ms) => ms.toFixed(1)).join(', ')} ms`);
        assert.equal(await cell(20, 1).textContent(), '446.10000');
        assert.equal(await cell(20, 2).textContent(), '446.10000', 'a first Rx is the Tx too');

        await cell(20, 1).click();
        await page.keyboard.type('999');
        await page.keyboard.press('Enter');
        assert.match(await dialogText(), /Error Data Format/);
        await pressOk();
        assert.equal(await page.locator('#grid td.editing input').inputValue(), '999', 'the refused text stays');
        await page.keyboard.press('Escape');
        assert.equal(await cell(20, 1).textContent(), '446.10000');
        await page.keyboard.press('Control+z');
        assert.equal(await cell(20, 1).textContent(), '');
        await page.keyboard.press('Control+y');
        assert.equal(await cell(20, 1).textContent(), '446.10000');

        // A key that closes the editor moves once and opens no other editor.
        for (const [key, row, col] of [['Enter', 21, 1], ['ArrowDown', 21, 1], ['ArrowUp', 19, 1], ['Tab', 20, 2], ['Escape', 20, 1]]) {
            await cell(20, 1).click();
            await page.keyboard.press('F2');
            await page.keyboard.press(key);
            assert.deepEqual(await page.evaluate(() => [document.querySelector('#grid td.editing') !== null,
                Number(document.activeElement.dataset.row), Number(document.activeElement.dataset.col)]), [false, row, col], key);
        }
    });

    await test('Save downloads the 4096 bytes; a file of another size is refused', async () => {
        const [download] = await Promise.all([page.waitForEvent('download'), page.getByRole('button', { name: 'Save', exact: true }).click()]);
        const saved = path.join(work, 'saved.sin');
        await download.saveAs(saved);
        assert.match(download.suggestedFilename(), /^Radio .*\.sin$/);
        assert.equal(fs.statSync(saved).size, 4096);
        assert.match(execFileSync(orinctl, ['dump', saved], { encoding: 'utf8' }), /^20,446\.10000,446\.10000,/m);
        const bad = path.join(work, 'bad.sin');
        fs.writeFileSync(bad, Buffer.alloc(100));
        await page.setInputFiles('#file-input', bad);
        assert.match(await dialogText(), /holds 100 bytes.*Nothing was loaded/);
        await pressOk();
        assert.equal(await cell(20, 1).textContent(), '446.10000');
    });

    await test('Write To Radio with Verify After Write: the radio holds the edit', async () => {
        await page.getByRole('menuitem', { name: 'Program', exact: true }).click();
        await page.getByRole('menuitemcheckbox', { name: 'Verify After Write' }).click();
        assert.equal(await page.locator('#verify').getAttribute('aria-checked'), 'true');
        await page.getByRole('button', { name: 'Write To Radio' }).click();
        await page.waitForSelector('#message[open]', { timeout: 180000 });
        assert.match(await dialogText(), /no differences/);
        await pressOk();
        assert.match(execFileSync(orinctl, ['dump', radioFile], { encoding: 'utf8' }), /^20,446\.10000,446\.10000,/m);
    });

    await test('Switch to Chinese: the window\'s Chinese texts and the rules\' Chinese messages', async () => {
        await page.getByRole('button', { name: 'Switch to Chinese' }).click();
        assert.equal(await page.locator('#cmd-language').textContent(), '切换到英文');
        assert.equal(await page.locator('#grid-head th').nth(1).textContent(), '接收频率');
        assert.equal(await page.getByRole('button', { name: '从对讲机读取' }).count(), 1);
        await page.screenshot({ path: path.join(work, 'page-zh.png') });
        await cell(20, 3).click();
        await page.keyboard.type('12');
        await page.keyboard.press('Enter');
        assert.match(await dialogText(), /“12”不是/);
        await pressOk();
        await page.keyboard.press('Escape');
    });

    await test('offline, the page reloads from its service worker and offers the kept document', async () => {
        await page.evaluate(() => navigator.serviceWorker.ready);
        await cell(21, 1).click();
        await page.keyboard.type('446.2');
        await page.keyboard.press('Enter');
        await page.evaluate(() => window.orinKept);
        await context.setOffline(true);
        page.once('dialog', (d) => d.accept()); // the warning before leaving
        await page.reload({ waitUntil: 'load' });
        assert.match(await dialogText(), /上次关闭页面时/);
        await pressOk(); // 是
        assert.equal(await cell(21, 1).textContent(), '446.20000');
        await context.setOffline(false);
    });

    assert.deepEqual(errors, [], 'no error in the console');
});
