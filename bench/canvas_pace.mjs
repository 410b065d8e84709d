// How an engine keeps the program's pace without the program: a page that
// only paces 301 steps 10 ms apart, then one that also puts a drawing's
// changed rectangles on a canvas each step, as the page's flush does (by
// default the pattern measured in the program at 1366 x 768: a 1127 x 768
// drawing, three rectangles of 239,000 pixels in all per step).
// TAVROLIN_ENGINE as for the tests; for WebKit, TAVROLIN_WEBKIT_GPU_CANVAS=1
// draws the 2D canvas with the GPU (WebKitGTK's default; llvmpipe here).
// Usage: node bench/canvas_pace.mjs [WIDTH HEIGHT AREA COUNT]
import { fileURLToPath } from 'node:url';
import { engine, launch, open } from '../tests/web/e2e/browser.mjs';

const [width, height, area, count] = (process.argv.length > 2 ? process.argv.slice(2) : [1127, 768, 239000, 3])
  .map(Number);
process.env.TAVROLIN_HTML = fileURLToPath(new URL('canvas_pace.html', import.meta.url));
const browser = await launch();
console.log(`drawing ${width} x ${height}, ${count} rectangles of ${area} pixels in all per step`);
for (const mode of ['timers', 'timers', 'upload', 'upload']) {
  const { context, page } = await open(browser, { width: 1366, height: 768, ready: false });
  // The page's main-thread time, where the engine tells it (Chromium).
  const cdp = engine === 'chromium' ? await context.newCDPSession(page) : null;
  if (cdp) await cdp.send('Performance.enable');
  const task = async () => cdp ? (await cdp.send('Performance.getMetrics')).metrics
    .find((m) => m.name === 'TaskDuration').value : NaN;
  const before = await task();
  await page.evaluate((a) => { window.pace(a[0], a[1], a[2], 301, a[3], a[4]); }, [mode, width, height, area, count]);
  await page.waitForFunction(() => window.paced !== null, null, { polling: 250, timeout: 60000 });
  const cpu = (await task()) - before;
  const p = await page.evaluate(() => window.paced);
  console.log(`  ${mode === 'timers' ? 'pacing only' : 'pacing and upload'}: ${p.ratio.toFixed(3)} x; step to step ` +
              `median ${p.median.toFixed(2)} ms, 95th percentile ${p.p95.toFixed(2)} ms, largest ${p.largest.toFixed(2)} ms; ` +
              `upload per step ${p.upload.toFixed(2)} ms; wake-up after the deadline ${p.late.toFixed(2)} ms (medians); ` +
              `main-thread time ${cpu.toFixed(3)} s`);
  await context.close();
}
await browser.close();
