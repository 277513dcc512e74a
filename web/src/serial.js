// The serial line of the page: a Web Serial port as the core's transfer
// session needs it (Module.serial), and the waits of the protocol.

// Waits at least ms milliseconds, and not much longer: the protocol makes
// about a thousand short waits a transfer, so a millisecond late each is a
// second in all. The page's own timers fire up to a millisecond late, 4 ms
// at the least once they nest five deep (each wait resumes in the timer of
// the one before), and once a second at most while the page's tab is in the
// background, where a read would take many minutes and the radio would give
// up. So the timer runs in a worker (timer.js), whose timers keep their
// time, until shortly before the end, and message-channel turns (a few
// microseconds each) take the wait up to the end.
const channel = new MessageChannel();
const turns = [];
channel.port1.onmessage = () => turns.shift()?.();
function Turn() {
    return new Promise((resolve) => {
        turns.push(resolve);
        channel.port2.postMessage(0);
    });
}
const timer = new Worker(new URL('timer.js', import.meta.url));
const timers = new Map();
let lastTimer = 0;
timer.onmessage = (e) => {
    timers.get(e.data)?.();
    timers.delete(e.data);
};
function After(ms) {
    return new Promise((resolve) => {
        timers.set(++lastTimer, resolve);
        timer.postMessage({ id: lastTimer, ms });
    });
}
const TimerLateMs = 1.5;
export async function Sleep(ms) {
    const end = performance.now() + ms;
    const early = end - TimerLateMs - performance.now();
    if (early >= 1) await After(early);
    while (performance.now() < end) await Turn();
}

// One open Web Serial port: a reader that collects the bytes as they come, and
// reads that end on n bytes, on a gap after the first byte or on the total
// timeout, as the core's RadioLink describes.
export class SerialLine {
    constructor(port) {
        this.port = port;
        this.received = [];
        this.waiter = null;
        this.reader = null;
        this.writer = null;
        this.failed = false;
    }

    // Opens the port at 9600 8N1; returns why it could not be opened, or ''.
    async open() {
        try {
            await this.port.open({ baudRate: 9600, dataBits: 8, parity: 'none', stopBits: 1, bufferSize: 1024 });
        } catch (e) {
            return e?.message || String(e);
        }
        this.failed = false;
        this.received = [];
        this.writer = this.port.writable.getWriter();
        this.pump = this.readLoop();
        return '';
    }

    async readLoop() {
        try {
            this.reader = this.port.readable.getReader();
            for (;;) {
                const { value, done } = await this.reader.read();
                if (done) break;
                for (const byte of value) this.received.push(byte);
                this.waiter?.();
            }
        } catch {
            this.failed = true; // the cable was pulled out, or the port lost
            this.waiter?.();
        } finally {
            this.reader?.releaseLock();
            this.reader = null;
        }
    }

    purge() {
        this.received = [];
    }

    waiting() {
        return this.received.length;
    }

    // Hands the bytes to the port and returns at once, false when the port
    // has failed: the port sends them in order, and a purge drops only bytes
    // received, so nothing waits for them to leave. A write the port refuses
    // fails the reads and writes after it.
    write(bytes) {
        if (this.failed || !this.writer) return false;
        this.writer.write(bytes).catch(() => {
            this.failed = true;
            this.waiter?.();
        });
        return true;
    }

    // Resolves with the bytes read (fewer on a timeout), or null on a port error.
    async read(n, intervalMs, totalMs) {
        const start = performance.now();
        let lastCount = this.received.length;
        let lastByteAt = lastCount > 0 ? start : 0;
        for (;;) {
            if (this.received.length >= n || this.failed) break;
            const now = performance.now();
            if (this.received.length !== lastCount) {
                lastCount = this.received.length;
                lastByteAt = now;
            }
            const left = lastByteAt ? lastByteAt + intervalMs - now : start + totalMs - now;
            if (left <= 0 || now - start >= totalMs) break;
            // Woken by the next bytes or by the worker's timer, which keeps its
            // time in a background tab (the page's own waits a second there at
            // the least, so a radio that stopped answering would be told late).
            await new Promise((resolve) => {
                let woken = false;
                const done = () => {
                    if (woken) return;
                    woken = true;
                    if (this.waiter === done) this.waiter = null;
                    resolve();
                };
                this.waiter = done;
                After(Math.max(1, Math.min(left, start + totalMs - now))).then(done);
            });
        }
        if (this.failed && this.received.length < n) return null;
        return Uint8Array.from(this.received.splice(0, n));
    }

    async close() {
        try {
            this.writer?.releaseLock();
            this.writer = null;
            await this.reader?.cancel();
            await this.pump;
            await this.port.close();
        } catch {
            // a port that is gone is closed
        }
    }
}
