// Shared set-up of the template tests: one server and one browser per test file, and a job
// runner that opens PT.HTM for a content document with a given store, printer and dialogs.
import {after, before} from 'node:test';

import {hostLog, launch, openTemplate, waitLaidOut} from '../../tools/pthost/browser.mjs';
import {startServer} from '../../tools/pthost/server.mjs';

// A document whose blocks each fill most of a default page, so it needs exactly n pages.
export function pagesDoc(n, {title = 'Doc', extra = ''} = {}) {
  const blocks =
      Array
          .from(
              {length: n},
              (_, i) => `<div style="height:800px;break-inside:avoid">Block ${i + 1}</div>`)
          .join('');
  return `<html><head><title>${title}</title></head><body>${blocks}${extra}</body></html>`;
}

export function useTemplate() {
  const env = {};
  let seq = 0;
  before(async () => {
    env.server = await startServer();
    env.browser = await launch();
  });
  after(async () => {
    await env.browser.close();
    await env.server.close();
  });
  // Opens the template for `content` (HTML text); options go to the host configuration.
  env.open = async (content, {printType = 'Preview', job = {}, ...rest} = {}) => {
    const path = `/content${++seq}.htm`;
    env.server.route(path, content);
    const config = {job: {printType, contentUrl: env.server.url(path), ...job}, ...rest};
    const page = await openTemplate(env.browser.context, env.server, config);
    page.contentUrl = config.job.contentUrl;
    return page;
  };
  // Closes a page after checking that no script error was raised in it.
  env.done = async (page) => {
    const errors = page.__errors || [];
    await page.close();
    if (errors.length) throw new Error('script errors in the template: ' + errors.join('; '));
  };
  env.url = (p) => env.server.url(p);
  env.route = (p, r) => env.server.route(p, r);
  return env;
}

export {waitLaidOut, hostLog};

export const waitClosed = (page, timeout = 30000) =>
    page.waitForFunction(() => window.__pthost.closed, null, {timeout, polling: 50});

// The pages sent to the printer, as page numbers of the content document and "blank".
export async function printedPages(page) {
  const log = await hostLog(page);
  return log.filter((e) => e.op === 'printPage' || e.op === 'printBlankPage')
      .map(
          (e) => e.op === 'printBlankPage' ? 'blank' :
                                             Number(e.id.slice(e.id.lastIndexOf('p') + 1)) + 1);
}
