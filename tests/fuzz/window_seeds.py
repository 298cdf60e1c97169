#!/usr/bin/env python3
"""Writes the seed action streams of the window targets into corpus/.

The targets read their choices with FuzzedDataProvider, which takes whole
numbers from the end of the input backwards, one byte for a range below 256:
a stream of choices is therefore stored reversed. The actions are numbered
in the action table of action_stream.cpp (Type 0 ... TypeCase 10); TypeCase
types one of the workable cases. The random streams start from a workable case
and run on seeded bytes, for the test that replays the corpus.
"""
import pathlib
import random

TYPE_CASE, PRESS, MENU = 10, 3, 4
BUTTON = 1  # Press: a command button rather than a label
FUZZ_FILE = 1  # a file dialog's answer: the file the stream wrote
SAVE, OPEN = 1, 2  # menu items in the order the calculator windows list them

def stream(*choices):
    return bytes(reversed(choices))

def evaluate(button=None):  # a choice among n items takes no byte when n is 1
    return (PRESS, BUTTON) + (() if button is None else (button,))

def random_streams(*first):
    return {'random_%d' % k: random.Random(k).randbytes(600) + stream(*first) for k in range(12)}

seeds = {
    'fuzz_steam_window': {
        'back_pressure_evaluated': stream(TYPE_CASE, 0, *evaluate()),
        'condensing_evaluated': stream(TYPE_CASE, 1, *evaluate()),
        'saved_and_opened': stream(TYPE_CASE, 1, MENU, SAVE, FUZZ_FILE, MENU, OPEN, FUZZ_FILE,
                                   *evaluate()),
        **random_streams(TYPE_CASE, 1),
    },
    # The gas target first reads how its units file starts: 2 = sound.
    'fuzz_gas_window': {
        **{'evaluated_%d' % b: stream(2, TYPE_CASE, *evaluate(b)) for b in range(4)},
        'saved_and_opened': stream(2, TYPE_CASE, MENU, SAVE, FUZZ_FILE, MENU, OPEN, FUZZ_FILE,
                                   *evaluate(0)),
        'units_file_missing': stream(0, TYPE_CASE, *evaluate(0)),
        **random_streams(2, TYPE_CASE),
    },
}

here = pathlib.Path(__file__).resolve().parent
for target, files in seeds.items():
    (here / 'corpus' / target).mkdir(parents=True, exist_ok=True)
    for name, data in files.items():
        (here / 'corpus' / target / name).write_bytes(data)
