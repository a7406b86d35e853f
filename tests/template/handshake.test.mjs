// Loading the template and the handshake with its control: charset, refused addresses,
// starting zoom, copies and page range, header precedence.
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import {test} from 'node:test';

import {readResource} from '../../tools/pthost/peresource.mjs';
import {repoRoot, templatePath} from '../../tools/pthost/server.mjs';

import {pagesDoc, useTemplate, waitLaidOut} from './helpers.mjs';

const env = useTemplate();
const TITLE = 'Hallowmere有限公司打印预览页面';

test('the template is GBK, declares it, and the host serves its bytes unchanged', async () => {
  const bytes = fs.readFileSync(templatePath);
  assert.throws(() => new TextDecoder('utf-8', {fatal: true}).decode(bytes));
  const text = new TextDecoder('gbk').decode(bytes);
  assert.match(text, /<META http-equiv="Content-Type" content="text\/html; charset=gbk">/);
  assert.ok(text.includes(TITLE));
  const served = Buffer.from(await (await fetch(env.url('/PT.HTM'))).arrayBuffer());
  assert.ok(served.equals(bytes));
  const page = await env.open(pagesDoc(1));
  assert.equal(await page.title(), TITLE);
  await waitLaidOut(page);
  assert.equal(await page.evaluate(() => document.styleSheets[0].cssRules.length), 12);
  await env.done(page);
});

test('the built libraries carry the same bytes as HTML resource PT.HTM, language 2052', (t) => {
  const built = ['win32', 'win64']
                    .map((p) => path.join(repoRoot, 'build', p, 'vellora/vellora.dll'))
                    .filter((f) => fs.existsSync(f));
  if (!built.length) return t.skip('no vellora.dll built');
  const bytes = fs.readFileSync(templatePath);
  for (const file of built) {
    const resource = readResource(fs.readFileSync(file), 23, 'PT.HTM', 2052);
    assert.ok(resource && resource.equals(bytes), file);
  }
});

test('unprintable addresses are refused with the alert, with exact case', async () => {
  const cases = [
    ['mailto:someone@example.com', true],
    ['MAILTO:someone@example.com', false],
    ['javascript:void(0)', true],
    ['vbscript:x', true],
    ['news:x', true],
    ['snews:x', true],
    ['telnet:x', true],
    ['http://127.0.0.1/x', false],
    ['mailtox:y', false],
  ];
  const page = await env.open(pagesDoc(1));
  await waitLaidOut(page);
  const results = await page.evaluate((c) => c.map(([u]) => UnprintableURL(u)), cases);
  assert.deepEqual(results, cases.map(([, refused]) => refused));
  await env.done(page);

  const refused = await env.open(pagesDoc(1), {job: {contentUrl: 'mailto:someone@example.com'}});
  await refused.waitForFunction(() => window.__pthost.closed);
  assert.deepEqual(
      await refused.evaluate(() => window.__pthost.alerts),
      ['不能打印的URL，请直接打开这个页面然后再选择打印。']);
  assert.equal(await refused.evaluate(() => Object.keys(g_aDocTree).length), 0);
  await env.done(refused);
});

test('starting zoom: 75 when the control has none, else the control value', async () => {
  for (const [store, zoom, selected] of [
           [{}, 75, '75'], [{zoom: ''}, 75, '75'], [{zoom: '50'}, 50, '50'],
           [{zoom: '-2'}, 10, '-2']]) {
    const page = await env.open(pagesDoc(1), {store: {control: store}});
    await waitLaidOut(page);
    assert.deepEqual(
        await page.evaluate(() => [g_nZoomFactor, selectZoom.value]), [zoom, selected],
        JSON.stringify(store));
    await env.done(page);
  }
});

test('a missing control gives zoom 75 and leaves the printer settings alone', async () => {
  const page = await env.open(
      pagesDoc(1), {control: false, printer: {copies: 4, pageFrom: 2, marginTop: 50}});
  await waitLaidOut(page);
  assert.deepEqual(
      await page.evaluate(
          () => [g_nZoomFactor, Printer.copies, Printer.pageFrom, Printer.marginTop, g_nMarginTop]),
      [75, 4, 2, 50, 0.5]);
  await env.done(page);
});

test('copies 0 and pageFrom 0 keep the printer values; set values replace them', async () => {
  const printer = {copies: 2, pageFrom: 3, pageTo: 7};
  const keep = await env.open(pagesDoc(1), {
    printer,
    store: {control: {copies: '0', pagefrom: '0', pageto: 'x', selectedpages: 'TRUE'}}
  });
  await waitLaidOut(keep);
  assert.deepEqual(
      await keep.evaluate(
          () => [Printer.copies, Printer.pageFrom, Printer.pageTo, Printer.selectedPages]),
      [2, 3, 7, false]);
  await env.done(keep);
  const set = await env.open(pagesDoc(1), {
    printer,
    store: {
      control: {copies: '5', pagefrom: '2', pageto: '4', selectedpages: 'true', currentpage: 'true'}
    }
  });
  await waitLaidOut(set);
  assert.deepEqual(
      await set.evaluate(
          () =>
              [Printer.copies, Printer.pageFrom, Printer.pageTo, Printer.selectedPages,
               Printer.currentPage]),
      [5, 2, 4, true, true]);
  await env.done(set);
});

test('the control header and footer replace the browser ones, also when empty', async () => {
  const job = {header: 'BrowserHead &w', footer: 'BrowserFoot'};
  const empty = await env.open(pagesDoc(2), {job});
  await waitLaidOut(empty);
  const texts = await empty.evaluate(
      () => [...document.querySelectorAll('#header, #footer')].map((e) => e.textContent.trim()));
  assert.deepEqual(texts, ['', '', '', '']);
  assert.equal(await empty.evaluate(() => Printer.header), '');
  await env.done(empty);

  const own =
      await env.open(pagesDoc(1, {title: 'T&1'}), {job, store: {control: {header: '&w&b&&&p'}}});
  await waitLaidOut(own);
  assert.equal(await own.evaluate(() => document.querySelector('#header').textContent), 'T&1&1');
  await env.done(own);
});
