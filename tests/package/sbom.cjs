// SPDX-FileCopyrightText: 2026 The hello-cxx developers
// SPDX-License-Identifier: MIT
// Validates CycloneDX SBOMs with the CycloneDX library's own strict validator
// (found through NODE_PATH): node sbom.cjs FILE...
// Exits 1 when one is invalid, and 3 when the library is not installed here.
const { readFileSync } = require('node:fs');

let cdx;
try {
  cdx = require('@cyclonedx/cyclonedx-library');
} catch {
  console.log('the CycloneDX library is not installed here (npm install --prefix build/tools ' +
    '@cyclonedx/cyclonedx-library@10.3.0 ajv@8.20.0 ajv-formats@3.0.1 ajv-formats-draft2019@1.6.1)');
  process.exit(3);
}

(async () => {
  for (const file of process.argv.slice(2)) {
    const text = readFileSync(file, 'utf8');
    const bom = JSON.parse(text);
    const validator = new cdx.Validation.JsonStrictValidator(bom.specVersion);
    let errors;
    try {
      errors = await validator.validate(text);
    } catch (error) {
      if (!(error instanceof cdx.Validation.MissingOptionalDependencyError)) throw error;
      console.log(`the CycloneDX library's validator lacks a module here: ${error.message}`);
      process.exit(3);
    }
    if (errors !== null) {
      console.log(`${file}: not a valid CycloneDX ${bom.specVersion} document: ${JSON.stringify(errors)}`);
      process.exitCode = 1;
    }
  }
})();
