// WebKit, Safari's engine, as Debian's WebKitGTK has it: MiniBrowser driven
// by WebKitWebDriver over classic WebDriver (selenium-webdriver), behind the
// few calls of Playwright's page that the checks use. MiniBrowser has no
// headless mode: the test runs it in a virtual display of its own.
//
// Classic WebDriver runs no script before the page's own, so the page is
// opened from a copy of the file that has the scripts the checks ask for
// (the browser's language, an error collector) first in its head.
import { Builder, By, Key } from 'selenium-webdriver';
import { spawn } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { createServer } from 'node:net';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import { Locator } from './locator.mjs';

const driverPath = process.env.TAVROLIN_WEBKIT_DRIVER || '/usr/bin/WebKitWebDriver';

async function miniBrowser() {
  if (process.env.TAVROLIN_MINIBROWSER) return process.env.TAVROLIN_MINIBROWSER;
  const { readdirSync } = await import('node:fs');
  const lib = '/usr/lib/x86_64-linux-gnu';
  const folder = readdirSync(lib).filter((f) => /^webkit2gtk-4\./.test(f)).sort().pop();
  if (!folder) throw new Error('no WebKitGTK MiniBrowser under ' + lib + ' (scripts/install-deps.sh test)');
  return join(lib, folder, 'MiniBrowser');
}

function freePort() {
  return new Promise((resolve, reject) => {
    const server = createServer();
    server.listen(0, '127.0.0.1', () => {
      const { port } = server.address();
      server.close(() => resolve(port));
    });
    server.on('error', reject);
  });
}

// What cannot be done here is said once, not passed over in silence.
const said = new Set();
export function skipped(what) {
  if (said.has(what)) return;
  said.add(what);
  console.log('# WebKit: ' + what);
}

export async function launchWebKit() {
  if (!process.env.DISPLAY) throw new Error('WebKit needs a display: run the tests under tests/e2e/with-display.sh');
  const binary = await miniBrowser();
  const folders = [];
  return {
    close: async () => { for (const f of folders) rmSync(f, { recursive: true, force: true }); },
    async newContext({ deviceScaleFactor = 1, viewport, touch = false }) {
      if (deviceScaleFactor !== 1) skipped('the device pixel ratio is the screen\'s (1); other ratios are Chromium\'s and Firefox\'s to check');
      if (touch) skipped('no touch screen to emulate: taps are clicks, the pointer stays fine');
      const port = await freePort();
      const driver = spawn(driverPath, ['--port=' + port], { stdio: 'ignore' });
      const folder = mkdtempSync(join(tmpdir(), 'tavrolin-webkit-'));
      folders.push(folder);
      let session;
      for (let tries = 0; !session; ++tries) {
        try {
          session = await new Builder().usingServer(`http://127.0.0.1:${port}`).withCapabilities({
            browserName: 'MiniBrowser', 'webkitgtk:browserOptions': { binary, args: ['--automation'] },
          }).build();
        } catch (e) {
          if (tries >= 50) { driver.kill(); throw e; }
          await new Promise((resolve) => setTimeout(resolve, 100));
        }
      }
      const page = new Page(session, folder);
      await page.setViewport(viewport);
      return {
        page,
        close: async () => {
          try { await session.quit(); } finally { driver.kill(); }
        },
      };
    },
  };
}

const keys = { Tab: Key.TAB, Shift: Key.SHIFT, Enter: Key.ENTER, Escape: Key.ESCAPE, ' ': Key.SPACE,
               ArrowDown: Key.ARROW_DOWN, ArrowUp: Key.ARROW_UP, ArrowLeft: Key.ARROW_LEFT, ArrowRight: Key.ARROW_RIGHT };
const call = (fn) => 'return (' + fn.toString() + ').apply(null, arguments)';

