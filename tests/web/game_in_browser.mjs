// The browser build played in headless Chromium: the page loads without
// console errors, shows the logo and then the scene, takes a typed name,
// runs the countdown, counts a shot in the score digits, and after Escape
// keeps the table, with the new name, in the browser's storage across a
// reload (and, played with the mouse, across a browser restart); a hidden
// page runs no frames. Run "report": a picture missing from the data brings
// the fatal report's dialog, and after it the offer to play again.
// Usage: node game_in_browser.mjs URL mouse|touch|report [SCREENSHOT_DIR]
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
if (!url || !['mouse', 'touch', 'report'].includes(mode)) {
  console.error('usage: game_in_browser.mjs URL mouse|touch|report [SCREENSHOT_DIR]');
  process.exit(2);
}
const touch = mode === 'touch';
const NAME = touch ? 'TAPZOE' : 'WEBZOE';
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
  const page = (await browser.pages())[0] || (await browser.newPage());
  page.on('console', (m) => { if (m.type() === 'error') problems.push('console: ' + m.text()); });
  page.on('pageerror', (e) => problems.push('page error: ' + e.message));
  page.on('requestfailed', (r) => problems.push('request failed: ' + r.url()));
  await page.setViewport(touch ? { width: 390, height: 844, hasTouch: true, isMobile: true, deviceScaleFactor: 1 }
                               : { width: 1280, height: 720 });
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
    const context = document.getElementById('ferrow-canvas').getContext('2d');
    const middle = context.getImageData(150, 160, 340, 160).data;
    let yellow = 0;
    for (let i = 0; i < middle.length; i += 4)
      if (middle[i] > 200 && middle[i + 1] > 140 && middle[i + 2] < 110) ++yellow;
    const band = context.getImageData(0, 430, 640, 40).data;
    const colours = new Set();
    for (let i = 0; i < band.length; i += 4) colours.add((band[i] << 16) | (band[i + 1] << 8) | band[i + 2]);
    // The eight shells stand 15 pixels apart; a shell is there when the
    // middle of its red body is.
    let shells = 0;
    for (let k = 0; k < 8; ++k) {
      const body = context.getImageData(492 + 15 * k, 454, 1, 9).data;
      let red = true;
      for (let i = 0; i < body.length; i += 4) red = red && body[i] > 180 && body[i + 1] < 90 && body[i + 2] < 90;
      if (red) ++shells;
    }
    const top = context.getImageData(508, 0, 132, 40).data;
    let digits = '';
    for (let i = 0; i < top.length; i += 4) digits += top[i] > 200 && top[i + 1] > 140 && top[i + 2] < 110 ? '1' : '0';
    return { yellow: yellow / (middle.length / 4), bandColours: colours.size, digits, shells };
  });
}
const isLogo = (p) => p.yellow > 0.05 && p.bandColours <= 2;
const isScene = (p) => p.bandColours > 10 && p.yellow < 0.02;

async function waitFor(page, what, test, seconds) {
  const end = Date.now() + seconds * 1000;
  for (;;) {
    const p = await picture(page);
    if (test(p)) return p;
    if (Date.now() > end) throw new Error('not seen within ' + seconds + ' s: ' + what);
    await sleep(100);
  }
}

