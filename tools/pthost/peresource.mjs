// Reads one resource out of a PE file (PE32 or PE32+): type, name and language as in the
// resource directory. Gives a Buffer, or null when the file holds no such resource.
const utf16Name = (buf, rsrc, offset) => {
  const at = rsrc + (offset & 0x7fffffff);
  return buf.toString('utf16le', at + 2, at + 2 + buf.readUInt16LE(at) * 2);
};

function findEntry(buf, rsrc, dirOffset, want) {
  const named = buf.readUInt16LE(rsrc + dirOffset + 12);
  const ids = buf.readUInt16LE(rsrc + dirOffset + 14);
  for (let i = 0; i < named + ids; i++) {
    const entry = rsrc + dirOffset + 16 + i * 8;
    const name = buf.readUInt32LE(entry);
    const target = buf.readUInt32LE(entry + 4);
    const key = name & 0x80000000 ? utf16Name(buf, rsrc, name) : name;
    if (want === undefined || key === want) return target;
  }
  return null;
}

export function readResource(buf, type, name, language) {
  if (buf.readUInt16LE(0) !== 0x5a4d) throw new Error('not an MZ file');
  const pe = buf.readUInt32LE(0x3c);
  if (buf.readUInt32LE(pe) !== 0x4550) throw new Error('not a PE file');
  const sections = buf.readUInt16LE(pe + 6);
  const optional = pe + 24;
  const optionalSize = buf.readUInt16LE(pe + 20);
  const dirBase = optional + (buf.readUInt16LE(optional) === 0x20b ? 112 : 96);
  const rsrcRva = buf.readUInt32LE(dirBase + 2 * 8);
  if (!rsrcRva) return null;
  const table = optional + optionalSize;
  const toOffset = (rva) => {
    for (let i = 0; i < sections; i++) {
      const s = table + i * 40;
      const va = buf.readUInt32LE(s + 12), size = buf.readUInt32LE(s + 16);
      if (rva >= va && rva < va + Math.max(size, buf.readUInt32LE(s + 8))) {
        return rva - va + buf.readUInt32LE(s + 20);
      }
    }
    throw new Error(`address ${rva} outside the sections`);
  };
  const rsrc = toOffset(rsrcRva);
  let node = 0;
  for (const key of [type, name, language]) {
    const target = findEntry(buf, rsrc, node, key);
    if (target === null) return null;
    node = target & 0x7fffffff;
  }
  const dataRva = buf.readUInt32LE(rsrc + node), size = buf.readUInt32LE(rsrc + node + 4);
  const at = toOffset(dataRva);
  return buf.subarray(at, at + size);
}
