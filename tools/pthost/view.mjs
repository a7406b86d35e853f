// Shows a document in the print preview of PT.HTM and saves a screenshot:
//   node tools/pthost/view.mjs page.htm out.png [config.json]
// The optional configuration is that of host.js (store, printer, device, dialogs, job).
import fs from 'node:fs';

import {launch, openTemplate, waitLaidOut} from './browser.mjs';
import {startServer} from './server.mjs';

const [input, output, configFile] = process.argv.slice(2);
if (!input || !output) {
  console.error('usage: node tools/pthost/view.mjs page.htm out.png [config.json]');
  process.exit(2);
}
const config = configFile ? JSON.parse(fs.readFileSync(configFile, 'utf8')) : {};
const server =
    await startServer({'/content.htm': {type: 'text/html', body: fs.readFileSync(input)}});
const browser = await launch();
try {
  config
      .job = {printType: 'Preview', contentUrl: server.url('/content.htm'), ...(config.job || {})};
  const page = await openTemplate(browser.context, server, config);
  await waitLaidOut(page);
  await page.screenshot({path: output});
  console.log(`${output}: ${await page.evaluate(() => g_aDocTree.C.Pages())} page(s)`);
} finally {
  await browser.close();
  await server.close();
}
