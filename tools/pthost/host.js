// Print-template host: supplies, in a modern browser, what a print template expects of the
// browser's print-template platform: the dialog arguments, the template printer, the
// header-footer element, device and layout rectangles, and the page's print control backed by a
// page-setup store. Runs as an init script in every frame; it acts only in the template window.
// The job is described by window.__PTHOST_CONFIG, set by an init script that runs before this one.
(function() {
'use strict';
if (!/\/PT\.HTM$/i.test(location.pathname)) return;
const config = window.__PTHOST_CONFIG || {};
const log = [];
const host = {
  config,
  log,
  alerts: [],
  closed: false,
  store: null
};
window.__pthost = host;
const record = (entry) => log.push(Object.assign({t: Math.round(performance.now())}, entry));

// ------------------------------------------------------------ window services
window.alert = (text) => {
  host.alerts.push(String(text));
  record({op: 'alert', text: String(text)});
};
window.close = () => {
  host.closed = true;
  record({op: 'close'});
};
window.showHelp = (address) => record({op: 'showHelp', address: String(address)});
// Tests may shorten long timers (the two-minute delayed close) without touching the template.
const realSetTimeout = window.setTimeout.bind(window);
const timerScale = config.timerScale || null;
window.setTimeout = function(fn, ms, ...rest) {
  const delay = Number(ms) || 0;
  record({op: 'timer', ms: delay});
  const scaled = timerScale && delay >= timerScale.atLeast ? timerScale.to : delay;
  return realSetTimeout(fn, scaled, ...rest);
};

// ------------------------------------------------------------ dialog arguments
const args = {};
const job = config.job || {};
args.__IE_PrintType = job.printType || 'Preview';
args.__IE_ContentDocumentUrl = job.contentUrl || '';
args.__IE_HeaderString = job.header !== undefined ? job.header : '&w&bPage &p of &P';
args.__IE_FooterString = job.footer !== undefined ? job.footer : '&u&b&d';
if (job.selectionUrl !== undefined) args.__IE_ContentSelectionUrl = job.selectionUrl;
if (job.outlookHeaderUrl !== undefined) args.__IE_OutlookHeader = job.outlookHeaderUrl;
window.dialogArguments = args;

// ------------------------------------------------------------ helpers
const escapeHTML = (s) => String(s)
                              .replace(/&/g, '&amp;')
                              .replace(/</g, '&lt;')
                              .replace(/>/g, '&gt;')
                              .replace(/"/g, '&quot;');
const impls = new WeakMap();
const expandos = new WeakMap();
const implFor = (el) => {
  if (impls.has(el)) return impls.get(el);
  let impl = null;
  switch (el.localName) {
    case 'ie:templateprinter': impl = new TemplatePrinter(el); break;
    case 'ie:headerfooter': impl = new HeaderFooter(el); break;
    case 'ie:layoutrect': impl = new LayoutRect(el); break;
    case 'ie:devicerect': impl = new DeviceRect(el); break;
  }
  if (impl) impls.set(el, impl);
  return impl;
};

// Defines members on a prototype that an element of one of our kinds answers; other
// elements keep the inherited member or plain expando behaviour.
function defineMembers(proto, names, isOurs, getImpl) {
  for (const name of names) {
    const inherited = Object.getOwnPropertyDescriptor(proto, name) ||
        Object.getOwnPropertyDescriptor(HTMLElement.prototype, name) ||
        Object.getOwnPropertyDescriptor(Element.prototype, name);
    Object.defineProperty(proto, name, {
      configurable: true,
      get() {
        const impl = isOurs(this) ? getImpl(this) : null;
        if (impl && name in impl.members) return impl.get(name);
        if (inherited && inherited.get) return inherited.get.call(this);
        const own = expandos.get(this);
        return own ? own[name] : undefined;
      },
      set(v) {
        const impl = isOurs(this) ? getImpl(this) : null;
        if (impl && name in impl.members) return impl.set(name, v);
        if (inherited && inherited.set) return inherited.set.call(this, v);
        let own = expandos.get(this);
        if (!own) expandos.set(this, own = {});
        own[name] = v;
      },
    });
  }
}

// ------------------------------------------------------------ template printer
const PRINTER_DEFAULTS = {
  header: '',
  footer: '',
  marginTop: 75,
  marginBottom: 75,
  marginLeft: 75,
  marginRight: 75,
  pageWidth: 850,
  pageHeight: 1100,
  unprintableTop: 0,
  unprintableBottom: 0,
  unprintableLeft: 0,
  unprintableRight: 0,
  tableOfLinks: false,
  copies: 1,
  collate: false,
  duplex: false,
  selectedPages: false,
  pageFrom: 1,
  pageTo: 1,
  currentPage: false,
  currentPageAvail: false,
  selection: false,
  selectionEnabled: false,
  framesetDocument: false,
  frameActive: false,
  frameActiveEnabled: false,
  frameAsShown: false,
  allLinkedDocuments: false,
  usePrinterCopyCollate: false,
  orientation: 'portrait',
  printer: 'Host Printer',
};
const PRINTER_METHODS = [
  'showPageSetupDialog', 'showPrintDialog', 'ensurePrintDialogDefaults', 'deviceSupports',
  'updatePageStatus', 'startDoc', 'printPage', 'printBlankPage', 'stopDoc', 'printNonNative',
  'printNonNativeFrames'
];

class TemplatePrinter {
  constructor() {
    this.values = Object.assign({}, PRINTER_DEFAULTS, config.printer || {});
    this.members = Object.fromEntries(Object.keys(this.values).map((k) => [k, true]));
    const dialogs = config.dialogs || {};
    this.answers = {
      print: [].concat(dialogs.print !== undefined ? dialogs.print : []),
      pageSetup: [].concat(dialogs.pageSetup !== undefined ? dialogs.pageSetup : []),
      defaults: [].concat(dialogs.defaults !== undefined ? dialogs.defaults : []),
    };
    this.device = Object.assign({copies: 1, collate: false, duplex: false}, config.device || {});
    host.printer = this;
  }
  get(name) { return this.values[name]; }
  set(name, v) { this.values[name] = v; }
  // A dialog's answer: true or false, or {confirm, set: {member: value}} applied on confirm.
  answer(kind, fallback) {
    const queue = this.answers[kind];
    const a = queue.length ? queue.shift() : fallback;
    const confirm = typeof a === 'object' && a !== null ? !!a.confirm : !!a;
    if (confirm && a && a.set) Object.assign(this.values, a.set);
    record({op: kind + 'Dialog', confirm});
    return confirm;
  }
  showPageSetupDialog() { return this.answer('pageSetup', false); }
  showPrintDialog() { return this.answer('print', true); }
  ensurePrintDialogDefaults() { return this.answer('defaults', true); }
  deviceSupports(cap) { return this.device[cap]; }
  updatePageStatus(n) { record({op: 'updatePageStatus', n}); }
  startDoc(name) {
    record({op: 'startDoc', name: String(name)});
    return config.startDocResult !== undefined ? config.startDocResult : true;
  }
  printPage(deviceRect) {
    const part = (id) => {
      for (const c of deviceRect.children)
        if (c.id === id) return c.textContent.trim();
      return '';
    };
    const rect = deviceRect.querySelector('ie\\:layoutrect');
    record({
      op: 'printPage',
      id: deviceRect.id,
      rect: rect ? rect.id : null,
      head: part('header'),
      foot: part('footer'),
      copies: this.values.copies,
      collate: this.values.collate
    });
  }
  printBlankPage() { record({op: 'printBlankPage'}); }
  stopDoc() { record({op: 'stopDoc'}); }
  printNonNative(doc) {
    const url = doc && doc.URL;
    const list = config.nonNative;
    const handled = list === true || (Array.isArray(list) && list.includes(url));
    record({op: 'printNonNative', url, handled});
    return handled;
  }
  printNonNativeFrames(doc, activeFrame) {
    record({op: 'printNonNativeFrames', url: doc && doc.URL, activeFrame: !!activeFrame});
  }
}

// ------------------------------------------------------------ header and footer
const pad2 = (n) => String(n).padStart(2, '0');
class HeaderFooter {
  constructor() {
    this.values = {textHead: '', textFoot: '', URL: '', title: '', page: 1, pageTotal: 1};
    this.members = {
      textHead: 1,
      textFoot: 1,
      URL: 1,
      title: 1,
      page: 1,
      pageTotal: 1,
      HtmlHead: 1,
      HtmlFoot: 1,
      htmlHead: 1,
      htmlFoot: 1,
      dateShort: 1,
      dateLong: 1,
      timeShort: 1,
      timeLong: 1
    };
  }
  now() { return config.now ? new Date(config.now) : new Date(); }
  get(name) {
    const d = this.now();
    switch (name) {
      case 'HtmlHead':
      case 'htmlHead': return this.html(this.values.textHead, 'THeader');
      case 'HtmlFoot':
      case 'htmlFoot': return this.html(this.values.textFoot, 'TFooter');
      case 'dateShort': return `${d.getMonth() + 1}/${d.getDate()}/${d.getFullYear()}`;
      case 'dateLong': return d.toLocaleDateString('en-US', {dateStyle: 'full'});
      case 'timeShort': return d.toLocaleTimeString('en-US');
      case 'timeLong':
        return `${pad2(d.getHours())}:${pad2(d.getMinutes())}:${pad2(d.getSeconds())}`;
    }
    return this.values[name];
  }
  set(name, v) {
    if (name in this.values) this.values[name] = v;
  }
  // Expands the header-footer codes into a table with left, centre and right cells:
  // text before the first &b is left-aligned, between the first and second centred, and
  // after the last right-aligned (with a single &b: left and right).
  html(text, cls) {
    text = text == null ? '' : String(text);
    if (text === '') return '';
    const v = this.values;
    const sections = [''];
    for (let i = 0; i < text.length; i++) {
      const ch = text[i];
      if (ch !== '&' || i + 1 >= text.length) {
        sections[sections.length - 1] += escapeHTML(ch);
        continue;
      }
      const code = text[++i];
      let out;
      switch (code) {
        case 'w': out = `<SPAN class="hfTitle">${escapeHTML(v.title || '')}</SPAN>`; break;
        case 'u': out = `<SPAN class="hfUrl">${escapeHTML(v.URL || '')}</SPAN>`; break;
        case 'p': out = escapeHTML(String(v.page)); break;
        case 'P':
          out = `<SPAN class="hfPageTotal">${escapeHTML(String(v.pageTotal))}</SPAN>`;
          break;
        case 'd': out = escapeHTML(this.get('dateShort')); break;
        case 'D': out = escapeHTML(this.get('dateLong')); break;
        case 't': out = escapeHTML(this.get('timeShort')); break;
        case 'T': out = escapeHTML(this.get('timeLong')); break;
        case '&': out = '&amp;'; break;
        case 'b': sections.push(''); continue;
        default: out = escapeHTML('&' + code);
      }
      sections[sections.length - 1] += out;
    }
    let left = sections[0], centre = '', right = '';
    if (sections.length === 2) right = sections[1];
    if (sections.length >= 3) {
      centre = sections[1];
      right = sections.slice(2).join('');
    }
    return `<TABLE class="${cls}" width="100%" cellspacing="0" cellpadding="0"><TR>` +
        `<TD align="left" nowrap>${left}</TD><TD align="center" nowrap>${centre}</TD>` +
        `<TD align="right" nowrap>${right}</TD></TR></TABLE>`;
  }
}

// ------------------------------------------------------------ device rectangle
class DeviceRect {
  constructor() {
    this.members = {media: 1};
    this.values = {media: 'print'};
  }
  get(name) { return this.values[name]; }
  set(name, v) { this.values[name] = v; }
}

// ------------------------------------------------------------ layout rectangles
// The content of a chain of layout rectangles is loaded once into an offscreen master frame
// laid out in CSS columns of the rectangles' size, so the browser fragments it (lines, and
// break rules of the content, are kept). Each rectangle of the chain shows one column
// through a script-free copy of the master. The first rectangle of a chain may be shorter
// (it continues a page of an earlier phase): a spacer at the top of the first column keeps
// the columns equal.
const MAX_FRAGMENTS = 500;
let offscreen = null;
const offscreenBox = () => {
  if (!offscreen) {
    offscreen = document.createElement('pthost-offscreen');
    offscreen.style.cssText = 'position:absolute;left:-40000px;top:0;visibility:hidden;';
    document.documentElement.appendChild(offscreen);
  }
  return offscreen;
};
const pxOf = (s) => parseFloat(s) || 0;

class LayoutRect {
  constructor(el) {
    this.el = el;
    this.members = {contentSrc: 1, nextRect: 1, contentDocument: 1, scrollHeight: 1, media: 1};
    this.src = null;
    this.chain = null;  // the chain this rectangle shows a fragment of
    this.index = -1;    // its fragment number in the chain
    this.view = null;   // its display frame
    this.used = null;   // content height in px of its fragment
  }
  get(name) {
    switch (name) {
      case 'contentSrc': return this.src;
      case 'nextRect': return this.el.getAttribute('nextRect');
      case 'media': return this.el.getAttribute('media');
      case 'contentDocument':
        return this.chain && this.chain.doc && this.chain.doc.readyState === 'complete' ?
            this.chain.doc :
            null;
      case 'scrollHeight': {
        if (this.used != null) return Math.round(this.used);
        return Object.getOwnPropertyDescriptor(Element.prototype, 'scrollHeight').get.call(this.el);
      }
    }
  }
  set(name, v) {
    if (name === 'contentSrc') {
      this.src = v;
      startChain(this, v);
    } else if (name === 'nextRect') {
      this.el.setAttribute('nextRect', v);
    } else if (name === 'media') {
      this.el.setAttribute('media', v);
    }
  }
  clear() {
    if (this.view) this.view.remove();
    this.view = null;
    this.used = null;
    this.chain = null;
    this.index = -1;
  }
}

function detachFrom(rect) {
  // Clears this rectangle and every rectangle after it in its old chain.
  const old = rect.chain;
  if (!old) {
    rect.clear();
    return;
  }
  for (const r of old.rects.slice(rect.index)) r.clear();
  old.rects.length = Math.max(rect.index, 0);
  if (rect.index <= 0) {
    old.dead = true;
    if (old.master) old.master.remove();
  }
}

function startChain(rect, src) {
  detachFrom(rect);
  if (src === '' || src == null) return;
  const chain = {rects: [rect], src, dead: false, master: null, doc: null, count: 0};
  rect.chain = chain;
  rect.index = 0;
  realSetTimeout(() => loadMaster(chain), 0);
}

function sourceURL(src) {
  if (src === 'document') return args.__IE_ContentDocumentUrl;
  return typeof src === 'string' ? new URL(src, location.href).href : null;
}

function whenConnected(el, fn) {
  if (el.isConnected) return fn();
  realSetTimeout(() => whenConnected(el, fn), 20);
}

function loadMaster(chain) {
  if (chain.dead) return;
  const head = chain.rects[0];
  whenConnected(head.el, () => {
    const frame = document.createElement('iframe');
    frame.setAttribute('aria-hidden', 'true');
    chain.master = frame;
    const url = sourceURL(chain.src);
    frame.addEventListener('load', () => onMasterLoad(chain, frame), {once: true});
    if (url) {
      frame.src = url;
    } else {
      // A document object (such as a generated table of links).
      const srcDoc = chain.src.nodeType === 9 ? chain.src : chain.src.ownerDocument;
      frame.srcdoc = '<!DOCTYPE html>' + srcDoc.documentElement.outerHTML;
    }
    offscreenBox().appendChild(frame);
  });
}

// Sizes of a rectangle of the chain's class: width, full height, and the first one's height.
function measure(chain) {
  const head = chain.rects[0].el;
  const cs = getComputedStyle(head);
  const probe = document.createElement(head.localName);
  probe.className = head.className;
  head.parentNode.appendChild(probe);
  const full = getComputedStyle(probe);
  const sizes = {W: pxOf(cs.width), h0: pxOf(cs.height), H: pxOf(full.height)};
  probe.remove();
  if (sizes.h0 > sizes.H) sizes.H = sizes.h0;
  return sizes;
}

function columnCSS(W, H, spacer) {
  return `html{column-width:${Math.max(W, 1)}px;column-gap:0;column-fill:auto;` +
      `height:${H}px;width:${Math.max(W, 1)}px;overflow:hidden;margin:0;padding:0}` +
      (spacer > 0 ? `html::before{content:"";display:block;height:${spacer}px}` : '');
}

async function onMasterLoad(chain, frame) {
  if (chain.dead) return;
  const doc = frame.contentDocument;
  chain.doc = doc;
  if (doc.fonts) await doc.fonts.ready;
  if (chain.dead) return;
  const {W, H, h0} = measure(chain);
  frame.style.cssText = `border:0;width:${Math.max(W, 1)}px;height:${Math.max(H, 1)}px`;
  chain.W = W;
  chain.H = H;
  chain.spacer = H - h0;
  const isFrameset = doc.body && doc.body.tagName === 'FRAMESET';
  if (isFrameset || H < 1 || !doc.body) {
    chain.count = 1;
    chain.lastUsed = Math.min(h0, H);
    chain.frameset = isFrameset;
  } else {
    const style = doc.createElement('style');
    style.setAttribute('data-pthost', '');
    style.textContent = columnCSS(W, H, chain.spacer);
    (doc.head || doc.documentElement).appendChild(style);
    const marker = doc.createElement('pthost-end');
    marker.style.cssText = 'display:block;height:0;margin:0;padding:0;clear:both';
    doc.body.appendChild(marker);
    const box = marker.getBoundingClientRect();
    const col = Math.max(0, Math.floor((box.left + 0.5) / Math.max(W, 1)));
    chain.count = Math.min(col + 1, MAX_FRAGMENTS);
    chain.lastUsed = Math.max(0, box.top - (col === 0 ? chain.spacer : 0));
  }
  showFragment(chain, 0);
}

// Shows fragment k of the chain in its rectangle and fires the layout-complete event.
function showFragment(chain, k) {
  if (chain.dead) return;
  const rect = chain.rects[k];
  const last = k >= chain.count - 1;
  const height = k === 0 ? chain.H - chain.spacer : chain.H;
  rect.used = last ? Math.min(chain.lastUsed, height) : height;
  const view = document.createElement('iframe');
  view.setAttribute('scrolling', 'no');
  view.setAttribute('tabindex', '-1');
  view.style.cssText = `border:0;display:block;width:${Math.max(chain.W, 1)}px;` +
      `height:${Math.max(height, 0)}px`;
  if (rect.view) rect.view.remove();
  rect.view = view;
  const copy = chain.doc.documentElement.cloneNode(true);
  for (const s of copy.querySelectorAll('script')) s.remove();
  let base = copy.querySelector('base');
  if (!base && copy.querySelector('head')) {
    base = chain.doc.createElement('base');
    base.href = chain.doc.baseURI;
    copy.querySelector('head').prepend(base);
  }
  view.srcdoc = '<!DOCTYPE html>' + copy.outerHTML;
  view.addEventListener('load', () => {
    if (chain.dead || rect.chain !== chain) return;
    const win = view.contentWindow;
    if (!chain.frameset) win.scrollTo(k * Math.max(chain.W, 1), k === 0 ? chain.spacer : 0);
    fireLayoutComplete(rect, !last && chain.count > 1);
    if (!last) realSetTimeout(() => continueChain(chain, k + 1), 60);
  }, {once: true});
  rect.el.prepend(view);
}

function continueChain(chain, k) {
  if (chain.dead || chain.rects.length !== k) return;
  const prev = chain.rects[k - 1];
  const nextId = prev.el.getAttribute('nextRect');
  const el = nextId && document.getElementById(nextId);
  if (!el || el.localName !== 'ie:layoutrect') {
    realSetTimeout(() => continueChain(chain, k), 50);
    return;
  }
  const rect = implFor(el);
  if (rect.chain && rect.chain !== chain) detachFrom(rect);
  rect.chain = chain;
  rect.index = k;
  chain.rects.push(rect);
  showFragment(chain, k);
}

function fireLayoutComplete(rect, overflow) {
  const ev = new Event('layoutcomplete');
  ev.contentOverflow = overflow;
  record({op: 'layoutcomplete', id: rect.el.id, overflow});
  const code = rect.el.getAttribute('onlayoutcomplete');
  const handler = code ? new Function('event', code) : null;
  const listener = () => handler && handler.call(rect.el, ev);
  rect.el.addEventListener('layoutcomplete', listener, {once: true});
  rect.el.dispatchEvent(ev);
}

const UNKNOWN_MEMBERS = new Set([
  ...Object.keys(PRINTER_DEFAULTS),
  'textHead',
  'textFoot',
  'URL',
  'title',
  'page',
  'pageTotal',
  'HtmlHead',
  'HtmlFoot',
  'htmlHead',
  'htmlFoot',
  'dateShort',
  'dateLong',
  'timeShort',
  'timeLong',
  'contentSrc',
  'nextRect',
  'contentDocument',
  'scrollHeight',
  'media',
]);
defineMembers(
    HTMLUnknownElement.prototype, UNKNOWN_MEMBERS, (el) => el.localName.startsWith('ie:'), implFor);
for (const m of PRINTER_METHODS) {
  Object.defineProperty(HTMLUnknownElement.prototype, m, {
    configurable: true,
    value: function(...a) {
      const impl = implFor(this);
      if (!(impl instanceof TemplatePrinter)) throw new TypeError(m + ' is not a function');
      return impl[m](...a);
    },
  });
}

// ------------------------------------------------------------ the print control
const CLSID = 'clsid:ca03a5a8-9890-49be-ba4a-8c524eb06441';
const store = {
  control: Object.assign({}, (config.store && config.store.control) || {}),
  browser: Object.assign({}, (config.store && config.store.browser) || {}),
  defaultPrinter: (config.store && config.store.defaultPrinter) || '',
};
host.store = store;
const readText = (key, name) => {
  const v = store[key][name];
  return v == null ? '' : String(v);
};
const readNumber = (t) => {
  const m = /^\s*([+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?)/.exec(t);
  return m ? Number(m[1]) : 0;
};
const readInteger = (t) => {
  const m = /^\s*([+-]?\d+)/.exec(t);
  return m ? Number(m[1]) | 0 : 0;
};
const formatHundredths = (value, measure) => {
  let v = Number(value) * 100;
  if (measure === 1) v *= 0.03937;
  const r = Math.round(Math.abs(Number(v.toPrecision(17))));
  if (!isFinite(r) || r === 0) return '';
  return r >= 1e21 ? BigInt(r).toString() : String(r);
};
const LENGTHS = {
  marginTop: 'margin_top',
  marginLeft: 'margin_left',
  marginBottom: 'margin_bottom',
  marginRight: 'margin_right',
  pageWidth: 'page_width',
  pageHeight: 'page_height'
};
const TEXTS = {
  header: 'header',
  footer: 'footer',
  zoomValue: 'zoom'
};
const INTEGERS = {
  copies: 'copies',
  pageFrom: 'pagefrom',
  pageTo: 'pageto'
};
const BOOLEANS = {
  selectedPages: 'selectedpages',
  currentPage: 'currentpage'
};

class PrintControl {
  constructor() {
    this.fields = {
      paperSize: '',
      paperSource: '',
      orientation: -1,
      pageHeight: 0,
      pageWidth: 0,
      measure: 1,
      prevHeight: 0,
      prevWidth: 0
    };
    this.members = Object.fromEntries([
      ...Object.keys(LENGTHS), ...Object.keys(TEXTS), ...Object.keys(INTEGERS),
      ...Object.keys(BOOLEANS), 'orientation', 'paperSize', 'paperSource', 'printer',
      'defaultPrinterName', 'prevWidth', 'prevHeight'
    ].map((k) => [k, 1]));
  }
  get(name) {
    const f = this.fields;
    if (name in LENGTHS) {
      const t = readText('control', LENGTHS[name]);
      return t !== '' ? readNumber(t) : readNumber(readText('browser', LENGTHS[name])) * 100;
    }
    if (name in TEXTS) return readText('control', TEXTS[name]);
    if (name in INTEGERS) return readInteger(readText('control', INTEGERS[name]));
    if (name in BOOLEANS) return readText('control', BOOLEANS[name]) === 'true';
    switch (name) {
      case 'orientation':
        return f.orientation >= 0 ? f.orientation : readInteger(readText('browser', 'orientation'));
      case 'paperSize': return f.paperSize || readText('browser', 'paper_size');
      case 'paperSource': return f.paperSource || readText('browser', 'paper_source');
      case 'printer':
      case 'defaultPrinterName': return store.defaultPrinter;
      case 'prevWidth': return f.prevWidth >= 1 ? f.prevWidth : -1;
      case 'prevHeight': return f.prevHeight >= 1 ? f.prevHeight : -1;
    }
  }
  set(name, v) {
    const f = this.fields;
    record({op: 'controlPut', name, value: v});
    if (name === 'pageWidth' || name === 'pageHeight') f[name] = Number(v);
    if (name in LENGTHS)
      store.control[LENGTHS[name]] = formatHundredths(v, f.measure);
    else if (name in TEXTS)
      store.control[TEXTS[name]] = v == null ? '' : String(v);
    else if (name in INTEGERS)
      store.control[INTEGERS[name]] = String(Number(v) | 0);
    else if (name in BOOLEANS)
      store.control[BOOLEANS[name]] = v ? 'true' : 'false';
    else if (name === 'orientation' || name === 'prevWidth' || name === 'prevHeight') {
      f[name] = Number(v) | 0;
    } else if (name === 'paperSize' || name === 'paperSource') {
      f[name] = v == null ? '' : String(v);
    } else if ((name === 'printer' || name === 'defaultPrinterName') && v) {
      store.defaultPrinter = String(v);
    }
  }
  SetMarginMeasure(val) { this.fields.measure = Number(val) | 0; }
  InitPrint() {
    store.control = {};
    record({op: 'InitPrint'});
  }
  Print(prompt) { record({op: 'controlPrint', prompt}); }
  Preview() { record({op: 'controlPreview'}); }
}

const controls = new WeakMap();
const isControl = (el) =>
    config.control !== false && String(el.getAttribute('classid') || '').toLowerCase() === CLSID;
const controlFor = (el) => {
  if (!controls.has(el)) controls.set(el, new PrintControl());
  return controls.get(el);
};
defineMembers(
    HTMLObjectElement.prototype, Object.keys(new PrintControl().members), isControl, controlFor);
for (const m of ['SetMarginMeasure', 'InitPrint', 'Print', 'Preview']) {
  Object.defineProperty(HTMLObjectElement.prototype, m, {
    configurable: true,
    value: function(...a) {
      if (!isControl(this)) throw new TypeError(m + ' is not a function');
      return controlFor(this)[m](...a);
    },
  });
}

// ------------------------------------------------------------ platform styles and base
const sheet = new CSSStyleSheet();
// The print elements are blocks or invisible; the control is invisible at run time; the
// older browser's buttons keep their caption on one line.
sheet.replaceSync(
    'ie\\:devicerect, ie\\:layoutrect { display: block; }' +
    'ie\\:templateprinter, ie\\:headerfooter { display: none; }' +
    `object[classid="${CLSID}" i] { display: none; }` +
    'button { white-space: nowrap; }');
document.adoptedStyleSheets = [...document.adoptedStyleSheets, sheet];

// The template takes its images from the browser's resource library under res://; the host
// serves our own drawings of them under /res/<library>/.
const resBase = new URL('/res/', location.href).href;
const mapRes = (href) => href.replace(/^res:\/\//i, resBase);
const fixBase = () => {
  const base = document.querySelector('base[href]');
  if (base && /^res:/i.test(base.getAttribute('href'))) {
    base.setAttribute('href', mapRes(base.getAttribute('href')));
    for (const img of document.images) img.src = img.getAttribute('src');
  }
};
new MutationObserver(fixBase).observe(document, {childList: true, subtree: true});
document.addEventListener('DOMContentLoaded', fixBase);
})();
