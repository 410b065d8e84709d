import { launch, open } from './browser.mjs';
const b = await launch();
const { page } = await open(b, { width: 1920, height: 1080 });
await page.evaluate(() => {
  const p = window.TavrolinPage, flush = p.flush;
  window.rects = [];
  p.flush = function (pixels, width, height, rects, count) {
    const r = HEAP32.subarray(rects >> 2, (rects >> 2) + 4 * count);
    window.rects.push({ w: width, h: height, n: count, area: Array.from({ length: count }, (_, i) => r[4 * i + 2] * r[4 * i + 3]).reduce((a, b) => a + b, 0) });
    return flush.apply(this, arguments);
  };
});
await page.click('#cmdStart');
await page.waitForFunction(() => !window.TavrolinPage.busy(), null, { polling: 250, timeout: 60000 });
const r = await page.evaluate(() => window.rects);
const areas = r.map((x) => x.area).sort((a, b) => a - b);
const ns = r.map((x) => x.n).sort((a, b) => a - b);
console.log('flushes', r.length, 'canvas', r[0].w, r[0].h, 'area median', areas[areas.length >> 1], 'p95', areas[Math.floor(areas.length * 0.95)], 'max', areas[areas.length - 1], 'total', areas.reduce((a, b) => a + b, 0), 'rects median', ns[ns.length >> 1], 'max', ns[ns.length - 1]);
await b.close();
