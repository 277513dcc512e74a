// The page's timer for the protocol's waits (serial.js): answers {id, ms}
// with the id after ms milliseconds. A worker's timers keep their time while
// the page's tab is in the background; the page's own are held back there.
onmessage = (e) => setTimeout(() => postMessage(e.data.id), e.data.ms);
