// The modern menu page in headless Chromium: pages written by the real
// `menulark-page --modern` (path in MENULARK_PAGE), opened as file:// URLs.
import { after, before, describe, test } from 'node:test';
import { createRequire } from 'node:module';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdirSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';
import { chromium } from 'playwright-core';

const MENULARK_PAGE = process.env.MENULARK_PAGE;
if (!MENULARK_PAGE) throw new Error('MENULARK_PAGE must name the menulark-page program');

const VIEWPORT = { width: 800, height: 600 };
const HOSTILE_TITLE = `"quoted" 'single' </script><script>window.pwned=1</script> <b>bold</b> & done`;
const HOSTILE_EXPLANATION = `say "hi" </style><b>x</b> & 'bye'`;

// Five entries, each leading to a page of its own beside the menu page, so a
// menu of 19 px per entry is taller than its 76 px frame and scrolls.
const ENTRIES = [1, 2, 3, 4, 5].map((n) => ({
  title: `Entry ${n}`,
  url: `target-${n}.htm`,
  explanation: `Goes to target ${n}`,
}));
const AXE_SCRIPT = createRequire(import.meta.url).resolve('axe-core/axe.min.js');
const LONG_TITLES = ['Apple', 'banana', 'Blueberry', 'Cherry', 'Blackberry', 'Date'];
const entriesTitled = (titles) => titles.map((title, i) => ({ title, url: `target-${(i % 5) + 1}.htm`, explanation: `About ${title}` }));
const manyEntries = (count) => entriesTitled(Array.from({ length: count }, (_, i) => `Entry ${i + 1}`));
const HOSTILE_ENTRY = { title: HOSTILE_TITLE, url: 'target-hostile.htm?q="<x>"', explanation: HOSTILE_EXPLANATION };

const LOOKS = {
  simple: { args: [], highlight: 'rgb(228, 235, 246)' },
  styled: {
    args: ['--styled', '--set', 'width=300', '--set', 'height=50', '--set', 'backgroundColor=navy',
      '--set', 'fontColor=white', '--set', 'itemHighlightColor=orange', '--set', 'fontFamily=Georgia',
      '--set', 'scrollbarArrowColor=gold', '--set', 'scrollbarHighlightColor=teal'],
    highlight: 'rgb(255, 165, 0)',
  },
  'styled without scroll-bar colours': {
    args: ['--styled', '--no-scrollbar-colors', '--set', 'width=300', '--set', 'height=25',
      '--set', 'itemHighlightColor=lime'],
    highlight: 'rgb(0, 255, 0)',
  },
};

let dir;
let browser;
let context;

// The snippet `menulark-page --modern --snippet` writes for `entries`.
function snippetFor(entries, args) {
  const input = entries.map((e) => `${e.title}\t${e.url}\t${e.explanation}\n`).join('');
  const path = join(dir, `snippet-${Math.random().toString(36).slice(2)}.htm`);
  execFileSync(MENULARK_PAGE, ['--modern', '--snippet', ...args, '-o', path], { input, stdio: 'pipe' });
  return readFileSync(path, 'utf8');
}

function writeMenuPage(name, entries, args) {
  const input = entries.map((e) => `${e.title}\t${e.url}\t${e.explanation}\n`).join('');
  const path = join(dir, name);
  execFileSync(MENULARK_PAGE, ['--modern', ...args, '-o', path], { input, stdio: 'pipe' });
  return pathToFileURL(path).href;
}

before(async () => {
  dir = mkdtempSync(join(tmpdir(), 'menulark-browser-'));
  for (const n of [1, 2, 3, 4, 5, 'hostile']) {
    writeFileSync(join(dir, `target-${n}.htm`), `<!DOCTYPE html><title>Target ${n}</title><p>Target ${n}</p>`);
  }
  browser = await chromium.launch({
    executablePath: '/usr/bin/chromium',
    args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking', '--disable-component-update',
      '--disable-sync', '--no-first-run', '--disable-quic'],
  });
  context = await browser.newContext({ viewport: VIEWPORT });
});

after(async () => {
  await browser?.close();
  if (dir) rmSync(dir, { recursive: true, force: true });
});

// Opens `url` in a new tab (of `inContext`) and records script errors and dialogs.
async function openPage(url, inContext = context) {
  const page = await inContext.newPage();
  const problems = [];
  page.on('pageerror', (error) => problems.push(`script error: ${error.message}`));
  page.on('console', (message) => {
    if (message.type() === 'error') problems.push(`console error: ${message.text()}`);
  });
  page.on('dialog', async (dialog) => {
    problems.push(`dialog: ${dialog.message()}`);
    await dialog.dismiss();
  });
  await page.goto(url);
  return { page, problems };
}

const menu = (page) => page.locator('[role="menu"]');
// Whether the menu is open and on screen (closed, it waits off screen, unseen).
const isShown = (locator) => locator.evaluate((m) => {
  const r = m.getBoundingClientRect();
  return !m.hidden && getComputedStyle(m).opacity === '1' && r.right > 0 && r.bottom > 0 && r.left < innerWidth && r.top < innerHeight;
});
const items = (page) => page.locator('[role="menu"] > a[role="menuitem"]');
const focusedItemIndex = (page) =>
  page.evaluate(() => [...document.querySelectorAll('[role="menuitem"]')].indexOf(document.activeElement));

// The menu's box and the visible part of the page (the visual viewport), in
// the layout viewport's coordinates.
async function menuArea(page) {
  return page.evaluate(() => {
    const r = document.querySelector('[role="menu"]').getBoundingClientRect();
    const v = window.visualViewport;
    return { left: r.left, top: r.top, right: r.right, bottom: r.bottom,
      view: { left: v.offsetLeft, top: v.offsetTop, right: v.offsetLeft + v.width, bottom: v.offsetTop + v.height } };
  });
}

// Records, after all handlers of the page, whether the last contextmenu event
// was default-prevented.
async function watchContextMenu(page) {
  await page.evaluate(() => {
    window.lastContextMenu = null;
    window.addEventListener('contextmenu', (e) => { window.lastContextMenu = { prevented: e.defaultPrevented }; });
  });
}

