#!/usr/bin/env bash
# The emulated machine's scripts where they can go wrong without a whole test run: a misspelt
# ZQ_I686, stop with the spool gone, a start that fails after launching the emulator, the route a
# boot takes where /dev/kvm can be opened (KVM, or full emulation where KVM cannot run the machine:
# the start says which), and the fallback to full emulation where /dev/kvm cannot be used. The
# boots go as far as the guest's own part. All but the first two need the machine's image and skip,
# saying so, where it is not made. Called as: vm.sh DIR (inside the clone)
set -u
clone=$(cd "$(dirname "$0")/../.." && pwd -P)
vm=$clone/scripts/vm
dir=$1
failures=0 passed=0
check() { # what, condition
  if eval "$2"; then echo "ok: $1"; passed=$((passed + 1)); else echo "FAILED: $1"; failures=$((failures + 1)); fi
}
gone() { ! [ -d "/proc/$1" ] || [ "$(sed -n 's/^State:[[:space:]]*\(.\).*/\1/p' "/proc/$1/status")" = Z ]; }
rm -rf "$dir" && mkdir -p "$dir"

out=$(ZQ_I686=vm-voll timeout 60 "$clone/scripts/test" 2>&1); rc=$?
check "an unknown ZQ_I686 stops scripts/test at once, naming the value" \
  '[ $rc != 0 ] && [ $rc != 124 ] && [[ $out == *"unknown ZQ_I686"*vm-voll* ]] && [[ $out != *"== build"* ]]'

# A stand-in for the emulator: a process carrying the session mark, as the emulator does.
ZQ_VM_SESSION=zqtest$$ sleep 300 &
pid=$!
printf 'ZQ_VM_PID=%s\nZQ_VM_SESSION=zqtest%s\nZQ_VM_SPOOL=%s\n' $pid $$ "$dir/gone/spool" >"$dir/vm.env"
out=$("$vm" stop "$dir" 2>&1); rc=$?
check "stop with the spool gone ends the emulator by its pid" '[ $rc = 0 ] && gone $pid && [ ! -e "$dir/vm.env" ]'
kill $pid 2>/dev/null; wait $pid 2>/dev/null

if ! "$vm" cached; then
  echo "!! SKIPPED: the emulated machine's image is not made on this machine (scripts/vm image makes it):"
  echo "!! the failing start and the fallback to full emulation were not tried"
  echo "$passed passed, $failures failed, 2 skipped"
  [ $failures = 0 ]; exit
fi

# The environment file cannot be written (a folder stands where it goes), as on a full disk.
mkdir -p "$dir/vm.env"
out=$("$vm" start "$dir" 2>&1); rc=$?
pid=$(sed -nE 's/^vm: emulator pid ([0-9]+).*/\1/p' <<<"$out")
echo "$out" | tail -n 3
check "a start that fails after launching the emulator ends it (pid ${pid:-none})" \
  '[ $rc != 0 ] && [ -n "$pid" ] && gone "$pid" && [[ $out == *"ending the emulator"* ]]'
rmdir "$dir/vm.env"

# Boots the machine with STARTER..., up to the guest's own part, and stops it again; sets booted
# (seconds, empty without a boot), pid and cmdline (the emulator's), and leaves start's output in
# DIR/start.log.
boot() {
  ZQ_VM_BOOT_TIMEOUT=300 "$@" >"$dir/start.log" 2>&1 &
  local starter=$! t0=$SECONDS
  while [ ! -e "$dir/vm/spool/booted" ] && kill -0 $starter 2>/dev/null && [ $((SECONDS - t0)) -lt 300 ]; do sleep 0.5; done
  booted=$([ -e "$dir/vm/spool/booted" ] && echo $((SECONDS - t0)))
  pid=$(sed -nE 's/^vm: emulator pid ([0-9]+).*/\1/p' "$dir/start.log" | tail -n 1)
  cmdline=$(tr '\0' ' ' <"/proc/${pid:-0}/cmdline" 2>/dev/null)
  "$vm" stop "$dir" >/dev/null 2>&1
  wait $starter 2>/dev/null
  cat "$dir/start.log"
}

if [ -e /dev/kvm ] && { : <>/dev/kvm; } 2>/dev/null; then
  echo "this machine has a /dev/kvm that can be opened: the machine boots under KVM, or under full emulation where KVM cannot run it"
  boot "$vm" start "$dir"
  check "it boots (${booted:-no boot} s), on the route the start names" \
    '[ -n "$booted" ] && { { [[ $cmdline == *"-accel kvm"* ]] && grep -q "emulator pid.*, KVM$" "$dir/start.log"; } ||
                          { [[ $cmdline != *kvm* ]] && grep -q "full emulation (TCG)" "$dir/start.log"; }; }'
  check "stop then leaves no emulator" '[ -n "$pid" ] && gone "$pid" && [ ! -e "$dir/vm.env" ]'
fi

# /dev/kvm replaced, in a mount namespace of this start alone, by an empty file: no virtualisation.
: >"$dir/no-kvm"
if [ ! -e /dev/kvm ]; then
  echo "the fallback to full emulation, on this machine without /dev/kvm"
  boot "$vm" start "$dir"
elif unshare --mount --propagation private sh -c 'mount --bind "$1" /dev/kvm' sh "$dir/no-kvm" 2>/dev/null; then
  echo "the fallback to full emulation, with /dev/kvm replaced by an empty file in a mount namespace of its own"
  boot unshare --mount --propagation private sh -c 'mount --bind "$1" /dev/kvm && exec "$2" start "$3"' sh "$dir/no-kvm" "$vm" "$dir"
else
  echo "!! SKIPPED: this machine has /dev/kvm but refuses a mount over it: the fallback to full emulation was not tried"
  echo "$passed passed, $failures failed, 1 skipped"
  [ $failures = 0 ]; exit
fi
check "without a usable /dev/kvm the machine boots under full emulation (${booted:-no boot} s)" \
  '[ -n "$booted" ] && [[ $cmdline == *"-accel tcg"* ]] && [[ $cmdline != *kvm* ]] && grep -q "full emulation (TCG)" "$dir/start.log"'
check "stop then leaves no emulator" '[ -n "$pid" ] && gone "$pid" && [ ! -e "$dir/vm.env" ]'
echo "$passed passed, $failures failed"
[ $failures = 0 ]
