// Layout and pagination: the margin model, degenerate margins, the header-footer pass, the
// table of links and frames.
import assert from 'node:assert/strict';
import {test} from 'node:test';

import {pagesDoc, useTemplate, waitLaidOut} from './helpers.mjs';

const env = useTemplate();

const rules = (page) => page.evaluate(() => {
  const r = (s) => GetRuleFromSelector(s).style;
  return {
    top: r('.mRect').marginTop,
    bottom: r('.mRect').marginBottom,
    left: r('.mRect').marginLeft,
    width: r('.mRect').width,
    height: r('.mRect').height,
    pageWidth: r('.page').width,
    headTop: r('.divHead').top
  };
});

test(
    'a header raises the top margin above the unprintable band: content at 0.47 inch', async () => {
      const page = await env.open(
          pagesDoc(1),
          {printer: {unprintableTop: 20}, store: {control: {margin_top: '10', header: '&w'}}});
      await waitLaidOut(page);
      const r = await rules(page);
      assert.equal(parseFloat(r.top), 0.47);
      assert.equal(r.headTop, '0.2in');
      const offset = await page.evaluate(() => {
        const rect = document.getElementById('mRect1Cp0');
        return rect.getBoundingClientRect().top - rect.parentNode.getBoundingClientRect().top;
      });
      const zoom = 0.75;
      assert.ok(Math.abs(offset - 0.47 * 96 * zoom) < 1, `content ${offset}px below the top edge`);
      await env.done(page);
    });

test('margins wider than the page give a zero-wide content area without an error', async () => {
  const page =
      await env.open(pagesDoc(1), {store: {control: {margin_left: '500', margin_right: '500'}}});
  await waitLaidOut(page);
  const r = await rules(page);
  assert.equal(r.width, '0in');
  assert.deepEqual(
      await page.evaluate(() => [window.__pthost.alerts, window.__pthost.closed]), [[], false]);
  await env.done(page);
});

test(
    'negative margins count as 0, and the control page width 0 leaves the printer one',
    async () => {
      const page = await env.open(
          pagesDoc(1),
          {store: {control: {page_width: ''}, browser: {margin_top: '-0.5', margin_left: '-1'}}});
      await waitLaidOut(page);
      const r = await rules(page);
      assert.deepEqual([r.top, r.left, r.pageWidth, r.width], ['0in', '0in', '8.5in', '8.5in']);
      await env.done(page);
    });

test('the control page size applies while the page setup was not confirmed', async () => {
  const page = await env.open(pagesDoc(1), {
    store: {control: {page_width: '827', page_height: '1169'}},
    dialogs: {pageSetup: [{confirm: true}]}
  });
  await waitLaidOut(page);
  assert.equal((await rules(page)).pageWidth, '8.27in');
  await page.evaluate(() => HandlePageSetup());
  await waitLaidOut(page);
  assert.equal((await rules(page)).pageWidth, '8.5in');
  await env.done(page);
});

test('a 5-page document gets its page total in every footer after the pass', async () => {
  const page = await env.open(pagesDoc(5), {store: {control: {footer: '&b&p of &P'}}});
  // During layout each footer shows the page count at its creation.
  await page.waitForFunction(() => document.querySelectorAll('#footer').length >= 3);
  const early =
      await page.evaluate(() => document.querySelectorAll('#footer')[1].textContent.trim());
  assert.match(early, /^2 of [2-5]$/);
  await waitLaidOut(page);
  const footers = await page.evaluate(
      () => [...document.querySelectorAll('#footer')].map((e) => e.textContent.trim()));
  assert.deepEqual(footers, ['1 of 5', '2 of 5', '3 of 5', '4 of 5', '5 of 5']);
  assert.equal(await page.evaluate(() => spanPageTotal.innerText), '5');
  await env.done(page);
});

test('the header-footer pass fills empty address and title fields', async () => {
  const page =
      await env.open(pagesDoc(1, {title: 'Report'}), {store: {control: {header: '&w&b&u'}}});
  await waitLaidOut(page);
  const spans = await page.evaluate(
      () => [...document.querySelectorAll('#header span')].map(
          (s) => [s.className, s.textContent]));
  assert.deepEqual(spans, [['hfTitle', 'Report'], ['hfUrl', page.contentUrl]]);
  await env.done(page);
});

test('the table of links lists a repeated address once', async () => {
  const links =
      '<a href="/one">First</a><a href="/two">Second &lt;b&gt;</a><a href="/one">Again</a>';
  const page = await env.open(pagesDoc(1, {extra: links}), {printer: {tableOfLinks: true}});
  await waitLaidOut(page);
  const rows = await page.evaluate(() => {
    const doc = g_aDocTree.C._aaRect[2][0].contentDocument;
    return [...doc.querySelectorAll('tr')].map((tr) => [...tr.cells].map((c) => c.textContent));
  });
  assert.deepEqual(rows, [
    ['Shortcut Text', 'Internet Address'], ['First', env.url('/one')],
    ['Second <b>', env.url('/two')]
  ]);
  assert.equal(await page.evaluate(() => g_aDocTree.C.Pages()), 2);
  await env.done(page);
});

test(
    'frames: an empty frame address is not laid out, the others become sub-documents', async () => {
      env.route('/frame-a.htm', pagesDoc(2, {title: 'A'}));
      const frameset = '<html __IE_ActiveFrame="1"><frameset cols="50%,50%,*"><frame src="">' +
          '<frame src="/frame-a.htm"><frame src="res://SHDOCLC.DLL/printnof.htm">' +
          '</frameset></html>';
      const page = await env.open(frameset);
      await waitLaidOut(page);
      await page.waitForFunction(() => document.body.style.cursor === 'auto');
      assert.deepEqual(
          await page.evaluate(
              () =>
                  [Object.keys(g_aDocTree), g_aDocTree.C._fFrameset, g_aDocTree.C_0.Pages(),
                   g_strActiveFrame]),
          [['C', 'C_0'], true, 2, 'C_0']);
      await env.done(page);
    });

test('header-footer codes expand into left, centre and right cells', async () => {
  const page = await env.open(pagesDoc(1, {title: 'A<b>'}), {now: '2026-03-04T05:06:07'});
  await waitLaidOut(page);
  const cases = [
    ['&w', ['A<b>', '', ''], ['hfTitle']],
    ['left&bright', ['left', '', 'right'], []],
    ['l&bc&br', ['l', 'c', 'r'], []],
    ['&p/&P && &d &T', ['2/7 & 3/4/2026 05:06:07', '', ''], ['hfPageTotal']],
    ['&u&b&x', ['URL', '', '&x'], ['hfUrl']],
  ];
  const got = await page.evaluate(
      (list) => list.map(([text]) => {
        HeadFoot.textHead = text;
        HeadFoot.URL = 'URL';
        HeadFoot.title = 'A<b>';
        HeadFoot.page = 2;
        HeadFoot.pageTotal = 7;
        const div = document.createElement('div');
        div.innerHTML = HeadFoot.HtmlHead;
        return [
          [...div.querySelectorAll('td')].map((td) => td.textContent),
          [...div.querySelectorAll('span')].map((s) => s.className)
        ];
      }),
      cases);
  assert.deepEqual(got, cases.map(([, cells, spans]) => [cells, spans]));
  assert.equal(
      await page.evaluate(() => {
        HeadFoot.textHead = '';
        return HeadFoot.HtmlHead;
      }),
      '');
  await env.done(page);
});
