// The print job: copies, collation and duplex orders, page ranges, the current page, the job
// name, cancelled dialogs and the delayed close after native printing.
import assert from 'node:assert/strict';
import {test} from 'node:test';

import {hostLog, pagesDoc, printedPages, useTemplate, waitClosed} from './helpers.mjs';

const env = useTemplate();

async function directPrint(n, options) {
  const page = await env.open(pagesDoc(n, options.doc), {printType: 'Print', ...options});
  await waitClosed(page);
  return page;
}

test('print orders: copies, collation and duplex', async () => {
  const cases = [
    {
      name: 'copies 3 on a printer that copies and collates',
      store: {copies: '3'},
      printer: {collate: true},
      device: {copies: 99, collate: true},
      pages: 2,
      want: [1, 2]
    },
    {
      name: 'copies 2 collated without printer copies',
      store: {copies: '2'},
      printer: {collate: true},
      pages: 2,
      want: [1, 2, 1, 2]
    },
    {name: 'copies 2 uncollated', store: {copies: '2'}, pages: 2, want: [1, 1, 2, 2]},
    {
      name: 'copies 2 collated duplex pages 1-3',
      store: {copies: '2'},
      printer: {collate: true, duplex: true},
      pages: 3,
      want: [1, 2, 3, 'blank', 1, 2, 3, 'blank']
    },
    {
      name: 'copies 2 uncollated duplex pages 1-3',
      store: {copies: '2'},
      printer: {duplex: true},
      pages: 3,
      want: [1, 2, 1, 2, 3, 'blank', 3, 'blank']
    },
    {
      name: 'collated duplex with an even count adds no blank',
      store: {copies: '2'},
      printer: {collate: true, duplex: true},
      pages: 2,
      want: [1, 2, 1, 2]
    },
    {
      name: 'selected pages against the printer range 0 to 99',
      store: {selectedpages: 'true'},
      printer: {pageFrom: 0, pageTo: 99},
      pages: 5,
      want: [1, 2, 3, 4, 5]
    },
    {
      name: 'selected pages 2 to 4',
      store: {selectedpages: 'true', pagefrom: '2', pageto: '4'},
      pages: 5,
      want: [2, 3, 4]
    },
    {
      name: 'a range beyond the document prints nothing',
      store: {selectedpages: 'true', pagefrom: '7', pageto: '9'},
      pages: 2,
      want: []
    },
  ];
  for (const c of cases) {
    const page = await directPrint(
        c.pages, {store: {control: c.store}, printer: c.printer, device: c.device});
    assert.deepEqual(await printedPages(page), c.want, c.name);
    const ops = (await hostLog(page)).map((e) => e.op);
    if (c.want.length) {
      assert.equal(ops.filter((o) => o === 'startDoc').length, 1, c.name);
      assert.ok(ops.indexOf('stopDoc') > ops.lastIndexOf('printPage'), c.name);
    }
    assert.equal(ops.filter((o) => o === 'close').length, 1, c.name);
    await env.done(page);
  }
});

test('a start after the end is refused; a direct print asks again with the dialog', async () => {
  const store = {control: {selectedpages: 'true', pagefrom: '4', pageto: '2'}};
  const page = await directPrint(5, {store, dialogs: {print: [false]}});
  const log = await hostLog(page);
  assert.deepEqual(
      await page.evaluate(() => window.__pthost.alerts),
      ['打印开始页面数比打印结束页面数大，请重新设置。']);
  assert.deepEqual(
      log.filter((e) => /Dialog$/.test(e.op)).map((e) => [e.op, e.confirm]),
      [['defaultsDialog', true], ['printDialog', false]]);
  assert.deepEqual(await printedPages(page), []);
  await env.done(page);

  const preview = await env.open(pagesDoc(5), {store});
  await preview.waitForFunction(() => g_aDocTree.C && g_aDocTree.C._nStatus === 4);
  await preview.evaluate(() => PrintNow(true));
  await preview.waitForFunction(() => window.__pthost.alerts.length === 1);
  await new Promise((r) => setTimeout(r, 600));
  assert.deepEqual(await printedPages(preview), []);
  assert.equal(await preview.evaluate(() => window.__pthost.closed), false);
  await env.done(preview);
});

test('the current page in a preview showing page 3 of 5 prints page 3 only', async () => {
  const page = await env.open(pagesDoc(5), {store: {control: {currentpage: 'true'}}});
  await page.waitForFunction(() => g_aDocTree.C && g_aDocTree.C._nStatus === 4);
  assert.equal(await page.evaluate(() => ChangeDispPage(3)), 3);
  await page.evaluate(() => PrintNow(true));
  await waitClosed(page);
  assert.deepEqual(await printedPages(page), [3]);
  await env.done(page);
});

test('the job name is the title, or the address without a title', async () => {
  for (const [title, name] of [['Quarterly', 'Quarterly'], ['', null]]) {
    const page = await directPrint(1, {doc: {title}});
    const log = await hostLog(page);
    assert.equal(log.find((e) => e.op === 'startDoc').name, name ?? page.contentUrl);
    await env.done(page);
  }
});

test('copies 0 or a cancelled dialog close without printing; a preview stays open', async () => {
  const none = await directPrint(2, {printer: {copies: 0}});
  assert.deepEqual(await printedPages(none), []);
  await env.done(none);
  const cancelled = await directPrint(2, {printType: 'Prompt', dialogs: {print: [false]}});
  assert.deepEqual(await printedPages(cancelled), []);
  await env.done(cancelled);

  const preview =
      await env.open(pagesDoc(1), {printer: {tableOfLinks: true}, dialogs: {print: [false]}});
  await preview.waitForFunction(() => g_aDocTree.C && g_aDocTree.C._nStatus === 4);
  await preview.evaluate(() => PrintNow(true));
  assert.deepEqual(
      await preview.evaluate(() => [window.__pthost.closed, Printer.tableOfLinks]), [false, false]);
  await env.done(preview);
});

test('content the printer prints natively closes the window two minutes later', async () => {
  const timerScale = {atLeast: 100000, to: 300};
  const page = await env.open(pagesDoc(1), {printType: 'Print', timerScale, nonNative: true});
  await waitClosed(page);
  const log = await hostLog(page);
  const ops = log.map((e) => e.op);
  assert.deepEqual(await printedPages(page), []);
  assert.ok(log.some((e) => e.op === 'printNonNative' && e.handled && e.url === page.contentUrl));
  assert.ok(log.some((e) => e.op === 'timer' && e.ms === 120000));
  assert.equal(ops.filter((o) => o === 'updatePageStatus').length, 3);
  await env.done(page);
});
