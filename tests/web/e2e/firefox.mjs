// Firefox (Debian's firefox-esr) over WebDriver BiDi, driven by
// puppeteer-core, behind the few calls of Playwright's page that the checks
// use: one set of checks for every engine.
import puppeteer from 'puppeteer-core';

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

const keyNames = { ' ': 'Space' };

class Page {
  constructor(page) {
    this.raw = page;
    this.keyboard = {
      press: async (keys) => {
        const parts = keys.split('+');
        const key = parts.pop();
        for (const modifier of parts) await page.keyboard.down(modifier);
        await page.keyboard.press(keyNames[key] || key);
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
  click(selector) { return this.raw.click(selector); }
  tap(selector) { return this.raw.tap(selector); }
  evaluate(fn, arg) { return this.raw.evaluate(fn, arg); }
  waitForFunction(fn, arg, { timeout = 30000, polling = 50 } = {}) {
    return this.raw.waitForFunction(fn, { timeout, polling }, arg);
  }
  waitForTimeout(ms) { return new Promise((resolve) => setTimeout(resolve, ms)); }
  screenshot(options) { return this.raw.screenshot(options); }
  locator(selector, options = {}) { return new Locator(this.raw, selector, options.hasText); }
}

class Locator {
  constructor(page, selector, hasText) {
    this.page = page;
    this.selector = selector;
    this.hasText = hasText;
  }
  async all() {
    const found = await this.page.$$(this.selector);
    if (this.hasText === undefined) return found;
    const kept = [];
    for (const e of found) if ((await e.evaluate((el) => el.textContent)).includes(this.hasText)) kept.push(e);
    return kept;
  }
  async first() {
    const [e] = await this.all();
    if (!e) throw new Error('no element for ' + this.selector);
    return e;
  }
  locator(selector, options = {}) { return new Locator(this.page, this.selector + ' ' + selector, options.hasText); }
  async evaluate(fn, arg) { return (await this.first()).evaluate(fn, arg); }
  inputValue() { return this.evaluate((e) => e.value); }
  textContent() { return this.evaluate((e) => e.textContent); }
  isChecked() { return this.evaluate((e) => e.checked); }
  isDisabled() { return this.evaluate((e) => e.disabled); }
  getAttribute(name) { return this.evaluate((e, n) => e.getAttribute(n), name); }
  focus() { return this.evaluate((e) => e.focus()); }
  async isVisible() {
    const [e] = await this.all();
    return !!e && e.evaluate((el) => !!(el.offsetWidth || el.offsetHeight || el.getClientRects().length));
  }
  async count() { return (await this.all()).length; }
  async click() { return (await this.first()).click(); }
  async tap() { return (await this.first()).tap(); }
  async waitFor({ timeout = 30000 } = {}) {
    const until = Date.now() + timeout;
    for (;;) {
      if (await this.isVisible()) return;
      if (Date.now() > until) throw new Error('timed out waiting for ' + this.selector);
      await new Promise((resolve) => setTimeout(resolve, 50));
    }
  }
}
