// The browser build played in headless Chromium: the page loads without
// console errors, shows the logo and then the scene, takes a typed name,
// runs the countdown, counts a shot in the score digits, and after Escape
// keeps the table, with the new name, in the browser's storage across a
// reload (and, played with the mouse, across a browser restart). Played
// with the mouse, a hidden or unfocused page runs no frames and pauses the
// sound, and Alt+Enter switches full screen, where Escape still ends the
// game. Run "clock": on a page clock ten times as fast, the time left does
// not count the seconds the page was hidden, and a game played to its end
// keeps its result when the tab is closed without Escape. Run "report": a
// picture missing from the data brings the fatal report's dialog, and
// after it the offer to play again. Run "screens": at viewports of a laptop,
// a desktop browser on a 1080p screen and a phone, the picture fills the
// limiting side, 4:3, drawn at the next whole factor above; "Ganzzahlig"
// gives whole factors, kept across a reload.
// Usage: node game_in_browser.mjs URL mouse|touch|clock|report|screens [SCREENSHOT_DIR]
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, join } from 'node:path';
import { createRequire } from 'node:module';
import { fileURLToPath } from 'node:url';

// The driver is installed beside the page's sources, in web/node_modules.
const require = createRequire(import.meta.url);
const modules = join(dirname(fileURLToPath(import.meta.url)), '..', '..', 'web', 'node_modules');
let puppeteer;
try {
  puppeteer = require(join(modules, 'puppeteer-core'));
} catch (e) {
  console.log('SKIP: puppeteer-core is not installed (scripts/web.sh installs it)');
  process.exit(77);
}

const [url, mode, shots] = process.argv.slice(2);
if (!url || !['mouse', 'touch', 'clock', 'report', 'screens'].includes(mode)) {
  console.error('usage: game_in_browser.mjs URL mouse|touch|clock|report|screens [SCREENSHOT_DIR]');
  process.exit(2);
}
const touch = mode === 'touch';
const NAME = { mouse: 'WEBZOE', touch: 'TAPZOE', clock: 'ENDZOE' }[mode];
const SCORES = '/home/web_user/.local/share/ferrow/hight.dat';
const sleep = (ms) => new Promise((r) => setTimeout(r, ms));

const profile = mkdtempSync(join(tmpdir(), 'ferrow-chromium-'));
const problems = [];
let browser;

async function launch() {
  browser = await puppeteer.launch({
    executablePath: process.env.FERROW_CHROMIUM || '/usr/bin/chromium',
    headless: true,
    userDataDir: profile,
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
           '--disable-background-networking', '--disable-component-update', '--disable-sync',
           '--autoplay-policy=no-user-gesture-required'],
  });
  return watched((await browser.pages())[0] || (await browser.newPage()));
}

const LAPTOP = { width: 1280, height: 720 };
const PHONE = { width: 390, height: 844, hasTouch: true, isMobile: true, deviceScaleFactor: 1 };

async function watched(page) {
  page.on('console', (m) => { if (m.type() === 'error') problems.push('console: ' + m.text()); });
  page.on('pageerror', (e) => problems.push('page error: ' + e.message));
  page.on('requestfailed', (r) => problems.push('request failed: ' + r.url()));
  await page.setViewport(touch ? PHONE : LAPTOP);
  return page;
}

function check(ok, what) {
  if (!ok) throw new Error(what);
  console.log('ok: ' + what);
}