for (const [look, { args, highlight }] of Object.entries(LOOKS)) {
  describe(`modern page, ${look} look`, () => {
    let url;
    before(() => { url = writeMenuPage(`menu-${look.replace(/\W+/g, '-')}.htm`, ENTRIES, args); });

    test('loads without script errors, shows its hint and keeps the menu hidden', async () => {
      const { page, problems } = await openPage(url);
      assert.equal(await page.title(), 'Right-click menu');
      assert.match(await page.locator('body').innerText(), /Right-click on the body\. On a touch screen, press and hold\./);
      assert.equal(await isShown(menu(page)), false);
      assert.equal(await items(page).count(), ENTRIES.length);
      await page.keyboard.press('Tab');
      assert.equal(await page.evaluate(() => document.activeElement.getAttribute('role')), null, 'Tab reaches no entry of the closed menu');
      assert.deepEqual(problems, []);
      await page.close();
    });

    test('a right click opens the menu 15 px right of the pointer and suppresses the browser menu', async () => {
      const { page, problems } = await openPage(url);
      await watchContextMenu(page);
      await page.mouse.click(200, 150, { button: 'right' });
      assert.equal(await isShown(menu(page)), true);
      const box = await menu(page).boundingBox();
      assert.equal(box.x, 215);
      assert.equal(box.y, 150);
      assert.deepEqual(await page.evaluate(() => window.lastContextMenu), { prevented: true });
      // A second right click elsewhere moves it there.
      await page.mouse.click(100, 40, { button: 'right' });
      const moved = await menu(page).boundingBox();
      assert.deepEqual([moved.x, moved.y], [115, 40]);
      assert.deepEqual(problems, []);
      await page.close();
    });

    test('Shift with a right click leaves the browser menu alone', async () => {
      const { page, problems } = await openPage(url);
      await watchContextMenu(page);
      await page.keyboard.down('Shift');
      await page.mouse.click(300, 200, { button: 'right' });
      await page.keyboard.up('Shift');
      assert.deepEqual(await page.evaluate(() => window.lastContextMenu), { prevented: false });
      assert.equal(await isShown(menu(page)), false);
      assert.deepEqual(problems, []);
      await page.close();
    });

    for (const [index, entry] of ENTRIES.entries()) {
      test(`entry ${index + 1} goes to its URL`, async () => {
        const { page, problems } = await openPage(url);
        await page.mouse.click(60, 30, { button: 'right' });
        const link = items(page).nth(index);
        assert.equal(await link.textContent(), entry.title);
        assert.equal(await link.getAttribute('title'), entry.explanation);
        await link.scrollIntoViewIfNeeded();
        await link.click();
        await page.waitForURL(new URL(entry.url, url).href);
        assert.equal(await page.title(), `Target ${index + 1}`);
        assert.deepEqual(problems, []);
        await page.close();
      });
    }

    test('entries are real links: Ctrl+click opens the target in a new tab', async () => {
      const { page } = await openPage(url);
      await page.mouse.click(60, 30, { button: 'right' });
      const [opened] = await Promise.all([context.waitForEvent('page'), items(page).first().click({ modifiers: ['Control'] })]);
      await opened.waitForLoadState();
      assert.equal(opened.url(), new URL(ENTRIES[0].url, url).href);
      assert.equal(page.url(), url, 'the menu page stays where it was');
      await opened.close();
      await page.close();
    });

    test('arrow keys, Home and End move the focus; Enter follows the focused entry', async () => {
      const { page, problems } = await openPage(url);
      await page.mouse.click(60, 30, { button: 'right' });
      const steps = [
        ['ArrowDown', 0], ['ArrowDown', 1], ['ArrowDown', 2], ['ArrowUp', 1], ['End', ENTRIES.length - 1],
        ['ArrowDown', 0], ['ArrowUp', ENTRIES.length - 1], ['Home', 0], ['ArrowDown', 1],
      ];
      for (const [key, expected] of steps) {
        await page.keyboard.press(key);
        assert.equal(await focusedItemIndex(page), expected, `after ${key}`);
      }
      const background = await page.evaluate(() => getComputedStyle(document.activeElement).backgroundColor);
      assert.equal(background, highlight, 'the focused entry shows the highlight colour');
      assert.equal(await isShown(menu(page)), true, 'keys did not scroll the page and close the menu');
      await page.keyboard.press('Enter');
      await page.waitForURL(new URL(ENTRIES[1].url, url).href);
      assert.deepEqual(problems, []);
      await page.close();
    });

    test('a hovered entry shows the highlight colour', async () => {
      const { page } = await openPage(url);
      await page.mouse.click(60, 30, { button: 'right' });
      const first = items(page).first();
      const before = await first.evaluate((e) => getComputedStyle(e).backgroundColor);
      await first.hover();
      assert.notEqual(before, highlight);
      assert.equal(await first.evaluate((e) => getComputedStyle(e).backgroundColor), highlight);
      await page.close();
    });

    for (const key of ['ContextMenu', 'Shift+F10']) {
      test(`${key} opens the menu at the focus, Esc closes it and gives the focus back`, async () => {
        const { page, problems } = await openPage(url);
        await watchContextMenu(page);
        await page.evaluate(() => {
          const button = document.createElement('button');
          button.id = 'probe';
          button.textContent = 'probe';
          document.body.prepend(button);
          button.focus();
        });
        const probe = await page.locator('#probe').boundingBox();
        await page.keyboard.press(key);
        assert.equal(await isShown(menu(page)), true);
        assert.equal(await focusedItemIndex(page), 0, 'the first entry has the focus');
        const box = await menu(page).boundingBox();
        assert.ok(Math.abs(box.x - (probe.x + 15)) < 1 && Math.abs(box.y - (probe.y + probe.height)) < 1,
          `menu at ${box.x},${box.y}, focus at ${probe.x},${probe.y}`);
        const browserMenu = await page.evaluate(() => window.lastContextMenu);
        assert.ok(browserMenu === null || browserMenu.prevented, 'no browser menu over ours');
        await page.keyboard.press('ArrowDown');
        assert.equal(await focusedItemIndex(page), 1);
        await page.keyboard.press('Escape');
        assert.equal(await isShown(menu(page)), false);
        assert.equal(await page.evaluate(() => document.activeElement.id), 'probe');
        assert.deepEqual(problems, []);
        await page.close();
      });
    }

    test('Esc after a right click closes the menu and leaves the focus where it was', async () => {
      const { page } = await openPage(url);
      await page.mouse.click(200, 150, { button: 'right' });
      await page.keyboard.press('ArrowDown');
      await page.keyboard.press('Escape');
      assert.equal(await isShown(menu(page)), false);
      assert.equal(await page.evaluate(() => document.activeElement === document.body), true);
      await page.close();
    });

    const closers = {
      'a click outside': async (page) => page.mouse.click(600, 500),
      'scrolling': async (page) => page.evaluate(() => window.scrollBy(0, 200)),
      'resizing': async (page) => page.setViewportSize({ width: 700, height: 500 }),
      'leaving the window': async (page) => page.evaluate(() => window.dispatchEvent(new FocusEvent('blur'))),
    };
    for (const [what, close] of Object.entries(closers)) {
      test(`${what} closes the menu`, async () => {
        const { page, problems } = await openPage(url);
        await page.evaluate(() => { document.body.style.minHeight = '3000px'; });  // room to scroll
        await page.mouse.click(200, 150, { button: 'right' });
        assert.equal(await isShown(menu(page)), true);
        await close(page);
        await page.waitForFunction(() => document.querySelector('[role="menu"]').hidden, null, { timeout: 2000 });
        assert.deepEqual(problems, []);
        await page.close();
      });
    }

    test('a click inside the menu frame does not close it', async () => {
      const { page } = await openPage(url);
      await page.mouse.click(200, 150, { button: 'right' });
      await page.evaluate(() => {
        const m = document.querySelector('[role="menu"]');
        m.scrollTop = 10;  // scrolling the frame itself is no page scroll
      });
      await page.waitForTimeout(100);
      assert.equal(await isShown(menu(page)), true);
      await page.close();
    });

    test('hostile values appear as plain text and break nothing', async () => {
      const hostileUrl = writeMenuPage(`hostile-${look.replace(/\W+/g, '-')}.htm`, [HOSTILE_ENTRY, ENTRIES[0]],
        [...args, '--set', `fontFamily=x"; } </style><script>window.pwned=2</script>`,
          '--set', 'backgroundColor=red; } body { display: none']);
      const { page, problems } = await openPage(hostileUrl);
      await page.mouse.click(100, 100, { button: 'right' });
      assert.equal(await items(page).count(), 2);
      const first = items(page).first();
      assert.equal(await first.textContent(), HOSTILE_TITLE);
      assert.equal(await first.getAttribute('title'), HOSTILE_EXPLANATION);
      assert.equal(await first.evaluate((a) => a.href), new URL(HOSTILE_ENTRY.url, hostileUrl).href);
      assert.equal(await page.evaluate(() => document.scripts.length), 1);
      assert.equal(await page.evaluate(() => document.querySelectorAll('b').length), 0);
      assert.equal(await page.evaluate(() => window.pwned), undefined);
      assert.equal(await page.locator('body').isVisible(), true);
      assert.equal(await isShown(menu(page)), true);
      assert.deepEqual(problems, []);
      await page.close();
    });
  });
}


