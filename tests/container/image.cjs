// SPDX-FileCopyrightText: 2026 The hello-cxx developers
// SPDX-License-Identifier: MIT
// Describes the images of an unpacked OCI image layout: node image.cjs LAYOUT
// prints, for each image that the index's image index lists, one line:
// PLATFORM LAYERS LAYER-BLOB ENTRYPOINT USER ENV CMD
const { readFileSync } = require('node:fs');
const layout = process.argv[2];
const blob = (digest) => JSON.parse(readFileSync(`${layout}/blobs/${digest.replace(':', '/')}`, 'utf8'));

const top = JSON.parse(readFileSync(`${layout}/index.json`, 'utf8'));
for (const entry of top.manifests) {
  for (const image of blob(entry.digest).manifests) {
    const { os, architecture, variant } = image.platform;
    const manifest = blob(image.digest);
    const config = blob(manifest.config.digest).config ?? {};
    console.log([
      [os, architecture, variant].filter(Boolean).join('/'),
      manifest.layers.length,
      `${layout}/blobs/${manifest.layers[0].digest.replace(':', '/')}`,
      JSON.stringify(config.Entrypoint ?? null),
      config.User ?? 'root',
      JSON.stringify(config.Env ?? []),
      JSON.stringify(config.Cmd ?? null),
    ].join(' '));
  }
}
