// Serves the print template, the host script, the toolbar images and the content documents
// of a test on localhost.
import fs from 'node:fs';
import http from 'node:http';
import path from 'node:path';
import {fileURLToPath} from 'node:url';

import {toolbarImage} from './images.mjs';

const here = path.dirname(fileURLToPath(import.meta.url));
export const repoRoot = path.resolve(here, '../..');
export const templatePath = path.join(repoRoot, 'vellora/res/PT.HTM');
export const hostScriptPath = path.join(here, 'host.js');

const NO_FRAME_PAGE = '<html><body></body></html>';

// Starts a server; routes maps a path ("/doc.htm") to {type, body} or to a string of HTML.
export async function startServer(routes = {}) {
  const table = new Map(Object.entries(routes));
  const server = http.createServer((req, res) => {
    const url = new URL(req.url, 'http://localhost');
    const send = (status, type, body) => {
      res.writeHead(status, {'Content-Type': type, 'Cache-Control': 'no-store'});
      res.end(body);
    };
    if (url.pathname.toUpperCase() === '/PT.HTM') {
      // The bytes of the resource, unchanged; the template declares its own charset.
      return send(200, 'text/html', fs.readFileSync(templatePath));
    }
    const res1 = /^\/res\/shdoclc\.dll\/(.+)$/i.exec(url.pathname);
    if (res1) {
      if (res1[1].toLowerCase() === 'printnof.htm') return send(200, 'text/html', NO_FRAME_PAGE);
      const svg = toolbarImage(res1[1]);
      return svg ? send(200, 'image/svg+xml', svg) : send(404, 'text/plain', 'not found');
    }
    const route = table.get(url.pathname);
    if (route === undefined) return send(404, 'text/plain', 'not found');
    if (typeof route === 'string') return send(200, 'text/html; charset=utf-8', route);
    return send(200, route.type || 'text/html; charset=utf-8', route.body);
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  const origin = `http://127.0.0.1:${server.address().port}`;
  return {
    origin,
    url: (p) => origin + p,
    route: (p, r) => table.set(p, r),
    close: () => new Promise((resolve) => {
      server.closeAllConnections();
      server.close(resolve);
    }),
  };
}
