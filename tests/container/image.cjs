// SPDX-FileCopyrightText: 2026 The hello-cxx developers
// SPDX-License-Identifier: MIT
// node image.cjs LAYOUT: for each image that the image index of an unpacked
// OCI image layout lists, one line:
//   PLATFORM OS/ARCHITECTURE LAYERS LAYER-BLOB ENTRYPOINT USER ENV CMD LICENCES
// (the platform as the index lists it, the rest as the image has it)
// node image.cjs --licences SBOM...: the licences that the CycloneDX SBOMs
// state for their applications and components, as one SPDX expression.
const { readFileSync } = require('node:fs');
const json = (file) => JSON.parse(readFileSync(file, 'utf8'));
const licences = 'org.opencontainers.image.licenses';

if (process.argv[2] === '--licences') {
  const expressions = process.argv.slice(3).map(json).flatMap((sbom) =>
    [sbom.metadata.component, ...sbom.components].flatMap((part) => part.licenses)
      .map((licence) => licence.expression ?? licence.license.id));
  console.log([...new Set(expressions)].map((e) => (/ OR /.test(e) ? `(${e})` : e)).join(' AND '));
} else {
  const layout = process.argv[2];
  const blob = (digest) => `${layout}/blobs/${digest.replace(':', '/')}`;
  for (const entry of json(`${layout}/index.json`).manifests) {
    for (const image of json(blob(entry.digest)).manifests) {
      const manifest = json(blob(image.digest));
      const config = json(blob(manifest.config.digest));
      const { os, architecture, variant } = image.platform;
      console.log([
        [os, architecture, variant].filter(Boolean).join('/'),
        `${config.os}/${config.architecture}`,
        manifest.layers.length,
        blob(manifest.layers[0].digest),
        JSON.stringify(config.config?.Entrypoint ?? null),
        config.config?.User ?? 'root',
        JSON.stringify(config.config?.Env ?? []),
        JSON.stringify(config.config?.Cmd ?? null),
        manifest.annotations?.[licences],
      ].join(' '));
    }
  }
}
