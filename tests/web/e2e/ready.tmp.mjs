import { launch, open } from './browser.mjs';
const b = await launch();
const rows = [];
for (let i = 0; i < 8; ++i) {
  const { context, page } = await open(b, { width: 1366, height: 768, initScript: () => {
    const inst = WebAssembly.instantiate;
    WebAssembly.instantiate = function (...a) { performance.mark('wasm-start'); return inst.apply(this, a).then((r) => { performance.mark('wasm-done'); return r; }); };
    document.fonts.ready.then(() => performance.mark('fonts-ready'));
  } });
  rows.push(await page.evaluate(() => {
    const n = performance.getEntriesByType('navigation')[0];
    const m = (k) => { const e = performance.getEntriesByName(k)[0]; return e ? Math.round(e.startTime) : -1; };
    return [Math.round(n.responseEnd), Math.round(n.domInteractive), Math.round(n.domContentLoadedEventEnd), m('wasm-start'), m('wasm-done'), m('fonts-ready'), m('tavrolin-ready'), Math.round(n.loadEventEnd)];
  }));
  await context.close();
}
console.log('responseEnd domInteractive DCL wasmStart wasmDone fontsReady ready loadEnd');
rows.forEach((r) => console.log(r.join('\t')));
await b.close();
