// SPDX-FileCopyrightText: 2026 The hello-cxx developers
// SPDX-License-Identifier: MIT
// Runs a WASI (preview1) command module with Node's built-in WASI, as a
// cross-compiling emulator: node wasi-run.mjs MODULE.wasm [ARGS...]
// The module gets the arguments, the environment and descriptors 0, 1 and 2;
// its exit status becomes this process's.
import { fstatSync, openSync, readFileSync, readSync, statSync, writeSync } from 'node:fs';
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

const [path, ...args] = process.argv.slice(2);
if (!path) {
  process.stderr.write('usage: node wasi-run.mjs MODULE.wasm [ARGS...]\n');
  process.exit(2);
}

// Node opens /dev/null for reading and writing on a standard descriptor it
// finds closed, which would hide the closing from the module. /dev/null that
// also works the other way than the descriptor is used is taken for that,
// and the module gets /dev/null opened the wrong way instead: its reads or
// writes then fail as on a closed descriptor.
const nullDevice = statSync('/dev/null').rdev;
const byte = Buffer.alloc(1);
const otherWay = [(fd) => writeSync(fd, byte), (fd) => readSync(fd, byte), (fd) => readSync(fd, byte)];
const stdio = [0, 1, 2].map((fd) => {
  const status = fstatSync(fd);
  if (!status.isCharacterDevice() || status.rdev !== nullDevice) return fd;
  try {
    otherWay[fd](fd);
  } catch {
    return fd;
  }
  return openSync('/dev/null', fd === 0 ? 'w' : 'r');
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
