// Toolbar images of the print preview, drawn here as SVG: page setup, the four navigation
// arrows and the two zoom buttons, each in a normal, highlighted and inactive form.

const COLOURS = {
  normal: '#1f4e9a',
  hilite: '#2f7de1',
  inactive: '#9a9a9a'
};

function arrows(kind, colour) {
  const bar = (x) => `<rect x="${x}" y="4" width="2" height="12" fill="${colour}"/>`;
  const left = (x) => `<path d="M${x} 10 L${x + 7} 4 L${x + 7} 16 Z" fill="${colour}"/>`;
  const right = (x) => `<path d="M${x + 7} 10 L${x} 4 L${x} 16 Z" fill="${colour}"/>`;
  switch (kind) {
    case 'begin': return bar(4) + left(7);
    case 'prev': return left(6);
    case 'next': return right(7);
    case 'end': return right(7) + bar(15);
  }
  return '';
}

function magnifier(sign, colour) {
  const plus = sign === '+' ? `<rect x="7.25" y="5" width="1.5" height="6" fill="${colour}"/>` : '';
  return `<circle cx="8" cy="8" r="5" fill="white" stroke="${colour}" stroke-width="2"/>` +
      `<rect x="5" y="7.25" width="6" height="1.5" fill="${colour}"/>` + plus +
      `<path d="M11.5 11.5 L17 17" stroke="${colour}" stroke-width="3" stroke-linecap="round"/>`;
}

function pageSetup(colour) {
  return `<rect x="4" y="2" width="11" height="15" fill="white" stroke="${colour}"/>` +
      `<path d="M6 6 H13 M6 9 H13 M6 12 H11" stroke="${colour}"/>` +
      `<circle cx="15" cy="15" r="3" fill="${colour}"/>`;
}

// Gives the SVG text for an image file name such as "next_hilite.gif", or null.
export function toolbarImage(fileName) {
  const m = /^([a-z]+?)(?:_(hilite|inactive))?\.gif$/i.exec(fileName);
  if (!m) return null;
  const base = m[1].toLowerCase();
  const colour = COLOURS[(m[2] || 'normal').toLowerCase()];
  let body;
  if (['begin', 'prev', 'next', 'end'].includes(base))
    body = arrows(base, colour);
  else if (base === 'zoomin')
    body = magnifier('+', colour);
  else if (base === 'zoomout')
    body = magnifier('-', colour);
  else if (base === 'zoom')
    body = magnifier('', colour);
  else if (base === 'printctl')
    body = pageSetup(colour);
  else
    return null;
  return `<svg xmlns="http://www.w3.org/2000/svg" width="20" height="20" viewBox="0 0 20 20">${
      body}</svg>`;
}
