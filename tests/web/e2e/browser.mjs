// Debian's Chromium, headless, driven by playwright-core: never a browser
// of Playwright's own. The page under test is the built tavrolin.html,
// opened from file:// as a teacher would open it from a USB stick.
import { chromium } from 'playwright-core';
import { pathToFileURL } from 'node:url';
import { hangGuard } from './hang-guard.mjs';

const flags = ['--headless=new', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
               '--disable-background-networking', '--disable-component-update', '--disable-sync',
               '--disable-background-timer-throttling', '--disable-renderer-backgrounding'];

// The engine TAVROLIN_ENGINE names: chromium (the default), firefox or
// webkit.
export const engine = process.env.TAVROLIN_ENGINE || 'chromium';

export async function launch() {
  if (engine === 'firefox') return (await import('./firefox.mjs')).launchFirefox();
  if (engine === 'webkit') return (await import('./webkit.mjs')).launchWebKit();
  if (engine !== 'chromium') throw new Error('TAVROLIN_ENGINE names no engine these tests know: ' + engine);
  return chromium.launch({ executablePath: process.env.TAVROLIN_CHROMIUM || '/usr/bin/chromium', args: flags,
                           headless: true });
}

// The program opened in a new page, ready for input (Start has the focus),
// unless told not to wait for that; initScript runs in the page before the
// program. Every request the page makes is written down.
// A touch screen is a phone's or a tablet's: a finger for a pointer.
// `query` is the address's query, as a teacher's link may have one.
export async function open(browser, { locale = 'cs-CZ', scale = 1, width = 1366, height = 768, touch = false,
                                      initScript = null, ready = true, query = '' } = {}) {
  const file = process.env.TAVROLIN_HTML;
  if (!file) throw new Error('TAVROLIN_HTML names no tavrolin.html');
  let context, page;
  if (engine === 'chromium') {
    context = await browser.newContext({ locale, deviceScaleFactor: scale, viewport: { width, height },
                                         isMobile: touch, hasTouch: touch });
    context.setDefaultTimeout(hangGuard);
    page = await context.newPage();
  } else {
    // An engine that takes no language per page reports the one asked for.
    ({ page, ...context } = await browser.newContext({ deviceScaleFactor: scale, viewport: { width, height },
                                                      touch }));
    await page.addInitScript((language) => {
      Object.defineProperty(Navigator.prototype, 'language', { get: () => language, configurable: true });
      Object.defineProperty(Navigator.prototype, 'languages', { get: () => [language], configurable: true });
    }, locale);
  }
  const requests = [];
  const errors = [];
  page.on('request', (r) => requests.push(r.url()));
  page.on('pageerror', (e) => errors.push(String(e)));
  page.on('console', (m) => { if (m.type() === 'error') errors.push(m.text()); });
  if (initScript) await page.addInitScript(initScript);
  await page.goto(pathToFileURL(file).href + (query ? '?' + query : ''));
  if (ready) await page.waitForFunction(() => document.activeElement && document.activeElement.id === 'cmdStart');
  // The errors reported so far (an engine that cannot report them as they
  // come is asked now).
  const errorsNow = async () => {
    if (page.collectErrors) await page.collectErrors();
    return errors;
  };
  return { context, page, requests, errors, errorsNow };
}

// Checks of the drawing, run inside the page on the canvas's own pixels
// (the buffer that the program drew, device pixels). Positions are layout
// pixels; a layout pixel covers the device pixels between its scaled edges.
export async function picture(page, checks) {
  return page.evaluate(([source, checks]) => {
    const run = new Function('return ' + source)();
    return run(checks);
  }, [pictureChecks.toString(), checks]);
}

