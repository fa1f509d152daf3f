// The modern snippet on host pages as sites serve them, in Chromium
// (playwright-core) and Firefox ESR (puppeteer-core over WebDriver BiDi):
// pages come from a local HTTP server with the Content-Security-Policy of
// each case, snippets from the real `menulark-page` (path in MENULARK_PAGE).
import { after, before, describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdirSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { createServer } from 'node:http';
import { tmpdir } from 'node:os';
import { extname, join, normalize } from 'node:path';
import { chromium } from 'playwright-core';
import puppeteer from 'puppeteer-core';

const MENULARK_PAGE = process.env.MENULARK_PAGE;
if (!MENULARK_PAGE) throw new Error('MENULARK_PAGE must name the menulark-page program');

const VIEWPORT = { width: 800, height: 600 };
const STRICT = "default-src 'self'; script-src 'self'; style-src 'self'";
const ENTRIES = 'Home\thome.htm\tThe start\nAbout\tabout.htm\tWho we are\nContact\tcontact.htm\tWrite to us\n';
const TYPES = { '.htm': 'text/html; charset=utf-8', '.css': 'text/css', '.js': 'text/javascript' };

let dir;
let server;
let origin;
const policies = new Map();  // path -> Content-Security-Policy

// Runs menulark-page in the served folder; its standard output.
function menularkPage(args) {
  return execFileSync(MENULARK_PAGE, ['--modern', '--snippet', ...args], { input: ENTRIES, cwd: dir, encoding: 'utf8' });
}

function snippet(args) {
  const name = `snippet-${Math.random().toString(36).slice(2)}.htm`;
  const report = menularkPage([...args, '-o', name]);
  return { code: readFileSync(join(dir, name), 'utf8'), report };
}

// Serves `body` (HTML) at /name with the policy `csp` (none when empty).
function hostPage(name, body, csp = '') {
  writeFileSync(join(dir, name), `<!DOCTYPE html><html lang="en"><head><meta charset="utf-8"><title>Host</title></head>
<body>${body}</body></html>`);
  if (csp) policies.set(`/${name}`, csp);
  return `${origin}/${name}`;
}

// Runs in each page before its own scripts: records policy violations and
// the last context menu event, and with `noPopover` takes the top layer away.
function watch(noPopover) {
  window.violations = [];
  document.addEventListener('securitypolicyviolation', (e) => window.violations.push(`${e.violatedDirective} ${e.blockedURI}`));
  window.addEventListener('contextmenu', (e) => { window.lastContextMenu = { prevented: e.defaultPrevented }; });
  if (noPopover) delete HTMLElement.prototype.showPopover;
}

// Runs in a page: the open menus of its snippets and where they are.
function openMenus() {
  const menus = [...document.querySelectorAll('*')].filter((e) => e.shadowRoot)
    .map((host) => host.shadowRoot.querySelector('[role="menu"]')).filter(Boolean);
  return menus.filter((m) => !m.hidden).map((m) => {
    const r = m.getBoundingClientRect();
    const hit = m.getRootNode().elementFromPoint(r.x + r.width / 2, r.y + r.height / 2);
    return { label: m.getAttribute('aria-label'), x: Math.round(r.x), y: Math.round(r.y), right: r.right, bottom: r.bottom,
      styled: getComputedStyle(m).borderTopLeftRadius === '8px', onTop: !!hit && m.contains(hit),
      focused: m.getRootNode().activeElement === m };
  });
}

const state = (frame) => frame.evaluate(() => ({
  menus: window.openMenus(), prevented: window.lastContextMenu?.prevented ?? null, violations: window.violations,
}));

const BROWSERS = {
  chromium: async () => {
    const browser = await chromium.launch({
      executablePath: '/usr/bin/chromium',
      args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking', '--disable-component-update',
        '--disable-sync', '--no-first-run', '--disable-quic'],
    });
    const context = await browser.newContext({ viewport: VIEWPORT });
    return {
      close: () => browser.close(),
      async open(url, { noPopover = false } = {}) {
        const page = await context.newPage();
        await page.addInitScript(`(${watch})(${noPopover}); window.openMenus = ${openMenus};`);
        await page.goto(url);
        return page;
      },
    };
  },
  'firefox-esr': async () => {
    const browser = await puppeteer.launch({
      browser: 'firefox', executablePath: '/usr/bin/firefox-esr', protocol: 'webDriverBiDi', headless: true,
      defaultViewport: VIEWPORT,
      extraPrefsFirefox: { 'app.update.enabled': false, 'datareporting.policy.dataSubmissionEnabled': false,
        'toolkit.telemetry.enabled': false, 'network.captive-portal-service.enabled': false },
    });
    return {
      close: () => browser.close(),
      async open(url, { noPopover = false } = {}) {
        const page = await browser.newPage();
        await page.evaluateOnNewDocument(`(${watch})(${noPopover}); window.openMenus = ${openMenus};`);
        await page.goto(url);
        return page;
      },
    };
  },
};

