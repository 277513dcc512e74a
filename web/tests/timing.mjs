// Times a read and a write by orinctl and by the page (Web Serial stand-in
// bridged to the same `orinctl simulate`), and prints the table. Not part of
// the test run: on a loaded machine the figures say little.
//   ORIN_WEB_DIST=build-web/dist ORINCTL=build/bin/orinctl node web/tests/timing.mjs
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { chromium } from 'playwright-core';
import { Serve } from '../tools/serve.mjs';
import { BridgeSerial, StartSimulatedRadio } from './bridge.mjs';

const dist = path.resolve(process.env.ORIN_WEB_DIST ?? 'build-web/dist');
const orinctl = process.env.ORINCTL ?? path.resolve('build/bin/orinctl');
const work = fs.mkdtempSync(path.join(os.tmpdir(), 'orin-timing-'));
const radio = await StartSimulatedRadio(orinctl);
const seconds = (work) => { const t = performance.now(); work(); return (performance.now() - t) / 1000; };
const file = path.join(work, 'r.sin');
const cliRead = seconds(() => execFileSync(orinctl, ['read', '--port', radio.device, '-o', file], { stdio: 'ignore' }));
const cliWrite = seconds(() => execFileSync(orinctl, ['write', '--port', radio.device, file], { stdio: 'ignore' }));

const server = await Serve(dist, 0);
const browser = await chromium.launch({ executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium', args: ['--no-sandbox'] });
const page = await browser.newPage();
const close = await BridgeSerial(page, radio.device);
await page.goto(`http://127.0.0.1:${server.address().port}/`);
await page.waitForFunction(() => window.orinReady === true);
const status = async (pattern) => {
    await page.waitForFunction((p) => new RegExp(p).test(document.getElementById('status').textContent), pattern, { timeout: 120000 });
    return Number((await page.locator('#status').textContent()).match(/in ([\d.]+) s/)[1]);
};
const result = {};
for (const port of ['0', 'sim']) {
    await page.selectOption('#port', port);
    await page.click('#cmd-read');
    result[`read ${port}`] = await status('Read 397');
    await page.click('#cmd-write');
    result[`write ${port}`] = await status('Wrote 397');
}
console.log('| transfer | orinctl | page over the bridge | ratio | page, Simulated radio |');
console.log('|---|---|---|---|---|');
console.log(`| read | ${cliRead.toFixed(1)} s | ${result['read 0']} s | ${(result['read 0'] / cliRead).toFixed(2)} | ${result['read sim']} s |`);
console.log(`| write | ${cliWrite.toFixed(1)} s | ${result['write 0']} s | ${(result['write 0'] / cliWrite).toFixed(2)} | ${result['write sim']} s |`);
await browser.close();
close();
radio.stop();
server.close();
