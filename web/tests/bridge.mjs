// A stand-in for navigator.serial in a page driven by playwright-core: the
// page's one serial port is a pseudo-terminal of `orinctl simulate`, its bytes
// carried by functions the page calls (the browser has no pty of its own).
import { execFileSync, spawn } from 'node:child_process';
import fs from 'node:fs';
import tty from 'node:tty';

// Starts `orinctl simulate ARGS` and opens its pseudo-terminal, raw.
export async function StartSimulatedRadio(orinctl, args = []) {
    const child = spawn(orinctl, ['simulate', ...args], { stdio: ['ignore', 'pipe', 'inherit'] });
    const device = await new Promise((resolve, reject) => {
        let text = '';
        child.stdout.on('data', (d) => {
            text += d;
            if (text.includes('\n')) resolve(text.split('\n')[0].trim());
        });
        child.on('exit', (code) => reject(new Error(`orinctl simulate ended (${code})`)));
    });
    return { child, device, stop: () => child.kill() };
}

// Gives page a navigator.serial with one port wired to device.
export async function BridgeSerial(page, device) {
    execFileSync('stty', ['-F', device, 'raw', '-echo']);
    const fd = fs.openSync(device, fs.constants.O_RDWR | fs.constants.O_NOCTTY);
    const input = new tty.ReadStream(fd);
    let queue = [];
    let pending = null;
    input.on('data', (data) => {
        queue.push(...data);
        if (pending) {
            const give = pending;
            pending = null;
            give(queue.splice(0));
        }
    });
    input.on('error', () => {});
    await page.exposeFunction('__serialOpen', () => { queue = []; });
    await page.exposeFunction('__serialRead', () =>
        queue.length ? queue.splice(0) : new Promise((resolve) => { pending = resolve; }));
    await page.exposeFunction('__serialWrite', (bytes) => { fs.writeSync(fd, Buffer.from(bytes)); });
    await page.exposeFunction('__serialClose', () => {
        pending?.(null);
        pending = null;
    });
    await page.addInitScript(() => {
        const port = {
            readable: null,
            writable: null,
            getInfo: () => ({ usbVendorId: 0x1a86, usbProductId: 0x7523 }),
            async open() {
                await window.__serialOpen();
                this.readable = new ReadableStream({
                    async pull(controller) {
                        const bytes = await window.__serialRead();
                        try {
                            if (bytes === null) controller.close();
                            else controller.enqueue(Uint8Array.from(bytes));
                        } catch {
                            // the page cancelled its reader
                        }
                    },
                });
                this.writable = new WritableStream({
                    async write(chunk) { await window.__serialWrite(Array.from(chunk)); },
                });
            },
            async close() {
                this.readable = null;
                this.writable = null;
                await window.__serialClose();
            },
        };
        Object.defineProperty(navigator, 'serial', {
            value: { getPorts: async () => [port], requestPort: async () => port, addEventListener() {} },
        });
    });
    return () => input.destroy();
}
