// Times a read and a write by orinctl and by the page (Web Serial stand-in
// bridged to the same `orinctl simulate`), against a radio that answers at
// once and one that takes a 9600-baud line's time (--line-timing), and the
// page's own Simulated radio; prints the table of the medians of RUNS runs
// (3). Not part of the test run: on a loaded machine the figures say little.
//   ORIN_WEB_DIST=build-web/dist ORINCTL=build/bin/orinctl node web/tests/timing.mjs
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { chromium } from 'playwright-core';
import { Serve } from '../tools/serve.mjs';
import { BridgeSerial, EchoPath, StartSimulatedRadio } from './bridge.mjs';

const dist = path.resolve(process.env.ORIN_WEB_DIST ?? 'build-web/dist');
const orinctl = process.env.ORINCTL ?? path.resolve('build/bin/orinctl');
const work = fs.mkdtempSync(path.join(os.tmpdir(), 'orin-timing-'));
const file = path.join(work, 'r.sin');
const runs = Number(process.env.RUNS ?? 3);
const seconds = (work) => { const t = performance.now(); work(); return (performance.now() - t) / 1000; };
const median = (values) => [...values].sort((a, b) => a - b)[values.length >> 1];
// The median of runs calls of times(), for a read and for a write.
async function Median(times) {
    const all = [];
    for (let i = 0; i < runs; ++i) all.push(await times());
    return { read: median(all.map((t) => t.read)), write: median(all.map((t) => t.write)) };
}

const server = await Serve(dist, 0);
const browser = await chromium.launch({ executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium', args: ['--no-sandbox'] });

// Reads and writes through the page's port; returns the seconds the page shows.
async function PageTimes(page, port) {
    const status = async (pattern) => {
        await page.waitForFunction((p) => new RegExp(p).test(document.getElementById('status').textContent), pattern, { timeout: 120000 });
        return Number((await page.locator('#status').textContent()).match(/in ([\d.]+) s/)[1]);
    };
    const run = async (button, pattern) => {
        await page.evaluate(() => { document.getElementById('status').textContent = ''; });
        await page.click(button);
        return status(pattern);
    };
    await page.selectOption('#port', port);
    const read = await run('#cmd-read', 'Read 397');
    return { read, write: await run('#cmd-write', 'Wrote 397') };
}

// The median round trip of one byte through the stand-in and back, 5 ms apart
// as a transfer's replies come: what the page pays for the stand-in.
async function EchoMs(page) {
    return page.evaluate(async (path) => {
        const socket = new WebSocket(`ws://${location.host}${path}`);
        await new Promise((resolve) => { socket.onopen = resolve; });
        const times = [];
        for (let i = 0; i < 400; ++i) {
            await new Promise((resolve) => setTimeout(resolve, 5));
            const start = performance.now();
            socket.send(new Uint8Array([6]));
            await new Promise((resolve) => { socket.onmessage = resolve; });
            times.push(performance.now() - start);
        }
        socket.close();
        return times.sort((a, b) => a - b)[200];
    }, EchoPath);
}

let echoed = 0;
console.log('| radio | transfer | orinctl | page over the bridge | ratio | page, Simulated radio |');
console.log('|---|---|---|---|---|---|');
for (const [name, args] of [['answers at once', []], ['9600-baud line', ['--line-timing']]]) {
    const radio = await StartSimulatedRadio(orinctl, args);
    const cli = await Median(() => ({
        read: seconds(() => execFileSync(orinctl, ['read', '--port', radio.device, '-o', file], { stdio: 'ignore' })),
        write: seconds(() => execFileSync(orinctl, ['write', '--port', radio.device, file], { stdio: 'ignore' })),
    }));
    const page = await browser.newPage();
    const bridge = await BridgeSerial(page, server, radio.device);
    await page.goto(`http://127.0.0.1:${server.address().port}/`);
    await page.waitForFunction(() => window.orinReady === true);
    if (!echoed) echoed = await EchoMs(page);
    const line = await Median(() => PageTimes(page, '0'));
    const simulated = await Median(() => PageTimes(page, 'sim'));
    for (const transfer of ['read', 'write']) {
        console.log(`| ${name} | ${transfer} | ${cli[transfer].toFixed(1)} s | ${line[transfer]} s | ` +
            `${(line[transfer] / cli[transfer]).toFixed(2)} | ${simulated[transfer]} s |`);
    }
    await page.close();
    bridge.close();
    radio.stop();
}
console.log(`\nThe stand-in's own round trip (a byte to the bridge and back, no radio): median ${echoed.toFixed(2)} ms.`);
await browser.close();
server.close();
