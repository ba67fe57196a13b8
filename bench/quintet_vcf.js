// Times quintet's VCF solver (@renju-note/quintet, installed outside the repository) on the
// searches bench_renju writes: one a line, "black|white BLACKS WHITES", points as
// row * 15 + column counted from 0. Prints the median and the slowest solve, each the best
// of five calls, the WebAssembly module loaded once beforehand, after the name the third
// argument gives the set. Skipped when absent.
'use strict';
const fs = require('fs');
const path = require('path');

const [folder, list, name = 'hard problems'] = process.argv.slice(2);
const wasmPath = path.join(folder || '', 'node_modules/@renju-note/quintet/quintet_bg.wasm');
if (!folder || !fs.existsSync(wasmPath)) {
    console.log(`quintet: skipped (${wasmPath} not found)`);
    process.exit(0);
}

// The package's glue, for a module that imports nothing: arrays in, the answer out.
const w = new WebAssembly.Instance(new WebAssembly.Module(fs.readFileSync(wasmPath)), {}).exports;
function solve(blacks, whites, black, depth) {
    const bytes = () => new Uint8Array(w.memory.buffer);
    const ret = w.__wbindgen_export_0.value - 16;
    w.__wbindgen_export_0.value = ret;
    try {
        const p0 = w.__wbindgen_malloc(blacks.length);
        bytes().set(blacks, p0);
        const p1 = w.__wbindgen_malloc(whites.length);
        bytes().set(whites, p1);
        w.solve_vcf(ret, p0, blacks.length, p1, whites.length, black, depth);
        const words = new Int32Array(w.memory.buffer);
        const [r0, r1] = [words[ret / 4], words[ret / 4 + 1]];
        if (r0 === 0)
            return undefined;
        const moves = bytes().slice(r0, r0 + r1);
        w.__wbindgen_free(r0, r1);
        return moves;
    } finally {
        w.__wbindgen_export_0.value += 16;
    }
}

const points = (text) => new Uint8Array(text ? text.split(',').map(Number) : []);
const times = [];
let found = 0;
let fours = [];
for (const line of fs.readFileSync(list, 'utf8').split('\n').filter((l) => l.trim())) {
    const [side, blacks, whites] = line.split(' ');
    const b = points(blacks);
    const wh = points(whites);
    let best = Infinity;
    let answer;
    for (let run = 0; run < 5; ++run) {
        const start = process.hrtime.bigint();
        answer = solve(b, wh, side === 'black', 30);
        best = Math.min(best, Number(process.hrtime.bigint() - start) / 1e6);
    }
    times.push(best);
    if (answer) {
        ++found;
        fours.push((answer.length + 1) / 2);
    }
}
times.sort((a, b) => a - b);
console.log(`quintet ${name}: ${times.length}, found ${found}, median ` +
            `${times[Math.floor(times.length / 2)].toFixed(3)} ms, slowest ` +
            `${times[times.length - 1].toFixed(3)} ms (best of 5 each); fours ${fours.join(' ')}`);