function pictureChecks(checks) {
  const canvas = document.querySelector('canvas.drawing');
  const scale = canvas.width / parseFloat(canvas.style.width);
  const data = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
  const colours = { silver: 0xC0C0C0, glass: 0xC0FFFF, foreground: 0x030043, black: 0x000000, green: 0x00FF00, blue: 0x0000FF,
                    red: 0xFF0000, paleRed: 0xFFC0C0 };
  const at = (x, y) => {
    if (x < 0 || y < 0 || x >= canvas.width || y >= canvas.height) return -1;
    const i = (y * canvas.width + x) * 4;
    return (data[i] << 16) | (data[i + 1] << 8) | data[i + 2];
  };
  const device = (v) => Math.floor(v * scale + 0.5);
  const count = ([left, top, width, height], colour) => {
    let n = 0;
    for (let y = device(top); y < device(top + height); ++y)
      for (let x = device(left); x < device(left + width); ++x) n += at(x, y) === colour;
    return n;
  };
  const allOf = (area, colour) => {
    const [left, top, width, height] = area;
    return count(area, colour) === (device(left + width) - device(left)) * (device(top + height) - device(top));
  };
  const near = (x, y, colour) => {
    const cx = device(x), cy = device(y), reach = Math.ceil(scale);
    for (let dy = -reach; dy <= reach; ++dy)
      for (let dx = -reach; dx <= reach; ++dx) if (at(cx + dx, cy + dy) === colour) return true;
    return false;
  };
  // 0.02 (a² + b² − 2ab cos φ) with a = 50, b = 50 n, at every fifth thickness.
  const pointsFound = ({ frequency = 1, length = 1 }, colour) => {
    const a = 50, b = 50 * length, step = 1.57041 / 100 * 5 * frequency;
    let found = 0;
    for (let t = 0; t <= 300; t += 5) {
      const value = 0.02 * (a * a + b * b - 2 * a * b * Math.cos(step * t));
      found += near(420 + value, 190.5 + t, colour);
    }
    return found;
  };
  const out = { scale, width: canvas.width, height: canvas.height };
  for (const [name, check] of Object.entries(checks)) {
    const colour = colours[check.colour];
    if (check.points) out[name] = pointsFound(check.points, colour);
    else if (check.all) out[name] = allOf(check.all, colour);
    else if (check.count) out[name] = count(check.count, colour);
    else if (check.widthAt) {
      // How many device pixels of the colour a column crosses, down from y.
      const [x, y0, y1] = check.widthAt;
      let n = 0;
      for (let y = device(y0); y < device(y1); ++y) n += at(device(x), y) === colour;
      out[name] = n;
    }
  }
  return out;
}

// The run's end: the plate is glass-coloured in two patches clear of the
// final rays and the axis label.
export const plate = { left: { all: [32, 300, 30, 90], colour: 'glass' },
                       right: { all: [340, 250, 55, 100], colour: 'glass' } };

export async function waitForRunEnd(page, timeout = hangGuard) {
  await page.waitForFunction(() => window.TavrolinPage && !window.TavrolinPage.busy(), null,
                             { timeout, polling: 50 });
}

// Where the program stands on the screen, in CSS pixels: whatever of it
// lies outside the window, the smallest touch target of the panel, and
// whether the page scrolls.
export async function screenFacts(page) {
  return page.evaluate(() => {
    const rect = (e) => e.getBoundingClientRect();
    const outside = (r) => r.left < -0.5 || r.top < -0.5 || r.right > innerWidth + 0.5 || r.bottom > innerHeight + 0.5;
    const shown = [...document.querySelectorAll('#tavrolin, [data-name], dialog.box button')]
      .filter((e) => e.offsetParent !== null || e.id === 'tavrolin');
    const targets = [...document.querySelectorAll('.panel [data-name]:not(fieldset), dialog.box button')]
      .filter((e) => e.offsetParent !== null).map((e) => ({ name: e.dataset.name || e.textContent, r: rect(e) }));
    const scene = rect(document.getElementById('tavrolin'));
    return {
      offScreen: shown.filter((e) => outside(rect(e))).map((e) => e.id || e.textContent),
      smallTargets: targets.filter((t) => t.r.width < 44 || t.r.height < 44).map((t) => t.name),
      targets: targets.length,
      scrolls: document.documentElement.scrollWidth > innerWidth || document.documentElement.scrollHeight > innerHeight ||
               scrollX !== 0 || scrollY !== 0,
      touch: document.body.classList.contains('touch'),
      width: innerWidth,
      height: innerHeight,
      scene: [scene.left, scene.top, scene.width, scene.height],
      panelBottom: rect(document.querySelector('.panel')).bottom,
    };
  });
}
