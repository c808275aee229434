// The page around the game: the canvas's scale, full-screen, the phone's
// keyboard, the "play again" button; and the settings the program reads
// when it loads.
(function() {
  'use strict';
  var width = 640, height = 480;
  var stage = document.getElementById('ferrow-stage');
  var canvas = document.getElementById('ferrow-canvas');
  var keyboard = document.getElementById('ferrow-keyboard');
  var typeButton = document.getElementById('ferrow-type');
  var fullscreenButton = document.getElementById('ferrow-fullscreen');
  var againButton = document.getElementById('ferrow-again');

  // The largest whole factor that fits keeps every pixel the same size; a
  // screen smaller than the picture gets it shrunk to fit instead, smoothed,
  // since dropping whole rows and columns would tear the thin letters.
  function scalePicture() {
    var w = stage.clientWidth, h = stage.clientHeight;
    var fit = Math.min(w / width, h / height);
    var scale = fit >= 1 ? Math.floor(fit) : fit;
    canvas.style.width = Math.floor(width * scale) + 'px';
    canvas.style.height = Math.floor(height * scale) + 'px';
    canvas.style.imageRendering = scale >= 1 ? 'pixelated' : 'auto';
  }
  window.addEventListener('resize', scalePicture);
  document.addEventListener('fullscreenchange', scalePicture);
  scalePicture();

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