// The name entry looks at the keys every fourth frame: each is held a while.
async function holdKey(page, key) {
  await page.keyboard.down(key);
  await sleep(120);
  await page.keyboard.up(key);
  await sleep(120);
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
    const d = document.getElementById('ferrow-canvas').getContext('2d').getImageData(0, 0, 640, 480).data;
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
// the frames shown per second over the last five seconds.
function printMeasures({ stats, navigation }) {
  const work = [...stats.work].sort((a, b) => a - b);
  const median = work.length ? work[work.length >> 1] : NaN;
  const last = stats.times[stats.times.length - 1];
  const recent = stats.times.filter((t) => t > last - 5000);
  const fps = recent.length > 1 ? (recent.length - 1) * 1000 / (last - recent[0]) : NaN;
  console.log(`measured: first frame ${(stats.firstFrame - navigation).toFixed(0)} ms after navigation, ` +
              `frame work median ${median.toFixed(2)} ms, ${fps.toFixed(1)} frames/s`);
  // The pace is ours, not the page's refresh: sixty frames a second.
  check(fps > 55 && fps < 65, 'the game runs at 60 frames a second');
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
// line feed as CR LF.
function holdsName(bytes) {
  if (bytes === null) return false;
  const raw = [];
  for (let i = 0; i < bytes.length; ++i) {
    if (bytes[i] === 0x0d && bytes[i + 1] === 0x0a) continue;
    raw.push(bytes[i]);
  }
  for (let row = 0; row + 34 <= raw.length; row += 34) {
    const field = Buffer.from(raw.slice(row, row + 30));
    const end = field.indexOf(0);
    if (field.subarray(0, end < 0 ? 30 : end).toString('latin1') === NAME) return true;
  }
  return false;
}

async function play() {
  let page = await launch();
  await page.goto(url, { waitUntil: 'load' });

  const first = await waitFor(page, 'a picture', (p) => p.bandColours > 1 || p.yellow > 0, 10);
  check(isLogo(first), 'the logo comes first');
  await waitFor(page, 'the scene', isScene, 10);
  check(true, 'the scene follows the logo');

  // The entry starts with the last player's name.
  for (let i = 0; i < 12; ++i) await holdKey(page, 'Backspace');
  if (touch) {
    await page.tap('#ferrow-type');
    check(await page.evaluate(() => document.activeElement.id === 'ferrow-keyboard'),
          "the phone's keyboard is raised");
    // A phone's keyboard types text, not keys.
    for (const c of NAME) {
      await page.keyboard.sendCharacter(c.toLowerCase());
      await sleep(250);
    }
  } else {
    for (const c of NAME) await holdKey(page, 'Key' + c);
  }
  if (shots) await page.screenshot({ path: join(shots, mode + '-name.png') });
  await holdKey(page, 'Enter');
  await sleep(6500);  // the countdown

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
      await sleep(250);
      changed = (await picture(page)).digits !== before;
    }
    if (!changed) {
      await reloadGun(page);
      await sleep(300);
    }
  }
  check(changed, 'a shot changes the score digits');
  // Only an empty magazine is reloaded.
  for (let i = 0; i < 10 && (await picture(page)).shells > 0; ++i) {
    await shoot(page, 320, 120);
    await sleep(150);
  }
  check((await picture(page)).shells === 0, 'the magazine empties');
  await reloadGun(page);
  await sleep(300);
  check((await picture(page)).shells > 0, touch ? 'a two-finger tap reloads' : 'the right button reloads');
  printMeasures(await page.evaluate(() => ({
    stats: window.ferrowStats,
    navigation: performance.getEntriesByType('navigation')[0].startTime,
  })));
  if (shots) await page.screenshot({ path: join(shots, mode + '-play.png') });

  if (!touch) {
    check((await page.$eval('#ferrow-canvas', (c) => c.style.cursor)).startsWith('url("data:image/png'),
          "the crosshair is the picture's cursor");
    await hiddenPageRunsNoFrames(page);
  }

  await holdKey(page, 'Escape');
  await page.waitForSelector('#ferrow-again', { visible: true, timeout: 15000 });
  check(true, 'after Escape the page offers to play again');
  const saved = await storedTable(page);
  check(holdsName(saved), 'the saved table holds ' + NAME);

  await page.reload({ waitUntil: 'load' });
  await waitFor(page, 'the logo after the reload', isLogo, 10);
  const reloaded = await storedTable(page);
  check(reloaded !== null && Buffer.from(reloaded).equals(Buffer.from(saved)),
        'after a reload the stored table is the saved one, byte for byte');

  if (!touch) {
    await browser.close();
    page = await launch();
    await page.goto(url, { waitUntil: 'load' });
    await waitFor(page, 'the logo after a restart', isLogo, 10);
    check(holdsName(await storedTable(page)), 'after a browser restart the table still holds ' + NAME);
  }
}

async function hiddenPageRunsNoFrames(page) {
  const hide = (hidden) => page.evaluate((hidden) => {
    Object.defineProperty(document, 'visibilityState', { value: hidden ? 'hidden' : 'visible', configurable: true });
    document.dispatchEvent(new Event('visibilitychange'));
  }, hidden);
  const lastFrame = () => page.evaluate(() => window.ferrowStats.times[window.ferrowStats.times.length - 1]);
  await hide(true);
  await sleep(200);
  const hiddenAt = await lastFrame();
  await sleep(1000);
  check(await lastFrame() === hiddenAt, 'no frame runs while the page is hidden');
  await hide(false);
  await sleep(300);
  check(await lastFrame() > hiddenAt, 'frames go on when the page is shown again');
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
  await page.waitForSelector('#ferrow-report[open]', { timeout: 15000 });
  const caption = await page.$eval('#ferrow-report .caption', (e) => e.textContent);
  check(caption === 'Fehlermeldung ', 'the report is captioned "Fehlermeldung "');
  if (shots) await page.screenshot({ path: join(shots, 'report.png') });
  for (let i = 0; i < 5 && (await page.$('#ferrow-report[open]')); ++i) {
    await page.click('#ferrow-report button');
    await sleep(300);
  }
  await page.waitForSelector('#ferrow-again', { visible: true, timeout: 15000 });
  check(true, 'after the report the page offers to play again');
}

let status = 0;
try {
  if (mode === 'report') await fatalReport();
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
