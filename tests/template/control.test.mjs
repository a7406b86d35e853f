// The template's control instance answers its gets from the page-setup store with the
// control's rules: control key first, the browser key (times 100) as the fallback for lengths.
import assert from 'node:assert/strict';
import {test} from 'node:test';

import {pagesDoc, useTemplate, waitLaidOut} from './helpers.mjs';

const env = useTemplate();

test('property gets follow the store rules', async () => {
  const store = {
    control: {
      margin_top: '75',
      margin_left: '',
      margin_bottom: 'abc',
      header: 'H&p',
      copies: '3 copies',
      pagefrom: 'x',
      selectedpages: 'TRUE',
      currentpage: 'true',
      zoom: '150'
    },
    browser: {
      margin_top: '0.5',
      margin_left: '0.75',
      margin_right: '0.6',
      orientation: '2',
      paper_size: 'A4',
      page_width: '8.27'
    },
  };
  const page = await env.open(pagesDoc(1), {store});
  await waitLaidOut(page);
  const got = await page.evaluate(() => {
    const c = document.all.oPrintCtl;
    return [
      c.marginTop, c.marginLeft, c.marginBottom, c.marginRight, c.pageWidth, c.pageHeight, c.header,
      c.footer, c.copies, c.pageFrom, c.pageTo, c.selectedPages, c.currentPage, c.zoomValue,
      c.orientation, c.paperSize, c.prevWidth, c.prevHeight
    ];
  });
  assert.deepEqual(
      got, [75, 75, 0, 60, 827, 0, 'H&p', '', 3, 0, 0, false, true, '150', 2, 'A4', -1, -1]);
  await env.done(page);
});

test('property puts write the store in hundredths of an inch', async () => {
  const page = await env.open(pagesDoc(1), {store: {browser: {margin_top: '0.4'}}});
  await waitLaidOut(page);
  const got = await page.evaluate(() => {
    const c = document.all.oPrintCtl;
    const out = [];
    c.marginTop = 19.05;
    out.push(window.__pthost.store.control.margin_top, c.marginTop);
    c.marginTop = 0.1;
    out.push(window.__pthost.store.control.margin_top, c.marginTop);
    c.SetMarginMeasure(2);
    c.marginLeft = -10;
    out.push(window.__pthost.store.control.margin_left);
    c.copies = -1;
    c.selectedPages = 1;
    out.push(c.copies, c.selectedPages);
    c.InitPrint();
    out.push(c.copies, c.marginTop);
    return out;
  });
  assert.deepEqual(got, ['75', 75, '', 40, '1000', -1, true, 0, 40]);
  await env.done(page);
});

test('a header document is laid out first and the content continues on its last page', async () => {
  env.route(
      '/outlook.htm', '<html><body><div style="height:200px">From: someone</div></body></html>');
  const page = await env.open(pagesDoc(2), {job: {outlookHeaderUrl: env.url('/outlook.htm')}});
  await waitLaidOut(page);
  const state = await page.evaluate(() => {
    const d = g_aDocTree.C;
    const merged = d._aaRect[1][0];
    return [d._acPage, d._anMerge[1], merged.parentNode.id, d.Pages(), merged.contentDocument.URL];
  });
  assert.deepEqual(state.slice(0, 3), [[1, 2, 0], 1, 'mDiv0Cp0']);
  assert.equal(state[3], 3);
  assert.match(state[4], /content\d+\.htm$/);
  await env.done(page);
});

test('a selection chosen in the print dialog prints the selection document', async () => {
  env.route('/selection.htm', pagesDoc(1, {title: 'Selected'}));
  const page = await env.open(pagesDoc(3), {
    printType: 'Prompt',
    job: {selectionUrl: env.url('/selection.htm')},
    dialogs: {print: [{confirm: true, set: {selection: true}}]}
  });
  await page.waitForFunction(() => window.__pthost.closed, null, {timeout: 30000});
  const log = await page.evaluate(() => window.__pthost.log);
  assert.deepEqual(log.filter((e) => e.op === 'startDoc').map((e) => e.name), ['Selected']);
  assert.deepEqual(log.filter((e) => e.op === 'printPage').map((e) => e.id), ['mDiv1Sp0']);
  await env.done(page);
});
