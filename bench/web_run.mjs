// The browser program's figures: the file's size, opening it to a page
// ready for input, and whole runs (three at slow-down 1, 301 pauses of
// 10 ms, 3.01 s; one at a larger slow-down) with the page's main-thread time
// during each.
// The viewport is 1280 x 800 unless TAVROLIN_BENCH_VIEWPORT says another
// (1920x1080: the scene at about twice its size); TAVROLIN_BENCH_THROTTLE=4
// slows Chromium's CPU four times, as on a cheap school laptop.
// TAVROLIN_ENGINE=firefox or webkit (in a display) measures that engine's
// runs; the main-thread time and the throttling are Chromium's alone.
// Usage: node bench/web_run.mjs build-web/tavrolin.html [SLOWDOWN]   (bench/web_run.sh)
// TAVROLIN_BENCH_RUNS=0 leaves the runs out, for the loads alone.
import { readFileSync, statSync } from 'node:fs';
import { gzipSync } from 'node:zlib';
import { pathToFileURL } from 'node:url';
import { engine, launch, open } from '../tests/web/e2e/browser.mjs';

const html = process.argv[2];
const slowDown = Number(process.argv[3] || 1);

const bytes = statSync(html).size;
console.log(`tavrolin.html: ${bytes} bytes (${(bytes / 1024).toFixed(0)} KB), ` +
            `${(gzipSync(readFileSync(html)).length / 1024).toFixed(0)} KB gzipped`);

const [width, height] = (process.env.TAVROLIN_BENCH_VIEWPORT || '1280x800').split('x').map(Number);
const throttle = Number(process.env.TAVROLIN_BENCH_THROTTLE || 1);
console.log(`viewport ${width} x ${height}, CPU throttling ${throttle}`);
const browser = await launch();
const nominal = 3.01 * slowDown;
// Opening the page TAVROLIN_BENCH_LOADS times first: the median time to a
// page ready for input. TAVROLIN_BENCH_AGAINST names other builds of the
// page (paths, separated by spaces), opened in turn with this one, so that
// each is measured on the machine as it is at the same moments.
const loads = Number(process.env.TAVROLIN_BENCH_LOADS || 0);
if (loads > 0) {
  const pages = [html, ...(process.env.TAVROLIN_BENCH_AGAINST || '').split(' ').filter(Boolean)];
  const readies = pages.map(() => []);
  for (let i = 0; i < loads; ++i) {
    for (let p = 0; p < pages.length; ++p) {
      process.env.TAVROLIN_HTML = pages[p];
      const { context, page } = await open(browser, { width, height });
      readies[p].push(await page.evaluate(() => performance.getEntriesByName('tavrolin-ready')[0].startTime));
      await context.close();
    }
  }
  for (let p = 0; p < pages.length; ++p) {
    const r = readies[p].sort((a, b) => a - b);
    console.log(`${pages[p]}: opened to ready over ${loads} loads: median ${r[loads >> 1].toFixed(0)} ms, ` +
                `fastest ${r[0].toFixed(0)} ms, slowest ${r[loads - 1].toFixed(0)} ms`);
  }
  process.env.TAVROLIN_HTML = html;
}
const runs = process.env.TAVROLIN_BENCH_RUNS !== undefined ? Number(process.env.TAVROLIN_BENCH_RUNS)
                                                        : slowDown === 1 ? 3 : 1;
for (let i = 0; i < runs; ++i) {
  let context, page, cdp = null;
  if (engine === 'chromium') {
    context = await browser.newContext({ viewport: { width, height } });
    page = await context.newPage();
    cdp = await context.newCDPSession(page);
    await cdp.send('Performance.enable');
    if (throttle !== 1) await cdp.send('Emulation.setCPUThrottlingRate', { rate: throttle });
    await page.goto(pathToFileURL(html).href);
    await page.waitForFunction(() => document.activeElement && document.activeElement.id === 'cmdStart',
                               null, { polling: 5 });
  } else {
    process.env.TAVROLIN_HTML = html;
    ({ context, page } = await open(browser, { width, height }));
  }
  // From the navigation's start to the program's mark that it takes input.
  const ready = Math.round(await page.evaluate(() => performance.getEntriesByName('tavrolin-ready')[0].startTime));
  const scale = await page.evaluate(() => {
    const c = document.querySelector('canvas.drawing');
    return c.width / parseFloat(c.style.width);
  });
  const task = async () => cdp ? (await cdp.send('Performance.getMetrics')).metrics
    .find((m) => m.name === 'TaskDuration').value : NaN;
  // When each step reaches the screen: the page's flush, which the program
  // calls right before each pause. The run lasts from the click to the end
  // of its handler; both are taken in the page, so that the wait for the
  // run's end can poll slowly and keep off the page's main thread.
  await page.evaluate(() => {
    const page = window.TavrolinPage, flush = page.flush, announce = page.announce;
    window.shownAt = [];
    window.addEventListener('click', () => { window.clickedAt = performance.now(); }, true);
    page.flush = function (...args) { flush.apply(this, args); window.shownAt.push(performance.now()); };
    // The program tells a screen reader that the run has started and, as
    // its handler ends, that it has ended: the last word is the end.
    page.announce = function (...args) { window.doneAt = performance.now(); announce.apply(this, args); };
  });
  const before = await task();
  await page.evaluate((v) => { document.getElementById('nSpomaleni').value = String(v); }, slowDown);
  await page.click('#cmdStart');
  await page.waitForFunction(() => !window.TavrolinPage.busy(), null,
                             { polling: 250, timeout: 2 * nominal * 1000 + 30000 });
  const cpu = (await task()) - before;
  const { shown, wall } = await page.evaluate(() => ({ shown: window.shownAt,
                                                      wall: (window.doneAt - window.clickedAt) / 1000 }));
  const gaps = shown.slice(1).map((t, k) => t - shown[k]).sort((a, b) => a - b);
  console.log(`  step to step: median ${gaps[gaps.length >> 1].toFixed(2)} ms, 95th percentile ` +
              `${gaps[Math.floor(gaps.length * 0.95)].toFixed(2)} ms, largest ${gaps[gaps.length - 1].toFixed(2)} ms ` +
              `(nominal ${10 * slowDown} ms, ${gaps.length + 1} steps shown)`);
  console.log(`opened to ready: ${ready} ms; drawing at ${scale.toFixed(3)} device pixels per layout pixel; run at slow-down ${slowDown}: ${wall.toFixed(2)} s, ` +
              `${(wall / nominal).toFixed(3)} x the ${nominal} s of pauses; page main-thread time ${cpu.toFixed(3)} s`);
  await context.close();
}
await browser.close();
