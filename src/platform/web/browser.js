// The page as the game's platform sees it: the canvas the frames go to, the
// events queued for the messages backend, the keys held, the sound output
// and the fatal report's dialog. The C++ side calls the ferrow_* functions;
// everything here runs on the page's one thread, between the game's waits.

var LibraryFerrowBrowser = {
  // The environment, for the stored scores' folder (storage.js).
  $Ferrow__deps: ['$ENV'],
  $Ferrow: {
    // Event kinds; the messages backend reads the same numbers.
    MOVE: 1,
    BUTTON_DOWN: 2,
    BUTTON_UP: 3,
    KEY_DOWN: 4,
    ACTIVE: 5,

    // Virtual-key codes of the keys the game reads.
    VK_BACK: 0x08, VK_RETURN: 0x0D, VK_ESCAPE: 0x1B, VK_SPACE: 0x20,
    VK_LEFT: 0x25, VK_UP: 0x26, VK_RIGHT: 0x27, VK_DOWN: 0x28,
    VK_F1: 0x70, VK_F2: 0x71, VK_F12: 0x7B,

    // The name entry looks at the keyboard on every fourth frame only, so a
    // key counts as held for at least this long: quick taps and a phone
    // keyboard's presses, which come and go at once, still reach it.
    MIN_HOLD_MS: 100,
    // A second finger within this time makes a two-finger tap, not a shot.
    SECOND_FINGER_MS: 40,

    // The picture is put at its own size into a canvas of its own, then
    // drawn without smoothing into the page's canvas, whose size the page
    // sets to a whole multiple of it (ferrow-page.js).
    WIDTH: 640,
    HEIGHT: 480,
    canvas: null,
    context2d: null,
    picture: null,
    pictureContext: null,
    image: null,
    events: [],
    held: {},        // virtual-key code -> time it went down
    releases: {},    // virtual-key code -> pending release timer
    altHeld: false,
    active: true,
    touch: null,     // the touch gesture under way
    audio: null,
    reportOpen: false,
    // For measuring: when the first frame was shown, and the work and time
    // of the last frames, which tests read as window.ferrowStats.
    stats: {firstFrame: 0, work: [], times: []},

    push: function(kind, a, b, c) {
      Ferrow.events.push([kind, a | 0, b | 0, c | 0]);
    },

    // A point of the page in the picture's pixels, through the canvas's
    // place and size on the page, whatever its own size; the backend clamps it.
    imagePoint: function(clientX, clientY) {
      var rect = Ferrow.canvas.getBoundingClientRect();
      if (rect.width <= 0 || rect.height <= 0) return [0, 0];
      return [Math.floor((clientX - rect.left) * Ferrow.WIDTH / rect.width),
              Math.floor((clientY - rect.top) * Ferrow.HEIGHT / rect.height)];
    },

    // Letters by their label, so that Z is Z on any keyboard layout; the
    // other keys by what they do.
    keyCode: function(e) {
      if (e.key && e.key.length === 1) {
        var c = e.key.toUpperCase();
        if (c >= 'A' && c <= 'Z') return c.charCodeAt(0);
        if (c === ' ') return Ferrow.VK_SPACE;
      }
      switch (e.key) {
        case 'Backspace': return Ferrow.VK_BACK;
        case 'Enter': return Ferrow.VK_RETURN;
        case 'Escape': return Ferrow.VK_ESCAPE;
        case 'ArrowLeft': return Ferrow.VK_LEFT;
        case 'ArrowUp': return Ferrow.VK_UP;
        case 'ArrowRight': return Ferrow.VK_RIGHT;
        case 'ArrowDown': return Ferrow.VK_DOWN;
        case 'F1': return Ferrow.VK_F1;
        case 'F2': return Ferrow.VK_F2;
        case 'F12': return Ferrow.VK_F12;
      }
      return 0;
    },

    press: function(vk) {
      if (Ferrow.releases[vk]) {
        clearTimeout(Ferrow.releases[vk]);
        delete Ferrow.releases[vk];
      }
      if (!(vk in Ferrow.held)) Ferrow.held[vk] = performance.now();
    },

    release: function(vk) {
      if (!(vk in Ferrow.held) || Ferrow.releases[vk]) return;
      var left = Ferrow.held[vk] + Ferrow.MIN_HOLD_MS - performance.now();
      if (left <= 0) {
        delete Ferrow.held[vk];
        return;
      }
      Ferrow.releases[vk] = setTimeout(function() {
        delete Ferrow.releases[vk];
        delete Ferrow.held[vk];
      }, left);
    },

    // A key typed on a phone's keyboard: down and, after the least hold, up.
    tap: function(vk) {
      Ferrow.press(vk);
      Ferrow.release(vk);
    },

    releaseAll: function() {
      for (var vk in Ferrow.releases) clearTimeout(Ferrow.releases[vk]);
      Ferrow.releases = {};
      Ferrow.held = {};
      Ferrow.altHeld = false;
    },

    setActive: function(active) {
      if (active === Ferrow.active) return;
      Ferrow.active = active;
      // Keys let go while the page was away would otherwise stay held.
      if (!active) Ferrow.releaseAll();
      Ferrow.push(Ferrow.ACTIVE, active ? 1 : 0, 0, 0);
    },

    // Keys typed into a text field of the page, other than the one that
    // raises a phone's keyboard for the game, are not the game's.
    forGame: function(e) {
      var t = e.target;
      return !(t && t.id !== 'ferrow-keyboard' && (t.tagName === 'INPUT' || t.tagName === 'TEXTAREA'));
    },

    onKeyDown: function(e) {
      if (e.key === 'Alt') Ferrow.altHeld = true;
      if (!Ferrow.forGame(e) || e.ctrlKey || e.metaKey || Ferrow.reportOpen) return;
      var vk = Ferrow.keyCode(e);
      if (!vk) return;
      if (vk === Ferrow.VK_RETURN && e.altKey) {
        // Alt+Enter switches full-screen, as on the desktop, and never
        // confirms a name.
        e.preventDefault();
        if (window.ferrowToggleFullscreen) window.ferrowToggleFullscreen();
        return;
      }
      e.preventDefault();
      if (e.repeat) return;
      Ferrow.press(vk);
      Ferrow.push(Ferrow.KEY_DOWN, vk, 0, 0);
      Ferrow.startAudio();
    },

    onKeyUp: function(e) {
      if (e.key === 'Alt') Ferrow.altHeld = false;
      var vk = Ferrow.keyCode(e);
      if (vk) Ferrow.release(vk);
    },

    // The hidden field that raises a phone's keyboard: what is typed into it
    // arrives as key taps and leaves the field empty again.
    onKeyboardInput: function(e) {
      var field = e.target;
      if (e.inputType === 'deleteContentBackward') Ferrow.tap(Ferrow.VK_BACK);
      else if (e.inputType === 'insertLineBreak') Ferrow.tap(Ferrow.VK_RETURN);
      var text = e.data || (e.inputType && e.inputType.indexOf('insert') === 0 ? field.value : '');
      for (var i = 0; i < text.length; ++i) {
        var vk = Ferrow.keyCode({key: text[i]});
        if (vk) Ferrow.tap(vk);
      }
      // A blank keeps Backspace working on keyboards that only send it for
      // a field with something to delete.
      field.value = ' ';
    },

    // A tap anywhere on the page (on its buttons too) is followed by the
    // mouse events browsers make up for it; they must not move the aim.
    TOUCH_MOUSE_MS: 800,
    lastTouch: -1e9,

    onMouse: function(e, kind) {
      if (performance.now() - Ferrow.lastTouch < Ferrow.TOUCH_MOUSE_MS) return;
      var p = Ferrow.imagePoint(e.clientX, e.clientY);
      if (kind === Ferrow.MOVE) {
        Ferrow.push(kind, p[0], p[1], 0);
        return;
      }
      // Left and right only; the right button must not open a menu.
      if (e.button !== 0 && e.button !== 2) return;
      if (kind === Ferrow.BUTTON_DOWN) e.preventDefault();
      Ferrow.push(kind, e.button === 0 ? 0 : 1, p[0], p[1]);
      if (kind === Ferrow.BUTTON_DOWN) Ferrow.startAudio();
    },

    // A tap shoots where it lands, a two-finger tap reloads. The first finger
    // waits a moment for a second one, so a two-finger tap does not shoot.
    onTouchStart: function(e) {
      e.preventDefault();
      Ferrow.startAudio();
      var t = Ferrow.touch;
      if (e.touches.length >= 2) {
        if (t && t.timer) clearTimeout(t.timer);
        if (!t || t.button !== 1) {
          if (t && t.button === 0) Ferrow.push(Ferrow.BUTTON_UP, 0, t.x, t.y);
          var q = Ferrow.imagePoint(e.touches[0].clientX, e.touches[0].clientY);
          Ferrow.touch = {button: 1, x: q[0], y: q[1], timer: 0};
          Ferrow.push(Ferrow.BUTTON_DOWN, 1, q[0], q[1]);
        }
        return;
      }
      if (t) return;
      var p = Ferrow.imagePoint(e.touches[0].clientX, e.touches[0].clientY);
      var gesture = {button: -1, x: p[0], y: p[1], timer: 0};
      gesture.timer = setTimeout(function() {
        gesture.timer = 0;
        gesture.button = 0;
        Ferrow.push(Ferrow.MOVE, gesture.x, gesture.y, 0);
        Ferrow.push(Ferrow.BUTTON_DOWN, 0, gesture.x, gesture.y);
        if (gesture.ended) Ferrow.endTouch(gesture);
      }, Ferrow.SECOND_FINGER_MS);
      Ferrow.touch = gesture;
    },

    onTouchEnd: function(e) {
      e.preventDefault();
      var t = Ferrow.touch;
      if (!t || e.touches.length > 0) return;
      if (t.timer) t.ended = true;  // the shot is still to come
      else Ferrow.endTouch(t);
    },

    endTouch: function(t) {
      Ferrow.push(Ferrow.BUTTON_UP, t.button, t.x, t.y);
      if (Ferrow.touch === t) Ferrow.touch = null;
      Ferrow.restInMiddle();
    },

    // A finger held still at an edge scrolls the view as the pointer does;
    // with no finger down the aim rests in the middle, or the view would go
    // on scrolling towards the last tap near an edge.
    onTouchMove: function(e) {
      e.preventDefault();
      var t = Ferrow.touch;
      if (!t || t.button !== 0 || e.touches.length !== 1) return;
      var p = Ferrow.imagePoint(e.touches[0].clientX, e.touches[0].clientY);
      t.x = p[0];
      t.y = p[1];
      Ferrow.push(Ferrow.MOVE, p[0], p[1], 0);
    },

    // The picture into the page's canvas again, as after the page gave the
    // canvas a new size, which clears it (and forgets the smoothing).
    redraw: function() {
      var c = Ferrow.canvas, context2d = Ferrow.context2d;
      if (!c || !Ferrow.picture) return;
      context2d.imageSmoothingEnabled = false;
      context2d.drawImage(Ferrow.picture, 0, 0, c.width, c.height);
    },

    restInMiddle: function() {
      Ferrow.push(Ferrow.MOVE, Ferrow.WIDTH >> 1, Ferrow.HEIGHT >> 1, 0);
    },

    onVisibility: function() {
      Ferrow.setActive(document.visibilityState === 'visible' && !Ferrow.blurred);
    },

    // Browsers let sound start only after the player has clicked or typed;
    // until then the output stays silent, which is no failure.
    startAudio: function() {
      var a = Ferrow.audio;
      if (a && !a.paused && a.context.state !== 'running') a.context.resume().catch(function() {});
    },

    blurred: false,

    listen: function() {
      var c = Ferrow.canvas;
      // Beside the picture the pointer counts as at its edge, as on a
      // screen with bars.
      window.addEventListener('mousemove', function(e) { Ferrow.onMouse(e, Ferrow.MOVE); });
      c.addEventListener('mousedown', function(e) { Ferrow.onMouse(e, Ferrow.BUTTON_DOWN); });
      // Released outside the canvas counts too, or the next shot would wait
      // for a release that never came.
      window.addEventListener('mouseup', function(e) { Ferrow.onMouse(e, Ferrow.BUTTON_UP); });
      c.addEventListener('contextmenu', function(e) { e.preventDefault(); });
      var touched = function() { Ferrow.lastTouch = performance.now(); };
      window.addEventListener('touchstart', touched, {capture: true, passive: true});
      window.addEventListener('touchend', touched, {capture: true, passive: true});
      c.addEventListener('touchstart', Ferrow.onTouchStart, {passive: false});
      c.addEventListener('touchend', Ferrow.onTouchEnd, {passive: false});
      c.addEventListener('touchcancel', Ferrow.onTouchEnd, {passive: false});
      c.addEventListener('touchmove', Ferrow.onTouchMove, {passive: false});
      window.addEventListener('keydown', Ferrow.onKeyDown);
      window.addEventListener('keyup', Ferrow.onKeyUp);
      window.addEventListener('blur', function() { Ferrow.blurred = true; Ferrow.onVisibility(); });
      window.addEventListener('focus', function() { Ferrow.blurred = false; Ferrow.onVisibility(); });
      document.addEventListener('visibilitychange', Ferrow.onVisibility);
      var field = document.getElementById('ferrow-keyboard');
      if (field) {
        field.value = ' ';
        field.addEventListener('input', Ferrow.onKeyboardInput);
      }
    },
  },

  // Finds the canvas and starts listening; false without one.
  ferrow_page_open__deps: ['$Ferrow'],
  ferrow_page_open: function(width, height) {
    var c = document.getElementById('ferrow-canvas');
    if (!c || !c.getContext) return 0;
    var context2d = c.getContext('2d', {alpha: false});
    var picture = document.createElement('canvas');
    picture.width = width;
    picture.height = height;
    var pictureContext = picture.getContext('2d', {alpha: false});
    if (!context2d || !pictureContext) return 0;
    Ferrow.WIDTH = width;
    Ferrow.HEIGHT = height;
    Ferrow.canvas = c;
    Ferrow.context2d = context2d;
    Ferrow.picture = picture;
    Ferrow.pictureContext = pictureContext;
    Ferrow.image = pictureContext.createImageData(width, height);
    window.ferrowRedraw = Ferrow.redraw;
    if (window.ferrowScalePicture) window.ferrowScalePicture();
    Ferrow.active = document.visibilityState === 'visible';
    Ferrow.listen();
    if (navigator.maxTouchPoints > 0) Ferrow.restInMiddle();
    window.ferrowStats = Ferrow.stats;
    return 1;
  },

  // Whether the page is the one the player has in front of them now.
  ferrow_page_active__deps: ['$Ferrow'],
  ferrow_page_active: function() {
    return Ferrow.active ? 1 : 0;
  },

  // One queued event into out[0..3] (kind, then its values); 0 when none.
  ferrow_page_next_event__deps: ['$Ferrow'],
  ferrow_page_next_event: function(out) {
    var e = Ferrow.events.shift();
    if (!e) return 0;
    HEAP32.set(e, out >> 2);
    return 1;
  },

  ferrow_page_key_down__deps: ['$Ferrow'],
  ferrow_page_key_down: function(vk) {
    // While Alt is held Enter belongs to the full-screen switch.
    if (vk === Ferrow.VK_RETURN && Ferrow.altHeld) return 0;
    return (vk in Ferrow.held) ? 1 : 0;
  },

  // Shows a frame of RGBA pixels, width x height as opened: each pixel a
  // block of whole pixels of the page's canvas, which the browser then
  // shrinks with smoothing to the size it has on the page.
  ferrow_page_present__deps: ['$Ferrow'],
  ferrow_page_present: function(rgba) {
    var image = Ferrow.image;
    if (!image) return;
    image.data.set(HEAPU8.subarray(rgba, rgba + image.data.length));
    Ferrow.pictureContext.putImageData(image, 0, 0);
    Ferrow.redraw();
    if (!Ferrow.stats.firstFrame) Ferrow.stats.firstFrame = performance.now();
  },

  // A frame's work in milliseconds, from the end of one wait to the next.
  ferrow_page_frame__deps: ['$Ferrow'],
  ferrow_page_frame: function(workMs) {
    var s = Ferrow.stats;
    s.work.push(workMs);
    s.times.push(performance.now());
    if (s.work.length > 1200) {
      s.work.shift();
      s.times.shift();
    }
  },

  // The crosshair over the canvas, from RGBA pixels with their hot spot.
  ferrow_page_set_cursor__deps: ['$Ferrow'],
  ferrow_page_set_cursor: function(rgba, width, height, hotX, hotY) {
    if (!Ferrow.canvas) return;
    var picture = document.createElement('canvas');
    picture.width = width;
    picture.height = height;
    var context2d = picture.getContext('2d');
    var image = context2d.createImageData(width, height);
    image.data.set(HEAPU8.subarray(rgba, rgba + width * height * 4));
    context2d.putImageData(image, 0, 0);
    Ferrow.canvas.style.cursor = 'url(' + picture.toDataURL('image/png') + ') ' + hotX + ' ' + hotY + ', crosshair';
  },

  // The fatal report: the page's dialog with its caption and text. The
  // backend waits while ferrow_page_report_open answers 1.
  ferrow_page_report__deps: ['$Ferrow'],
  ferrow_page_report: function(caption, text) {
    var dialog = document.getElementById('ferrow-report');
    if (!dialog) return 0;
    if (document.fullscreenElement) document.exitFullscreen().catch(function() {});
    dialog.querySelector('.caption').textContent = UTF8ToString(caption);
    dialog.querySelector('.text').textContent = UTF8ToString(text);
    Ferrow.reportOpen = true;
    Ferrow.releaseAll();
    dialog.querySelector('button').onclick = function() {
      dialog.close();
      Ferrow.reportOpen = false;
    };
    dialog.showModal();
    return 1;
  },

  ferrow_page_report_open__deps: ['$Ferrow'],
  ferrow_page_report_open: function() {
    return Ferrow.reportOpen ? 1 : 0;
  },

  // The game has ended: the page offers to play again.
  ferrow_page_ended: function() {
    if (window.ferrowGameEnded) window.ferrowGameEnded();
  },

  // Opens the sound output pulling `frames` frames at a time of `channels`
  // interleaved 16-bit samples from ferrow_audio_fill into buffer; answers
  // the output's rate, 0 where the browser has no Web Audio.
  ferrow_audio_open__deps: ['$Ferrow'],
  ferrow_audio_open: function(channels, buffer, frames) {
    var AudioContext = window.AudioContext || window.webkitAudioContext;
    if (!AudioContext) return 0;
    var context;
    try {
      context = new AudioContext();
    } catch (e) {
      return 0;
    }
    // A script processor, not a worklet: the mixer runs in the page's own
    // thread, where the game's sound slots are.
    var node = context.createScriptProcessor(frames, 0, 2);
    var a = {context: context, node: node, paused: false};
    node.onaudioprocess = function(event) {
      var out = event.outputBuffer;
      var left = out.getChannelData(0), right = out.getChannelData(1);
      var n = Math.min(out.length, frames);
      if (a.paused || Ferrow.audio !== a) {
        left.fill(0);
        right.fill(0);
        return;
      }
      Module['_ferrow_audio_fill'](buffer, n);
      var samples = HEAP16.subarray(buffer >> 1, (buffer >> 1) + n * channels);
      var second = channels > 1 ? 1 : 0;
      for (var i = 0; i < n; ++i) {
        left[i] = samples[i * channels] / 32768;
        right[i] = samples[i * channels + second] / 32768;
      }
    };
    node.connect(context.destination);
    Ferrow.audio = a;
    return context.sampleRate | 0;
  },

  ferrow_audio_pause__deps: ['$Ferrow'],
  ferrow_audio_pause: function(paused) {
    var a = Ferrow.audio;
    if (!a) return;
    a.paused = !!paused;
    if (a.paused) a.context.suspend().catch(function() {});
    else Ferrow.startAudio();
  },

  ferrow_audio_close__deps: ['$Ferrow'],
  ferrow_audio_close: function() {
    var a = Ferrow.audio;
    if (!a) return;
    Ferrow.audio = null;
    a.node.disconnect();
    a.context.close().catch(function() {});
  },
};

mergeInto(LibraryManager.library, LibraryFerrowBrowser);
