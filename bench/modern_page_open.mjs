// How long the modern menu takes to open: the median time from the
// contextmenu event to the end of its handlers, to the next animation frame,
// and to the end of that frame's rendering, at 10, 500 and 5,000 entries, and
// at 500 entries of which 250 sit in 50 submenus (the top level shows the
// other 250, the 50 parents among them), in headless Chromium. Pages are written by the menulark-page in MENULARK_PAGE.
// Run through scripts/bench-modern-page; a report, not a test.
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';
import { createRequire } from 'node:module';

// playwright-core as the browser tests pin it.
const { chromium } = createRequire(new URL('../tests/browser/package.json', import.meta.url))('playwright-core');

const MENULARK_PAGE = process.env.MENULARK_PAGE;
if (!MENULARK_PAGE) throw new Error('MENULARK_PAGE must name the menulark-page program');
const SIZES = [10, 500, 5000, '500/50'];
const LOOKS = { simple: [], styled: ['--styled'] };
const RUNS = Number(process.env.BENCH_RUNS || 21);

// 200 links and 50 parents of 5 links each, with the test menu file's settings.
function menuWithSubmenus() {
  const link = (i) => ({ title: `Entry ${i + 1}`, url: `https://example.org/${i}`, explanation: `Goes to ${i + 1}` });
  const entries = Array.from({ length: 250 }, (_, i) => (i % 5 === 4
    ? { title: `Group ${i + 1}`, entries: Array.from({ length: 5 }, (_, j) => link(1000 + i * 5 + j)) }
    : link(i)));
  const file = JSON.parse(readFileSync(new URL('../tests/data/rich.menu.json', import.meta.url), 'utf8'));
  return JSON.stringify({ ...file, entries });
}

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

const dir = mkdtempSync(join(tmpdir(), 'menulark-bench-'));
const browser = await chromium.launch({ executablePath: '/usr/bin/chromium', args: ['--no-sandbox', '--disable-gpu'] });
try {
  const context = await browser.newContext({ viewport: { width: 800, height: 600 } });
  console.log('look     entries   handler  next frame  frame done  first: frame   (ms: median of %d openings; the first opening alone)', RUNS);
  for (const [look, args] of Object.entries(LOOKS)) {
    for (const count of SIZES) {
      const input = typeof count === 'string' ? menuWithSubmenus()
        : Array.from({ length: count }, (_, i) => `Entry ${i + 1}\thttps://example.org/${i}\tGoes to ${i + 1}\n`).join('');
      const path = join(dir, `${look}-${count}.htm`.replace('/', '-'));
      execFileSync(MENULARK_PAGE, ['--modern', ...args, '-o', path], { input, stdio: 'pipe' });
      const page = await context.newPage();
      await page.goto(pathToFileURL(path).href);
      await page.evaluate(() => {
        window.samples = [];
        let start = 0;
        let handled = 0;
        window.addEventListener('contextmenu', () => { start = performance.now(); }, true);
        window.addEventListener('contextmenu', () => {
          handled = performance.now();
          requestAnimationFrame(() => {
            const frame = performance.now();
            const channel = new MessageChannel();  // runs after the frame is rendered
            channel.port1.onmessage = () => window.samples.push([handled - start, frame - start, performance.now() - start]);
            channel.port2.postMessage(0);
          });
        });
      });
      for (let run = 0; run < RUNS; run++) {
        await page.mouse.click(100 + (run % 5) * 20, 100, { button: 'right' });
        await page.waitForFunction((n) => window.samples.length === n, run + 1);
        await page.keyboard.press('Escape');
        await page.waitForTimeout(30);
      }
      const samples = await page.evaluate(() => window.samples);
      const [handler, frame, done] = [0, 1, 2].map((i) => median(samples.map((s) => s[i])).toFixed(1));
      const first = samples[0][1].toFixed(1);
      console.log(`${look.padEnd(8)} ${String(count).padStart(7)} ${handler.padStart(9)} ${frame.padStart(11)} ${done.padStart(11)} ${first.padStart(12)}`);
      await page.close();
    }
  }
} finally {
  await browser.close();
  rmSync(dir, { recursive: true, force: true });
}
