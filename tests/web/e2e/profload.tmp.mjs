import { chromium } from 'playwright-core';
import { pathToFileURL } from 'node:url';
const b = await chromium.launch({ executablePath: '/usr/bin/chromium', args: ['--headless=new', '--no-sandbox', '--disable-gpu'] });
const totals = new Map();
for (let k = 0; k < 5; ++k) {
const context = await b.newContext({ viewport: { width: 1366, height: 768 } });
const page = await context.newPage();
const cdp = await context.newCDPSession(page);
await cdp.send('Profiler.enable');
await cdp.send('Profiler.setSamplingInterval', { interval: 50 });
await cdp.send('Profiler.start');
await page.goto(pathToFileURL(process.env.HTML).href);
await page.waitForFunction(() => performance.getEntriesByName('tavrolin-ready').length > 0, null, { polling: 5 });
const { profile } = await cdp.send('Profiler.stop');
const dt = profile.timeDeltas; const byId = new Map(profile.nodes.map((n) => [n.id, n]));
profile.samples.forEach((id, i) => { const n = byId.get(id); const key = n.callFrame.functionName || '(' + n.callFrame.url.slice(-12) + ')'; totals.set(key, (totals.get(key) || 0) + (dt[i] || 0) / 5); });
await context.close();
}
[...totals.entries()].sort((a, b) => b[1] - a[1]).slice(0, 25).forEach(([k, v]) => console.log((v / 1000).toFixed(1).padStart(8), k));
await b.close();