// What the canvas shows, summed up: the logo's yellow letters in the
// middle, the colours of the band above the bottom edge (one plain colour
// behind the logo; sea, sand and palms in the scene), and where the score's
// yellow digits are at the top right (clouds passing there are white); and
// the shells left in the magazine at the bottom right.
async function picture(page) {
  return page.evaluate(() => {
    // Before the program has opened the page's canvas, nothing is shown.
    if (typeof Ferrow === 'undefined' || !Ferrow.pictureContext) return { yellow: 0, bandColours: 0, digits: '', shells: 0 };
    const context = Ferrow.pictureContext;
    const middle = context.getImageData(150, 160, 340, 160).data;
    let yellow = 0;
    for (let i = 0; i < middle.length; i += 4)
      if (middle[i] > 200 && middle[i + 1] > 140 && middle[i + 2] < 110) ++yellow;
    const band = context.getImageData(0, 430, 640, 40).data;
    const colours = new Set();
    for (let i = 0; i < band.length; i += 4) colours.add((band[i] << 16) | (band[i + 1] << 8) | band[i + 2]);
    // The eight shells stand 15 pixels apart; a shell is there when nine
    // pixels of its red body are, in a column tall enough that the view's
    // rocking with the waves keeps them in it.
    let shells = 0;
    for (let k = 0; k < 8; ++k) {
      const body = context.getImageData(492 + 15 * k, 446, 1, 25).data;
      let red = 0;
      for (let i = 0; i < body.length; i += 4) if (body[i] > 180 && body[i + 1] < 90 && body[i + 2] < 90) ++red;
      if (red >= 9) ++shells;
    }
    const top = context.getImageData(508, 0, 132, 40).data;
    let digits = '';
    for (let i = 0; i < top.length; i += 4) digits += top[i] > 200 && top[i + 1] > 140 && top[i + 2] < 110 ? '1' : '0';
    return { yellow: yellow / (middle.length / 4), bandColours: colours.size, digits, shells };
  });
}
const isLogo = (p) => p.yellow > 0.05 && p.bandColours <= 2;
const isScene = (p) => p.bandColours > 10 && p.yellow < 0.02;
const isPlain = (p) => p.bandColours <= 2 && !isLogo(p);

// The picture once it passes test, or null when it has not within the
// given seconds (generous: they are a limit for a machine under load, not
// a measure of speed).
async function seen(page, test, seconds) {
  const end = Date.now() + seconds * 1000;
  for (;;) {
    const p = await picture(page);
    if (test(p)) return p;
    if (Date.now() > end) return null;
    await sleep(50);
  }
}

// Whether what holds on the page (a function run there with args) within
// the given seconds.
function pageState(page, what, seconds, ...args) {
  return page.waitForFunction(what, { timeout: seconds * 1000, polling: 20 }, ...args).then(() => true, () => false);
}

// The page's time now.
const pageNow = (page) => page.evaluate(() => performance.now());

// Waits until the game has shown n frames after the page's time since (a
// frame stands for the game's turn: it has read its input since); whether
// it did within the given seconds.
function framesAfter(page, since, n, seconds = 30) {
  return pageState(page, (since, n) => {
    const times = window.ferrowStats.times;
    return times.length >= n && times[times.length - n] > since;
  }, seconds, since, n);
}

// How many frames the game has shown after the page's time since.
function framesSince(page, since) {
  return page.evaluate((since) => {
    const times = window.ferrowStats.times;
    let count = 0;
    while (count < times.length && times[times.length - 1 - count] > since) ++count;
    return count;
  }, since);
}

// The picture once it passes test, or null when it has not after n more
// frames (or, should the frames stop, half a minute).
async function seenWithin(page, n, test) {
  const since = await pageNow(page);
  const end = Date.now() + 30000;
  for (;;) {
    const shown = await framesSince(page, since);
    const p = await picture(page);
    if (test(p)) return p;
    if (shown >= n || Date.now() > end) return null;
    await sleep(20);
  }
}

// The name entry looks at the keys every fourth frame: each is held for
// six frames, and let go for six after the page has let it go (the page
// holds a key for 100 ms at least, however short the press).
async function holdKey(page, key) {
  await page.keyboard.down(key);
  await framesAfter(page, await pageNow(page), 6);
  await page.keyboard.up(key);
  await keysLetGo(page);
}

async function keysLetGo(page) {
  await pageState(page, () => Object.keys(Ferrow.held).length === 0, 10);
  await framesAfter(page, await pageNow(page), 6);
}

// A point of the picture (640 x 480) in the page's coordinates.
async function pagePoint(page, x, y) {
  return page.evaluate((x, y) => {
    const r = document.getElementById('ferrow-canvas').getBoundingClientRect();
    return [r.left + (x + 0.5) * r.width / 640, r.top + (y + 0.5) * r.height / 480];
  }, x, y);
}

// Points well inside green areas, a few at most from each stretch of the
// picture, in the middle where the pointer does not scroll the view.
async function greenTargets(page) {
  return page.evaluate(() => {
    const d = Ferrow.pictureContext.getImageData(0, 0, 640, 480).data;
    const green = (x, y) => {
      const i = (y * 640 + x) * 4;
      return d[i + 1] > d[i] + 30 && d[i + 1] > d[i + 2] + 30;
    };
    const found = [];
    for (let y = 120; y < 440 && found.length < 12; y += 6) {
      for (let x = 60; x < 580; x += 6) {
        let solid = true;
        for (let dy = -4; dy <= 4 && solid; dy += 2)
          for (let dx = -4; dx <= 4 && solid; dx += 2) solid = green(x + dx, y + dy);
        if (solid && found.every(([fx, fy]) => Math.abs(fx - x) + Math.abs(fy - y) > 30)) found.push([x, y]);
      }
    }
    return found;
  });
}

