// Firefox (Debian's firefox-esr) over WebDriver BiDi, driven by
// puppeteer-core, behind the few calls of Playwright's page that the checks
// use: one set of checks for every engine.
import puppeteer from 'puppeteer-core';
import { hangGuard } from './hang-guard.mjs';
import { Locator } from './locator.mjs';

export async function launchFirefox() {
  const browser = await puppeteer.launch({
    browser: 'firefox', protocol: 'webDriverBiDi', headless: true,
    executablePath: process.env.TAVROLIN_FIREFOX || '/usr/bin/firefox-esr',
    // Nothing of the network: no updates, no telemetry, no captive portal.
    extraPrefsFirefox: { 'app.update.enabled': false, 'network.captive-portal-service.enabled': false,
                         'datareporting.policy.dataSubmissionEnabled': false, 'browser.safebrowsing.malware.enabled': false,
                         'browser.safebrowsing.phishing.enabled': false },
  });
  return {
    close: () => browser.close(),
    async newContext({ deviceScaleFactor = 1, viewport, touch = false }) {
      const context = await browser.createBrowserContext();
      const page = await context.newPage();
      await page.setViewport({ ...viewport, deviceScaleFactor, isMobile: touch, hasTouch: touch });
      return { close: () => context.close(), page: new Page(page) };
    },
  };
}

class Page {
  constructor(page) {
    this.raw = page;
    this.keyboard = {
      press: async (keys) => {
        const parts = keys.split('+');
        const key = parts.pop();
        for (const modifier of parts) await page.keyboard.down(modifier);
        await page.keyboard.press(key);
        for (const modifier of parts.reverse()) await page.keyboard.up(modifier);
      },
    };
  }
  on(event, handler) {
    if (event === 'request') this.raw.on('request', (r) => handler({ url: () => r.url() }));
    else if (event === 'console') this.raw.on('console', (m) => handler({ type: () => m.type(), text: () => m.text() }));
    else this.raw.on(event, handler);
  }
  addInitScript(script, arg) { return this.raw.evaluateOnNewDocument(script, arg); }
  goto(url) { return this.raw.goto(url); }
  title() { return this.raw.title(); }
  // position: where in the element, from its top-left corner.
  click(selector, { position } = {}) { return this.raw.click(selector, position ? { offset: position } : {}); }
  tap(selector) { return this.raw.tap(selector); }
  evaluate(fn, arg) { return this.raw.evaluate(fn, arg); }
  waitForFunction(fn, arg, { timeout = hangGuard, polling = 50 } = {}) {
    return this.raw.waitForFunction(fn, { timeout, polling }, arg);
  }
  waitForTimeout(ms) { return new Promise((resolve) => setTimeout(resolve, ms)); }
  screenshot(options) { return this.raw.screenshot(options); }
  locator(selector, options = {}) { return new Locator(elements(this.raw), selector, options.hasText); }
}

// What the shared locator needs of puppeteer's elements.
function elements(page) {
  return {
    all: (selector) => page.$$(selector),
    evaluate: (element, fn, arg) => element.evaluate(fn, arg),
    click: (element) => element.click(),
    tap: (element) => element.tap(),
  };
}
