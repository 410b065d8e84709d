import { chromium } from 'playwright-core';
const b = await chromium.launch({ executablePath: '/usr/bin/chromium', args: ['--headless=new', '--no-sandbox', '--disable-gpu'] });
for (let k = 0; k < 3; ++k) {
  const context = await b.newContext({ locale: 'cs-CZ' });
  const page = await context.newPage();
  await page.goto('data:text/html,<p>x</p>');
  console.log(await page.evaluate(() => {
    const t0 = performance.now();
    const s = Intl.NumberFormat.supportedLocalesOf([navigator.language]);
    const t1 = performance.now();
    const parts = new Intl.NumberFormat(s[0]).formatToParts(0.5);
    const t2 = performance.now();
    const p2 = new Intl.NumberFormat('cs').formatToParts(0.5);
    const t3 = performance.now();
    return `supportedLocalesOf ${(t1 - t0).toFixed(1)} ms, NumberFormat ${(t2 - t1).toFixed(1)} ms, again ${(t3 - t2).toFixed(1)} ms`;
  }));
  await context.close();
}
await b.close();