// --- shared checks of the open menu

// Every entry's background and ring, and which one has the focus.
async function rowStates(page) {
  return page.evaluate(() => [...document.querySelectorAll('[role="menuitem"]')].map((a) => {
    const s = getComputedStyle(a);
    return { background: s.backgroundColor, ring: s.outlineStyle === 'none' ? 0 : parseFloat(s.outlineWidth),
      focused: a === document.activeElement };
  }));
}

// True when the focused entry shows whole inside the menu's scrolling area.
async function focusedRowInView(page) {
  return page.evaluate(() => {
    const menuElement = document.querySelector('[role="menu"]');
    const m = menuElement.getBoundingClientRect();
    const r = document.activeElement.getBoundingClientRect();
    const top = m.top + menuElement.clientTop;
    return r.top >= top - 0.5 && r.bottom <= top + menuElement.clientHeight + 0.5;
  });
}

const contextMenuAt = (page, x, y) => page.evaluate(([clientX, clientY]) => {
  document.documentElement.dispatchEvent(new MouseEvent('contextmenu', { bubbles: true, cancelable: true, clientX, clientY }));
}, [x, y]);

// WCAG's relative luminance and contrast ratio of two computed rgb() colours.
function contrast(a, b) {
  const luminance = (rgb) => {
    const [r, g, bl] = rgb.match(/\d+(\.\d+)?/g).slice(0, 3).map((v) => {
      const c = Number(v) / 255;
      return c <= 0.04045 ? c / 12.92 : ((c + 0.055) / 1.055) ** 2.4;
    });
    return 0.2126 * r + 0.7152 * g + 0.0722 * bl;
  };
  const [hi, lo] = [luminance(a), luminance(b)].sort((x, y) => y - x);
  return (hi + 0.05) / (lo + 0.05);
}

const BOTH_LOOKS = { simple: LOOKS.simple, styled: LOOKS.styled };

describe('modern page on touch screens', () => {
  test('a long press opens the menu once at the finger; lifting keeps it, a tap outside closes it, a tap on an entry follows it', async () => {
    const url = writeMenuPage('touch.htm', ENTRIES, []);
    const touchContext = await browser.newContext({ viewport: VIEWPORT, hasTouch: true });
    const { page, problems } = await openPage(url, touchContext);
    await page.evaluate(() => {
      window.opens = 0;
      const m = document.querySelector('[role="menu"]');
      new MutationObserver(() => { if (!m.hidden) window.opens += 1; }).observe(m, { attributes: true, attributeFilter: ['hidden'] });
    });
    const cdp = await touchContext.newCDPSession(page);
    const touch = (type, x, y) => cdp.send('Input.dispatchTouchEvent', { type, touchPoints: type === 'touchEnd' ? [] : [{ x, y }] });

    // A tap, and a press that moves, are no long press.
    await page.touchscreen.tap(200, 150);
    await touch('touchStart', 200, 150);
    await touch('touchMove', 230, 150);
    await page.waitForTimeout(700);
    await touch('touchEnd');
    assert.equal(await isShown(menu(page)), false);

    // A long press, with the context menu event some devices send as well.
    await touch('touchStart', 200, 150);
    await page.waitForTimeout(250);
    await contextMenuAt(page, 200, 150);
    await page.waitForTimeout(450);
    assert.equal(await isShown(menu(page)), true, 'open while the finger is down');
    await page.keyboard.press('ArrowDown');
    await contextMenuAt(page, 200, 150);
    assert.equal(await focusedItemIndex(page), 0, 'a late context menu event does not open the menu again');
    await touch('touchEnd');
    await page.waitForTimeout(100);
    assert.equal(await isShown(menu(page)), true, 'still open after the finger is lifted');
    assert.equal(await page.evaluate(() => window.opens), 1);
    const box = await menu(page).boundingBox();
    assert.deepEqual([box.x, box.y], [215, 150]);
    assert.equal(page.url(), url);
    for (const height of await items(page).evaluateAll((rows) => rows.map((a) => a.getBoundingClientRect().height)))
      assert.ok(height >= 44, `a row of ${height} px on a touch screen`);

    await page.touchscreen.tap(700, 550);
    assert.equal(await isShown(menu(page)), false, 'a tap outside closes it');

    await touch('touchStart', 100, 100);
    await page.waitForTimeout(700);
    await touch('touchEnd');
    const second = await items(page).nth(1).boundingBox();
    await page.touchscreen.tap(second.x + 20, second.y + second.height / 2);
    await page.waitForURL(new URL(ENTRIES[1].url, url).href);
    assert.deepEqual(problems, []);
    await touchContext.close();
  });
});

