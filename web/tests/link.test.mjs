// The page's radio link when things go wrong, in headless Chromium against
// `orinctl simulate` through the stand-in port: a port another program
// holds, a cable pulled out in the middle of a read, Cancel, and the
// connection check, each with the window's messages, the channels left as
// they were and nothing thrown in the console.
//   ORIN_WEB_DIST=build-web/dist ORINCTL=build/bin/orinctl node --test web/tests/link.test.mjs
import assert from 'node:assert/strict';
import path from 'node:path';
import test from 'node:test';
import { chromium } from 'playwright-core';
import { Serve } from '../tools/serve.mjs';
import { BridgeSerial, StartSimulatedRadio } from './bridge.mjs';

const dist = path.resolve(process.env.ORIN_WEB_DIST ?? 'build-web/dist');
const orinctl = process.env.ORINCTL ?? path.resolve('build/bin/orinctl');

// The page with its port on `orinctl simulate ARGS`, ended with test t; errors
// collects what the console reports.
async function OpenPage(t, args = []) {
    const server = await Serve(dist, 0);
    const radio = await StartSimulatedRadio(orinctl, args);
    const browser = await chromium.launch({ executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium', args: ['--no-sandbox'] });
    const page = await browser.newPage();
    const bridge = await BridgeSerial(page, server, radio.device);
    t.after(async () => {
        await browser.close();
        bridge.close();
        radio.stop();
        server.close();
    });
    const errors = [];
    page.on('pageerror', (e) => errors.push(e.message));
    page.on('console', (m) => { if (m.type() === 'error') errors.push(m.text()); });
    await page.goto(`http://127.0.0.1:${server.address().port}/`);
    await page.waitForFunction(() => window.orinReady === true);
    await page.selectOption('#port', '0');
    return { page, bridge, errors };
}

test('a held port, a pulled cable and Cancel change nothing; the check tells the steps', async (t) => {
    const { page, bridge, errors } = await OpenPage(t);
    const firstCell = () => page.locator('#grid-body tr:nth-child(1) td').first().textContent();
    const messages = async () => {
        const seen = [];
        for (;;) {
            await page.waitForSelector('#message[open], #progress:not([open])', { state: 'attached', timeout: 60000 });
            if (!(await page.locator('#message[open]').count())) return seen;
            const note = await page.locator('#message-note').textContent();
            seen.push(await page.locator('#message-text').textContent() + (note ? `\n${note}` : ''));
            await page.locator('#message-buttons button').last().click(); // OK, or Cancel of Retry/Cancel
        }
    };
    const before = await firstCell();
    const checkConnection = async () => {
        await page.getByRole('menuitem', { name: 'Program', exact: true }).click();
        await page.getByRole('menuitem', { name: 'Check Connection...' }).click();
    };

    await test('a port another program holds: the window\'s message, nothing read', async () => {
        bridge.held(true);
        await page.click('#cmd-read');
        assert.deepEqual(await messages(), ['Could not Open the Port,Please check whether the Port are occupied or the device are ok']);
        assert.equal(await firstCell(), before);
        await checkConnection();
        await page.waitForFunction(() => /does not answer/.test(document.getElementById('check-heading').textContent));
        assert.match(await page.locator('#check-steps p').first().textContent(), /^✗ Port: Web Serial 1 does not open: Failed to open serial port\./);
        assert.equal(await page.locator('#check-steps p').nth(1).getAttribute('aria-label'), 'Step 2 of 4, Cable: not checked');
        await page.click('#check-close');
        bridge.held(false);
    });

    await test('the check on a radio that answers: four steps passed, in Chinese too', async () => {
        await checkConnection();
        await page.waitForFunction(() => /answers\./.test(document.getElementById('check-heading').textContent));
        const steps = await page.locator('#check-steps p').allTextContents();
        assert.equal(steps.length, 4);
        assert.ok(steps.every((s) => s.startsWith('✓')), steps.join('\n'));
        assert.match(steps[0], /USB serial \(1A86:7523\), CH340/);
        await page.evaluate(() => document.getElementById('cmd-language').click());
        assert.equal(await page.locator('#check-heading').textContent(), 'Web Serial 1：对讲机已应答。');
        assert.match(await page.locator('#check-steps p').nth(2).textContent(), /^✓ 对讲机：Orin-6140D 已应答/);
        await page.evaluate(() => document.getElementById('cmd-language').click());
        await page.keyboard.press('Escape');
        await page.waitForSelector('#check:not([open])', { state: 'attached' });
        // The Simulated radio has no port to open, and says so.
        await page.selectOption('#port', 'sim');
        await checkConnection();
        await page.waitForFunction(() => /answers\./.test(document.getElementById('check-heading').textContent));
        assert.equal(await page.locator('#check-heading').textContent(), 'Simulated radio: the radio answers.');
        assert.equal(await page.locator('#check-steps p').first().textContent(),
            '✓ Port: the simulated radio inside this program: no cable or port to open');
        await page.keyboard.press('Escape');
        await page.waitForSelector('#check:not([open])', { state: 'attached' });
        await page.selectOption('#port', '0');
    });

    await test('a cable pulled out in the middle of a read: messages, nothing changed', async () => {
        await page.click('#cmd-read');
        await page.waitForFunction(() => Number(document.getElementById('progress-bar').value) > 40, null, { timeout: 60000 });
        bridge.pull();
        const seen = await messages();
        assert.ok(seen.length >= 2, seen.join('\n'));
        // The core's message of the block that failed (the reply, or its
        // acknowledgement), then the page's word on the port.
        assert.match(seen[0], /^(not received enough 12 byte \(\d+ arrived for address [0-9A-F]{4}\)|Error had happen,please try again)/);
        assert.match(seen[0], /The data in the program were left as they were before the read\.$/);
        assert.equal(seen.at(-1), 'The serial port was lost during the transfer (was the cable pulled out?).');
        assert.equal(await firstCell(), before);
        assert.equal(await page.locator('#cmd-undo').isDisabled(), true, 'no step was added');
    });

    await test('Cancel in the middle of a read: no message, nothing changed', async () => {
        await page.click('#cmd-read');
        await page.waitForFunction(() => Number(document.getElementById('progress-bar').value) > 20, null, { timeout: 60000 });
        await page.click('#progress-cancel');
        assert.deepEqual(await messages(), []);
        assert.equal(await firstCell(), before);
        assert.equal(await page.locator('#cmd-read').isDisabled(), false);
    });

    assert.deepEqual(errors, [], 'no error in the console');
});

test('no radio answers the wake-up: the message offers the check, which says why', async (t) => {
    const { page, errors } = await OpenPage(t, ['--fault', 'never-answer']);
    await page.click('#cmd-write');
    await page.waitForSelector('#message[open]', { timeout: 60000 });
    assert.equal(await page.locator('#message-text').textContent(), 'Synchronization Error');
    await page.getByRole('button', { name: 'Check Connection...' }).last().click();
    await page.waitForFunction(() => /does not answer/.test(document.getElementById('check-heading').textContent), null, { timeout: 60000 });
    assert.match(await page.locator('#check-steps p').nth(2).textContent(), /^✗ Radio: no answer to the wake-up/);
    assert.equal(await page.locator('#check-steps p.failed').evaluate((p) => p === document.activeElement), true,
        'the step that failed has the focus');
    assert.deepEqual(errors, [], 'no error in the console');
});

test('a radio that answers wrongly: the window\'s messages, the channels and the history as they were', async (t) => {
    // [simulate's arguments, the command, the messages in order]
    for (const [args, command, said] of [
        [['--fault', 'wrong-model'], '#cmd-read', [/^Radio model does not match$/]],
        [['--fault', 'wrong-block=30', '--reply-header', '57-00-AH-AL'], '#cmd-read',
            [/^The radio's reply was out of step .*before the read\.$/s]],
        [['--fault', 'short-reply=5:7', '--reply-header', '57-08-AH-AL'], '#cmd-read',
            [/^not received enough 12 byte \(7 arrived for address 0028\)\n/]],
        [['--fault', 'refuse=12'], '#cmd-write', [/Program Interrupt，Please reset the radio and try again.*0x15/s]],
    ]) {
        await test(args.join(' '), async (t) => {
            const { page, errors } = await OpenPage(t, args);
            const cells = () => page.locator('#grid-body tr:nth-child(-n+3)').allTextContents();
            const before = await cells();
            await page.click(command);
            const seen = [];
            for (;;) {
                await page.waitForSelector('#message[open], #progress:not([open])', { state: 'attached', timeout: 60000 });
                if (!(await page.locator('#message[open]').count())) break;
                seen.push(await page.locator('#message-text').textContent());
                await page.locator('#message-buttons button').last().click(); // OK, or Cancel of Retry/Cancel
            }
            assert.equal(seen.length, said.length, seen.join('\n'));
            said.forEach((pattern, i) => assert.match(seen[i], pattern));
            assert.deepEqual(await cells(), before);
            assert.equal(await page.locator('#cmd-undo').isDisabled(), true, 'no step was added');
            assert.deepEqual(errors, [], 'no error in the console');
        });
    }
});