// Errors the page reports, kept for the checks from before its own scripts.
function collectErrors() {
  window.__tavrolinErrors = [];
  window.addEventListener('error', (e) => window.__tavrolinErrors.push(String(e.message || e.error)));
  window.addEventListener('unhandledrejection', (e) =>
    window.__tavrolinErrors.push(String((e.reason && e.reason.message) || e.reason)));
  const error = console.error;
  console.error = function (...args) { window.__tavrolinErrors.push(args.join(' ')); return error.apply(console, args); };
}

class Page {
  constructor(session, folder) {
    this.session = session;
    this.folder = folder;
    this.scripts = [[collectErrors, undefined]];
    this.handlers = {};
    this.keyboard = {
      press: async (combination) => {
        const parts = combination.split('+').map((k) => keys[k] || k);
        const key = parts.pop();
        let actions = session.actions();
        for (const modifier of parts) actions = actions.keyDown(modifier);
        actions = actions.sendKeys(key);
        for (const modifier of parts.reverse()) actions = actions.keyUp(modifier);
        await actions.perform();
      },
    };
  }
  // The window's inside at the size asked for: MiniBrowser's own bar takes
  // part of the window.
  async setViewport({ width, height }) {
    const window = this.session.manage().window();
    await window.setRect({ width, height });
    const [innerWidth, innerHeight] = await this.session.executeScript('return [innerWidth, innerHeight]');
    await window.setRect({ width: 2 * width - innerWidth, height: 2 * height - innerHeight });
    const [w, h] = await this.session.executeScript('return [innerWidth, innerHeight]');
    if (w !== width || h !== height)
      skipped(`a window inside of ${width} x ${height} cannot be had, MiniBrowser makes it ${w} x ${h}: checked at that size`);
  }
  on(event, handler) {
    if (event === 'request') skipped('the page\'s requests are not seen through classic WebDriver; Chromium and Firefox check that there are none');
    else (this.handlers[event] ||= []).push(handler);
  }
  addInitScript(script, arg) { this.scripts.push([script, arg]); }
  async goto(url) {
    const html = readFileSync(fileURLToPath(url), 'utf8');
    const first = this.scripts.map(([f, a]) => `<script>(${f.toString()})(${JSON.stringify(a)});</script>`).join('');
    const copy = join(this.folder, 'tavrolin.html');
    writeFileSync(copy, html.replace('<head>', '<head>' + first));
    await this.session.get(pathToFileURL(copy).href);
  }
  // The errors the page has reported so far, to those who asked for them.
  async collectErrors() {
    const errors = await this.session.executeScript('return (window.__tavrolinErrors || []).splice(0)');
    for (const e of errors) for (const h of this.handlers.pageerror || []) h(e);
  }
  title() { return this.session.getTitle(); }
  async click(selector) { await (await this.session.findElement(By.css(selector))).click(); }
  tap(selector) { return this.click(selector); }
  evaluate(fn, arg) { return this.session.executeScript(call(fn), arg); }
  async waitForFunction(fn, arg, { timeout = 30000, polling = 50 } = {}) {
    const until = Date.now() + timeout;
    for (;;) {
      // While the page is still loading a script may not run yet: asked again.
      let error = null;
      try {
        if (await this.session.executeScript(call(fn), arg)) return;
      } catch (e) {
        error = e;
      }
      if (Date.now() > until) throw error || new Error('timed out waiting for ' + fn.toString());
      await new Promise((resolve) => setTimeout(resolve, polling));
    }
  }
  waitForTimeout(ms) { return new Promise((resolve) => setTimeout(resolve, ms)); }
  async screenshot({ path }) { writeFileSync(path, Buffer.from(await this.session.takeScreenshot(), 'base64')); }
  locator(selector, options = {}) {
    const session = this.session;
    return new Locator({
      all: (s) => session.findElements(By.css(s)),
      evaluate: (element, fn, arg) =>
        session.executeScript('return (' + fn.toString() + ')(arguments[0], arguments[1])', element, arg),
      click: (element) => element.click(),
      tap: (element) => element.click(),
    }, selector, options.hasText);
  }
}
