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
import { closeSync, mkdtempSync, openSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { connect, createServer } from 'node:net';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import { hangGuard } from './hang-guard.mjs';
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

const pause = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// Waits until the driver takes connections on its port; it may take long to
// start on a busy machine, but not for ever, and not once it has ended.
async function listening(port, driver, log) {
  const until = Date.now() + hangGuard;
  for (;;) {
    const accepted = await new Promise((resolve) => {
      const socket = connect(port, '127.0.0.1');
      socket.once('connect', () => { socket.destroy(); resolve(true); });
      socket.once('error', () => resolve(false));
    });
    if (accepted) return;
    if (driver.exitCode !== null || driver.signalCode !== null)
      throw new Error('WebKitWebDriver ended before it took connections' + webkitLog(log));
    if (Date.now() > until) throw new Error('WebKitWebDriver took no connection on port ' + port + ' in a minute' + webkitLog(log));
    await pause(50);
  }
}

// What WebKit wrote (the driver, MiniBrowser and its web process share the
// log): a failed command says it, so that a page whose web process ended
// ("WebProcess CRASHED") is told from a failing check.
function webkitLog(log) {
  let text = '';
  try { text = readFileSync(log, 'utf8').trim(); } catch { /* no log yet */ }
  return text ? '\nWebKit wrote:\n' + text.split('\n').slice(-20).join('\n') : '';
}
function explainingFailures(session, log) {
  const executor = session.getExecutor();
  const execute = executor.execute.bind(executor);
  executor.execute = (command) => execute(command).catch((e) => {
    e.message += webkitLog(log);
    throw e;
  });
}

// WebKitGTK draws a 2D canvas with the GPU, which on a machine without one
// is Mesa's software renderer (llvmpipe). There its web process ended in
// the middle of most suite runs: WebKit's own crash (SIGILL) under a call
// of the page's script, or glibc finding its heap corrupted. Drawn in
// memory, it never did. The page's pixels are the same either way.
// (bench/canvas_pace.mjs compares the two: TAVROLIN_WEBKIT_GPU_CANVAS=1.)
const browserArgs = ['--automation',
                     `--enable-2d-canvas-acceleration=${process.env.TAVROLIN_WEBKIT_GPU_CANVAS === '1'}`];

export async function launchWebKit() {
  if (!process.env.DISPLAY) throw new Error('WebKit needs a display: run the tests under tests/e2e/with-display.sh');
  const binary = await miniBrowser();
  const folders = [];
  return {
    close: async () => { for (const f of folders) rmSync(f, { recursive: true, force: true }); },
    async newContext({ deviceScaleFactor = 1, viewport, touch = false }) {
      if (deviceScaleFactor !== 1) skipped('the device pixel ratio is the screen\'s (1); other ratios are Chromium\'s and Firefox\'s to check');
      if (touch) skipped('no touch screen to emulate: taps are clicks, the pointer stays fine');
      const folder = mkdtempSync(join(tmpdir(), 'tavrolin-webkit-'));
      folders.push(folder);
      const log = join(folder, 'webkit.log');
      const out = openSync(log, 'a');
      const port = await freePort();
      const driver = spawn(driverPath, ['--port=' + port], { stdio: ['ignore', out, out] });
      closeSync(out);
      const ended = new Promise((resolve) => driver.once('exit', resolve));
      const stop = async () => {
        driver.kill();
        if (await Promise.race([ended.then(() => true), pause(10000).then(() => false)])) return;
        driver.kill('SIGKILL');
        await ended;
      };
      let session;
      try {
        await listening(port, driver, log);
        session = await new Builder().usingServer(`http://127.0.0.1:${port}`).withCapabilities({
          browserName: 'MiniBrowser', 'webkitgtk:browserOptions': { binary, args: browserArgs },
        }).build();
      } catch (e) {
        await stop();
        e.message += webkitLog(log);
        throw e;
      }
      explainingFailures(session, log);
      const page = new Page(session, folder);
      try {
        await page.setViewport(viewport);
      } catch (e) {
        await session.quit().catch(() => {});
        await stop();
        throw e;
      }
      return {
        page,
        close: async () => {
          try { await session.quit(); } finally { await stop(); }
        },
      };
    },
  };
}

const keys = { Tab: Key.TAB, Shift: Key.SHIFT, Enter: Key.ENTER, Escape: Key.ESCAPE, ' ': Key.SPACE,
               ArrowDown: Key.ARROW_DOWN, ArrowUp: Key.ARROW_UP, ArrowLeft: Key.ARROW_LEFT, ArrowRight: Key.ARROW_RIGHT,
               Backspace: Key.BACK_SPACE, PageUp: Key.PAGE_UP, PageDown: Key.PAGE_DOWN };
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
    const address = new URL(url);
    const html = readFileSync(fileURLToPath(address), 'utf8');
    const first = this.scripts.map(([f, a]) => `<script>(${f.toString()})(${JSON.stringify(a)});</script>`).join('');
    const copy = join(this.folder, 'tavrolin.html');
    writeFileSync(copy, html.replace('<head>', () => '<head>' + first));
    await this.session.get(pathToFileURL(copy).href + address.search);
  }
  // The errors the page has reported so far, to those who asked for them.
  async collectErrors() {
    const errors = await this.session.executeScript('return (window.__tavrolinErrors || []).splice(0)');
    for (const e of errors) for (const h of this.handlers.pageerror || []) h(e);
  }
  title() { return this.session.getTitle(); }
  // position: where in the element, from its top-left corner (WebDriver
  // counts from its centre).
  async click(selector, { position } = {}) {
    const element = await this.session.findElement(By.css(selector));
    if (!position) return element.click();
    const { width, height } = await element.getRect();
    await this.session.actions()
      .move({ origin: element, x: Math.round(position.x - width / 2), y: Math.round(position.y - height / 2) })
      .click().perform();
  }
  tap(selector) { return this.click(selector); }
  evaluate(fn, arg) { return this.session.executeScript(call(fn), arg); }
  async waitForFunction(fn, arg, { timeout = hangGuard, polling = 50 } = {}) {
    const until = Date.now() + timeout;
    for (;;) {
      // While the page is still loading a script may not run yet: asked again.
      let error = null;
      try {
        if (await this.session.executeScript(call(fn), arg)) return;
      } catch (e) {
        if (e.name === 'NoSuchSessionError') throw e; // the browser is gone
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
