// The page around the game: the canvas's scale and the choice of it,
// full-screen, the phone's keyboard, the "play again" button; and the
// settings the program reads when it loads.
(function() {
  'use strict';
  var width = 640, height = 480;
  var stage = document.getElementById('ferrow-stage');
  var canvas = document.getElementById('ferrow-canvas');
  var keyboard = document.getElementById('ferrow-keyboard');
  var typeButton = document.getElementById('ferrow-type');
  var fullscreenButton = document.getElementById('ferrow-fullscreen');
  var scaleButton = document.getElementById('ferrow-scale');
  var againButton = document.getElementById('ferrow-again');

  // The picture fills the page's limiting side with 4:3 kept, sharp: the
  // canvas holds it at the next whole factor above the size it is shown at
  // (in the screen's own pixels), each pixel a block drawn without
  // smoothing, and the browser shrinks that with smoothing, so that only
  // the screen pixels on the borders between picture pixels are blends.
  // Asked for, whole factors only, with black bars: every pixel the same
  // size. A screen smaller than the picture gets it shrunk to fit either
  // way, smoothed, since dropping whole rows and columns would tear the
  // thin letters.
  var scaleKey = 'ferrow-scaling';
  function storedScaling() {
    try {
      return localStorage.getItem(scaleKey) === 'whole' ? 'whole' : 'fill';
    } catch (e) {
      return 'fill';  // storage refused: the default
    }
  }
  var scaling = storedScaling();

  function scalePicture() {
    var dpr = window.devicePixelRatio || 1;
    var fit = Math.min(stage.clientWidth / width, stage.clientHeight / height);
    var wholeFactor = Math.floor(fit * dpr);
    var whole = scaling === 'whole' && wholeFactor >= 1;
    var scale = whole ? wholeFactor / dpr : fit;
    var factor = whole ? wholeFactor : Math.max(1, Math.ceil(scale * dpr - 1e-6));
    canvas.style.width = width * scale + 'px';
    canvas.style.height = height * scale + 'px';
    canvas.style.imageRendering = whole ? 'pixelated' : 'auto';
    if (canvas.width !== width * factor) {
      canvas.width = width * factor;
      canvas.height = height * factor;
      if (window.ferrowRedraw) window.ferrowRedraw();
    }
    scaleButton.setAttribute('aria-pressed', scaling === 'whole' ? 'true' : 'false');
  }
  window.ferrowScalePicture = scalePicture;
  window.addEventListener('resize', scalePicture);
  document.addEventListener('fullscreenchange', scalePicture);
  scalePicture();

  // The choice is kept in the page's storage for the next visit.
  scaleButton.addEventListener('click', function() {
    scaleButton.blur();
    scaling = scaling === 'whole' ? 'fill' : 'whole';
    try {
      localStorage.setItem(scaleKey, scaling);
    } catch (e) {
      // Kept for this visit only.
    }
    scalePicture();
  });

  window.ferrowToggleFullscreen = function() {
    if (document.fullscreenElement) document.exitFullscreen().catch(function() {});
    else if (document.documentElement.requestFullscreen)
      document.documentElement.requestFullscreen().catch(function() {});
  };
  // In full screen the browser takes Escape to leave it, and the first
  // Escape would never end the game. Where the page may keep the key, the
  // game gets it as on the desktop, and holding it down leaves full screen;
  // once the game is over Escape is the browser's again.
  var gameOver = false;
  function keepEscape() {
    var keys = navigator.keyboard;
    if (!keys || !keys.lock) return;
    if (document.fullscreenElement && !gameOver) keys.lock(['Escape']).catch(function() {});
    else keys.unlock();
  }
  document.addEventListener('fullscreenchange', keepEscape);

  if (!document.fullscreenEnabled) fullscreenButton.hidden = true;
  fullscreenButton.addEventListener('click', function() {
    fullscreenButton.blur();
    window.ferrowToggleFullscreen();
  });

  // A phone has no keys to type a name with: the button raises its keyboard.
  function showTypeButton() { typeButton.hidden = false; }
  if (navigator.maxTouchPoints > 0) showTypeButton();
  window.addEventListener('touchstart', showTypeButton, {once: true, passive: true});
  typeButton.addEventListener('click', function() {
    keyboard.focus();
  });

  window.ferrowGameEnded = function() {
    gameOver = true;
    keepEscape();
    againButton.style.display = 'block';
  };
  againButton.addEventListener('click', function() {
    location.reload();
  });

  window.Module = {
    canvas: canvas,
    // Debug lines are for developers, not the player's console errors.
    printErr: function(text) { console.debug(text); },
    onAbort: function(what) {
      console.error('ferrow: ' + what);
    },
  };
})();