describe('modern page keyboard', () => {
  test('the focused entry is scrolled into view with 50 entries, and the page stays put', async () => {
    for (const [look, { args }] of Object.entries(BOTH_LOOKS)) {
      const url = writeMenuPage(`fifty-${look}.htm`, manyEntries(50), args);
      const { page, problems } = await openPage(url);
      await page.mouse.click(60, 30, { button: 'right' });
      for (const [key, expected] of [['End', 49], ['Home', 0], ['ArrowUp', 49], ['PageUp', 0], ['PageDown', 49], ['ArrowDown', 0]]) {
        await page.keyboard.press(key);
        assert.equal(await focusedItemIndex(page), expected, `${look}: after ${key}`);
        assert.equal(await focusedRowInView(page), true, `${look}: entry ${expected + 1} is out of view after ${key}`);
      }
      assert.equal(await isShown(menu(page)), true);
      assert.equal(await page.evaluate(() => window.scrollY), 0);
      assert.deepEqual(problems, []);
      await page.close();
    }
  });

  test('type-ahead moves to the next entry that starts with the typed characters', async () => {
    const url = writeMenuPage('type-ahead.htm', entriesTitled(LONG_TITLES), []);
    const { page } = await openPage(url);
    await page.mouse.click(60, 30, { button: 'right' });
    const steps = [['b', 1], ['b', 2], ['b', 4], ['b', 1], ['pause'], ['c', 3], ['pause'], ['D', 5], ['pause'],
      ['a', 0], ['pause'], ['bl', 2], ['pause'], ['z', 2]];
    for (const [keys, expected] of steps) {
      if (keys === 'pause') { await page.waitForTimeout(600); continue; }
      await page.keyboard.type(keys);
      assert.equal(await focusedItemIndex(page), expected, `after typing ${keys}`);
    }
    assert.equal(await focusedRowInView(page), true);
    await page.close();
  });

  test('pointer and keyboard share one active entry', async () => {
    for (const [look, { args, highlight }] of Object.entries(BOTH_LOOKS)) {
      const { page } = await openPage(writeMenuPage(`active-${look}.htm`, ENTRIES, args));
      await page.mouse.click(60, 30, { button: 'right' });
      const expectActive = async (index, ring, what) => {
        const rows = await rowStates(page);
        assert.deepEqual(rows.map((r) => r.background === highlight), rows.map((_, i) => i === index), `${look}: ${what}`);
        assert.equal(rows[index].focused, true, `${look}: ${what}: the highlighted row has the focus`);
        assert.equal(rows[index].ring > 0, ring, `${look}: ${what}: ring`);
      };
      await items(page).nth(1).hover();
      await expectActive(1, false, 'hovered');
      await page.keyboard.press('ArrowDown');
      await expectActive(2, true, 'arrow key after hovering');
      await items(page).nth(0).hover();
      await expectActive(0, false, 'hover after the arrow key');
      await page.close();
    }
  });

  test('forced colours: the active entry stands out and shows a ring', async () => {
    const forced = await browser.newContext({ viewport: VIEWPORT, forcedColors: 'active' });
    for (const [look, { args }] of Object.entries(BOTH_LOOKS)) {
      const { page } = await openPage(writeMenuPage(`forced-${look}.htm`, ENTRIES, args), forced);
      await page.mouse.click(60, 30, { button: 'right' });
      for (const [how, act] of [['keyboard', () => page.keyboard.press('ArrowDown')], ['hover', () => items(page).nth(2).hover()]]) {
        await act();
        const rows = await rowStates(page);
        const active = rows.findIndex((r) => r.focused);
        assert.ok(active >= 0, `${look}, ${how}: an entry has the focus`);
        assert.ok(rows[active].ring >= 2, `${look}, ${how}: a ring of ${rows[active].ring} px`);
        for (const [i, row] of rows.entries()) {
          if (i === active) continue;
          assert.notEqual(row.background, rows[active].background, `${look}, ${how}: row ${i} looks active too`);
          assert.equal(row.ring, 0);
        }
      }
      await page.close();
    }
    await forced.close();
  });
});

describe('modern page in the viewport', () => {
  test('the menu stays inside the visible area at the four corners: a phone, pinch zoom, a large styled menu', async () => {
    const looks = { simple: [], 'large styled': ['--styled', '--set', 'width=1000', '--set', 'height=2000'] };
    const screens = [{ viewport: VIEWPORT, scale: 1 }, { viewport: { width: 320, height: 480 }, scale: 1 },
      { viewport: VIEWPORT, scale: 2.5 }];
    for (const [look, args] of Object.entries(looks)) {
      const url = writeMenuPage(`corners-${look.replace(/\W+/g, '-')}.htm`, manyEntries(8), args);
      for (const screen of screens) {
        const screenContext = await browser.newContext({ viewport: screen.viewport });
        const { page, problems } = await openPage(url, screenContext);
        if (screen.scale !== 1) {
          const cdp = await screenContext.newCDPSession(page);
          await cdp.send('Emulation.setPageScaleFactor', { pageScaleFactor: screen.scale });
          await page.waitForFunction((scale) => window.visualViewport.scale === scale, screen.scale);
        }
        const view = (await menuArea(page)).view;
        const what = `${look}, ${screen.viewport.width}x${screen.viewport.height} at ${screen.scale}x`;
        for (const [x, y] of [[view.left + 2, view.top + 2], [view.right - 2, view.top + 2],
          [view.left + 2, view.bottom - 2], [view.right - 2, view.bottom - 2]]) {
          await contextMenuAt(page, x, y);
          const area = await menuArea(page);
          const width = area.right - area.left;
          const height = area.bottom - area.top;
          const at = `${what}: menu ${area.left},${area.top}-${area.right},${area.bottom} for a click at ${x},${y}`;
          assert.ok(area.left >= view.left - 0.5 && area.top >= view.top - 0.5, at);
          assert.ok(area.right <= view.right + 0.5 && area.bottom <= view.bottom + 0.5, at);
          // Where the pointer's other side has room, the menu flips there.
          if (x + 15 + width > view.right && x - 15 - width >= view.left) assert.ok(Math.abs(area.right - (x - 15)) < 1, `flips left: ${at}`);
          if (x + 15 + width <= view.right) assert.ok(Math.abs(area.left - (x + 15)) < 1, `opens right: ${at}`);
          if (y + height > view.bottom && y - height >= view.top) assert.ok(Math.abs(area.bottom - y) < 1, `flips up: ${at}`);
          if (y + height <= view.bottom) assert.ok(Math.abs(area.top - y) < 1, `opens down: ${at}`);
        }
        await page.keyboard.press('End');
        assert.equal(await focusedRowInView(page), true, `${what}: the last entry can be reached`);
        assert.deepEqual(problems, []);
        await screenContext.close();
      }
    }
  });

  test('right to left: the menu opens left of the pointer, flips at the edge, and every entry finds its own direction', async () => {
    const entries = [...ENTRIES.slice(0, 2), ...entriesTitled(['שלום עולם', 'مرحبا بالعالم'])];
    const { page } = await openPage(writeMenuPage('rtl.htm', entries, []));
    assert.deepEqual(await items(page).evaluateAll((rows) => rows.map((a) => a.getAttribute('dir'))), ['auto', 'auto', 'auto', 'auto']);
    for (const [documentDirection, x, expected] of [['ltr', 400, { left: 415 }], ['rtl', 400, { right: 385 }], ['rtl', 20, { left: 35 }]]) {
      await page.evaluate((d) => { document.documentElement.dir = d; }, documentDirection);
      await page.mouse.click(x, 150, { button: 'right' });
      const area = await menuArea(page);
      for (const [edge, value] of Object.entries(expected)) assert.ok(Math.abs(area[edge] - value) < 1, `${documentDirection} at ${x}: ${edge} ${area[edge]}`);
      const directions = await items(page).evaluateAll((rows) => rows.map((a) => getComputedStyle(a).direction));
      assert.deepEqual(directions, ['ltr', 'ltr', 'rtl', 'rtl'], `in a ${documentDirection} document`);
      assert.equal(await menu(page).evaluate((m) => getComputedStyle(m).direction), documentDirection);
      await page.keyboard.press('Escape');
    }
    await page.close();
  });
});

