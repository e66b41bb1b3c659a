#!/usr/bin/env python3
"""Plants one-line faults in src/, one at a time, and runs the tests that should catch each.

For every fault: the line is replaced, the test programs are rebuilt and run, and the line is
put back. A fault is caught when a test fails (or the planted code does not build, reported
apart). Usage: tools/plant_faults.py [BUILD_DIR] [NAME_FILTER]
"""
import os
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

# name, file under src/, the line as it stands (without indentation), the faulty line,
# test programs to run (a gtest filter may follow a colon)
FAULTS = [
    ("abort-leaves-edit-mode", "ui/shell/RecordScreen.cpp",
     "records_->cancelUpdate();", "(void)records_;",
     ["record_screens_tests:*FailedStore*"]),
    ("escape-on-abort-retry-ignore", "ui/shell/Dialogs.cpp",
     "box.setStandardButtons(QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore);",
     "box.setStandardButtons(QMessageBox::Retry | QMessageBox::Ignore | QMessageBox::Abort); box.setEscapeButton(QMessageBox::Ignore);",
     ["shell_tests:*QtDialogs*"]),
    ("escape-fallback-answer", "ui/shell/Dialogs.cpp",
     "return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;", "return Answer::Ok;",
     ["shell_tests:*QtDialogs*"]),
    ("w3-total-from-wrong-column", "core/print_w2/W3Summary.cpp",
     "sum(W2.Box5) AS s5, sum(W2.Box6) AS s6, sum(W2.Box7) AS s7, sum(W2.Box8) AS s8,",
     "sum(W2.Box5) AS s5, sum(W2.Box6) AS s6, sum(W2.Box7) AS s7, sum(W2.Box7) AS s8,",
     ["print_w2_tests"]),
    ("w3-box12-code-h-left-out", "core/print_w2/W3Summary.cpp",
     "sum(CASE WHEN (W2.Box12a_Code >= 'D' AND W2.Box12a_Code <= 'H') OR W2.Box12a_Code = 'S'",
     "sum(CASE WHEN (W2.Box12a_Code >= 'D' AND W2.Box12a_Code <= 'G') OR W2.Box12a_Code = 'S'",
     ["print_w2_tests"]),
    ("w2-marks-end-one-early", "core/print_w2/W2FormsRun.cpp",
     "constexpr int kLastMark = 35;", "constexpr int kLastMark = 34;",
     ["print_w2_tests"]),
    ("1099-mark-column-moved", "core/print_1099/Misc1099FormsRun.cpp",
     "constexpr int kBox9 = 22;", "constexpr int kBox9 = 23;",
     ["print_1099_tests"]),
    ("1096-box5-sign-flipped", "core/print_1099/Summary1096.cpp",
     "sum(m.Box1 + m.Box2 + m.Box3 + m.Box5 + m.Box6 + m.Box7 + m.Box8 + m.Box10",
     "sum(m.Box1 + m.Box2 + m.Box3 + m.Box5 + m.Box6 - m.Box7 + m.Box8 + m.Box10",
     ["print_1099_tests"]),
    ("1096-box4-total-of-box5", "core/print_1099/Summary1096.cpp",
     "sum(m.Box4) AS box4,", "sum(m.Box5) AS box4,",
     ["print_1099_tests"]),
    ("1096-form-box4-next-column", "core/print_1099/Print1096.cpp",
     "constexpr int kBox4 = 12;", "constexpr int kBox4 = 13;",
     ["print_1099_tests"]),
    ("w2-state-line-2-neighbour-column", "ui/w2/W2Form.cpp",
     '{W2::kStateLine[1][1], "Box16_L2",', '{W2::kStateLine[1][1], "Box17_L2",',
     ["record_screens_tests:*EveryField*"]),
    ("efw2-ra-fax-one-right", "core/efile/Efw2Layout.cpp",
     '{"ContactFax", 489, 10, D},', '{"ContactFax", 490, 10, D},',
     ["efile_tests:*Publication*"]),
    ("efw2-rs-tax-type-one-right", "core/efile/Efw2Layout.cpp",
     '{"TaxTypeCode", 308, 1, T},', '{"TaxTypeCode", 309, 1, T},',
     ["efile_tests:*Publication*"]),
    ("efw2-rt-code-h-total-one-right", "core/efile/Efw2Layout.cpp",
     '{"Code H", 205, 15, M},', '{"Code H", 206, 15, M},',
     ["efile_tests:*Publication*"]),
    ("efw2-ru-code-ii-total-one-right", "core/efile/Efw2Layout.cpp",
     '{"Code II", 190, 15, M, 2024},', '{"Code II", 191, 15, M, 2024},',
     ["efile_tests:*Publication*"]),
    ("efw2-code-ii-in-code-hh", "core/efile/Efw2Layout.cpp",
     '{"II", true, "Code II"},', '{"II", true, "Code HH"},',
     ["efile_tests:*Publication*"]),
    ("1220-nec-second-tin-notice-at-545", "core/efile/Pub1220Layout.cpp",
     '{"SecondTINNotice", 544, 1, T_},  //', '{"SecondTINNotice", 545, 1, T_},  //',
     ["efile_tests:*Publication*"]),
]


def plant(path, original, faulty):
    with open(path) as f:
        text = f.read()
    if text.count(original) != 1:
        raise RuntimeError(f"{path}: the line to change is found {text.count(original)} times")
    with open(path, "w") as f:
        f.write(text.replace(original, faulty))
    return text


def run(build, tests):
    targets = sorted({t.split(":")[0] for t in tests})
    built = subprocess.run(["cmake", "--build", build, "-j2", "--target"] + targets,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    if built.returncode != 0:
        return "does not build"
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    for test in tests:
        program, _, pattern = test.partition(":")
        args = [os.path.join(build, "bin", program)] + ([f"--gtest_filter={pattern}"] if pattern else [])
        if subprocess.run(args, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode != 0:
            return "caught"
    return "MISSED"


def main():
    build = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "build")
    only = sys.argv[2] if len(sys.argv) > 2 else ""
    results = []
    for name, file, original, faulty, tests in FAULTS:
        if only not in name:
            continue
        path = os.path.join(ROOT, "src", file)
        text = plant(path, original, faulty)
        try:
            outcome = run(build, tests)
        finally:
            with open(path, "w") as f:
                f.write(text)
        results.append((name, file, outcome))
        print(f"{outcome:15} {name:36} {file}", flush=True)
    # Leave the programs built from the code as it is.
    subprocess.run(["cmake", "--build", build, "-j2"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    missed = [r for r in results if r[2] == "MISSED"]
    print(f"{len(results) - len(missed)} of {len(results)} caught")
    return 1 if missed else 0


if __name__ == "__main__":
    sys.exit(main())