async function shoot(page, x, y) {
  const [px, py] = await pagePoint(page, x, y);
  if (touch) {
    await page.touchscreen.tap(px, py);
  } else {
    await page.mouse.move(px, py);
    await page.mouse.down();
    await sleep(50);
    await page.mouse.up();
  }
}

// A shot jolts the whole view, the digits and shells too, by seven pixels,
// which settle a pixel a frame: the picture once they have.
async function afterJolt(page) {
  await framesAfter(page, await pageNow(page), 10);
  return picture(page);
}

async function reloadGun(page) {
  if (touch) {
    // Two fingers at once.
    const [px, py] = await pagePoint(page, 320, 240);
    const client = await page.createCDPSession();
    const points = [{ x: px, y: py }, { x: px + 40, y: py }];
    await client.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: points });
    await sleep(50);
    await client.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
  } else {
    const [px, py] = await pagePoint(page, 320, 240);
    await page.mouse.move(px, py);
    await page.mouse.down({ button: 'right' });
    await sleep(50);
    await page.mouse.up({ button: 'right' });
  }
}

// What the page measured: from navigation to the first frame, the frame's
// own work (median, from the end of one frame's wait to the next flip) and
// the intervals between the last frames shown. The pace is ours, not the
// page's refresh: the intervals' median is a frame at sixty a second. A
// loaded machine may hold frames back, which is not the game's fault, so
// frames are not counted against the clock. And the game makes up for a
// frame held back by up to 100 ms (beyond that it starts its pace afresh)
// with frames in quick succession, so a second may hold up to 68 of them:
// sixty, one more at its edge, and seven made up.
function judgeFrames({ stats, navigation }) {
  const work = [...stats.work].sort((a, b) => a - b);
  const median = (sorted) => (sorted.length ? sorted[(sorted.length - 1) >> 1] : NaN);
  const times = stats.times.slice(-600);
  const intervals = times.slice(1).map((t, i) => t - times[i]).sort((a, b) => a - b);
  let most = 0;
  for (let first = 0, i = 0; i < times.length; ++i) {
    while (times[i] - times[first] >= 1000) ++first;
    most = Math.max(most, i - first + 1);
  }
  console.log(`measured: first frame ${(stats.firstFrame - navigation).toFixed(0)} ms after navigation, ` +
              `frame work median ${median(work).toFixed(2)} ms; ${times.length} frames, ` +
              `median interval ${median(intervals).toFixed(2)} ms, most in a second ${most}`);
  check(times.length >= 120, 'the game has shown frames to judge its pace by');
  check(Math.abs(median(intervals) - 1000 / 60) <= 1, 'the frames come sixty a second');
  check(most <= 68, 'no second holds more frames than sixty and those made up for 100 ms');
}

// Whether the page offers to play again (the game has ended).
function offersAgain(page) {
  return page.waitForSelector('#ferrow-again', { visible: true, timeout: 30000 }).then(() => true, () => false);
}

async function storedTable(page) {
  return page.evaluate((path) => {
    try {
      return Array.from(Module.FS.readFile(path));
    } catch (e) {
      return null;
    }
  }, SCORES);
}

// The table's rows: a 30-byte name and a 4-byte score, stored with every
// line feed as CR LF. The score of NAME's row, or null.
function scoreOf(bytes) {
  if (bytes === null) return null;
  const raw = [];
  for (let i = 0; i < bytes.length; ++i) {
    if (bytes[i] === 0x0d && bytes[i + 1] === 0x0a) continue;
    raw.push(bytes[i]);
  }
  for (let row = 0; row + 34 <= raw.length; row += 34) {
    const field = Buffer.from(raw.slice(row, row + 30));
    const end = field.indexOf(0);
    if (field.subarray(0, end < 0 ? 30 : end).toString('latin1') === NAME)
      return Buffer.from(raw.slice(row + 30, row + 34)).readInt32LE(0);
  }
  return null;
}
const holdsName = (bytes) => scoreOf(bytes) !== null;

