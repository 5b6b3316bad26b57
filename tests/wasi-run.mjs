// SPDX-FileCopyrightText: 2026 The hello-cxx developers
// SPDX-License-Identifier: MIT
// Runs a WASI (preview1) module with Node's WASI, for wasi-run.sh:
//   node wasi-run.mjs --closed=FDS MODULE.wasm [ARGS...]
// The module gets the arguments, the environment and descriptors 0 to 2, one
// that was closed (FDS says which) opened on /dev/null the wrong way so that
// its reads or writes fail, and one Node's WASI cannot take (an eventfd, say)
// replaced: input by an empty one, output by one that refuses writes.
import { fstatSync, openSync, readFileSync } from 'node:fs';
import { basename } from 'node:path';

// Node's warning that WASI is experimental would read as the module's output.
const [printWarning] = process.listeners('warning');
process.removeAllListeners('warning');
process.on('warning', (w) => (w.name === 'ExperimentalWarning' && /WASI/.test(w.message)) || printWarning?.(w));
const { WASI } = await import('node:wasi'); // the warning comes with the import

const [closed, path, ...args] = process.argv.slice(2);
const wrongWay = (fd) => openSync('/dev/null', fd === 0 ? 'w' : 'r');
const stdio = [0, 1, 2].map((fd) => {
  if (closed.slice('--closed='.length).includes(String(fd))) return wrongWay(fd);
  const s = fstatSync(fd);
  if (s.isFile() || s.isDirectory() || s.isCharacterDevice() || s.isBlockDevice() || s.isFIFO() ||
    s.isSocket() || s.isSymbolicLink()) return fd;
  return fd === 0 ? openSync('/dev/null', 'r') : wrongWay(fd);
});
const wasi = new WASI({ version: 'preview1', args: [basename(path), ...args], env: process.env,
  stdin: stdio[0], stdout: stdio[1], stderr: stdio[2], returnOnExit: true });
const module = await WebAssembly.compile(readFileSync(path));
const instance = await WebAssembly.instantiate(module, { wasi_snapshot_preview1: wasi.wasiImport });
process.exitCode = wasi.start(instance);
