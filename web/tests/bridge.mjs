// A stand-in for navigator.serial in a page driven by playwright-core: the
// page's one serial port is a pseudo-terminal of `orinctl simulate`, its bytes
// carried over a WebSocket of the page's own server (the browser has no pty
// of its own). It behaves as Chromium's ports do where the page can tell: a
// write resolves once its bytes are handed on, the bytes read come as they
// arrive, a port another program holds does not open ("Failed to open serial
// port."), and a cable pulled out fails the read and the writes ("The device
// has been lost.").
import { execFileSync, spawn } from 'node:child_process';
import fs from 'node:fs';
import tty from 'node:tty';
import { WebSocketServer } from 'ws';

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

const Path = '/serial-bridge';
// Sends every message straight back: the stand-in's own round trip, with no
// radio behind it (timing.mjs).
export const EchoPath = '/serial-bridge-echo';

// Gives page a navigator.serial with one port wired to device, through
// server (the http server the page comes from). Returns the line's controls:
// held(yes) makes the port busy for the next open, pull() pulls the cable out
// of an open port, close() ends the bridge.
export async function BridgeSerial(page, server, device) {
    execFileSync('stty', ['-F', device, 'raw', '-echo']);
    const fd = fs.openSync(device, fs.constants.O_RDWR | fs.constants.O_NOCTTY);
    const input = new tty.ReadStream(fd);
    input.on('error', () => {});
    let socket = null;
    let held = false;
    input.on('data', (data) => { if (socket?.readyState === 1) socket.send(data); });
    const sockets = new WebSocketServer({ noServer: true });
    const upgrade = (request, stream, head) => {
        const path = new URL(request.url, 'http://x').pathname;
        if (path === EchoPath) {
            sockets.handleUpgrade(request, stream, head, (ws) => ws.on('message', (data) => ws.send(data)));
            return;
        }
        if (path !== Path) {
            stream.destroy();
            return;
        }
        sockets.handleUpgrade(request, stream, head, (ws) => {
            if (held) {
                ws.close(4000, 'busy');
                return;
            }
            socket?.terminate(); // the page's last close, not yet seen here
            socket = ws;
            ws.on('message', (data) => fs.writeSync(fd, data));
            ws.on('close', () => { if (socket === ws) socket = null; });
            ws.send('open');
        });
    };
    server.on('upgrade', upgrade);

    await page.addInitScript((path) => {
        const lost = () => new DOMException('The device has been lost.', 'NetworkError');
        const port = {
            readable: null,
            writable: null,
            socket: null,
            getInfo: () => ({ usbVendorId: 0x1a86, usbProductId: 0x7523 }),
            async open() {
                if (this.socket) throw new DOMException('The port is already open.', 'InvalidStateError');
                const socket = new WebSocket(`ws://${location.host}${path}`);
                socket.binaryType = 'arraybuffer';
                await new Promise((resolve, reject) => {
                    socket.onmessage = resolve;
                    socket.onclose = () => reject(new DOMException('Failed to open serial port.', 'NetworkError'));
                });
                let source;
                this.socket = socket;
                this.readable = new ReadableStream({ start(controller) { source = controller; } });
                socket.onmessage = (e) => source.enqueue(new Uint8Array(e.data));
                socket.onclose = () => {
                    try { source.error(lost()); } catch { /* already cancelled */ }
                };
                this.writable = new WritableStream({
                    write(chunk) {
                        if (socket.readyState !== WebSocket.OPEN) throw lost();
                        socket.send(chunk);
                    },
                });
            },
            async close() {
                this.socket?.close();
                this.socket = null;
                this.readable = null;
                this.writable = null;
            },
        };
        Object.defineProperty(navigator, 'serial', {
            value: { getPorts: async () => [port], requestPort: async () => port, addEventListener() {} },
        });
    }, Path);
    return {
        held: (yes) => { held = yes; },
        pull: () => socket?.terminate(),
        close: () => {
            server.off('upgrade', upgrade);
            sockets.close();
            input.destroy();
        },
    };
}