// The entry starts with the last player's name; then NAME and Enter.
async function typeName(page) {
  for (let i = 0; i < 12; ++i) await holdKey(page, 'Backspace');
  if (touch) {
    await page.tap('#ferrow-type');
    check(await page.evaluate(() => document.activeElement.id === 'ferrow-keyboard'),
          "the phone's keyboard is raised");
    // A phone's keyboard types text, not keys.
    for (const c of NAME) {
      await page.keyboard.sendCharacter(c.toLowerCase());
      await keysLetGo(page);
    }
  } else {
    for (const c of NAME) await holdKey(page, 'Key' + c);
  }
  if (shots) await page.screenshot({ path: join(shots, mode + '-name.png') });
  await holdKey(page, 'Enter');
}

async function play() {
  let page = await launch();
  await page.goto(url, { waitUntil: 'load' });

  const first = await seen(page, (p) => p.bandColours > 1 || p.yellow > 0, 20);
  check(first && isLogo(first), 'the logo comes first');
  check(await seen(page, isScene, 20), 'the scene follows the logo');

  await typeName(page);
  // The countdown is one plain colour; play begins when the scene is back.
  check(await seen(page, isPlain, 20), 'the countdown follows the name');
  check(await seen(page, isScene, 30), 'play begins after the countdown');

  const before = (await picture(page)).digits;
  let changed = false;
  // Shots at the palms and the island (hits there score, up or down), clear
  // of the scrolling edges; eight empty the magazine, so reload between.
  const targets = await greenTargets(page);
  check(targets.length > 0, 'palms or island in sight');
  for (let round = 0, k = 0; round < 3 && !changed; ++round) {
    for (let i = 0; i < 8 && !changed; ++i, ++k) {
      const [x, y] = targets[k % targets.length];
      await shoot(page, x, y);
      changed = (await afterJolt(page)).digits !== before;
    }
    if (!changed) {
      await reloadGun(page);
      await seenWithin(page, 60, (p) => p.shells === 8);
    }
  }
  check(changed, 'a shot changes the score digits');
  // Only an empty magazine is reloaded.
  let left = (await afterJolt(page)).shells;
  for (let i = 0; i < 10 && left > 0; ++i) {
    await shoot(page, 320, 120);
    left = (await afterJolt(page)).shells;
  }
  check(left === 0, 'the magazine empties');
  await reloadGun(page);
  check(await seenWithin(page, 60, (p) => p.shells === 8), touch ? 'a two-finger tap reloads' : 'the right button reloads');
  judgeFrames(await page.evaluate(() => ({
    stats: window.ferrowStats,
    navigation: performance.getEntriesByType('navigation')[0].startTime,
  })));
  if (shots) await page.screenshot({ path: join(shots, mode + '-play.png') });

  if (!touch) {
    check((await page.$eval('#ferrow-canvas', (c) => c.style.cursor)).startsWith('url("data:image/png'),
          "the crosshair is the picture's cursor");
    await inactivePageRests(page, 'hidden');
    await inactivePageRests(page, 'blurred');
    await fullScreenByKeys(page);
  }

  await holdKey(page, 'Escape');
  check(await offersAgain(page), 'after Escape the page offers to play again');
  if (!touch && (await page.evaluate(() => !!window.ferrowKeyLocks))) {
    check(await page.evaluate(() => ferrowKeyLocks[ferrowKeyLocks.length - 1] === ''),
          'after the game Escape is the browser\'s again');
  }
  const saved = await storedTable(page);
  check(holdsName(saved), 'the saved table holds ' + NAME);

  await page.reload({ waitUntil: 'load' });
  check(await seen(page, isLogo, 20), 'the logo after a reload');
  const reloaded = await storedTable(page);
  check(reloaded !== null && Buffer.from(reloaded).equals(Buffer.from(saved)),
        'after a reload the stored table is the saved one, byte for byte');

  if (!touch) {
    await browser.close();
    page = await launch();
    await page.goto(url, { waitUntil: 'load' });
    check(await seen(page, isLogo, 20), 'the logo after a browser restart');
    check(holdsName(await storedTable(page)), 'after a browser restart the table still holds ' + NAME);
  }
}

// The page hidden, or its window's focus lost (how: 'hidden' or 'blurred'),
// or back in front; answers the page's time of it.
function setAway(page, how, yes) {
  return page.evaluate((how, yes) => {
    if (how === 'blurred') {
      window.dispatchEvent(new Event(yes ? 'blur' : 'focus'));
    } else {
      Object.defineProperty(document, 'visibilityState', { value: yes ? 'hidden' : 'visible', configurable: true });
      document.dispatchEvent(new Event('visibilitychange'));
    }
    return performance.now();
  }, how, yes);
}

