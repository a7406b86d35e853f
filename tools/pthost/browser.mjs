// Opens the print template in headless Chromium under the print-template host.
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import {chromium} from 'playwright-core';

import {hostScriptPath} from './server.mjs';

export const CHROMIUM_ARGS = [
  '--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync'
];

export async function launch() {
  const userDataDir = fs.mkdtempSync(path.join(os.tmpdir(), 'pthost-'));
  const context = await chromium.launchPersistentContext(userDataDir, {
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    headless: true,
    args: CHROMIUM_ARGS,
    viewport: {width: 1000, height: 800},
  });
  return {
    context,
    async close() {
      await context.close();
      fs.rmSync(userDataDir, {recursive: true, force: true});
    },
  };
}

// Opens PT.HTM from the server with a job configuration (see host.js) and gives the page.
export async function openTemplate(context, server, config) {
  const page = await context.newPage();
  page.on('pageerror', (e) => {
    page.__errors = (page.__errors || []).concat(String(e));
  });
  await page.addInitScript((c) => {
    window.__PTHOST_CONFIG = c;
  }, config);
  await page.addInitScript({path: hostScriptPath});
  await page.goto(server.url('/PT.HTM'));
  return page;
}

// Waits until the host's state satisfies a predicate evaluated in the page.
export async function waitHost(page, predicate, arg, timeout = 30000) {
  await page.waitForFunction(predicate, arg, {timeout, polling: 50});
}

// Waits until every document of the template is complete (status 4).
export async function waitLaidOut(page, timeout = 30000) {
  await page.waitForFunction(() => {
    const tree = window.g_aDocTree;
    const ids = tree ? Object.keys(tree) : [];
    return ids.length > 0 && ids.every((id) => tree[id]._nStatus === 4);
  }, null, {timeout, polling: 50});
}

export const hostLog = (page) => page.evaluate(() => window.__pthost.log);
