// The page side of the browser program: the window's controls as HTML
// elements, the canvas that shows the drawing, the question and failure
// boxes, and the input that the program holds while a handler runs. The
// program (C++) calls the functions of TavrolinPage; the page calls the
// program only from the browser's own events and timers, never from inside
// a call of the program, because a handler may pause (Asyncify) and a second
// call into a paused program would break it.
var TavrolinPage = (function () {
  'use strict';
  // The core's numbers, written from its headers by the build.
  var core = tavrolinCore;
  var kinds = Object.keys(core.ControlKind).map(function (name) { return name.toLowerCase(); });
  var controls = [];      // by control index: { element, kind, name, ... }
  var root = null, canvas = null, context = null;
  var panel = null;       // the touch panel, holding the settings controls in touch mode
  var touchMode = false;
  var rest = { left: 0, top: 0, width: 0, height: 0 }; // the room the panel leaves for the scene
  var sceneScale = 1;     // CSS pixels per layout pixel
  var held = {};          // input made while the program was busy, by the number it holds it under
  var nextHeld = 1;
  var delivered = null;   // while held input is given to the controls: the program events it makes
  var ended = false;
  var answer = -1;        // the question's answer: -1 none yet, 0 Yes, 1 No
  var openDialog = null;
  var callError = null;   // what went wrong in the program's last call, for it to report
  var ready = false;      // the program has started and shows its window
  var stopped = null;     // the failure box's texts for a program that stopped by itself
  var texts = null;       // the page's own texts in the program's language: ok, ended, endedTitle
  var status = null;      // the polite live region
  var shownFrom = { left: 0, top: 0 }; // the scene's point at the drawing's shown corner
  var readout = null;     // the paused run's readout, above the drawing
  var soundButton = null; // the touch panel's button for the tone
  var audio = null;       // the tone: { context, oscillator, gain, sounding }
  var yieldChannel = new MessageChannel();
  var afterYield = [];
  yieldChannel.port1.onmessage = function () { afterYield.shift()(); };
  function yieldThen(f) { afterYield.push(f); yieldChannel.port2.postMessage(0); }

  function css(colour) {
    // 0x00BBGGRR
    return 'rgb(' + (colour & 255) + ',' + ((colour >> 8) & 255) + ',' + ((colour >> 16) & 255) + ')';
  }
  var measurer = document.createElement('canvas').getContext('2d');
  // Which way of putting several rectangles on the canvas is the faster
  // here: the first flushes of several rectangles try both in turn, the
  // rest put the bounding box only where its puts took less than half the
  // time. What a put costs later, in the frame, is not seen here and grows
  // with the box's area.
  var puts = {
    tried: 0, each: 0, box: 0, chosen: null,
    choice: function () { return this.chosen !== null ? this.chosen : this.tried % 2 === 1; },
    took: function (whole, ms) {
      if (this.chosen !== null) return;
      if (whole) this.box += ms; else this.each += ms;
      if (++this.tried === 40) this.chosen = 2 * this.box < this.each;
    },
  };
  // The language's decimal separator, or Czech's where the tag is no
  // language ("C", as under LANG=C) or one the browser has no numbers for
  // (it would take another language's). Asking which languages it has numbers
  // for would cost tens of milliseconds at start-up.
  var separator = null;
  function separatorOf(language) {
    var format = null;
    try {
      format = new Intl.NumberFormat(language);
      if (format.resolvedOptions().locale.split('-')[0] !== String(language).split('-')[0].toLowerCase()) format = null;
    } catch (e) {
      // RangeError: not a language tag at all.
    }
    var parts = (format || new Intl.NumberFormat('cs')).formatToParts(0.5);
    for (var i = 0; i < parts.length; ++i) if (parts[i].type === 'decimal') return parts[i].value;
    return ',';
  }
  function fontOf(family, pixels, bold) {
    // The page's own fonts where the Windows ones are absent.
    var families = family === 0
      ? '"Times New Roman", "Tavrolin Serif", "Liberation Serif", Tinos, serif'
      : '"MS Sans Serif", "Microsoft Sans Serif", "Tavrolin Sans", "Liberation Sans", Arial, sans-serif';
    return (bold ? 'bold ' : '') + pixels + 'px ' + families;
  }
  function place(element, left, top, width, height) {
    element.style.left = left + 'px';
    element.style.top = top + 'px';
    element.style.width = width + 'px';
    element.style.height = height + 'px';
  }

  // True while the program holds input: a handler runs, or older held
  // input waits.
  function busy() {
    return ended || (Module._tavrolin_busy() !== 0);
  }
  function post(index, event) {
    if (ended) return;
    // Held input being given to the controls: the program, which asked for
    // it, posts the events itself.
    if (delivered !== null) { delivered.push(index * core.eventsPerControl + event); return; }
    Module._tavrolin_post(index, event);
  }

  // Input for the page's controls while the program is busy is kept from
  // them and written down; the program holds it, in order with the rest of
  // its input, and has it given to the controls once it is idle.
  var heldKinds = ['pointerdown', 'pointerup', 'mousedown', 'mouseup', 'click', 'dblclick', 'auxclick',
                   'keydown', 'keypress', 'keyup', 'input', 'change', 'wheel', 'touchstart', 'touchend',
                   'contextmenu'];
  function ownsControl(target) { return root.contains(target) || panel.contains(target); }
  function insideDialog(target) { return openDialog !== null && openDialog.contains(target); }
  // Where a finger went down: its lifting there is a tap, which the browser
  // would have made a click of, had the page not kept it from the controls.
  var touchStart = null;
  function hold(entry) {
    var number = nextHeld++;
    held[number] = entry;
    Module._tavrolin_hold(number);
  }
  // Where along a slider a click or tap came, 0 to 1: a held one moves the
  // thumb there once it is delivered.
  function along(target, clientX) {
    if (target.type !== 'range') return null;
    var box = target.getBoundingClientRect();
    return box.width > 0 ? Math.max(0, Math.min(1, (clientX - box.left) / box.width)) : null;
  }
  // A key or a press in the program's terms (the core's Key and Target),
  // with its control's index and flags: 1 press, 2 repeat, 4 Shift, 8 Ctrl,
  // Alt or the system key.
  var keyNames = { ' ': 'Space', Enter: 'Enter', Escape: 'Escape', Tab: 'Tab', ArrowLeft: 'Left', ArrowRight: 'Right',
                   ArrowUp: 'Up', ArrowDown: 'Down', PageUp: 'PageUp', PageDown: 'PageDown', Home: 'Home', End: 'End',
                   F11: 'F11', z: 'Z', Z: 'Z' };
  function controlOf(element) {
    for (var i = 1; i < controls.length; ++i) if (controls[i] && controls[i].focusable === element) return i;
    return 0;
  }
  function keyOf(event) {
    // WebKitGTK names Shift+Tab's key (ISO_Left_Tab) "Unidentified".
    var key = event.key === 'Unidentified' && event.keyCode === 9 ? 'Tab' : event.key;
    return core.Key[keyNames[key] || 'Other'];
  }
  function flagsOf(event, press) {
    return (press ? 1 : 0) | (event.repeat ? 2 : 0) | (event.shiftKey ? 4 : 0) |
           (event.ctrlKey || event.metaKey || event.altKey ? 8 : 0);
  }
  function inputOf(event) {
    var target = event.target;
    if (event.type === 'keydown' || event.type === 'keyup') {
      if (target !== document.body && !ownsControl(target)) return null;
      var typing = target.tagName === 'INPUT' && target.type === 'text' && !target.readOnly;
      return [keyOf(event), typing ? core.Target.TextField : core.Target.Other, controlOf(target),
              flagsOf(event, event.type === 'keydown')];
    }
    if (target === canvas && (event.type === 'pointerdown' || event.type === 'pointerup') && event.button === 0)
      return [core.Key.Pointer, core.Target.Drawing, 0, event.type === 'pointerdown' ? 1 : 0];
    if (target === soundButton && (event.type === 'click' || event.type === 'touchend'))
      return [core.Key.Pointer, core.Target.SoundButton, 0, 1];
    return null;
  }
  function holdInput(event) {
    if (event.type === 'touchstart' && event.touches.length === 1)
      touchStart = { x: event.touches[0].clientX, y: event.touches[0].clientY };
    var input = root && !ended && !insideDialog(event.target) ? inputOf(event) : null;
    if (input && Module._tavrolin_input(input[0], input[1], input[2], input[3])) {
      event.preventDefault();
      event.stopImmediatePropagation();
      return;
    }
    if (!root || !ownsControl(event.target) || insideDialog(event.target) || !busy()) return;
    if (ended) { event.preventDefault(); event.stopImmediatePropagation(); return; }
    if (event.type === 'click') {
      hold({ type: 'click', target: event.target, along: along(event.target, event.clientX) });
    } else if (event.type === 'touchend' && touchStart && event.changedTouches.length === 1) {
      var touch = event.changedTouches[0];
      var target = document.elementFromPoint(touch.clientX, touch.clientY);
      if (Math.hypot(touch.clientX - touchStart.x, touch.clientY - touchStart.y) < 10 && target && ownsControl(target))
        hold({ type: 'click', target: target, along: along(target, touch.clientX) });
      touchStart = null;
    } else if (event.type === 'keydown') {
      // The program decides what the key does once it is idle; the page
      // keeps what a field would type.
      var number = nextHeld++;
      held[number] = { type: 'keydown', key: event.key, shortcut: event.ctrlKey || event.metaKey || event.altKey };
      Module._tavrolin_hold_key(number, keyOf(event), flagsOf(event, true));
    }
    // The page still scrolls; and a finger's first touch cannot be cancelled
    // from a listener on the window (the browser treats it as passive).
    if (event.type === 'wheel' || event.type === 'touchstart') return;
    event.preventDefault();
    event.stopImmediatePropagation();
  }

  function inTabOrder(parent) {
    controls.filter(function (c) { return c && c.onWindow; })
      .sort(function (a, b) { return a.tabIndex - b.tabIndex; })
      .forEach(function (c) { parent.append(c.element); });
  }

  // A held key that the program has not taken, into the focused field.
  function replayKey(entry) {
    var field = document.activeElement, key = entry.key;
    if (field && field.type === 'text' && !entry.shortcut && (key.length === 1 || key === 'Backspace' || key === 'Delete'))
      typeInto(field, key);
  }
  // A key typed into a text field, as the field would have taken it.
  function typeInto(field, key) {
    var start = field.selectionStart, end = field.selectionEnd;
    if (key === 'Backspace' && start === end) start = Math.max(0, start - 1);
    else if (key === 'Delete' && start === end) end = Math.min(field.value.length, end + 1);
    field.setRangeText(key.length === 1 ? key : '', start, end, 'end');
    field.dispatchEvent(new Event('input', { bubbles: true }));
  }
  // The program takes the new size now, or after the running handler.
  function onResize() {
    if (!ended) Module._tavrolin_reshape();
  }

  // A modal box; onAnswer gets the index of the button chosen, or, where the
  // box may be dismissed, the number of buttons for Escape.
  function makeDialog(title, text, buttons, onAnswer, focused, dismissible) {
    var dialog = document.createElement('dialog');
    dialog.className = 'box';
    dialog.setAttribute('aria-label', title);
    var heading = document.createElement('div');
    heading.className = 'box-title';
    heading.textContent = title;
    var body = document.createElement('p');
    body.className = 'box-text';
    body.textContent = text;
    var row = document.createElement('div');
    row.className = 'box-buttons';
    dialog.append(heading, body, row);
    buttons.forEach(function (caption, i) {
      var button = document.createElement('button');
      button.type = 'button';
      button.textContent = caption;
      button.addEventListener('click', function () { closeWith(i); });
      row.append(button);
    });
    function closeWith(i) {
      dialog.close();
      dialog.remove();
      openDialog = null;
      onAnswer(i);
    }
    dialog.addEventListener('cancel', function (event) {
      event.preventDefault();
      if (dismissible) closeWith(buttons.length);
    });
    document.body.append(dialog);
    openDialog = dialog;
    if (typeof dialog.showModal === 'function') {
      dialog.showModal();
    } else {
      // A browser without modal dialogs (Safari before 15.4): the box is
      // shown over a veil that keeps the rest of the page from the user.
      var veil = document.createElement('div');
      veil.className = 'veil';
      dialog.before(veil);
      dialog.classList.add('veiled');
      dialog.setAttribute('open', '');
      dialog.close = function () { veil.remove(); dialog.removeAttribute('open'); };
    }
    row.children[focused].focus();
    return dialog;
  }

  // A canvas of the box's size filled with its background, ready to write on.
  // One canvas serves every label: a new one for each cost more than the
  // labels' text at start-up. Its pixels are read back, so the browser
  // keeps them in memory, not on a graphics card.
  var writer = null;
  function textCanvas(width, height, family, pixels, bold, background, foreground) {
    if (writer === null) writer = document.createElement('canvas').getContext('2d', { willReadFrequently: true });
    // A new size clears the canvas and every setting of its context.
    writer.canvas.width = width;
    writer.canvas.height = height;
    writer.fillStyle = css(background);
    writer.fillRect(0, 0, width, height);
    writer.fillStyle = css(foreground);
    writer.font = fontOf(family, pixels, bold);
    writer.textBaseline = 'top';
    return writer;
  }

  // The language of the page's notices where the program could not choose it,
  // since it has not started: by the program's own rule, the address's lang=
  // if it has one, else the browser's languages, else Czech.
  function noticeLanguage(notice) {
    if (texts !== null) return document.documentElement.lang;
    var named = new URLSearchParams(location.search).get('lang');
    var wanted = named ? [named] : Array.from(navigator.languages || [navigator.language]);
    for (var i = 0; i < wanted.length; ++i) {
      var primary = String(wanted[i]).split(/[-_.@]/)[0].toLowerCase();
      if (primary.length === 2 && primary in notice) return primary;
    }
    return 'cs';
  }

  return {
    // A call of the program's that threw: kept for the program, which
    // reports it as a failure, instead of unwinding through it.
    caught: function (error) { callError = String((error && error.message) || error); },
    takeError: function () { var e = callError; callError = null; return e; },
    // True while a handler runs or held input waits: the page's tests wait
    // on it for a run's end.
    busy: function () { return busy(); },
    // The languages the page is asked for, for the program to choose among:
    // the one its address names (lang=, empty for none), and the browser's
    // in order, one a line.
    namedLanguage: function () { return new URLSearchParams(location.search).get('lang') || ''; },
    preferredLanguages: function () {
      var preferred = navigator.languages && navigator.languages.length ? navigator.languages : [navigator.language];
      return Array.from(preferred).filter(Boolean).join('\n');
    },
    start: function (language, pageTexts) {
      document.documentElement.lang = language;
      texts = pageTexts;
      root = document.getElementById('tavrolin');
      canvas = document.createElement('canvas');
      canvas.className = 'drawing';
      canvas.setAttribute('role', 'img');
      root.append(canvas);
      panel = document.createElement('div');
      panel.className = 'panel';
      panel.hidden = true;
      root.before(panel);
      context = canvas.getContext('2d', { alpha: false });
      heldKinds.forEach(function (kind) { window.addEventListener(kind, holdInput, true); });
      window.addEventListener('resize', onResize);
      controls[0] = { element: root, kind: 'window' };
      // Out of sight, for screen readers: what the picture does now.
      status = document.createElement('div');
      status.className = 'announcer';
      status.setAttribute('aria-live', 'polite');
      status.setAttribute('role', 'status');
      document.body.append(status);
      // Touch screens have no keys: the panel says how to pause, and has
      // a button for the tone. Both stand after the settings.
      var help = document.createElement('p');
      help.className = 'help';
      help.textContent = pageTexts.touchPause;
      soundButton = document.createElement('button');
      soundButton.type = 'button';
      soundButton.className = 'sound';
      soundButton.textContent = pageTexts.soundButton;
      soundButton.setAttribute('aria-pressed', 'false');
      panel.append(help, soundButton);
    },
    setDrawingDescription: function (text) { canvas.setAttribute('aria-label', text); },
    viewportWidth: function () { return document.documentElement.clientWidth; },
    viewportHeight: function () { return document.documentElement.clientHeight; },
    coarsePointer: function () { return window.matchMedia('(pointer: coarse)').matches; },
    scale: function () { return window.devicePixelRatio || 1; },

    // Touch mode: the window's own controls go into the panel, in reading
    // order (top to bottom, left to right), the rest of the screen showing
    // the drawing. The tab order stays the layout's. Back in wide mode they
    // go back to their places in the scene.
    arrange: function (touch, beside) {
      document.body.classList.toggle('touch', touch);
      document.body.classList.toggle('beside', touch && beside);
      if (touch !== touchMode) {
        touchMode = touch;
        var focused = document.activeElement;
        // In the panel they stand in reading order (top to bottom, left to
        // right), while the page keeps them in tab order.
        inTabOrder(touch ? panel : root);
        controls.filter(function (c) { return c && c.onWindow; })
          .sort(function (a, b) { return a.top - b.top || a.left - b.left; })
          .forEach(function (c, i) { c.element.style.order = touch ? String(i) : ''; });
        if (focused && focused !== document.activeElement) focused.focus({ preventScroll: true });
      }
      panel.hidden = !touch;
      var width = document.documentElement.clientWidth, height = document.documentElement.clientHeight;
      rest = { left: 0, top: 0, width: width, height: height };
      if (touch && beside) { rest.left = panel.offsetWidth; rest.width -= rest.left; }
      else if (touch) { rest.top = panel.offsetHeight; rest.height -= rest.top; }
    },
    restWidth: function () { return rest.width; },
    restHeight: function () { return rest.height; },
    // The scene's part (left, top, width, height in layout pixels) shown at
    // the scale, its corner at (left, top) of the rest, on whole device
    // pixels so that the drawing's pixels stay the screen's.
    place: function (boxLeft, boxTop, boxWidth, boxHeight, scale, left, top) {
      var ratio = window.devicePixelRatio || 1;
      sceneScale = scale;
      root.style.left = Math.round((rest.left + left) * ratio) / ratio + 'px';
      root.style.top = Math.round((rest.top + top) * ratio) / ratio + 'px';
      root.style.width = boxWidth + 'px';
      root.style.height = boxHeight + 'px';
      root.style.transform = 'scale(' + scale + ')';
      shownFrom = { left: boxLeft, top: boxTop };
      canvas.style.left = -boxLeft + 'px';
      canvas.style.top = -boxTop + 'px';
      // The boxes grow with the scene; in touch mode they have their own size.
      document.documentElement.style.setProperty('--scale', touchMode ? '1' : String(scale));
    },

    addControl: function (row) {
      var kind = kinds[row.kind];
      var parent = row.container === 0 ? root : controls[row.container].element;
      var element, focusable;
      if (kind === 'frame') {
        element = document.createElement('fieldset');
        var border = document.createElement('div');
        border.className = 'frame-border';
        var legend = document.createElement('legend');
        legend.textContent = row.caption;
        legend.style.font = fontOf(row.family, row.pixels, row.bold);
        legend.style.left = row.captionIndent + 'px';
        legend.style.setProperty('--padding', row.captionPadding + 'px');
        element.append(border, legend);
      } else if (kind === 'commandbutton') {
        element = focusable = document.createElement('button');
        element.type = 'button';
        element.textContent = row.caption;
        element.addEventListener('click', function () { post(row.index, core.Event.Click); });
      } else if (kind === 'optionbutton') {
        element = document.createElement('label');
        focusable = document.createElement('input');
        focusable.type = 'radio';
        focusable.name = controls[row.container].name;
        var caption = document.createElement('span');
        caption.textContent = row.caption;
        element.append(focusable, caption);
        focusable.addEventListener('change', function () {
          if (focusable.checked) post(row.index, core.Event.Click);
        });
      } else if (kind === 'scrollbar') {
        element = focusable = document.createElement('input');
        element.type = 'range';
        element.min = String(row.minimum);
        element.max = String(row.maximum);
        element.step = '1';
        element.value = String(row.value);
        // As the scroll bar: the handler runs when the thumb is let go or a
        // key has changed the value, not on every step of a drag.
        element.addEventListener('change', function () { post(row.index, core.Event.Change); });
      } else if (kind === 'textfield') {
        element = focusable = document.createElement('input');
        element.type = 'text';
        element.value = row.caption;
        element.spellcheck = false;
      } else {
        return; // labels and the image are painted into the drawing
      }
      element.className = kind;
      element.id = row.name;
      element.dataset.name = row.name;
      place(element, row.left, row.top, row.width, row.height);
      element.style.font = fontOf(row.family, row.pixels, row.bold);
      element.style.backgroundColor = css(row.background);
      if (!row.visible) element.hidden = true;
      // Above one another in the layout's order, whatever their order in the
      // page, which is the tab order.
      element.style.zIndex = String(row.index);
      if (focusable) {
        focusable.tabIndex = row.tabStop ? 0 : -1;
        if (row.accessibleName) focusable.setAttribute('aria-label', row.accessibleName);
      }
      if (row.accessibleDescription) element.setAttribute('aria-description', row.accessibleDescription);
      parent.append(element);
      controls[row.index] = { element: element, focusable: focusable || element, kind: kind, name: row.name,
                               tabIndex: row.tabIndex, tabStop: row.tabStop && !!focusable,
                               onWindow: row.container === 0, left: row.left, top: row.top };
    },
    // Tab goes through the controls in the layout's tab order: the page's
    // elements stand in that order, each frame where its own tab position is.
    orderTabs: function () { inTabOrder(root); },
    focus: function (index) { controls[index].focusable.focus({ preventScroll: true }); },
    focused: function () { return controlOf(document.activeElement); },
    // As the user's click: what it makes, the program takes from
    // nextDelivered().
    click: function (index) {
      if (delivered === null) delivered = [];
      controls[index].focusable.click();
    },
    setScrollValue: function (index, value) { controls[index].element.value = String(value); },

    getText: function (index) { return controls[index].element.value; },
    setText: function (index, text) { controls[index].element.value = text; },
    setChecked: function (index, checked) { controls[index].focusable.checked = checked; },
    isChecked: function (index) { return controls[index].focusable.checked; },
    scrollValue: function (index) { return Number(controls[index].element.value); },
    show: function (index) { controls[index].element.hidden = false; },
    move: function (index, left, top) {
      var style = controls[index].element.style;
      style.left = left + 'px';
      style.top = top + 'px';
    },
    kindOf: function (index) { return controls[index] ? kinds.indexOf(controls[index].kind) : -1; },

    // The drawing: the device pixels of the buffer, put on the screen where
    // they changed. The canvas has the screen's pixels: its size in the
    // scene is such that, scaled, each of its pixels is one of the screen's.
    shape: function (deviceWidth, deviceHeight) {
      var perLayoutPixel = sceneScale * (window.devicePixelRatio || 1);
      canvas.width = deviceWidth;
      canvas.height = deviceHeight;
      canvas.style.width = deviceWidth / perLayoutPixel + 'px';
      canvas.style.height = deviceHeight / perLayoutPixel + 'px';
    },
    // Puts the changed rectangles of the drawing on the canvas: each of
    // them, or, where this browser pays more for each put than for each
    // pixel, their bounding box in one put. The same pixels show either way.
    flush: function (pixels, width, height, rects, count) {
      var image = new ImageData(new Uint8ClampedArray(HEAPU8.buffer, pixels, width * height * 4), width, height);
      var r = HEAP32.subarray(rects >> 2, (rects >> 2) + 4 * count);
      var whole = count > 1 && puts.choice();
      var start = count > 1 ? performance.now() : 0;
      if (whole) {
        var left = Infinity, top = Infinity, right = 0, bottom = 0;
        for (var j = 0; j < 4 * count; j += 4) {
          left = Math.min(left, r[j]);
          top = Math.min(top, r[j + 1]);
          right = Math.max(right, r[j] + r[j + 2]);
          bottom = Math.max(bottom, r[j + 1] + r[j + 3]);
        }
        context.putImageData(image, 0, 0, left, top, right - left, bottom - top);
      } else {
        for (var i = 0; i < 4 * count; i += 4) context.putImageData(image, 0, 0, r[i], r[i + 1], r[i + 2], r[i + 3]);
      }
      if (count > 1) puts.took(whole, performance.now() - start);
    },
    textWidth: function (text, family, pixels, bold) {
      var font = fontOf(family, pixels, bold);
      if (measurer.font !== font) measurer.font = font; // parsed anew at every setting
      return measurer.measureText(text).width;
    },
    // A label's lines in its font, on its background, as device pixels for
    // the drawing: written into memory the program gave. Each line has its
    // left, top and horizontal squeeze at places, places + 1, places + 2.
    renderLabel: function (into, width, height, lines, places, family, pixels, bold, background, foreground) {
      var g = textCanvas(width, height, family, pixels, bold, background, foreground);
      lines.forEach(function (line, i) {
        var at = places + 3 * i;
        g.setTransform(HEAPF64[at + 2], 0, 0, 1, HEAPF64[at], HEAPF64[at + 1]);
        g.fillText(line, 0, 0);
      });
      HEAPU8.set(g.getImageData(0, 0, width, height).data, into);
    },
    // One line turned a quarter to the right, its top-left corner at (x, y).
    renderTurned: function (into, width, height, text, x, y, family, pixels, bold, background, foreground) {
      var g = textCanvas(width, height, family, pixels, bold, background, foreground);
      g.setTransform(0, 1, -1, 0, x, y);
      g.fillText(text, 0, 0);
      HEAPU8.set(g.getImageData(0, 0, width, height).data, into);
    },

    // The browser's language's, found once: the program asks for it at every
    // step.
    decimalSeparator: function () {
      if (separator === null) separator = separatorOf(navigator.language);
      return separator;
    },

    ask: function (title, prompt, yes, no, focused, dismissible) {
      answer = -1;
      makeDialog(title, prompt, [yes, no], function (i) { answer = i; }, focused, dismissible);
    },
    answer: function () { return answer; },

    // Resolves at the time (performance.now()) a step's pause ends. While
    // 4 ms or more of it are left, a timer waits for the rest; what is left
    // after a timer that woke a fraction of a millisecond early, or of a
    // pause shorter than 4 ms, is waited out in message tasks, because a
    // timer set from a chain of timers for less than 4 ms is held to 4 ms.
    // Message tasks are not held back, and the browser paints and takes
    // input between them.
    // A hidden page holds the run where it is, whatever the browser does
    // with its timers; shown again, the run goes on with a whole pause.
    until: function (deadline) {
      return new Promise(function (resolve) {
        function check() {
          if (document.hidden) {
            document.addEventListener('visibilitychange', function shown() {
              if (document.hidden) return;
              document.removeEventListener('visibilitychange', shown);
              check();
            });
            return;
          }
          var left = deadline - performance.now();
          if (!(left > 0)) resolve();
          else if (left >= 4) setTimeout(check, left);
          else yieldThen(check);
        }
        check();
      });
    },

    announce: function (text) { status.textContent = text; },

    // In the scene's pixels, as the root shows them; the lines' left and
    // top at places, places + 1, and so on. A screen reader hears the
    // values from the live region instead.
    showReadout: function (left, top, width, height, border, lines, places, family, pixels, bold, ink, background) {
      if (readout === null) {
        readout = document.createElement('div');
        readout.className = 'readout';
        readout.setAttribute('aria-hidden', 'true');
        root.append(readout);
      }
      place(readout, left - shownFrom.left, top - shownFrom.top, width, height);
      readout.style.font = fontOf(family, pixels, bold);
      readout.style.color = css(ink);
      readout.style.background = css(background);
      readout.style.borderColor = css(ink);
      readout.style.borderWidth = border + 'px';
      readout.replaceChildren.apply(readout, lines.map(function (text, i) {
        var line = document.createElement('div');
        line.textContent = text;
        line.style.left = HEAPF64[places + 2 * i] + 'px';
        line.style.top = HEAPF64[places + 2 * i + 1] + 'px';
        return line;
      }));
      readout.hidden = false;
    },
    hideReadout: function () { if (readout !== null) readout.hidden = true; },
    // A sine through a gain, made in the user's gesture that turned it on,
    // as browsers require; silent until the program sets a loudness.
    startSound: function () {
      if (audio === null) {
        var Context = window.AudioContext || window.webkitAudioContext;
        if (!Context) return false;
        var context = new Context();
        var oscillator = context.createOscillator();
        var gain = context.createGain();
        gain.gain.value = 0;
        oscillator.connect(gain);
        gain.connect(context.destination);
        oscillator.start();
        audio = { context: context, oscillator: oscillator, gain: gain, sounding: false };
      }
      if (audio.context.state === 'suspended') audio.context.resume();
      return true;
    },
    // The pitch glides with the time constant, the loudness reaches its
    // value within the fade; a tone that starts from silence starts at its
    // pitch.
    tone: function (hz, loudness, glide, fade) {
      if (audio === null) return;
      var now = audio.context.currentTime;
      if (audio.sounding) audio.oscillator.frequency.setTargetAtTime(hz, now, glide);
      else audio.oscillator.frequency.setValueAtTime(hz, now);
      audio.gain.gain.setTargetAtTime(loudness, now, fade / 3);
      audio.sounding = loudness > 0;
    },
    showSound: function (on) { if (soundButton !== null) soundButton.setAttribute('aria-pressed', String(on)); },
    // The program has started: from now on it reports its own failures.
    ready: function (title, crashText) {
      ready = true;
      stopped = { title: title, text: crashText };
      if (window.performance && performance.mark) performance.mark('tavrolin-ready');
      // The number format, found while the pupil looks at the window, so
      // that the first run does not wait for it.
      setTimeout(function () { TavrolinPage.decimalSeparator(); }, 0);
    },
    // The program stopped without a word: its code would not load, or
    // WebAssembly aborted, or it threw past its calls. Before start-up the
    // page says that it could not start instead of staying blank; after it,
    // the failure box says so, and the program has ended.
    stoppedByItself: function (reason) {
      if (ended) return;
      if (ready) { this.failure(stopped.title, stopped.text + '\n\n' + reason); return; }
      if (openDialog !== null) return;
      ended = true;
      var notice = document.createElement('div');
      notice.className = 'ended';
      notice.setAttribute('role', 'alert');
      var notStarted = tavrolinNotices['page-not-started'];
      // A function, so that a reason with "$&" in it is taken as it stands.
      notice.textContent = notStarted[noticeLanguage(notStarted)].replace('{reason}', function () { return reason; });
      document.body.append(notice);
    },

    // The program has input to deliver: it is called back from a timer of
    // the page's, never from inside its own call.
    scheduleHeld: function () {
      setTimeout(function () {
        if (ended) return;
        Module._tavrolin_deliver_held();
      }, 0);
    },
    // Gives a held input to the controls, as it would have been had it come
    // now; the program then takes the events it made from nextDelivered().
    deliverHeld: function (number) {
      var entry = held[number];
      delete held[number];
      delivered = [];
      if (!entry || ended) return;
      if (entry.type === 'click') {
        if (!document.contains(entry.target)) return;
        // As the click would have done: its control takes the focus, and
        // on a slider the thumb goes where it came.
        var control = entry.target.closest('label') ? entry.target.closest('label').querySelector('input')
                                                    : entry.target;
        if (control.matches('input, button')) control.focus({ preventScroll: true });
        if (control.type === 'text') control.setSelectionRange(control.value.length, control.value.length);
        if (entry.along !== null && control.type === 'range') {
          var min = Number(control.min), max = Number(control.max);
          var value = String(Math.round(min + entry.along * (max - min)));
          if (value !== control.value) {
            control.value = value;
            control.dispatchEvent(new Event('change', { bubbles: true }));
          }
        } else {
          entry.target.click();
        }
      } else {
        replayKey(entry);
      }
    },
    // The next event the delivered input made (control index * 4 + event),
    // or -1.
    nextDelivered: function () {
      var next = delivered !== null && delivered.length > 0 ? delivered.shift() : -1;
      if (next < 0) delivered = null;
      return next;
    },

    // The program has ended: a tab cannot be closed by its page, so it says
    // so and how to start again.
    end: function () {
      ended = true;
      held = {};
      [root, panel].forEach(function (p) {
        p.querySelectorAll('button, input').forEach(function (e) { e.disabled = true; });
      });
      var notice = document.createElement('div');
      notice.className = 'ended';
      notice.setAttribute('role', 'status');
      notice.textContent = texts.ended;
      document.body.append(notice);
      document.title = texts.endedTitle;
    },
    failure: function (title, text) {
      var self = this;
      ended = true;
      makeDialog(title, text, [texts.ok], function () { self.end(); }, 0, false);
    },
  };
})();

// The program starts once the page's fonts are ready (tavrolinFonts, from
// the page's first script): the labels painted into the drawing at start-up
// are written in them.
Module.preRun = (Module.preRun || []).concat(function () {
  if (!tavrolinFonts) return;
  addRunDependency('fonts');
  tavrolinFonts.then(function () { removeRunDependency('fonts'); });
});

// The program's code was put to compiling as the page was read
// (tavrolinCode, from the page's first script); here it gets what it
// imports.
Module.instantiateWasm = function (imports, receiveInstance) {
  tavrolinCode
    .then(function (module) {
      return WebAssembly.instantiate(module, imports).then(function (instance) { receiveInstance(instance, module); });
    })
    .catch(function (error) { abort(String((error && error.message) || error)); });
  return {};
};

// A failure before the program could report it shows on the page.
Module.onAbort = function (what) { TavrolinPage.stoppedByItself(String(what)); };
window.addEventListener('error', function (event) {
  TavrolinPage.stoppedByItself(String(event.message || event.error));
});
window.addEventListener('unhandledrejection', function (event) {
  TavrolinPage.stoppedByItself(String((event.reason && event.reason.message) || event.reason));
});
