// Generated window configurations: batch lines over sensors, sections,
// ranges, diameters, gases, units, references, flow types and process
// values, from a seeded generator, so that a failure can be repeated.
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';

import { nativeCalc } from './tools.mjs';

export function run(argv, input) {
  const [program, ...args] = argv;
  const result = spawnSync(program, args, { input, encoding: 'utf8', maxBuffer: 1 << 30 });
  if (result.error) throw result.error;
  return result;
}

// What the window offers for each sensor type, read from `--list`:
// { QA10: { sections: [...], ranges: [...], gases: [...], units: [...], ... } }
export function readOffers() {
  const listing = run([nativeCalc, '--list']);
  assert.equal(listing.status, 0, listing.stderr);
  const offers = {};
  let current = null;
  for (const line of listing.stdout.split('\n')) {
    if (!line.trim()) continue;
    if (!line.startsWith(' ')) {
      current = offers[line.trim()] = {};
      continue;
    }
    const [key, value] = line.trim().split(/\s{2,}/);
    // "DN8 (15.0 mm)" -> "DN8", "dry (Air)" -> "dry", "none" -> nothing;
    // a "(fixed)" choice is no choice.
    if (value === 'none' || value.endsWith('(fixed)')) continue;
    current[key] = value.split(', ').map((item) => item.replace(/ \(.*\)$/, ''));
  }
  return offers;
}

// A small seeded generator.
export function random(seed) {
  let state = seed >>> 0;
  const next = () => {
    state = (state + 0x6d2b79f5) >>> 0;
    let t = state;
    t = Math.imul(t ^ (t >>> 15), t | 1);
    t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
  return {
    chance: (p) => next() < p,
    pick: (items) => items[Math.floor(next() * items.length)],
    // A number as a user types it: 0 to 3 decimals, sometimes a comma.
    number: (low, high) => {
      const text = (low + next() * (high - low)).toFixed(Math.floor(next() * 4));
      return next() < 0.03 ? text.replace('.', ',') : text;
    },
  };
}

// Texts that are not plain numbers, for the boxes that take any text.
const ODD_TEXTS = ['', '-', '0', '1e3', '1e39', 'nan', 'inf', ' 7', '12,5', '0x1p3', 'abc', '-0'];

export function configuration(r, offers) {
  const sensor = r.pick(Object.keys(offers));
  const offer = offers[sensor];
  const line = { sensor };
  const text = (low, high) => (r.chance(0.05) ? r.pick(ODD_TEXTS) : r.number(low, high));

  if (offer.sections && r.chance(0.9)) line.section = r.pick(offer.sections);
  if (offer.diameter && r.chance(0.9)) line.diameter = text(5, 1500);
  if (offer.ranges && offer.ranges.length && r.chance(0.9)) line.range = r.pick(offer.ranges);
  if (r.chance(0.7)) line.gas = r.pick(offer.gases);
  if (line.gas === 'Others' && r.chance(0.9)) line['gas-constant'] = text(50, 5000);
  if (offer.reference && r.chance(0.6)) line.reference = r.pick(offer.reference);
  if (line.reference === 'custom' || !offer.reference) {
    if (r.chance(0.8)) line['reference-temperature'] = text(-60, 150);
    if (r.chance(0.8)) line['reference-pressure'] = text(300, 2000);
  }
  if (r.chance(0.8)) line.unit = r.pick(offer.units);
  if (offer['flow types']) {
    // Dry air and FAD are offered for air only.
    const air = !line.gas || line.gas === 'Air';
    if (r.chance(0.7)) line['flow-type'] = r.pick(air ? offer['flow types'] : ['flow', 'actual']);
    if (r.chance(0.5)) line.cutoff = r.pick(offer['cut-off']);
    if (r.chance(0.8)) line['process-pressure'] = text(-1.2, 40);
    if (r.chance(0.7)) line['process-temperature'] = text(-40, 250);
    // Humidity and the inlet conditions are inputs for air only.
    if (air || r.chance(0.02)) {
      if (r.chance(0.7)) line['process-humidity'] = text(0, 100);
      if (r.chance(0.6)) line['inlet-pressure'] = text(0.7, 1.2);
      if (r.chance(0.6)) line['inlet-temperature'] = text(-30, 50);
      if (r.chance(0.6)) line['inlet-humidity'] = text(0, 100);
    }
  }
  // Now and then a value the window does not offer, for the error path.
  if (r.chance(0.01)) line.unit = r.pick(['t/h', 'lb/h', 'm3/s']);
  if (r.chance(0.01)) line.section = 'DN100';
  return line;
}


// `count` generated batch lines, as JSON texts.
export function configurations(count, seed) {
  const r = random(seed);
  const offers = readOffers();
  return Array.from({ length: count }, () => JSON.stringify(configuration(r, offers)));
}
