#!/usr/bin/env bash
# scripts/gtest-batch on a small native GoogleTest program: one start for all cases, each case
# answering with its own output and result, a crash failing only its own case while the cases
# after it still run, a case that fails only among the others passing as it does alone but saying
# so, a changed program never answered from an old run, and a program that ends badly after passing
# cases reported. Called as: gtest_batch.sh DIR
set -u
batch=$(dirname "$0")/../../scripts/gtest-batch
dir=$1
rm -rf "$dir" && mkdir -p "$dir"
cat >"$dir/prog.cpp" <<'CPP'
#include <gtest/gtest.h>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>
static int starts = [] {
  if (FILE *f = std::fopen(std::getenv("STARTS"), "a")) { std::fputs("start\n", f); std::fclose(f); }
  if (std::getenv("END_BADLY")) std::atexit([] { _exit(3); });
  return 0;
}();
static bool eins_ran;
TEST(A, Eins) { std::puts("eins-ausgabe"); eins_ran = true; }
TEST(A, Zwei) { std::puts("zwei-ausgabe"); EXPECT_EQ(1, 2); }
TEST(A, Sechs) { std::puts("sechs-ausgabe"); EXPECT_FALSE(eins_ran); }
TEST(A, Absturz) { std::puts("vor dem absturz"); std::fflush(stdout); std::abort(); }
TEST(A, Vier) { std::puts("vier-ausgabe"); }
TEST(A, Fuenf) { GTEST_SKIP() << "fuenf-uebersprungen"; }
CPP
if ! g++ -std=c++17 -O0 -o "$dir/prog" "$dir/prog.cpp" -lgtest_main -lgtest -pthread 2>"$dir/cc.log"; then
  cat "$dir/cc.log"; echo "FAILED: the test program did not build"; exit 1
fi
failures=0
check() { # what, condition
  if eval "$2"; then echo "ok: $1"; else echo "FAILED: $1"; failures=$((failures + 1)); fi
}
export STARTS=$dir/starts
cases=A.Eins:A.Zwei:A.Sechs:A.Absturz:A.Vier:A.Fuenf
out=$("$batch" run "$dir/b" "$dir/prog" --gtest_filter=$cases 2>&1); rc=$?
echo "$out"
check "a batch with failing cases succeeds: two starts (the crash ends the first), the three failures again alone" \
  '[ $rc = 0 ] && [ "$(wc -l <"$STARTS")" = 5 ] && [[ $out == *"6 of 6 cases in 2 starts, 2 failed (of 3 run again alone)"* ]] &&
   [[ $out == *"!! prog: failed among the others but passed alone: A.Sechs"* ]]'
answer() { out=$("$batch" answer "$dir/b" "$dir/prog" --gtest_filter="$1" 2>&1); rc=$?; }
answer A.Eins
check "a passing case: its own output only, passed" '[ $rc = 0 ] && [[ $out == *eins-ausgabe* ]] && [[ $out != *zwei* ]]'
answer A.Zwei
check "a failing case: its own output and failure" '[ $rc = 1 ] && [[ $out == *zwei-ausgabe*Failure* ]] && [[ $out != *eins* ]]'
answer A.Absturz
check "the crashing case fails with its output and the status" \
  '[ $rc != 0 ] && [[ $out == *"vor dem absturz"*"ended with status"* ]]'
answer A.Sechs
check "a case that fails only among the others passes, with both outputs" \
  '[ $rc = 0 ] && [[ $out == *sechs-ausgabe*"passed alone but failed"*Failure* ]]'
answer A.Vier
check "the case after the crash ran and passed" '[ $rc = 0 ] && [[ $out == *vier-ausgabe* ]]'
answer A.Fuenf
check "a skipped case says so, as ctest looks for it" '[ $rc = 0 ] && [[ $out == *"[  SKIPPED ]"* ]]'
check "the answers started nothing" '[ "$(wc -l <"$STARTS")" = 5 ]'
touch -d '+1 min' "$dir/prog"
answer A.Eins
check "a changed program runs the case itself" \
  '[ $rc = 0 ] && [[ $out == *eins-ausgabe* ]] && [[ $out != *"gtest-batch:"* ]] && [ "$(wc -l <"$STARTS")" = 6 ]'
out=$(END_BADLY=1 "$batch" run "$dir/b2" "$dir/prog" --gtest_filter=A.Eins:A.Vier 2>&1); rc=$?
echo "$out"
check "a program that ends badly after its cases passed fails the batch" \
  '[ $rc = 1 ] && [[ $out == *"!!"*"status 3 after its cases passed"* ]]'
echo "$((10 - failures)) passed, $failures failed"
[ $failures = 0 ]
