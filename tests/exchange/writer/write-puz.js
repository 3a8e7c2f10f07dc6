// Writes a .puz file with @confuzzle/writepuz: `node write-puz.js out.puz` with the
// puzzle as that package takes it (title, author, copyright, note, width, height, clues
// in file order, solution by rows with "." for a block) as JSON on stdin.
const fs = require('node:fs');
const {writepuz} = require('@confuzzle/writepuz');

const puzzle = JSON.parse(fs.readFileSync(0, 'utf8'));
fs.writeFileSync(process.argv[2], writepuz(puzzle));
