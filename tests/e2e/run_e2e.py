#!/usr/bin/env python3
"""End-to-end scenarios of the program on a real (virtual) X display.

    run_e2e.py --kalvix build/kalvix --shots build/e2e-shots [-k pattern] [--repeat N]

Starts Xvfb, openbox and trayer, then runs every test_*.py scenario
against copies of the given executable. Screenshots of each scenario land
in the --shots folder. --repeat runs the chosen scenarios N times over in
one session, to catch one that fails only now and then. Exits 77
(skipped) when the X tools are missing."""

import argparse
import os
import sys
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import e2ecase  # noqa: E402
from xsession import XSession, missing_tools  # noqa: E402

SKIPPED = 77


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--kalvix", required=True)
    parser.add_argument("--shots", required=True)
    parser.add_argument("--sm-peer", default=None)
    parser.add_argument("-k", dest="patterns", action="append", default=[])
    parser.add_argument("--repeat", type=int, default=1)
    args = parser.parse_args()

    missing = missing_tools()
    if missing:
        print("SKIPPED: missing " + ", ".join(missing) + " (tools/install-deps.sh test installs them)")
        return SKIPPED

    os.makedirs(args.shots, exist_ok=True)
    # Pictures of an earlier run would pass for this one's.
    for old in os.listdir(args.shots):
        if old.endswith(".png"):
            os.remove(os.path.join(args.shots, old))
    loader = unittest.TestLoader()
    if args.patterns:
        loader.testNamePatterns = [f"*{p}*" for p in args.patterns]
    suite = unittest.TestSuite(loader.discover(HERE, pattern="test_*.py", top_level_dir=HERE)
                               for _ in range(args.repeat))

    session = XSession().start()
    try:
        e2ecase.SESSION = session
        e2ecase.KALVIX = os.path.abspath(args.kalvix)
        e2ecase.SHOTS = os.path.abspath(args.shots)
        e2ecase.SM_PEER = os.path.abspath(args.sm_peer) if args.sm_peer else None
        print(f"display {session.display}; screenshots in {e2ecase.SHOTS}", flush=True)
        result = unittest.TextTestRunner(verbosity=2, stream=sys.stdout).run(suite)
    finally:
        session.stop()
    return 0 if result.wasSuccessful() else 1


if __name__ == "__main__":
    sys.exit(main())
