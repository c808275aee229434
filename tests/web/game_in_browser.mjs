// The browser build played in headless Chromium: the page loads without
// console errors, shows the logo and then the scene, takes a typed name,
// runs the countdown, counts a shot in the score digits, and after Escape
// keeps the table, with the new name, in the browser's storage across a
// reload (and, played with the mouse, across a browser restart).
// Usage: node game_in_browser.mjs URL mouse|touch [SCREENSHOT_DIR]
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
if (!url || (mode !== 'mouse' && mode !== 'touch')) {
  console.error('usage: game_in_browser.mjs URL mouse|touch [SCREENSHOT_DIR]');
  process.exit(2);
}
const touch = mode === 'touch';
const NAME = touch ? 'TAP' : 'WEB';
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

// What the canvas shows, summed up: lit pixels, sky-blue pixels in the top
// quarter, and the score digits' pixels (top right) for comparing.
async function picture(page) {
  return page.evaluate(() => {
    const c = document.getElementById('ferrow-canvas');
    const d = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
    let lit = 0, sky = 0;
    for (let i = 0; i < d.length; i += 4) {
      if (d[i] + d[i + 1] + d[i + 2] > 48) ++lit;
      const y = (i / 4 / c.width) | 0;
      if (y < c.height / 4 && d[i + 2] > 120 && d[i + 2] > d[i] + 30) ++sky;
    }
    const digits = Array.from(c.getContext('2d').getImageData(508, 0, 132, 40).data).join(',');
    return { lit: lit / (c.width * c.height), sky: sky / (c.width * c.height / 4), digits };
  });
}

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

async function reload(page) {
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

async function storedTable(page) {
  return page.evaluate((path) => {
    try {
      return Array.from(Module.FS.readFile(path));
    } catch (e) {
      return null;
    }
  }, SCORES);
}

function holdsName(bytes) {
  return bytes !== null && Buffer.from(bytes).includes(Buffer.from(NAME + '\0'));
}

async function play() {
  let page = await launch();
  await page.goto(url, { waitUntil: 'load' });

  const logo = await waitFor(page, 'the logo', (p) => p.lit > 0.05, 10);
  check(logo.sky < 0.3, 'the logo comes first');
  await waitFor(page, 'the scene', (p) => p.sky > 0.3, 10);
  check(true, 'the scene follows the logo');

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
  // Across the horizon, where islands, the lighthouse and pigs are; eight
  // shots fill the magazine, so reload between rounds.
  for (let round = 0; round < 3 && !changed; ++round) {
    for (let i = 0; i < 8 && !changed; ++i) {
      await shoot(page, 40 + 80 * i, 200 + 40 * round);
      await sleep(250);
      changed = (await picture(page)).digits !== before;
    }
    if (!changed) {
      await reload(page);
      await sleep(300);
    }
  }
  check(changed, 'a shot changes the score digits');
  if (shots) await page.screenshot({ path: join(shots, mode + '-play.png') });

  await holdKey(page, 'Escape');
  await page.waitForSelector('#ferrow-again', { visible: true, timeout: 15000 });
  check(true, 'after Escape the page offers to play again');
  const saved = await storedTable(page);
  check(holdsName(saved), 'the saved table holds ' + NAME);

  await page.reload({ waitUntil: 'load' });
  await waitFor(page, 'the logo after the reload', (p) => p.lit > 0.05, 10);
  const reloaded = await storedTable(page);
  check(reloaded !== null && Buffer.from(reloaded).equals(Buffer.from(saved)),
        'after a reload the stored table is the saved one, byte for byte');

  if (!touch) {
    await browser.close();
    page = await launch();
    await page.goto(url, { waitUntil: 'load' });
    await waitFor(page, 'the logo after a restart', (p) => p.lit > 0.05, 10);
    check(holdsName(await storedTable(page)), 'after a browser restart the table still holds ' + NAME);
  }
}

let status = 0;
try {
  await play();
} catch (e) {
  console.log('FAIL: ' + e.message);
  status = 1;
}
if (problems.length) {
  console.log('FAIL: the page reported problems:\n  ' + problems.join('\n  '));
  status = 1;
}
if (browser) await browser.close();
rmSync(profile, { recursive: true, force: true });
if (status === 0) console.log('PASS: ' + mode);
process.exit(status);