// Hidden, or with its window's focus lost, the page runs no frames and its
// sound output is paused; back in front both go on.
async function inactivePageRests(page, how) {
  const away = (yes) => setAway(page, how, yes);
  const state = () => page.evaluate(() => ({
    lastFrame: window.ferrowStats.times[window.ferrowStats.times.length - 1],
    sound: Ferrow.audio ? (Ferrow.audio.paused ? 'paused ' : 'playing ') + Ferrow.audio.context.state : 'none',
  }));
  await away(true);
  // Once the game has taken the news from the page's queue it starts no
  // frame; sixty turns of a timer of a frame's length later it still has not.
  check(await pageState(page, () => Ferrow.events.length === 0, 10), `the game sees the page ${how}`);
  const gone = await state();
  await page.evaluate((n) => new Promise((done) => {
    let ticks = 0;
    const tick = () => (++ticks < n ? setTimeout(tick, 17) : done());
    setTimeout(tick, 17);
  }), 60);
  await pageState(page, () => Ferrow.audio && Ferrow.audio.context.state !== 'running', 10);
  const later = await state();
  check(later.lastFrame === gone.lastFrame, `no frame runs while the page is ${how}`);
  check(later.sound === 'paused suspended', `the sound is paused while the page is ${how} (${later.sound})`);
  await away(false);
  await framesAfter(page, gone.lastFrame, 2, 10);
  await pageState(page, () => Ferrow.audio && Ferrow.audio.context.state === 'running', 10);
  const back = await state();
  check(back.lastFrame > gone.lastFrame, 'frames go on when the page is back');
  check(back.sound === 'playing running', `the sound goes on when the page is back (${back.sound})`);
}

// Alt+Enter switches full screen on and off, as the button does. In full
// screen the page keeps Escape for the game where the browser lets it
// (headless Chromium hands Escape to the page anyway, so only the request
// is seen here); the game is left in full screen for the Escape that ends it.
async function fullScreenByKeys(page) {
  await page.evaluate(() => {
    const keys = navigator.keyboard;
    if (!keys || !keys.lock) return;
    window.ferrowKeyLocks = [];
    const lock = keys.lock.bind(keys), unlock = keys.unlock.bind(keys);
    keys.lock = (codes) => { ferrowKeyLocks.push(codes.join()); return lock(codes); };
    keys.unlock = () => { ferrowKeyLocks.push(''); unlock(); };
  });
  // Whether full screen is as wanted after Alt+Enter (the switch may take
  // the browser a moment).
  const altEnter = async (wanted) => {
    await page.keyboard.down('Alt');
    await holdKey(page, 'Enter');
    await page.keyboard.up('Alt');
    return pageState(page, (wanted) => !!document.fullscreenElement === wanted, 10, wanted);
  };
  check(await altEnter(true), 'Alt+Enter switches to full screen');
  check(await altEnter(false), 'Alt+Enter switches back');
  check(await altEnter(true), 'Alt+Enter switches to full screen again');
  if (await page.evaluate(() => !!window.ferrowKeyLocks)) {
    check(await page.evaluate(() => ferrowKeyLocks[ferrowKeyLocks.length - 1] === 'Escape'),
          'in full screen Escape is kept for the game');
  } else {
    console.log('note: this browser cannot keep Escape in full screen');
  }
}

