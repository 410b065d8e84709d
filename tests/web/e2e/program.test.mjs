// The browser program end to end: what a teacher sees and does on the page.
import { after, before, describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { engine, launch, open, picture, plate, screenFacts, waitForRunEnd } from './browser.mjs';
import { readFileSync } from 'node:fs';

let browser;
before(async () => { browser = await launch(); });
after(async () => { await browser?.close(); });

async function withPage(options, body) {
  const opened = await open(browser, options);
  try {
    await body(opened);
    assert.deepEqual(await opened.errorsNow(), [], 'the page reported errors');
  } finally {
    await opened.context.close();
  }
}

// A control's place in the scene, in layout pixels whatever the scene's scale.
const box = (page, id) => page.locator('#' + id).evaluate((e) => {
  const r = e.getBoundingClientRect();
  const scene = document.getElementById('tavrolin');
  const root = scene.getBoundingClientRect();
  const s = root.width / scene.offsetWidth;
  return [(r.left - root.left) / s, (r.top - root.top) / s, r.width / s, r.height / s].map(Math.round);
});
const field = (page, id) => page.locator('#' + id).inputValue();

async function startAndWait(page, answer) {
  await page.click('#cmdStart');
  if (answer) {
    await page.locator('dialog.box').waitFor();
    await page.locator('dialog.box button', { hasText: answer }).click();
  }
  await waitForRunEnd(page);
}

// The program's translation of a Czech text, as the catalogue has it.
function translated(language, czech) {
  if (language === 'cs') return czech;
  const po = readFileSync(new URL(`../../../po/${language}.po`, import.meta.url), 'utf8');
  const quoted = (text) => JSON.stringify(text).slice(1, -1);
  const found = po.match(new RegExp(`\\nmsgid "${quoted(czech).replace(/[.*+?^${}()|[\]\\]/g, '\\$&')}"\\nmsgstr "(.*)"\\n`));
  if (!found) throw new Error(`${language}.po has no "${czech}"`);
  return JSON.parse(`"${found[1]}"`);
}

// The controls of the scene whose text runs past their box.
const overflowingControls = (page) => page.evaluate(() => [...document.querySelectorAll('[data-name]')]
  .filter((e) => e.offsetParent !== null)
  .filter((e) => {
    if (e.tagName !== 'FIELDSET') return e.scrollWidth > e.clientWidth;
    const legend = e.querySelector('legend');
    return legend.offsetLeft + legend.offsetWidth > e.clientWidth;
  })
  .map((e) => e.dataset.name));

describe('the page at start-up', () => {
  test('controls stand at their layout places with their colours, hidden ones hidden, Start focused',
       () => withPage({}, async ({ page, requests }) => {
    assert.deepEqual(await box(page, 'cmdStart'), [624, 8, 73, 33]);
    assert.deepEqual(await box(page, 'cmdKonec'), [720, 8, 73, 33]);
    assert.deepEqual(await box(page, 'HScroll1'), [384, 24, 145, 17]);
    assert.deepEqual(await box(page, 'frmRelDelka'), [640, 88, 97, 65]);
    // Inside a frame, at the frame's place plus its own.
    assert.deepEqual(await box(page, 'op15'), [16 + 8, 0 + 32, 81, 13]);
    assert.equal(await page.locator('#op1').evaluate((e) => getComputedStyle(e).backgroundColor), 'rgb(0, 255, 0)');
    assert.equal(await page.locator('#op05').evaluate((e) => getComputedStyle(e).backgroundColor),
                 'rgb(255, 128, 128)');
    for (const id of ['nFrekvence', 'nStartuje', 'frmAnimace', 'frmPosunZdroje'])
      assert.equal(await page.locator('#' + id).isVisible(), false, id + ' is visible');
    assert.equal(await page.locator('#frmFrekvence legend').textContent(), 'Relat. kmitočet světla');
    // Captions and labels in the toolkit's text colour, black, as on the desktop.
    assert.equal(await page.locator('#frmFrekvence legend').evaluate((e) => getComputedStyle(e).color),
                 'rgb(0, 0, 0)');
    assert.equal(await page.locator('#op1 input').isChecked(), true);
    assert.equal(await field(page, 'nBarva'), 'zelená');
    assert.equal(await field(page, 'nZrcadleniDvouRozhrani'), 'Zrcadlení dvou rozhraní');
    assert.equal(await page.title(), 'Tavrolin - https://tavrolin.example.org');
    assert.equal(await page.locator('canvas').getAttribute('role'), 'img');
    assert.match(await page.locator('canvas').getAttribute('aria-label'), /^Animace: světlo ze zdroje/);
    assert.equal(await page.locator('#HScroll1').getAttribute('aria-label'), 'Zpomalení animace');
    // The label painted into the drawing, in its place.
    const painted = await picture(page, { ink: { count: [96, 264, 321, 89], colour: 'black' } });
    assert.ok(painted.ink > 200, 'no text painted in labKlepnuti: ' + painted.ink);
    assert.equal(requests.filter((u) => !u.startsWith('file:') && !u.startsWith('data:')).length, 0,
                 'requests: ' + requests.join(' '));
  }));
});

describe('any browser', () => {
  test('every caption fits its box in the page\'s fonts, which carry their licence; and the page its own', () =>
    withPage({ width: 800, height: 545 }, async ({ page }) => {
      // The licences travel as comments, which a minifying build would drop.
      const notices = await page.evaluate(() => ({
        page: [...document.head.childNodes].some((n) => n.nodeType === Node.COMMENT_NODE && n.data.includes('MIT License')),
        fonts: /\/\*[^]*Reserved Font Name Liberation[^]*SIL OPEN FONT LICENSE[^]*?\*\/\s*@font-face/
          .test(document.head.querySelector('style').textContent),
      }));
      assert.deepEqual(notices, { page: true, fonts: true }, 'the licence notices in the page');
      assert.deepEqual(await overflowingControls(page), []);
      // A painted one-line label whose text ran past its box would be cut
      // there: ink in its last column.
      const cut = await picture(page, { odrazeneho: { count: [784, 64, 1, 17], colour: 'black' },
                                        relDelka: { count: [784, 48, 1, 17], colour: 'black' } });
      assert.deepEqual([cut.odrazeneho, cut.relDelka], [0, 0], 'ink in the last column of a label');
    }));

  test('a language that is no language tag ("C") starts the program with Czech number texts', () =>
    withPage({ initScript: () => Object.defineProperty(Navigator.prototype, 'language', { get: () => 'C' }) },
             async ({ page }) => {
      await page.click('#op15 input');
      assert.equal(await field(page, 'nFrekvence'), '1,5');
    }));

  test('a program that cannot start says so on the page instead of leaving it blank', async () => {
    const opened = await open(browser, {
      ready: false,
      initScript: () => { WebAssembly.instantiate = () => Promise.reject(new Error('bez WebAssembly $&')); },
    });
    try {
      const notice = opened.page.locator('.ended[role=alert]');
      await notice.waitFor();
      // The reason stands as it came, "$&" and all.
      assert.match(await notice.textContent(), /Tavrolin se nepodařilo spustit \(.*bez WebAssembly \$&\)/);
    } finally {
      await opened.context.close();
    }
  });
});

describe('runs', () => {
  test('a whole run at slow-down 1 draws the curve of the formula, the glass plate and the captions',
       () => withPage({}, async ({ page, requests }) => {
    const started = Date.now();
    await startAndWait(page);
    const took = Date.now() - started;
    const seen = await picture(page, { points: { points: {}, colour: 'green' }, ...plate });
    assert.ok(seen.points >= 58, 'curve points found: ' + seen.points + ' of 61');
    assert.ok(seen.left && seen.right, 'the plate is not glass-coloured');
    assert.ok(took >= 3000, 'a run of 301 pauses of 10 ms took ' + took + ' ms');
    assert.equal(await field(page, 'nStartuje'), 'Ne');
    // A screen reader's user hears that it ended, politely.
    const status = page.locator('[aria-live=polite]');
    assert.equal(await status.textContent(), 'Animace skončila.');
    // The captions where the closing picture moves them.
    const captions = await picture(page, { zdroj: { count: [22, 58, 45, 20], colour: 'black' },
                                           detektor: { count: [355, 58, 70, 20], colour: 'black' } });
    assert.ok(captions.zdroj > 20 && captions.detektor > 20, JSON.stringify(captions));
    assert.deepEqual(requests.filter((u) => !u.startsWith('file:') && !u.startsWith('data:')), []);
  }));

  test('a hidden page holds the run where it is; shown again, the run goes on to its end', () =>
    withPage({}, async ({ page }) => {
      const points = async () => (await picture(page, { points: { points: {}, colour: 'green' } })).points;
      const setHidden = (hidden) => page.evaluate((h) => {
        Object.defineProperty(document, 'hidden', { value: h, configurable: true });
        document.dispatchEvent(new Event('visibilitychange'));
      }, hidden);
      await page.click('#cmdStart');
      await page.waitForFunction(() => document.querySelector('[aria-live=polite]').textContent === 'Animace běží.');
      await setHidden(true);
      const held = await points();
      await page.waitForTimeout(600); // some sixty steps' time, in which none may come
      assert.equal(await points(), held, 'the run went on while the page was hidden');
      await setHidden(false);
      await waitForRunEnd(page);
      assert.ok((await points()) >= 58);
    }));

  test('1,5 then Start answered Yes clears the green curve; 0,5 then No keeps both',
       () => withPage({}, async ({ page }) => {
    await startAndWait(page);
    await page.click('#op15 input');
    assert.equal(await field(page, 'nFrekvence'), '1,5');
    await startAndWait(page, 'Ano');
    let seen = await picture(page, { green: { count: [421, 192, 370, 300], colour: 'green' },
                                     blue: { points: { frequency: 1.5 }, colour: 'blue' } });
    assert.equal(seen.green, 0);
    assert.ok(seen.blue >= 58, 'blue points: ' + seen.blue);
    await page.click('#op05 input');
    await startAndWait(page, 'Ne');
    seen = await picture(page, { blue: { points: { frequency: 1.5 }, colour: 'blue' },
                                 red: { points: { frequency: 0.5 }, colour: 'red' } });
    assert.ok(seen.blue >= 50 && seen.red >= 58, JSON.stringify(seen));
  }));

  test('clicks on an option button and on Start during a run take effect after it, in order',
       () => withPage({}, async ({ page }) => {
    await page.click('#cmdStart');
    await page.waitForFunction(() => document.querySelector('[aria-live=polite]').textContent === 'Animace běží.');
    await page.click('#op15 input');
    assert.equal(await page.locator('#op15 input').isChecked(), false, 'the option changed during the run');
    assert.equal(await field(page, 'nFrekvence'), '1');
    await page.click('#cmdStart');
    // The first run ends, then the held click selects 1,5, then the held
    // Start asks its question.
    await page.locator('dialog.box').waitFor();
    assert.equal(await field(page, 'nFrekvence'), '1,5');
    assert.equal(await page.locator('#op15 input').isChecked(), true);
    await page.locator('dialog.box button', { hasText: 'Ano' }).click();
    await waitForRunEnd(page);
    const seen = await picture(page, { blue: { points: { frequency: 1.5 }, colour: 'blue' } });
    assert.ok(seen.blue >= 58, 'blue points: ' + seen.blue);
  }));
  test('held during a run and done after it: a click on the slider, typing in the title, Shift+Tab from there',
       () => withPage({}, async ({ page }) => {
    const size = (id) => page.locator('#' + id).evaluate((e) => [e.getBoundingClientRect().width,
                                                                  e.getBoundingClientRect().height]);
    const slider = await size('HScroll1');
    const title = await size('nZrcadleniDvouRozhrani');
    await page.click('#cmdStart');
    await page.waitForFunction(() => document.querySelector('[aria-live=polite]').textContent === 'Animace běží.');
    await page.click('#HScroll1', { position: { x: slider[0] * 0.75, y: slider[1] / 2 } });
    await page.click('#nZrcadleniDvouRozhrani', { position: { x: title[0] - 3, y: title[1] / 2 } });
    for (const key of ['!', 'X', 'Backspace', '?', 'Shift+Tab']) await page.keyboard.press(key);
    assert.equal(await page.locator('#HScroll1').inputValue(), '1', 'the slider moved during the run');
    await waitForRunEnd(page);
    const after = await page.evaluate(() => [document.getElementById('HScroll1').value,
      document.getElementById('nZrcadleniDvouRozhrani').value, document.activeElement.id]);
    assert.ok(Math.abs(Number(after[0]) - 23) <= 2, 'the slider at 3/4 gives ' + after[0]);
    assert.deepEqual(after.slice(1), ['Zrcadlení dvou rozhraní!?', 'HScroll1'],
                     'typed into the title, then Shift+Tab from outside the order to its last stop');
  }));
});

describe('languages', () => {
  // The graph of a run, which no language may change: its pixels, in layout
  // pixels from the graph's top to the bottom of the scene.
  const graph = (page) => page.evaluate(() => {
    const canvas = document.querySelector('canvas.drawing');
    const s = canvas.width / parseFloat(canvas.style.width);
    const g = canvas.getContext('2d').getImageData(Math.round(410 * s), Math.round(209 * s), Math.round(380 * s),
                                                   Math.round(360 * s)).data;
    let hash = 0;
    for (let i = 0; i < g.length; ++i) hash = (hash * 31 + g[i]) >>> 0;
    return hash;
  });
  test('each language by the address\'s lang=: its captions fit, on a desktop and on a phone, and its run draws ' +
       'the Czech curve', { skip: engine !== 'chromium' && 'the languages are checked once, in Chromium' }, async () => {
    let czechCurve = null;
    for (const language of ['cs', 'en', 'sk', 'de', 'pl', 'uk']) {
      await withPage({ width: 800, height: 545, query: 'lang=' + language }, async ({ page }) => {
        assert.equal(await page.evaluate(() => document.documentElement.lang), language);
        assert.equal(await page.locator('#frmBarva1 legend').textContent(), translated(language, 'Barva grafu'));
        assert.equal(await page.locator('#cmdKonec').textContent(), translated(language, 'Konec'));
        assert.deepEqual(await overflowingControls(page), [], language);
        assert.equal(await field(page, 'nBarva'), 'zelená', 'the settings stay Czech data');
        await startAndWait(page);
        const curve = await graph(page);
        if (language === 'cs') czechCurve = curve;
        assert.equal(curve, czechCurve, language + ': the curve differs from the Czech run\'s');
      });
      await withPage({ width: 390, height: 844, scale: 3, touch: true, query: 'lang=' + language }, async ({ page }) =>
        assert.deepEqual(await overflowingControls(page), [], language + ' on a phone'));
    }
  });

  test('no lang= follows the browser\'s languages; an unknown tag in lang= gives Czech', async () => {
    await withPage({ locale: 'pl-PL' }, async ({ page }) => {
      assert.equal(await page.evaluate(() => document.documentElement.lang), 'pl');
      assert.equal(await page.locator('#cmdStart').textContent(), 'Start');
      assert.equal(await page.locator('#frmBarva1 legend').textContent(), 'Kolor wykresu');
    });
    await withPage({ locale: 'pl-PL', query: 'lang=xx-%3Cb%3E' }, async ({ page }) => {
      assert.equal(await page.evaluate(() => document.documentElement.lang), 'cs');
      assert.equal(await page.locator('#frmBarva1 legend').textContent(), 'Barva grafu');
    });
  });
});

describe('a run as a lesson', () => {
  // The whole drawing, hashed: what a run leaves on the canvas.
  const drawing = (page) => page.evaluate(() => {
    const canvas = document.querySelector('canvas.drawing');
    const g = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
    let hash = 0;
    for (let i = 0; i < g.length; ++i) hash = (hash * 31 + g[i]) >>> 0;
    return hash;
  });
  // The thickness the readout shows, or null while it is hidden.
  const shownThickness = (page) => page.evaluate(() => {
    const readout = document.querySelector('.readout');
    return readout && !readout.hidden ? Number(readout.firstChild.textContent.match(/\d+/)[0]) : null;
  });

  test('Space pauses a run beside its values, the right arrow steps it twice, Space resumes; it ends as an unpaused run',
       () => withPage({}, async ({ page }) => {
    await page.click('#cmdStart');
    await page.waitForFunction(() => TavrolinPage.busy());
    await page.keyboard.press(' ');
    await page.waitForFunction(() => document.querySelector('.readout') && !document.querySelector('.readout').hidden);
    const paused = await shownThickness(page);
    assert.match(await page.locator('.announcer').textContent(), new RegExp(`^Pozastaveno: síla skla ${paused} px, `));
    for (const step of [1, 2]) {
      await page.keyboard.press('ArrowRight');
      await page.waitForFunction((before) => !document.querySelector('.readout').hidden &&
        document.querySelector('.readout').firstChild.textContent.match(/\d+/)[0] !== String(before), paused + step - 1);
      assert.equal(await shownThickness(page), paused + step, 'one step a press');
    }
    assert.equal(await page.evaluate(() => TavrolinPage.busy()), true, 'still paused');
    await page.keyboard.press(' ');
    await waitForRunEnd(page);
    assert.equal(await shownThickness(page), null);
    const pausedRun = await drawing(page);
    await startAndWait(page, 'Ano');
    assert.equal(await drawing(page), pausedRun, 'the paused run left another picture than an unpaused one');
  }));

  // The real sound, taken from the page's own audio graph as the browser
  // renders it: during a run the pitch glides over one octave.
  test('on a phone: the sound button, a tap on the drawing pauses and another resumes, and the tone spans 220 to 440 Hz',
       { skip: engine !== 'chromium' && 'the tone is measured once, in Chromium' },
       () => withPage({ width: 390, height: 844, scale: 3, touch: true, initScript: () => {
    const connect = AudioNode.prototype.connect;
    window.__pitches = [];
    AudioNode.prototype.connect = function (target, ...rest) {
      if (target instanceof AudioDestinationNode) {
        const analyser = this.context.createAnalyser();
        analyser.fftSize = 4096;
        connect.call(this, analyser);
        const samples = new Float32Array(analyser.fftSize);
        setInterval(() => {
          analyser.getFloatTimeDomainData(samples);
          let energy = 0, crossings = 0;
          for (let i = 0; i < samples.length; ++i) {
            energy += samples[i] * samples[i];
            if (i > 0 && (samples[i - 1] < 0) !== (samples[i] < 0)) ++crossings;
          }
          // Only stretches that sound throughout: a sine of 0.2 has an RMS of 0.14.
          if (Math.sqrt(energy / samples.length) > 0.13)
            window.__pitches.push(crossings / 2 / (samples.length / this.context.sampleRate));
        }, 50);
      }
      return connect.call(this, target, ...rest);
    };
  } }, async ({ page }) => {
    await page.tap('.panel .sound');
    assert.equal(await page.getAttribute('.panel .sound', 'aria-pressed'), 'true');
    await page.tap('#cmdStart');
    const canvas = await page.locator('canvas.drawing').boundingBox();
    const drawingPoint = [canvas.x + canvas.width * 0.25, canvas.y + canvas.height * 0.95];
    await page.waitForFunction(() => window.__pitches.length >= 5);
    await page.touchscreen.tap(...drawingPoint);
    await page.waitForFunction(() => document.querySelector('.readout') && !document.querySelector('.readout').hidden);
    await page.touchscreen.tap(...drawingPoint);
    await waitForRunEnd(page);
    const pitches = await page.evaluate(() => window.__pitches);
    assert.ok(pitches.length >= 20, `${pitches.length} stretches of tone`);
    const low = Math.min(...pitches), high = Math.max(...pitches);
    assert.ok(low >= 210 && high <= 450, `${low} to ${high} Hz`);
    assert.ok(low < 240 && high > 410, `only ${low} to ${high} Hz`);
  }));
});

describe('keyboard and language', () => {
  test('keyboard only: Tab to the colour group, arrows in it, the slider by its steps, Enter on Start; Enter answers Yes',
       () => withPage({ locale: 'en-US' }, async ({ page }) => {
    assert.equal(await field(page, 'nFrekvence'), '1');
    // The tab order is the elements' order: no positive tabindex, which
    // screen readers and checkers flag.
    assert.deepEqual(await page.evaluate(() => [...document.querySelectorAll('[tabindex]')]
      .filter((e) => e.tabIndex > 0).map((e) => e.id)), []);
    await page.locator('#HScroll1').focus();
    await page.keyboard.press('PageUp');
    assert.equal(await page.locator('#HScroll1').inputValue(), '2', 'PageUp moves by the layout\'s large step');
    await page.locator('#cmdStart').focus();
    // From Start, Tab goes on in the layout's tab order; Shift+Tab back.
    await page.keyboard.press('Tab');
    const next = await page.evaluate(() => document.activeElement.closest('[data-name]').dataset.name);
    await page.keyboard.press('Shift+Tab');
    assert.equal(await page.evaluate(() => document.activeElement.id), 'cmdStart');
    assert.notEqual(next, 'cmdStart');
    await page.locator('#op1 input').focus();
    await page.keyboard.press('ArrowDown');
    assert.equal(await page.locator('#op15 input').isChecked(), true);
    assert.equal(await field(page, 'nFrekvence'), '1.5', 'English writes a point');
    assert.equal(await field(page, 'nBarva'), 'modrá');
    await page.locator('#cmdStart').focus();
    await page.keyboard.press('Enter');
    await waitForRunEnd(page);
    const seen = await picture(page, { blue: { points: { frequency: 1.5 }, colour: 'blue' } });
    assert.ok(seen.blue >= 58, 'blue points: ' + seen.blue);
    await page.keyboard.press('Enter');
    await page.locator('dialog.box').waitFor();
    await page.keyboard.press('Escape'); // stays: Yes or No only
    await page.keyboard.press('Enter');
    await waitForRunEnd(page);
  }));
});

describe('ending', () => {
  test('a settings text that is no number ends the run with the failure box, then the program', () =>
    withPage({}, async ({ page }) => {
      await page.locator('#nFrekvence').evaluate((e) => { e.value = 'abc'; });
      await page.click('#cmdStart');
      const box = page.locator('dialog.box');
      await box.waitFor();
      assert.match(await box.textContent(), /Tavrolin.*Chyba č\. 13.*abc/s);
      await box.locator('button', { hasText: 'OK' }).click();
      await page.locator('.ended').waitFor();
      assert.equal(await page.locator('#cmdStart').isDisabled(), true);
      await page.locator('#cmdStart').evaluate((e) => e.click()); // nothing runs any more
      assert.equal(await page.locator('dialog').count(), 0);
    }));

  test('an error inside one of the page\'s calls ends in the failure box, not in a program busy for ever', () =>
    withPage({}, async ({ page }) => {
      await page.evaluate(() => { TavrolinPage.setText = () => { throw new Error('prvek chybí'); }; });
      await page.click('#op15');
      const box = page.locator('dialog.box');
      await box.waitFor();
      assert.match(await box.textContent(), /Chyba č\. 5.*prvek chybí/s);
      await box.locator('button', { hasText: 'OK' }).click();
      await page.locator('.ended').waitFor();
    }));

  test('without modal dialogs (Safari before 15.4) the question still comes; WebAssembly aborting later ends in the failure box',
       () => withPage({ initScript: () => { delete HTMLDialogElement.prototype.showModal; } }, async ({ page }) => {
      await startAndWait(page);
      await startAndWait(page, 'Ne');
      await page.evaluate(() => { try { abort('zkouška'); } catch (e) { /* what the browser would report */ } });
      const box = page.locator('dialog.box');
      await box.waitFor();
      assert.match(await box.textContent(), /vnitřní chybě.*zkouška/s);
      await box.locator('button', { hasText: 'OK' }).click();
      await page.locator('.ended').waitFor();
    }));

  test('Konec ends the program: the page says so and how to start again', () =>
    withPage({}, async ({ page }) => {
      await page.click('#cmdKonec');
      await page.locator('.ended').waitFor();
      assert.match(await page.locator('.ended').textContent(), /skončil.*obnovením stránky/);
      assert.equal(await page.locator('#cmdStart').isDisabled(), true);
    }));
});

describe('every screen', () => {
  test('a 1920 × 1080 projector: the whole scene fitted and centred, no scroll bars, the curve at s × the formula',
       () => withPage({ width: 1920, height: 1080 }, async ({ page }) => {
    const facts = await screenFacts(page);
    const s = Math.min(facts.width / 800, facts.height / 545);
    assert.equal(facts.touch, false);
    assert.equal(facts.scrolls, false);
    assert.deepEqual(facts.offScreen, []);
    assert.ok(Math.abs(facts.scene[2] - 800 * s) < 0.5 && Math.abs(facts.scene[0] - (facts.width - 800 * s) / 2) < 1,
              'scene at ' + facts.scene);
    await startAndWait(page);
    const seen = await picture(page, { points: { points: {}, colour: 'green' },
                                       axis: { widthAt: [700, 185, 196], colour: 'foreground' }, ...plate });
    assert.ok(Math.abs(seen.scale - s) < 1e-3, 'scale ' + seen.scale);
    assert.ok(seen.points >= 58, 'points: ' + seen.points);
    assert.equal(seen.axis, 2, 'a 1-pixel line at ' + s + ' is ' + seen.axis + ' device pixels high');
    assert.ok(seen.left && seen.right, 'plate');
  }));

  // A finger on a small screen: the settings in a panel, taps for clicks.
  async function tapRun(page, answer) {
    await page.tap('#cmdStart');
    if (answer) {
      await page.locator('dialog.box').waitFor();
      const facts = await screenFacts(page);
      assert.deepEqual(facts.offScreen, [], 'the question box is not wholly on screen');
      assert.deepEqual(facts.smallTargets, []);
      await page.locator('dialog.box button', { hasText: answer }).tap();
    }
    await waitForRunEnd(page);
  }
  const onTouchScreen = async (page) => {
    const facts = await screenFacts(page);
    const { width, height } = facts;
    assert.equal(facts.touch, true);
    assert.equal(facts.scrolls, false, 'the page scrolls');
    assert.deepEqual(facts.offScreen, [], 'not on screen');
    assert.deepEqual(facts.smallTargets, [], 'targets under 44 px');
    assert.ok(facts.targets >= 14, facts.targets + ' targets');
    assert.ok(facts.panelBottom <= facts.scene[1] + 0.5, 'the panel is not above the drawing');
    assert.ok(Math.abs(facts.scene[2] - width) < 1 || Math.abs(facts.scene[3] - (height - facts.panelBottom)) < 1,
              'the drawing does not fill the rest: ' + facts.scene);
    return facts;
  };

  test('a 390 × 844 phone: the settings in a touch panel above the drawing; 1,5, Start, Start and Ano by taps',
       () => withPage({ width: 390, height: 844, scale: 3, touch: true }, async ({ page }) => {
    await onTouchScreen(page);
    await page.tap('#op15');
    assert.equal(await field(page, 'nFrekvence'), '1,5');
    await tapRun(page);
    await tapRun(page, 'Ano');
    const seen = await picture(page, { blue: { points: { frequency: 1.5 }, colour: 'blue' } });
    assert.ok(seen.blue >= 58, 'blue points: ' + seen.blue);
  }));

  test('a 768 × 1024 tablet: the same panel; taps on 1,5 and Start during a run take effect after it, Ne keeps both curves',
       () => withPage({ width: 768, height: 1024, scale: 2, touch: true }, async ({ page }) => {
    await onTouchScreen(page);
    await page.tap('#cmdStart');
    await page.waitForFunction(() => document.querySelector('[aria-live=polite]').textContent === 'Animace běží.');
    await page.tap('#op15');
    await page.tap('#cmdStart');
    // The first run ends, the held tap selects 1,5, the held Start asks.
    await page.locator('dialog.box').waitFor();
    assert.equal(await field(page, 'nFrekvence'), '1,5');
    await page.locator('dialog.box button', { hasText: 'Ne' }).tap();
    await waitForRunEnd(page);
    const seen = await picture(page, { green: { points: {}, colour: 'green' },
                                       blue: { points: { frequency: 1.5 }, colour: 'blue' } });
    assert.ok(seen.green >= 50 && seen.blue >= 58, JSON.stringify(seen));
  }));
});
