// SPDX-FileCopyrightText: 2026 The hello-cxx developers
// SPDX-License-Identifier: MIT
// Runs a WASI (preview1) command module with Node's built-in WASI:
//   node wasi-run.mjs --closed=FDS MODULE.wasm [ARGS...]
// (wasi-run.sh, the emulator, says in FDS which of 0, 1 and 2 were closed.)
// The module gets the arguments, the environment and descriptors 0, 1 and 2;
// its exit status becomes this process's.
import { fstatSync, openSync, readFileSync } from 'node:fs';
import { basename } from 'node:path';

// Node warns on stderr that WASI is experimental, which the module's caller
// would take for the module's output: drop that warning alone.
const [printWarning] = process.listeners('warning');
process.removeAllListeners('warning');
process.on('warning', (warning) => {
  if (warning.name !== 'ExperimentalWarning' || !/WASI/.test(warning.message)) {
    printWarning?.(warning);
  }
});
// Imported only now, as the warning comes with the import.
const { WASI } = await import('node:wasi');

const [closedOption, path, ...args] = process.argv.slice(2);
if (!closedOption?.startsWith('--closed=') || !path) {
  process.stderr.write('usage: node wasi-run.mjs --closed=FDS MODULE.wasm [ARGS...]\n');
  process.exit(2);
}

// A descriptor that was closed gets /dev/null opened the wrong way, so that
// the module's reads or writes fail as on a closed one. One that Node's WASI
// cannot take (an eventfd, inotify, signalfd, timerfd or pidfd has no WASI
// file type) is replaced too: input by an empty one, output by one that
// refuses writes, as such descriptors refuse text.
const closed = closedOption.slice('--closed='.length);
const wrongWay = (fd) => openSync('/dev/null', fd === 0 ? 'w' : 'r');
const hasWasiType = (status) => status.isFile() || status.isDirectory() || status.isCharacterDevice() ||
  status.isBlockDevice() || status.isFIFO() || status.isSocket() || status.isSymbolicLink();
const stdio = [0, 1, 2].map((fd) => {
  if (closed.includes(String(fd))) return wrongWay(fd);
  if (hasWasiType(fstatSync(fd))) return fd;
  return fd === 0 ? openSync('/dev/null', 'r') : wrongWay(fd);
});

const wasi = new WASI({
  version: 'preview1',
  args: [basename(path), ...args],
  env: process.env,
  stdin: stdio[0],
  stdout: stdio[1],
  stderr: stdio[2],
  returnOnExit: true,
});
const module = await WebAssembly.compile(readFileSync(path));
const instance = await WebAssembly.instantiate(module, { wasi_snapshot_preview1: wasi.wasiImport });
process.exitCode = wasi.start(instance);