// The page's clocks (performance.now and Date.now) run ten times as fast
// once window.ferrowTestClock(10) is called. From then on the time of each
// frame shown is kept, and each is looked at for the moment play begins
// (the countdown's plain colour gives way to the scene) and the moment the
// time has run out (the table's red banner).
function fastClockPage() {
  const realNow = performance.now.bind(performance);
  const sinceEpoch = Date.now() - realNow();
  let factor = 1, realBase = 0, base = 0;
  const now = () => base + (realNow() - realBase) * factor;
  performance.now = now;
  Date.now = () => Math.floor(sinceEpoch + now());
  window.ferrowTestClock = (f) => {
    base = now();
    realBase = realNow();
    factor = f;
  };
  // frames: the page's time of each frame; start, end: the indices of the
  // first frame of play and the first with the banner.
  const play = window.ferrowPlay = { frames: [], countdown: false, start: -1, end: -1 };
  const put = CanvasRenderingContext2D.prototype.putImageData;
  CanvasRenderingContext2D.prototype.putImageData = function(image, ...rest) {
    put.call(this, image, ...rest);
    if (image.width !== 640 || factor === 1 || play.end >= 0) return;
    play.frames.push(now());
    const d = image.data;
    const at = (x, y) => { const i = (y * 640 + x) * 4; return (d[i] << 16) | (d[i + 1] << 8) | d[i + 2]; };
    const plain = [[5, 470], [320, 470], [635, 470], [5, 240], [635, 240]].every(([x, y]) => at(x, y) === at(5, 5));
    if (plain) play.countdown = true;
    else if (play.countdown && play.start < 0) play.start = play.frames.length - 1;
    if (play.start < 0) return;
    let red = 0;
    for (let y = 35; y < 85; ++y) {
      for (let x = 170; x < 470; ++x) {
        const i = (y * 640 + x) * 4;
        if (d[i] > 170 && d[i + 1] < 70 && d[i + 2] < 70) ++red;
      }
    }
    if (red > 3000) play.end = play.frames.length - 1;
  };
}

// The time in front as the game counts it, against the time measured from
// the first frame of play to the first with the banner, less the time the
// page was hidden. The game counts whole seconds of the page's clock: from
// the second in which its countdown ended to its last look at the clock
// before it saw the page hidden, and from the moment it saw the page in
// front again to the look that completes the 90. Counting right, that is
// 90 s in front, give or take the part of a second on each side of the
// pause: 89 to 91 s. The page sees none of these four moments, only the
// frames around them, and the game looks at its clock once a frame,
// between showing one frame and the next:
//   - play counts from the whole second that began after the countdown's
//     look two frames before the first frame of play and before the look
//     in the frame before it, which started play;
//   - the last look before the pause came after the last frame but one
//     before the page was hidden, and before the last;
//   - the game sees the page in front again after it is shown and before
//     its next frame;
//   - the banner is shown from the frame after the one in which the time
//     ran out, so the second that ran it out began after the look two
//     frames before that one. A look more than a second after the one
//     before jumps below 0, which the clock makes 0 a frame later: then
//     that second may have begun a frame earlier still.
// Each moment's span widens the allowed range by as much and no more, so
// that counting the hidden ten seconds still fails. And since the game
// counts whole seconds, the count itself is known where no second began
// within a span: then it must be 90 exactly, and a second lost or gained
// fails too.
function judgeTimeInFront(play, hiddenAt, shownAt) {
  const t = (i) => play.frames[i] / 1000;
  const s = play.start, e = play.end;
  const k = play.frames.findLastIndex((f) => f < hiddenAt);
  const q = play.frames.findIndex((f) => f > shownAt);
  const hidden = (shownAt - hiddenAt) / 1000;
  const measured = t(e) - t(s) - hidden;
  // Where each moment may lie, against where the measurement puts it.
  const back = t(e - 2) - t(e - 4) > 1 ? 4 : 3;
  const start = [t(s - 3) - t(s), t(s - 1) - t(s)];
  const paused = [t(k - 1) - hiddenAt / 1000, t(k) - hiddenAt / 1000];
  const resumed = [0, t(q) - shownAt / 1000];
  const end = [t(e - back) - t(e), t(e - 1) - t(e)];
  // counted = measured + end - start - resumed + paused
  const low = 89 - (end[1] - start[0] - resumed[0] + paused[1]);
  const high = 91 - (end[0] - start[1] - resumed[1] + paused[0]);
  // The whole seconds counted: those from the one play began in to the one
  // of the last look before the pause, and from the one the game saw the
  // page in front in to the one the time ran out in.
  const began = [Math.ceil(t(s - 3)), Math.floor(t(s - 1))];
  const lastLook = [Math.floor(t(k - 1)), Math.floor(t(k))];
  const seenAgain = [Math.floor(shownAt / 1000), Math.floor(t(q))];
  const ranOut = [Math.ceil(t(e - back)), Math.floor(t(e - 1))];
  const counted = [lastLook[0] - began[1] + ranOut[0] - seenAgain[1], lastLook[1] - began[0] + ranOut[1] - seenAgain[0]];
  const span = ([a, b]) => `${a.toFixed(2)}..${b.toFixed(2)} s`;
  return {
    measured, hidden, low, high, counted,
    gaps: `start ${span(start)}, hidden ${span(paused)}, shown again ${span(resumed)}, end ${span(end)}`,
    framesWhileHidden: play.frames.filter((f) => f > hiddenAt && f < shownAt).length,
  };
}