describe('modern snippet', () => {
  test('two snippets on one host page: each opens on its own target, isolated from the host page and each other', async () => {
    const left = entriesTitled(['Left one', 'Left two']);
    const right = entriesTitled(['Right one', 'Right two', 'Right three']);
    const snippets = snippetFor(left, ['--target', '#left']) + snippetFor(right, ['--styled', '--target', '#right, #also-right', '--label', 'Right menu', '--lang', 'de']);
    const host = (body) => `<!DOCTYPE html><html lang="en"><head><meta charset="utf-8"><title>Host</title>
<style>* { font-size: 30px; letter-spacing: 2px; } a { color: red; padding: 40px; } div { border: 3px solid green; margin: 10px; }
.box { display: inline-block; width: 300px; height: 150px; }</style>
<script>window.namesBefore = Object.getOwnPropertyNames(window);</script></head>
<body><div id="left" class="box">Left <a href="#x">link</a></div><div id="right" class="box"><button id="probe">probe</button></div>
<p id="also-right">also right</p>${body}</body></html>`;
    writeFileSync(join(dir, 'host-plain.htm'), host(''));
    writeFileSync(join(dir, 'host.htm'), host(snippets));
    const hostStyles = (page) => page.evaluate(() => ['body', '#left', '#left a', '#right', '#probe', '#also-right'].map((s) => {
      const c = getComputedStyle(document.querySelector(s));
      return [s, c.color, c.fontSize, c.paddingTop, c.marginTop, c.borderTopWidth, c.display, c.position].join(' ');
    }));
    const plain = await openPage(pathToFileURL(join(dir, 'host-plain.htm')).href);
    const { page, problems } = await openPage(pathToFileURL(join(dir, 'host.htm')).href);
    assert.deepEqual(await hostStyles(page), await hostStyles(plain.page), 'the snippets restyle nothing of the host page');
    await plain.page.close();
    assert.deepEqual(await page.evaluate(() => Object.getOwnPropertyNames(window).filter((n) => n !== 'namesBefore' && !window.namesBefore.includes(n))), []);
    assert.deepEqual(await page.evaluate(() => [...document.querySelectorAll('[id]')].map((e) => e.id)), ['left', 'right', 'probe', 'also-right']);

    const leftMenu = page.locator('[role="menu"][aria-label="Menu"]');
    const rightMenu = page.locator('[role="menu"][aria-label="Right menu"]');
    await watchContextMenu(page);
    const visible = async () => [await isShown(leftMenu), await isShown(rightMenu)];
    const leftBox = await page.locator('#left').boundingBox();
    await page.mouse.click(leftBox.x + 250, leftBox.y + 100, { button: 'right' });
    assert.deepEqual(await visible(), [true, false]);
    assert.deepEqual(await leftMenu.locator('a').allTextContents(), ['Left one', 'Left two']);
    const entryStyle = await leftMenu.locator('a').first().evaluate((a) => {
      const c = getComputedStyle(a);
      return [c.color, c.fontSize, c.paddingTop, c.letterSpacing].join(' ');
    });
    assert.equal(entryStyle, 'rgb(27, 27, 31) 14px 5px normal', 'the host page restyles nothing of the menu');
    const alsoRight = await page.locator('#also-right').boundingBox();
    await page.mouse.click(alsoRight.x + 5, alsoRight.y + 5, { button: 'right' });
    assert.deepEqual(await visible(), [false, true]);
    assert.equal(await rightMenu.getAttribute('lang'), 'de');
    await page.mouse.click(700, 560, { button: 'right' });
    assert.deepEqual(await visible(), [false, false], 'outside both targets no menu opens');
    assert.deepEqual(await page.evaluate(() => window.lastContextMenu), { prevented: false });

    await page.focus('#probe');
    await page.keyboard.press('ContextMenu');
    assert.deepEqual(await visible(), [false, true]);
    assert.equal(await rightMenu.evaluate((m) => m.getRootNode().activeElement.textContent), 'Right one');
    await page.keyboard.press('ArrowDown');
    await page.keyboard.press('Escape');
    assert.equal(await page.evaluate(() => document.activeElement.id), 'probe');

    await page.mouse.click(leftBox.x + 250, leftBox.y + 100, { button: 'right' });
    await leftMenu.locator('a').nth(1).click();
    await page.waitForURL(new URL(left[1].url, page.url()).href);
    assert.deepEqual(problems, []);
    await page.close();
  });
});

