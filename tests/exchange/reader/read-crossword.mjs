// Reads an .ipuz or .puz file with @xwordly/xword-parser and prints what it sees as
// JSON: the size, the title, the grid by rows ("#" for a block), every number with its
// cell, and the clues of each direction as [number, text, cells or null].
// Given no file, it stays running for a caller that reads many: one path a line on
// stdin, one line of JSON for each, {"error": ...} where the file could not be read.
// The package's CommonJS entry cannot be loaded (it is marked as an ES module), hence
// an ES module here.
import fs from 'node:fs';
import readline from 'node:readline';
import * as reader from '@xwordly/xword-parser';

function read(file) {
  const data = fs.readFileSync(file);
  let puzzle;
  let across;
  let down;
  if (file.endsWith('.ipuz')) {
    const raw = reader.parseIpuz(data);
    puzzle = reader.convertIpuzToUnified(raw);
    // The common form drops the cells a clue names, so they come from the raw clues.
    const clues = (list) => (list || []).map((c) => [Number(c.number), c.text, c.cells || null]);
    across = clues(raw.clues.Across);
    down = clues(raw.clues.Down);
  } else {
    puzzle = reader.convertPuzToUnified(reader.parsePuz(data));
    // Version 1.0.5 hands the clue texts to every across entry first and then to every
    // down entry, while the file holds them in number order with across first at one
    // number. Its texts, taken in the order it read them, are paired again with the
    // entries it numbered, in the file's order.
    const texts = [...puzzle.clues.across, ...puzzle.clues.down].map((c) => c.text);
    const entries = [
      ...puzzle.clues.across.map((c) => ({number: c.number, across: true})),
      ...puzzle.clues.down.map((c) => ({number: c.number, across: false})),
    ].sort((a, b) => a.number - b.number || (a.across ? -1 : 1) - (b.across ? -1 : 1));
    entries.forEach((entry, i) => { entry.text = texts[i]; });
    const clues = (isAcross) =>
      entries.filter((e) => e.across === isAcross).map((e) => [e.number, e.text, null]);
    across = clues(true);
    down = clues(false);
  }

  const numbers = [];
  const grid = puzzle.grid.cells.map((row, r) => row.map((cell, c) => {
    if (cell.number) numbers.push([c, r, cell.number]);
    return cell.isBlack ? '#' : (cell.solution || '?');
  }).join(''));

  return {
    width: puzzle.grid.width,
    height: puzzle.grid.height,
    title: puzzle.title || '',
    grid,
    numbers,
    across,
    down,
  };
}

if (process.argv[2]) {
  process.stdout.write(JSON.stringify(read(process.argv[2])));
} else {
  for await (const file of readline.createInterface({input: process.stdin})) {
    let seen;
    try {
      seen = read(file);
    } catch (error) {
      seen = {error: String(error && error.stack || error)};
    }
    process.stdout.write(JSON.stringify(seen) + '\n');
  }
}
