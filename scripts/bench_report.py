#!/usr/bin/env python3
"""Writes the benchmark report of scripts/bench as one Markdown table: each benchmark's CPU time
per run and, for the operations that move bytes, its ratio to copying the same bytes, then the
instructions of each prfhost command; each figure beside its budget, where it has one."""
import json
import sys

# The page's user actions: under 1 ms of CPU each.
USER_ACTIONS = {"PageInitialisation", "SelectionChange", "Add", "Edit", "Delete", "Apply",
                "Export", "Import", "SettingsTree"}
ACTION_BUDGET_US = 1000.0
# Encoding and decoding a profile file: within 5 times the copy of their output.
COPY_BUDGETS = {"JzpEncode": 5.0, "JzpDecode": 5.0}
# prfhost commands that only read the page's controls.
INSTRUCTION_BUDGETS = {"list": 20e6, "show": 20e6}
# The states the commands start from.
STATES = {"fresh": "demo machine", "rows25": "25 rows", "rows26": "26 rows"}


def verdict(value, budget):
    if budget is None:
        return ""
    return "ok" if value <= budget else "**over**"


def benchmark_rows(results):
    rows = []
    for run in results["benchmarks"]:
        name = run["name"]
        base = name.split("/")[0]
        microseconds = run["cpu_time"]  # the benchmarks report in microseconds
        budget = ACTION_BUDGET_US if base in USER_ACTIONS else None
        figure = f"{microseconds:,.1f} µs CPU"
        budget_text = "< 1,000 µs CPU" if budget is not None else ""
        state = verdict(microseconds, budget)
        if "x_copy" in run:
            ratio = run["x_copy"]
            figure += f", {ratio:.1f} × copy of {int(run['bytes']):,} bytes"
            copy_budget = COPY_BUDGETS.get(base)
            if copy_budget is not None:
                budget_text = f"≤ {copy_budget:g} × copy"
                state = verdict(ratio, copy_budget)
        rows.append((name, figure, budget_text, state))
    return rows


def instruction_rows(lines):
    rows = []
    for line in lines:
        command, state, total = line.split()
        instructions = int(total.replace(",", ""))
        budget = INSTRUCTION_BUDGETS.get(command)
        budget_text = f"< {budget / 1e6:g} M instructions" if budget else ""
        rows.append((f"prfhost {command} ({STATES[state]})",
                     f"{instructions / 1e6:.2f} M instructions",
                     budget_text, verdict(instructions, budget)))
    return rows


def main():
    with open(sys.argv[1]) as file:
        results = json.load(file)
    with open(sys.argv[2]) as file:
        counts = [line for line in file if line.strip()]
    context = results["context"]
    print(f"Measured {context['date']} on {context['host_name']}, {context['num_cpus']} CPUs "
          f"at {context['mhz_per_cpu']} MHz.\n")
    print("| Case | Measured | Budget | |")
    print("|---|---|---|---|")
    for row in benchmark_rows(results) + instruction_rows(counts):
        print("| " + " | ".join(row) + " |")


if __name__ == "__main__":
    main()