describe('modern page appearance', () => {
  test('the simple look: padding, 28-32 px rows, a soft shadow, a small radius, readable in light and dark', async () => {
    for (const colorScheme of ['light', 'dark']) {
      const schemeContext = await browser.newContext({ viewport: VIEWPORT, colorScheme });
      const { page } = await openPage(writeMenuPage('simple-look.htm', ENTRIES, []), schemeContext);
      await page.mouse.click(50, 50, { button: 'right' });
      const look = await menu(page).evaluate((m) => {
        const s = getComputedStyle(m);
        return { padding: parseFloat(s.paddingTop), shadow: s.boxShadow, radius: parseFloat(s.borderTopLeftRadius),
          background: s.backgroundColor, color: s.color, scrolls: m.scrollHeight > m.clientHeight,
          rows: [...m.querySelectorAll('a')].map((a) => [a.getBoundingClientRect().height, parseFloat(getComputedStyle(a).paddingLeft), getComputedStyle(a).borderTopStyle]) };
      });
      assert.ok(look.padding > 0 && look.shadow !== 'none' && look.radius >= 2 && look.radius <= 12, `${colorScheme}: ${JSON.stringify(look)}`);
      assert.equal(look.scrolls, false, 'five entries fit');
      for (const [height, padding, border] of look.rows) {
        assert.ok(height >= 28 && height <= 32, `${colorScheme}: a row of ${height} px`);
        assert.ok(padding >= 8, `${colorScheme}: row padding ${padding}`);
        assert.equal(border, 'none');
      }
      assert.equal(look.background === 'rgb(255, 255, 255)', colorScheme === 'light');
      await items(page).nth(1).hover();
      const hover = await items(page).nth(1).evaluate((a) => getComputedStyle(a).backgroundColor);
      await page.keyboard.press('ArrowDown');
      const ring = (await rowStates(page))[2].ring;
      for (const [state, background] of [['resting', look.background], ['active', hover]])
        assert.ok(contrast(look.color, background) >= 4.5, `${colorScheme}, ${state}: ${look.color} on ${background}`);
      assert.ok(contrast(hover, look.background) < 1.5, `${colorScheme}: the hover tint is subtle`);
      assert.ok(ring >= 2, `${colorScheme}: a focus ring`);
      await schemeContext.close();
    }
  });

  test('rows grow with their text under WCAG text spacing; nothing is clipped', async () => {
    for (const [look, { args }] of Object.entries(BOTH_LOOKS)) {
      const { page } = await openPage(writeMenuPage(`spacing-${look}.htm`, ENTRIES, args));
      await page.addStyleTag({ content: '* { line-height: 1.5 !important; letter-spacing: 0.12em !important; word-spacing: 0.16em !important; } p { margin-bottom: 2em !important; }' });
      await page.mouse.click(50, 50, { button: 'right' });
      const rows = await items(page).evaluateAll((all) => all.map((a) => [a.scrollHeight, a.clientHeight]));
      for (const [content, box] of rows) assert.ok(content <= box, `${look}: ${content} px of text in a ${box} px row`);
      await page.close();
    }
  });

  test('the styled look keeps the author\'s values, with its border around the menu only', async () => {
    const cases = [
      { args: LOOKS.styled.args, overflow: 'auto', height: '50px', scrollbar: 'rgb(255, 215, 0) rgb(0, 128, 128)' },
      { args: [...LOOKS.styled.args, '--no-scrollbar-colors'], overflow: 'auto', minHeight: '50px', scrollbar: 'auto' },
    ];
    for (const [i, c] of cases.entries()) {
      const url = writeMenuPage(`styled-look-${i}.htm`, ENTRIES, [...c.args, '--set', 'borderStyle=dashed', '--set', 'borderSize=3', '--set', 'borderColor=gold']);
      const { page } = await openPage(url);
      await page.mouse.click(50, 50, { button: 'right' });
      const look = await page.evaluate(() => {
        const m = document.querySelector('[role="menu"]');
        const s = getComputedStyle(m);
        const a = getComputedStyle(m.querySelector('a'));
        return { width: s.width, height: s.height, minHeight: s.minHeight, background: s.backgroundColor, color: s.color,
          family: s.fontFamily, overflow: s.overflowY, scrollbar: s.scrollbarColor,
          border: `${s.borderTopWidth} ${s.borderTopStyle} ${s.borderTopColor}`, entryBorder: a.borderTopStyle };
      });
      assert.equal(look.width, '300px');
      if (c.height) assert.equal(look.height, c.height);
      if (c.minHeight) assert.equal(look.minHeight, c.minHeight);
      assert.equal(look.background, 'rgb(0, 0, 128)');
      assert.equal(look.color, 'rgb(255, 255, 255)');
      assert.equal(look.family, 'Georgia, sans-serif');
      assert.equal(look.overflow, c.overflow);
      assert.equal(look.scrollbar, c.scrollbar);
      assert.equal(look.border, '3px dashed rgb(255, 215, 0)');
      assert.equal(look.entryBorder, 'none');
      await page.close();
    }
  });

  test('axe finds nothing serious or critical on the default pages with the menu open', async () => {
    for (const [look, args] of Object.entries({ simple: [], styled: ['--styled'] })) {
      for (const colorScheme of ['light', 'dark']) {
        const schemeContext = await browser.newContext({ viewport: VIEWPORT, colorScheme });
        const { page } = await openPage(writeMenuPage(`axe-${look}.htm`, ENTRIES, args), schemeContext);
        await page.mouse.click(50, 50, { button: 'right' });
        // The simple look's colours are ours, in every state; the styled
        // look's highlight is the author's (menulark-page warns about it).
        if (look === 'simple') await page.keyboard.press('ArrowDown');
        await page.addScriptTag({ path: AXE_SCRIPT });
        const result = await page.evaluate(() => window.axe.run(document, { resultTypes: ['violations'] }));
        const serious = result.violations.filter((v) => v.impact === 'serious' || v.impact === 'critical');
        assert.deepEqual(serious.map((v) => `${v.id}: ${v.help} (${v.nodes.map((n) => n.target).join(', ')})`), [], `${look}, ${colorScheme}`);
        await schemeContext.close();
      }
    }
  });
});

