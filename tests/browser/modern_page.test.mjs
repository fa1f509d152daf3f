// The modern menu page in headless Chromium: pages written by the real
// `menulark-page --modern` (path in MENULARK_PAGE), opened as file:// URLs.
import { after, before, describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, rmSync, writeFileSync } from 'node:fs';
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
const HOSTILE_ENTRY = { title: HOSTILE_TITLE, url: 'target-hostile.htm?q="<x>"', explanation: HOSTILE_EXPLANATION };

const LOOKS = {
  simple: { args: [], highlight: 'rgb(255, 0, 0)' },
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

function writeMenuPage(name, entries, args) {
  const input = entries.map((e) => `${e.title}\t${e.url}\t${e.explanation}\n`).join('');
  const path = join(dir, name);
  execFileSync(MENULARK_PAGE, ['--modern', ...args, '-o', path], { input });
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

// Opens `url` in a new tab and records script errors and dialogs.
async function openPage(url) {
  const page = await context.newPage();
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
const items = (page) => page.locator('[role="menu"] > a[role="menuitem"]');
const focusedItemIndex = (page) =>
  page.evaluate(() => [...document.querySelectorAll('[role="menuitem"]')].indexOf(document.activeElement));

// The area the menu covers: its box and, where it lets them stand out, its entries.
async function menuArea(page) {
  return page.evaluate(() => {
    const menuElement = document.querySelector('[role="menu"]');
    const rects = [menuElement, ...menuElement.querySelectorAll('a')].map((e) => e.getBoundingClientRect());
    const clipped = getComputedStyle(menuElement).overflowY !== 'visible';
    const used = clipped ? rects.slice(0, 1) : rects;
    return {
      left: Math.min(...used.map((r) => r.left)), top: Math.min(...used.map((r) => r.top)),
      right: Math.max(...used.map((r) => r.right)), bottom: Math.max(...used.map((r) => r.bottom)),
      viewWidth: document.documentElement.clientWidth, viewHeight: document.documentElement.clientHeight,
    };
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
      assert.match(await page.locator('body').innerText(), /Right-click on the body\./);
      assert.equal(await menu(page).isVisible(), false);
      assert.equal(await items(page).count(), ENTRIES.length);
      assert.deepEqual(problems, []);
      await page.close();
    });

    test('a right click opens the menu 15 px right of the pointer and suppresses the browser menu', async () => {
      const { page, problems } = await openPage(url);
      await watchContextMenu(page);
      await page.mouse.click(200, 150, { button: 'right' });
      assert.equal(await menu(page).isVisible(), true);
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

    test('near the bottom-right corner the menu stays inside the viewport', async () => {
      const { page } = await openPage(url);
      for (const [x, y] of [[VIEWPORT.width - 5, VIEWPORT.height - 5], [VIEWPORT.width - 1, 10], [10, VIEWPORT.height - 1]]) {
        await page.mouse.click(x, y, { button: 'right' });
        assert.equal(await menu(page).isVisible(), true);
        const area = await menuArea(page);
        assert.ok(area.left >= 0 && area.top >= 0, `menu at ${area.left},${area.top} after a click at ${x},${y}`);
        assert.ok(area.right <= area.viewWidth + 0.5, `right edge ${area.right} beyond ${area.viewWidth}`);
        assert.ok(area.bottom <= area.viewHeight + 0.5, `bottom edge ${area.bottom} beyond ${area.viewHeight}`);
        // Shifted only as far as needed: it still touches the edge it was pushed from.
        if (x + 15 + (area.right - area.left) > area.viewWidth) assert.ok(area.right > area.viewWidth - 1);
        if (y + (area.bottom - area.top) > area.viewHeight) assert.ok(area.bottom > area.viewHeight - 1);
      }
      await page.close();
    });

    test('Shift with a right click leaves the browser menu alone', async () => {
      const { page, problems } = await openPage(url);
      await watchContextMenu(page);
      await page.keyboard.down('Shift');
      await page.mouse.click(300, 200, { button: 'right' });
      await page.keyboard.up('Shift');
      assert.deepEqual(await page.evaluate(() => window.lastContextMenu), { prevented: false });
      assert.equal(await menu(page).isVisible(), false);
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
      assert.equal(await menu(page).isVisible(), true, 'keys did not scroll the page and close the menu');
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
        assert.equal(await menu(page).isVisible(), true);
        assert.equal(await focusedItemIndex(page), 0, 'the first entry has the focus');
        const box = await menu(page).boundingBox();
        assert.ok(Math.abs(box.x - (probe.x + 15)) < 1 && Math.abs(box.y - (probe.y + probe.height)) < 1,
          `menu at ${box.x},${box.y}, focus at ${probe.x},${probe.y}`);
        const browserMenu = await page.evaluate(() => window.lastContextMenu);
        assert.ok(browserMenu === null || browserMenu.prevented, 'no browser menu over ours');
        await page.keyboard.press('ArrowDown');
        assert.equal(await focusedItemIndex(page), 1);
        await page.keyboard.press('Escape');
        assert.equal(await menu(page).isVisible(), false);
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
      assert.equal(await menu(page).isVisible(), false);
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
        assert.equal(await menu(page).isVisible(), true);
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
      assert.equal(await menu(page).isVisible(), true);
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
      assert.equal(await menu(page).isVisible(), true);
      assert.deepEqual(problems, []);
      await page.close();
    });
  });
}

describe('modern page appearance', () => {
  test('the simple look: 210 px wide, 19 px per entry, 76 px at most, scrolling', async () => {
    for (const count of [1, 3, 5]) {
      const url = writeMenuPage(`simple-${count}.htm`, ENTRIES.slice(0, count), []);
      const { page } = await openPage(url);
      await page.mouse.click(50, 50, { button: 'right' });
      const look = await page.evaluate(() => {
        const m = document.querySelector('[role="menu"]');
        const s = getComputedStyle(m);
        const a = m.querySelector('a');
        return {
          width: m.clientWidth, height: m.clientHeight, scrolls: m.scrollHeight > m.clientHeight,
          entryHeight: a.getBoundingClientRect().height, background: s.backgroundColor, color: s.color,
          weight: s.fontWeight, size: s.fontSize, family: s.fontFamily, border: s.borderTopStyle,
          entryBorder: `${getComputedStyle(a).borderTopStyle} ${getComputedStyle(a).borderTopColor}`,
        };
      });
      assert.equal(look.width, 210);
      assert.equal(look.height, Math.min(19 * count, 76));
      assert.equal(look.scrolls, count > 4);
      assert.equal(look.entryHeight, 19);
      assert.equal(look.background, 'rgb(176, 196, 222)');
      assert.equal(look.color, 'rgb(0, 0, 139)');
      assert.equal(look.weight, '600');
      assert.equal(look.size, '14px');
      assert.equal(look.family, '"MS Sans Serif", sans-serif');
      assert.equal(look.border, 'groove');
      assert.equal(look.entryBorder, 'outset rgb(70, 130, 180)');
      await page.close();
    }
  });

  test('the styled look takes the author\'s settings; the scroll bar switch decides overflow and colours', async () => {
    const cases = [
      { args: LOOKS.styled.args, overflow: 'auto', scrollbar: 'rgb(255, 215, 0) rgb(0, 128, 128)' },
      { args: [...LOOKS.styled.args, '--no-scrollbar-colors'], overflow: 'visible', scrollbar: 'auto' },
    ];
    for (const [i, c] of cases.entries()) {
      const url = writeMenuPage(`styled-look-${i}.htm`, ENTRIES, c.args);
      const { page } = await openPage(url);
      await page.mouse.click(50, 50, { button: 'right' });
      const look = await page.evaluate(() => {
        const s = getComputedStyle(document.querySelector('[role="menu"]'));
        return { width: s.width, height: s.height, background: s.backgroundColor, color: s.color,
          family: s.fontFamily, overflow: s.overflowY, scrollbar: s.scrollbarColor };
      });
      assert.equal(look.width, '300px');
      assert.equal(look.height, '50px');
      assert.equal(look.background, 'rgb(0, 0, 128)');
      assert.equal(look.color, 'rgb(255, 255, 255)');
      assert.equal(look.family, 'Georgia, sans-serif');
      assert.equal(look.overflow, c.overflow);
      assert.equal(look.scrollbar, c.scrollbar);
      await page.close();
    }
  });
});