// A game on a clock ten times as fast, hidden for ten of its seconds: the
// time left counts only the seconds in front, so it runs out 90 of them
// after play began. The result is kept when the tab is then closed,
// without Escape.
async function fastClockGame() {
  let page = await launch();
  await page.evaluateOnNewDocument(fastClockPage);
  await page.goto(url, { waitUntil: 'load' });
  check(await seen(page, isScene, 20), 'the scene comes up');
  // The pointer rests in the middle, where it does not scroll the view.
  const [mx, my] = await pagePoint(page, 320, 240);
  await page.mouse.move(mx, my);
  await typeName(page);
  await page.evaluate(() => ferrowTestClock(10));
  check(await pageState(page, () => ferrowPlay.start >= 0, 10), 'play begins after the countdown');
  // Twenty seconds of play on the page's clock, then ten hidden.
  await pageState(page, () => performance.now() - ferrowPlay.frames[ferrowPlay.start] >= 20000, 30);
  const hiddenAt = await setAway(page, 'hidden', true);
  await pageState(page, (from) => performance.now() - from >= 10000, 30, hiddenAt);
  const shownAt = await setAway(page, 'hidden', false);

  check(await pageState(page, () => ferrowPlay.end >= 0, 60), 'the time runs out and the table is shown');
  const play = await page.evaluate(() => ferrowPlay);
  const j = judgeTimeInFront(play, hiddenAt, shownAt);
  console.log(`measured: the 90 s ran out after ${j.measured.toFixed(2)} s in front and ${j.hidden.toFixed(2)} s hidden, ` +
              `allowed ${j.low.toFixed(2)} to ${j.high.toFixed(2)} s by the frames around ${j.gaps}; ` +
              `whole seconds counted ${j.counted[0]} to ${j.counted[1]}`);
  check(j.framesWhileHidden === 0, `no frame is shown while the page is hidden (${j.framesWhileHidden})`);
  check(j.measured >= j.low && j.measured <= j.high, 'the time left counts only the seconds the page was in front');
  check(j.counted[0] <= 90 && j.counted[1] >= 90, 'the game counts 90 whole seconds in front, no more, no fewer');
  if (shots) await page.screenshot({ path: join(shots, 'clock-end.png') });
  await page.close();

  // No shot was fired.
  page = await watched(await browser.newPage());
  await page.goto(url, { waitUntil: 'load' });
  check(await seen(page, isLogo, 20), 'a new tab shows the logo');
  check(scoreOf(await storedTable(page)) === 0,
        `with the tab closed at the table, the stored table holds ${NAME} with 0 points`);
}

// The game reports a picture it cannot load in the page's dialog; each
// report is closed as a player would, and the game then ends.
async function fatalReport() {
  const page = await launch();
  await page.evaluateOnNewDocument(() => {
    let module;
    Object.defineProperty(window, 'Module', {
      configurable: true,
      get: () => module,
      set: (m) => {
        module = m;
        // The data folder is read-only by then.
        m.onRuntimeInitialized = () => {
          m.FS.chmod('/data/set0', 0o755);
          m.FS.unlink('/data/set0/wasser256.bmp');
          m.FS.chmod('/data/set0', 0o555);
        };
      },
    });
  });
  await page.goto(url, { waitUntil: 'load' });
  check(await pageState(page, () => !!document.querySelector('#ferrow-report[open]'), 30),
        'a missing picture brings the report');
  const caption = await page.$eval('#ferrow-report .caption', (e) => e.textContent);
  check(caption === 'Fehlermeldung ', 'the report is captioned "Fehlermeldung "');
  if (shots) await page.screenshot({ path: join(shots, 'report.png') });
  // After each report the game goes on to the next or to its end.
  const next = () => pageState(page, () => !!document.querySelector('#ferrow-report[open]') ||
                                          document.getElementById('ferrow-again').style.display === 'block', 15);
  let reports = 0;
  while (reports < 5 && (await next()) && (await page.$('#ferrow-report[open]'))) {
    await page.click('#ferrow-report button');
    ++reports;
  }
  check(await offersAgain(page), 'after the report the page offers to play again');
}

// Where the picture is on the page and the size the canvas holds it at.
async function placement(page) {
  return page.evaluate(() => {
    const c = document.getElementById('ferrow-canvas');
    const r = c.getBoundingClientRect();
    return { x: r.left, y: r.top, w: r.width, h: r.height, held: c.width, vw: innerWidth, vh: innerHeight,
             whole: document.getElementById('ferrow-scale').getAttribute('aria-pressed') === 'true' };
  });
}

