// Parses every SQL Server statement of the data module (a JSON list of {name, sql} read
// from the file given) as T-SQL, and prints those that do not parse.
'use strict';
const fs = require('fs');
const { Parser } = require('node-sql-parser');

const statements = JSON.parse(fs.readFileSync(process.argv[2], 'utf8'));
const parser = new Parser();
let failed = 0;
for (const { name, sql } of statements) {
  try {
    parser.astify(sql, { database: 'transactsql' });
  } catch (error) {
    failed += 1;
    console.log(`${name}: ${String(error.message).slice(0, 300)}`);
  }
}
console.log(`${statements.length - failed} passed, ${failed} failed`);
process.exit(failed === 0 ? 0 : 1);