// Menus with structure, from tests/data/rich.menu.json: Home (an emoji),
// Products ▸ [Wear: Shoes (an image), Bags ▸ Backpacks, a separator, Gift
// cards], a separator, Help (a new tab).
describe('modern page with submenus, separators and headings', () => {
  const RICH = new URL('../data/rich.menu.json', import.meta.url);
  // The file's image icon: a 1 px PNG beside the pages.
  const PNG = 'iVBORw0KGgoAAAANSUhEUgAAAAEAAAABCAYAAAAfFcSJAAAADUlEQVR42mP8z8DwHwAFBQIAX8jx0gAAAABJRU5ErkJggg==';
  const richPage = (name, args = []) => {
    mkdirSync(join(dir, 'images'), { recursive: true });
    writeFileSync(join(dir, 'images', 'shoe.png'), Buffer.from(PNG, 'base64'));
    const path = join(dir, name);
    execFileSync(MENULARK_PAGE, [RICH.pathname, '--modern', ...args, '-o', path], { stdio: 'pipe' });
    return pathToFileURL(path).href;
  };
  const top = (page) => page.locator('#menu');
  const sub = (page, title) => page.locator(`[role="menu"][aria-label="${title}"]`);
  const parent = (page, title) => page.locator(`[aria-haspopup="menu"]:text-is("${title}")`);
  const focused = (page) => page.evaluate(() => document.activeElement.lastChild?.textContent ?? null);
  const box = (locator) => locator.evaluate((el) => el.getBoundingClientRect().toJSON());
  const shownLevels = (page) => page.locator('[role="menu"]').evaluateAll((menus) =>
    menus.filter((m) => !m.hidden).map((m) => m.getAttribute('aria-label')));
  async function pressKeys(page, keys, expected) {
    for (const [i, key] of keys.entries()) {
      await page.keyboard.press(key);
      assert.equal(await focused(page), expected[i], `after ${keys.slice(0, i + 1).join(' ')}`);
    }
  }

  test('roles and keys, in both looks: arrows skip separators and headings, submenus open and close, type-ahead stays in its level', async () => {
    for (const args of [[], ['--styled']]) {
      const { page, problems } = await openPage(richPage(`rich-keys${args.join('')}.htm`, args));
      const roles = await page.evaluate(() => {
        const m = document.querySelector('#menu');
        const group = m.querySelector('[role="group"]');
        return {
          separators: [...m.querySelectorAll('[role="separator"]')].map((s) => s.tabIndex + (s.textContent ? 'text' : '')),
          group: document.getElementById(group.getAttribute('aria-labelledby')).textContent,
          grouped: [...group.querySelectorAll('[role="menuitem"]')].map((a) => a.lastChild.textContent),
          parents: [...m.querySelectorAll('[aria-haspopup="menu"]')].map((p) =>
            `${p.getAttribute('role')} ${p.getAttribute('aria-expanded')} ${p.nextElementSibling.getAttribute('role')}`),
          help: ['target', 'rel'].map((a) => m.querySelector('a[href^="https://help"]').getAttribute(a)),
          icons: [m.querySelector('span').getAttribute('aria-hidden'), m.querySelector('img').getAttribute('alt')],
        };
      });
      assert.deepEqual(roles, {
        separators: ['-1', '-1'], group: 'Wear', grouped: ['Shoes', 'Bags', 'Backpacks'],
        parents: ['menuitem false menu', 'menuitem false menu'], help: ['_blank', 'noopener'], icons: ['true', ''],
      });
      await page.mouse.click(50, 50, { button: 'right' });
      await pressKeys(page, ['ArrowDown', 'ArrowDown', 'ArrowDown', 'ArrowDown', 'ArrowUp', 'ArrowUp', 'h', 'ArrowUp'],
        ['Home', 'Products', 'Help', 'Home', 'Help', 'Products', 'Help', 'Products']);
      await pressKeys(page, ['ArrowRight'], ['Shoes']);
      assert.equal(await parent(page, 'Products').getAttribute('aria-expanded'), 'true');
      assert.deepEqual(await shownLevels(page), ['Shop menu', 'Products']);
      await pressKeys(page, ['ArrowDown', 'ArrowDown', 'ArrowDown', 'h'], ['Bags', 'Gift cards', 'Shoes', 'Shoes']);
      await page.waitForTimeout(600);
      await pressKeys(page, ['b', 'Enter'], ['Bags', 'Backpacks']);
      assert.deepEqual(await shownLevels(page), ['Shop menu', 'Products', 'Bags']);
      await pressKeys(page, ['Escape', 'ArrowLeft', ' ', 'ArrowLeft'], ['Bags', 'Products', 'Shoes', 'Products']);
      assert.deepEqual(await shownLevels(page), ['Shop menu']);
      assert.equal(await parent(page, 'Products').getAttribute('aria-expanded'), 'false');
      await pressKeys(page, ['Enter', 'ArrowDown', 'ArrowRight'], ['Shoes', 'Bags', 'Backpacks']);
      await page.keyboard.press('Escape');
      await page.keyboard.press('Escape');
      await page.keyboard.press('Escape');
      assert.deepEqual(await shownLevels(page), [], 'Escape at the top closes the whole menu');
      assert.equal(await isShown(top(page)), false);
      // The styled look's values reach the submenus.
      await page.mouse.click(50, 50, { button: 'right' });
      await page.keyboard.press('ArrowDown');
      await page.keyboard.press('ArrowDown');
      await page.keyboard.press('ArrowRight');
      const background = await sub(page, 'Products').evaluate((m) => [getComputedStyle(m).backgroundColor, getComputedStyle(m).borderTopColor]);
      assert.deepEqual(background, args.length ? ['rgb(255, 255, 240)', 'rgb(70, 130, 180)'] : ['rgb(255, 255, 255)', 'rgba(0, 0, 0, 0.16)']);
      assert.deepEqual(problems, []);
      await page.close();
    }
  });

  test('hover opens a submenu after a moment; heading for it diagonally over other entries keeps it open', async () => {
    const { page, problems } = await openPage(richPage('rich-hover.htm'));
    await page.mouse.click(50, 50, { button: 'right' });
    const products = await box(parent(page, 'Products'));
    await page.mouse.move(products.left + 100, products.top + products.height / 2);
    assert.deepEqual(await shownLevels(page), ['Shop menu'], 'not at once');
    await page.waitForTimeout(400);
    assert.deepEqual(await shownLevels(page), ['Shop menu', 'Products']);
    // Towards the submenu along a line that crosses the separator and Help.
    const help = await box(page.locator('a:text-is("Help")'));
    const submenu = await box(sub(page, 'Products'));
    const from = { x: products.left + 20, y: products.top + products.height / 2 };
    const across = { x: help.right - 5, y: help.top + help.height / 2 };
    const to = { x: submenu.left + 20, y: from.y + ((across.y - from.y) * (submenu.left + 20 - from.x)) / (across.x - from.x) };
    const landing = await page.evaluate(({ x, y }) => document.elementFromPoint(x, y).closest('a')?.textContent, to);
    assert.ok(landing && landing !== 'Help', `the line ends on ${landing}`);
    await page.mouse.move(from.x, from.y);
    // Slowly: each step longer than the hover delay (200 ms), shorter than
    // the time heading for a submenu keeps it (400 ms).
    for (let step = 1; step <= 8; step++) {
      await page.mouse.move(from.x + ((to.x - from.x) * step) / 8, from.y + ((to.y - from.y) * step) / 8);
      await page.waitForTimeout(280);
      assert.deepEqual((await shownLevels(page)).slice(0, 2), ['Shop menu', 'Products'], `step ${step}`);
    }
    await page.waitForTimeout(400);
    assert.deepEqual((await shownLevels(page)).slice(0, 2), ['Shop menu', 'Products']);
    assert.equal(await focused(page), landing);
    // Straight down from Products to Help: the submenu closes.
    await page.mouse.move(from.x, from.y, { steps: 4 });
    await page.mouse.move(help.left + 20, help.top + help.height / 2, { steps: 4 });
    await page.waitForTimeout(400);
    assert.deepEqual(await shownLevels(page), ['Shop menu']);
    assert.equal(await focused(page), 'Help');
    // A click on a parent opens its submenu at once and follows no link.
    const bags = await (async () => { await parent(page, 'Products').click(); return box(parent(page, 'Bags')); })();
    await page.mouse.click(bags.left + 10, bags.top + 5);
    assert.deepEqual(await shownLevels(page), ['Shop menu', 'Products', 'Bags']);
    assert.equal(new URL(page.url()).protocol, 'file:');
    assert.deepEqual(problems, []);
    await page.close();
  });

  test('a submenu opens beside its parent, flips at the edge, and is capped to the visible area, scrolling', async () => {
    const tall = { ...JSON.parse(readFileSync(RICH, 'utf8')), entries: [
      ...manyEntries(3),
      { title: 'Many', entries: manyEntries(40) },
    ] };
    const tallPath = join(dir, 'tall.menu.json');
    writeFileSync(tallPath, JSON.stringify(tall));
    const url = richPage('rich-edge.htm');
    const { page, problems } = await openPage(url);
    for (const [x, side] of [[50, 'after'], [600, 'before'], [780, 'before']]) {
      await page.mouse.click(x, 50, { button: 'right' });
      await parent(page, 'Products').click();
      const outer = await box(top(page));
      const inner = await box(sub(page, 'Products'));
      const row = await box(parent(page, 'Products'));
      assert.ok(side === 'after' ? Math.abs(inner.left - outer.right) < 1 : Math.abs(inner.right - outer.left) < 1, `at ${x}: ${side}`);
      assert.ok(inner.left >= 0 && inner.right <= VIEWPORT.width, `at ${x}: inside`);
      assert.ok(Math.abs(inner.top + 5 - row.top) < 1, `at ${x}: the first entry level with its parent`);
      await page.keyboard.press('Escape');
    }
    const tallUrl = (() => {
      const path = join(dir, 'tall.htm');
      execFileSync(MENULARK_PAGE, [tallPath, '--modern', '-o', path], { stdio: 'pipe' });
      return pathToFileURL(path).href;
    })();
    await page.goto(tallUrl);
    await page.mouse.click(50, 500, { button: 'right' });
    await page.keyboard.press('End');
    await page.keyboard.press('ArrowRight');
    const many = await box(sub(page, 'Many'));
    assert.ok(many.top >= 0 && many.bottom <= VIEWPORT.height && many.height > 300, JSON.stringify(many));
    await page.keyboard.press('End');
    assert.equal(await focused(page), 'Entry 40');
    const scrolls = await page.evaluate(() => [document.querySelector('#menu').scrollTop,
      document.querySelector('[aria-label="Many"]').scrollTop]);
    assert.ok(scrolls[0] === 0 && scrolls[1] > 0, `only the submenu scrolls: ${scrolls}`);
    const last = await box(page.locator('a:text-is("Entry 40")'));
    assert.ok(last.bottom <= many.bottom + 1, 'the last entry shows');
    assert.deepEqual(problems, []);
    await page.close();
  });

  test('right to left: the submenu opens to the left, and ArrowLeft opens while ArrowRight closes', async () => {
    const { page, problems } = await openPage(richPage('rich-rtl.htm'));
    await page.evaluate(() => { document.documentElement.dir = 'rtl'; });
    for (const [x, side] of [[600, 'left'], [60, 'right']]) {
      await page.mouse.click(x, 50, { button: 'right' });
      await pressKeys(page, ['ArrowDown', 'ArrowDown', 'ArrowRight', 'ArrowLeft'], ['Home', 'Products', 'Products', 'Shoes']);
      const outer = await box(top(page));
      const inner = await box(sub(page, 'Products'));
      assert.ok(side === 'left' ? Math.abs(inner.right - outer.left) < 1 : Math.abs(inner.left - outer.right) < 1, `at ${x}: ${side}`);
      await pressKeys(page, ['ArrowDown', 'ArrowLeft', 'ArrowRight', 'ArrowRight'], ['Bags', 'Backpacks', 'Bags', 'Products']);
      assert.deepEqual(await shownLevels(page), ['Shop menu']);
      await page.keyboard.press('Escape');
    }
    assert.deepEqual(problems, []);
    await page.close();
  });

  test('touch: a tap on a parent opens its submenu, a second tap closes it, and the menu stays', async () => {
    const touchContext = await browser.newContext({ viewport: VIEWPORT, hasTouch: true });
    const { page, problems } = await openPage(richPage('rich-touch.htm'), touchContext);
    const cdp = await touchContext.newCDPSession(page);
    const touch = (type, x, y) => cdp.send('Input.dispatchTouchEvent', { type, touchPoints: type === 'touchEnd' ? [] : [{ x, y }] });
    await touch('touchStart', 100, 100);
    await page.waitForTimeout(700);
    await touch('touchEnd');
    await page.waitForTimeout(100);
    const tap = async (locator) => { const b = await box(locator); await page.touchscreen.tap(b.left + 20, b.top + b.height / 2); };
    await tap(parent(page, 'Products'));
    assert.deepEqual(await shownLevels(page), ['Shop menu', 'Products']);
    await tap(parent(page, 'Bags'));
    assert.deepEqual(await shownLevels(page), ['Shop menu', 'Products', 'Bags']);
    const row = await box(page.locator('a:text-is("Backpacks")'));
    assert.ok(row.height >= 44, `a row of ${row.height} px`);
    await tap(parent(page, 'Bags'));
    assert.deepEqual(await shownLevels(page), ['Shop menu', 'Products']);
    assert.equal(new URL(page.url()).protocol, 'file:', 'no link followed');
    await page.touchscreen.tap(700, 550);
    assert.deepEqual(await shownLevels(page), []);
    assert.deepEqual(problems, []);
    await touchContext.close();
  });

  test('axe finds nothing serious or critical with a submenu open', async () => {
    for (const [look, args] of Object.entries({ simple: [], styled: ['--styled'] })) {
      for (const colorScheme of ['light', 'dark']) {
        const schemeContext = await browser.newContext({ viewport: VIEWPORT, colorScheme });
        const { page } = await openPage(richPage(`rich-axe-${look}.htm`, args), schemeContext);
        await page.mouse.click(50, 50, { button: 'right' });
        for (const key of ['ArrowDown', 'ArrowDown', 'ArrowRight', 'ArrowDown']) await page.keyboard.press(key);
        await page.addScriptTag({ path: AXE_SCRIPT });
        const result = await page.evaluate(() => window.axe.run(document, { resultTypes: ['violations'] }));
        const serious = result.violations.filter((v) => v.impact === 'serious' || v.impact === 'critical');
        assert.deepEqual(serious.map((v) => `${v.id}: ${v.help} (${v.nodes.map((n) => n.target).join(', ')})`), [], `${look}, ${colorScheme}`);
        await schemeContext.close();
      }
    }
  });
});