// Filled, the picture takes the viewport's limiting side, 4:3, centred, and
// the canvas holds it at the next whole factor above; by whole factors it
// is 640 x 480 times the largest that fits.
function checkPlacement(p, what, whole) {
  const fit = Math.min(p.vw / 640, p.vh / 480);
  const side = p.vw / p.vh > 4 / 3 ? 'height' : 'width';
  if (whole) {
    const k = Math.max(1, Math.floor(fit));
    check(Math.abs(p.w - 640 * k) <= 1 && Math.abs(p.h - 480 * k) <= 1 && p.held === 640 * k,
          `${what}: whole factors give ${640 * k} x ${480 * k} (${p.w} x ${p.h}, held at ${p.held})`);
  } else {
    const fills = side === 'height' ? Math.abs(p.h - p.vh) <= 1 : Math.abs(p.w - p.vw) <= 1;
    check(fills && Math.abs(p.w * 3 - p.h * 4) <= 4,
          `${what}: the picture fills the ${side}, 4:3 (${p.w.toFixed(1)} x ${p.h.toFixed(1)})`);
    check(p.held === 640 * Math.max(1, Math.ceil(fit - 1e-6)), `${what}: held at ${p.held} wide, the next whole factor`);
  }
  check(Math.abs(2 * p.x + p.w - p.vw) <= 1 && Math.abs(2 * p.y + p.h - p.vh) <= 1, `${what}: centred`);
}

// Whether the page shows the choice of whole factors as wanted.
function scaleChosen(page, whole) {
  return pageState(page, (whole) => document.getElementById('ferrow-scale').getAttribute('aria-pressed') === String(whole),
                   10, whole);
}

async function viewports() {
  const page = await launch();
  for (const [name, viewport] of [['laptop', LAPTOP], ['1080p', { width: 1920, height: 940 }], ['phone', PHONE]]) {
    await page.setViewport(viewport);
    await page.goto(url, { waitUntil: 'load' });
    check(await seen(page, isScene, 30), `${name}: the scene comes up`);
    checkPlacement(await placement(page), `${viewport.width} x ${viewport.height}`, false);
    if (shots) await page.screenshot({ path: join(shots, `screens-${name}.png`) });
    if (name !== '1080p') continue;

    // The frame's own work over a few seconds of the scene, filled and by whole factors.
    const frameWork = async (how) => {
      await framesAfter(page, await pageNow(page), 180, 60);
      const work = await page.evaluate(() => [...window.ferrowStats.work].slice(-180).sort((a, b) => a - b));
      console.log(`measured: frame work median ${work[work.length >> 1].toFixed(2)} ms at 1920 x 940, ${how}`);
    };
    await frameWork('filled');

    await page.click('#ferrow-scale');
    check(await scaleChosen(page, true), '"Ganzzahlig" is pressed');
    checkPlacement(await placement(page), 'Ganzzahlig', true);
    await frameWork('by whole factors');
    await page.reload({ waitUntil: 'load' });
    check(await seen(page, isScene, 30), 'the scene after a reload');
    const kept = await placement(page);
    check(kept.whole, 'the choice of whole factors is kept across a reload');
    checkPlacement(kept, 'kept', true);
    if (shots) await page.screenshot({ path: join(shots, 'screens-1080p-whole.png') });
    await page.click('#ferrow-scale');
    check(await scaleChosen(page, false), '"Ganzzahlig" is let go');
    checkPlacement(await placement(page), 'filled again', false);
  }
}

let status = 0;
try {
  if (mode === 'report') await fatalReport();
  else if (mode === 'clock') await fastClockGame();
  else if (mode === 'screens') await viewports();
  else await play();
} catch (e) {
  console.log('FAIL: ' + e.message);
  status = 1;
  const pages = browser ? await browser.pages().catch(() => []) : [];
  if (shots && pages.length) await pages[0].screenshot({ path: join(shots, mode + '-failed.png') }).catch(() => {});
}
if (problems.length) {
  console.log('FAIL: the page reported problems:\n  ' + problems.join('\n  '));
  status = 1;
}
if (browser) await browser.close();
rmSync(profile, { recursive: true, force: true });
if (status === 0) console.log('PASS: ' + mode);
process.exit(status);