const rightClick = (page, x, y) => page.mouse.click(x, y, { button: 'right' });

before(async () => {
  dir = mkdtempSync(join(tmpdir(), 'menulark-hosts-'));
  server = createServer((request, response) => {
    const path = normalize(decodeURIComponent(new URL(request.url, 'http://x').pathname));
    let body;
    try {
      body = readFileSync(join(dir, path));
    } catch {
      response.writeHead(404).end();
      return;
    }
    const headers = { 'Content-Type': TYPES[extname(path)] ?? 'application/octet-stream', 'Cache-Control': 'no-store' };
    if (policies.has(path)) headers['Content-Security-Policy'] = policies.get(path);
    response.writeHead(200, headers).end(body);
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  origin = `http://127.0.0.1:${server.address().port}`;
});

after(async () => {
  await new Promise((resolve) => server?.close(resolve));
  if (dir) rmSync(dir, { recursive: true, force: true });
});

for (const [name, launch] of Object.entries(BROWSERS)) {
  describe(`snippet on host pages in ${name}`, () => {
    let browser;
    before(async () => { browser = await launch(); });
    after(async () => { await browser?.close(); });

    test('strict Content-Security-Policy: --assets files, --csp hashes and a nonce by hand, with no violation', async () => {
      mkdirSync(join(dir, 'assets'), { recursive: true });
      const files = snippet(['--assets', 'assets']);
      assert.doesNotMatch(files.code, /<style|<script>|style=/);
      const hashed = snippet(['--styled', '--csp']);
      const policy = hashed.report.match(/^Content-Security-Policy: (.*)$/m)[1];
      const nonced = snippet([]).code.replace('<style>', '<style nonce="r4nd0m">').replace('<script>', '<script nonce="r4nd0m">');
      const cases = [
        ['assets', hostPage('assets.htm', files.code, STRICT), true],
        ['hashes', hostPage('hashes.htm', hashed.code, `default-src 'self'; ${policy}`), false],
        ['nonce', hostPage('nonce.htm', nonced, "default-src 'self'; script-src 'nonce-r4nd0m'; style-src 'nonce-r4nd0m'"), true],
      ];
      for (const [what, url, simpleLook] of cases) {
        const page = await browser.open(url);
        await rightClick(page, 200, 150);
        const { menus, prevented, violations } = await state(page);
        assert.deepEqual(violations, [], what);
        assert.equal(prevented, true, what);
        assert.equal(menus.length, 1, what);
        assert.deepEqual([menus[0].x, menus[0].y, menus[0].styled], [215, 150, simpleLook], what);
        await page.close();
      }
      // Without its hashes the same snippet is refused: the policy is real.
      const refused = await browser.open(hostPage('refused.htm', hashed.code, STRICT));
      await rightClick(refused, 200, 150);
      const { menus, violations } = await state(refused);
      assert.deepEqual(menus, []);
      assert.ok(violations.length >= 2, violations.join());
      await refused.close();
    });

    test('a snippet with submenus under a strict policy: roles and keys in its shadow root', async () => {
      mkdirSync(join(dir, 'rich-assets'), { recursive: true });
      const rich = new URL('../data/rich.menu.json', import.meta.url).pathname;
      execFileSync(MENULARK_PAGE, [rich, '--modern', '--snippet', '--assets', 'rich-assets', '-o', 'rich-snippet.htm'], { cwd: dir });
      const page = await browser.open(hostPage('rich.htm', readFileSync(join(dir, 'rich-snippet.htm'), 'utf8'), STRICT));
      await rightClick(page, 100, 100);
      // The focused entry's title, and the names of the open levels.
      const where = () => page.evaluate(() => {
        const shadow = [...document.querySelectorAll('*')].find((e) => e.shadowRoot).shadowRoot;
        const group = shadow.querySelector('[role="group"]');
        return { focused: shadow.activeElement?.lastChild?.textContent ?? null,
          open: [...shadow.querySelectorAll('[role="menu"]')].filter((m) => !m.hidden).map((m) => m.getAttribute('aria-label')),
          expanded: shadow.querySelector('[aria-haspopup="menu"]').getAttribute('aria-expanded'),
          heading: shadow.getElementById(group.getAttribute('aria-labelledby'))?.textContent };
      });
      const steps = [
        [['ArrowDown', 'ArrowDown', 'ArrowDown'], { focused: 'Help', open: ['Shop menu'], expanded: 'false' }],
        [['ArrowUp', 'ArrowRight'], { focused: 'Shoes', open: ['Shop menu', 'Products'], expanded: 'true' }],
        [['ArrowDown', 'Enter'], { focused: 'Backpacks', open: ['Shop menu', 'Products', 'Bags'], expanded: 'true' }],
        [['Escape', 'ArrowLeft'], { focused: 'Products', open: ['Shop menu'], expanded: 'false' }],
        [[' ', 'Escape', 'Escape'], { focused: null, open: [], expanded: 'false' }],
      ];
      for (const [keys, expected] of steps) {
        for (const key of keys) await page.keyboard.press(key);
        assert.deepEqual(await where(), { ...expected, heading: 'Wear' }, keys.join(' '));
      }
      assert.deepEqual((await state(page)).violations, []);
      await page.close();
    });

    for (const noPopover of [false, true]) {
      const way = noPopover ? 'without popover support' : 'in the top layer';
      test(`an overlay added after load, a transformed body that clips, the corner: ${way}`, async () => {
        const code = snippet([]).code;
        const url = hostPage(`transformed-${noPopover}.htm`, `<style>
body { margin: 0; transform: translate(8px, 21px); will-change: transform; overflow: hidden; height: 400px; }
#cover { position: fixed; inset: 0; z-index: 2147483647; background: rgba(255, 0, 0, 0.5); }
</style><p>Text</p>${code}`);
        const page = await browser.open(url, { noPopover });
        await page.evaluate(() => {
          const cover = document.createElement('div');
          cover.id = 'cover';
          document.body.append(cover);
        });
        await rightClick(page, 300, 200);
        let { menus, violations } = await state(page);
        assert.deepEqual(violations, []);
        assert.deepEqual([menus[0].x, menus[0].y], [315, 200], 'at the pointer, not shifted by the transform');
        // The fixed overlay and the body's overflow share the body's box
        // with the fallback; only the top layer rises above both.
        if (!noPopover) assert.equal(menus[0].onTop, true, 'above the overlay');
        await rightClick(page, 790, 590);
        ({ menus } = await state(page));
        assert.equal(menus.length, 1);
        assert.ok(menus[0].right <= VIEWPORT.width && menus[0].bottom <= VIEWPORT.height,
          `inside the viewport near its corner: ${JSON.stringify(menus[0])}`);
        await page.close();
      });
    }

    test('in an iframe the menu opens at the pointer inside the frame', async () => {
      const inner = hostPage('inner.htm', `<p>In the frame</p>${snippet([]).code}`);
      const page = await browser.open(hostPage('outer.htm',
        `<style>body { margin: 0; } iframe { position: absolute; left: 50px; top: 60px; width: 500px; height: 400px; border: 0; }</style><iframe src="${inner}"></iframe>`));
      const frame = page.frames().find((f) => f.url() === inner) ?? await new Promise((resolve) => {
        const check = setInterval(() => {
          const found = page.frames().find((f) => f.url() === inner);
          if (found) { clearInterval(check); resolve(found); }
        }, 20);
      });
      await frame.waitForFunction(() => document.readyState === 'complete');
      await rightClick(page, 150, 160);
      const { menus, prevented } = await state(frame);
      assert.equal(prevented, true);
      assert.deepEqual([menus.length, menus[0].x, menus[0].y], [1, 115, 100]);
      await page.close();
    });

    test('text fields, editable text, links and selected text keep the browser menu; --target can name a field', async () => {
      const whole = snippet([]).code;
      const named = snippet(['--target', '#named', '--label', 'Named']).code;
      const page = await browser.open(hostPage('fields.htm', `<style>body { margin: 0; font: 16px sans-serif; }
body > :not(style) { display: block; margin: 0 0 10px; width: 300px; height: 30px; box-sizing: border-box; }</style>
<input id="field"><textarea id="area"></textarea><div id="editable" contenteditable>Edit me</div>
<a id="link" href="home.htm">A link</a><p id="text">Some text to select</p><input id="named" value="named">
<input type="checkbox" id="box">${whole}${named}`));
      const centre = (id) => page.evaluate((i) => {
        const r = document.getElementById(i).getBoundingClientRect();
        return [r.x + Math.min(20, r.width / 2), r.y + r.height / 2];
      }, id);
      const clickOn = async (id) => {
        const [x, y] = await centre(id);
        await rightClick(page, x, y);
        const { menus, prevented } = await state(page);
        return [id, prevented, menus.map((m) => m.label)];
      };
      const results = [];
      for (const id of ['field', 'area', 'editable', 'link', 'box', 'named']) results.push(await clickOn(id));
      await page.keyboard.press('Escape');
      await page.evaluate(() => getSelection().selectAllChildren(document.getElementById('text')));
      results.push(await clickOn('text'));
      await page.evaluate(() => getSelection().removeAllRanges());
      results.push(await clickOn('text'));
      assert.deepEqual(results, [
        ['field', false, []], ['area', false, []], ['editable', false, []], ['link', false, []],
        ['box', true, ['Menu']], ['named', true, ['Named']], ['text', false, []], ['text', true, ['Menu']],
      ]);
      await page.close();
    });

    for (const noPopover of [false, true]) {
      test(`a second right click moves the one open menu ${noPopover ? 'without popover support' : 'in the top layer'}`, async () => {
        const page = await browser.open(hostPage(`second-${noPopover}.htm`,
          `<style>body { margin: 0; }</style>${snippet([]).code}`), { noPopover });
        await rightClick(page, 200, 150);
        await rightClick(page, 400, 300);
        const { menus } = await state(page);
        assert.deepEqual(menus.map((m) => [m.x, m.y, m.focused]), [[415, 300, true]]);
        await page.keyboard.press('Escape');
        assert.deepEqual((await state(page)).menus, []);
        // No entry of the closed menu keeps the focus inside its shadow root.
        assert.equal(await page.evaluate(() => [...document.querySelectorAll('*')]
          .some((e) => e.shadowRoot?.activeElement?.closest('[role="menu"]'))), false);
        await page.close();
      });
    }
  });
}
