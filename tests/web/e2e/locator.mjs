// Playwright's locator, as far as the checks use it, over an engine's
// element calls: all(selector), evaluate(element, fn, arg), click(element),
// tap(element).
import { hangGuard } from './hang-guard.mjs';

export class Locator {
  constructor(elements, selector, hasText) {
    this.elements = elements;
    this.selector = selector;
    this.hasText = hasText;
  }
  async all() {
    const found = await this.elements.all(this.selector);
    if (this.hasText === undefined) return found;
    const kept = [];
    for (const e of found)
      if ((await this.elements.evaluate(e, (el) => el.textContent)).includes(this.hasText)) kept.push(e);
    return kept;
  }
  async first() {
    const [e] = await this.all();
    if (!e) throw new Error('no element for ' + this.selector);
    return e;
  }
  locator(selector, options = {}) { return new Locator(this.elements, this.selector + ' ' + selector, options.hasText); }
  async evaluate(fn, arg) { return this.elements.evaluate(await this.first(), fn, arg); }
  inputValue() { return this.evaluate((e) => e.value); }
  textContent() { return this.evaluate((e) => e.textContent); }
  isChecked() { return this.evaluate((e) => e.checked); }
  isDisabled() { return this.evaluate((e) => e.disabled); }
  getAttribute(name) { return this.evaluate((e, n) => e.getAttribute(n), name); }
  focus() { return this.evaluate((e) => e.focus()); }
  async isVisible() {
    const [e] = await this.all();
    return !!e && this.elements.evaluate(e, (el) => !!(el.offsetWidth || el.offsetHeight || el.getClientRects().length));
  }
  async count() { return (await this.all()).length; }
  async click() { return this.elements.click(await this.first()); }
  async tap() { return this.elements.tap(await this.first()); }
  async waitFor({ timeout = hangGuard } = {}) {
    const until = Date.now() + timeout;
    for (;;) {
      if (await this.isVisible()) return;
      if (Date.now() > until) throw new Error('timed out waiting for ' + this.selector);
      await new Promise((resolve) => setTimeout(resolve, 50));
    }
  }
}
